// native_file_bench.cpp — opening and saving a large native document, and
// the font table look-up that every typed character makes.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "document/document.h"
#include "formats/lpx_file.h"

namespace vendaro {
namespace {

// 20,000 lines of 50 cells each in five fonts: 1,000,000 cells.
Document largeDocument() {
  Document doc;
  doc.NewPage(true);
  doc.CreateHeaderFooter();
  const char* faces[5] = {"Arial", "Times New Roman", "Courier New", "Arial Black", "Symbol"};
  std::vector<int32_t> fonts;
  for (const char* face : faces) {
    TFontRec font = defaultCurFont();
    SetPCharText(font.Name, face);
    font.Size = 11.0;
    fonts.push_back(doc.GetNewFontIndex(font));
  }
  const std::string text = "Die Silbentrennung teilt lange W\xf6rter am Zeilenende";
  auto& lines = doc.Fields[0].Lines;
  lines.resize(20000);
  for (size_t l = 0; l < lines.size(); ++l) {
    lines[l].LineEnd = l % 5 == 4 ? kLineEndParagraph : kLineEndSoft;
    lines[l].Chars.resize(50);
    for (size_t c = 0; c < 50; ++c) {
      TCharRec& cell = lines[l].Chars[c];
      cell.Ch = static_cast<uint8_t>(text[c % text.size()]);
      cell.FontIndex = fonts[(l + c / 10) % fonts.size()];
    }
  }
  return doc;
}

std::filesystem::path benchFile() { return std::filesystem::temp_directory_path() / "vendaro-bench.lpx"; }

void BM_OpenMillionCells(benchmark::State& state) {
  std::string message;
  if (!SaveLPXFile(largeDocument(), benchFile(), message)) state.SkipWithError(message.c_str());
  for (auto _ : state) {
    Document doc;
    if (!OpenLPXFile(doc, benchFile(), message)) state.SkipWithError(message.c_str());
    benchmark::DoNotOptimize(doc.Fields.data());
  }
}
BENCHMARK(BM_OpenMillionCells)->Unit(benchmark::kMillisecond);

void BM_SaveMillionCells(benchmark::State& state) {
  const Document doc = largeDocument();
  std::string message;
  for (auto _ : state) {
    if (!SaveLPXFile(doc, benchFile(), message)) state.SkipWithError(message.c_str());
  }
  std::filesystem::remove(benchFile());
}
BENCHMARK(BM_SaveMillionCells)->Unit(benchmark::kMillisecond);

void BM_FontIndexInTableOf1000(benchmark::State& state) {
  FontTable table;
  std::vector<TFontRec> fonts(1000, defaultCurFont());
  for (size_t i = 0; i < fonts.size(); ++i) fonts[i].Color = static_cast<int32_t>(i);
  table.assign(fonts);
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(table.GetNewFontIndex(fonts[i]));
    i = (i + 397) % fonts.size();
  }
}
BENCHMARK(BM_FontIndexInTableOf1000);

}  // namespace
}  // namespace vendaro
