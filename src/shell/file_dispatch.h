// file_dispatch.h — which reader opens a file and which writer saves it: by
// the filter chosen in the open or save dialog, by the file's extension and
// by the save format a document remembers (DocFileType); the ".bak" copy
// kept of the previous file; the readers and writers the program has.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "editing/editor.h"

namespace vendaro {

enum class DocumentFormat : int { native, word, rtf, ansiText, dosText };
inline constexpr size_t kDocumentFormatCount = 5;

// Filter indices of the open dialog (from 1); 0 is a file named without a
// dialog (recent files, command line), which goes by extension as 6 and 7 do.
enum OpenFileType : int32_t {
  kOpenByExtension = 0, kOpenNative = 1, kOpenWord = 2, kOpenRtf = 3, kOpenAnsiText = 4, kOpenDosText = 5,
  kOpenAllDocuments = 6, kOpenAllFiles = 7
};
// DocFileType codes; they equal the save dialog's filter indices.
enum SaveFileType : int32_t {
  kSaveByExtension = 0, kSaveNative = 1, kSaveRtf = 2, kSaveAnsiText = 3, kSaveDosText = 4
};

inline constexpr char kBackupFailedMessage[] = "Konnte Backup-Datei nicht anlegen";

const std::vector<FileDialogFilter>& openDialogFilters();
const std::vector<FileDialogFilter>& saveDialogFilters();

class DocumentFormats;
// What the dialogs offer of the tables above: only filters of formats the
// program can read (open) or write (save); "Alle Dokumente" keeps the
// patterns of readable formats, "Alle Dateien" always stays.
std::vector<FileDialogFilter> offeredOpenFilters(const DocumentFormats& formats);
std::vector<FileDialogFilter> offeredSaveFilters(const DocumentFormats& formats);

DocumentFormat openFormatFor(int32_t openType, const std::filesystem::path& path);
DocumentFormat saveFormatFor(int32_t docFileType, const std::filesystem::path& path);
// The save code of the reader a document was read with: saving writes the
// format it came in. Word files cannot be written (kSaveByExtension).
int32_t docFileTypeAfterOpening(DocumentFormat readFormat);
bool formatCanBeWritten(DocumentFormat format);

// A chosen path without extension gets the save filter's.
std::filesystem::path withSaveFilterExtension(const std::filesystem::path& chosen, int32_t saveFilterIndex);
std::filesystem::path backupPathFor(const std::filesystem::path& file);
// Copies `file` to its ".bak" name; an earlier backup is replaced only when
// the copy is complete. False when it could not be made.
bool makeBackup(const std::filesystem::path& file);

// A reader or writer as the dispatch calls it: it reports its own failures
// to the editor's host; `quiet` leaves file name, title and modified state.
using DocumentReader = std::function<bool(Editor& editor, const std::filesystem::path& path, bool quiet)>;
using DocumentWriter = DocumentReader;

// The readers and writers at hand; the native ones from the start, the
// others as they are added.
class DocumentFormats {
 public:
  DocumentFormats();
  void setReader(DocumentFormat format, DocumentReader reader);
  void setWriter(DocumentFormat format, DocumentWriter writer);
  // Empty when the program has none for the format.
  const DocumentReader& reader(DocumentFormat format) const { return readers_[index(format)]; }
  const DocumentWriter& writer(DocumentFormat format) const { return writers_[index(format)]; }

 private:
  static size_t index(DocumentFormat format) { return static_cast<size_t>(format); }
  std::array<DocumentReader, kDocumentFormatCount> readers_;
  std::array<DocumentWriter, kDocumentFormatCount> writers_;
};

// Opens `path` into the editor with the reader its open type or extension
// asks for, the same way for the window and the command line. What is not
// a regular file is refused before any reader sees it, and a file of a
// format the program cannot read yet is tried as a native document, so a
// file that is not a document meets the same message on every path.
// Returns the format it was read as; nothing when it could not be read (the
// user has been told).
std::optional<DocumentFormat> openDocumentFile(Editor& editor, const DocumentFormats& formats,
                                               const std::filesystem::path& path, int32_t openType, bool quiet);

}  // namespace vendaro
