// object_drag.h — the page view's object drags in paint-box pixels: the
// rubber band of a new object, the outline of a frame moved or resized by
// one of its handles, and the outline of a picture cell being resized; and
// the arithmetic that turns each outline into millimetres on release.
#pragma once

#include <cstdint>

#include "document/frame_insertion.h"
#include "document/text_pos.h"
#include "layout/paint_state.h"

namespace vendaro {

enum class ObjectDragKind { none, rubberBand, frame, pictureCell };

// What the pointer shows over the page view.
enum class PointerShape { unchanged, text, columnEdge, move, sizeNwSe, sizeNeSw, sizeNs, sizeWe, cross, pointingHand };

// The smallest objects: a dragged side, and a new object placed by a click.
inline constexpr double kMinimumObjectMm = 2.5;
inline constexpr double kClickedObjectMm = 24.5;
// A picture cell keeps at least this many pixels a side.
inline constexpr int kMinimumPicturePixels = 10;

struct ObjectDrag {
  ObjectDragKind kind = ObjectDragKind::none;
  int startX = 0, startY = 0;  // rubber band: the press
  bool moved = false;          // the mouse moved while the button was down
  ObjectGrip grip;             // frame: what the press on its grip recorded
  PictureGrip picture;         // picture cell: the handle and the picture's rectangle
  CanvasRect outline;          // the rectangle shown now
  bool outlineShown = false;
};

// The rubber band from the press to (x, y), its corners in any order.
CanvasRect rubberBand(int startX, int startY, int x, int y);

// A new object's edges in mm on a page from a rubber band's two corners in
// mm: ordered, with `flip` set when exactly one axis was swapped, and at
// least 2.5 mm (after a drag) or 24.5 mm (after a plain click) a side.
struct NewObjectPlace {
  FrameEdges edges;
  bool flip = false;
};
NewObjectPlace normaliseNewObject(double x1, double y1, double x2, double y2, bool moved);

// The outline of a grip drag with the mouse at (x, y): a body press moves
// the whole area, a handle moves its edge or corner.
CanvasRect draggedGripOutline(const ObjectGrip& grip, int x, int y);

// The frame edges (mm from the page's top-left corner) after a grip drag
// ended in `outline`. Sides not dragged keep their place; a move shifts all;
// crossed sides are exchanged (toggling `flip`); at least 2.5 mm a side.
struct DraggedEdges {
  FrameEdges edges;
  bool flipToggled = false;
};
DraggedEdges edgesAfterGripDrag(const ObjectGrip& grip, const FrameEdges& before, const CanvasRect& outline);

// The outline of a picture cell resized by `handle` (1–4 corners, keeping
// the proportions by the smaller scale, 5–8 one edge) to (x, y).
CanvasRect draggedPictureOutline(const PictureGrip& grip, int x, int y);

// The pointer over a mouse object of `kind`.
PointerShape pointerForMouseObject(int32_t kind);

}  // namespace vendaro
