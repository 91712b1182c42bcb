// lpx_file.h — the native document file (.lpx, templates .lpw): the whole
// document as the store holds it. Reading builds a fresh document and hands
// it over only when the whole file was sound, so a bad file never changes
// the open document.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "document/document.h"
#include "platform/limits.h"

namespace vendaro {

inline constexpr char kLpxMagic[] = "<TOR-MEL LUMEN-PRAXIVA DOKUMENT / DOKUMENT VERSION 01 00 00>";
inline constexpr char kNotAnLpxDocument[] = "Dies ist kein gültiges Lumen-Praxiva Dokument!";
// The length field and the magic text that open every native file.
inline constexpr size_t kLpxMagicBlockSize = 4 + sizeof kLpxMagic - 1;

std::string cannotOpenMessage(const std::filesystem::path& path);    // "Konnte Datei … nicht öffnen!"
std::string cannotCreateMessage(const std::filesystem::path& path);  // "Konnte Datei … nicht erstellen!"

std::vector<uint8_t> encodeLpx(const Document& doc);
// Why a document was not read: damaged, or beyond a limit of platform/limits.h.
enum class LpxRefusal { damaged, tooManyCells, tooManyFrames, pictureTooLarge };
// Decodes into `doc`, which must be a fresh document; false when the bytes
// are not a complete, consistent document or hold more than the limits (said
// in `refusal` when given). Nothing is sized beyond the limits.
bool decodeLpx(const uint8_t* data, size_t size, Document& doc, LpxRefusal* refusal = nullptr);

// Both return false with the German message for the user in `message`.
// Neither touches DocFileName, DocTitle or Modified: the caller decides,
// since template and recovery files are read and written quietly.
bool SaveLPXFile(const Document& doc, const std::filesystem::path& path, std::string& message);
// On success the document is replaced by the file's and every line is dirty;
// the stored page set-up has been normalised. Otherwise it is unchanged:
// a missing or unreadable file is reported as one that cannot be opened;
// anything that is not a regular file and a file that does not start with
// the magic text as not a document; one beyond kMaxLpxFileBytes or
// holding more cells, more frames or a larger picture than platform/limits.h
// allows as too large, naming it.
bool OpenLPXFile(Document& doc, const std::filesystem::path& path, std::string& message);

}  // namespace vendaro
