// pdf_page_painter.h — DrawPagesPDF: one page of a settled document drawn on
// the PDF writer in points, as it prints: the frames in the painter's order,
// their lines from the shared line geometry, each frame's text clipped to
// its text area. It starts no layout pass.
#pragma once

#include <cstdint>
#include <optional>

#include "document/document.h"
#include "output/pdf_canvas.h"
#include "platform/drawing_tools.h"

namespace vendaro {

// The paper of the document in whole points: the size of its PDF pages.
struct PaperPoints {
  int width = 0;
  int height = 0;
};
PaperPoints paperPoints(const Document& doc);

// Draws page `pageIndex` (zero-based) with the page's top-left corner at
// (originX, originY) points on the canvas's current page. Nothing is drawn
// outside `limit` when one is given (a poster sheet showing part of the
// page). Page-number fields take the page's number, as on screen.
void DrawPagesPDF(TPDFCanvas& canvas, Document& doc, int32_t pageIndex, int originX = 0, int originY = 0,
                  std::optional<CanvasRect> limit = std::nullopt);

}  // namespace vendaro
