#include "app/application.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QStringList>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <string>
#include <vector>

#include "app/desktop_integration.h"
#include "app/main_window.h"
#include "app/qt_translations.h"

namespace vendaro {

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt ends the program with an abort, and a core dump, when its platform
// cannot reach the display; the program says so and ends normally instead.
void startupMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    if (qtHandler) qtHandler(type, context, text);
    return;
  }
  std::fprintf(stderr, "Die grafische Anzeige konnte nicht geöffnet werden.\n%s\n", text.toLocal8Bit().constData());
  std::_Exit(1);
}

// Menus and file managers start vendaro, which hands the window on to this
// program; without it beside this program, this program itself.
std::string programForDesktop() {
  const std::filesystem::path self = QCoreApplication::applicationFilePath().toStdString();
  const std::filesystem::path launcher = self.parent_path() / "vendaro";
  std::error_code error;
  return std::filesystem::is_regular_file(launcher, error) ? launcher.string() : self.string();
}

}  // namespace

int runApplication(int argc, char** argv) {
  qtHandler = qInstallMessageHandler(startupMessageHandler);
  QApplication app(argc, argv);
  qInstallMessageHandler(qtHandler);
  QApplication::setApplicationName(QStringLiteral("Vendaro"));
  // Task bars tie the windows to the desktop entry and show its icon, which
  // an installation puts into the icon theme.
  QGuiApplication::setDesktopFileName(QStringLiteral("vendaro"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("vendaro")));
  // Numbers in dialogs read the German way (decimal comma).
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  QTranslator qtTexts;
  if (loadGermanQtTranslations(qtTexts)) QCoreApplication::installTranslator(&qtTexts);
  registerDesktopIntegration(desktopFolders(), programForDesktop());
  // Qt has taken its own options out of the list by now.
  std::vector<std::string> arguments;
  const QStringList all = QCoreApplication::arguments();
  for (qsizetype i = 1; i < all.size(); ++i) arguments.push_back(all[i].toStdString());
  MainWindow window(std::move(arguments));
  window.show();
  return app.exec();
}

}  // namespace vendaro
