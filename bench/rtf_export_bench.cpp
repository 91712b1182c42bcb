// rtf_export_bench.cpp — saving as RTF: 300,000 characters in 2,000
// paragraphs with a 500-row table, an A0 poster with a 20-megapixel 24-bit
// picture, and 100,000 characters each in a format of its own. The
// documents are laid out and settled before the clock runs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <random>
#include <string>

#include "bench_documents.h"
#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "formats/rtf_file.h"

namespace vendaro {
namespace {

std::filesystem::path benchFile() { return std::filesystem::temp_directory_path() / "vendaro-bench.rtf"; }

void saveEach(benchmark::State& state, const Document& doc) {
  std::string message;
  for (auto _ : state)
    if (!SaveRTFFile(doc, benchFile(), message)) state.SkipWithError(message.c_str());
  state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(benchFile()));
  std::filesystem::remove(benchFile());
}

void BM_SaveLongTextWithTable(benchmark::State& state) {
  bench::QuietHost host;
  Editor editor(host);
  editor.FormCreate();
  std::mt19937 random(5);
  bench::fillWithParagraphs(editor.doc(), random);
  editor.documentLoaded();
  editor.inserttableXY(3, 500);
  settleLayout(editor);
  saveEach(state, editor.doc());
}
BENCHMARK(BM_SaveLongTextWithTable)->Unit(benchmark::kMillisecond);

void BM_SavePosterWith20MegapixelPicture(benchmark::State& state) {
  bench::QuietHost host;
  Editor editor(host);
  editor.doc() = bench::a0PosterDocument(2000, true);
  editor.documentLoaded();
  settleLayout(editor);
  saveEach(state, editor.doc());
}
BENCHMARK(BM_SavePosterWith20MegapixelPicture)->Unit(benchmark::kMillisecond)->Iterations(3);

// Every character differs from the one before in colour, size and effects.
void BM_Save100000DistinctFormats(benchmark::State& state) {
  bench::QuietHost host;
  Editor editor(host);
  editor.FormCreate();
  Document& doc = editor.doc();
  constexpr int kCharacters = 100'000, kPerParagraph = 100;
  auto& lines = doc.Fields[0].Lines;
  lines.assign(kCharacters / kPerParagraph, TLineRec{});
  int k = 0;
  for (TLineRec& line : lines) {
    line.LineEnd = kLineEndParagraph;
    for (int i = 0; i < kPerParagraph; ++i, ++k) {
      TFontRec font = doc.CurFont;
      font.Color = k * 167;
      font.Size = 8 + k % 40;
      font.Style = static_cast<uint8_t>(k % 16);
      font.Attr = static_cast<uint16_t>(k % 4096);
      TCharRec cell;
      cell.Ch = static_cast<uint8_t>('a' + k % 26);
      cell.FontIndex = doc.GetNewFontIndex(font);
      line.Chars.push_back(cell);
    }
  }
  state.counters["formats"] = doc.FontCount();
  saveEach(state, doc);
}
BENCHMARK(BM_Save100000DistinctFormats)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
