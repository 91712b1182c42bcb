// offscreen_gui.h — gives headless code (command line rendering, tests) the
// Qt GUI application that fonts and painting need, without a display.
#pragma once

#include <memory>

class QGuiApplication;

namespace vendaro {

// Null when a Qt application object exists already. Otherwise creates a GUI
// application on the "offscreen" platform (unless QT_QPA_PLATFORM names
// another one); the caller keeps it while drawing and lets it go before the
// program ends, since Qt cannot be torn down from exit handlers.
[[nodiscard]] std::unique_ptr<QGuiApplication> ensureOffscreenGui();

}  // namespace vendaro
