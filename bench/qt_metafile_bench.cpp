// qt_metafile_bench.cpp — metafile pictures turned into bitmaps through the
// front end's raster target: a file of 100,000 records, a 20-megapixel
// bitmap in one StretchDIB record, and clip art of a few hundred records.
#include <benchmark/benchmark.h>

#include <QGuiApplication>

#include <vector>

#include "../tests/support/metafile_builder.h"
#include "app/offscreen_gui.h"
#include "app/qt_raster_target.h"
#include "formats/metafile_picture.h"
#include "platform/font_engine.h"

namespace {

using namespace vendaro;
using test::WmfBuilder;

// Shapes, text and colour changes in the mix a drawing program writes.
std::vector<uint8_t> drawing(int shapes) {
  WmfBuilder b(0, 0, 2000, 2000, 1000, 64);
  b.record(0x0102, {1});
  b.record(0x02FB, {-60, 0, 0, 0, 400, 0, 0, 0, 0, 'A' | 'r' << 8, 'i' | 'a' << 8, 'l'}).record(0x012D, {0});
  uint32_t seed = 7;
  auto next = [&](int range) { seed = seed * 1664525 + 1013904223; return int(seed >> 8) % range; };
  for (int i = 0; i < shapes; ++i) {
    const int x = next(1800), y = next(1800);
    switch (i % 6) {
      case 0: b.record(0x02FC, {0, next(0xFFFF), next(0xFF), 0}).record(0x012D, {1}).record(0x01F0, {1}); break;
      case 1: b.record(0x041B, {y + 150, x + 200, y, x}); break;
      case 2: b.record(0x0418, {y + 120, x + 120, y, x}); break;
      case 3: b.record(0x0324, {4, x, y, x + 150, y + 20, x + 90, y + 160, x + 10, y + 90}); break;
      case 4: b.record(0x0325, {3, x, y, x + 60, y + 80, x + 140, y + 10}); break;
      default: b.record(0x0521, {6, 'C' | 'l' << 8, 'i' | 'p' << 8, 'a' | 'r' << 8, y, x}); break;
    }
  }
  return b.finish();
}

// The program holds its Qt application for its whole run; so does the bench.
void convert(benchmark::State& state, const std::vector<uint8_t>& bytes) {
  const auto gui = ensureOffscreenGui();
  QtRasterTarget target(FontEngine::shared());
  for (auto _ : state) {
    TPictureRec picture;
    if (!metafileToPicture(bytes, FontEngine::shared(), &target, picture)) state.SkipWithError("not converted");
    benchmark::DoNotOptimize(picture.pixels());
  }
}

void BM_Metafile100000Records(benchmark::State& state) { convert(state, drawing(100'000)); }
void BM_MetafileClipArt300Records(benchmark::State& state) { convert(state, drawing(300)); }

void BM_Metafile20MegapixelStretchDib(benchmark::State& state) {
  convert(state, test::stretchDibWmf(5472, 3648, 1000));
}

BENCHMARK(BM_Metafile100000Records)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Metafile20MegapixelStretchDib)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MetafileClipArt300Records)->Unit(benchmark::kMillisecond);

}  // namespace
