// metafile_bitmaps.h — the device-independent bitmaps inside metafile
// records: a BITMAPINFO and its pixel bytes checked against what the record
// holds and decoded by the program's own BMP reader; cropping to a source
// rectangle, mirroring, and blending over white for the records that need
// it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "formats/metafile_records.h"
#include "platform/dib.h"

namespace vendaro::metafile {

// `info` holds the header and colour table, `bits` the pixels. Nothing when
// either is short, the header is unknown or the colours are palette indices.
std::optional<TPictureRec> readDib(std::span<const uint8_t> info, std::span<const uint8_t> bits);
// Header, colour table and pixels in one block, as WMF records hold them.
std::optional<TPictureRec> readPackedDib(std::span<const uint8_t> packed);

// Whether `source` (x, y from the top-left, right and bottom outside)
// covers the whole picture.
bool coversPicture(const TPictureRec& picture, const LogicalRect& source);
// The part of the picture inside `source`, clipped to the picture.
TPictureRec croppedPicture(const TPictureRec& picture, const LogicalRect& source);
// The picture turned over left to right and/or top to bottom, as a
// destination whose edges run the other way shows it; palette pictures of
// fewer than 8 bits become 24-bit ones.
TPictureRec mirroredPicture(const TPictureRec& picture, bool horizontal, bool vertical);
// A 24-bit picture of the bitmap laid over white with its constant alpha
// and, for 32-bit bitmaps with `perPixelAlpha`, its premultiplied alpha.
TPictureRec blendedOverWhite(const TPictureRec& picture, uint8_t constantAlpha, bool perPixelAlpha);

}  // namespace vendaro::metafile
