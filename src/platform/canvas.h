// canvas.h — the drawing surface the page painter works on: GDI-like calls in
// whole device pixels (pens, brushes, fonts, lines, rectangles, ellipses, text
// runs, pictures, clipping, inversion). The Qt front end draws them on a
// widget, an image or a printer; tests record them.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/canvas_path.h"
#include "platform/dib.h"
#include "platform/drawing_tools.h"
#include "platform/font_engine.h"

namespace vendaro {

// How a new clip shape meets the clip in force.
enum class ClipCombine : uint8_t { replace, intersect, exclude, unite };
// How a picture's pixels meet those beneath: copied, or combined bit by bit
// (AND, OR, XOR) as GDI's SRCAND, SRCPAINT and SRCINVERT do.
enum class PictureBlend : uint8_t { copy, sourceAnd, sourcePaint, sourceInvert };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // Pixels per inch of the surface (what GDI calls LOGPIXELSX).
  virtual int dpi() const = 0;
  // The part of the surface that will be seen, in its own coordinates.
  // Drawing outside it is wasted work; painters skip what lies beyond it.
  virtual CanvasRect visibleRect() const = 0;

  virtual void setPen(const CanvasPen& pen) = 0;
  virtual void setBrush(const CanvasBrush& brush) = 0;
  // The font of the following text runs, as the font engine resolves it;
  // `strikeOut` is drawn by the surface. Underlines are the painter's own.
  virtual void setFont(const FontSpec& font, bool strikeOut) = 0;
  virtual void setTextColor(uint32_t color) = 0;

  // From (x1, y1) to (x2, y2), the end point itself not drawn.
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  // Filled with the brush and outlined with the pen inside the rectangle;
  // right and bottom lie outside, as with every CanvasRect.
  virtual void rectangle(const CanvasRect& r) = 0;
  virtual void ellipse(const CanvasRect& r) = 0;
  // Solid fill without outline, whatever the brush.
  virtual void fillRect(const CanvasRect& r, uint32_t color) = 0;
  // Code page 1252 bytes (or symbol codes of a symbol font) with the top of
  // the text line at y and a transparent background. Each byte advances by
  // the font engine's width, or by `advances` (one per byte) when given.
  virtual void textOut(int x, int y, std::string_view text, std::span<const int> advances = {}) = 0;
  // The picture stretched into the rectangle.
  virtual void drawPicture(const CanvasRect& dest, const TPictureRec& picture) = 0;

  // Drawing is limited to the rectangle until the clip is cleared.
  virtual void setClip(const CanvasRect& r) = 0;
  virtual void clearClip() = 0;
  // Every pixel of the rectangle becomes its inverse colour.
  virtual void invertRect(const CanvasRect& r) = 0;

  // The calls below serve pictures drawn from outside (metafiles). Their
  // defaults fall back on the calls above, so a surface that never draws
  // such pictures need not implement them.

  // Fills the path with the brush (by its fill rule) when `fill`, and
  // outlines it with the pen when `stroke`. The default outlines only.
  virtual void drawPath(const CanvasPath& path, bool fill, bool stroke);
  // Combines the clip with the path's area. The default clips to the
  // bounds of a replacing or intersecting shape and ignores the others.
  virtual void clipPath(const CanvasPath& path, ClipCombine how);
  // Text turned counter-clockwise by `degrees` about (x, y), the top-left
  // corner of its cell. The default draws it unturned.
  virtual void textOutRotated(int x, int y, double degrees, std::string_view text, std::span<const int> advances);
  // The picture stretched into the rectangle and combined with what lies
  // beneath. The default copies it whatever the blend.
  virtual void blendPicture(const CanvasRect& dest, const TPictureRec& picture, PictureBlend blend);
};

}  // namespace vendaro
