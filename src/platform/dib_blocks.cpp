#include "platform/dib_blocks.h"

#include <new>

#include "platform/dib_support.h"

namespace vendaro {
namespace {

bool acceptedBitCount(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

uint64_t rowsBytes(const BitmapInfoHeader& header) {
  return uint64_t(dibRowBytes(header.biWidth, header.biBitCount)) * uint64_t(header.biHeight);
}

// The shape a header must have before anything is sized from it.
bool acceptableHeader(const BitmapInfoHeader& header) {
  return header.biSize == BitmapInfoHeader::kSize && acceptedBitCount(header.biBitCount) && header.biCompression == 0 &&
         header.biWidth > 0 && header.biHeight > 0 &&
         uint64_t(header.biWidth) * uint64_t(header.biHeight) <= kMaxPixels;
}

size_t headerBlockBytes(int bitCount) { return BitmapInfoHeader::kSize + 4 * size_t(paletteEntriesFor(bitCount)); }

}  // namespace

uint32_t paletteEntriesFor(int bitCount) { return bitCount == 1 || bitCount == 4 || bitCount == 8 ? 1u << bitCount : 0u; }

bool isExchangeableDib(const TPictureRec& pic) {
  return pic.hasPixels() && acceptableHeader(pic.Header) && pic.RowBytes == dibRowBytes(pic.width(), pic.Header.biBitCount) &&
         pic.pixelBytes() >= rowsBytes(pic.Header);
}

std::vector<uint8_t> dibHeaderBlock(const TPictureRec& pic) {
  std::vector<uint8_t> block(headerBlockBytes(pic.Header.biBitCount), 0);
  pic.Header.writeTo(block.data());
  const uint32_t colours = paletteEntriesFor(pic.Header.biBitCount);
  for (uint32_t i = 0; i < colours && i < pic.Palette.size(); ++i)
    dib::putLe32(block.data() + BitmapInfoHeader::kSize + 4 * i, pic.Palette[i]);
  return block;
}

std::vector<uint8_t> packedDib(const TPictureRec& pic) {
  std::vector<uint8_t> bytes = dibHeaderBlock(pic);
  const size_t rows = size_t(rowsBytes(pic.Header));
  bytes.insert(bytes.end(), pic.pixels(), pic.pixels() + rows);
  return bytes;
}

DibBlockResult dibFromBlocks(TPictureRec& out, const uint8_t* header, size_t headerBytes, const uint8_t* pixels,
                             size_t pixelBytes) {
  if (headerBytes < BitmapInfoHeader::kSize) return DibBlockResult::refused;
  const BitmapInfoHeader h = BitmapInfoHeader::readFrom(header);
  if (!acceptableHeader(h) || headerBytes != headerBlockBytes(h.biBitCount) || pixelBytes != rowsBytes(h))
    return DibBlockResult::refused;
  try {
    if (!newdibFromRows(out, h.biWidth, h.biHeight, h.biBitCount, pixels, header, paletteEntriesFor(h.biBitCount)))
      return DibBlockResult::noMemory;
    out.Header.biXPelsPerMeter = h.biXPelsPerMeter;
    out.Header.biYPelsPerMeter = h.biYPelsPerMeter;
  } catch (const std::bad_alloc&) {
    out = TPictureRec{};
    return DibBlockResult::noMemory;
  }
  return DibBlockResult::ok;
}

DibBlockResult dibFromPacked(TPictureRec& out, const uint8_t* data, size_t size) {
  if (size < BitmapInfoHeader::kSize) return DibBlockResult::refused;
  const BitmapInfoHeader h = BitmapInfoHeader::readFrom(data);
  if (!acceptableHeader(h)) return DibBlockResult::refused;
  const size_t headerBytes = headerBlockBytes(h.biBitCount);
  const uint64_t pixelBytes = rowsBytes(h);
  if (size < headerBytes || size - headerBytes < pixelBytes) return DibBlockResult::refused;
  return dibFromBlocks(out, data, headerBytes, data + headerBytes, size_t(pixelBytes));
}

}  // namespace vendaro
