#include "layout/view_scale.h"

namespace vendaro {

ViewScale::ViewScale(const Document& doc, int surfaceDpi, double zoomPercent, bool roundsToNearest)
    : dpi(surfaceDpi > 0 ? surfaceDpi : 96), zoom(zoomPercent > 0 ? zoomPercent : 100.0), nearest(roundsToNearest) {
  mmPerPixel = kMmPerInch / dpi / zoom * 100.0;
  pixelsPerPoint = zoom * (dpi / 72.0) / 100.0;
  const double printerDpi = doc.PrinterDPI > 0 ? doc.PrinterDPI : kNoPrinterDPI;
  pageWidth = toPixels(zoom * (doc.PageWidthPx * dpi / printerDpi) / 100.0);
  pageHeight = toPixels(zoom * (doc.PageHeightPx * dpi / printerDpi) / 100.0);
}

int ViewScale::penWidth(double points) const {
  if (points <= 0) return 0;
  const int width = static_cast<int>(std::lround(points * pixelsPerPoint));
  return width < 1 ? 1 : width;
}

}  // namespace vendaro
