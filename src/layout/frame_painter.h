// frame_painter.h — paints one frame on the page being painted: its fill,
// border or shape, the picture of a picture frame, the selection ring and
// sizing handles of a current object, the grey guide lines of its margins,
// and (for text frames) its lines, clipped to the frame.
#pragma once

#include <array>
#include <cstdint>

#include "layout/paint_context.h"

namespace vendaro {

// Where a frame stands on the canvas of this paint.
FramePlacement placeFrame(const PaintContext& ctx, const TFieldRec& frame);

// The eight sizing handles inside a grip area (the frame grown by 6 pixels),
// in handle order: the corners top-left, top-right, bottom-left,
// bottom-right, then the middles of the top, bottom, left and right edges.
std::array<CanvasRect, 8> handleRects(const CanvasRect& grip, int cornerSize);
CanvasRect grown(const CanvasRect& r, int by);

// The frame's fill (clear when transparent and white) and border (clear
// when it has no width).
struct FrameTools {
  CanvasPen pen;
  CanvasBrush brush;
};
FrameTools frameTools(const TFieldRec& frame, const ViewScale& scale);

// The picture a picture frame shows: its first cell's, when that has pixels.
const TPictureRec* framePicture(const Document& doc, const TFieldRec& frame);
// Where the picture stands in its frame's rectangle.
CanvasRect pictureArea(const CanvasRect& frameRect, const TPictureRec& picture, bool keepAspect);

struct FrameFocus {
  bool anyObjectSelected = false;  // on this page
  int32_t hitFrame = -1;           // the frame a pending click landed in
};

// Paints the frame and returns its line geometry (empty for shapes).
FrameGeometry paintFrame(PaintContext& ctx, int32_t field, const FrameFocus& focus);

// The handles of a frame, drawn again on top after all pages.
void paintHandles(PaintContext& ctx, const CanvasRect& rect, int cornerSize);

}  // namespace vendaro
