#include "shell/file_dispatch.h"

#include <algorithm>
#include <cassert>
#include <cctype>
#include <sstream>
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

// "*.doc;*.lpx" → the patterns whose files the program can read.
std::string readablePatterns(const std::string& patterns, const DocumentFormats& formats) {
  std::string kept;
  std::istringstream list(patterns);
  for (std::string pattern; std::getline(list, pattern, ';');) {
    fs::path example = "x";
    example += fs::path(pattern).extension();
    if (!formats.reader(openFormatFor(kOpenAllDocuments, example))) continue;
    if (!kept.empty()) kept += ';';
    kept += pattern;
  }
  return kept;
}

bool startsWithRtf(const fs::path& path) {
  constexpr std::string_view kRtf = "{\\rtf";
  InputFile file;
  std::vector<uint8_t> start;
  return file.open(path) == FileOpenResult::opened && file.readAt(0, kRtf.size(), start) &&
         std::string_view(reinterpret_cast<const char*>(start.data()), start.size()) == kRtf;
}

}  // namespace

const std::vector<FileDialogFilter>& openDialogFilters() {
  static const std::vector<FileDialogFilter> filters = {
      {"Lumen-Praxiva Dateien (*.lpx)", "*.lpx", kOpenNative},
      {"Word-Dateien (*.doc)", "*.doc", kOpenWord},
      {"Rich Text Dateien (*.rtf)", "*.rtf", kOpenRtf},
      {"Textdateien (*.txt)", "*.txt", kOpenAnsiText},
      {"Textdateien DOS (*.txt)", "*.txt", kOpenDosText},
      {"Alle Dokumente", "*.doc;*.lpx;*.rtf;*.htm;*.html;*.txt", kOpenAllDocuments},
      {"Alle Dateien (*.*)", "*.*", kOpenAllFiles},
  };
  return filters;
}

const std::vector<FileDialogFilter>& saveDialogFilters() {
  static const std::vector<FileDialogFilter> filters = {
      {"Lumen-Praxiva Dateien (*.lpx)", "*.lpx", kSaveNative},
      {"Rich Text Dateien (*.rtf)", "*.rtf", kSaveRtf},
      {"Textdateien (*.txt)", "*.txt", kSaveAnsiText},
      {"Textdateien DOS (*.txt)", "*.txt", kSaveDosText},
  };
  return filters;
}

std::vector<FileDialogFilter> offeredOpenFilters(const DocumentFormats& formats) {
  std::vector<FileDialogFilter> offered;
  for (FileDialogFilter filter : openDialogFilters()) {
    if (filter.index == kOpenAllDocuments) {
      filter.patterns = readablePatterns(filter.patterns, formats);
      if (filter.patterns.empty()) continue;
    } else if (filter.index != kOpenAllFiles && !formats.reader(openFormatFor(filter.index, {}))) {
      continue;
    }
    offered.push_back(std::move(filter));
  }
  return offered;
}

std::vector<FileDialogFilter> offeredSaveFilters(const DocumentFormats& formats) {
  std::vector<FileDialogFilter> offered;
  for (const FileDialogFilter& filter : saveDialogFilters()) {
    if (formats.writer(saveFormatFor(filter.index, {}))) offered.push_back(filter);
  }
  return offered;
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
  setReader(DocumentFormat::rtf, openRtfFile);
  setReader(DocumentFormat::ansiText, openAnsiTextFile);
  setWriter(DocumentFormat::ansiText, saveAnsiTextFile);
  setReader(DocumentFormat::dosText, openDosTextFile);
  setWriter(DocumentFormat::dosText, saveDosTextFile);
  setWriter(DocumentFormat::rtf, saveRtfFile);
  setReader(DocumentFormat::word, openWordFile);
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
  DocumentFormat format = openFormatFor(openType, path);
  // Word saves RTF under ".doc" too; such a file goes to the RTF reader.
  if (format == DocumentFormat::word && formats.reader(DocumentFormat::rtf) && startsWithRtf(path))
    format = DocumentFormat::rtf;
  if (!formats.reader(format)) format = DocumentFormat::native;
  switch (regularFileStatus(path)) {
    case FileOpenResult::opened: break;
    case FileOpenResult::cannotOpen:
      editor.host().showMessage(cannotOpenMessage(path), MessageIcon::error);
      return std::nullopt;
    case FileOpenResult::notRegularFile:
      // Any file at all may be text, so for text the file simply cannot be
      // opened; the native reader says what it says of every non-document.
      editor.host().showMessage(format == DocumentFormat::native ? std::string(kNotAnLpxDocument)
                                                                 : cannotOpenMessage(path),
                                MessageIcon::error);
      return std::nullopt;
  }
  if (!formats.reader(format)(editor, path, quiet)) return std::nullopt;
  return format;
}

}  // namespace vendaro
