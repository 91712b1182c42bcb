// whole_file_reading.h — how the readers of foreign formats open a file:
// read whole within a size limit, decoded into a copy of the window's
// document, and handed over only when the decoding accepted the bytes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <string>

#include "document/document.h"

namespace vendaro {

// Decodes the bytes into the fresh document; false when they are not of
// the reader's format.
using DocumentDecoder = std::function<bool(std::span<const uint8_t> bytes, Document& fresh)>;

// False with `doc` unchanged when the file cannot be read whole or `decode`
// refuses it: a file beyond `maxBytes` gets the size message naming the
// limit, anything else (missing, not a regular file, more than the memory
// at hand, refused) "Konnte Datei … nicht öffnen!".
bool readWholeFileInto(Document& doc, const std::filesystem::path& path, uint64_t maxBytes, std::string& message,
                       const DocumentDecoder& decode);

}  // namespace vendaro
