#include "document/cell_measurer.h"

#include <cmath>
#include <string>

#include "document/text_case.h"
#include "platform/font_engine.h"

namespace vendaro {
namespace {

// A printer font's em height in pixels for a size in points.
int32_t pixelSizeFor(double points, int32_t dpi) {
  return static_cast<int32_t>(std::trunc(dpi * points / 72.0 * 100.0 / 100.0));
}

FontSpec specFor(const TFontRec& font, double points, int32_t dpi) {
  FontSpec spec;
  spec.faceName = std::string(font.name());
  spec.pixelSize = pixelSizeFor(points, dpi);
  spec.bold = GettingOpsB(font.Style, 0);
  spec.italic = GettingOpsB(font.Style, 1);
  spec.charset = font.Charset;
  return spec;
}

uint8_t displayByte(const TFontRec& font, uint8_t ch) {
  if (GettingOps(font.Attr, kAttrLowerCase)) ch = toLower1252(ch);
  if (GettingOps(font.Attr, kAttrAllCaps) || GettingOps(font.Attr, kAttrSmallCaps)) ch = toUpper1252(ch);
  return ch;
}

double pxToMm(int64_t px, int32_t dpi) { return static_cast<double>(px) / dpi * kMmPerInch; }

}  // namespace

double widthPointSize(const TFontRec& font) {
  double size = font.Size;
  if (GettingOps(font.Attr, kAttrSmallCaps)) size *= 0.75;
  if (GettingOps(font.Attr, kAttrSuperscript) || GettingOps(font.Attr, kAttrSubscript)) size *= 0.6;
  size = std::nearbyint(size);  // the default rounding mode: halves to even
  return size > 0 ? size : 1.0;
}

std::string displayText(const TFontRec& font, std::string_view text) {
  std::string shown(text);
  for (char& c : shown) c = static_cast<char>(displayByte(font, static_cast<uint8_t>(c)));
  return shown;
}

const CellMeasurer::Measured& CellMeasurer::measuredFont(const TFontRec& font, int32_t fontIndex,
                                                         int32_t dpi) {
  if (dpi != dpi_) {
    fonts_.clear();
    dpi_ = dpi;
  }
  if (fontIndex >= static_cast<int32_t>(fonts_.size())) fonts_.resize(static_cast<size_t>(fontIndex) + 1);
  Measured& m = fonts_[static_cast<size_t>(fontIndex)];
  if (m.valid) return m;
  m.heightPx = engine_.metrics(specFor(font, font.Size, dpi)).height;
  FontSpec widthSpec = specFor(font, widthPointSize(font), dpi);
  for (int ch = 0; ch < 256; ++ch) {
    m.widthPx[static_cast<size_t>(ch)] = engine_.charWidth(widthSpec, displayByte(font, static_cast<uint8_t>(ch)));
  }
  m.valid = true;
  return m;
}

double CellMeasurer::heightMm(const TFontRec& font, int32_t dpi) {
  return pxToMm(engine_.metrics(specFor(font, font.Size, dpi)).height, dpi);
}

CellSize CellMeasurer::measure(const TFontRec& font, int32_t fontIndex, int32_t dpi, std::string_view text) {
  const Measured& m = measuredFont(font, fontIndex, dpi);
  int64_t widthPx = 0;
  for (char c : text) widthPx += m.widthPx[static_cast<uint8_t>(c)];
  return {pxToMm(widthPx, dpi), pxToMm(m.heightPx, dpi)};
}

}  // namespace vendaro
