// dialog_conventions.h — what every dialog of the program does alike, kept in
// one place so that dialogs added later follow too: each is wide enough to
// show its whole caption as far as the screen allows, fits on the screen,
// and Enter, which otherwise presses the default button, is left to a list
// or a multi-line edit that has the focus.
#pragma once

#include <QObject>

class QDialog;
class QWidget;

namespace vendaro {

class DialogConventions : public QObject {
  Q_OBJECT

 public:
  // Watches every dialog of the program from now on; once per application.
  static void install();

  // The narrowest width at which the window title shows `dialog`'s caption
  // unclipped beside the title bar's icon and buttons.
  static int captionWidth(const QDialog& dialog);
  // Whether Enter belongs to `focus` rather than to the dialog's default
  // button: inside a list, table or multi-line edit.
  static bool keepsEnter(const QWidget* focus);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  using QObject::QObject;
};

}  // namespace vendaro
