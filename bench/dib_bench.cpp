// dib_bench.cpp — the imaging work that must stay fast: JPEG encoding of a
// 20-megapixel picture (every picture of a PDF export goes through it) and
// halftoning a 5-megapixel picture, at its own size and shrunk on the way.
#include <benchmark/benchmark.h>

#include <vector>

#include "platform/dib.h"

namespace {

using namespace vendaro;

// A photo-like picture: gradients, texture and grain, so the JPEG encoder
// does at least the work of a real photograph.
TPictureRec photoLike(int width, int height) {
  TPictureRec pic;
  newdib(pic, width, height, 24);
  uint8_t* bits = pic.mutablePixels();
  uint32_t noise = 12345;
  for (int y = 0; y < height; ++y) {
    uint8_t* row = bits + size_t(pic.RowBytes) * size_t(y);
    for (int x = 0; x < width; ++x) {
      noise = noise * 1664525 + 1013904223;
      int grain = int(noise >> 27);  // 0..31
      row[3 * x] = uint8_t(x * 200 / width + grain);
      row[3 * x + 1] = uint8_t(y * 200 / height + grain);
      row[3 * x + 2] = uint8_t(((x / 7) ^ (y / 5)) & 0x7F) + 64 + grain;
    }
  }
  return pic;
}

void BM_EncodeJpeg20Megapixels(benchmark::State& state) {
  TPictureRec pic = photoLike(5472, 3648);  // 20 MP, a camera's full size
  std::vector<uint8_t> jpeg;
  for (auto _ : state) {
    EncodeDibJpeg(pic, jpeg, 90);
    benchmark::DoNotOptimize(jpeg.data());
  }
  state.counters["jpeg_bytes"] = double(jpeg.size());
}
BENCHMARK(BM_EncodeJpeg20Megapixels)->Unit(benchmark::kMillisecond);

void BM_Halftone5Megapixels(benchmark::State& state) {
  TPictureRec pic = photoLike(2736, 1824);  // 5 MP
  TPictureRec out;
  for (auto _ : state) {
    DIBHalftoneDIB(out, pic);
    benchmark::DoNotOptimize(out.pixels());
  }
}
BENCHMARK(BM_Halftone5Megapixels)->Unit(benchmark::kMillisecond);

void BM_Halftone5MegapixelsToHalfSize(benchmark::State& state) {
  TPictureRec pic = photoLike(2736, 1824);
  TPictureRec out;
  for (auto _ : state) {
    DIBHalftoneDIBXY(out, pic, 1368, 912);
    benchmark::DoNotOptimize(out.pixels());
  }
}
BENCHMARK(BM_Halftone5MegapixelsToHalfSize)->Unit(benchmark::kMillisecond);

}  // namespace
