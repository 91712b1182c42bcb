// qt_open_window.h — what the front end's benchmarks share: the program's
// main window with one document whose page set-up was cancelled and a line
// of text typed, and a main() that runs the benchmarks in one application
// on the offscreen platform with a configuration of their own.
#pragma once

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/editor_window.h"
#include "app/main_window.h"
#include "editing/editor.h"

namespace vendaro::bench {

class OpenWindow {
 public:
  OpenWindow() {
    // The page set-up runs its own event loop: a timer answers it.
    QTimer cancel;
    QObject::connect(&cancel, &QTimer::timeout, [&] {
      if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        dialog->reject();
        cancelled = true;
      }
    });
    cancel.start(5);
    window.show();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 10000 && !(cancelled && window.activeEditorWindow())) QApplication::processEvents();
    QApplication::processEvents();
    for (char ch : std::string("Ein Plakat mit etwas Text")) editor().getkeysKeyPress(static_cast<uint8_t>(ch));
  }
  ~OpenWindow() {
    for (EditorWindow* open : window.editorWindows()) open->document()->editor().doc().SetFileChanged(false);
  }
  Editor& editor() { return *window.activeEditorWindow()->editor(); }

  bool cancelled = false;
  MainWindow window;
};

inline int runQtBenchmarks(int argc, char** argv, const char* configFolder) {
  const std::filesystem::path config = std::filesystem::temp_directory_path() / configFolder;
  setenv("VENDARO_CONFIG_DIR", config.c_str(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace vendaro::bench
