#include "shell/document_files.h"

#include <string>

#include "editing/settle_layout.h"
#include "formats/lpx_file.h"
#include "formats/rtf_file.h"
#include "formats/rtf_reader.h"
#include "formats/txt_file.h"
#include "formats/word_file.h"
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

// Runs a reader of the formats layer with the activity text shown; on
// success the document is laid out and, unless quiet, takes the file name.
bool openWith(Editor& editor, const std::filesystem::path& path, bool quiet, const CoreReader& read) {
  std::string message;
  bool ok;
  {
    ActivityText activity(editor.host(), "Öffne Datei...");
    ok = read(editor.doc(), path, message);
  }
  if (!ok) {
    editor.host().showMessage(message, MessageIcon::error);
    return false;
  }
  // Named first: the layout that follows brings the fields showing the
  // file's name and path up to date.
  if (!quiet) takeFileName(editor, path);
  editor.documentLoaded();
  return true;
}

bool saveWith(Editor& editor, const std::filesystem::path& path, bool quiet, const CoreWriter& write) {
  std::string message;
  bool ok;
  {
    ActivityText activity(editor.host(), "Speichere Datei...");
    ok = write(editor.doc(), path, message);
  }
  if (!ok) {
    editor.host().showMessage(message, MessageIcon::error);
    return false;
  }
  if (!quiet) takeFileName(editor, path);
  return true;
}

bool openNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  return openWith(editor, path, quiet, OpenLPXFile);
}

bool saveNativeFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  return saveWith(editor, path, quiet, SaveLPXFile);
}

bool openAnsiTextFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  return openWith(editor, path, quiet, [](Document& doc, const std::filesystem::path& file, std::string& message) {
    return OpenTXTFile(doc, file, false, message);
  });
}

bool openDosTextFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  return openWith(editor, path, quiet, [](Document& doc, const std::filesystem::path& file, std::string& message) {
    return OpenTXTFile(doc, file, true, message);
  });
}

// Objects anchored to a paragraph are read at their offset from it; the
// settle step puts them beside their lines at once, so that a document saved
// before any paint (a conversion) holds them where they are shown.
bool openRtfFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  RasterTarget* raster = editor.services().raster;
  const bool ok = openWith(editor, path, quiet, [raster](Document& doc, const std::filesystem::path& file, std::string& message) {
    return OpenRTFFile(doc, file, raster, message);
  });
  if (ok) settleLayout(editor);
  return ok;
}

bool saveAnsiTextFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  return saveWith(editor, path, quiet, [](const Document& doc, const std::filesystem::path& file, std::string& message) {
    return SaveTXTFile(doc, file, false, message);
  });
}

bool saveDosTextFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  return saveWith(editor, path, quiet, [](const Document& doc, const std::filesystem::path& file, std::string& message) {
    return SaveTXTFile(doc, file, true, message);
  });
}

bool saveRtfFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  settleLayout(editor);
  return saveWith(editor, path, quiet, SaveRTFFile);
}

bool openWordFile(Editor& editor, const std::filesystem::path& path, bool quiet) {
  RasterTarget* raster = editor.services().raster;
  return openWith(editor, path, quiet, [raster](Document& doc, const std::filesystem::path& file, std::string& message) {
    return OpenWordFile(doc, file, raster, message);
  });
}

void createNewDocument(Editor& editor) {
  editor.FormCreate();
  const std::filesystem::path templatePath = ProgramDir() / kStartTemplate;
  std::error_code ec;
  if (std::filesystem::exists(templatePath, ec)) openNativeFile(editor, templatePath, true);
}

}  // namespace vendaro
