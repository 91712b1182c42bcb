// ruler_commands.cpp — the editor's side of the horizontal ruler: a press
// chooses what is dragged, moves follow the mouse with the guide line over
// the page view, and the release writes the changed values to every
// selected paragraph as one undo step "Absatzformat".
#include <algorithm>

#include "document/caret_moves.h"
#include "editing/editor.h"

namespace vendaro {

void Editor::PaintBox3MouseDown(int x, int y, int width, bool freeDrag, int32_t tabKind) {
  if (RulerDragMode != kRulerDragNone || !formattingAllowed()) return;
  RulerDrag drag;
  drag.geometry = paintState_.ruler;
  drag.width = width;
  drag.values = getabsatzformat(doc_);
  drag.tabs = drag.values.Para.Tabs;
  drag.freeDrag = freeDrag;
  const RulerMarkers markers = rulerMarkers(drag.geometry, width, drag.tabs);
  const RulerHit hit = rulerHitTest(markers, x, y);
  drag.mode = hit.mode;
  drag.tabIndex = hit.tabIndex;
  const bool newStop = hit.mode == kRulerDragNone && y > kRulerLowerPartY && insideColumn(markers, x);
  if (newStop) drag.mode = kRulerDragTabStop;
  if (drag.mode == kRulerDragNone) return;
  moveRulerDrag(drag, x);
  if (newStop) {
    // The stop lives in the drag alone until the release applies it.
    const TTabStop stop{drag.valueMm, std::clamp(tabKind, 0, kRulerTabKinds - 1), 0};
    const auto at = std::upper_bound(drag.tabs.begin(), drag.tabs.end(), stop.Pos,
                                     [](double pos, const TTabStop& t) { return pos < t.Pos; });
    drag.tabIndex = static_cast<int32_t>(at - drag.tabs.begin());
    drag.tabs.insert(at, stop);
    drag.newTab = true;
  }
  rulerDrag_ = std::move(drag);
  RulerDragMode = rulerDrag_.mode;
  showRulerGuide();
}

void Editor::PaintBox3MouseMove(int x) {
  if (RulerDragMode == kRulerDragNone) return;
  moveRulerDrag(rulerDrag_, x);
  showRulerGuide();
}

void Editor::showRulerGuide() {
  paintState_.overlay.show(OverlayOwner::rulerGuide, ViewOverlay::verticalLine(rulerDrag_.dragX + paintState_.viewport.scrollX));
  host_.dragMarksChanged();
}

void Editor::PaintBox3MouseUp() {
  if (RulerDragMode == kRulerDragNone) return;
  const bool spoilt = RulerDragMode == kRulerDragCancelled;
  const RulerDrag drag = std::move(rulerDrag_);
  cancelRulerDrag();
  if (spoilt) return;
  ParagraphValues values = drag.values;
  if (const uint32_t fields = applyRulerDrag(drag, values.Para)) writeParagraphFields(values, fields);
}

void Editor::cancelRulerDrag() {
  const bool dragging = RulerDragMode != kRulerDragNone;
  RulerDragMode = kRulerDragNone;
  rulerDrag_ = RulerDrag{};
  if (paintState_.overlay.hide(OverlayOwner::rulerGuide) || dragging) host_.dragMarksChanged();
}

void Editor::rulerDragKey(int32_t key) {
  if (key == kKeyEscape) {
    cancelRulerDrag();
    return;
  }
  RulerDragMode = kRulerDragCancelled;
  host_.dragMarksChanged();
}

RulerMarkers Editor::horizontalRulerPicture(int width) const {
  if (RulerDragMode != kRulerDragNone) return draggedMarkers(rulerDrag_, RulerDragMode == kRulerDragCancelled);
  const TLineRec* line = lineAt(doc_, caretPos(doc_));
  static const std::vector<TTabStop> kNoStops;
  return rulerMarkers(paintState_.ruler, width, line ? line->Para.Tabs : kNoStops);
}

}  // namespace vendaro
