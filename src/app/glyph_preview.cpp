#include "app/glyph_preview.h"

#include <QPainter>

#include "app/qt_canvas.h"
#include "platform/font_engine.h"

namespace vendaro {
namespace {

// The glyph fills most of the box, leaving room for its side bearings.
constexpr double kGlyphShare = 0.75;

}  // namespace

void drawCharacter(QPainter& painter, FontEngine& fonts, const std::string& face, uint8_t ch, const QRect& cell,
                   int pixelSize, uint32_t color) {
  QtCanvas canvas(painter, fonts, painter.device()->logicalDpiY(),
                  CanvasRect{cell.left(), cell.top(), cell.right() + 1, cell.bottom() + 1});
  FontSpec spec;
  spec.faceName = face;
  spec.pixelSize = pixelSize;
  const FontMetrics metrics = fonts.metrics(spec);
  const int width = fonts.charWidth(spec, ch);
  canvas.setFont(spec, false);
  canvas.setTextColor(color);
  const char text = static_cast<char>(ch);
  canvas.textOut(cell.left() + (cell.width() - width) / 2, cell.top() + (cell.height() - metrics.height) / 2,
                 std::string_view(&text, 1));
}

GlyphPreview::GlyphPreview(FontEngine& fonts, int boxPixels, QWidget* parent) : QWidget(parent), fonts_(fonts) {
  setFixedSize(boxPixels, boxPixels);
}

void GlyphPreview::showCharacter(const std::string& face, uint8_t ch) {
  face_ = face;
  ch_ = ch;
  update();
}

void GlyphPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  drawCharacter(painter, fonts_, face_, ch_, rect().adjusted(1, 1, -1, -1),
                static_cast<int>(height() * kGlyphShare), 0);
}

}  // namespace vendaro
