#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/txt_file.h"
#include "scripted_shell_host.h"
#include "shell/document_files.h"
#include "shell/file_dispatch.h"
#include "shell/shell.h"
#include "support/file_size_limit.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using test::ScriptedShellHost;

std::string firstLineText(const Document& doc) {
  std::string text;
  for (const TCharRec& cell : doc.Fields.at(0).Lines.at(0).Chars) text += static_cast<char>(cell.Ch);
  return text;
}

TEST(TextFiles, TextIsReadByFilterAndByExtensionAndLaidOut) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("brief.txt"), "Gr\x81\xE1" "e\r\n");
  test::writeFileBytes(dir.file("notiz.md"), "# Titel\n");
  const DocumentFormats formats;
  struct Case {
    const char* name;
    int32_t openType;
    DocumentFormat format;
    const char* firstLine;
  };
  for (const Case& c : {Case{"brief.txt", kOpenDosText, DocumentFormat::dosText, "Gr\xFC\xDF" "e"},
                        Case{"brief.txt", kOpenByExtension, DocumentFormat::ansiText, "Gr\x81\xE1" "e"},
                        Case{"notiz.md", kOpenAllFiles, DocumentFormat::ansiText, "# Titel"}}) {
    test::RecordingHost host;
    Editor editor(host);
    editor.FormCreate();
    host.statusTexts.clear();
    ASSERT_EQ(openDocumentFile(editor, formats, dir.file(c.name), c.openType, false), c.format) << c.name;
    EXPECT_EQ(host.statusTexts, (Strings{"3:Öffne Datei...", "3:"}));
    EXPECT_EQ(firstLineText(editor.doc()), c.firstLine) << c.name;
    EXPECT_EQ(editor.doc().DocTitle, c.name);
    EXPECT_EQ(editor.doc().Modified, 0);
    EXPECT_GT(editor.doc().Fields[0].Lines[0].LineHeight, 0.0);
  }
  EXPECT_EQ(docFileTypeAfterOpening(DocumentFormat::dosText), kSaveDosText);
}

// A file that came as UTF-8 is saved as UTF-8, its mark kept; the DOS
// filter chosen in the save dialog writes code page 850 all the same.
TEST(TextFiles, SavingWritesTheEncodingTheFileCameIn) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("gruss.txt"), "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\n");
  ScriptedShellHost host;
  Shell shell(host);
  ShellDocument* document = shell.openDocument(dir.file("gruss.txt"), kOpenByExtension);
  ASSERT_NE(document, nullptr);
  document->editor().SetFileChanged(true);
  ASSERT_TRUE(shell.SaveFileClick(document));
  EXPECT_EQ(test::readFileBytes(dir.file("gruss.txt")), "\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC\r\n");
  EXPECT_EQ(document->editor().doc().Modified, 0);

  ScriptedShellHost::windowOf(*document).saveAnswer = FileDialogState{{}, kSaveDosText, dir.file("dos").string(), true};
  ASSERT_TRUE(shell.SaveAsClick(document));
  EXPECT_EQ(test::readFileBytes(dir.file("dos.txt")), "Gr\x81\xE1" "e ?\r\n");
  EXPECT_EQ(document->editor().doc().DocTitle, "dos.txt");
}

TEST(TextFiles, AFailedSaveSaysSoAndKeepsTheChanges) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("alt.txt"), "alt\r\n");
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  ASSERT_TRUE(openAnsiTextFile(editor, dir.file("alt.txt"), false));
  test::appendTextLine(editor.doc(), 0, std::string(64 * 1024, 'x'));
  editor.SetFileChanged(true);
  host.statusTexts.clear();
  {
    test::FileSizeLimit limit(16 * 1024);
    EXPECT_FALSE(saveAnsiTextFile(editor, dir.file("alt.txt"), false));
  }
  EXPECT_EQ(host.statusTexts, (Strings{"3:Speichere Datei...", "3:"}));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Konnte Datei alt.txt nicht erstellen!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::error);
  EXPECT_EQ(editor.doc().Modified, 1);
  EXPECT_EQ(test::readFileBytes(dir.file("alt.txt")), "alt\r\n");
  EXPECT_FALSE(openDosTextFile(editor, dir.file("fehlt.txt"), false));
  EXPECT_EQ(host.messages.back().text, "Konnte Datei fehlt.txt nicht öffnen!");
  EXPECT_EQ(editor.doc().DocTitle, "alt.txt");
}

}  // namespace
}  // namespace vendaro
