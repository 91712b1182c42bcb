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
// A title bar and borders, for a window whose neighbours have no frame yet
// to measure.
constexpr QSize kAssumedFrame(16, 40);

QSize frameAround(const QWidget& widget) {
  const QWidget* parent = widget.parentWidget();
  const QWidget* framed = parent ? parent->window() : nullptr;
  if (!framed || !framed->isVisible()) return kAssumedFrame;
  return framed->frameGeometry().size() - framed->geometry().size();
}

// The layout that holds `widget` itself, searched from `layout` down.
QLayout* layoutHolding(QLayout& layout, QWidget* widget) {
  if (layout.indexOf(widget) >= 0) return &layout;
  for (int i = 0; i < layout.count(); ++i)
    if (QLayout* inner = layout.itemAt(i)->layout())
      if (QLayout* found = layoutHolding(*inner, widget)) return found;
  return nullptr;
}

// The dialog's own OK/Cancel row taken out of its layout, or null.
QDialogButtonBox* takeButtonRow(QDialog& dialog, QLayout& controls) {
  for (QDialogButtonBox* buttons : dialog.findChildren<QDialogButtonBox*>()) {
    if (buttons->window() != &dialog) continue;
    if (QLayout* holder = layoutHolding(controls, buttons)) {
      holder->removeWidget(buttons);
      return buttons;
    }
  }
  return nullptr;
}

// Moves the dialog's controls into a scroll area that fills it, the button
// row underneath where it cannot scroll away.
QScrollArea* wrapInScrollArea(QDialog& dialog) {
  QLayout* controls = dialog.layout();
  // Moving a control to another parent takes its focus away.
  QPointer<QWidget> focus = dialog.focusWidget();
  QDialogButtonBox* buttons = takeButtonRow(dialog, *controls);
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
  if (buttons) layout->addWidget(buttons);
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

}  // namespace

QSize roomOnScreen(const QWidget& widget) {
  const QScreen* screen = widget.screen() ? widget.screen() : QGuiApplication::primaryScreen();
  if (!screen) return {QWIDGETSIZE_MAX, QWIDGETSIZE_MAX};
  return screen->availableGeometry().size() - frameAround(widget);
}

void fitDialogInto(QDialog& dialog, const QSize& room) {
  if (!dialog.layout()) return;
  QSize size = wholeSize(dialog);
  if (size.width() <= room.width() && size.height() <= room.height()) return;
  if (!scrollAreaOf(dialog)) wrapInScrollArea(dialog);
  // A scroll bar along one side takes room from the other.
  const int bar = dialog.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &dialog);
  if (size.height() > room.height()) size.rwidth() += bar;
  if (size.width() > room.width()) size.rheight() += bar;
  dialog.setMinimumSize(dialog.minimumSize().boundedTo(room));
  dialog.resize(size.boundedTo(room));
}

}  // namespace vendaro
