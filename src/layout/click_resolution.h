// click_resolution.h — turns a pending mouse click, drag selection or text
// drag into a text position while a frame's lines are painted: the caret
// and anchor move, a margin click selects the line, a click on an inline
// picture selects it, and a text drag shows where it would drop.
#pragma once

#include "layout/paint_context.h"

namespace vendaro {

// The position under the mouse in one frame's lines, when there is one.
struct ClickTarget {
  bool found = false;
  TextPos pos;
  bool leftOfFirstCell = false;  // in the margin before the line's text
  bool onPicture = false;        // inside an inline picture's rectangle
  const LineGeometry* line = nullptr;
};

ClickTarget findClickTarget(const PaintContext& ctx, const FrameGeometry& geometry, const FramePlacement& place, int x, int y);

// Applies a pending click to the frame just painted (screen mode only).
void resolveTextClick(PaintContext& ctx, const FrameGeometry& geometry, const FramePlacement& place);

}  // namespace vendaro
