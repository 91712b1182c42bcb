// qt_ruler_bench.cpp — the rulers through the Qt surface: both rulers
// painted into images on an A0 page at zooms from 2 % to 250 %; one mouse
// move of a drag (snap, ruler repaint, guide line drawn over the composed
// view, no page painted); and the release of a left-indent drag on a
// paragraph of 500 lines, beside that paragraph's layout and snapshot alone.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <random>

#include "../bench/bench_documents.h"
#include "app/offscreen_gui.h"
#include "app/overlay_painter.h"
#include "app/qt_canvas.h"
#include "document/caret_moves.h"
#include "editing/editor.h"
#include "layout/ruler_painter.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

constexpr int kViewWidth = 1200, kViewHeight = 900, kRuler = 26;
constexpr uint32_t kFace = 0xF0F0F0;

// Counts what would repaint the pages.
struct CountingHost : HeadlessHost {
  void requestRepaint() override { ++repaints; }
  int repaints = 0;
};

PaintViewport window() { return {0, 0, kViewWidth, kViewHeight, kViewWidth - 16, kViewHeight - 16, 16, 16, true, true}; }

// The view composed once, as the window does: this publishes the rulers'
// geometry for the caret's line.
QImage composeView(Editor& editor) {
  QImage view(kViewWidth, kViewHeight, QImage::Format_RGB32);
  for (int settle = 0; settle < 3; ++settle) {
    view.fill(Qt::white);
    QPainter painter(&view);
    QtCanvas canvas(painter, editor.doc().fontEngine(), 96, {0, 0, kViewWidth, kViewHeight});
    editor.DrawPages(canvas, false);
  }
  return view;
}

template <typename Paint>
void paintInto(QImage& image, FontEngine& fonts, const Paint& paint) {
  QPainter painter(&image);
  QtCanvas canvas(painter, fonts, 96, {0, 0, image.width(), image.height()});
  paint(canvas);
}

void BothRulersOnA0(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  CountingHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.doc().PageWidth = 841.0;
  editor.doc().PageHeight = 1189.0;
  editor.doc().SetPrinterProps();
  editor.doc().Fields[0].Lines[0].Para.Tabs = {{100, 0, 0}, {250, 1, 0}, {400, 2, 0}, {600, 3, 0}};
  editor.doc().ZoomPercent = static_cast<double>(state.range(0));
  editor.paintState().viewport = window();
  editor.CompleteRefresh();
  composeView(editor);
  QImage horizontal(kViewWidth, kRuler, QImage::Format_RGB32), vertical(kRuler, kViewHeight, QImage::Format_RGB32);
  FontEngine& fonts = editor.doc().fontEngine();
  for (auto _ : state) {
    const RulerMarkers markers = editor.horizontalRulerPicture(kViewWidth);
    paintInto(horizontal, fonts, [&](Canvas& c) { PaintBox3Paint(c, fonts, kViewWidth, kRuler, markers, kFace); });
    paintInto(vertical, fonts, [&](Canvas& c) { PaintBox4Paint(c, fonts, kRuler, kViewHeight, editor.paintState().ruler, kFace); });
  }
  state.counters["marks"] = static_cast<double>(rulerMarks(horizontalAxis(editor.paintState().ruler, kViewWidth)).size());
}
BENCHMARK(BothRulersOnA0)->Arg(2)->Arg(10)->Arg(25)->Arg(50)->Arg(100)->Arg(250)->Unit(benchmark::kMicrosecond);

// Moves a new stop's drag back and forth over the column.
void MouseMoveDuringADrag(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  CountingHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.paintState().viewport = window();
  editor.CompleteRefresh();
  const QImage composed = composeView(editor);
  QImage shown = composed;
  QImage ruler(kViewWidth, kRuler, QImage::Format_RGB32);
  FontEngine& fonts = editor.doc().fontEngine();
  const RulerGeometry& g = editor.paintState().ruler;
  editor.PaintBox3MouseDown(g.columnLeft + 40, 15, kViewWidth, false, 0);
  const int repaintsBefore = host.repaints;
  QRegion drawn;
  int step = 0;
  for (auto _ : state) {
    editor.PaintBox3MouseMove(g.columnLeft + 20 + (step++ * 7) % (g.columnRight - g.columnLeft));
    const RulerMarkers markers = editor.horizontalRulerPicture(kViewWidth);
    paintInto(ruler, fonts, [&](Canvas& c) { PaintBox3Paint(c, fonts, kViewWidth, kRuler, markers, kFace); });
    // The view's update: the old and new guide line from the composed image,
    // then the overlay over them.
    const QRegion now = overlayRegion(editor.paintState().overlay, {0, 0}, shown.size());
    QPainter painter(&shown);
    for (const QRect& r : drawn + now) painter.drawImage(r, composed, r);
    drawOverlay(painter, editor.paintState().overlay, {0, 0}, shown.size());
    drawn = now;
  }
  editor.PaintBox3MouseUp();
  state.counters["pageRepaints"] = host.repaints - repaintsBefore - 1;  // the release's own repaint aside
}
BENCHMARK(MouseMoveDuringADrag)->Unit(benchmark::kMicrosecond);

// One paragraph of 45,000 characters: 500 lines of A4 text in 11 point.
struct LongParagraph {
  LongParagraph() : editor(host) {
    editor.FormCreate();
    std::mt19937 random(5);
    bench::fillWithParagraphs(editor.doc(), random, 1, 45000);
    editor.paintState().viewport = window();
    editor.CompleteRefresh();
    view = composeView(editor);
  }
  int lines() const { return editor.doc().Fields[0].LineCount(); }
  CountingHost host;
  Editor editor;
  QImage view;
};

// Presses the left indent's lower part where it stands and moves it to
// 20 mm, or back to 0 (the geometry is not painted again in between).
void pressAndMove(LongParagraph& p) {
  RulerGeometry& g = p.editor.paintState().ruler;
  const RulerAxis axis = horizontalAxis(g, kViewWidth);
  const double left = getabsatzformat(p.editor.doc()).Para.LeftIndent;
  g.leftIndent = axis.pixelOf(left) - g.columnLeft;
  p.editor.PaintBox3MouseDown(g.columnLeft + g.leftIndent, 20, kViewWidth, false, 0);
  p.editor.PaintBox3MouseMove(axis.pixelOf(left > 0 ? 0.0 : 20.0));
}

void ReleaseOnAParagraphOf500Lines(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  LongParagraph p;
  for (auto _ : state) {
    state.PauseTiming();
    pressAndMove(p);
    state.ResumeTiming();
    p.editor.PaintBox3MouseUp();
  }
  state.counters["lines"] = p.lines();
}
BENCHMARK(ReleaseOnAParagraphOf500Lines)->Unit(benchmark::kMillisecond);

// The release's own work: the value applied to the paragraph's format and
// written into its lines, without snapshot and layout.
void ReleaseWorkAlone(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  LongParagraph p;
  for (auto _ : state) {
    state.PauseTiming();
    pressAndMove(p);
    state.ResumeTiming();
    ParagraphValues values = p.editor.rulerDrag().values;
    if (const uint32_t fields = applyRulerDrag(p.editor.rulerDrag(), values.Para))
      setParagraphFields(p.editor.doc(), values, fields, false);
    state.PauseTiming();
    p.editor.cancelRulerDrag();
    state.ResumeTiming();
  }
}
BENCHMARK(ReleaseWorkAlone)->Unit(benchmark::kMicrosecond);

// What the release costs besides its own work: the same write laid out,
// alone or after a snapshot taken untimed (the first writes after a
// snapshot copy what they touch; snapshots beyond the undo limit are freed).
void writeAndLayOut(benchmark::State& state, bool afterSnapshot) {
  const auto gui = ensureOffscreenGui();
  LongParagraph p;
  ParagraphValues values = getabsatzformat(p.editor.doc());
  int step = 0;
  for (auto _ : state) {
    if (afterSnapshot) {
      state.PauseTiming();
      p.editor.MakeCopyForUndo("Absatzformat");
      state.ResumeTiming();
    }
    values.Para.LeftIndent = step++ % 2 ? 20.0 : 0.0;
    setParagraphFields(p.editor.doc(), values, kParaLeftIndent, false);
    p.editor.RefreshDirtyContent();
  }
  state.counters["lines"] = p.lines();
}
void LayoutOfThatParagraph(benchmark::State& state) { writeAndLayOut(state, false); }
BENCHMARK(LayoutOfThatParagraph)->Unit(benchmark::kMillisecond);
void LayoutOfThatParagraphAfterASnapshot(benchmark::State& state) { writeAndLayOut(state, true); }
BENCHMARK(LayoutOfThatParagraphAfterASnapshot)->Unit(benchmark::kMillisecond);

// The snapshot itself.
void SnapshotOfThatDocument(benchmark::State& state) {
  const auto gui = ensureOffscreenGui();
  LongParagraph p;
  for (auto _ : state) p.editor.MakeCopyForUndo("Absatzformat");
}
BENCHMARK(SnapshotOfThatDocument)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
