// undo_bench.cpp — recording an undo step of a 300,000-character document,
// the memory one step holds, undoing (loading a step back), the first key
// of a session, and a thousand typing steps.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>

#include <malloc.h>

#include <string>

#include "bench_documents.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

using bench::QuietHost;

// The window's empty document filled with 2,000 paragraphs of 150 letters
// and spaces in 11 point Arial, wrapped into lines by the real layout.
void fillLongText(Editor& editor) {
  editor.FormCreate();
  std::mt19937 random(7);
  bench::fillWithParagraphs(editor.doc(), random);
  editor.RefreshContent();
}

// Small blocks come from the arena, large ones are mapped on their own.
size_t heapInUse() {
  const struct mallinfo2 info = mallinfo2();
  return info.uordblks + info.hblkhd;
}

void BM_MakeCopyForUndo(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  fillLongText(editor);
  const size_t before = heapInUse();
  editor.MakeCopyForUndo("Eingabe");
  const double bytesPerStep = static_cast<double>(heapInUse() - before);
  // Steady state: the history is full, so every step also drops the oldest.
  for (auto _ : state) editor.MakeCopyForUndo("Eingabe");
  state.counters["bytes_per_step"] = bytesPerStep;
  state.counters["lines"] = static_cast<double>(editor.doc().Fields[0].LineCount());
}
BENCHMARK(BM_MakeCopyForUndo)->Unit(benchmark::kMillisecond);

// Undo from the middle of the history: one step loaded back.
void BM_UndoOneStep(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  fillLongText(editor);
  for (int i = 0; i < 3; ++i) editor.MakeCopyForUndo("Eingabe");
  editor.RestoreCopyFromUndo(0);  // keeps the present state once
  for (auto _ : state) {
    editor.RestoreCopyFromUndo(0);
    state.PauseTiming();
    editor.RestoreBeforeRestoreCopyFromUndo(0);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_UndoOneStep)->Unit(benchmark::kMillisecond);

// The first undo after editing: the present state is kept, then a step loaded.
void BM_FirstUndo(benchmark::State& state) {
  QuietHost host;
  Editor editor(host);
  fillLongText(editor);
  for (int i = 0; i < 3; ++i) editor.MakeCopyForUndo("Eingabe");
  for (auto _ : state) {
    editor.RestoreCopyFromUndo(0);
    state.PauseTiming();
    editor.RestoreBeforeRestoreCopyFromUndo(0);  // back at the end of the history
    state.ResumeTiming();
  }
}
BENCHMARK(BM_FirstUndo)->Unit(benchmark::kMillisecond);

void caretIntoParagraph(Editor& editor, int32_t line, int32_t cell) {
  Document& doc = editor.doc();
  doc.CurLine = doc.MarkLine = line;
  doc.CurChar = doc.MarkChar = cell;
}

// The first key typed into a document just laid out: its step, the edit
// and the layout after it. Each run starts a new window.
void BM_FirstKeyOfASession(benchmark::State& state) {
  QuietHost host;
  double bytes = 0, slowest = 0;
  bool firstRun = true;
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>(host);
    fillLongText(*editor);
    caretIntoParagraph(*editor, editor->doc().Fields[0].LineCount() / 2, 5);
    const size_t before = heapInUse();
    state.ResumeTiming();
    const auto start = std::chrono::steady_clock::now();
    editor->getkeysKeyPress('x');
    const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
    state.PauseTiming();
    // The first run of the process is the cold one (caches, first pages).
    if (firstRun) state.counters["cold_ms"] = elapsed.count();
    firstRun = false;
    slowest = std::max(slowest, elapsed.count());
    bytes = static_cast<double>(heapInUse() - before);
    editor.reset();
    state.ResumeTiming();
  }
  state.counters["bytes_first_key"] = bytes;
  state.counters["max_ms"] = slowest;
}
BENCHMARK(BM_FirstKeyOfASession)->Unit(benchmark::kMillisecond)->Iterations(20);

// A thousand typing steps, each a key after the caret moved down a line
// with the arrow key (which ends the run of typing): the time per step and
// the memory all steps hold.
void BM_ThousandTypingSteps(benchmark::State& state) {
  QuietHost host;
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>(host);
    fillLongText(*editor);
    editor->setMaxUndoSteps(1000);
    caretIntoParagraph(*editor, 10, 3);
    const size_t before = heapInUse();
    state.ResumeTiming();
    for (int32_t step = 0; step < 1000; ++step) {
      editor->getkeysKeyDown(kKeyDown, 0);
      editor->getkeysKeyPress(static_cast<uint8_t>('a' + step % 26));
    }
    state.PauseTiming();
    state.counters["steps"] = editor->undoHistory().UndoCount();
    state.counters["heap_mb"] = static_cast<double>(heapInUse() - before) / (1 << 20);
    editor->MakeCopyForUndo("Eingabe");  // settles what the last typing step holds
    state.counters["held_mb"] = static_cast<double>(editor->undoHistory().heldBytes()) / (1 << 20);
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ThousandTypingSteps)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace vendaro
