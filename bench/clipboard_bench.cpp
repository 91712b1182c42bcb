// clipboard_bench.cpp — copying a 300,000-character selection of 2,000
// paragraphs in five fonts, pasting it into the middle of such a text with
// its layout, and pasting a megabyte of plain text into a new document.
#include <benchmark/benchmark.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "bench_documents.h"
#include "document/caret_moves.h"
#include "editing/editor.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

class MemoryClipboard : public HeadlessHost {
 public:
  ClipboardContents held;
  bool hasText = false, hasStream = false;
  std::optional<ClipboardFormats> clipboardFormats() override { return ClipboardFormats{hasStream, hasText, false}; }
  bool setClipboard(const ClipboardContents& contents) override {
    held = contents;
    hasText = hasStream = true;
    return true;
  }
  bool clipboardFormattedText(std::vector<uint8_t>& out) override {
    out = held.formattedText;
    return hasStream;
  }
  bool clipboardText(std::string& out) override {
    out = held.text;
    return hasText;
  }
};

// 2,000 laid-out paragraphs; paragraph i is in the i % 5-th of five fonts.
void fillInFiveFonts(Editor& editor, unsigned seed) {
  editor.FormCreate();
  std::mt19937 random(seed);
  Document& doc = editor.doc();
  bench::fillWithParagraphs(doc, random);
  static const char* const kFaces[] = {"Arial", "Times New Roman", "Courier New", "Arial", "Times New Roman"};
  auto& lines = doc.Fields[0].Lines;
  for (size_t i = 0; i < lines.size(); ++i) {
    TFontRec font = doc.Fonts[lines[i].Chars[0].FontIndex];
    SetPCharText(font.Name, kFaces[i % 5]);
    font.Style = static_cast<uint8_t>(i % 5 == 3 ? 1 : 0);
    const int32_t index = doc.GetNewFontIndex(font);
    for (TCharRec& cell : lines[i].Chars) {
      cell.FontIndex = index;
      doc.RenderChar(cell);
    }
  }
  editor.documentLoaded();
}

void selectEverything(Document& doc) {
  setAnchor(doc, {0, 0, 0});
  const int32_t last = doc.Fields[0].LineCount() - 1;
  setCaret(doc, {0, last, doc.Fields[0].Lines[static_cast<size_t>(last)].CharCount()});
}

void caretToMiddle(Document& doc) {
  const int32_t middle = doc.Fields[0].LineCount() / 2;
  const TextPos at{0, middle, doc.Fields[0].Lines[static_cast<size_t>(middle)].CharCount() / 2};
  setCaret(doc, at);
  setAnchor(doc, at);
}

void BM_CopyA300000CharacterSelection(benchmark::State& state) {
  MemoryClipboard host;
  Editor editor(host);
  fillInFiveFonts(editor, 11);
  selectEverything(editor.doc());
  for (auto _ : state) editor.KopierenInZwischenAblage(false);
  state.counters["stream_MB"] = static_cast<double>(host.held.formattedText.size()) / 1e6;
}
BENCHMARK(BM_CopyA300000CharacterSelection)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PasteItIntoTheMiddleOfAnother(benchmark::State& state) {
  MemoryClipboard host;
  {
    Editor source(host);
    fillInFiveFonts(source, 11);
    selectEverything(source.doc());
    source.KopierenInZwischenAblage(false);
  }
  host.hasText = false;  // the stream alone
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>(host);
    fillInFiveFonts(*editor, 23);
    caretToMiddle(editor->doc());
    state.ResumeTiming();
    editor->EinfuegenAusZwischenAblage(0);
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteItIntoTheMiddleOfAnother)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_PasteAMegabyteOfPlainText(benchmark::State& state) {
  MemoryClipboard host;
  std::mt19937 random(5);
  while (host.held.text.size() < 1'000'000) host.held.text += bench::germanLookingWords(random, 150) + "\r\n";
  host.hasText = true;
  for (auto _ : state) {
    state.PauseTiming();
    auto editor = std::make_unique<Editor>(host);
    editor->FormCreate();
    state.ResumeTiming();
    editor->EinfuegenAusZwischenAblage(0);
    state.PauseTiming();
    editor.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_PasteAMegabyteOfPlainText)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vendaro
