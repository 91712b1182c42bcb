// standard_toolbar.h — the "Standartleiste": file commands, quick print and
// the page view, cut, copy and paste, undo and redo with the lists of their
// steps, the button that shows the non-printing characters, and the zoom box.
#pragma once

#include <QToolBar>

#include "editing/editor_host.h"

class QAction;
class QToolButton;

namespace vendaro {

class MainWindow;
class ZoomBox;

class StandardToolbar : public QToolBar {
  Q_OBJECT

 public:
  explicit StandardToolbar(MainWindow& main);

  // The buttons' state and hints from the active document's history.
  void showUndoHints(const UndoControl& undo, const UndoControl& redo);
  QToolButton* undoButton() const { return undoButton_; }
  QToolButton* redoButton() const { return redoButton_; }
  QAction* printAction() const { return printAction_; }
  // notprintablebtn: down while the non-printing characters show.
  QAction* notPrintableAction() const { return notPrintableAction_; }
  ZoomBox* zoomBox() const { return zoomBox_; }

 private:
  void addFileButtons();
  void addEditButtons();
  // The undo or redo button: a click acts on one step, entry k of its list
  // on k + 1 steps.
  QToolButton* addHistoryButton(const QIcon& icon, bool redo);

  MainWindow& main_;
  QAction* printAction_ = nullptr;
  QToolButton* undoButton_ = nullptr;
  QToolButton* redoButton_ = nullptr;
  QAction* notPrintableAction_ = nullptr;
  ZoomBox* zoomBox_ = nullptr;
};

}  // namespace vendaro
