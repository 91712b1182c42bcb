// wmf_writer.cpp — the bitmap metafile: header, one META_STRETCHDIB record
// copying the whole bitmap (SRCCOPY, RGB colours) and the end record.
#include "formats/wmf_writer.h"

#include <cstring>
#include <limits>

#include "platform/byte_io.h"
#include "platform/dib_bmp.h"

namespace vendaro {
namespace {

constexpr size_t kHeaderBytes = 18;
constexpr size_t kStretchDibFixedBytes = 28;  // size, function and parameters before the bitmap
constexpr uint16_t kStretchDib = 0x0F43;
constexpr uint32_t kSourceCopy = 0x00CC0020;
constexpr uint16_t kRgbColours = 0;
const std::vector<uint8_t> kEndRecord = {3, 0, 0, 0, 0, 0};

void header(ByteWriter& out, uint32_t totalWords, uint32_t largestRecordWords) {
  out.u16(1);  // in memory
  out.u16(kHeaderBytes / 2);
  out.u16(0x0300);
  out.u32(totalWords);
  out.u16(0);  // objects
  out.u32(largestRecordWords);
  out.u16(0);
}

void stretchDibStart(ByteWriter& out, uint32_t recordWords, int16_t width, int16_t height) {
  out.u32(recordWords);
  out.u16(kStretchDib);
  out.u32(kSourceCopy);
  out.u16(kRgbColours);
  // Source height, width, y, x; destination height, width, y, x.
  for (const int16_t value : {height, width, int16_t{0}, int16_t{0}, height, width, int16_t{0}, int16_t{0}})
    out.u16(static_cast<uint16_t>(value));
}

}  // namespace

std::vector<uint8_t> bitmapMetafile(const TPictureRec& picture) {
  constexpr int kLargestSide = std::numeric_limits<int16_t>::max();
  if (!picture.hasPixels() || picture.width() > kLargestSide || picture.height() > kLargestSide) return {};
  std::vector<uint8_t> bytes = dib::packedDib(picture, kHeaderBytes + kStretchDibFixedBytes);
  if (bytes.empty()) return {};
  const uint64_t recordBytes = bytes.size() - kHeaderBytes;
  const uint64_t totalBytes = bytes.size() + kEndRecord.size();
  if (totalBytes / 2 > std::numeric_limits<uint32_t>::max()) return {};
  ByteWriter start;
  header(start, static_cast<uint32_t>(totalBytes / 2), static_cast<uint32_t>(recordBytes / 2));
  stretchDibStart(start, static_cast<uint32_t>(recordBytes / 2), static_cast<int16_t>(picture.width()),
                  static_cast<int16_t>(picture.height()));
  std::memcpy(bytes.data(), start.bytes().data(), start.size());
  bytes.insert(bytes.end(), kEndRecord.begin(), kEndRecord.end());
  return bytes;
}

}  // namespace vendaro
