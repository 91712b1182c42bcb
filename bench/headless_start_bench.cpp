// headless_start_bench.cpp — what a script waits for: `vendaro --dump` of a
// one-line document and `vendaro --poster-pdf` of an A0 page of 20,000
// characters onto 25 A4 sheets, timed from process start to its end (each
// iteration spawns the program from the build's bin folder; set
// VENDARO_PROGRAM_DIR to it), and reading german.spe the first time in a
// fresh process (cold) and again in a process that has read it before
// (warm).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "bench_documents.h"
#include "bench_process.h"
#include "run_benchmarks.h"
#include "formats/lpx_file.h"
#include "platform/file_io.h"
#include "platform/heap_pages.h"
#include "platform/paths.h"
#include "spelling/spe_file.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using bench::runQuietly;
using bench::scratchFolder;
using Clock = std::chrono::steady_clock;

constexpr char kLoadChild[] = "--load-word-list-child";

fs::path writeOneLineDocument(const fs::path& folder) {
  Document doc;
  doc.NewPage(true);
  doc.CreateHeaderFooter();
  std::mt19937 random(7);
  bench::fillWithParagraphs(doc, random, 1, 60);
  const fs::path path = folder / "zeile.lpx";
  if (!writeFileAtomically(path, encodeLpx(doc))) std::abort();
  return path;
}

// Times each run of the program from its start to its end.
void timeProgramRuns(benchmark::State& state, std::vector<std::string> args, const char* failure) {
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!runQuietly(args)) {
      state.SkipWithError(failure);
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
}

void DumpOneLineDocumentFromProcessStart(benchmark::State& state) {
  const fs::path folder = scratchFolder();
  setenv("VENDARO_CONFIG_DIR", (folder / "config").c_str(), 1);
  const fs::path document = writeOneLineDocument(folder);
  timeProgramRuns(state, {(ProgramDir() / "vendaro").string(), "--dump", document.string()},
                  "vendaro --dump failed: set VENDARO_PROGRAM_DIR to the build's bin folder");
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(DumpOneLineDocumentFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void PosterPdfOfA0PageFromProcessStart(benchmark::State& state) {
  const fs::path folder = scratchFolder();
  setenv("VENDARO_CONFIG_DIR", (folder / "config").c_str(), 1);
  const fs::path document = folder / "plakat.lpx";
  if (!writeFileAtomically(document, encodeLpx(bench::a0PosterDocument(20000, false)))) std::abort();
  timeProgramRuns(state,
                  {(ProgramDir() / "vendaro").string(), "--poster-pdf", (folder / "plakat.pdf").string(),
                   document.string()},
                  "vendaro --poster-pdf failed: set VENDARO_PROGRAM_DIR to the build's bin folder");
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(PosterPdfOfA0PageFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

double secondsToRead(const fs::path& path) {
  const auto start = Clock::now();
  WordList list;
  if (OpenWordList(path, list).status != WordListReadStatus::Complete) return -1;
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// The child reads the list once and prints the seconds it took.
int runLoadChild() {
  std::printf("%.9f\n", secondsToRead(ProgramDir() / "german.spe"));
  return 0;
}

void ReadGermanWordListCold(benchmark::State& state) {
  const std::string self = fs::read_symlink("/proc/self/exe").string();
  const std::string command = self + " " + kLoadChild;
  for (auto _ : state) {
    FILE* child = popen(command.c_str(), "r");
    double seconds = -1;
    if (!child || std::fscanf(child, "%lf", &seconds) != 1 || pclose(child) != 0 || seconds < 0) {
      state.SkipWithError("german.spe not read: set VENDARO_PROGRAM_DIR to the build's bin folder");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(ReadGermanWordListCold)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

void ReadGermanWordListWarm(benchmark::State& state) {
  const fs::path path = ProgramDir() / "german.spe";
  secondsToRead(path);
  for (auto _ : state) {
    const double seconds = secondsToRead(path);
    if (seconds < 0) {
      state.SkipWithError("german.spe not read: set VENDARO_PROGRAM_DIR to the build's bin folder");
      break;
    }
    state.SetIterationTime(seconds);
  }
}
BENCHMARK(ReadGermanWordListWarm)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro

int main(int argc, char** argv) {
  vendaro::reserveHeapOnLargePages();
  if (argc == 2 && std::strcmp(argv[1], vendaro::kLoadChild) == 0) return vendaro::runLoadChild();
  return vendaro::bench::runBenchmarks(argc, argv);
}
