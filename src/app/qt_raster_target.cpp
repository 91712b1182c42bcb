#include "app/qt_raster_target.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstring>

#include "app/offscreen_gui.h"
#include "app/qt_canvas.h"
#include "editing/program_services.h"
#include "platform/font_engine.h"

namespace vendaro {

bool QtRasterTarget::render(int width, int height, int dpi, const std::function<void(Canvas&)>& paint,
                            TPictureRec& out) {
  if (width <= 0 || height <= 0) return false;
  const auto gui = ensureOffscreenGui();
  QImage image(width, height, QImage::Format_RGB32);
  if (image.isNull()) return false;
  image.fill(Qt::white);
  {
    QPainter painter(&image);
    QtCanvas canvas(painter, fonts_, dpi, CanvasRect{0, 0, width, height});
    paint(canvas);
  }
  TPictureRec picture;
  if (!newdib(picture, width, height, 24)) return false;
  uint8_t* bits = picture.mutablePixels();
  for (int y = 0; y < height; ++y) {
    const auto* source = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uint8_t* row = bits + size_t(picture.RowBytes) * size_t(height - 1 - y);
    for (int x = 0; x < width; ++x) {
      row[3 * x] = static_cast<uint8_t>(qBlue(source[x]));
      row[3 * x + 1] = static_cast<uint8_t>(qGreen(source[x]));
      row[3 * x + 2] = static_cast<uint8_t>(qRed(source[x]));
    }
  }
  out = std::move(picture);
  return true;
}

void installRasterTarget() {
  static QtRasterTarget target(FontEngine::shared());
  ProgramServices::shared().raster = &target;
}

}  // namespace vendaro
