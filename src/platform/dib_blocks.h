// dib_blocks.h — bitmaps handed over as blocks rather than files: a header
// with its palette and a block of pixel rows (exchange streams), or both
// packed one after the other (a packed DIB, as clipboards carry them).
// Only uncompressed 1, 4, 8, 24 and 32-bit bottom-up bitmaps within the
// picture size limit are taken, and only when the byte counts agree.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dib.h"

namespace vendaro {

// As newdib, with the pixel rows copied from `rows` (the bitmap's whole
// pixel bytes, row length times height) instead of cleared first: a bitmap
// of hundreds of megabytes is not cleared only to be overwritten.
bool newdibFromRows(TPictureRec& out, int width, int height, int bitCount, const uint8_t* rows,
                    const uint8_t* paletteBlock = nullptr, uint32_t paletteCount = 0);

// Palette entries a bitmap of `bitCount` carries: 2, 16 or 256 for 1, 4 and
// 8 bits, none otherwise.
uint32_t paletteEntriesFor(int bitCount);
// Whether `pic` holds pixels in a form the block functions write and take.
bool isExchangeableDib(const TPictureRec& pic);

// The header block (40 bytes + palette) and the pixel rows of `pic`, which
// must be exchangeable.
std::vector<uint8_t> dibHeaderBlock(const TPictureRec& pic);
std::vector<uint8_t> packedDib(const TPictureRec& pic);

enum class DibBlockResult { ok, refused, noMemory };
// Builds `out` from a header block and exactly the rows it states; `refused`
// when the header or the counts do not fit, `noMemory` when the bitmap cannot
// be created.
DibBlockResult dibFromBlocks(TPictureRec& out, const uint8_t* header, size_t headerBytes, const uint8_t* pixels,
                             size_t pixelBytes);
// The same from a packed DIB; bytes after the rows are ignored.
DibBlockResult dibFromPacked(TPictureRec& out, const uint8_t* data, size_t size);

}  // namespace vendaro
