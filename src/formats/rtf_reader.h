// rtf_reader.h — reads Rich Text Format files: text with its character and
// paragraph formats, colour and font tables, page set-up, headers and
// footers, tables, footnotes, fields, text boxes and drawing shapes, and
// pictures. A fresh document is filled and handed over only on success.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

#include "document/document.h"

namespace vendaro {

class RasterTarget;

// Larger files are refused before they are read: an RTF file this large is
// no page layout.
inline constexpr uint64_t kMaxRtfFileBytes = uint64_t(256) << 20;

// Whether the bytes open as RTF does: "{\rtf".
bool looksLikeRtf(std::span<const uint8_t> bytes);

// Fills `doc` — the document of a freshly created window — from the bytes,
// which must start as `looksLikeRtf` says. Pictures that must be drawn
// (metafiles) need `raster`; without one they are left out. The caller
// lays the document out.
void decodeRtf(std::span<const uint8_t> bytes, Document& doc, RasterTarget* raster);

// False with the German message in `message` when the file cannot be read
// or is no RTF file; the document is then unchanged. Leaves DocFileName,
// DocTitle and Modified alone.
bool OpenRTFFile(Document& doc, const std::filesystem::path& path, RasterTarget* raster, std::string& message);

}  // namespace vendaro
