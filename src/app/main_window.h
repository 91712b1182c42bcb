// main_window.h — the main frame: the area holding one window per open
// document and the status bar with its four panels (page, line and column,
// overwrite mode, activity).
#pragma once

#include <QMainWindow>

class QLabel;
class QMdiArea;

namespace vendaro {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow();

  void setStatusPanelText(int panel, const QString& text);

 private:
  QMdiArea* documents_;
  QLabel* panels_[4];
};

}  // namespace vendaro
