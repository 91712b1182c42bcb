// qt_dialogs_bench.cpp — how long a dialog takes from its command to being
// painted on screen: the first opening in a fresh process (the dialog is
// built then, and the first one to list fonts enumerates them), and every
// later opening of the same dialog (only filled and shown again).
#include <benchmark/benchmark.h>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>

#include <algorithm>
#include <string>
#include <vector>

#include "app/main_menus.h"
#include "document/caret_moves.h"
#include "qt_open_window.h"

namespace vendaro {
namespace {

// Every dialog a command opens, with where the caret must stand: in the
// text (false) or in a table (true).
struct DialogCommand {
  const char* entry;
  bool inTable;
};
constexpr DialogCommand kCommands[] = {
    {"&Zeichen...", false},          {"&Absatz...", false},           {"&Nummerierung und Aufzählungen....", false},
    {"&Spalten...", false},          {"&Tabulator...", false},        {"Neue &Absatzvorlage...", false},
    {"&Vorlagen verwalten...", false}, {"&Sonderzeichen...", false},  {"&Tabelle einfügen...", false},
    {"Zeilen e&infügen...", true},   {"Spalten ein&fügen...", true},  {"Zellen &formatieren...", true},
    {"F&eld...", false},             {"&Datum und Uhrzeit...", false}, {"F&ormularfeld...", false},
    {"&Eigenschaften...", false},    {"Seite ein&richten...", false}, {"&Suchen...", false},
    {"&Benutzerwörterbuch...", false}, {"&Optionen...", false},       {"&Zoom...", false},
    {"&Info...", false}};

QAction* findEntry(QMenuBar& bar, const QString& caption) {
  std::vector<QMenu*> menus;
  for (QAction* top : bar.actions())
    if (top->menu()) menus.push_back(top->menu());
  while (!menus.empty()) {
    QMenu* menu = menus.back();
    menus.pop_back();
    for (QAction* action : menu->actions()) {
      if (action->menu()) menus.push_back(action->menu());
      else if (action->text() == caption) return action;
    }
  }
  return nullptr;
}

// The window with a table after the text.
class DialogWindow : public bench::OpenWindow {
 public:
  DialogWindow() {
    editor().inserttableXY(2, 2);
    for (int32_t line = 0; line < editor().doc().Fields[0].LineCount(); ++line)
      if (editor().doc().Fields[0].Lines[static_cast<size_t>(line)].InTable) tableLine = line;
  }

  // Milliseconds from the command to the dialog painted; the dialog is
  // cancelled then.
  double open(const DialogCommand& command) {
    Document& doc = editor().doc();
    const TextPos at{0, command.inTable ? tableLine : 0, 0};
    setAnchor(doc, at);
    setCaret(doc, at);
    window.menus().refresh();
    QAction* action = findEntry(*window.menuBar(), QString::fromUtf8(command.entry));
    if (!action || !action->isEnabled()) return -1;
    QElapsedTimer clock;
    double elapsed = -1;
    // Runs in the dialog's own event loop, at once when it is shown; it also
    // acknowledges a message that may follow the dialog ("Suche beendet").
    QTimer answer;
    answer.setInterval(0);
    QObject::connect(&answer, &QTimer::timeout, [&] {
      auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
      if (!dialog) return;
      if (elapsed < 0) {
        dialog->repaint();
        elapsed = clock.nsecsElapsed() / 1e6;
      }
      dialog->reject();
    });
    answer.start();
    clock.start();
    action->trigger();
    return elapsed;
  }

  int32_t tableLine = 0;
};

// One iteration: a fresh window whose dialogs are all opened for the first
// time, in menu order; the slowest first opening is the figure, every
// dialog's own is a counter. Fonts are listed once per process, so only the
// first iteration pays for that; run with --benchmark_min_time=1x for it.
void FirstOpenings(benchmark::State& state) {
  double slowest = 0;
  for (auto _ : state) {
    DialogWindow open;
    slowest = 0;
    for (const DialogCommand& command : kCommands) {
      const double ms = open.open(command);
      state.counters[command.entry] = ms;
      slowest = std::max(slowest, ms);
    }
  }
  state.counters["slowest_ms"] = slowest;
}
BENCHMARK(FirstOpenings)->Unit(benchmark::kMillisecond)->Iterations(1);

// Later openings: every dialog once more per iteration; the slowest counts.
void LaterOpenings(benchmark::State& state) {
  DialogWindow open;
  for (const DialogCommand& command : kCommands) open.open(command);
  double slowest = 0;
  std::string slowestEntry;
  for (auto _ : state) {
    for (const DialogCommand& command : kCommands) {
      const double ms = open.open(command);
      if (ms > slowest) {
        slowest = ms;
        slowestEntry = command.entry;
      }
    }
  }
  state.counters["slowest_ms"] = slowest;
  state.SetLabel("slowest: " + slowestEntry);
}
BENCHMARK(LaterOpenings)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vendaro

int main(int argc, char** argv) { return vendaro::bench::runQtBenchmarks(argc, argv, "vendaro-dialogs-bench"); }
