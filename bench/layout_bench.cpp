// layout_bench.cpp — the layout run after typing one character into a long
// text, a complete layout of that text, and a large three-column section.
#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "bench_documents.h"
#include "document/document.h"
#include "layout/hyphenation.h"
#include "layout/hyphenation_library.h"
#include "layout/line_breaking.h"

namespace vendaro {
namespace {

HyphenationLibrary& library() {
  static HyphenationLibrary shared;  // the German patterns of the program folder
  return shared;
}

// The page-1 body of an A4 page holding 2,000 paragraphs in 11 point Arial.
Document longText() {
  Document doc;
  doc.NewPage(false);
  std::mt19937 random(7);
  bench::fillWithParagraphs(doc, random);
  return doc;
}

void layOut(Document& doc, DocumentHyphenation& hyphenation) {
  const LayoutContext context{doc, hyphenation, {}, {}};
  MakeSoftEnters(context);
}

// Index of the first line of paragraph `n`.
int32_t paragraphLine(const Document& doc, int n) {
  const auto& lines = doc.Fields[0].Lines;
  for (int32_t i = 0; i < static_cast<int32_t>(lines.size()); ++i) {
    if (n == 0) return i;
    if (lines[static_cast<size_t>(i)].LineEnd == kLineEndParagraph) --n;
  }
  return 0;
}

void BM_TypeOneCharacterInLongText(benchmark::State& state) {
  Document doc = longText();
  DocumentHyphenation hyphenation(library(), doc.DocLanguage);
  layOut(doc, hyphenation);
  const int32_t line = paragraphLine(doc, bench::kParagraphs / 2);
  for (auto _ : state) {
    doc.CurField = doc.MarkField = 0;
    doc.CurLine = doc.MarkLine = line;
    doc.CurChar = doc.MarkChar = 10;
    TCharRec* cell = doc.NewChar();
    cell->Ch = 'x';
    doc.RenderChar(*cell);
    doc.Fields[0].Lines[static_cast<size_t>(line)].Dirty = 1;
    layOut(doc, hyphenation);

    state.PauseTiming();  // take the character out again, so that every round is alike
    auto& chars = doc.Fields[0].Lines[static_cast<size_t>(line)].Chars;
    chars.erase(chars.begin() + 10);
    doc.Fields[0].Lines[static_cast<size_t>(line)].Dirty = 1;
    layOut(doc, hyphenation);
    state.ResumeTiming();
  }
}
BENCHMARK(BM_TypeOneCharacterInLongText)->Unit(benchmark::kMicrosecond);

void BM_CompleteLayoutOfLongText(benchmark::State& state) {
  Document doc = longText();
  DocumentHyphenation hyphenation(library(), doc.DocLanguage);
  layOut(doc, hyphenation);
  for (auto _ : state) {
    doc.SetAllDirtyFlags();
    layOut(doc, hyphenation);
  }
  state.counters["lines"] = static_cast<double>(doc.Fields[0].LineCount());
}
BENCHMARK(BM_CompleteLayoutOfLongText)->Unit(benchmark::kMillisecond);

// 3,000 one-line paragraphs in three balanced columns on an A0 page, with a
// paragraph below the section.
void BM_ThreeColumnSectionOnA0(benchmark::State& state) {
  Document doc;
  doc.PageWidth = 841.0;
  doc.PageHeight = 1189.0;
  doc.SetPrinterProps();
  doc.NewPage(false);
  std::mt19937 random(11);
  bench::fillWithParagraphs(doc, random, 3001, 40, 8.0);
  auto& lines = doc.Fields[0].Lines;
  for (size_t i = 0; i < 3000; ++i) {
    lines[i].ColumnCount = 3;
    lines[i].Para.LineSpacingMode = 2;  // exactly 1.1 mm, so that the section fits the page
    lines[i].Para.LineSpacing = 1.1;
  }
  DocumentHyphenation hyphenation(library(), doc.DocLanguage);
  for (auto _ : state) {
    doc.SetAllDirtyFlags();
    layOut(doc, hyphenation);
  }
  state.counters["breaks"] = doc.Fields[0].Lines[0].ColumnBreaks;
  state.counters["lines"] = static_cast<double>(doc.Fields[0].LineCount());
}
BENCHMARK(BM_ThreeColumnSectionOnA0)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
