#include "app/application.h"

#include <QApplication>

#include "app/main_window.h"

namespace vendaro {

int runApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vendaro"));
  MainWindow window;
  window.show();
  return app.exec();
}

}  // namespace vendaro
