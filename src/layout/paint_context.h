// paint_context.h — what the steps of one paint share: the document, the
// surface with its scale, the view options, the window's paint state, the
// selection and the page being painted.
#pragma once

#include <cmath>
#include <cstdint>

#include "document/document.h"
#include "document/selection.h"
#include "layout/line_geometry.h"
#include "layout/paint_state.h"
#include "layout/view_scale.h"
#include "platform/canvas.h"

namespace vendaro {

// Colours of the painter's own marks (0x00BBGGRR).
inline constexpr uint32_t kWhite = 0xFFFFFF;
inline constexpr uint32_t kBlack = 0x000000;
inline constexpr uint32_t kSilver = 0xC0C0C0;  // guide and grid lines
inline constexpr uint32_t kRed = 0x0000FF;     // spelling zigzags
// Width of the grip ring around an object frame, pixels.
inline constexpr int kGripRing = 6;

struct PaintContext {
  PaintContext(Document& d, Canvas& c, const ViewScale& s, const ViewOptions& o, PaintState& st, bool print)
      : doc(d), canvas(c), scale(s), options(o), state(st), printMode(print) {}

  Document& doc;
  Canvas& canvas;
  const ViewScale& scale;
  const ViewOptions& options;
  PaintState& state;
  const bool printMode;

  bool hasSelection = false;
  SelectionRange selection;
  int32_t page = 0;
  int pageLeft = 0, pageTop = 0;  // the page's top-left corner on the canvas
  // False while painting a header or footer that shows the caret on a page
  // other than the one it was last painted on.
  bool recordsCaret = true;
  GeometryEffects effects;

  // Screen-only marks: never printed, and spelling, guide and grid lines
  // are hidden in the page preview too.
  bool showsMarks() const { return !printMode; }
  bool showsHelpers() const { return !printMode && !options.PageView; }
  bool visible(const CanvasRect& r) const {
    const CanvasRect v = canvas.visibleRect();
    return r.left < v.right && r.right > v.left && r.top < v.bottom && r.bottom > v.top;
  }
};

// A frame's rectangle on the canvas and where its lines are measured from.
struct FramePlacement {
  CanvasRect rect;      // from its left/top to just past its right/bottom
  int textLeft = 0;     // pixel of the text area's left edge
  int top = 0;          // pixel of the frame's top edge (lines count from it)
  double mmPerPixel = 0;
  bool nearest = false; // rounds millimetres to the nearest pixel

  int x(double mmFromTextArea) const { return textLeft + toPixels(mmFromTextArea); }
  int y(double mmFromTop) const { return top + toPixels(mmFromTop); }
  int toPixels(double mm) const {
    const double pixels = mm / mmPerPixel;
    return static_cast<int>(nearest ? std::nearbyint(pixels) : std::trunc(pixels));
  }
};

// Where a frame stands on a page whose top-left corner is at (ox, oy), as
// printed: its rectangle from the page's edges and its text area.
FramePlacement placeFrameOnPage(const ViewScale& scale, const TFieldRec& frame, int ox, int oy);

}  // namespace vendaro
