// table_bench.cpp — table commands on large tables: inserting 10 × 1,000
// and 100 × 10,000 tables with their layout (time per cell stays level),
// appending and deleting a column of 10 × 10,000 with snapshot and layout,
// formatting the cells of a 10 × 1,000 selection, finding the edges of a
// 10,000-row table that line up and moving them on release (before layout).
#include <benchmark/benchmark.h>

#include <string>

#include "bench_documents.h"
#include "document/caret_moves.h"
#include "editing/editor.h"
#include "layout/table_tracks.h"

namespace vendaro {
namespace {

// Answers the cell dialog with "Kasten".
class QuietHost : public bench::QuietHost {
 public:
  bool showTableCellDialog(TTableCellForm& form) override {
    form.presetKasten();
    return true;
  }
};

// A fresh window with a table of `cols` × `rows` at its start.
void tableDocument(Editor& editor, int32_t cols, int32_t rows) {
  editor.FormCreate();
  editor.inserttableXY(cols, rows);
}

void BM_InsertTable(benchmark::State& state) {
  QuietHost host;
  const auto cols = static_cast<int32_t>(state.range(0));
  const auto rows = static_cast<int32_t>(state.range(1));
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>(host);
    editor->FormCreate();
    state.ResumeTiming();
    editor->inserttableXY(cols, rows);
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
  state.counters["cells"] = static_cast<double>(cols) * rows;
  state.counters["ns_per_cell"] =
      benchmark::Counter(static_cast<double>(cols) * rows, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_InsertTable)->Args({10, 1000})->Args({100, 1000})->Args({100, 10000})->Unit(benchmark::kMillisecond)->Iterations(3);

// Appends a column to every row of 10 × 10,000, with its snapshot and
// layout; the undo that takes it back is not timed.
void BM_AppendColumn(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  tableDocument(editor, 10, 10000);
  for (auto _ : state) {
    editor.InsertTableCols(true);
    state.PauseTiming();
    editor.RestoreCopyFromUndo(0);
    setCaret(editor.doc(), {0, 0, 0});
    setAnchor(editor.doc(), {0, 0, 0});
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AppendColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_DeleteColumn(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  tableDocument(editor, 10, 10000);
  for (auto _ : state) {
    state.PauseTiming();
    setCaret(editor.doc(), {0, 9, 0});
    setAnchor(editor.doc(), {0, 9, 0});
    state.ResumeTiming();
    editor.DeleteTableCells(2);
    state.PauseTiming();
    editor.RestoreCopyFromUndo(0);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DeleteColumn)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FormatCells(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  tableDocument(editor, 10, 1000);
  for (auto _ : state) {
    state.PauseTiming();
    setAnchor(editor.doc(), {0, 0, 0});
    setCaret(editor.doc(), {0, 9999, 0});
    state.ResumeTiming();
    editor.Zellenformatieren();
    state.PauseTiming();
    editor.RestoreCopyFromUndo(0);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FormatCells)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_FindAllTableTracks(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  tableDocument(editor, 10, 10000);
  const double edge = tableEdgeMm(editor.doc(), 0, 50000, 1);
  for (auto _ : state)
    FindAllTableTracks(editor.doc(), nullptr, editor.paintState().sideLists, 0, 50000, 1, edge);
  state.counters["tracks"] = static_cast<double>(editor.paintState().sideLists.TableTracks.size());
}
BENCHMARK(BM_FindAllTableTracks)->Unit(benchmark::kMillisecond);

// The release: every listed edge moved, with its undo step, before layout.
void BM_ColumnEdgeRelease(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  tableDocument(editor, 10, 10000);
  const double edge = tableEdgeMm(editor.doc(), 0, 0, 1);
  double offset = 5;
  for (auto _ : state) {
    state.PauseTiming();
    FindAllTableTracks(editor.doc(), nullptr, editor.paintState().sideLists, 0, 0, 1, tableEdgeMm(editor.doc(), 0, 0, 1));
    offset = -offset;
    state.ResumeTiming();
    editor.moveTableTracks(edge + offset);
  }
}
BENCHMARK(BM_ColumnEdgeRelease)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vendaro
