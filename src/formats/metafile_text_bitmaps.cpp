// The text and bitmap calls of the metafile painter.
#include <algorithm>
#include <cmath>

#include "formats/metafile_bitmaps.h"
#include "formats/metafile_painter.h"

namespace vendaro::metafile {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr uint32_t kOpaque = 2;     // ETO_OPAQUE
constexpr uint32_t kClipped = 4;    // ETO_CLIPPED
constexpr uint32_t kUpdateCurrent = 1;
constexpr uint32_t kRight = 2, kCentre = 6, kHorizontalMask = 6;
constexpr uint32_t kBottom = 8, kBaseline = 24, kVerticalMask = 24;
// Text taller than this many pixels is drawn at this size: no picture is
// that large, and the glyph cache must stay bounded.
constexpr int kMaxTextPixels = 4000;
// A font record with height 0 asks for the default size.
constexpr int kDefaultEmPixels = 16;

int roundedPixels(double v) { return static_cast<int>(std::lround(std::clamp(v, -1e8, 1e8))); }

}  // namespace

void Painter::text(const TextRun& run) {
  if ((run.options & kOpaque) && run.rect) {
    if (const std::optional<CanvasRect> r = deviceRect(*run.rect)) canvas_.fillRect(*r, dc_.backgroundColor);
  }
  const bool clipped = (run.options & kClipped) && run.rect;
  if (clipped) {
    CanvasPath box = logicalRectPath(*run.rect);
    const Affine map = total();
    box.transform([&](CanvasPoint p) { return map.map(p); });
    canvas_.clipPath(box, dc_.clip.empty() ? ClipCombine::replace : ClipCombine::intersect);
  }
  drawTextRun(run);
  if (clipped) replayClip();
}

void Painter::drawTextRun(const TextRun& run) {
  if (run.text.empty()) return;
  const Affine map = total();
  const FontObject& font = dc_.font;
  FontSpec spec{font.face, 0, font.weight >= 600, font.italic, font.charset};
  double em = std::abs(font.height) * map.verticalScale();
  if (font.height == 0) em = kDefaultEmPixels;
  spec.pixelSize = std::clamp(roundedPixels(em), 0, kMaxTextPixels);
  if (font.height > 0 && spec.pixelSize > 0) {
    // A positive height is the cell, internal leading included.
    const FontMetrics cell = fonts_.metrics(spec);
    if (cell.height > 0) spec.pixelSize = std::max(1, roundedPixels(em * spec.pixelSize / cell.height));
  }
  if (spec.pixelSize < 1) return;
  const FontMetrics metrics = fonts_.metrics(spec);

  std::vector<int> advances;
  int width = 0;
  if (!run.dx.empty()) {
    const double scaleX = std::hypot(map.m11, map.m12);
    double logical = 0;
    for (size_t i = 0; i < run.text.size(); ++i) {
      const int before = roundedPixels(logical * scaleX);
      logical += i < run.dx.size() ? run.dx[i] : 0;
      advances.push_back(roundedPixels(logical * scaleX) - before);
    }
    width = roundedPixels(logical * scaleX);
  } else {
    width = fonts_.textWidth(spec, run.text);
  }

  const bool fromCurrent = dc_.textAlign & kUpdateCurrent;
  const CanvasPoint reference = map.map(fromCurrent ? dc_.current : run.reference);
  const uint32_t horizontal = dc_.textAlign & kHorizontalMask;
  const uint32_t vertical = dc_.textAlign & kVerticalMask;
  const double alongX = horizontal == kRight ? width : horizontal == kCentre ? width / 2.0 : 0;
  const double alongY = vertical == kBaseline ? metrics.ascent : vertical == kBottom ? metrics.height : 0;
  const double degrees = font.escapement / 10.0;
  const double radians = degrees * kPi / 180;
  const CanvasPoint ux{std::cos(radians), -std::sin(radians)}, uy{std::sin(radians), std::cos(radians)};
  const int x = roundedPixels(reference.x - ux.x * alongX - uy.x * alongY);
  const int y = roundedPixels(reference.y - ux.y * alongX - uy.y * alongY);
  if (fromCurrent && horizontal != kCentre) {
    const double logicalWidth = width / std::max(1e-9, std::hypot(map.m11, map.m12));
    dc_.current.x += horizontal == kRight ? -logicalWidth : logicalWidth;
  }

  canvas_.setFont(spec, font.strikeOut);
  canvas_.setTextColor(dc_.textColor);
  if (degrees == 0) {
    if (dc_.opaqueBackground && !(run.options & kOpaque)) {
      canvas_.fillRect({x, y, x + width, y + metrics.height}, dc_.backgroundColor);
    }
    canvas_.textOut(x, y, run.text, advances);
    if (font.underline) {
      const int thickness = std::max(1, spec.pixelSize / 14);
      const int top = y + metrics.ascent + std::max(1, metrics.descent / 2);
      canvas_.fillRect({x, top, x + width, top + thickness}, dc_.textColor);
    }
  } else {
    canvas_.textOutRotated(x, y, degrees, run.text, advances);
  }
}

bool Painter::bitmap(const LogicalRect& dest, const TPictureRec& picture, const LogicalRect& source, uint32_t rop) {
  if (!picture.hasPixels()) return false;
  const Affine map = total();
  const CanvasPoint a = map.map({double(dest.left), double(dest.top)});
  const CanvasPoint b = map.map({double(dest.right), double(dest.bottom)});
  const CanvasRect device{roundedPixels(std::min(a.x, b.x)), roundedPixels(std::min(a.y, b.y)),
                          roundedPixels(std::max(a.x, b.x)), roundedPixels(std::max(a.y, b.y))};
  if (device.right <= device.left || device.bottom <= device.top) return true;  // nothing to see
  const bool whole = coversPicture(picture, source);
  const TPictureRec cropped = whole ? TPictureRec{} : croppedPicture(picture, source);
  // A destination whose edges run the other way on the device (a negative
  // width or height, or a turned-over mapping) shows the picture mirrored.
  const bool mirrorX = a.x > b.x, mirrorY = a.y > b.y;
  const TPictureRec mirrored =
      mirrorX || mirrorY ? mirroredPicture(whole ? picture : cropped, mirrorX, mirrorY) : TPictureRec{};
  const TPictureRec& shown = mirrorX || mirrorY ? mirrored : whole ? picture : cropped;
  if (!shown.hasPixels()) return false;
  switch (rop) {
    case kSrcAnd: canvas_.blendPicture(device, shown, PictureBlend::sourceAnd); break;
    case kSrcPaint: canvas_.blendPicture(device, shown, PictureBlend::sourcePaint); break;
    case kSrcInvert: canvas_.blendPicture(device, shown, PictureBlend::sourceInvert); break;
    default: canvas_.drawPicture(device, shown); break;
  }
  return true;
}

bool Painter::patBlt(const LogicalRect& r, uint32_t rop) {
  const std::optional<CanvasRect> device = deviceRect(r);
  switch (rop) {
    case kWhiteness:
    case kBlackness:
      if (device) canvas_.fillRect(*device, rop == kWhiteness ? 0xFFFFFF : 0);
      return device.has_value();
    case kDstInvert:
      if (device) canvas_.invertRect(*device);
      return device.has_value();
    case kPatCopy: {
      const PenObject pen = dc_.pen;
      dc_.pen.style = PenStyle::clear;
      emit(logicalRectPath(r), true, false);
      dc_.pen = pen;
      return true;
    }
    default:
      return false;
  }
}

}  // namespace vendaro::metafile
