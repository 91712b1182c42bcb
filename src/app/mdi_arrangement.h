// mdi_arrangement.h — the Window menu's arrangements of the document
// windows: cascaded, one above the other, side by side, all minimised, and
// the minimised ones lined up along the bottom edge; and closing a window
// without losing the maximised state of the others.
#pragma once

class QMdiArea;
class QMdiSubWindow;

namespace vendaro {

enum class MdiArrangement { cascade, horizontal, vertical, minimizeAll, arrangeIcons };

void arrangeSubWindows(QMdiArea& area, MdiArrangement arrangement);
// Hides a window that is going away. When it was maximised, the window
// before it in activation order becomes active maximised, as the documents
// were shown (Qt would bring it up restored).
void hideSubWindowKeepingMaximised(QMdiArea& area, QMdiSubWindow& window);

}  // namespace vendaro
