// wmf_writer.h — a picture as a Windows metafile for other programs: its
// bitmap, at its own depth and palette, in one stretch-DIB record drawn at
// its pixel size (mapping mode 1, one unit per pixel, no placeable header).
#pragma once

#include <cstdint>
#include <vector>

#include "platform/dib.h"

namespace vendaro {

// Empty when the picture holds no bitmap or does not fit the format (a
// side beyond 32767 pixels, a record beyond 4 GB).
std::vector<uint8_t> bitmapMetafile(const TPictureRec& picture);

}  // namespace vendaro
