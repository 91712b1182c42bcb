#include "shell/document_files.h"

#include <string>

#include "formats/lpx_file.h"
#include "platform/paths.h"

namespace vendaro {
namespace {

// Shows an activity text in the status bar for as long as it lives.
class ActivityText {
 public:
  ActivityText(EditorHost& host, const char* text) : host_(host) {
    host_.setStatusText(kPanelActivity, text);
    host_.processPendingEvents();
  }
  ~ActivityText() { host_.setStatusText(kPanelActivity, ""); }
  ActivityText(const ActivityText&) = delete;
  ActivityText& operator=(const ActivityText&) = delete;

 private:
  EditorHost& host_;
};

void takeFileName(Editor& editor, const std::filesystem::path& path) {
  editor.doc().DocFileName = path.string();
  editor.doc().DocTitle = path.filename().string();
  editor.SetFileChanged(false);
}

}  // namespace

bool openNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  std::string message;
  bool ok;
  {
    ActivityText activity(editor.host(), "Öffne Datei...");
    ok = OpenLPXFile(editor.doc(), path, message);
  }
  if (!ok) {
    editor.host().showMessage(message, MessageIcon::error);
    return false;
  }
  editor.documentLoaded();
  if (!quiet) takeFileName(editor, path);
  return true;
}

bool saveNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  std::string message;
  bool ok;
  {
    ActivityText activity(editor.host(), "Speichere Datei...");
    ok = SaveLPXFile(editor.doc(), path, message);
  }
  if (!ok) {
    editor.host().showMessage(message, MessageIcon::error);
    return false;
  }
  if (!quiet) takeFileName(editor, path);
  return true;
}

void createNewDocument(Editor& editor) {
  editor.FormCreate();
  const std::filesystem::path templatePath = ProgramDir() / kStartTemplate;
  std::error_code ec;
  if (std::filesystem::exists(templatePath, ec)) openNativeFile(editor, templatePath, true);
}

}  // namespace vendaro
