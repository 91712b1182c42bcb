// Drawing speed of the Qt canvas on a page image: a page of single-letter
// text runs (the painter draws cell by cell) and a large picture, converted
// once, shown through a page-sized view.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include "app/offscreen_gui.h"
#include "app/qt_canvas.h"
#include "app/qt_pictures.h"

namespace {

using namespace vendaro;

constexpr int kPageWidth = 800;
constexpr int kPageHeight = 1130;

// 5,000 one-letter runs of 12 pt Arial at 96 dpi, with a fresh canvas per
// page as every paint makes one.
void SingleLetterRunsOnAPage(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
  FontSpec arial;
  arial.faceName = "Arial";
  arial.pixelSize = 12 * 96 / 72;
  for (auto _ : state) {
    page.fill(Qt::white);
    QPainter painter(&page);
    QtCanvas canvas(painter, FontEngine::shared(), 96, {0, 0, kPageWidth, kPageHeight});
    canvas.setFont(arial, false);
    for (int i = 0; i < 5000; ++i) {
      const char letter = static_cast<char>('a' + i % 26);
      canvas.textOut(10 + (i % 78) * 10, 10 + (i / 78) * 17, std::string_view(&letter, 1));
    }
  }
  state.SetItemsProcessed(state.iterations() * 5000);
}
BENCHMARK(SingleLetterRunsOnAPage)->Unit(benchmark::kMillisecond);

TPictureRec twentyMegapixelPhoto() {
  TPictureRec photo;
  newdib(photo, 5472, 3648, 24);
  uint8_t* pixels = photo.mutablePixels();
  for (size_t i = 0; i < photo.pixelBytes(); ++i) pixels[i] = static_cast<uint8_t>(i * 7);
  return photo;
}

// A 20-megapixel photo on a frame larger than the page: only the part in
// view is drawn, from the image converted on the first paint.
void TwentyMegapixelPictureInView(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  const TPictureRec photo = twentyMegapixelPhoto();
  QImage page(kPageWidth, kPageHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter painter(&page);
    QtCanvas canvas(painter, FontEngine::shared(), 96, {0, 0, kPageWidth, kPageHeight});
    canvas.drawPicture({-500, -300, 2 * kPageWidth, 2 * kPageHeight}, photo);
  }
}
BENCHMARK(TwentyMegapixelPictureInView)->Unit(benchmark::kMillisecond);

// What the first paint of that photo pays once.
void TwentyMegapixelConversion(benchmark::State& state) {
  const TPictureRec photo = twentyMegapixelPhoto();
  for (auto _ : state) benchmark::DoNotOptimize(convertPicture(photo));
}
BENCHMARK(TwentyMegapixelConversion)->Unit(benchmark::kMillisecond);

}  // namespace
