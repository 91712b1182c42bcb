// editor_painting.cpp — the editor's side of painting: status texts, the
// layout pass a paint asks for, and the zoom that follows the window.
#include <cmath>

#include "editing/editor.h"
#include "layout/page_painter.h"

namespace vendaro {

PaintOutcome Editor::DrawPages(Canvas& canvas, bool printMode, int originY, int originX, int page) {
  const PaintOutcome out = vendaro::DrawPages(doc_, canvas, viewOptions_, paintState_, printMode, originY, originX, page);
  if (out.resized) {
    host_.requestRepaint();
    return out;
  }
  if (!out.pageStatus.empty()) {
    host_.setStatusText(kPanelPage, out.pageStatus);
    host_.setStatusText(kPanelLine, out.lineStatus);
  }
  const bool wantsLayout = out.wantsLayout();
  if (wantsLayout && layoutRequestsInARow_ < kMaxLayoutRequestsInARow) {
    ++layoutRequestsInARow_;
    MakeSoftEnters();
    host_.requestRepaint();
  } else if (!wantsLayout) {
    layoutRequestsInARow_ = 0;
  }
  if (paintState_.clickResolved) host_.requestRepaint();
  if (out.completeRefresh) CompleteRefresh();
  return out;
}

bool Editor::FormResize(const PaintViewport& viewport, int dpi) {
  paintState_.viewport = viewport;
  const double zoom = FormResizeZoom(doc_, dpi, viewport);
  if (std::fabs(zoom - doc_.ZoomPercent) < 1e-9) return false;
  doc_.ZoomPercent = zoom;
  host_.zoomChanged();
  host_.requestRepaint();
  return true;
}

}  // namespace vendaro
