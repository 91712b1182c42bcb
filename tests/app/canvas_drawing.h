// canvas_drawing.h — a white image with a QtCanvas on it for the front
// end's drawing tests; pixels are read back as 0x00BBGGRR.
#pragma once

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <functional>

#include "app/qt_canvas.h"

namespace vendaro::test {

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0xFF0000;

class Drawing {
 public:
  explicit Drawing(int width = 120, int height = 80) : image_(width, height, QImage::Format_RGB32) {
    image_.fill(Qt::white);
  }

  void draw(const std::function<void(QtCanvas&)>& paint) {
    QPainter painter(&image_);
    QtCanvas canvas(painter, FontEngine::shared(), 96, {0, 0, image_.width(), image_.height()});
    paint(canvas);
  }

  uint32_t at(int x, int y) const {
    const QRgb pixel = image_.pixel(x, y);
    return uint32_t(qRed(pixel)) | uint32_t(qGreen(pixel)) << 8 | uint32_t(qBlue(pixel)) << 16;
  }

  // The smallest rectangle holding every pixel that is not white (right and
  // bottom exclusive); empty when nothing was drawn.
  CanvasRect ink() const {
    CanvasRect box{image_.width(), image_.height(), 0, 0};
    for (int y = 0; y < image_.height(); ++y) {
      for (int x = 0; x < image_.width(); ++x) {
        if (at(x, y) == kWhite) continue;
        box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
               std::max(box.bottom, y + 1)};
      }
    }
    return box.right > box.left ? box : CanvasRect{};
  }

  const QImage& image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace vendaro::test
