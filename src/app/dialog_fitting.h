// dialog_fitting.h — keeps a dialog inside the screen it opens on: one taller
// or wider than the room there (a small screen, or a large scale factor)
// first stands its marked columns under one another, and then gets its
// controls in a scroll area, its OK and Cancel buttons staying in view.
#pragma once

#include <QSize>

class QBoxLayout;
class QDialog;
class QWidget;

namespace vendaro {

// The room for a window's inside on the screen `widget` shows on: the
// screen's free area less the frame the window manager draws around it.
QSize roomOnScreen(const QWidget& widget);

// Marks a row of groups side by side that may stand in a column instead
// when the screen is too narrow for them.
void allowStacking(QBoxLayout& columns);

// Shrinks `dialog` to `room` where it needs more, scrolling its controls;
// a dialog that fits gets the size it asks for unless it was given one.
// Called before each showing.
void fitDialogInto(QDialog& dialog, const QSize& room);

}  // namespace vendaro
