// qt_menus_bench.cpp — the main window's command enabling: every menu entry
// and tool button enabled by the caret's frame (what a menu opening costs),
// and the tool bars brought in line after a caret move, widgets included.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

// A window with one document whose page set-up was cancelled.
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
    for (char ch : std::string("Ein Plakat mit etwas Text"))
      window.activeEditorWindow()->editor()->getkeysKeyPress(static_cast<uint8_t>(ch));
  }
  ~OpenWindow() {
    for (EditorWindow* open : window.editorWindows()) open->document()->editor().doc().SetFileChanged(false);
  }
  Editor& editor() { return *window.activeEditorWindow()->editor(); }

  bool cancelled = false;
  MainWindow window;
};

void EnableAllMenus(benchmark::State& state) {
  OpenWindow open;
  for (auto _ : state) open.window.menus().refresh();
}
BENCHMARK(EnableAllMenus)->Unit(benchmark::kMicrosecond);

void BarsAfterCaretMove(benchmark::State& state) {
  OpenWindow open;
  Editor& editor = open.editor();
  bool left = true;
  for (auto _ : state) {
    editor.getkeysKeyDown(left ? kKeyLeft : kKeyRight, 0);
    left = !left;
  }
}
BENCHMARK(BarsAfterCaretMove)->Unit(benchmark::kMicrosecond);

void BarsUpdateAlone(benchmark::State& state) {
  OpenWindow open;
  Editor& editor = open.editor();
  for (auto _ : state) editor.SmallOvertakeFont();
}
BENCHMARK(BarsUpdateAlone)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vendaro

int main(int argc, char** argv) {
  const std::filesystem::path config = std::filesystem::temp_directory_path() / "vendaro-menus-bench";
  setenv("VENDARO_CONFIG_DIR", config.c_str(), 1);
  if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
