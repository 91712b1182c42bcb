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

// False with "Konnte Datei … nicht öffnen!" in `message`, and `doc`
// unchanged, when the file cannot be read whole (missing, not a regular
// file, beyond `maxBytes`, more than the memory at hand) or `decode`
// refuses it.
bool readWholeFileInto(Document& doc, const std::filesystem::path& path, uint64_t maxBytes, std::string& message,
                       const DocumentDecoder& decode);

}  // namespace vendaro
