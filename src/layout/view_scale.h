// view_scale.h — the conversions between document millimetres and points and
// the pixels of one paint: the surface's resolution and the zoom, worked out
// once at the start of every paint.
#pragma once

#include <cmath>
#include <cstdint>

#include "document/document.h"

namespace vendaro {

struct ViewScale {
  // Screens and printers truncate millimetres to pixels; a PDF page rounds
  // them to the nearest point (`nearest`).
  ViewScale(const Document& doc, int dpi, double zoomPercent, bool nearest = false);

  int dpi = 96;
  double zoom = 100.0;
  double mmPerPixel = 0;
  double pixelsPerPoint = 0;
  int pageWidth = 0;   // PW
  int pageHeight = 0;  // PH
  bool nearest = false;

  // Millimetres as a pixel distance from an origin.
  int px(double mm) const { return toPixels(mm / mmPerPixel); }
  int toPixels(double pixels) const {
    return static_cast<int>(nearest ? std::nearbyint(pixels) : std::trunc(pixels));
  }
  // Line widths: points rounded to whole pixels, a visible width never below 1.
  int penWidth(double points) const;
  // The em height in pixels of a font of `points` size.
  int fontPixels(double points) const { return static_cast<int>(std::trunc(dpi * points / 72.0 * zoom / 100.0)); }
};

}  // namespace vendaro
