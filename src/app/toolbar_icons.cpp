#include "app/toolbar_icons.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>

namespace vendaro {
namespace {

constexpr int kIconSize = 16;
constexpr int kLineCount = 5;
constexpr int kLineStep = 3;
constexpr int kFirstLineY = 2;

QPixmap blankIcon() {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  return pixmap;
}

}  // namespace

QIcon alignmentIcon(int alignment) {
  QPixmap pixmap = blankIcon();
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 1));
  for (int i = 0; i < kLineCount; ++i) {
    // Every other line is short, except in justified text.
    const int width = (alignment == 3 || i % 2 == 0) ? kIconSize - 2 : kIconSize - 7;
    const int free = kIconSize - 2 - width;
    const int left = 1 + (alignment == 1 ? free / 2 : alignment == 2 ? free : 0);
    const int y = kFirstLineY + i * kLineStep;
    painter.drawLine(left, y, left + width - 1, y);
  }
  return QIcon(pixmap);
}

QIcon listIcon(bool numbered) {
  QPixmap pixmap = blankIcon();
  QPainter painter(&pixmap);
  QFont font = painter.font();
  font.setPixelSize(6);
  painter.setFont(font);
  for (int i = 0; i < 3; ++i) {
    const int y = 3 + i * 5;
    if (numbered) {
      painter.setPen(Qt::black);
      painter.drawText(QRect(0, y - 3, 5, 7), Qt::AlignCenter, QString::number(i + 1));
    } else {
      painter.fillRect(QRect(1, y - 1, 3, 3), Qt::black);
    }
    painter.setPen(QPen(Qt::black, 1));
    painter.drawLine(6, y, kIconSize - 2, y);
  }
  return QIcon(pixmap);
}

}  // namespace vendaro
