#include "shell/file_dispatch.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <string>

#include "formats/lpx_file.h"
#include "platform/file_io.h"
#include "shell/document_files.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

std::string upperExtension(const fs::path& path) {
  std::string extension = path.extension().string();
  std::transform(extension.begin(), extension.end(), extension.begin(),
                 [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return extension;
}

}  // namespace

const std::vector<FileDialogFilter>& openDialogFilters() {
  static const std::vector<FileDialogFilter> filters = {
      {"Lumen-Praxiva Dateien (*.lpx)", "*.lpx"},
      {"Word-Dateien (*.doc)", "*.doc"},
      {"Rich Text Dateien (*.rtf)", "*.rtf"},
      {"Textdateien (*.txt)", "*.txt"},
      {"Textdateien DOS (*.txt)", "*.txt"},
      {"Alle Dokumente", "*.doc;*.lpx;*.rtf;*.htm;*.html;*.txt"},
      {"Alle Dateien (*.*)", "*.*"},
  };
  return filters;
}

const std::vector<FileDialogFilter>& saveDialogFilters() {
  static const std::vector<FileDialogFilter> filters = {
      {"Lumen-Praxiva Dateien (*.lpx)", "*.lpx"},
      {"Rich Text Dateien (*.rtf)", "*.rtf"},
      {"Textdateien (*.txt)", "*.txt"},
      {"Textdateien DOS (*.txt)", "*.txt"},
  };
  return filters;
}

DocumentFormat openFormatFor(int32_t openType, const fs::path& path) {
  switch (openType) {
    case kOpenNative: return DocumentFormat::native;
    case kOpenWord: return DocumentFormat::word;
    case kOpenRtf: return DocumentFormat::rtf;
    case kOpenAnsiText: return DocumentFormat::ansiText;
    case kOpenDosText: return DocumentFormat::dosText;
    default: break;
  }
  const std::string extension = upperExtension(path);
  if (extension == ".DOC") return DocumentFormat::word;
  if (extension == ".RTF") return DocumentFormat::rtf;
  // Templates are native documents too; read as text they would be garbage.
  if (extension == ".LPX" || extension == ".LPW") return DocumentFormat::native;
  return DocumentFormat::ansiText;
}

DocumentFormat saveFormatFor(int32_t docFileType, const fs::path& path) {
  switch (docFileType) {
    case kSaveNative: return DocumentFormat::native;
    case kSaveRtf: return DocumentFormat::rtf;
    case kSaveAnsiText: return DocumentFormat::ansiText;
    case kSaveDosText: return DocumentFormat::dosText;
    default: break;
  }
  const std::string extension = upperExtension(path);
  if (extension == ".TXT") return DocumentFormat::ansiText;
  if (extension == ".RTF") return DocumentFormat::rtf;
  return DocumentFormat::native;
}

int32_t docFileTypeAfterOpening(DocumentFormat readFormat) {
  switch (readFormat) {
    case DocumentFormat::native: return kSaveNative;
    case DocumentFormat::rtf: return kSaveRtf;
    case DocumentFormat::ansiText: return kSaveAnsiText;
    case DocumentFormat::dosText: return kSaveDosText;
    case DocumentFormat::word: break;
  }
  return kSaveByExtension;
}

bool formatCanBeWritten(DocumentFormat format) { return format != DocumentFormat::word; }

fs::path withSaveFilterExtension(const fs::path& chosen, int32_t saveFilterIndex) {
  static constexpr const char* kExtensions[] = {".lpx", ".rtf", ".txt", ".txt"};
  if (chosen.has_extension() || saveFilterIndex < 1 || saveFilterIndex > 4) return chosen;
  fs::path withExtension = chosen;
  withExtension += kExtensions[saveFilterIndex - 1];
  return withExtension;
}

fs::path backupPathFor(const fs::path& file) {
  fs::path backup = file;
  backup.replace_extension(".bak");
  return backup;
}

bool makeBackup(const fs::path& file) {
  // A copy rather than a move: the file stays under its name until the new
  // version has been written whole.
  std::vector<uint8_t> bytes;
  return readWholeFile(file, bytes) && writeFileAtomically(backupPathFor(file), bytes);
}

DocumentFormats::DocumentFormats() {
  setReader(DocumentFormat::native, openNativeFile);
  setWriter(DocumentFormat::native, saveNativeFile);
}

void DocumentFormats::setReader(DocumentFormat format, DocumentReader reader) {
  readers_[index(format)] = std::move(reader);
}

void DocumentFormats::setWriter(DocumentFormat format, DocumentWriter writer) {
  assert(formatCanBeWritten(format));
  writers_[index(format)] = std::move(writer);
}

std::optional<DocumentFormat> openDocumentFile(Editor& editor, const DocumentFormats& formats, const fs::path& path,
                                               int32_t openType, bool quiet) {
  switch (regularFileStatus(path)) {
    case FileOpenResult::opened: break;
    case FileOpenResult::cannotOpen:
      editor.host().showMessage(cannotOpenMessage(path), MessageIcon::error);
      return std::nullopt;
    case FileOpenResult::notRegularFile:
      editor.host().showMessage(kNotAnLpxDocument, MessageIcon::error);
      return std::nullopt;
  }
  DocumentFormat format = openFormatFor(openType, path);
  if (!formats.reader(format)) format = DocumentFormat::native;
  if (!formats.reader(format)(editor, path, quiet)) return std::nullopt;
  return format;
}

}  // namespace vendaro
