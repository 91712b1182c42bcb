#include "app/application.h"

#include <QApplication>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <string>
#include <vector>

#include "app/desktop_integration.h"
#include "app/main_window.h"
#include "app/qt_translations.h"

namespace vendaro {

int runApplication(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vendaro"));
  // Numbers in dialogs read the German way (decimal comma).
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTexts;
  if (loadGermanQtTranslations(qtTexts)) QCoreApplication::installTranslator(&qtTexts);
  registerDesktopIntegration(desktopFolders(), QCoreApplication::applicationFilePath().toStdString());
  // Qt has taken its own options out of the list by now.
  std::vector<std::string> arguments;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
  MainWindow window(std::move(arguments));
  window.show();
  return app.exec();
}

}  // namespace vendaro
