// mdi_arrangement.h — the Window menu's arrangements of the document
// windows: cascaded, one above the other, side by side, all minimised, and
// the minimised ones lined up along the bottom edge.
#pragma once

class QMdiArea;

namespace vendaro {

enum class MdiArrangement { cascade, horizontal, vertical, minimizeAll, arrangeIcons };

void arrangeSubWindows(QMdiArea& area, MdiArrangement arrangement);

}  // namespace vendaro
