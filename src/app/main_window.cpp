#include "app/main_window.h"

#include <QLabel>
#include <QMdiArea>
#include <QStatusBar>

namespace vendaro {

MainWindow::MainWindow() : documents_(new QMdiArea(this)) {
  setWindowTitle(QStringLiteral("TOR-MEL Vendaro"));
  setCentralWidget(documents_);
  static constexpr int kPanelWidths[4] = {120, 160, 40, 200};
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setMinimumWidth(kPanelWidths[i]);
    statusBar()->addWidget(panels_[i], i == 3 ? 1 : 0);
  }
  resize(1024, 768);
}

void MainWindow::setStatusPanelText(int panel, const QString& text) {
  if (panel >= 0 && panel < 4) panels_[panel]->setText(text);
}

}  // namespace vendaro
