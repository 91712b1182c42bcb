// dib_bmp.h — Windows BMP files: the reader takes the common variants from
// outside (OS/2 core headers, 1 to 32 bits, RLE8/RLE4, bit fields, top-down
// rows) and refuses damaged ones; the writer produces plain uncompressed BMPs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dib.h"

namespace vendaro::dib {

// Fills `out` (always bottom-up) or sets `error` to a German message.
bool readBmp(const uint8_t* data, size_t size, TPictureRec& out, std::string& error);

// The bitmap as Windows hands it between programs (BITMAPINFOHEADER, the
// full colour table, rows bottom-up) behind `headroom` zero bytes that the
// caller fills with its own header; empty when the record holds no usable
// bitmap or the whole would exceed 4 GB.
std::vector<uint8_t> packedDib(const TPictureRec& pic, size_t headroom = 0);

// The whole file; empty when the record holds no usable bitmap or the file
// would exceed the format's 4 GB.
std::vector<uint8_t> writeBmp(const TPictureRec& pic);

}  // namespace vendaro::dib
