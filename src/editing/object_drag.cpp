// object_drag.cpp — outlines of the object drags and their conversion to
// millimetres.
#include "editing/object_drag.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace vendaro {
namespace {

// The grip area lies 6 pixels outside the frame, and the frame 1 and 2
// pixels inside the page's outline: these bring a grip edge back to the
// page-relative pixel the frame's edge was drawn from.
constexpr int kLeftCorrection = 5, kTopCorrection = 4, kRightCorrection = -7, kBottomCorrection = -7;

enum GripHandle : int32_t {
  kBody = 0, kTopLeft = 1, kTopRight = 2, kBottomLeft = 3, kBottomRight = 4,
  kTopMiddle = 5, kBottomMiddle = 6, kLeftMiddle = 7, kRightMiddle = 8
};

bool movesLeft(int32_t h) { return h == kTopLeft || h == kBottomLeft || h == kLeftMiddle; }
bool movesRight(int32_t h) { return h == kTopRight || h == kBottomRight || h == kRightMiddle; }
bool movesTop(int32_t h) { return h == kTopLeft || h == kTopRight || h == kTopMiddle; }
bool movesBottom(int32_t h) { return h == kBottomLeft || h == kBottomRight || h == kBottomMiddle; }

// Puts a side pair in order and keeps it `minimum` apart; true when the
// two were exchanged.
bool orderSides(double& low, double& high, double minimum) {
  const bool swapped = low > high;
  if (swapped) std::swap(low, high);
  high = std::max(high, low + minimum);
  return swapped;
}

}  // namespace

CanvasRect rubberBand(int startX, int startY, int x, int y) {
  return {std::min(startX, x), std::min(startY, y), std::max(startX, x), std::max(startY, y)};
}

NewObjectPlace normaliseNewObject(double x1, double y1, double x2, double y2, bool moved) {
  NewObjectPlace place;
  place.edges = {x1, y1, x2, y2};
  const double minimum = moved ? kMinimumObjectMm : kClickedObjectMm;
  const bool swappedX = orderSides(place.edges.left, place.edges.right, minimum);
  const bool swappedY = orderSides(place.edges.top, place.edges.bottom, minimum);
  place.flip = swappedX != swappedY;
  return place;
}

CanvasRect draggedGripOutline(const ObjectGrip& grip, int x, int y) {
  CanvasRect r = grip.area;
  if (grip.handle == kBody) {
    const int dx = x - grip.offsetLeft - r.left, dy = y - grip.offsetTop - r.top;
    return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
  }
  if (movesLeft(grip.handle)) r.left = x - grip.offsetLeft;
  if (movesRight(grip.handle)) r.right = x + grip.offsetRight;
  if (movesTop(grip.handle)) r.top = y - grip.offsetTop;
  if (movesBottom(grip.handle)) r.bottom = y + grip.offsetBottom;
  return r;
}

DraggedEdges edgesAfterGripDrag(const ObjectGrip& grip, const FrameEdges& before, const CanvasRect& outline) {
  const auto mmX = [&](int px) { return (px - grip.originX) * grip.mmPerPixel; };
  const auto mmY = [&](int px) { return (px - grip.originY) * grip.mmPerPixel; };
  DraggedEdges out;
  FrameEdges& e = out.edges;
  e = before;
  if (grip.handle == kBody) {
    e.left = mmX(outline.left + kLeftCorrection);
    e.top = mmY(outline.top + kTopCorrection);
    e.right = before.right + (e.left - before.left);
    e.bottom = before.bottom + (e.top - before.top);
  } else {
    if (movesLeft(grip.handle)) e.left = mmX(outline.left + kLeftCorrection);
    if (movesRight(grip.handle)) e.right = mmX(outline.right + kRightCorrection);
    if (movesTop(grip.handle)) e.top = mmY(outline.top + kTopCorrection);
    if (movesBottom(grip.handle)) e.bottom = mmY(outline.bottom + kBottomCorrection);
  }
  const bool swappedX = orderSides(e.left, e.right, kMinimumObjectMm);
  const bool swappedY = orderSides(e.top, e.bottom, kMinimumObjectMm);
  out.flipToggled = swappedX != swappedY;
  return out;
}

CanvasRect draggedPictureOutline(const PictureGrip& grip, int x, int y) {
  CanvasRect r = grip.rect;
  const int32_t h = grip.handle;
  if (movesLeft(h)) r.left = x;
  if (movesRight(h)) r.right = x;
  if (movesTop(h)) r.top = y;
  if (movesBottom(h)) r.bottom = y;
  if (h < kTopLeft || h > kBottomRight) return r;
  // A corner keeps the proportions: the smaller scale decides both sides,
  // and the corner opposite the handle stays where it was.
  const int oldWidth = std::max(1, grip.rect.right - grip.rect.left);
  const int oldHeight = std::max(1, grip.rect.bottom - grip.rect.top);
  const double scale = std::min(std::abs(r.right - r.left) / static_cast<double>(oldWidth),
                                std::abs(r.bottom - r.top) / static_cast<double>(oldHeight));
  const int width = static_cast<int>(std::lround(oldWidth * scale));
  const int height = static_cast<int>(std::lround(oldHeight * scale));
  if (movesLeft(h)) r.left = r.right - (x <= r.right ? width : -width);
  else r.right = r.left + (x >= r.left ? width : -width);
  if (movesTop(h)) r.top = r.bottom - (y <= r.bottom ? height : -height);
  else r.bottom = r.top + (y >= r.top ? height : -height);
  return r;
}

PointerShape pointerForMouseObject(int32_t kind) {
  switch (kind) {
    case 0: return PointerShape::text;
    case 1: return PointerShape::columnEdge;
    case 2: return PointerShape::move;
    case kTopLeft + 2: case kBottomRight + 2: return PointerShape::sizeNwSe;
    case kTopRight + 2: case kBottomLeft + 2: return PointerShape::sizeNeSw;
    case kTopMiddle + 2: case kBottomMiddle + 2: return PointerShape::sizeNs;
    case kLeftMiddle + 2: case kRightMiddle + 2: return PointerShape::sizeWe;
    default: return PointerShape::unchanged;
  }
}

}  // namespace vendaro
