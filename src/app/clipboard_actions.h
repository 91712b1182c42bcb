// clipboard_actions.h — "&Ausschneiden", "&Kopieren", "&Einfügen" and
// "&Inhalte einfügen..." in a menu, with Ctrl+X, Ctrl+C and Ctrl+V. The
// clipboard is asked what it offers only while the menu opens; between
// openings the entries stay on for a document, so that the shortcuts work
// without asking.
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace vendaro {

class MainWindow;

class ClipboardActions : public QObject {
  Q_OBJECT

 public:
  ClipboardActions(QMenu& menu, MainWindow& main);

  QAction* cutAction = nullptr;
  QAction* copyAction = nullptr;
  QAction* pasteAction = nullptr;
  QAction* pasteSpecialAction = nullptr;

 private:
  void menuOpens();
  void menuCloses();

  MainWindow& main_;
};

}  // namespace vendaro
