#include "app/overlay_painter.h"

#include <QPainter>
#include <QPen>

namespace vendaro {
namespace {

// The shape in view pixels: lines as one-pixel-wide rectangles.
QRect viewRect(const OverlayShape& shape, QPoint scroll, QSize view) {
  switch (shape.kind) {
    case OverlayShape::Kind::verticalLine:
      return QRect(shape.x - scroll.x(), 0, 1, view.height());
    case OverlayShape::Kind::horizontalLine:
      return QRect(0, shape.y - scroll.y(), view.width(), 1);
    case OverlayShape::Kind::rectangle:
      break;
  }
  return QRect(QPoint(shape.x, shape.y) - scroll, QPoint(shape.right - 1, shape.bottom - 1) - scroll).normalized();
}

}  // namespace

void drawOverlay(QPainter& painter, const ViewOverlay& overlay, QPoint scroll, QSize view) {
  if (overlay.empty()) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setBrush(Qt::NoBrush);
  // White under black dots: the line shows on any colour of the page.
  QPen under(Qt::white, 0, Qt::SolidLine);
  QPen dots(Qt::black, 0, Qt::DotLine);
  for (const ViewOverlay::Entry& entry : overlay.entries()) {
    const QRect r = viewRect(entry.shape, scroll, view);
    for (const QPen& pen : {under, dots}) {
      painter.setPen(pen);
      if (entry.shape.kind == OverlayShape::Kind::rectangle) painter.drawRect(r.adjusted(0, 0, -1, -1));
      else painter.drawLine(r.topLeft(), r.bottomRight());
    }
  }
  painter.restore();
}

QRegion overlayRegion(const ViewOverlay& overlay, QPoint scroll, QSize view) {
  QRegion region;
  for (const ViewOverlay::Entry& entry : overlay.entries()) {
    const QRect r = viewRect(entry.shape, scroll, view);
    if (entry.shape.kind != OverlayShape::Kind::rectangle) {
      region += r;
      continue;
    }
    // An outline: its four edges, not the inside.
    region += QRect(r.left(), r.top(), r.width(), 1);
    region += QRect(r.left(), r.bottom(), r.width(), 1);
    region += QRect(r.left(), r.top(), 1, r.height());
    region += QRect(r.right(), r.top(), 1, r.height());
  }
  return region;
}

}  // namespace vendaro
