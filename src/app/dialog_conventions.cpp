#include "app/dialog_conventions.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <algorithm>

#include "app/dialog_fitting.h"

namespace vendaro {
namespace {

// Title bars set their caption a little larger than dialog text and keep room
// for the window icon and the close button (at least).
constexpr double kTitleFontGrowth = 1.25;
constexpr int kTitleBarControls = 120;

// Only the program's own dialogs: Qt's message boxes and file dialogs keep
// their own ways.
bool isProgramDialog(const QObject* object) {
  return qobject_cast<const QDialog*>(object) &&
         QLatin1String(object->metaObject()->className()).startsWith(QLatin1String("vendaro::"));
}

}  // namespace

void DialogConventions::install() {
  static DialogConventions* installed = nullptr;
  if (installed) return;
  installed = new DialogConventions(qApp);
  qApp->installEventFilter(installed);
}

int DialogConventions::captionWidth(const QDialog& dialog) {
  const QFontMetrics metrics(dialog.font());
  return static_cast<int>(metrics.horizontalAdvance(dialog.windowTitle()) * kTitleFontGrowth) + kTitleBarControls;
}

bool DialogConventions::keepsEnter(const QWidget* focus) {
  for (const QWidget* w = focus; w && !w->isWindow(); w = w->parentWidget())
    if (qobject_cast<const QAbstractItemView*>(w) || qobject_cast<const QPlainTextEdit*>(w) ||
        qobject_cast<const QTextEdit*>(w))
      return true;
  return false;
}

bool DialogConventions::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::Show && event->type() != QEvent::KeyPress) return false;
  if (!isProgramDialog(watched)) return false;
  auto* dialog = static_cast<QDialog*>(watched);
  if (event->type() == QEvent::Show) {
    const QSize room = roomOnScreen(*dialog);
    dialog->setMinimumWidth(std::min(std::max(dialog->minimumWidth(), captionWidth(*dialog)), room.width()));
    fitDialogInto(*dialog, room);
    return false;
  }
  // A key reaches the dialog only when the focused control left it unused.
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  return enter && keepsEnter(dialog->focusWidget());
}

}  // namespace vendaro
