#include "app/offscreen_gui.h"

#include <QCoreApplication>
#include <QGuiApplication>

namespace vendaro {

std::unique_ptr<QGuiApplication> ensureOffscreenGui() {
  if (QCoreApplication::instance() != nullptr) return nullptr;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Qt keeps argc by reference and argv for the application's whole life.
  static int argc = 1;
  static char programName[] = "vendaro";
  static char* argv[] = {programName, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace vendaro
