// metafile_painter.h — carries out what a metafile's records ask for in
// logical coordinates (shapes, paths, text, bitmaps, clipping, saved
// states) on a Canvas in device pixels. The WMF and EMF players decode
// records into these calls; a call it cannot carry out answers false.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "formats/metafile_state.h"
#include "platform/canvas.h"
#include "platform/font_engine.h"

namespace vendaro::metafile {

enum class ArcKind { arc, chord, pie };

// GDI's raster operations for bitmaps and pattern blits.
enum RasterOperation : uint32_t {
  kSrcCopy = 0x00CC0020,
  kSrcAnd = 0x008800C6,
  kSrcPaint = 0x00EE0086,
  kSrcInvert = 0x00660046,
  kPatCopy = 0x00F00021,
  kPatInvert = 0x005A0049,
  kDstInvert = 0x00550009,
  kBlackness = 0x00000042,
  kWhiteness = 0x00FF0062,
};

struct TextRun {
  CanvasPoint reference;        // logical
  std::string text;             // code page 1252
  std::vector<int32_t> dx;      // logical advances, one per byte, or none
  uint32_t options = 0;         // ETO_OPAQUE 2, ETO_CLIPPED 4
  std::optional<LogicalRect> rect;
};

class Painter {
 public:
  Painter(Canvas& canvas, FontEngine& fonts, uint32_t objectCount);

  // The map from page space (after window and viewport) to the canvas.
  void setPageToDevice(const Affine& map) { pageToDevice_ = map; }
  // WMF: the viewport is the picture's place on the canvas and the
  // window alone moves and scales the drawing.
  void fixViewport(CanvasPoint origin, CanvasPoint extent);
  void setReferenceMillimetres(double pixelsPerMillimetreX, double pixelsPerMillimetreY);

  DcState& dc() { return dc_; }
  ObjectTable& objects() { return objects_; }
  void setWindowOrg(CanvasPoint p) { dc_.windowOrg = p; }
  void setWindowExt(CanvasPoint p);
  void setViewportOrg(CanvasPoint p);
  void setViewportExt(CanvasPoint p);
  CanvasPoint toDevice(CanvasPoint logical) const { return total().map(logical); }
  Affine total() const;

  bool select(const GdiObject& object);
  void selectStock(uint32_t stock);
  void save();
  bool restore(int32_t which);

  void moveTo(CanvasPoint p);
  void lineTo(CanvasPoint p);
  void polyline(std::span<const CanvasPoint> points, bool fromCurrent);
  void polyPolyline(std::span<const CanvasPoint> points, std::span<const uint32_t> counts);
  void polygon(std::span<const CanvasPoint> points);
  void polyPolygon(std::span<const CanvasPoint> points, std::span<const uint32_t> counts);
  void polyBezier(std::span<const CanvasPoint> points, bool fromCurrent);
  void rectangle(const LogicalRect& r);
  void ellipse(const LogicalRect& r);
  void roundRect(const LogicalRect& r, double cornerWidth, double cornerHeight);
  void arc(ArcKind kind, const LogicalRect& r, CanvasPoint start, CanvasPoint end);
  void setPixel(CanvasPoint p, uint32_t color);
  void text(const TextRun& run);
  bool bitmap(const LogicalRect& dest, const TPictureRec& picture, const LogicalRect& source, uint32_t rop);
  bool patBlt(const LogicalRect& r, uint32_t rop);
  void fillRegion(const RegionObject& region, const BrushObject& brush);

  void beginPath();
  void endPath() { pathOpen_ = false; }
  void abortPath();
  void closeFigure();
  void drawPathBracket(bool fill, bool stroke);
  void selectClipPath(ClipCombine how);

  // Logical rectangles (WMF and EMF clip records) and device rectangles
  // (EMF regions).
  void clipRect(const LogicalRect& r, ClipCombine how);
  void clipRegion(const RegionObject& region, ClipCombine how);
  void clipDeviceRects(std::span<const LogicalRect> rects, ClipCombine how);
  void resetClip();

 private:
  CanvasPath logicalRectPath(const LogicalRect& r) const;
  CanvasPath ellipsePath(const LogicalRect& r) const;
  CanvasPath arcPath(ArcKind kind, const LogicalRect& r, CanvasPoint start, CanvasPoint end) const;
  std::optional<CanvasRect> deviceRect(const LogicalRect& r) const;
  void axisShape(const LogicalRect& r, bool round);
  void emit(CanvasPath path, bool fill, bool stroke);
  void applyPen();
  void applyBrush();
  void addClip(ClipStep step);
  void replayClip();
  void drawTextRun(const TextRun& run);

  Canvas& canvas_;
  FontEngine& fonts_;
  ObjectTable objects_;
  DcState dc_;
  std::vector<DcState> saved_;
  Affine pageToDevice_;
  std::optional<std::pair<CanvasPoint, CanvasPoint>> fixedViewport_;
  double pixelsPerMillimetreX_ = 96 / 25.4;
  double pixelsPerMillimetreY_ = 96 / 25.4;
  bool pathOpen_ = false;
  CanvasPath path_;  // device pixels
};

}  // namespace vendaro::metafile
