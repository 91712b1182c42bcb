#include "editing/ruler_drag.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace vendaro {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Released values a paragraph can live with: a stop inside the column and
// right of its left edge (a stop at 0 is no stop), markers that never
// cross. Indents into the margins stay allowed.
double usableValue(const RulerDrag& drag, double value) {
  const TParaFormat& p = drag.values.Para;
  const double width = drag.columnWidthMm();
  const double textRight = width - p.RightIndent;
  switch (drag.mode) {
    case kRulerDragFirstLine:
    case kRulerDragLeftKeepFirst:
      return std::min(value, textRight - kMinTextWidthMm);
    case kRulerDragLeftIndent:
      // The first line moves along and must keep its room too.
      return std::min(value, textRight - kMinTextWidthMm - std::max(0.0, p.FirstLineIndent));
    case kRulerDragRightIndent:
      return std::max(value, std::max(p.LeftIndent, p.LeftIndent + p.FirstLineIndent) + kMinTextWidthMm);
    case kRulerDragTabStop: {
      const double onePixel = 1.0 / drag.axis().pixelsPerMm();
      return std::clamp(value, std::min(onePixel, width), width);
    }
    default:
      return value;
  }
}

}  // namespace

void moveRulerDrag(RulerDrag& drag, int mouseX) {
  const RulerAxis axis = drag.axis();
  if (!axis.usable()) return;
  double mm = axis.mmOf(mouseX);
  int x = mouseX;
  drag.bestSnapDistance = -1;
  if (!drag.freeDrag) {
    // Stops snap only to ticks where a stop can stand.
    const bool stop = drag.mode == kRulerDragTabStop;
    const double lowest = stop ? std::nextafter(drag.geometry.mmAtLeft, kInfinity) : -kInfinity;
    const double highest = stop ? drag.geometry.mmAtRight : kInfinity;
    if (const std::optional<RulerMark> mark = nearestMark(rulerMarks(axis), mouseX, lowest, highest)) {
      mm = static_cast<double>(mark->mm);
      x = mark->px;
      drag.bestSnapDistance = std::abs(mark->px - mouseX);
    }
  }
  const double value = mm - drag.geometry.mmAtLeft;
  const double held = usableValue(drag, value);
  if (held != value) x = axis.pixelOf(held + drag.geometry.mmAtLeft);
  drag.valueMm = held;
  drag.dragX = x;
}

RulerMarkers draggedMarkers(const RulerDrag& drag, bool spoilt) {
  std::vector<TTabStop> tabs = drag.tabs;
  if (spoilt && drag.newTab && drag.tabIndex >= 0) tabs.erase(tabs.begin() + drag.tabIndex);
  RulerMarkers m = rulerMarkers(drag.geometry, drag.width, tabs);
  if (spoilt || !m.shown) return m;
  const int at = drag.dragX - kMarkerHalfWidth;
  switch (drag.mode) {
    case kRulerDragFirstLine:
      m.firstLineX = at;
      break;
    case kRulerDragLeftIndent:
      m.leftX = at;
      m.firstLineX = at + drag.geometry.firstLineIndent;
      break;
    case kRulerDragLeftKeepFirst:
      m.leftX = at;
      break;
    case kRulerDragRightIndent:
      m.rightX = at;
      break;
    case kRulerDragTabStop:
      if (drag.tabIndex >= 0 && static_cast<size_t>(drag.tabIndex) < m.stops.size())
        m.stops[static_cast<size_t>(drag.tabIndex)].x = drag.dragX;
      break;
    default:
      break;
  }
  return m;
}

namespace {

uint32_t applyTabStop(const RulerDrag& drag, TParaFormat& para) {
  if (drag.tabIndex < 0 || static_cast<size_t>(drag.tabIndex) >= drag.tabs.size()) return 0;
  std::vector<TTabStop> tabs = drag.tabs;
  TTabStop moved = tabs[static_cast<size_t>(drag.tabIndex)];
  moved.Pos = drag.valueMm;
  tabs.erase(tabs.begin() + drag.tabIndex);
  // Dropped on another stop, the dragged one takes its place.
  std::erase_if(tabs, [&](const TTabStop& t) { return t.Pos == moved.Pos; });
  tabs.push_back(moved);
  std::stable_sort(tabs.begin(), tabs.end(), [](const TTabStop& a, const TTabStop& b) { return a.Pos < b.Pos; });
  if (tabs == para.Tabs) return 0;
  para.Tabs = std::move(tabs);
  return kParaTabs;
}

}  // namespace

uint32_t applyRulerDrag(const RulerDrag& drag, TParaFormat& para) {
  const double v = drag.valueMm;
  switch (drag.mode) {
    case kRulerDragFirstLine:
      if (v - para.LeftIndent == para.FirstLineIndent) return 0;
      para.FirstLineIndent = v - para.LeftIndent;
      return kParaFirstLineIndent;
    case kRulerDragLeftIndent:
      if (v == para.LeftIndent) return 0;
      para.LeftIndent = v;
      return kParaLeftIndent;
    case kRulerDragLeftKeepFirst:
      if (v == para.LeftIndent) return 0;
      para.FirstLineIndent -= v - para.LeftIndent;
      para.LeftIndent = v;
      return kParaLeftIndent | kParaFirstLineIndent;
    case kRulerDragRightIndent: {
      const double right = drag.columnWidthMm() - v;
      if (right == para.RightIndent) return 0;
      para.RightIndent = right;
      return kParaRightIndent;
    }
    case kRulerDragTabStop:
      return applyTabStop(drag, para);
    default:
      return 0;
  }
}

}  // namespace vendaro
