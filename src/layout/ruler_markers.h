// ruler_markers.h — where the horizontal ruler draws the paragraph's indent
// markers and tab stops, and which of them a mouse press at (x, y) takes:
// the hit zones of a ruler drag, later zones winning where they overlap.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "document/records.h"
#include "layout/paint_state.h"
#include "layout/ruler_scale.h"

namespace vendaro {

// What a press on the ruler drags; kRulerDragCancelled (99) in
// key_commands.h is the drag a key spoilt.
enum RulerDragModeValue : int32_t {
  kRulerDragFirstLine = 1,     // the first-line marker
  kRulerDragLeftIndent = 2,    // the left-indent marker's lower part: the first line moves along
  kRulerDragRightIndent = 3,
  kRulerDragLeftKeepFirst = 4, // the left-indent marker's middle: the first line stays
  kRulerDragTabStop = 100,
};

// The tab kinds of the selector and their images, in TabAlign order.
inline constexpr int32_t kRulerTabKinds = 4;
inline constexpr const char* kRulerTabKindHints[kRulerTabKinds] = {"Tabstop links", "Tabstop zentiert",
                                                                   "Tabstop rechts", "Tabstop dezimal"};
inline int32_t nextRulerTabKind(int32_t kind) { return kind >= 0 && kind < kRulerTabKinds - 1 ? kind + 1 : 0; }

struct RulerStop {
  int x = 0;            // the stop's pixel
  int32_t kind = 0;     // TabAlign
};

// The picture of the horizontal ruler: each marker by the left edge of its
// 9-pixel image, whose point stands 4 pixels further right.
struct RulerMarkers {
  bool shown = false;   // false: the band alone (no geometry, no width)
  RulerAxis axis;
  int firstLineX = 0, leftX = 0, rightX = 0;
  std::vector<RulerStop> stops;
};

inline constexpr int kMarkerHalfWidth = 4;

// The axis of the horizontal ruler (`width` pixels wide) and of the
// vertical one (`height` pixels high) for the published geometry.
RulerAxis horizontalAxis(const RulerGeometry& geometry, int width);
RulerAxis verticalAxis(const RulerGeometry& geometry, int height);

// The markers where the paragraph's indents and stops put them. The
// column's edges already stand where the column does, so the indents are
// counted from them.
RulerMarkers rulerMarkers(const RulerGeometry& geometry, int width, std::span<const TTabStop> tabs);

struct RulerHit {
  int32_t mode = 0;       // 0: nothing hit
  int32_t tabIndex = -1;  // with kRulerDragTabStop
};
RulerHit rulerHitTest(const RulerMarkers& markers, int x, int y);

// A press below this y inside the column that hits nothing sets a stop.
inline constexpr int kRulerLowerPartY = 11;
bool insideColumn(const RulerMarkers& markers, int x);

}  // namespace vendaro
