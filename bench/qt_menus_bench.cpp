// qt_menus_bench.cpp — the main window's command enabling: every menu entry
// and tool button enabled by the caret's frame (what a menu opening costs),
// and the tool bars brought in line after a caret move, widgets included.
#include <benchmark/benchmark.h>

#include "app/main_menus.h"
#include "qt_open_window.h"

namespace vendaro {
namespace {

using bench::OpenWindow;

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

int main(int argc, char** argv) { return vendaro::bench::runQtBenchmarks(argc, argv, "vendaro-menus-bench"); }
