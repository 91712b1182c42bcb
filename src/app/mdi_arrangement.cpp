#include "app/mdi_arrangement.h"

#include <QList>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include <algorithm>

namespace vendaro {
namespace {

// Lines the minimised windows up from the bottom left, row upon row; returns
// the height the rows take.
int arrangeIcons(QMdiArea& area) {
  const QSize room = area.viewport()->size();
  int x = 0, y = room.height(), rowHeight = 0, used = 0;
  for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder)) {
    if (!window->isVisible() || !window->isMinimized()) continue;
    const QSize size = window->size();
    if (x > 0 && x + size.width() > room.width()) {
      x = 0;
      y -= rowHeight;
      rowHeight = 0;
    }
    if (rowHeight == 0) used += size.height();
    rowHeight = std::max(rowHeight, size.height());
    window->move(x, y - size.height());
    x += size.width();
  }
  return used;
}

// One above the other (horizontal) or side by side, sharing the room left
// above the minimised windows.
void tile(QMdiArea& area, bool horizontal) {
  QList<QMdiSubWindow*> windows;
  for (QMdiSubWindow* window : area.subWindowList(QMdiArea::CreationOrder))
    if (window->isVisible() && !window->isMinimized()) windows.append(window);
  const int iconRows = arrangeIcons(area);
  if (windows.isEmpty()) return;
  const QSize room(area.viewport()->width(), std::max(1, area.viewport()->height() - iconRows));
  const int count = static_cast<int>(windows.size());
  for (int i = 0; i < count; ++i) {
    QMdiSubWindow* window = windows[i];
    if (window->isMaximized()) window->showNormal();
    if (horizontal) {
      const int top = room.height() * i / count, bottom = room.height() * (i + 1) / count;
      window->setGeometry(0, top, room.width(), bottom - top);
    } else {
      const int left = room.width() * i / count, right = room.width() * (i + 1) / count;
      window->setGeometry(left, 0, right - left, room.height());
    }
  }
}

}  // namespace

void arrangeSubWindows(QMdiArea& area, MdiArrangement arrangement) {
  switch (arrangement) {
    case MdiArrangement::cascade:
      for (QMdiSubWindow* window : area.subWindowList())
        if (window->isMaximized()) window->showNormal();
      area.cascadeSubWindows();
      break;
    case MdiArrangement::horizontal: tile(area, true); break;
    case MdiArrangement::vertical: tile(area, false); break;
    case MdiArrangement::minimizeAll:
      for (QMdiSubWindow* window : area.subWindowList()) window->showMinimized();
      arrangeIcons(area);
      break;
    case MdiArrangement::arrangeIcons: arrangeIcons(area); break;
  }
}

void hideSubWindowKeepingMaximised(QMdiArea& area, QMdiSubWindow& window) {
  const bool maximised = window.isMaximized();
  window.hide();
  if (!maximised) return;
  // After the closing window's own close handling, in which Qt restores the
  // window it activates next.
  QTimer::singleShot(0, &area, [&area] {
    const QList<QMdiSubWindow*> history = area.subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
      QMdiSubWindow* next = *it;
      if (next->isHidden() || next->isMinimized()) continue;
      area.setActiveSubWindow(next);
      next->showMaximized();
      return;
    }
  });
}

}  // namespace vendaro
