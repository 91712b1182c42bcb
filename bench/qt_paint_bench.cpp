// qt_paint_bench.cpp — a full repaint of the page view into a window-sized
// image through the real painter and Qt surface: an A4 page of 5,000
// characters at zoom 100, an A0 page of 20,000 characters at whole-page
// zoom, and a 10 × 10 m page at 250 % (only the window's part is drawn).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <string>

#include "app/offscreen_gui.h"
#include "app/qt_canvas.h"
#include "bench_documents.h"
#include "editing/editor.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

constexpr int kViewWidth = 1200;
constexpr int kViewHeight = 1200;  // an A4 page at zoom 100 fits whole

// Lines of running text in 11 point Arial, every fifth word bold.
void fillWithText(Editor& editor, int characters, double points) {
  Document& doc = editor.doc();
  SetPCharText(doc.CurFont.Name, "Arial");
  doc.CurFont.Size = points;
  const int32_t plain = doc.GetNewFontIndex(doc.CurFont);
  doc.CurFont.Style = 1;
  const int32_t bold = doc.GetNewFontIndex(doc.CurFont);
  doc.CurFont.Style = 0;
  const std::string words = "Plakate und Schilder werden auf einer einzigen grossen Seite gestaltet ";
  TLineRec& line = doc.Fields[0].Lines[0];
  for (int i = 0; i < characters; ++i) {
    TCharRec cell;
    cell.Ch = static_cast<uint8_t>(words[static_cast<size_t>(i) % words.size()]);
    cell.FontIndex = (i / 60) % 5 == 0 ? bold : plain;
    doc.RenderChar(cell);
    line.Chars.push_back(cell);
  }
  line.LineEnd = kLineEndParagraph;
  editor.CompleteRefresh();
}

// One repaint as the window does it: the view's part of the paint box,
// composed in an image of the window's size.
void repaint(Editor& editor, QImage& view) {
  const PaintViewport& vp = editor.paintState().viewport;
  view.fill(Qt::white);
  QPainter painter(&view);
  painter.translate(-vp.scrollX, -vp.scrollY);
  QtCanvas canvas(painter, editor.doc().fontEngine(), 96,
                  {vp.scrollX, vp.scrollY, vp.scrollX + view.width(), vp.scrollY + view.height()});
  editor.DrawPages(canvas, false);
}

void measure(benchmark::State& state, Editor& editor, const char* name) {
  QImage view(kViewWidth, kViewHeight, QImage::Format_RGB32);
  for (int settle = 0; settle < 3; ++settle) repaint(editor, view);  // paint box size, text flow
  // VENDARO_SAVE_PNG=folder keeps each view for a look.
  if (const char* folder = std::getenv("VENDARO_SAVE_PNG"))
    view.save(QString::fromUtf8(folder) + "/" + QString::fromUtf8(name) + ".png");
  for (auto _ : state) repaint(editor, view);
}

PaintViewport window() { return PaintViewport{0, 0, kViewWidth, kViewHeight, kViewWidth - 16, kViewHeight - 16, 16, 16, true, true}; }

void A4PageOf5000CharactersAtZoom100(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  fillWithText(editor, 5000, 11.0);
  editor.paintState().viewport = window();
  measure(state, editor, "A4PageOf5000CharactersAtZoom100");
}
BENCHMARK(A4PageOf5000CharactersAtZoom100)->Unit(benchmark::kMillisecond);

void A4PageWithTwentyMegapixelPictureAtZoom100(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  std::mt19937 random(7);
  bench::addPictureFrame(editor.doc(), bench::twentyMegapixelPhoto(random), 20, 20, 190, 150);
  fillWithText(editor, 2000, 11.0);
  editor.paintState().viewport = window();
  measure(state, editor, "A4PageWithTwentyMegapixelPictureAtZoom100");
}
BENCHMARK(A4PageWithTwentyMegapixelPictureAtZoom100)->Unit(benchmark::kMillisecond);

void A0PageOf20000CharactersWholePage(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.doc().PageWidth = 841.0;
  editor.doc().PageHeight = 1189.0;
  editor.doc().SetPrinterProps();
  fillWithText(editor, 20000, 28.0);
  editor.doc().ZoomMode = 2;
  editor.FormResize(window(), 96);
  measure(state, editor, "A0PageOf20000CharactersWholePage");
  state.counters["zoom"] = editor.doc().ZoomPercent;
}
BENCHMARK(A0PageOf20000CharactersWholePage)->Unit(benchmark::kMillisecond);

void TenMetrePageAtZoom250(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.doc().PageWidth = 10000.0;
  editor.doc().PageHeight = 10000.0;
  editor.doc().SetPrinterProps();
  fillWithText(editor, 5000, 200.0);
  editor.doc().ZoomPercent = 250.0;
  PaintViewport vp = window();
  vp.scrollX = 2000;
  vp.scrollY = 3000;
  editor.paintState().viewport = vp;
  measure(state, editor, "TenMetrePageAtZoom250");
}
BENCHMARK(TenMetrePageAtZoom250)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
