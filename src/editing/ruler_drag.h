// ruler_drag.h — a drag on the horizontal ruler: what the press took (a
// marker, a stop, or a new stop), where the mouse snapped to, and the
// paragraph values the release writes. The document itself is not touched
// before the release, so a drag that ends without applying leaves no trace.
#pragma once

#include <cstdint>
#include <vector>

#include "document/paragraph_format.h"
#include "layout/paint_state.h"
#include "layout/ruler_markers.h"

namespace vendaro {

// Markers keep this many millimetres between the text's left edge (first
// line or others) and its right edge, so that a line always has room.
inline constexpr double kMinTextWidthMm = 5.0;

struct RulerDrag {
  int32_t mode = 0;              // what the press took (RulerDragModeValue)
  RulerGeometry geometry;        // as published when the button went down
  int width = 0;                 // the ruler's width then
  ParagraphValues values;        // the caret paragraph's, as they were
  std::vector<TTabStop> tabs;    // its stops with the one this press created
  int32_t tabIndex = -1;         // the dragged stop in `tabs`
  bool newTab = false;           // the stop was created by this press
  bool freeDrag = false;         // right button: no snapping
  int dragX = 0;                 // where the dragged marker or stop stands
  int bestSnapDistance = -1;     // from the mouse to the tick snapped to; -1 none
  double valueMm = 0;            // the millimetres under the mouse, kept usable

  RulerAxis axis() const { return horizontalAxis(geometry, width); }
  double columnWidthMm() const { return geometry.mmAtRight - geometry.mmAtLeft; }
};

// Moves the drag to the mouse x: snapped to the nearest drawn tick (left
// button) or free, then held where the released value stays usable.
void moveRulerDrag(RulerDrag& drag, int mouseX);

// The ruler's picture during the drag: the dragged marker or stop at the
// drag x, and no new stop once the drag was spoilt.
RulerMarkers draggedMarkers(const RulerDrag& drag, bool spoilt);

// Writes the released value into `para` (a copy of values.Para) and
// returns the fields that changed; 0 when nothing did.
uint32_t applyRulerDrag(const RulerDrag& drag, TParaFormat& para);

}  // namespace vendaro
