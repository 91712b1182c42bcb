// page_painter.h — DrawPages: paints the laid-out document as a stack of
// pages into the scroll box's paint box (screen mode), or one page onto a
// printer canvas (print mode), finishing the layout on the way and leaving
// the caret, ruler geometry, mouse lists and status texts behind.
#pragma once

#include <cstdint>
#include <optional>

#include "document/document.h"
#include "layout/paint_state.h"
#include "platform/canvas.h"

namespace vendaro {

// Screen mode paints every page that the viewport shows plus the caret's
// page, in paint-box coordinates: the canvas's visible rectangle says which
// part of the paint box is composed, so memory follows the window, not the
// paper. Print mode paints page `page` (zero-based) at the origin, at zoom
// 100, without screen marks.
PaintOutcome DrawPages(Document& doc, Canvas& canvas, const ViewOptions& options, PaintState& state, bool printMode,
                       int originY = 0, int originX = 0, int page = 0);

// The zoom of the page-width (1) and whole-page (2) modes for the scroll
// box's size; the current zoom for any other mode.
double FormResizeZoom(const Document& doc, int dpi, const PaintViewport& viewport);

// The page of the last screen paint whose paper holds paint-box point
// (x, y), with the pixel its frames measure from; none beside the pages.
struct PageHit {
  int32_t page = 0;
  int left = 0, top = 0;
};
std::optional<PageHit> pageAtPoint(const Document& doc, const PaintState& state, int x, int y);

// The page a caret in its frame is shown on: headers and footers are on
// several pages, so theirs is the page it was last painted on.
int32_t caretFramePage(const Document& doc);

}  // namespace vendaro
