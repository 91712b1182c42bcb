// extreme_bench.cpp — one benchmark per family of extreme document: the file
// is written once (and left in the temporary folder for measuring the
// command line), then each run opens it, lays it out until it settles and
// paints page 1 on a surface that sees the whole page at a resolution that
// fits it in 2,000 pixels. Counters: the family's size per second and the
// process's peak memory (run one family per process for its own peak).
#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <filesystem>

#include "bench_documents.h"
#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "formats/lpx_file.h"
#include "platform/null_canvas.h"
#include "support/extreme_documents.h"

namespace vendaro {
namespace {

using test::ExtremeFamily;

class SeeingCanvas : public NullCanvas {
 public:
  SeeingCanvas(int dpi, CanvasRect visible) : NullCanvas(dpi), visible_(visible) {}
  CanvasRect visibleRect() const override { return visible_; }

 private:
  CanvasRect visible_;
};

std::filesystem::path familyFile(ExtremeFamily family) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "vendaro-extreme";
  std::filesystem::create_directories(dir);
  return dir / (std::string(test::extremeFamilyName(family)) + ".lpx");
}

void paintFirstPage(Editor& editor) {
  const Document& doc = editor.doc();
  const double longestMm = std::max(doc.PageWidth, doc.PageHeight);
  const int dpi = std::clamp(static_cast<int>(2000 * kMmPerInch / longestMm), 1, 96);
  const double scale = double(dpi) / std::max(1, doc.PrinterDPI);
  SeeingCanvas canvas(dpi, {0, 0, int(doc.PageWidthPx * scale) + 1, int(doc.PageHeightPx * scale) + 1});
  editor.DrawPages(canvas, true, 0, 0, 0);
}

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_OpenLayOutPaint(benchmark::State& state, ExtremeFamily family) {
  const int64_t size = state.range(0);
  const std::filesystem::path file = familyFile(family);
  {
    const Document doc = test::extremeDocument(family, size);
    std::string message;
    if (!SaveLPXFile(doc, file, message)) state.SkipWithError(message.c_str());
  }
  bench::QuietHost host;
  for (auto _ : state) {
    Editor editor(host);
    std::string message;
    if (!OpenLPXFile(editor.doc(), file, message)) state.SkipWithError(message.c_str());
    editor.documentLoaded();
    settleLayout(editor);
    paintFirstPage(editor);
  }
  state.counters["size_per_s"] = benchmark::Counter(double(size), benchmark::Counter::kIsIterationInvariantRate);
  state.counters["file_MB"] = double(std::filesystem::file_size(file)) / 1e6;
  state.counters["peak_MB"] = peakMegabytes();
}

#define EXTREME(family, size) \
  BENCHMARK_CAPTURE(BM_OpenLayOutPaint, family, ExtremeFamily::family)->Arg(size)->Unit(benchmark::kMillisecond)->Iterations(1)

EXTREME(farTabLeader, 150'000'000);
EXTREME(emptyLines, 100'000);
EXTREME(giantWord, 1'000'000);
EXTREME(longText, 3'000'000);
EXTREME(longTable, 10'000);
EXTREME(tabsOnly, 100'000);
EXTREME(boxChain, 1'000);
EXTREME(tenMetrePage, 100'000);
EXTREME(bitmapPicture, 20'000);
EXTREME(truecolourPicture, 8'000);

}  // namespace
}  // namespace vendaro
