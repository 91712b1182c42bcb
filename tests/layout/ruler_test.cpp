// The rulers without a window: tick and number positions at several zooms
// (against a plain walk over every millimetre), snapping, the hit zones of
// markers and stops, and what is drawn for unusable geometry.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <random>

#include "layout/ruler_artwork.h"
#include "layout/ruler_markers.h"
#include "layout/ruler_painter.h"
#include "layout/ruler_scale.h"
#include "support/property_seeds.h"
#include "support/recording_canvas.h"

namespace vendaro {
namespace {

using test::RecordingCanvas;
using Op = RecordingCanvas::Op;

constexpr double kMmPerInch = 25.39995;

}  // namespace

void PrintTo(const RulerMark& m, std::ostream* os) {
  *os << m.mm << "mm@" << m.px << "/" << static_cast<int>(m.kind);
}

namespace {

// A column `widthMm` wide starting at pixel `left`, at `zoom` percent and
// 96 dpi, on a ruler `length` pixels long.
RulerAxis axisAt(double zoom, double widthMm, int left = 50, int length = 1000) {
  const double pxPerMm = 96.0 / kMmPerInch * zoom / 100.0;
  return {left, left + static_cast<int>(widthMm * pxPerMm), 0.0, widthMm, length};
}

// The rule as written: every whole millimetre from one end of the ruler to
// the other, a 5 mm tick more than 4 pixels after the last, a centimetre
// mark more than 9 pixels after the last, numbers and lines alternating.
std::vector<RulerMark> everyMillimetre(const RulerAxis& axis) {
  std::vector<RulerMark> marks;
  if (!axis.usable()) return marks;
  std::optional<int> lastTick, lastCentimetre;
  bool number = true;
  for (auto m = static_cast<int64_t>(std::ceil(axis.mmOf(0))); m <= static_cast<int64_t>(std::floor(axis.mmOf(axis.lengthPx))); ++m) {
    const int x = axis.pixelOf(static_cast<double>(m));
    if (std::llabs(m) % 10 == 5 && (!lastTick || x - *lastTick > kHalfCentimetreGapPx)) {
      marks.push_back({x, m, RulerMarkKind::halfCentimetre});
      lastTick = x;
    }
    if (m % 10 == 0 && (!lastCentimetre || x - *lastCentimetre > kCentimetreGapPx)) {
      marks.push_back({x, m, number ? RulerMarkKind::centimetreNumber : RulerMarkKind::centimetreLine});
      number = !number;
      lastCentimetre = x;
    }
  }
  std::stable_sort(marks.begin(), marks.end(), [](const RulerMark& a, const RulerMark& b) { return a.px < b.px; });
  return marks;
}

TEST(RulerScale, TicksAndNumbersAtZoom100) {
  const RulerAxis axis = axisAt(100, 170);
  const std::vector<RulerMark> marks = rulerMarks(axis);
  ASSERT_EQ(marks, everyMillimetre(axis));
  // The ruler starts 13 mm left of the column: -10 is the first centimetre
  // mark and so a number, 0 a line, 10 a number again.
  const auto at = [&](int64_t mm) {
    for (const RulerMark& m : marks)
      if (m.mm == mm) return m;
    ADD_FAILURE() << "no mark at " << mm;
    return RulerMark{};
  };
  EXPECT_EQ(at(-10), (RulerMark{50 - 37, -10, RulerMarkKind::centimetreNumber}));
  EXPECT_EQ(at(-5), (RulerMark{50 - 18, -5, RulerMarkKind::halfCentimetre}));
  EXPECT_EQ(at(0), (RulerMark{50, 0, RulerMarkKind::centimetreLine}));
  EXPECT_EQ(at(5), (RulerMark{68, 5, RulerMarkKind::halfCentimetre}));
  EXPECT_EQ(at(10), (RulerMark{87, 10, RulerMarkKind::centimetreNumber}));
  EXPECT_EQ(at(170).px, axis.endPx);
  // Every 5 mm of the ruler has its mark at this zoom.
  EXPECT_EQ(marks.size(), static_cast<size_t>((at(marks.back().mm).mm - marks.front().mm) / 5 + 1));
}

TEST(RulerScale, TicksThinOutAtZoom25And2) {
  for (const double zoom : {25.0, 2.0}) {
    const RulerAxis axis = axisAt(zoom, 841);  // an A0 page's width
    const std::vector<RulerMark> marks = rulerMarks(axis);
    ASSERT_EQ(marks, everyMillimetre(axis)) << zoom;
    int lastTick = -1000, lastCentimetre = -1000;
    for (const RulerMark& m : marks) {
      int& last = m.kind == RulerMarkKind::halfCentimetre ? lastTick : lastCentimetre;
      const int gap = m.kind == RulerMarkKind::halfCentimetre ? kHalfCentimetreGapPx : kCentimetreGapPx;
      EXPECT_GT(m.px - last, gap);
      last = m.px;
    }
  }
  // At 25 % truncation leaves some centimetres 9 pixels apart: those are
  // skipped. At 2 % a drawn tick stands for several centimetres.
  const auto stepsOf = [](const std::vector<RulerMark>& marks, RulerMarkKind kind) {
    std::vector<int64_t> steps;
    std::optional<int64_t> last;
    for (const RulerMark& m : marks) {
      if ((m.kind == RulerMarkKind::halfCentimetre) != (kind == RulerMarkKind::halfCentimetre)) continue;
      if (last) steps.push_back(m.mm - *last);
      last = m.mm;
    }
    return steps;
  };
  const std::vector<int64_t> quarter = stepsOf(rulerMarks(axisAt(25, 841)), RulerMarkKind::centimetreLine);
  EXPECT_NE(std::count(quarter.begin(), quarter.end(), 20), 0);
  EXPECT_NE(std::count(quarter.begin(), quarter.end(), 10), 0);
  for (const int64_t step : stepsOf(rulerMarks(axisAt(2, 841)), RulerMarkKind::halfCentimetre)) EXPECT_GE(step, 60);
}

TEST(RulerScale, MatchesTheWalkOverEveryMillimetreOnRandomRulers) {
  std::mt19937 random(17);
  for (unsigned seed = 0; seed < test::propertySeeds(100); ++seed) {
    std::uniform_real_distribution<double> zoom(1, 250), width(0.5, 1000);
    std::uniform_int_distribution<int> left(-3000, 1500), length(1, 2500);
    const RulerAxis axis = axisAt(zoom(random), width(random), left(random), length(random));
    ASSERT_EQ(rulerMarks(axis), everyMillimetre(axis)) << "seed " << seed;
  }
}

TEST(RulerScale, UnusableAxesHaveNoMarksAndHugeScalesStayBounded) {
  EXPECT_TRUE(rulerMarks({100, 100, 0, 0, 500}).empty());     // margins leave no width
  EXPECT_TRUE(rulerMarks({100, 100, 0, 50, 500}).empty());    // less than a pixel
  EXPECT_TRUE(rulerMarks({200, 100, 0, 50, 500}).empty());    // inverted
  EXPECT_TRUE(rulerMarks({100, 200, 0, 0, 500}).empty());
  // One pixel for a billion millimetres: a plain loop would never end.
  const std::vector<RulerMark> marks = rulerMarks({100, 101, 0, 1e9, 2000});
  EXPECT_LE(marks.size(), 2000u / kHalfCentimetreGapPx + 2000u / kCentimetreGapPx + 2);
}

TEST(RulerScale, SnappingPicksTheNearestDrawnMarkInRange) {
  const std::vector<RulerMark> marks = rulerMarks(axisAt(100, 170));
  EXPECT_EQ(nearestMark(marks, 77, -1e9, 1e9)->mm, 5);  // 68 and 87: 9 against 10
  EXPECT_EQ(nearestMark(marks, 78, -1e9, 1e9)->mm, 10);
  EXPECT_EQ(nearestMark(marks, 0, -1e9, 1e9)->mm, -10);
  EXPECT_EQ(nearestMark(marks, 0, 0.5, 170)->mm, 5);   // stops: only inside the column
  EXPECT_EQ(nearestMark(marks, 5000, 0.5, 170)->mm, 170);
  EXPECT_FALSE(nearestMark(marks, 60, 2, 4).has_value());
}

// A column from 100 to 500 with markers away from each other.
RulerGeometry sampleGeometry() {
  RulerGeometry g;
  g.columnLeft = 100;
  g.columnRight = 500;
  g.mmAtRight = 400 / (96.0 / kMmPerInch);
  g.leftIndent = 40;
  g.firstLineIndent = 20;
  g.rightIndent = 30;
  g.textTop = 20;
  g.textBottom = 600;
  g.frameHeightMm = 580 / (96.0 / kMmPerInch);
  g.valid = true;
  return g;
}

TEST(RulerHitZones, EdgesOfEveryMarkerZone) {
  const RulerMarkers m = rulerMarkers(sampleGeometry(), 800, {});
  ASSERT_TRUE(m.shown);
  EXPECT_EQ(m.firstLineX, 156);
  EXPECT_EQ(m.leftX, 136);
  EXPECT_EQ(m.rightX, 466);
  struct Probe {
    int x, y, mode;
  };
  const Probe probes[] = {
      {156, 2, kRulerDragFirstLine}, {164, 9, kRulerDragFirstLine}, {155, 5, 0}, {165, 5, 0}, {160, 1, 0},
      {136, 10, kRulerDragLeftKeepFirst}, {144, 16, kRulerDragLeftKeepFirst}, {135, 12, 0}, {145, 12, 0},
      {136, 17, kRulerDragLeftIndent}, {144, 23, kRulerDragLeftIndent}, {140, 24, 0},
      {466, 10, kRulerDragRightIndent}, {474, 17, kRulerDragRightIndent}, {470, 18, 0}, {465, 12, 0}, {475, 12, 0},
      {300, 12, 0}};
  for (const Probe& p : probes) EXPECT_EQ(rulerHitTest(m, p.x, p.y).mode, p.mode) << p.x << "," << p.y;
}

TEST(RulerHitZones, StopZonesByKindAndLaterRowsWin) {
  RulerGeometry g = sampleGeometry();
  const double mmPerPx = g.mmAtRight / 400;
  // Stops at pixels 200 (left), 250 (centred), 300 (right), 350 (decimal),
  // and one on the right-indent marker's point.
  std::vector<TTabStop> tabs;
  for (int i = 0; i < 4; ++i) tabs.push_back({(100 + 50 * i + 0.5) * mmPerPx, i, 0});
  tabs.push_back({(370 + 0.5) * mmPerPx, 0, 0});
  const RulerMarkers m = rulerMarkers(g, 800, tabs);
  ASSERT_EQ(m.stops.size(), 5u);
  EXPECT_EQ(m.stops[0].x, 200);
  struct Zone {
    int stop, left, right;
  };
  const Zone zones[] = {{0, 198, 207}, {1, 244, 253}, {2, 295, 306}, {3, 345, 356}};
  for (const Zone& z : zones) {
    for (const int y : {12, 18}) {
      EXPECT_EQ(rulerHitTest(m, z.left, y).tabIndex, z.stop);
      EXPECT_EQ(rulerHitTest(m, z.right, y).tabIndex, z.stop);
    }
    EXPECT_EQ(rulerHitTest(m, z.left - 1, 15).mode, 0);
    EXPECT_EQ(rulerHitTest(m, z.right + 1, 15).mode, 0);
    EXPECT_EQ(rulerHitTest(m, z.left, 11).mode, 0);
    EXPECT_EQ(rulerHitTest(m, z.left, 19).mode, 0);
  }
  // The stop at 470 lies on the right-indent marker: the stop wins where
  // both zones meet, the marker keeps the rows the stop does not reach.
  EXPECT_EQ(rulerHitTest(m, 470, 14).mode, kRulerDragTabStop);
  EXPECT_EQ(rulerHitTest(m, 470, 14).tabIndex, 4);
  EXPECT_EQ(rulerHitTest(m, 470, 11).mode, kRulerDragRightIndent);
  EXPECT_TRUE(insideColumn(m, 100));
  EXPECT_TRUE(insideColumn(m, 500));
  EXPECT_FALSE(insideColumn(m, 99));
  EXPECT_FALSE(insideColumn(m, 501));
}

TEST(RulerPainting, UnusableGeometryPaintsTheBandAlone) {
  RulerGeometry zero = sampleGeometry();
  zero.columnRight = zero.columnLeft;
  zero.mmAtRight = 0;
  RulerGeometry negative = sampleGeometry();
  negative.columnRight = negative.columnLeft - 40;
  negative.mmAtRight = -10;
  RulerGeometry none = sampleGeometry();
  none.valid = false;
  for (const RulerGeometry& g : {zero, negative, none}) {
    RecordingCanvas canvas;
    PaintBox3Paint(canvas, FontEngine::shared(), 800, 26, rulerMarkers(g, 800, {}), 0xF0F0F0);
    ASSERT_EQ(canvas.calls.size(), 2u);
    EXPECT_EQ(canvas.calls[1].rect, (CanvasRect{0, 6, 800, 20}));
    EXPECT_EQ(canvas.calls[1].color, kRulerBandColor);
    EXPECT_FALSE(rulerHitTest(rulerMarkers(g, 800, {}), 136, 12).mode);
  }
  RulerGeometry flat = sampleGeometry();
  flat.textBottom = flat.textTop;
  flat.frameHeightMm = 0;
  RecordingCanvas vertical;
  PaintBox4Paint(vertical, FontEngine::shared(), 26, 700, flat, 0xF0F0F0);
  EXPECT_EQ(vertical.calls.size(), 2u);
}

TEST(RulerPainting, HorizontalRulerDrawsColumnTicksNumbersMarkersAndStops) {
  const RulerGeometry g = sampleGeometry();
  const RulerMarkers m = rulerMarkers(g, 800, std::vector<TTabStop>{{20.0, 1, 0}});
  RecordingCanvas canvas;
  PaintBox3Paint(canvas, FontEngine::shared(), 800, 26, m, 0xF0F0F0);
  const auto fills = canvas.of(Op::fill);
  EXPECT_EQ(fills[2]->rect, (CanvasRect{100, 6, 500, 20}));  // the white column
  EXPECT_EQ(fills[2]->color, 0xFFFFFFu);
  // 5 mm ticks from 11 to height - 11, centimetre lines from 10 to height - 10.
  bool tick = false, centimetre = false;
  for (const auto* line : canvas.of(Op::line)) {
    tick |= line->rect == CanvasRect{118, 11, 118, 15};
    centimetre |= line->rect == CanvasRect{137, 10, 137, 16};
  }
  EXPECT_TRUE(tick);
  EXPECT_TRUE(centimetre);
  // The ruler starts 26 mm left of the column: -2 is its first number, so
  // 0 and 2 are numbers too, centred on their marks at y = 6.
  std::vector<const RecordingCanvas::Call*> twos;
  for (const auto* text : canvas.of(Op::text))
    if (text->text == "-2" || text->text == "2") twos.push_back(text);
  ASSERT_EQ(twos.size(), 2u);
  EXPECT_EQ(twos[0]->text, "-2");
  const int width = FontEngine::shared().textWidth(twos[1]->font, "2");
  EXPECT_EQ(twos[1]->rect.left, 175 - width / 2);
  EXPECT_EQ(twos[1]->rect.top, 6);
  for (const auto* text : canvas.of(Op::text)) EXPECT_NE(text->text, "1");  // a line stands there
  // Each image's top row: the markers' outlines and the centred stop's bar.
  const auto drawnAt = [&](int x, int y) {
    for (const auto* f : fills)
      if (f->rect.left == x && f->rect.top == y) return true;
    return false;
  };
  EXPECT_TRUE(drawnAt(156, 2));   // first-line marker
  EXPECT_TRUE(drawnAt(140, 10));  // left indent: its point
  EXPECT_TRUE(drawnAt(470, 10));  // right indent: its point
  const int stop = m.stops[0].x;
  EXPECT_TRUE(drawnAt(stop - tabHotSpot(1) + 10, 12));
}

TEST(RulerPainting, VerticalRulerAndSelector) {
  RecordingCanvas canvas;
  PaintBox4Paint(canvas, FontEngine::shared(), 26, 700, sampleGeometry(), 0xF0F0F0);
  const auto fills = canvas.of(Op::fill);
  EXPECT_EQ(fills[1]->rect, (CanvasRect{6, 0, 20, 700}));
  EXPECT_EQ(fills[2]->rect, (CanvasRect{6, 20, 20, 600}));
  bool tick = false;
  for (const auto* line : canvas.of(Op::line)) tick |= line->rect == CanvasRect{11, 38, 15, 38};
  EXPECT_TRUE(tick);
  EXPECT_FALSE(canvas.texts("2").empty());

  for (int32_t kind = 0; kind < kRulerTabKinds; ++kind) {
    RecordingCanvas selector;
    PaintBox2Paint(selector, 26, 26, kind, 0xF0F0F0);
    ASSERT_GT(selector.calls.size(), 3u);
    for (const auto& call : selector.calls) {
      EXPECT_GE(call.rect.left, 0);
      EXPECT_LE(call.rect.right, 26);
      EXPECT_GE(call.rect.top, 0);
      EXPECT_LE(call.rect.bottom, 26);
    }
  }
  EXPECT_EQ(nextRulerTabKind(0), 1);
  EXPECT_EQ(nextRulerTabKind(3), 0);
}

}  // namespace
}  // namespace vendaro
