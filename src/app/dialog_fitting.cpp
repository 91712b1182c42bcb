#include "app/dialog_fitting.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

namespace vendaro {
namespace {

constexpr char kScrollAreaName[] = "dialogScrollArea";
constexpr char kStackableName[] = "dialogStackableColumns";
// A title bar and borders, for a window whose neighbours have no frame yet
// to measure.
constexpr QSize kAssumedFrame(16, 40);

QSize frameAround(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  const QWidget* framed = parent ? parent->window() : nullptr;
  if (!framed || !framed->isVisible()) return kAssumedFrame;
  return framed->frameGeometry().size() - framed->geometry().size();
}

bool holds(QLayout& layout, const QWidget* widget) {
  for (int i = 0; i < layout.count(); ++i) {
    QLayoutItem* item = layout.itemAt(i);
    if (item->widget() == widget || (item->layout() && holds(*item->layout(), widget))) return true;
  }
  return false;
}

// The row of the dialog's layout that holds its OK/Cancel buttons, with
// whatever stands beside them, taken out of it; or null.
QLayoutItem* takeButtonRow(QDialog& dialog, QLayout& controls) {
  if (controls.count() < 2) return nullptr;  // nothing would be left to scroll
  for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
    if (buttons->window() != &dialog) continue;
    for (int i = 0; i < controls.count(); ++i) {
      QLayoutItem* item = controls.itemAt(i);
      if (item->widget() == buttons || (item->layout() && holds(*item->layout(), buttons))) return controls.takeAt(i);
    }
  }
  return nullptr;
}

void addRow(QBoxLayout& layout, QLayoutItem* row) {
  if (QLayout* inner = row->layout()) {
    inner->setParent(nullptr);  // a layout joins another only without a parent
    layout.addLayout(inner);
  } else {
    layout.addWidget(row->widget());
    delete row;
  }
}

// Moves the dialog's controls into a scroll area that fills it, the button
// row underneath where it cannot scroll away.
QScrollArea* wrapInScrollArea(QDialog& dialog) {
  QLayout* controls = dialog.layout();
  // Moving a control to another parent takes its focus away.
  QPointer<QWidget> focus = dialog.focusWidget();
  QLayoutItem* buttons = takeButtonRow(dialog, *controls);
  const QMargins margins = controls->contentsMargins();
  auto* content = new QWidget;
  content->setLayout(controls);  // takes the layout, and its widgets, from the dialog
  controls->setContentsMargins(0, margins.top(), 0, 0);
  auto* scroll = new QScrollArea(&dialog);
  scroll->setObjectName(QLatin1String(kScrollAreaName));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setWidgetResizable(true);
  scroll->setWidget(content);
  auto* layout = new QVBoxLayout(&dialog);
  layout->setContentsMargins(margins.left(), 0, margins.right(), margins.bottom());
  layout->addWidget(scroll);
  if (buttons) addRow(*layout, buttons);
  if (focus) focus->setFocus();
  return scroll;
}

QScrollArea* scrollAreaOf(const QDialog& dialog) {
  return dialog.findChild<QScrollArea*>(QLatin1String(kScrollAreaName), Qt::FindDirectChildrenOnly);
}

// The size the dialog would take with all its controls in view.
QSize wholeSize(const QDialog& dialog) {
  QSize size = dialog.sizeHint().expandedTo(dialog.minimumSize());
  if (const QScrollArea* scroll = scrollAreaOf(dialog))
    size += (scroll->widget()->sizeHint() - scroll->sizeHint()).expandedTo(QSize(0, 0));
  return size;
}

bool fitsInto(const QSize& size, const QSize& room) { return size.width() <= room.width() && size.height() <= room.height(); }

// Side by side where the room allows it, else under one another.
void arrangeColumns(const QDialog& dialog, int roomWidth) {
  // Each layout keeps its size hints until told: after a change inside,
  // all of them ask afresh.
  const auto turn = [&dialog](QBoxLayout& columns, QBoxLayout::Direction direction) {
    if (columns.direction() == direction) return;
    columns.setDirection(direction);
    for (QLayout* layout : dialog.findChildren<QLayout*>()) layout->invalidate();
  };
  for (QBoxLayout* columns : dialog.findChildren<QBoxLayout*>(QLatin1String(kStackableName))) {
    turn(*columns, QBoxLayout::LeftToRight);
    if (wholeSize(dialog).width() > roomWidth) turn(*columns, QBoxLayout::TopToBottom);
  }
}

}  // namespace

void allowStacking(QBoxLayout& columns) { columns.setObjectName(QLatin1String(kStackableName)); }

QSize roomOnScreen(const QWidget& widget) {
  const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
  if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  return screen->availableGeometry().size() - frameAround(widget);
}

void fitDialogInto(QDialog& dialog, const QSize& room) {
  if (!dialog.layout()) return;
  arrangeColumns(dialog, room.width());
  const QSize whole = wholeSize(dialog);
  // A size the dialog was given counts as much as the one it asks for. Qt
  // sizes a window to at most two thirds of the screen, which on a small
  // screen squeezes controls that would fit.
  const bool given = dialog.testAttribute(Qt::WA_Resized);
  QSize size = given ? whole.expandedTo(dialog.size()) : whole;
  if (fitsInto(size, room)) {
    if (!given) dialog.resize(size);
    return;
  }
  if (!fitsInto(whole, room)) {
    if (!scrollAreaOf(dialog)) wrapInScrollArea(dialog);
    // A scroll bar along one side takes room from the other.
    const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
    if (whole.height() > room.height()) size.rwidth() += bar;
    if (whole.width() > room.width()) size.rheight() += bar;
  }
  dialog.setMinimumSize(dialog.minimumSize().boundedTo(room));
  dialog.resize(size.boundedTo(room));
}

}  // namespace vendaro
