// format_bench.cpp — formatting commands on a 300,000-character document in
// 2,000 paragraphs and five fonts: bold and centring on Select All (the
// whole command, and the walk over the text alone), centring one paragraph,
// centring 20,000 lines of 1,000,000 cells, and the tool bar update.
#include <benchmark/benchmark.h>

#include <random>

#include "bench_documents.h"
#include "document/caret_moves.h"
#include "document/paragraph_format.h"
#include "editing/editor.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

// Gives paragraph i the i-th of five fonts, in turn.
void useFiveFonts(Document& doc) {
  const char* faces[] = {"Arial", "Times New Roman", "Courier New", "Arial", "Times New Roman"};
  int32_t fonts[5];
  for (int i = 0; i < 5; ++i) {
    TFontRec font = doc.CurFont;
    SetPCharText(font.Name, faces[i]);
    font.Size = 10 + 2 * i;
    fonts[i] = doc.GetNewFontIndex(font);
  }
  size_t paragraph = 0;
  for (TLineRec& line : doc.Fields[0].Lines) {
    for (TCharRec& cell : line.Chars) {
      cell.FontIndex = fonts[paragraph % 5];
      doc.RenderChar(cell);
    }
    if (line.LineEnd == kLineEndParagraph) ++paragraph;
  }
}

void fillText(Editor& editor, int paragraphs = bench::kParagraphs, int length = bench::kParagraphLength) {
  editor.FormCreate();
  std::mt19937 random(7);
  bench::fillWithParagraphs(editor.doc(), random, paragraphs, length);
  useFiveFonts(editor.doc());
  editor.documentLoaded();
}

void selectAll(Document& doc) {
  const auto& lines = doc.Fields[0].Lines;
  setAnchor(doc, {0, 0, 0});
  setCaret(doc, {0, static_cast<int32_t>(lines.size()) - 1, lines.back().CharCount()});
}

void caretIntoTheMiddle(Document& doc) {
  const TextPos middle{0, bench::kParagraphs / 2, 3};
  setCaret(doc, middle);
  setAnchor(doc, middle);
}

// Switches the alignment between centred and left, so that every run
// changes every line, and writes it alone: no undo step, no layout.
void writeAlignmentAlone(Document& doc, ParagraphValues& values) {
  values.Para.Alignment = values.Para.Alignment == 1 ? 0 : 1;
  setParagraphFields(doc, values, kParaAlignment, false);
}

void BM_BoldOnSelectAll(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  selectAll(editor.doc());
  for (auto _ : state) editor.toggleCharacterStyle(0);
}
BENCHMARK(BM_BoldOnSelectAll)->Unit(benchmark::kMillisecond);

void BM_BoldWalkAloneOnSelectAll(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  selectAll(editor.doc());
  CharacterApply bold;
  bold.bold = true;
  for (auto _ : state) {
    SettingOpsB(editor.doc().CurFont.Style, 0, !GettingOpsB(editor.doc().CurFont.Style, 0));
    editor.applyInputFont(bold);
  }
}
BENCHMARK(BM_BoldWalkAloneOnSelectAll)->Unit(benchmark::kMillisecond);

// Alternates centred and left so that every run changes every line.
void BM_CentreSelectAll(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  selectAll(editor.doc());
  bool centre = true;
  for (auto _ : state) {
    if (centre) editor.formatcenter();
    else editor.formatleft();
    centre = !centre;
  }
}
BENCHMARK(BM_CentreSelectAll)->Args({bench::kParagraphs, bench::kParagraphLength})->Args({20000, 50})->Unit(benchmark::kMillisecond);

// The writing of the format alone, without undo step and layout.
void BM_CentreWriteAloneSelectAll(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor, static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
  selectAll(editor.doc());
  ParagraphValues values = getabsatzformat(editor.doc());
  for (auto _ : state) writeAlignmentAlone(editor.doc(), values);
}
BENCHMARK(BM_CentreWriteAloneSelectAll)->Args({bench::kParagraphs, bench::kParagraphLength})->Args({20000, 50})->Unit(benchmark::kMillisecond);

void BM_CentreOneParagraph(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  caretIntoTheMiddle(editor.doc());
  bool centre = true;
  for (auto _ : state) {
    if (centre) editor.formatcenter();
    else editor.formatleft();
    centre = !centre;
  }
}
BENCHMARK(BM_CentreOneParagraph)->Unit(benchmark::kMillisecond);

void BM_CentreOneParagraphWriteAlone(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  caretIntoTheMiddle(editor.doc());
  ParagraphValues values = getabsatzformat(editor.doc());
  for (auto _ : state) writeAlignmentAlone(editor.doc(), values);
}
BENCHMARK(BM_CentreOneParagraphWriteAlone)->Unit(benchmark::kMicrosecond);

// What every command on Select All adds to its own work: the undo step and
// the layout of every line.
void BM_SnapshotAlone(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  for (auto _ : state) editor.MakeCopyForUndo("Absatzformat");
}
BENCHMARK(BM_SnapshotAlone)->Unit(benchmark::kMillisecond);

void BM_LayoutOfEveryLineAlone(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  for (auto _ : state) editor.RefreshContent();
}
BENCHMARK(BM_LayoutOfEveryLineAlone)->Unit(benchmark::kMillisecond);

void BM_SmallOvertakeFont(benchmark::State& state) {
  HeadlessHost host;
  Editor editor(host);
  fillText(editor);
  setCaret(editor.doc(), {0, 10, 5});
  for (auto _ : state) editor.SmallOvertakeFont();
}
BENCHMARK(BM_SmallOvertakeFont)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vendaro
