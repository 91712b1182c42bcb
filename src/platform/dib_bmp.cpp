// dib_bmp.cpp — our BMP reader and writer. Every offset and length read from
// the file is checked against the file size before it is used.
#include "platform/dib_bmp.h"

#include <bit>
#include <cstring>

#include "platform/dib_support.h"

namespace vendaro::dib {

namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kAlphaBitFields = 6;

bool refuse(std::string& error, const char* message) {
  error = message;
  return false;
}

// What the headers say, checked for sense but not yet against the pixels.
struct BmpLayout {
  int width = 0;
  int height = 0;  // rows, positive
  bool topDown = false;
  int bitCount = 0;
  uint32_t compression = kRgb;
  uint32_t masks[4] = {0, 0, 0, 0};  // red, green, blue, alpha
  size_t paletteOffset = 0;
  uint32_t paletteEntries = 0;
  size_t paletteEntrySize = 4;
  size_t pixelOffset = 0;
  size_t pixelSize = 0;  // bytes of pixel data available from pixelOffset
  int32_t pelsPerMeterX = kDefaultPelsPerMeter;
  int32_t pelsPerMeterY = kDefaultPelsPerMeter;
};

bool parseLayout(const uint8_t* data, size_t size, BmpLayout& b, std::string& error) {
  error = kErrDamaged;
  if (size < kFileHeaderSize + 4) return false;
  uint32_t offBits = le32(data + 10);
  uint32_t infoSize = le32(data + 14);
  const uint8_t* info = data + kFileHeaderSize;
  int64_t height;
  if (infoSize == 12) {  // OS/2 1.x BITMAPCOREHEADER
    if (size < kFileHeaderSize + 12) return false;
    b.width = le16(info + 4);
    height = le16(info + 6);
    b.bitCount = le16(info + 10);
    b.paletteEntrySize = 3;
  } else if (infoSize >= 40 && infoSize <= 124) {
    if (size < kFileHeaderSize + infoSize) return false;
    BitmapInfoHeader h = BitmapInfoHeader::readFrom(info);
    if (h.biWidth <= 0) return false;
    b.width = h.biWidth;
    height = h.biHeight;
    b.bitCount = h.biBitCount;
    b.compression = h.biCompression;
    // OS/2 2.x headers (64 bytes) use 3 for Huffman coding, not bit fields.
    if (infoSize == 64 && b.compression >= kBitFields) return refuse(error, kErrUnsupported);
    if (h.biXPelsPerMeter > 0) b.pelsPerMeterX = h.biXPelsPerMeter;
    if (h.biYPelsPerMeter > 0) b.pelsPerMeterY = h.biYPelsPerMeter;
    b.paletteEntries = h.biClrUsed;
  } else {
    return refuse(error, kErrUnsupported);
  }
  if (height == 0 || b.width == 0) return false;
  b.topDown = height < 0;
  height = height < 0 ? -height : height;
  if (height > INT32_MAX) return false;
  b.height = int(height);

  int bits = b.bitCount;
  bool rgbDepth = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  bool fields = b.compression == kBitFields || b.compression == kAlphaBitFields;
  bool known = (b.compression == kRgb && rgbDepth) || (b.compression == kRle8 && bits == 8) ||
               (b.compression == kRle4 && bits == 4) || (fields && (bits == 16 || bits == 32));
  if (!known) {
    bool otherScheme = b.compression > kAlphaBitFields || b.compression == 4 || b.compression == 5;
    return refuse(error, otherScheme || !rgbDepth ? kErrUnsupported : kErrDamaged);
  }
  if ((b.compression == kRle8 || b.compression == kRle4) && b.topDown) return false;
  if (uint64_t(b.width) * uint64_t(b.height) > kMaxPixels) return refuse(error, kErrTooLarge);

  // Bit-field masks sit inside the larger headers, or behind a 40-byte one.
  b.paletteOffset = kFileHeaderSize + infoSize;
  if (fields) {
    int count = b.compression == kAlphaBitFields ? 4 : 3;
    size_t at = b.paletteOffset;
    if (infoSize < 52) {
      if (size < at + 4 * size_t(count)) return false;
      b.paletteOffset += 4 * size_t(count);
    } else {
      at = kFileHeaderSize + 40;
      if (infoSize < 56) count = 3;
    }
    for (int i = 0; i < count; ++i) b.masks[i] = le32(data + at + 4 * i);
  } else if (bits == 16) {
    b.masks[0] = 0x7C00, b.masks[1] = 0x03E0, b.masks[2] = 0x001F;
  } else if (bits == 32) {
    b.masks[0] = 0xFF0000, b.masks[1] = 0xFF00, b.masks[2] = 0xFF;
  }

  if (bits <= 8) {
    uint32_t full = 1u << bits;
    if (b.paletteEntries == 0 || b.paletteEntries > full) b.paletteEntries = full;
    // Some writers store fewer entries than the depth allows; the pixel
    // offset tells how many are really there.
    if (offBits >= b.paletteOffset && offBits < b.paletteOffset + b.paletteEntrySize * b.paletteEntries)
      b.paletteEntries = uint32_t((offBits - b.paletteOffset) / b.paletteEntrySize);
  } else {
    b.paletteEntries = 0;  // an optional optimisation palette, not needed
  }
  size_t paletteEnd = b.paletteOffset + b.paletteEntrySize * b.paletteEntries;
  if (paletteEnd > size) return false;
  if (offBits >= size) return false;
  b.pixelOffset = offBits >= paletteEnd ? offBits : paletteEnd;
  b.pixelSize = size - b.pixelOffset;
  return true;
}

void takePalette(const uint8_t* data, const BmpLayout& b, TPictureRec& pic) {
  for (uint32_t i = 0; i < pic.Palette.size(); ++i) {
    if (i < b.paletteEntries) {
      const uint8_t* e = data + b.paletteOffset + i * b.paletteEntrySize;
      pic.Palette[i] = packRgb(e[2], e[1], e[0]);
    } else {
      pic.Palette[i] = 0;
    }
  }
}

// A channel of a bit-field pixel scaled to 0..255.
struct Channel {
  uint32_t mask = 0;
  int shift = 0;
  uint64_t max = 0;
  explicit Channel(uint32_t m) : mask(m) {
    if (mask) {
      shift = std::countr_zero(mask);
      max = mask >> shift;
    }
  }
  uint8_t operator()(uint32_t pixel) const {
    return max ? uint8_t(((pixel & mask) >> shift) * 255 / max) : 0;
  }
};

bool standardMasks(const BmpLayout& b) {
  if (b.bitCount == 16) return b.masks[0] == 0x7C00 && b.masks[1] == 0x03E0 && b.masks[2] == 0x1F;
  return b.masks[0] == 0xFF0000 && b.masks[1] == 0xFF00 && b.masks[2] == 0xFF && b.masks[3] == 0;
}

// Uncompressed rows, copied as they are or repacked from bit fields.
bool readRows(const uint8_t* data, const BmpLayout& b, TPictureRec& pic, std::string& error) {
  size_t srcRowBytes = size_t(dibRowBytes(b.width, b.bitCount));
  if (uint64_t(srcRowBytes) * uint64_t(b.height) > b.pixelSize) return refuse(error, kErrDamaged);
  bool copy = b.bitCount <= 8 || b.bitCount == 24 || standardMasks(b);
  int outBits = copy ? b.bitCount : (b.bitCount == 16 ? 24 : 32);
  if (!newdib(pic, b.width, b.height, outBits)) return refuse(error, pic.ErrorText.c_str());
  takePalette(data, b, pic);
  Channel red(b.masks[0]), green(b.masks[1]), blue(b.masks[2]), alpha(b.masks[3]);
  uint8_t* out = pic.mutablePixels();
  for (int r = 0; r < b.height; ++r) {
    const uint8_t* src = data + b.pixelOffset + srcRowBytes * size_t(b.topDown ? b.height - 1 - r : r);
    uint8_t* dst = out + size_t(pic.RowBytes) * size_t(r);
    if (copy) {
      std::memcpy(dst, src, srcRowBytes);
      continue;
    }
    int step = outBits / 8;
    for (int x = 0; x < b.width; ++x) {
      uint32_t v = b.bitCount == 16 ? le16(src + 2 * x) : le32(src + 4 * x);
      uint8_t* p = dst + step * x;
      p[0] = blue(v);
      p[1] = green(v);
      p[2] = red(v);
      if (step == 4) p[3] = alpha(v);
    }
  }
  return true;
}

// RLE8 and RLE4: runs and literal groups, with end-of-line, end-of-bitmap
// and delta escapes. Pixels outside the bitmap are dropped, never written.
bool readRle(const uint8_t* data, const BmpLayout& b, TPictureRec& pic, std::string& error) {
  if (!newdib(pic, b.width, b.height, b.bitCount)) return refuse(error, pic.ErrorText.c_str());
  takePalette(data, b, pic);
  const uint8_t* in = data + b.pixelOffset;
  const size_t size = b.pixelSize;
  const bool four = b.compression == kRle4;
  uint8_t* bits = pic.mutablePixels();
  int64_t x = 0, y = 0;  // y counts memory rows, bottom row first
  auto put = [&](uint8_t value) {
    if (x >= 0 && x < b.width && y < b.height) {
      uint8_t* row = bits + size_t(pic.RowBytes) * size_t(y);
      if (!four) {
        row[x] = value;
      } else {
        uint8_t& byte = row[x >> 1];
        byte = (x & 1) ? uint8_t((byte & 0xF0) | value) : uint8_t((byte & 0x0F) | value << 4);
      }
    }
    ++x;
  };
  size_t pos = 0;
  while (y < b.height) {
    if (size - pos < 2) return refuse(error, kErrDamaged);  // ends before the picture is complete
    uint8_t count = in[pos], value = in[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? uint8_t((i & 1) ? value & 0x0F : value >> 4) : value);
      continue;
    }
    if (value == 0) {  // end of line
      x = 0;
      ++y;
    } else if (value == 1) {  // end of bitmap
      break;
    } else if (value == 2) {  // delta
      if (size - pos < 2) return refuse(error, kErrDamaged);
      x += in[pos];
      y += in[pos + 1];
      pos += 2;
    } else {  // literal pixels, padded to a 16-bit boundary
      size_t bytes = four ? (size_t(value) + 1) / 2 : value;
      size_t padded = (bytes + 1) & ~size_t(1);
      if (size - pos < padded) return refuse(error, kErrDamaged);
      for (int i = 0; i < value; ++i) {
        uint8_t byte = in[pos + (four ? size_t(i) / 2 : size_t(i))];
        put(four ? uint8_t((i & 1) ? byte & 0x0F : byte >> 4) : byte);
      }
      pos += padded;
    }
  }
  return true;
}

}  // namespace

bool readBmp(const uint8_t* data, size_t size, TPictureRec& out, std::string& error) {
  BmpLayout layout;
  if (!parseLayout(data, size, layout, error)) return false;
  TPictureRec pic;
  bool rle = layout.compression == kRle8 || layout.compression == kRle4;
  if (!(rle ? readRle(data, layout, pic, error) : readRows(data, layout, pic, error))) return false;
  pic.Header.biXPelsPerMeter = layout.pelsPerMeterX;
  pic.Header.biYPelsPerMeter = layout.pelsPerMeterY;
  out = std::move(pic);
  return true;
}

std::vector<uint8_t> packedDib(const TPictureRec& pic, size_t headroom) {
  if (!isConsistent(pic)) return {};
  int bits = pic.Header.biBitCount;
  int width = pic.width(), height = pic.height();
  uint32_t paletteEntries = bits <= 8 ? 1u << bits : 0;
  size_t rowBytes = size_t(dibRowBytes(width, bits));
  size_t offBits = headroom + 40 + 4 * size_t(paletteEntries);
  uint64_t total = offBits + uint64_t(rowBytes) * uint64_t(height);
  if (total > UINT32_MAX) return {};

  std::vector<uint8_t> out(size_t(total), 0);
  uint8_t* p = out.data();
  BitmapInfoHeader h;
  h.biWidth = width;
  h.biHeight = height;  // always written bottom-up
  h.biBitCount = uint16_t(bits);
  h.biSizeImage = uint32_t(rowBytes * size_t(height));
  h.biXPelsPerMeter = pic.Header.biXPelsPerMeter > 0 ? pic.Header.biXPelsPerMeter : kDefaultPelsPerMeter;
  h.biYPelsPerMeter = pic.Header.biYPelsPerMeter > 0 ? pic.Header.biYPelsPerMeter : kDefaultPelsPerMeter;
  h.writeTo(p + headroom);
  for (uint32_t i = 0; i < paletteEntries && i < pic.Palette.size(); ++i)
    putLe32(p + headroom + 40 + 4 * i, pic.Palette[i] & 0xFFFFFF);
  for (int r = 0; r < height; ++r)
    std::memcpy(p + offBits + rowBytes * size_t(r), rowAt(pic, height - 1 - r), rowBytes);
  return out;
}

std::vector<uint8_t> writeBmp(const TPictureRec& pic) {
  std::vector<uint8_t> file = packedDib(pic, kFileHeaderSize);
  if (file.empty()) return file;
  const size_t paletteEntries = pic.Header.biBitCount <= 8 ? size_t{1} << pic.Header.biBitCount : 0;
  file[0] = 'B';
  file[1] = 'M';
  putLe32(file.data() + 2, uint32_t(file.size()));
  putLe32(file.data() + 10, uint32_t(kFileHeaderSize + 40 + 4 * paletteEntries));
  return file;
}

}  // namespace vendaro::dib
