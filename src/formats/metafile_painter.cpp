#include "formats/metafile_painter.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace vendaro::metafile {
namespace {

constexpr double kPi = 3.14159265358979323846;

// Logical units of the fixed mapping modes in millimetres.
double millimetresPerUnit(int mode) {
  switch (mode) {
    case kMapLoMetric: return 0.1;
    case kMapHiMetric: return 0.01;
    case kMapLoEnglish: return 0.254;
    case kMapHiEnglish: return 0.0254;
    case kMapTwips: return 25.4 / 1440;
    default: return 0;
  }
}

double ratio(double a, double b) { return b == 0 ? 1 : a / b; }

CanvasPoint centreOf(const LogicalRect& r) { return {(double(r.left) + r.right) / 2, (double(r.top) + r.bottom) / 2}; }

// The angle of a point on the ellipse in the parametrisation of addArc.
double angleOn(const LogicalRect& r, CanvasPoint p) {
  const CanvasPoint c = centreOf(r);
  const double rx = std::max(1e-9, std::abs(r.width()) / 2.0), ry = std::max(1e-9, std::abs(r.height()) / 2.0);
  return std::atan2(-(p.y - c.y) / ry, (p.x - c.x) / rx) * 180 / kPi;
}

}  // namespace

Painter::Painter(Canvas& canvas, FontEngine& fonts, uint32_t objectCount)
    : canvas_(canvas), fonts_(fonts), objects_(objectCount) {}

void Painter::fixViewport(CanvasPoint origin, CanvasPoint extent) {
  fixedViewport_ = std::pair{origin, extent};
  dc_.mapMode = kMapAnisotropic;
}

void Painter::setReferenceMillimetres(double x, double y) {
  if (x > 0 && y > 0) {
    pixelsPerMillimetreX_ = x;
    pixelsPerMillimetreY_ = y;
  }
}

void Painter::setWindowExt(CanvasPoint p) {
  if (p.x != 0 && p.y != 0) dc_.windowExt = p;
}

void Painter::setViewportOrg(CanvasPoint p) {
  if (!fixedViewport_) dc_.viewportOrg = p;
}

void Painter::setViewportExt(CanvasPoint p) {
  if (!fixedViewport_ && p.x != 0 && p.y != 0) dc_.viewportExt = p;
}

Affine Painter::total() const {
  CanvasPoint origin = dc_.viewportOrg, extent = dc_.viewportExt;
  int mode = dc_.mapMode;
  if (fixedViewport_) {
    std::tie(origin, extent) = *fixedViewport_;
    mode = kMapAnisotropic;
  }
  double sx = 1, sy = 1;
  if (const double mm = millimetresPerUnit(mode); mm > 0) {
    sx = mm * pixelsPerMillimetreX_;
    sy = -mm * pixelsPerMillimetreY_;
  } else if (mode == kMapAnisotropic || mode == kMapIsotropic) {
    sx = ratio(extent.x, dc_.windowExt.x);
    sy = ratio(extent.y, dc_.windowExt.y);
    if (mode == kMapIsotropic) {
      const double s = std::min(std::abs(sx), std::abs(sy));
      sx = std::copysign(s, sx);
      sy = std::copysign(s, sy);
    }
  }
  const Affine page{sx, 0, 0, sy, origin.x - dc_.windowOrg.x * sx, origin.y - dc_.windowOrg.y * sy};
  return dc_.world.then(page).then(pageToDevice_);
}

bool Painter::select(const GdiObject& object) {
  if (const auto* pen = std::get_if<PenObject>(&object)) {
    dc_.pen = *pen;
  } else if (const auto* brush = std::get_if<BrushObject>(&object)) {
    dc_.brush = *brush;
  } else if (const auto* font = std::get_if<FontObject>(&object)) {
    dc_.font = *font;
  } else if (const auto* region = std::get_if<RegionObject>(&object)) {
    clipRegion(*region, ClipCombine::replace);
  } else {
    return std::holds_alternative<PaletteObject>(object);
  }
  return true;
}

void Painter::selectStock(uint32_t stock) {
  static constexpr uint32_t kGreys[] = {0xFFFFFF, 0xC0C0C0, 0x808080, 0x404040, 0x000000};
  if (stock < 5) {
    dc_.brush = {BrushStyle::solid, kGreys[stock], nullptr};
  } else if (stock == 5) {
    dc_.brush = {BrushStyle::clear, 0, nullptr};
  } else if (stock == 6 || stock == 7) {
    dc_.pen = {PenStyle::solid, 0, stock == 6 ? 0xFFFFFFu : 0u};
  } else if (stock == 8) {
    dc_.pen = {PenStyle::clear, 0, 0};
  } else if (stock >= 10 && stock <= 17) {
    dc_.font = FontObject{};
  }
}

void Painter::save() {
  if (saved_.size() < kMaxMetafileObjects) saved_.push_back(dc_);
}

bool Painter::restore(int32_t which) {
  const int64_t count = static_cast<int64_t>(saved_.size());
  const int64_t keep = which < 0 ? count + which : int64_t{which} - 1;
  if (which == 0 || keep < 0 || keep >= count) return false;
  const bool clipChanged = saved_[static_cast<size_t>(keep)].clip.size() != dc_.clip.size() || !dc_.clip.empty();
  dc_ = std::move(saved_[static_cast<size_t>(keep)]);
  saved_.resize(static_cast<size_t>(keep));
  if (clipChanged) replayClip();
  return true;
}

void Painter::applyPen() {
  const PenObject& pen = dc_.pen;
  const int width = std::max(1, static_cast<int>(std::lround(pen.width * total().lengthScale())));
  const PenStyle style = pen.style == PenStyle::insideFrame ? PenStyle::solid : pen.style;
  canvas_.setPen({style, width, pen.color});
}

void Painter::applyBrush() {
  const BrushObject& brush = dc_.brush;
  canvas_.setBrush({brush.style, brush.color, dc_.backgroundColor, dc_.opaqueBackground, brush.pattern});
}

void Painter::emit(CanvasPath path, bool fill, bool stroke) {
  const Affine map = total();
  path.transform([&](CanvasPoint p) { return map.map(p); });
  if (pathOpen_) {
    path_.append(path);
    return;
  }
  fill = fill && dc_.brush.style != BrushStyle::clear;
  stroke = stroke && dc_.pen.style != PenStyle::clear;
  if (!fill && !stroke) return;
  path.winding = dc_.windingFill;
  applyPen();
  applyBrush();
  canvas_.drawPath(path, fill, stroke);
}

void Painter::moveTo(CanvasPoint p) {
  dc_.current = p;
  if (pathOpen_) path_.moveTo(toDevice(p));
}

void Painter::lineTo(CanvasPoint p) {
  const CanvasPoint points[] = {p};
  polyline(points, true);
}

void Painter::polyline(std::span<const CanvasPoint> points, bool fromCurrent) {
  if (points.empty()) return;
  if (pathOpen_ && fromCurrent) {
    if (path_.empty()) path_.moveTo(toDevice(dc_.current));
    for (const CanvasPoint& p : points) path_.lineTo(toDevice(p));
  } else {
    CanvasPath path;
    path.moveTo(fromCurrent ? dc_.current : points.front());
    for (size_t i = fromCurrent ? 0 : 1; i < points.size(); ++i) path.lineTo(points[i]);
    emit(std::move(path), false, true);
  }
  if (fromCurrent) dc_.current = points.back();
}

void Painter::polyPolyline(std::span<const CanvasPoint> points, std::span<const uint32_t> counts) {
  size_t at = 0;
  for (uint32_t count : counts) {
    if (count > points.size() - at) return;
    polyline(points.subspan(at, count), false);
    at += count;
  }
}

void Painter::polygon(std::span<const CanvasPoint> points) {
  const uint32_t counts[] = {static_cast<uint32_t>(points.size())};
  polyPolygon(points, counts);
}

void Painter::polyPolygon(std::span<const CanvasPoint> points, std::span<const uint32_t> counts) {
  CanvasPath path;
  size_t at = 0;
  for (uint32_t count : counts) {
    if (count > points.size() - at) break;
    if (count >= 2) path.addPolygon({points.begin() + static_cast<ptrdiff_t>(at), points.begin() + static_cast<ptrdiff_t>(at + count)});
    at += count;
  }
  if (!path.empty()) emit(std::move(path), true, true);
}

void Painter::polyBezier(std::span<const CanvasPoint> points, bool fromCurrent) {
  const size_t first = fromCurrent ? 0 : 1;
  if (points.size() < first + 3) return;
  CanvasPath path;
  if (pathOpen_ && fromCurrent && !path_.empty()) {
    for (size_t i = 0; i + 2 < points.size(); i += 3) {
      path_.cubicTo(toDevice(points[i]), toDevice(points[i + 1]), toDevice(points[i + 2]));
    }
  } else {
    path.moveTo(fromCurrent ? dc_.current : points.front());
    for (size_t i = first; i + 2 < points.size(); i += 3) path.cubicTo(points[i], points[i + 1], points[i + 2]);
    emit(std::move(path), false, true);
  }
  if (fromCurrent) dc_.current = points[first + (points.size() - first) / 3 * 3 - 1];
}

CanvasPath Painter::logicalRectPath(const LogicalRect& r) const {
  CanvasPath path;
  path.addPolygon({{double(r.left), double(r.top)}, {double(r.right), double(r.top)},
                   {double(r.right), double(r.bottom)}, {double(r.left), double(r.bottom)}});
  return path;
}

std::optional<CanvasRect> Painter::deviceRect(const LogicalRect& r) const {
  const Affine map = total();
  if (!map.axisAligned()) return std::nullopt;
  const CanvasPoint a = map.map({double(r.left), double(r.top)});
  const CanvasPoint b = map.map({double(r.right), double(r.bottom)});
  const auto px = [](double v) { return static_cast<int>(std::lround(std::clamp(v, -1e8, 1e8))); };
  return CanvasRect{px(std::min(a.x, b.x)), px(std::min(a.y, b.y)), px(std::max(a.x, b.x)), px(std::max(a.y, b.y))};
}

void Painter::rectangle(const LogicalRect& r) { axisShape(r, false); }

// Shapes that stay upright on the device go to the canvas's own calls,
// which keep GDI's pixel rules; others become paths.
void Painter::axisShape(const LogicalRect& r, bool round) {
  const std::optional<CanvasRect> device = pathOpen_ ? std::nullopt : deviceRect(r);
  if (!device) {
    emit(round ? ellipsePath(r) : logicalRectPath(r), true, true);
    return;
  }
  if (dc_.pen.style == PenStyle::clear && dc_.brush.style == BrushStyle::clear) return;
  applyPen();
  applyBrush();
  if (round) {
    canvas_.ellipse(*device);
  } else {
    canvas_.rectangle(*device);
  }
}

CanvasPath Painter::ellipsePath(const LogicalRect& r) const {
  CanvasPath path;
  path.addArc(centreOf(r), std::abs(r.width()) / 2.0, std::abs(r.height()) / 2.0, 0, 360, true);
  path.close();
  return path;
}

void Painter::ellipse(const LogicalRect& r) { axisShape(r, true); }

void Painter::roundRect(const LogicalRect& r, double cornerWidth, double cornerHeight) {
  const double left = std::min(r.left, r.right), right = std::max(r.left, r.right);
  const double top = std::min(r.top, r.bottom), bottom = std::max(r.top, r.bottom);
  const double rx = std::min(std::abs(cornerWidth), right - left) / 2;
  const double ry = std::min(std::abs(cornerHeight), bottom - top) / 2;
  CanvasPath path;
  path.moveTo({left + rx, top});
  path.addArc({right - rx, top + ry}, rx, ry, 90, -90, false);
  path.addArc({right - rx, bottom - ry}, rx, ry, 0, -90, false);
  path.addArc({left + rx, bottom - ry}, rx, ry, -90, -90, false);
  path.addArc({left + rx, top + ry}, rx, ry, 180, -90, false);
  path.close();
  emit(std::move(path), true, true);
}

// GDI draws arcs counter-clockwise on the device from the ray through the
// start point to the ray through the end point; a mapping that mirrors the
// y axis turns the logical direction round.
CanvasPath Painter::arcPath(ArcKind kind, const LogicalRect& r, CanvasPoint start, CanvasPoint end) const {
  const Affine map = total();
  const bool mirrored = map.m11 * map.m22 - map.m12 * map.m21 < 0;
  const double from = angleOn(r, start), to = angleOn(r, end);
  double sweep = std::fmod(mirrored ? from - to + 720 : to - from + 720, 360.0);
  if (sweep == 0) sweep = 360;
  if (mirrored) sweep = -sweep;
  CanvasPath path;
  const CanvasPoint c = centreOf(r);
  path.addArc(c, std::abs(r.width()) / 2.0, std::abs(r.height()) / 2.0, from, sweep, true);
  if (kind == ArcKind::pie) path.lineTo(c);
  if (kind != ArcKind::arc) path.close();
  return path;
}

void Painter::arc(ArcKind kind, const LogicalRect& r, CanvasPoint start, CanvasPoint end) {
  emit(arcPath(kind, r, start, end), kind != ArcKind::arc, true);
}

void Painter::setPixel(CanvasPoint p, uint32_t color) {
  const CanvasPoint d = toDevice(p);
  const int x = clampCoordinate(std::floor(d.x)), y = clampCoordinate(std::floor(d.y));
  if (x == INT32_MAX || y == INT32_MAX) return;
  canvas_.fillRect({x, y, x + 1, y + 1}, color);
}

void Painter::beginPath() {
  path_ = CanvasPath{};
  pathOpen_ = true;
}

void Painter::abortPath() {
  path_ = CanvasPath{};
  pathOpen_ = false;
}

void Painter::closeFigure() {
  if (pathOpen_) path_.close();
}

void Painter::drawPathBracket(bool fill, bool stroke) {
  if (path_.empty()) return;
  pathOpen_ = false;
  fill = fill && dc_.brush.style != BrushStyle::clear;
  stroke = stroke && dc_.pen.style != PenStyle::clear;
  path_.winding = dc_.windingFill;
  if (fill || stroke) {
    applyPen();
    applyBrush();
    canvas_.drawPath(path_, fill, stroke);
  }
  path_ = CanvasPath{};
}

void Painter::selectClipPath(ClipCombine how) {
  if (path_.empty()) return;
  pathOpen_ = false;
  path_.winding = dc_.windingFill;
  addClip({std::move(path_), how});
  path_ = CanvasPath{};
}

void Painter::addClip(ClipStep step) {
  if (step.how == ClipCombine::replace) dc_.clip.clear();
  canvas_.clipPath(step.path, step.how);
  dc_.clip.push_back(std::move(step));
}

void Painter::replayClip() {
  canvas_.clearClip();
  for (const ClipStep& step : dc_.clip) canvas_.clipPath(step.path, step.how);
}

void Painter::clipRect(const LogicalRect& r, ClipCombine how) {
  CanvasPath path = logicalRectPath(r);
  const Affine map = total();
  path.transform([&](CanvasPoint p) { return map.map(p); });
  addClip({std::move(path), how});
}

void Painter::clipRegion(const RegionObject& region, ClipCombine how) {
  CanvasPath path;
  for (const LogicalRect& r : region.rects) path.append(logicalRectPath(r));
  const Affine map = total();
  path.transform([&](CanvasPoint p) { return map.map(p); });
  path.winding = true;  // the rectangles of a region unite
  addClip({std::move(path), how});
}

void Painter::clipDeviceRects(std::span<const LogicalRect> rects, ClipCombine how) {
  CanvasPath path;
  for (const LogicalRect& r : rects) path.append(logicalRectPath(r));
  path.transform([&](CanvasPoint p) { return pageToDevice_.map(p); });
  path.winding = true;
  addClip({std::move(path), how});
}

void Painter::resetClip() {
  dc_.clip.clear();
  canvas_.clearClip();
}

void Painter::fillRegion(const RegionObject& region, const BrushObject& brush) {
  const BrushObject selected = dc_.brush;
  const PenObject pen = dc_.pen;
  dc_.brush = brush;
  dc_.pen.style = PenStyle::clear;
  CanvasPath path;
  for (const LogicalRect& r : region.rects) path.append(logicalRectPath(r));
  const bool winding = dc_.windingFill;
  dc_.windingFill = true;
  emit(std::move(path), true, false);
  dc_.windingFill = winding;
  dc_.brush = selected;
  dc_.pen = pen;
}

}  // namespace vendaro::metafile
