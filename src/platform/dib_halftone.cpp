// dib_halftone.cpp — 8-bit halftoned copies for devices without true colour.
// An ordered dither needs no error carried between pixels, so each output
// pixel depends only on its own colour and position: results are stable and
// scaling can happen row by row on the way (area averaging when shrinking,
// nearest pixel when enlarging).
#include "platform/dib_halftone.h"

#include <algorithm>
#include <new>
#include <vector>

#include "platform/dib.h"
#include "platform/dib_support.h"

namespace vendaro {

using namespace dib;

namespace {

constexpr int kCubeSteps = 6;   // levels per channel
constexpr int kGreySteps = 46;  // 45 intervals; every ninth step is a cube grey

struct HalftoneTables {
  std::array<uint32_t, 256> palette{};
  int bayer[8][8] = {};
  // Per dither threshold and channel value: the cube level (0–5), and for
  // greys straight the palette index.
  uint8_t cubeLevel[64][256] = {};
  uint8_t greyIndex[64][256] = {};
};

// Level of `value` among `steps` evenly spaced levels, rounded up or down by
// comparing the remainder with the threshold (t + 0.5) / 64.
int ditherLevel(int value, int steps, int threshold) {
  int scaled = value * (steps - 1);
  int base = scaled / 255, remainder = scaled % 255;
  return base + (remainder * 128 > (2 * threshold + 1) * 255 ? 1 : 0);
}

int greyPaletteIndex(int step) {
  if (step % 9 == 0) return (step / 9) * (36 + 6 + 1);
  return 216 + step - step / 9 - 1;
}

HalftoneTables buildTables() {
  HalftoneTables t;
  for (int i = 0; i < 216; ++i)
    t.palette[size_t(i)] = packRgb(uint32_t(i / 36 * 51), uint32_t(i / 6 % 6 * 51), uint32_t(i % 6 * 51));
  for (int step = 0; step < kGreySteps; ++step) {
    uint32_t grey = uint32_t((step * 255 + 22) / 45);
    t.palette[size_t(greyPaletteIndex(step))] = packRgb(grey, grey, grey);
  }
  for (int y = 0; y < 8; ++y) {
    for (int x = 0; x < 8; ++x) {
      // Bayer matrix: bits of x ^ y and y interleaved, least significant first.
      int value = 0;
      for (int bit = 0; bit < 3; ++bit) value = value << 2 | ((x ^ y) >> bit & 1) << 1 | (y >> bit & 1);
      t.bayer[y][x] = value;
    }
  }
  for (int threshold = 0; threshold < 64; ++threshold) {
    for (int v = 0; v < 256; ++v) {
      t.cubeLevel[threshold][v] = uint8_t(ditherLevel(v, kCubeSteps, threshold));
      t.greyIndex[threshold][v] = uint8_t(greyPaletteIndex(ditherLevel(v, kGreySteps, threshold)));
    }
  }
  return t;
}

const HalftoneTables& tables() {
  static const HalftoneTables instance = buildTables();
  return instance;
}

void ditherRow(const uint8_t* bgr, uint8_t* out, int width, int y) {
  const HalftoneTables& t = tables();
  const int* bayerRow = t.bayer[y & 7];
  for (int x = 0; x < width; ++x, bgr += 3) {
    int threshold = bayerRow[x & 7];
    uint8_t b = bgr[0], g = bgr[1], r = bgr[2];
    if (r == g && g == b) {
      out[x] = t.greyIndex[threshold][r];
    } else {
      const uint8_t* level = t.cubeLevel[threshold];
      out[x] = uint8_t(level[r] * 36 + level[g] * 6 + level[b]);
    }
  }
}

// Hands out the source picture's rows at the target size as B, G, R bytes.
class RowScaler {
 public:
  RowScaler(const TPictureRec& src, int width, int height)
      : src_(src), width_(width), height_(height), line_(size_t(src.width()) * 3) {
    if (sameSize()) return;
    sums_.resize(size_t(width) * 3);
    columnStart_.resize(size_t(width));
    columnEnd_.resize(size_t(width));
    for (int i = 0; i < width; ++i) {
      auto [start, end] = span(i, width, src.width());
      columnStart_[size_t(i)] = start;
      columnEnd_[size_t(i)] = end;
    }
  }

  void row(int y, uint8_t* bgr) {
    if (sameSize()) {
      readRowBgr(src_, y, bgr);
      return;
    }
    std::fill(sums_.begin(), sums_.end(), 0);
    auto [firstRow, endRow] = span(y, height_, src_.height());
    for (int sy = firstRow; sy < endRow; ++sy) {
      readLine(sy);
      for (int i = 0; i < width_; ++i) {
        uint64_t* sum = &sums_[3 * size_t(i)];
        for (int sx = columnStart_[size_t(i)]; sx < columnEnd_[size_t(i)]; ++sx) {
          sum[0] += line_[3 * size_t(sx)];
          sum[1] += line_[3 * size_t(sx) + 1];
          sum[2] += line_[3 * size_t(sx) + 2];
        }
      }
    }
    for (int i = 0; i < width_; ++i) {
      uint64_t count = uint64_t(endRow - firstRow) * uint64_t(columnEnd_[size_t(i)] - columnStart_[size_t(i)]);
      for (int c = 0; c < 3; ++c) bgr[3 * i + c] = uint8_t((sums_[3 * size_t(i) + size_t(c)] + count / 2) / count);
    }
  }

 private:
  bool sameSize() const { return width_ == src_.width() && height_ == src_.height(); }

  // Source pixels [start, end) that target pixel i of n covers; never empty.
  static std::pair<int, int> span(int i, int n, int sourceLength) {
    int start = int(int64_t(i) * sourceLength / n);
    int end = int(int64_t(i + 1) * sourceLength / n);
    return {start, std::max(end, start + 1)};
  }

  void readLine(int sy) {
    if (sy == lineRow_) return;  // enlarging reads the same row repeatedly
    readRowBgr(src_, sy, line_.data());
    lineRow_ = sy;
  }

  const TPictureRec& src_;
  int width_, height_;
  std::vector<uint8_t> line_;
  int lineRow_ = -1;
  std::vector<uint64_t> sums_;
  std::vector<int> columnStart_, columnEnd_;
};

bool fail(TPictureRec& out, const std::string& message) {
  out = TPictureRec{};
  out.ErrorText = message;
  return false;
}

}  // namespace

const std::array<uint32_t, 256>& halftonePalette() { return tables().palette; }

bool DIBHalftoneDIBXY(TPictureRec& out, const TPictureRec& src, int x, int y) {
  if (!isConsistent(src)) return fail(out, "Kein Bild zum Rastern vorhanden.");
  TPictureRec result;
  if (!newdib(result, x, y, 8)) return fail(out, result.ErrorText);
  const std::array<uint32_t, 256>& palette = halftonePalette();
  result.Palette.assign(palette.begin(), palette.end());
  // The copy covers the same area on paper, so its resolution scales along.
  auto scaled = [](int32_t ppm, int to, int from) {
    int64_t v = int64_t(ppm > 0 ? ppm : kDefaultPelsPerMeter) * to / from;
    return int32_t(std::clamp<int64_t>(v, 1, INT32_MAX));
  };
  result.Header.biXPelsPerMeter = scaled(src.Header.biXPelsPerMeter, x, src.width());
  result.Header.biYPelsPerMeter = scaled(src.Header.biYPelsPerMeter, y, src.height());
  try {
    RowScaler scaler(src, x, y);
    std::vector<uint8_t> bgr(size_t(x) * 3);
    uint8_t* bits = result.mutablePixels();
    for (int row = 0; row < y; ++row) {
      scaler.row(row, bgr.data());
      ditherRow(bgr.data(), bits + memoryRow(result, row) * size_t(result.RowBytes), x, row);
    }
  } catch (const std::bad_alloc&) {
    return fail(out, kErrNoMemory);
  }
  out = std::move(result);
  return true;
}

bool DIBHalftoneDIB(TPictureRec& out, const TPictureRec& src) {
  return DIBHalftoneDIBXY(out, src, src.width(), src.height());
}

}  // namespace vendaro
