#include "layout/text_painter.h"

#include <algorithm>
#include <cmath>

namespace vendaro {

FontSpec surfaceFont(const TFontRec& font, double points, const ViewScale& scale) {
  FontSpec spec;
  spec.faceName = std::string(font.name());
  spec.pixelSize = scale.fontPixels(points);
  spec.bold = GettingOpsB(font.Style, 0);
  spec.italic = GettingOpsB(font.Style, 1);
  spec.charset = font.Charset;
  return spec;
}

double drawnPointSize(const TFontRec& font) {
  if (GettingOps(font.Attr, kAttrSuperscript) || GettingOps(font.Attr, kAttrSubscript)) return font.Size * 0.6;
  if (GettingOps(font.Attr, kAttrSmallCaps)) return font.Size * 0.75;
  return font.Size;
}

void TextPainter::useFont(const TFontRec& font, double points) {
  const FontSpec spec = surfaceFont(font, points, scale_);
  const bool strikeOut = GettingOpsB(font.Style, 3);
  font_ = &font;
  points_ = points;
  if (spec.faceName == spec_.faceName && spec.pixelSize == spec_.pixelSize && spec.bold == spec_.bold &&
      spec.italic == spec_.italic && spec.charset == spec_.charset && strikeOut == strikeOut_ && metrics_.height > 0)
    return;
  spec_ = spec;
  strikeOut_ = strikeOut;
  metrics_ = fonts_.metrics(spec_);
  canvas_.setFont(spec_, strikeOut_);
}

void TextPainter::setColor(uint32_t color) {
  if (colorSet_ && color == color_) return;
  canvas_.setTextColor(color);
  color_ = color;
  colorSet_ = true;
}

TextPasses textPasses(const TFontRec& font, int unit) {
  TextPasses out;
  const bool shadow = GettingOps(font.Attr, kAttrShadow);
  const bool outline = GettingOps(font.Attr, kAttrOutline);
  const auto add = [&out](int dx, int dy, int32_t color) { out.passes[out.count++] = {dx, dy, rgbOf(color)}; };
  if (shadow) {
    const int offset = (outline ? 3 : 2) * unit;
    add(offset, offset, font.ShadowColor);
  }
  if (outline) {
    static constexpr int kOffsets[4][2] = {{-1, -1}, {-1, 0}, {0, -1}, {0, 0}};
    for (const auto& o : kOffsets) add(o[0] * unit, o[1] * unit, font.OutlineColor);
  }
  add(0, 0, font.Color);
  return out;
}

void TextPainter::draw(const TextRun& run) {
  const int unit = static_cast<int>(std::trunc(scale_.pixelsPerPoint));
  for (const TextPass& pass : textPasses(*font_, unit)) {
    setColor(pass.color);
    canvas_.textOut(run.x + pass.dx, run.y + pass.dy, run.text, run.advances);
  }
  if (run.underline) drawUnderlines(run);
}

void TextPainter::drawPlain(int x, int y, std::string_view text, uint32_t color) {
  setColor(color);
  canvas_.textOut(x, y, text);
}

// Underlines belong to the painter so that their width follows the size.
void TextPainter::drawUnderlines(const TextRun& run) {
  const TFontRec& font = *font_;
  const int width = std::max(1, static_cast<int>(std::trunc(points_ * scale_.pixelsPerPoint / 12.0)));
  CanvasPen pen;
  pen.width = width;
  pen.color = rgbOf(font.Color);
  canvas_.setPen(pen);
  const int left = run.x - 1;
  const int right = run.x + run.width + 1;
  const int y = run.y + metrics_.height - width;
  canvas_.line(left, y, right, y);
  if (GettingOps(font.Attr, kAttrDoubleUnderline)) {
    const int second = run.y + metrics_.height - 3 * width;
    canvas_.line(left, second, right, second);
  }
}

}  // namespace vendaro
