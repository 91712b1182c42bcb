// dib_png.cpp — PNG decoding with libpng. libpng leaves through longjmp on
// errors; as with JPEG, everything with a destructor lives in a state object
// owned by the caller and the functions the jump skips hold plain values.
#include "platform/dib_png.h"

#include <cstring>
#include <new>

#include <png.h>

#include "platform/dib_support.h"

namespace vendaro::dib {

namespace {

// Deflate never expands data more than 1032 times, so rows that need more
// bytes than that cannot come from a file this short.
constexpr uint64_t kMaxDeflateRatio = 1032;

// How the rows libpng hands out become bitmap rows.
enum class RowKind { Direct, GreyAlpha, ColourAlpha };

struct PngReader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  const uint8_t* data = nullptr;
  size_t size = 0;
  size_t pos = 0;
  const char* refusal = nullptr;  // set by our own checks
  TPictureRec pic;
  std::vector<uint8_t> alphaRows;  // rows with alpha before blending
  PngReader() = default;
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;
  ~PngReader() {
    if (png) png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  }
};

bool refuse(PngReader& r, const char* message) {
  r.refusal = message;
  return false;
}

void readData(png_structp png, png_bytep target, size_t length) {
  auto* r = static_cast<PngReader*>(png_get_io_ptr(png));
  if (length > r->size - r->pos) png_error(png, "truncated");
  std::memcpy(target, r->data + r->pos, length);
  r->pos += length;
}

[[noreturn]] void onError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void onWarning(png_structp, png_const_charp) {}

void blendGreyAlpha(const uint8_t* ga, uint8_t* out, int width) {
  for (int x = 0; x < width; ++x) out[x] = overWhite(ga[2 * x], ga[2 * x + 1]);
}

void blendBgra(const uint8_t* bgra, uint8_t* out, int width) {
  for (int x = 0; x < width; ++x, bgra += 4, out += 3)
    for (int c = 0; c < 3; ++c) out[c] = overWhite(bgra[c], bgra[3]);
}

void takePalette(PngReader& r) {
  png_colorp colours = nullptr;
  int count = 0;
  if (!png_get_PLTE(r.png, r.info, &colours, &count)) return;
  png_bytep alpha = nullptr;
  int alphaCount = 0;
  png_get_tRNS(r.png, r.info, &alpha, &alphaCount, nullptr);
  for (size_t i = 0; i < r.pic.Palette.size(); ++i) {
    if (int(i) >= count) {
      r.pic.Palette[i] = 0;
      continue;
    }
    uint32_t a = alpha && int(i) < alphaCount ? alpha[i] : 255;
    r.pic.Palette[i] = packRgb(overWhite(colours[i].red, a), overWhite(colours[i].green, a),
                               overWhite(colours[i].blue, a));
  }
}

void takeResolution(PngReader& r) {
  png_uint_32 x = 0, y = 0;
  int unit = 0;
  if (!png_get_pHYs(r.png, r.info, &x, &y, &unit) || unit != PNG_RESOLUTION_METER) return;
  if (x > 0 && x <= INT32_MAX) r.pic.Header.biXPelsPerMeter = int32_t(x);
  if (y > 0 && y <= INT32_MAX) r.pic.Header.biYPelsPerMeter = int32_t(y);
}

// Chooses libpng's transformations and the bitmap depth.
RowKind chooseTransforms(PngReader& r, int colourType, int depth, int& bitCount) {
  png_structp png = r.png;
  bool transparent = png_get_valid(png, r.info, PNG_INFO_tRNS) != 0;
  if (depth == 16) png_set_scale_16(png);
  if (colourType == PNG_COLOR_TYPE_PALETTE) {
    if (depth == 2) png_set_packing(png);  // bitmaps have no 2-bit depth
    bitCount = depth == 2 ? 8 : depth;
    return RowKind::Direct;
  }
  if (colourType == PNG_COLOR_TYPE_GRAY && depth == 1 && !transparent) {
    bitCount = 1;  // the grey ramp of a 1-bit bitmap is black and white
    return RowKind::Direct;
  }
  if (transparent) png_set_tRNS_to_alpha(png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) {
    if (depth < 8) png_set_expand_gray_1_2_4_to_8(png);
    bitCount = 8;
    return colourType == PNG_COLOR_TYPE_GRAY_ALPHA || transparent ? RowKind::GreyAlpha : RowKind::Direct;
  }
  png_set_bgr(png);
  bitCount = 24;
  return colourType == PNG_COLOR_TYPE_RGB_ALPHA || transparent ? RowKind::ColourAlpha : RowKind::Direct;
}

bool decodeSteps(PngReader& r) {
  png_structp png = r.png;
  png_set_read_fn(png, &r, readData);
  png_read_info(png, r.info);
  png_uint_32 width = 0, height = 0;
  int depth = 0, colourType = 0, interlace = 0;
  png_get_IHDR(png, r.info, &width, &height, &depth, &colourType, &interlace, nullptr, nullptr);
  if (uint64_t(width) * height > kMaxPixels) return refuse(r, kErrTooLarge);
  uint64_t rawBytes = uint64_t(height) * (1 + (uint64_t(width) * png_get_channels(png, r.info) * depth + 7) / 8);
  if (rawBytes > uint64_t(r.size) * kMaxDeflateRatio) return refuse(r, kErrDamaged);

  int bitCount = 0;
  RowKind kind = chooseTransforms(r, colourType, depth, bitCount);
  int passes = png_set_interlace_handling(png);
  png_read_update_info(png, r.info);
  size_t rowBytes = png_get_rowbytes(png, r.info);
  if (!newdib(r.pic, int(width), int(height), bitCount)) return refuse(r, kErrNoMemory);
  size_t expected = kind == RowKind::GreyAlpha ? 2 * size_t(width)
                    : kind == RowKind::ColourAlpha ? 4 * size_t(width)
                                                   : size_t(r.pic.RowBytes);
  if (kind == RowKind::Direct ? rowBytes > expected : rowBytes != expected) return refuse(r, kErrUnsupported);
  if (colourType == PNG_COLOR_TYPE_PALETTE) takePalette(r);
  takeResolution(r);

  uint8_t* bits = r.pic.mutablePixels();
  auto bitmapRow = [&](png_uint_32 y) { return bits + size_t(r.pic.RowBytes) * (height - 1 - y); };
  if (kind != RowKind::Direct) r.alphaRows.resize(rowBytes * (interlace ? height : 1));
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) {
      if (kind == RowKind::Direct) {
        png_read_row(png, bitmapRow(y), nullptr);
        continue;
      }
      // Interlaced rows fill in over the passes; blend once they are whole.
      uint8_t* row = r.alphaRows.data() + rowBytes * (interlace ? y : 0);
      png_read_row(png, row, nullptr);
      if (pass + 1 < passes) continue;
      if (kind == RowKind::GreyAlpha) blendGreyAlpha(row, bitmapRow(y), int(width));
      else blendBgra(row, bitmapRow(y), int(width));
    }
  }
  png_read_end(png, nullptr);
  return true;
}

bool decode(PngReader& r) {
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &r, onError, onWarning);
  if (!r.png) return refuse(r, kErrNoMemory);
  r.info = png_create_info_struct(r.png);
  if (!r.info) return refuse(r, kErrNoMemory);
  if (setjmp(png_jmpbuf(r.png))) return false;
  return decodeSteps(r);
}

}  // namespace

bool readPng(const uint8_t* data, size_t size, TPictureRec& out, std::string& error) {
  PngReader reader;
  reader.data = data;
  reader.size = size;
  if (!decode(reader)) {
    error = reader.refusal ? reader.refusal : kErrDamaged;
    return false;
  }
  out = std::move(reader.pic);
  return true;
}

}  // namespace vendaro::dib
