// poster_bench.cpp — poster sheets as PDF: an A0 page with 20,000
// characters and a 20-megapixel picture cut onto 25 A4 sheets (time, and
// the process's peak memory), and the file of a text-only A0 page on 25 A4
// sheets against the same page on one A0 sheet.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <filesystem>
#include <string>

#include "bench_documents.h"
#include "bench_process.h"
#include "editing/editor.h"
#include "output/pdf_poster_printer.h"
#include "output/poster_printing.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

constexpr int kCharacters = 20000;

double peakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

struct PosterRun {
  PosterOutcome outcome;
  uintmax_t bytes = 0;
};

PosterRun printSheets(Editor& editor, const fs::path& target, double sheetWidthMm, double sheetHeightMm) {
  PdfPosterPrinter printer(target, editor.doc().fontEngine(), sheetWidthMm, sheetHeightMm, 5.0);
  PosterSettings settings;
  PosterRun run{printPoster(editor, printer, settings), 0};
  std::error_code error;
  run.bytes = fs::file_size(target, error);
  return run;
}

class PosterFixture {
 public:
  explicit PosterFixture(bool withPicture) : editor(host) {
    editor.doc() = bench::a0PosterDocument(kCharacters, withPicture);
    editor.documentLoaded();
  }
  ~PosterFixture() {
    std::error_code ignored;
    fs::remove_all(folder, ignored);
  }

  HeadlessHost host;
  Editor editor;
  fs::path folder = bench::scratchFolder();
};

void A0WithPictureOnA4Sheets(benchmark::State& state) {
  PosterFixture fixture(true);
  PosterRun run;
  for (auto _ : state) run = printSheets(fixture.editor, fixture.folder / "poster.pdf", 210.0, 297.0);
  if (!run.outcome.succeeded || run.outcome.printedSheets != 25) state.SkipWithError("not 25 sheets");
  state.counters["sheets"] = run.outcome.printedSheets;
  state.counters["file_MB"] = static_cast<double>(run.bytes) / 1e6;
  state.counters["peak_MB"] = peakMegabytes();
}
BENCHMARK(A0WithPictureOnA4Sheets)->Unit(benchmark::kMillisecond)->Iterations(3);

void TextOnlyA0SheetsAgainstOneSheet(benchmark::State& state) {
  PosterFixture fixture(false);
  PosterRun sheets;
  PosterRun whole;
  for (auto _ : state) {
    sheets = printSheets(fixture.editor, fixture.folder / "sheets.pdf", 210.0, 297.0);
    whole = printSheets(fixture.editor, fixture.folder / "whole.pdf", 841.0, 1189.0);
  }
  if (sheets.outcome.printedSheets != 25 || whole.outcome.printedSheets != 1) state.SkipWithError("wrong sheet count");
  state.counters["sheets_kB"] = static_cast<double>(sheets.bytes) / 1e3;
  state.counters["one_sheet_kB"] = static_cast<double>(whole.bytes) / 1e3;
  state.counters["ratio"] = whole.bytes ? static_cast<double>(sheets.bytes) / static_cast<double>(whole.bytes) : 0;
}
BENCHMARK(TextOnlyA0SheetsAgainstOneSheet)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vendaro
