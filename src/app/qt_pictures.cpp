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

// Pixel x of a stored row.
inline QRgb pixelAt(const uint8_t* row, int x, int bitCount, const ColorTable& table) {
  switch (bitCount) {
    case 1:
    case 4:
    case 8: {
      const int perByte = 8 / bitCount;
      const int shift = 8 - bitCount * (x % perByte + 1);
      return table[(row[x / perByte] >> shift) & ((1u << bitCount) - 1)];
    }
    case 16: {
      const unsigned value = row[2 * x] | (row[2 * x + 1] << 8);
      return qRgb(expandFiveBits((value >> 10) & 31), expandFiveBits((value >> 5) & 31), expandFiveBits(value & 31));
    }
    case 24: return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    default: return qRgb(row[4 * x + 2], row[4 * x + 1], row[4 * x]);
  }
}

void convertRow(const uint8_t* in, QRgb* out, int width, int bitCount, const ColorTable& table) {
  for (int x = 0; x < width; ++x) out[x] = pixelAt(in, x, bitCount, table);
}

const uint8_t* storedRow(const TPictureRec& picture, int y) {
  const int height = picture.height();
  const int row = picture.Header.biHeight > 0 ? height - 1 - y : y;
  return picture.pixels() + static_cast<size_t>(row) * picture.RowBytes;
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
  for (int y = 0; y < height; ++y)
    convertRow(storedRow(picture, y), reinterpret_cast<QRgb*>(image.scanLine(y)), width, bitCount, table);
  return image;
}

QImage sampledPicture(const TPictureRec& picture, const QRectF& source, QSize size) {
  if (!picture.hasPixels() || !supportedLayout(picture) || size.isEmpty()) return {};
  QImage image(size, QImage::Format_RGB32);
  if (image.isNull()) return {};
  const int bitCount = picture.Header.biBitCount;
  const ColorTable table = bitCount <= 8 ? colorTable(picture, bitCount) : ColorTable{};
  const double stepX = source.width() / size.width(), stepY = source.height() / size.height();
  const auto sourceIndex = [](double at, int limit) { return std::clamp(static_cast<int>(at), 0, limit - 1); };
  // Two by two samples per pixel, averaged: thin lines and dither patterns
  // keep their weight instead of vanishing or flickering.
  constexpr double kOffsets[] = {0.25, 0.75};
  for (int y = 0; y < size.height(); ++y) {
    const uint8_t* rows[2];
    for (int k = 0; k < 2; ++k)
      rows[k] = storedRow(picture, sourceIndex(source.top() + (y + kOffsets[k]) * stepY, picture.height()));
    QRgb* out = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < size.width(); ++x) {
      int red = 0, green = 0, blue = 0;
      for (double offsetX : kOffsets) {
        const int column = sourceIndex(source.left() + (x + offsetX) * stepX, picture.width());
        for (const uint8_t* row : rows) {
          const QRgb pixel = pixelAt(row, column, bitCount, table);
          red += qRed(pixel), green += qGreen(pixel), blue += qBlue(pixel);
        }
      }
      out[x] = qRgb(red / 4, green / 4, blue / 4);
    }
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
