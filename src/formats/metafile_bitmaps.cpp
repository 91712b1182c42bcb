#include "formats/metafile_bitmaps.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/byte_io.h"
#include "platform/dib_bmp.h"

namespace vendaro::metafile {
namespace {

constexpr size_t kFileHeaderSize = 14;
constexpr uint32_t kCoreHeaderSize = 12;
constexpr uint32_t kBitFields = 3;
constexpr uint32_t kJpeg = 4;
constexpr uint32_t kPng = 5;

struct InfoLayout {
  size_t infoBytes = 0;   // header, masks and colour table
  size_t headerBytes = 0;
  uint16_t bitCount = 0;
  int32_t width = 0;
  int32_t height = 0;     // negative: rows top-down
  uint64_t colours = 0;
  uint32_t compression = 0;
  uint32_t imageBytes = 0;
  uint64_t rowBytes = 0;
  uint64_t rows = 0;
  int32_t pelsPerMeterX = 0, pelsPerMeterY = 0;  // 0: not given
};

std::optional<InfoLayout> layoutOf(std::span<const uint8_t> info) {
  ByteReader in(info.data(), info.size());
  const uint32_t headerSize = in.u32();
  InfoLayout layout;
  if (headerSize == kCoreHeaderSize) {
    const uint16_t width = in.u16();
    const uint16_t height = in.u16();
    in.u16();
    const uint16_t bitCount = in.u16();
    const uint64_t colours = bitCount <= 8 ? uint64_t{1} << bitCount : 0;
    layout.infoBytes = kCoreHeaderSize + 3 * colours;
    layout.rowBytes = (uint64_t{width} * bitCount + 31) / 32 * 4;
    layout.rows = height;
  } else if (headerSize >= 40 && headerSize <= info.size()) {
    const int32_t width = in.i32();
    const int32_t height = in.i32();
    in.u16();
    const uint16_t bitCount = in.u16();
    layout.compression = in.u32();
    layout.imageBytes = in.u32();
    layout.pelsPerMeterX = in.i32();
    layout.pelsPerMeterY = in.i32();
    const uint32_t used = in.u32();
    if (bitCount > 32 || width < 0) return std::nullopt;
    const uint64_t colours = used != 0 ? used : bitCount <= 8 ? uint64_t{1} << bitCount : 0;
    layout.headerBytes = headerSize;
    layout.bitCount = bitCount;
    layout.width = width;
    layout.height = height;
    layout.colours = colours;
    const size_t masks = headerSize == 40 && layout.compression == kBitFields ? 12 : 0;
    layout.infoBytes = headerSize + masks + 4 * colours;
    layout.rowBytes = (uint64_t(width) * bitCount + 31) / 32 * 4;
    layout.rows = static_cast<uint64_t>(height < 0 ? -int64_t{height} : int64_t{height});
  } else {
    return std::nullopt;
  }
  if (in.failed() || layout.infoBytes > info.size()) return std::nullopt;
  return layout;
}

// Plain rows in a depth the store keeps as it is are copied straight into
// the picture: large bitmaps are copied once, not through a file image.
std::optional<TPictureRec> copyPlainRows(std::span<const uint8_t> info, const InfoLayout& layout,
                                         std::span<const uint8_t> bits) {
  const int rows = static_cast<int>(layout.rows);
  TPictureRec picture;
  if (!newdib(picture, layout.width, rows, layout.bitCount)) return std::nullopt;
  // The bitmap keeps its resolution, as one read from a file does.
  if (layout.pelsPerMeterX > 0) picture.Header.biXPelsPerMeter = layout.pelsPerMeterX;
  if (layout.pelsPerMeterY > 0) picture.Header.biYPelsPerMeter = layout.pelsPerMeterY;
  for (uint64_t i = 0; i < std::min<uint64_t>(layout.colours, 256); ++i) {
    const uint8_t* entry = info.data() + layout.headerBytes + 4 * i;
    if (i < picture.Palette.size()) picture.Palette[i] = uint32_t(entry[0]) | uint32_t(entry[1]) << 8 | uint32_t(entry[2]) << 16;
  }
  const size_t rowBytes = static_cast<size_t>(layout.rowBytes);
  uint8_t* out = picture.mutablePixels();
  for (int r = 0; r < rows; ++r) {
    const int from = layout.height < 0 ? rows - 1 - r : r;
    std::memcpy(out + size_t(picture.RowBytes) * size_t(r), bits.data() + rowBytes * size_t(from), rowBytes);
  }
  return picture;
}

std::optional<TPictureRec> decode(std::span<const uint8_t> info, const InfoLayout& layout, std::span<const uint8_t> bits) {
  const bool plain = layout.compression == 0 && layout.headerBytes >= 40 && layout.width > 0 && layout.rows > 0 &&
                     (layout.bitCount == 24 || (layout.bitCount == 8 && layout.colours <= 256)) &&
                     layout.rowBytes * layout.rows <= bits.size() && uint64_t(layout.width) * layout.rows <= 400'000'000;
  if (plain) return copyPlainRows(info, layout, bits);
  TPictureRec picture;
  if (layout.compression == kJpeg || layout.compression == kPng) {
    if (!OpenDibFromMemory(picture, bits.data(), bits.size())) return std::nullopt;
    return picture;
  }
  std::vector<uint8_t> file(kFileHeaderSize + layout.infoBytes + bits.size());
  file[0] = 'B';
  file[1] = 'M';
  ByteWriter header;
  header.u32(static_cast<uint32_t>(std::min<size_t>(file.size(), UINT32_MAX)));
  header.u32(0);
  header.u32(static_cast<uint32_t>(kFileHeaderSize + layout.infoBytes));
  std::memcpy(file.data() + 2, header.bytes().data(), 12);
  std::memcpy(file.data() + kFileHeaderSize, info.data(), layout.infoBytes);
  if (!bits.empty()) std::memcpy(file.data() + kFileHeaderSize + layout.infoBytes, bits.data(), bits.size());
  std::string error;
  if (!dib::readBmp(file.data(), file.size(), picture, error)) return std::nullopt;
  return picture;
}

}  // namespace

std::optional<TPictureRec> readDib(std::span<const uint8_t> info, std::span<const uint8_t> bits) {
  const std::optional<InfoLayout> layout = layoutOf(info);
  if (!layout) return std::nullopt;
  return decode(info, *layout, bits);
}

std::optional<TPictureRec> readPackedDib(std::span<const uint8_t> packed) {
  const std::optional<InfoLayout> layout = layoutOf(packed);
  if (!layout) return std::nullopt;
  uint64_t bitBytes = layout->rowBytes * layout->rows;
  if (layout->compression != 0 && layout->compression != kBitFields) bitBytes = layout->imageBytes;
  const size_t available = packed.size() - layout->infoBytes;
  return decode(packed.first(layout->infoBytes), *layout,
                packed.subspan(layout->infoBytes, static_cast<size_t>(std::min<uint64_t>(bitBytes, available))));
}

bool coversPicture(const TPictureRec& picture, const LogicalRect& source) {
  return source.left <= 0 && source.top <= 0 && source.right >= picture.width() && source.bottom >= picture.height();
}

// Whole bytes per pixel are copied row by row; smaller depths go through
// getpixel into a 24-bit picture.
TPictureRec croppedPicture(const TPictureRec& picture, const LogicalRect& source) {
  const int left = std::clamp(source.left, 0, picture.width());
  const int top = std::clamp(source.top, 0, picture.height());
  const int width = std::clamp(source.right, left, picture.width()) - left;
  const int height = std::clamp(source.bottom, top, picture.height()) - top;
  const int bits = picture.Header.biBitCount;
  TPictureRec out;
  if (width == 0 || height == 0) return out;
  if (bits < 8 || bits % 8 != 0) {
    if (!newdib(out, width, height, 24)) return {};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) setpixel(out, x, y, getpixel(picture, left + x, top + y));
    return out;
  }
  if (!newdib(out, width, height, bits)) return {};
  out.Palette = picture.Palette;
  const int bytes = bits / 8;
  const bool bottomUp = picture.Header.biHeight > 0;
  uint8_t* dst = out.mutablePixels();
  for (int y = 0; y < height; ++y) {
    const int sourceRow = bottomUp ? picture.height() - 1 - (top + y) : top + y;
    const uint8_t* src = picture.pixels() + size_t(picture.RowBytes) * size_t(sourceRow) + size_t(left) * bytes;
    std::memcpy(dst + size_t(out.RowBytes) * size_t(height - 1 - y), src, size_t(width) * bytes);
  }
  return out;
}

TPictureRec mirroredPicture(const TPictureRec& picture, bool horizontal, bool vertical) {
  const int width = picture.width(), height = picture.height(), bits = picture.Header.biBitCount;
  const auto from = [&](int x, int y) {
    return std::pair{horizontal ? width - 1 - x : x, vertical ? height - 1 - y : y};
  };
  TPictureRec out;
  if (bits < 8 || bits % 8 != 0) {
    if (!newdib(out, width, height, 24)) return {};
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x) {
        const auto [sx, sy] = from(x, y);
        setpixel(out, x, y, getpixel(picture, sx, sy));
      }
    return out;
  }
  if (!newdib(out, width, height, bits)) return {};
  out.Palette = picture.Palette;
  const size_t bytes = static_cast<size_t>(bits / 8);
  const bool bottomUp = picture.Header.biHeight > 0;
  uint8_t* dst = out.mutablePixels();
  // Rows are counted from the top; the new picture is bottom-up.
  for (int y = 0; y < height; ++y) {
    const int sy = from(0, y).second;
    const uint8_t* source = picture.pixels() + size_t(picture.RowBytes) * size_t(bottomUp ? height - 1 - sy : sy);
    uint8_t* target = dst + size_t(out.RowBytes) * size_t(height - 1 - y);
    if (!horizontal) {
      std::memcpy(target, source, bytes * size_t(width));
      continue;
    }
    for (int x = 0; x < width; ++x) std::memcpy(target + bytes * size_t(x), source + bytes * size_t(width - 1 - x), bytes);
  }
  return out;
}

TPictureRec blendedOverWhite(const TPictureRec& picture, uint8_t constantAlpha, bool perPixelAlpha) {
  TPictureRec out;
  const int width = picture.width(), height = picture.height();
  if (!newdib(out, width, height, 24)) return out;
  const bool withAlpha = perPixelAlpha && picture.Header.biBitCount == 32;
  const bool bottomUp = picture.Header.biHeight > 0;
  uint8_t* dst = out.mutablePixels();
  for (int y = 0; y < height; ++y) {
    uint8_t* row = dst + size_t(out.RowBytes) * size_t(height - 1 - y);
    const uint8_t* src = withAlpha ? picture.pixels() + size_t(picture.RowBytes) * size_t(bottomUp ? height - 1 - y : y) : nullptr;
    for (int x = 0; x < width; ++x) {
      uint32_t channel[3];
      uint32_t alpha = 255;
      if (src != nullptr) {
        const uint8_t* p = src + 4 * x;
        channel[0] = p[0], channel[1] = p[1], channel[2] = p[2];
        alpha = p[3];
      } else {
        const uint32_t c = getpixel(picture, x, y);  // 0x00BBGGRR
        channel[0] = (c >> 16) & 0xFF, channel[1] = (c >> 8) & 0xFF, channel[2] = c & 0xFF;
        // Opaque colours count as premultiplied with full alpha.
      }
      for (int i = 0; i < 3; ++i) {
        // premultiplied source over white: s·ca + 255·(1 − a·ca)
        const uint32_t s = channel[i] * constantAlpha / 255;
        const uint32_t coverage = alpha * constantAlpha / 255;
        row[3 * x + i] = static_cast<uint8_t>(std::min<uint32_t>(255, s + (255 - coverage)));
      }
    }
  }
  return out;
}

}  // namespace vendaro::metafile
