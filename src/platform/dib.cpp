// dib.cpp — the bitmap record itself: header bytes, creating and freeing
// bitmaps, copy-on-write rows and pixel access in every depth.
#include "platform/dib.h"

#include <sys/mman.h>

#include <cstdint>
#include <cstring>
#include <new>

#include "platform/dib_blocks.h"
#include "platform/dib_support.h"

namespace vendaro {

using namespace dib;

void BitmapInfoHeader::writeTo(uint8_t* out40) const {
  putLe32(out40, biSize);
  putLe32(out40 + 4, uint32_t(biWidth));
  putLe32(out40 + 8, uint32_t(biHeight));
  putLe16(out40 + 12, biPlanes);
  putLe16(out40 + 14, biBitCount);
  putLe32(out40 + 16, biCompression);
  putLe32(out40 + 20, biSizeImage);
  putLe32(out40 + 24, uint32_t(biXPelsPerMeter));
  putLe32(out40 + 28, uint32_t(biYPelsPerMeter));
  putLe32(out40 + 32, biClrUsed);
  putLe32(out40 + 36, biClrImportant);
}

BitmapInfoHeader BitmapInfoHeader::readFrom(const uint8_t* in40) {
  BitmapInfoHeader h;
  h.biSize = le32(in40);
  h.biWidth = int32_t(le32(in40 + 4));
  h.biHeight = int32_t(le32(in40 + 8));
  h.biPlanes = le16(in40 + 12);
  h.biBitCount = le16(in40 + 14);
  h.biCompression = le32(in40 + 16);
  h.biSizeImage = le32(in40 + 20);
  h.biXPelsPerMeter = int32_t(le32(in40 + 24));
  h.biYPelsPerMeter = int32_t(le32(in40 + 28));
  h.biClrUsed = le32(in40 + 32);
  h.biClrImportant = le32(in40 + 36);
  return h;
}

uint8_t* TPictureRec::mutablePixels() {
  if (!Bits) return nullptr;
  if (Bits.use_count() > 1) Bits = std::make_shared<std::vector<uint8_t>>(*Bits);
  return Bits->data();
}

int32_t dibRowBytes(int width, int bitCount) {
  if (width <= 0 || bitCount <= 0) return 0;
  int64_t bytes = (int64_t(width) * bitCount + 31) / 32 * 4;
  return bytes > INT32_MAX ? 0 : int32_t(bytes);
}

namespace {

bool validBitCount(int bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
         bitCount == 32;
}

bool fail(TPictureRec& out, const char* message) {
  out = TPictureRec{};
  out.ErrorText = message;
  return false;
}

// The pixels of a large bitmap are first touched in pages of 2 MB where the
// system offers them: a 256 MB picture then costs a hundred page faults
// instead of sixty thousand. Only whole large pages inside the block are
// advised; elsewhere the advice is simply not taken.
void adviseLargePages(uint8_t* start, size_t bytes) {
  constexpr uintptr_t kLargePage = uintptr_t{2} << 20;
  if (bytes < 2 * kLargePage) return;
  const uintptr_t first = (reinterpret_cast<uintptr_t>(start) + kLargePage - 1) & ~(kLargePage - 1);
  const uintptr_t end = (reinterpret_cast<uintptr_t>(start) + bytes) & ~(kLargePage - 1);
  if (end > first) ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE);
}

// Pixels copied from `rows` when given, cleared otherwise.
bool makeDib(TPictureRec& out, int width, int height, int bitCount, const uint8_t* rows, const uint8_t* paletteBlock,
             uint32_t paletteCount) {
  if (width <= 0 || height == 0 || height == INT32_MIN) return fail(out, "Ungültige Bildgröße.");
  if (!validBitCount(bitCount)) return fail(out, "Nicht unterstützte Farbtiefe.");
  const uint64_t rowCount = uint64_t(height < 0 ? -int64_t(height) : height);
  if (uint64_t(width) * rowCount > kMaxPixels) return fail(out, kErrTooLarge);

  TPictureRec pic;
  pic.RowBytes = dibRowBytes(width, bitCount);
  try {
    const size_t bytes = size_t(pic.RowBytes) * rowCount;
    auto pixels = std::make_shared<std::vector<uint8_t>>();
    pixels->reserve(bytes);
    adviseLargePages(pixels->data(), bytes);
    if (rows) pixels->assign(rows, rows + bytes);
    else pixels->resize(bytes);
    pic.Bits = std::move(pixels);
  } catch (const std::bad_alloc&) {
    return fail(out, kErrNoMemory);
  }
  BitmapInfoHeader& h = pic.Header;
  h.biWidth = width;
  h.biHeight = height;
  h.biBitCount = uint16_t(bitCount);
  h.biSizeImage = uint32_t(uint64_t(pic.RowBytes) * rowCount);
  h.biXPelsPerMeter = h.biYPelsPerMeter = kDefaultPelsPerMeter;
  if (paletteBlock) {
    // A stored header keeps its resolution across a save and a load.
    BitmapInfoHeader stored = BitmapInfoHeader::readFrom(paletteBlock);
    if (stored.biXPelsPerMeter > 0) h.biXPelsPerMeter = stored.biXPelsPerMeter;
    if (stored.biYPelsPerMeter > 0) h.biYPelsPerMeter = stored.biYPelsPerMeter;
  }
  if (bitCount <= 8) {
    // The colour table always has every entry the depth can address, so a
    // stray index never reads past it; missing entries of a stored table are
    // black.
    uint32_t entries = 1u << bitCount;
    pic.Palette.resize(entries);
    for (uint32_t i = 0; i < entries; ++i) {
      if (paletteBlock) {
        pic.Palette[i] = i < paletteCount ? le32(paletteBlock + 40 + 4 * i) & 0xFFFFFF : 0;
      } else {
        uint32_t grey = i * 255 / (entries - 1);
        pic.Palette[i] = packRgb(grey, grey, grey);
      }
    }
  }
  out = std::move(pic);
  return true;
}

}  // namespace

bool newdib(TPictureRec& out, int width, int height, int bitCount, const uint8_t* paletteBlock,
            uint32_t paletteCount) {
  return makeDib(out, width, height, bitCount, nullptr, paletteBlock, paletteCount);
}

bool newdibFromRows(TPictureRec& out, int width, int height, int bitCount, const uint8_t* rows,
                    const uint8_t* paletteBlock, uint32_t paletteCount) {
  return makeDib(out, width, height, bitCount, rows, paletteBlock, paletteCount);
}

void deldib(TPictureRec& pic) { pic = TPictureRec{}; }

namespace dib {

bool isConsistent(const TPictureRec& pic) {
  int bits = pic.Header.biBitCount;
  if (!pic.Bits || pic.width() <= 0 || pic.height() <= 0 || !validBitCount(bits)) return false;
  if (pic.RowBytes < dibRowBytes(pic.width(), bits)) return false;
  return pic.pixelBytes() >= size_t(pic.RowBytes) * size_t(pic.height());
}

uint32_t pixelRgb(const TPictureRec& pic, const uint8_t* row, int x) {
  uint32_t index;
  switch (pic.Header.biBitCount) {
    case 1: index = row[x >> 3] >> (7 - (x & 7)) & 1; break;
    case 4: index = (x & 1) ? row[x >> 1] & 0x0F : row[x >> 1] >> 4; break;
    case 8: index = row[x]; break;
    case 16: {
      uint32_t v = le16(row + 2 * x);
      auto expand = [](uint32_t five) { return five << 3 | five >> 2; };
      return packRgb(expand(v >> 10 & 31), expand(v >> 5 & 31), expand(v & 31));
    }
    case 24: return packRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32: return packRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
    default: return 0;
  }
  return index < pic.Palette.size() ? pic.Palette[index] & 0xFFFFFF : 0;
}

void readRowBgr(const TPictureRec& pic, int y, uint8_t* bgr) {
  const uint8_t* row = rowAt(pic, y);
  int width = pic.width();
  if (pic.Header.biBitCount == 24) {
    std::memcpy(bgr, row, size_t(width) * 3);
    return;
  }
  for (int x = 0; x < width; ++x) {
    uint32_t rgb = pixelRgb(pic, row, x);
    bgr[3 * x] = uint8_t(rgb);
    bgr[3 * x + 1] = uint8_t(rgb >> 8);
    bgr[3 * x + 2] = uint8_t(rgb >> 16);
  }
}

}  // namespace dib

uint32_t getpixel(const TPictureRec& pic, int x, int y) {
  if (!isConsistent(pic) || x < 0 || y < 0 || x >= pic.width() || y >= pic.height()) return 0;
  return rgbToColorref(pixelRgb(pic, rowAt(pic, y), x));
}

namespace {

uint32_t nearestPaletteIndex(const std::vector<uint32_t>& palette, uint32_t entries, uint32_t rgb) {
  uint32_t best = 0;
  int64_t bestDistance = INT64_MAX;
  for (uint32_t i = 0; i < entries && i < palette.size(); ++i) {
    int dr = int(palette[i] >> 16 & 0xFF) - int(rgb >> 16 & 0xFF);
    int dg = int(palette[i] >> 8 & 0xFF) - int(rgb >> 8 & 0xFF);
    int db = int(palette[i] & 0xFF) - int(rgb & 0xFF);
    int64_t distance = int64_t(dr) * dr + int64_t(dg) * dg + int64_t(db) * db;
    if (distance < bestDistance) {
      best = i;
      bestDistance = distance;
      if (distance == 0) break;
    }
  }
  return best;
}

}  // namespace

void setpixel(TPictureRec& pic, int x, int y, uint32_t color) {
  if (!isConsistent(pic) || x < 0 || y < 0 || x >= pic.width() || y >= pic.height()) return;
  uint8_t* row = pic.mutablePixels() + memoryRow(pic, y) * size_t(pic.RowBytes);
  uint32_t rgb = colorrefToRgb(color);
  uint8_t r = uint8_t(rgb >> 16), g = uint8_t(rgb >> 8), b = uint8_t(rgb);
  int bits = pic.Header.biBitCount;
  if (bits <= 8) {
    uint32_t index = nearestPaletteIndex(pic.Palette, 1u << bits, rgb);
    if (bits == 8) {
      row[x] = uint8_t(index);
    } else if (bits == 4) {
      uint8_t& byte = row[x >> 1];
      byte = (x & 1) ? uint8_t((byte & 0xF0) | index) : uint8_t((byte & 0x0F) | index << 4);
    } else {
      uint8_t mask = uint8_t(0x80 >> (x & 7));
      row[x >> 3] = index ? uint8_t(row[x >> 3] | mask) : uint8_t(row[x >> 3] & ~mask);
    }
  } else if (bits == 16) {
    putLe16(row + 2 * x, uint16_t((r >> 3) << 10 | (g >> 3) << 5 | b >> 3));
  } else {
    uint8_t* p = row + (bits == 24 ? 3 : 4) * x;
    p[0] = b;
    p[1] = g;
    p[2] = r;
    if (bits == 32) p[3] = 0;
  }
}

}  // namespace vendaro
