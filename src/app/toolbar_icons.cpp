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

namespace vendaro {

QIcon insertModeIcon(int mode) {
  QPixmap pixmap = blankIcon();
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing, mode == 3 || mode == 4);
  painter.setPen(QPen(Qt::black, 1));
  const QRect box(2, 3, kIconSize - 5, kIconSize - 7);
  switch (mode) {
    case 1:  // text box: a frame with lines of text
      painter.drawRect(box);
      for (int y = box.top() + 3; y < box.bottom() - 1; y += 3) painter.drawLine(box.left() + 2, y, box.right() - 2, y);
      break;
    case 2: painter.drawRect(box); break;
    case 3: painter.drawEllipse(box); break;
    case 4: painter.drawLine(2, kIconSize - 3, kIconSize - 3, 2); break;
    case 5: painter.drawLine(1, kIconSize / 2, kIconSize - 2, kIconSize / 2); break;
    case 6: painter.drawLine(kIconSize / 2, 1, kIconSize / 2, kIconSize - 2); break;
    default:  // picture frame: a frame with a mountain
      painter.drawRect(box);
      painter.drawLine(box.left() + 1, box.bottom() - 1, box.left() + 5, box.top() + 3);
      painter.drawLine(box.left() + 5, box.top() + 3, box.right() - 1, box.bottom() - 1);
      break;
  }
  return QIcon(pixmap);
}

QIcon lineSpacingIcon(int step) {
  QPixmap pixmap = blankIcon();
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 1));
  const int gap = 2 + step * 2;
  for (int y = 2; y < kIconSize - 1; y += gap) painter.drawLine(2, y, kIconSize - 3, y);
  return QIcon(pixmap);
}

QIcon colourButtonIcon(ColourButtonKind kind, const QColor& colour) {
  QPixmap pixmap = blankIcon();
  QPainter painter(&pixmap);
  painter.setPen(QPen(Qt::black, 1));
  const QRect top(1, 0, kIconSize - 2, kIconSize - 5);
  switch (kind) {
    case ColourButtonKind::text:
    case ColourButtonKind::textBack: {
      QFont font = painter.font();
      font.setPixelSize(11);
      font.setBold(true);
      painter.setFont(font);
      if (kind == ColourButtonKind::textBack) painter.fillRect(top, Qt::lightGray);
      painter.drawText(top, Qt::AlignCenter, QStringLiteral("A"));
      break;
    }
    case ColourButtonKind::fill: painter.drawRect(3, 1, kIconSize - 7, kIconSize - 8); break;
    case ColourButtonKind::line: painter.drawLine(2, kIconSize - 6, kIconSize - 3, 1); break;
  }
  painter.fillRect(QRect(1, kIconSize - 4, kIconSize - 2, 4), colour);
  return QIcon(pixmap);
}

}  // namespace vendaro

namespace vendaro {

QIcon lineWidthIcon() {
  QPixmap pixmap = blankIcon();
  QPainter painter(&pixmap);
  for (int width = 1, y = 2; width <= 3; y += width + 3, ++width) painter.fillRect(1, y, kIconSize - 2, width, Qt::black);
  return QIcon(pixmap);
}

}  // namespace vendaro
