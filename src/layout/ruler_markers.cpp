#include "layout/ruler_markers.h"

namespace vendaro {
namespace {

struct Zone {
  int left, right, top, bottom;  // inclusive
  bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

Zone markerZone(int markerX, int top, int bottom) { return {markerX, markerX + 2 * kMarkerHalfWidth, top, bottom}; }

// A stop's zone reaches `before` pixels left and `after` right of its
// image's foot, which each kind places differently around the stop.
Zone stopZone(const RulerStop& stop) {
  struct Reach {
    int width, before;
  };
  static constexpr Reach kReach[kRulerTabKinds] = {{6, 0}, {6, 4}, {8, 3}, {8, 3}};
  const Reach r = kReach[stop.kind >= 0 && stop.kind < kRulerTabKinds ? stop.kind : 0];
  return {stop.x - r.before - 2, stop.x + r.width - r.before + 1, 12, 18};
}

}  // namespace

RulerAxis horizontalAxis(const RulerGeometry& geometry, int width) {
  return {geometry.columnLeft, geometry.columnRight, geometry.mmAtLeft, geometry.mmAtRight, width};
}

RulerAxis verticalAxis(const RulerGeometry& geometry, int height) {
  return {geometry.textTop, geometry.textBottom, 0.0, geometry.frameHeightMm, height};
}

RulerMarkers rulerMarkers(const RulerGeometry& geometry, int width, std::span<const TTabStop> tabs) {
  RulerMarkers m;
  m.axis = horizontalAxis(geometry, width);
  m.shown = geometry.valid && m.axis.usable();
  if (!m.shown) return m;
  const int left = geometry.columnLeft, right = geometry.columnRight;
  m.firstLineX = left + geometry.leftIndent + geometry.firstLineIndent - kMarkerHalfWidth;
  m.leftX = left + geometry.leftIndent - kMarkerHalfWidth;
  m.rightX = right - geometry.rightIndent - kMarkerHalfWidth;
  m.stops.reserve(tabs.size());
  for (const TTabStop& tab : tabs) m.stops.push_back({m.axis.pixelOf(tab.Pos), tab.TabAlign});
  return m;
}

RulerHit rulerHitTest(const RulerMarkers& m, int x, int y) {
  RulerHit hit;
  if (!m.shown) return hit;
  if (markerZone(m.firstLineX, 2, 9).contains(x, y)) hit.mode = kRulerDragFirstLine;
  if (markerZone(m.leftX, 10, 16).contains(x, y)) hit.mode = kRulerDragLeftKeepFirst;
  if (markerZone(m.leftX, 17, 23).contains(x, y)) hit.mode = kRulerDragLeftIndent;
  if (markerZone(m.rightX, 10, 17).contains(x, y)) hit.mode = kRulerDragRightIndent;
  for (size_t i = 0; i < m.stops.size(); ++i) {
    if (!stopZone(m.stops[i]).contains(x, y)) continue;
    hit.mode = kRulerDragTabStop;
    hit.tabIndex = static_cast<int32_t>(i);
  }
  return hit;
}

bool insideColumn(const RulerMarkers& m, int x) { return m.shown && x >= m.axis.startPx && x <= m.axis.endPx; }

}  // namespace vendaro
