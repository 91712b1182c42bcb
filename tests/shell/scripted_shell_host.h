// scripted_shell_host.h — a main window for shell tests: document windows
// that answer the save dialog and the save question as scripted and
// remember what they were asked; small native files to open.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "formats/lpx_file.h"
#include "shell/document_dump.h"
#include "shell/shell.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro::test {

class ScriptedWindow : public RecordingHost {
 public:
  bool showSaveDialog(FileDialogState& dialog) override {
    saveRequests.push_back(dialog);
    if (saveAnswer) dialog = *saveAnswer;
    return saveAnswer.has_value();
  }
  QuestionAnswer askYesNoCancel(const std::string& text, const std::string& caption) override {
    questions.push_back(caption + ": " + text);
    return answer;
  }
  std::optional<FileDialogState> saveAnswer;  // none: cancel
  std::vector<FileDialogState> saveRequests;
  QuestionAnswer answer = QuestionAnswer::cancel;
  std::vector<std::string> questions;
  bool destroyed = false;
};

class ScriptedShellHost : public ShellHost {
 public:
  void showMessage(const std::string& text, MessageIcon, const std::string& = {}) override { messages.push_back(text); }
  void setStatusText(int panel, const std::string& text) override {
    statusTexts.push_back(std::to_string(panel) + ":" + text);
  }
  void setCaption(const std::string&) override {}
  EditorHost& createDocumentWindow() override { return *windows.emplace_back(std::make_unique<ScriptedWindow>()); }
  void showDocumentWindow(ShellDocument& document, bool fromTemplate) override {
    shown.push_back(document.editor().doc().DocTitle + (fromTemplate ? " (neu)" : ""));
  }
  void destroyDocumentWindow(EditorHost& window) override { static_cast<ScriptedWindow&>(window).destroyed = true; }
  void printWithoutDialog(Editor& editor) override { printed.push_back(editor.doc().DocTitle); }

  static ScriptedWindow& windowOf(ShellDocument& document) { return static_cast<ScriptedWindow&>(document.window()); }

  std::vector<std::unique_ptr<ScriptedWindow>> windows;
  std::vector<std::string> messages, statusTexts, shown, printed;
};

inline void writeNativeFile(const std::filesystem::path& path, std::string_view text) {
  std::filesystem::create_directories(path.parent_path());
  Document doc = newWindowDocument();
  appendTextLine(doc, 0, text);
  std::string message;
  ASSERT_TRUE(SaveLPXFile(doc, path, message)) << message;
}

inline bool bodyContains(const Document& doc, std::string_view text) {
  for (const TLineRec& line : doc.Fields.at(0).Lines) {
    if (lineTextForDump(line).find(text) != std::string::npos) return true;
  }
  return false;
}

// A native letter, brief.lpx, opened in a shell of its own.
class ShellWithLetter : public testing::Test {
 protected:
  void SetUp() override {
    writeNativeFile(dir.file("brief.lpx"), "alt");
    document = shell.openDocument(dir.file("brief.lpx"), kOpenNative);
    ASSERT_NE(document, nullptr);
  }
  TempDir dir;  // first: the shell's configuration folder lies inside
  ScriptedShellHost host;
  Shell shell{host};
  ShellDocument* document = nullptr;
};

}  // namespace vendaro::test
