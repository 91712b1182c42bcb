// fields_bench.cpp — the word count of the statistics page over a
// 300,000-character text with 200 fields, and the field update of a page
// number field on a page read from a file as number 2^31 - 1.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>

#include "bench_documents.h"
#include "editing/editor.h"
#include "editing/field_update.h"
#include "editing/word_count.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

void BM_CountWordsOfALongTextWithFields(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  std::mt19937 random(7);
  bench::fillWithParagraphs(editor.doc(), random);
  bench::scatterFields(editor.doc(), random, 200);
  editor.documentLoaded();
  for (auto _ : state) benchmark::DoNotOptimize(CountWords(editor.doc()));
}
BENCHMARK(BM_CountWordsOfALongTextWithFields)->Unit(benchmark::kMillisecond);

void BM_PageFieldOnTheLastPossiblePage(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  Document& doc = editor.doc();
  doc.Fields[0].PageNo = INT32_MAX;
  TCharRec cell;
  cell.Kind = kCellField;
  SetPCharText(cell.Code, "page");
  doc.Fields[0].Lines[0].Chars.push_back(cell);
  const FieldSources sources;
  bool flip = false;
  for (auto _ : state) {
    // A text to replace each time, as after a paint showed the page's number.
    SetPCharText(doc.Fields[0].Lines[0].Chars[0].Text, (flip = !flip) ? "1" : "2");
    FelderAktuallisieren(doc, sources, FieldWalk::everyLine);
  }
}
BENCHMARK(BM_PageFieldOnTheLastPossiblePage)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vendaro
