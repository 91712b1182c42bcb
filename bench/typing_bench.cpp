// typing_bench.cpp — typing at the keyboard into the middle of a long text:
// 10,000 characters, one key press at a time, each with its undo
// bookkeeping and layout, in a 300,000-character document. Reports the
// median, 90th percentile and largest time per key.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "bench_documents.h"
#include "editing/editor.h"
#include "shell/headless_host.h"
#include "spelling/spell_check.h"
#include "spelling/spell_verdicts.h"
#include "spelling/spelling_service.h"

namespace vendaro {
namespace {

constexpr int kKeys = 10000;

// A new window's document whose page-1 body holds 2,000 paragraphs in
// 11 point Arial, laid out.
void fillLongText(Editor& editor, int fields = 0) {
  editor.FormCreate();
  std::mt19937 random(7);
  bench::fillWithParagraphs(editor.doc(), random);
  bench::scatterFields(editor.doc(), random, fields);
  editor.documentLoaded();
}

void caretIntoParagraph(Document& doc, int n) {
  const auto& lines = doc.Fields[0].Lines;
  for (int32_t i = 0; i < static_cast<int32_t>(lines.size()); ++i) {
    if (n == 0) {
      doc.CurLine = doc.MarkLine = i;
      doc.CurChar = doc.MarkChar = lines[static_cast<size_t>(i)].CharCount() / 2;
      return;
    }
    if (lines[static_cast<size_t>(i)].LineEnd == kLineEndParagraph) --n;
  }
}

// With argument 1 every layout also marks misspelled words against the
// German word list, as checking while typing does; with 2 the text holds
// 200 fields of every kind, which every layout brings up to date.
void BM_TypeIntoTheMiddleOfALongText(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  if (state.range(0) == 1) {
    const WordList& words = editor.services().spelling.selectLanguage(SpellingService::kGerman);
    editor.setSpellingHook([&words, verdicts = std::make_shared<SpellVerdicts>()](std::string_view word) {
      return verdicts->isCorrect(words, word);
    });
  }
  fillLongText(editor, state.range(0) == 2 ? 200 : 0);
  caretIntoParagraph(editor.doc(), bench::kParagraphs / 2);
  std::mt19937 random(11);
  const std::string keys = bench::germanLookingWords(random, kKeys);
  std::vector<double> times;
  times.reserve(kKeys);
  size_t next = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    editor.getkeysKeyPress(static_cast<uint8_t>(keys[next++ % keys.size()]));
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    state.SetIterationTime(elapsed.count());
    times.push_back(elapsed.count() * 1000.0);
  }
  std::sort(times.begin(), times.end());
  state.counters["median_ms"] = times[times.size() / 2];
  state.counters["p90_ms"] = times[times.size() * 9 / 10];
  state.counters["max_ms"] = times.back();
  state.counters["undo_steps"] = editor.undoHistory().UndoCount();
}
BENCHMARK(BM_TypeIntoTheMiddleOfALongText)->Arg(0)->Arg(1)->Arg(2)->Iterations(kKeys)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
