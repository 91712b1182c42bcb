// long_text_bench.cpp — opening a document whose text is one paragraph of
// 50,000 or 300,000 characters (read from its file and laid out, as opening does),
// and laying out a chain of 400 linked text boxes that the text flows
// through. Each reports the process's peak memory.
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <filesystem>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "bench_documents.h"
#include "document/document.h"
#include "formats/lpx_file.h"
#include "layout/hyphenation.h"
#include "layout/hyphenation_library.h"
#include "layout/line_breaking.h"

namespace vendaro {
namespace {

HyphenationLibrary& library() {
  static HyphenationLibrary shared;  // the German patterns of the program folder
  return shared;
}

void layOut(Document& doc) {
  DocumentHyphenation hyphenation(library(), doc.DocLanguage);
  MakeSoftEnters(LayoutContext{doc, hyphenation, {}, {}});
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

std::filesystem::path benchFile() { return std::filesystem::temp_directory_path() / "vendaro-long-paragraph.lpx"; }

// An A4 page whose body holds one paragraph of as many characters as the
// argument says.
void BM_OpenOneLongParagraph(benchmark::State& state) {
  {
    Document doc;
    doc.NewPage(false);
    std::mt19937 random(7);
    bench::fillWithParagraphs(doc, random, 1, static_cast<int>(state.range(0)));
    std::string message;
    if (!SaveLPXFile(doc, benchFile(), message)) state.SkipWithError(message.c_str());
  }
  size_t lines = 0;
  for (auto _ : state) {
    Document doc;
    std::string message;
    if (!OpenLPXFile(doc, benchFile(), message)) state.SkipWithError(message.c_str());
    doc.SetAllDirtyFlags();
    layOut(doc);
    lines = doc.Fields[0].Lines.size();
  }
  state.counters["lines"] = static_cast<double>(lines);
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_OpenOneLongParagraph)->Arg(50000)->Arg(bench::kParagraphs * bench::kParagraphLength)->Unit(benchmark::kMillisecond);

// An A0 page with 400 linked boxes of 38 × 30 mm (20 rows of 20), the text
// in the first, then laid out once so that it fills the chain; measured is
// a complete layout of that state, which gathers the text back into the
// first box and passes it on again. With argument 1 the chain runs against
// the order of the frame list.
void BM_LayOutFourHundredLinkedBoxes(benchmark::State& state) {
  constexpr int kBoxes = 400;
  Document doc;
  doc.PageWidth = 841.0;
  doc.PageHeight = 1189.0;
  doc.SetPrinterProps();
  doc.NewPage(false);
  const int32_t first = doc.FieldCount();
  for (int32_t box = 0; box < kBoxes; ++box) {
    TFieldRec& frame = doc.NewPage(false);
    frame.FieldType = kFieldTextBox;
    frame.Left = 10.0 + (box % 20) * 41.0;
    frame.Top = 10.0 + (box / 20) * 58.0;
    frame.Right = frame.Left + 38.0;
    frame.Bottom = frame.Top + 30.0;
    frame.RightFromRight = frame.BottomFromBottom = 0;
    frame.MarginLeft = frame.MarginTop = frame.MarginRight = frame.MarginBottom = 1.0;
    frame.PrevField = box == 0 ? -1 : first + box - 1;
    frame.NextField = box + 1 == kBoxes ? -1 : first + box + 1;
    if (state.range(0) != 0) std::swap(frame.PrevField, frame.NextField);
    frame.Lines = {TLineRec{}};
  }
  LineList body = std::move(doc.Fields[0].Lines);
  std::mt19937 random(7);
  bench::fillWithParagraphs(doc, random, 300, 150, 11.0);
  const size_t head = state.range(0) != 0 ? doc.Fields.size() - 1 : static_cast<size_t>(first);
  doc.Fields[head].Lines = std::move(doc.Fields[0].Lines);
  doc.Fields[0].Lines = std::move(body);
  doc.SetAllDirtyFlags();
  layOut(doc);
  for (auto _ : state) {
    doc.SetAllDirtyFlags();
    layOut(doc);
  }
  const size_t last = state.range(0) != 0 ? static_cast<size_t>(first) : doc.Fields.size() - 1;
  state.counters["lines_in_last_box"] = static_cast<double>(doc.Fields[last].Lines.size());
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(BM_LayOutFourHundredLinkedBoxes)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
