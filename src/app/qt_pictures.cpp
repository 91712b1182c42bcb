#include "app/qt_pictures.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace vendaro {
namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
// Converted images kept at once; the least recently drawn go first.
constexpr int64_t kCacheBudgetBytes = int64_t{512} << 20;

using ColorTable = std::array<QRgb, 256>;

// A palette bitmap without palette is shown as a grey ramp, as newdib
// creates it; indices beyond a short palette are black.
ColorTable colorTable(const TPictureRec& picture, int bitCount) {
  ColorTable table{};
  const int levels = 1 << bitCount;
  for (int i = 0; i < levels; ++i) {
    if (picture.Palette.empty()) {
      const int grey = levels > 1 ? i * 255 / (levels - 1) : 0;
      table[i] = qRgb(grey, grey, grey);
    } else if (static_cast<size_t>(i) < picture.Palette.size()) {
      table[i] = 0xFF000000u | (picture.Palette[i] & 0x00FFFFFFu);
    } else {
      table[i] = qRgb(0, 0, 0);
    }
  }
  return table;
}

uint8_t expandFiveBits(unsigned value) { return static_cast<uint8_t>((value << 3) | (value >> 2)); }

void convertRow(const uint8_t* in, QRgb* out, int width, int bitCount, const ColorTable& table) {
  switch (bitCount) {
    case 1:
    case 4:
    case 8: {
      const int perByte = 8 / bitCount;
      const unsigned mask = (1u << bitCount) - 1;
      for (int x = 0; x < width; ++x) {
        const int shift = 8 - bitCount * (x % perByte + 1);
        out[x] = table[(in[x / perByte] >> shift) & mask];
      }
      break;
    }
    case 16:
      for (int x = 0; x < width; ++x) {
        const unsigned value = in[2 * x] | (in[2 * x + 1] << 8);
        out[x] = qRgb(expandFiveBits((value >> 10) & 31), expandFiveBits((value >> 5) & 31),
                      expandFiveBits(value & 31));
      }
      break;
    case 24:
      for (int x = 0; x < width; ++x, in += 3) out[x] = qRgb(in[2], in[1], in[0]);
      break;
    case 32:
      for (int x = 0; x < width; ++x, in += 4) out[x] = qRgb(in[2], in[1], in[0]);
      break;
  }
}

bool supportedLayout(const TPictureRec& picture) {
  const int bitCount = picture.Header.biBitCount;
  const uint32_t compression = picture.Header.biCompression;
  switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
      if (compression != kBiRgb) return false;
      break;
    case 16:
    case 32:
      if (compression != kBiRgb && compression != kBiBitfields) return false;
      break;
    default:
      return false;
  }
  const int width = picture.width();
  const int height = picture.height();
  if (width <= 0 || height <= 0 || picture.RowBytes < dibRowBytes(width, bitCount)) return false;
  return picture.pixelBytes() >= static_cast<size_t>(picture.RowBytes) * static_cast<size_t>(height);
}

uint64_t paletteHash(const std::vector<uint32_t>& palette) {
  uint64_t hash = 1469598103934665603ull;  // FNV-1a
  for (uint32_t entry : palette) hash = (hash ^ entry) * 1099511628211ull;
  return hash;
}

struct CachedPicture {
  std::shared_ptr<std::vector<uint8_t>> pixels;
  BitmapInfoHeader header;
  int32_t rowBytes = 0;
  uint64_t palette = 0;
  QImage image;
  QImage reduced;  // the picture at the size it was last drawn reduced

  int64_t bytes() const { return image.sizeInBytes() + reduced.sizeInBytes(); }

  bool matches(const TPictureRec& picture, uint64_t paletteKey) const {
    return pixels == picture.Bits && header.biWidth == picture.Header.biWidth &&
           header.biHeight == picture.Header.biHeight && header.biBitCount == picture.Header.biBitCount &&
           header.biCompression == picture.Header.biCompression && rowBytes == picture.RowBytes &&
           palette == paletteKey;
  }
};

std::deque<CachedPicture>& pictureCache() {
  static std::deque<CachedPicture> cache;
  return cache;
}

void makeRoom(std::deque<CachedPicture>& cache, int64_t incomingBytes) {
  // Rows nobody else holds belong to pictures that are gone.
  std::erase_if(cache, [](const CachedPicture& entry) { return entry.pixels.use_count() == 1; });
  int64_t total = incomingBytes;
  for (const CachedPicture& entry : cache) total += entry.bytes();
  while (!cache.empty() && total > kCacheBudgetBytes) {
    total -= cache.front().bytes();
    cache.pop_front();
  }
}

}  // namespace

QImage convertPicture(const TPictureRec& picture) {
  if (!picture.hasPixels() || !supportedLayout(picture)) return {};
  const int width = picture.width();
  const int height = picture.height();
  const int bitCount = picture.Header.biBitCount;
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return {};  // not enough memory
  const ColorTable table = bitCount <= 8 ? colorTable(picture, bitCount) : ColorTable{};
  const bool bottomUp = picture.Header.biHeight > 0;
  const uint8_t* pixels = picture.pixels();
  for (int y = 0; y < height; ++y) {
    const int row = bottomUp ? height - 1 - y : y;
    convertRow(pixels + static_cast<size_t>(row) * picture.RowBytes,
               reinterpret_cast<QRgb*>(image.scanLine(y)), width, bitCount, table);
  }
  return image;
}

namespace {

// The picture's cache entry, made the newest; null when it cannot be shown.
CachedPicture* cachedPicture(const TPictureRec& picture) {
  if (!picture.hasPixels()) return nullptr;
  std::deque<CachedPicture>& cache = pictureCache();
  const uint64_t paletteKey = paletteHash(picture.Palette);
  const auto hit = std::find_if(cache.begin(), cache.end(), [&](const CachedPicture& entry) {
    return entry.matches(picture, paletteKey);
  });
  if (hit != cache.end()) {
    CachedPicture entry = std::move(*hit);
    cache.erase(hit);
    cache.push_back(std::move(entry));
    return &cache.back();
  }
  QImage image = convertPicture(picture);
  if (image.isNull()) return nullptr;
  makeRoom(cache, image.sizeInBytes());
  cache.push_back(CachedPicture{picture.Bits, picture.Header, picture.RowBytes, paletteKey, image, {}});
  return &cache.back();
}

}  // namespace

QImage pictureImage(const TPictureRec& picture) {
  const CachedPicture* entry = cachedPicture(picture);
  return entry ? entry->image : QImage();
}

QImage reducedPictureImage(const TPictureRec& picture, QSize size) {
  CachedPicture* entry = cachedPicture(picture);
  if (!entry) return {};
  if (entry->reduced.size() != size) {
    entry->reduced = QImage();
    QImage reduced = entry->image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    makeRoom(pictureCache(), reduced.sizeInBytes());
    // Making room may have dropped the entry itself: look it up again.
    entry = cachedPicture(picture);
    if (!entry) return reduced;
    entry->reduced = std::move(reduced);
  }
  return entry->reduced;
}

}  // namespace vendaro
