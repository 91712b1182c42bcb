// view_scale.h — the conversions between document millimetres and points and
// the pixels of one paint: the surface's resolution and the zoom, worked out
// once at the start of every paint.
#pragma once

#include <cmath>
#include <cstdint>

#include "document/document.h"

namespace vendaro {

struct ViewScale {
  ViewScale(const Document& doc, int dpi, double zoomPercent);

  int dpi = 96;
  double zoom = 100.0;
  double mmPerPixel = 0;
  double pixelsPerPoint = 0;
  int pageWidth = 0;   // PW
  int pageHeight = 0;  // PH

  // Millimetres as a pixel distance from an origin (truncated).
  int px(double mm) const { return static_cast<int>(std::trunc(mm / mmPerPixel)); }
  // Line widths: points rounded to whole pixels, a visible width never below 1.
  int penWidth(double points) const;
  // The em height in pixels of a font of `points` size.
  int fontPixels(double points) const { return static_cast<int>(std::trunc(dpi * points / 72.0 * zoom / 100.0)); }
};

}  // namespace vendaro
