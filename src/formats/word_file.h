// word_file.h — reads Word 97–2003 documents (compound files with a
// "WordDocument" stream): text, paragraph and character formats, tables,
// page setup, headers and footers, pictures and document properties. The
// document is filled afresh and handed over only when the file was read.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "document/document.h"
#include "platform/raster_target.h"

namespace vendaro {

inline constexpr char kCannotOpenDocfile[] = "Konnte Docfile nicht öffnen!";
// A larger file is refused before it is read.
inline constexpr uint64_t kMaxWordFileBytes = uint64_t(512) << 20;

// Fills `doc` from the bytes of a Word file; false when they are no Word
// 97–2003 document it can read (`doc` is then unchanged). Metafile pictures
// are drawn on `raster`; without one they are left out.
bool decodeWord(std::vector<uint8_t> bytes, Document& doc, RasterTarget* raster);
// Reads the file; false with the German message for the user. It leaves
// file name, title and modified state alone.
bool OpenWordFile(Document& doc, const std::filesystem::path& path, RasterTarget* raster, std::string& message);

}  // namespace vendaro
