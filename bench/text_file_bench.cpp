// text_file_bench.cpp — plain text files: opening a text of 300,000
// characters in 2,000 lines with its layout, saving it as text, and
// `vendaro --convert-to lpx` of it timed from process start (set
// VENDARO_PROGRAM_DIR to the build's bin folder).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <random>
#include <string>

#include "bench_process.h"
#include "editing/editor.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "shell/document_files.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// 2,000 lines of 150 characters: words of German text with umlauts.
std::string longText() {
  static const char* const kWords[] = {"Haus", "und", "Gr\xfc\xdf" "e", "Stra\xdf" "e", "der", "K\xf6ln",
                                       "Plakat", "f\xfcr", "die", "Ausstellung", "im", "Rathaus"};
  std::mt19937 random(11);
  std::uniform_int_distribution<size_t> pick(0, std::size(kWords) - 1);
  std::string text;
  for (int line = 0; line < 2000; ++line) {
    std::string words;
    while (words.size() < 150) words += std::string(kWords[pick(random)]) + ' ';
    words.resize(148);
    text += words + "\r\n";
  }
  return text;
}

fs::path writeLongText(const fs::path& folder) {
  const fs::path path = folder / "lang.txt";
  const std::string text = longText();
  if (!writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) std::abort();
  return path;
}

void OpenTextOf300000CharactersWithLayout(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  const fs::path file = writeLongText(folder);
  HeadlessHost host;
  for (auto _ : state) {
    Editor editor(host);
    editor.FormCreate();
    if (!openAnsiTextFile(editor, file, false)) state.SkipWithError("the text was not read");
    benchmark::DoNotOptimize(editor.doc().Fields.data());
  }
  fs::remove_all(folder);
}
BENCHMARK(OpenTextOf300000CharactersWithLayout)->Unit(benchmark::kMillisecond);

void SaveTextOf300000Characters(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  const fs::path file = writeLongText(folder);
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  if (!openAnsiTextFile(editor, file, false)) state.SkipWithError("the text was not read");
  const fs::path copy = folder / "kopie.txt";
  for (auto _ : state) {
    if (!saveAnsiTextFile(editor, copy, true)) state.SkipWithError("the text was not written");
  }
  state.counters["lines"] = editor.doc().Fields[0].LineCount();
  fs::remove_all(folder);
}
BENCHMARK(SaveTextOf300000Characters)->Unit(benchmark::kMillisecond);

void ConvertTextToNativeFromProcessStart(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  setenv("VENDARO_CONFIG_DIR", (folder / "config").c_str(), 1);
  const fs::path file = writeLongText(folder);
  const std::string program = (ProgramDir() / "vendaro").string();
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!bench::runQuietly({program, "--convert-to", "lpx", file.string()})) {
      state.SkipWithError("vendaro --convert-to lpx failed: set VENDARO_PROGRAM_DIR to the build's bin folder");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  fs::remove_all(folder);
}
BENCHMARK(ConvertTextToNativeFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
}  // namespace vendaro
