// word_import_bench.cpp — Word files: opening 300,000 characters (2,000
// paragraphs of 20 runs each and a 50-row table) with the layout, the same
// text cut into 20,000 pieces, `vendaro --convert-to pdf` of it from process
// start (set VENDARO_PROGRAM_DIR to the build's bin folder), and reading the
// streams of a 50 MB compound file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>

#include "bench_process.h"
#include "editing/editor.h"
#include "formats/compound_file.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "shell/document_files.h"
#include "shell/headless_host.h"
#include "support/word_file_builder.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;
using testing::WordFileBuilder;

std::vector<uint8_t> longWordFile(size_t pieces) {
  static const char16_t* const kWords[] = {u"Haus", u"und", u"Gr\u00FC\u00DFe", u"Stra\u00DFe", u"der", u"K\u00F6ln",
                                           u"Plakat", u"f\u00FCr", u"die", u"Ausstellung", u"im", u"Rathaus"};
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pick(0, std::size(kWords) - 1);
  WordFileBuilder b;
  b.pieceCount = pieces;
  const WordFileBuilder::Bytes inTable = WordFileBuilder::sprm(0x2416, {1});
  for (int paragraph = 0; paragraph < 2000; ++paragraph) {
    b.paraRuns.push_back({static_cast<uint32_t>(b.text.size()), WordFileBuilder::sprm(0x2403, {uint8_t(paragraph % 4)})});
    const size_t start = b.text.size();
    for (int run = 0; run < 20; ++run) {
      b.charRuns.push_back({static_cast<uint32_t>(b.text.size()),
                            WordFileBuilder::sprm(0x4A43, WordFileBuilder::le16(20 + 2 * (run % 5)))});
      while (b.text.size() < start + 7 * (run + 1)) b.text += std::u16string(kWords[pick(random)]) + u" ";
      b.text.resize(start + 7 * (run + 1));
    }
    while (b.text.size() < start + 149) b.text += std::u16string(kWords[pick(random)]) + u" ";
    b.text.resize(start + 149);
    b.text += u"\r";
  }
  WordFileBuilder::Bytes row = WordFileBuilder::sprm(0xD608, {10, 0, 3, 0, 0, 0xA0, 0x05, 0x40, 0x0B, 0xE0, 0x10});
  for (int r = 0; r < 50; ++r) {
    b.paraRuns.push_back({static_cast<uint32_t>(b.text.size()), inTable});
    b.text += u"eins\x07zwei\x07" u"drei\x07";
    WordFileBuilder::Bytes end = inTable;
    const WordFileBuilder::Bytes mark = WordFileBuilder::sprm(0x2417, {1});
    end.insert(end.end(), mark.begin(), mark.end());
    end.insert(end.end(), row.begin(), row.end());
    b.paraRuns.push_back({static_cast<uint32_t>(b.text.size()), end});
    b.text += u"\x07";
  }
  b.paraRuns.push_back({static_cast<uint32_t>(b.text.size()), {}});
  b.text += u"Ende\r";
  return b.build();
}

fs::path writeWordFile(const fs::path& folder, size_t pieces) {
  const fs::path path = folder / ("lang" + std::to_string(pieces) + ".doc");
  const std::vector<uint8_t> bytes = longWordFile(pieces);
  if (!writeFileAtomically(path, bytes.data(), bytes.size())) std::abort();
  return path;
}

void OpenWordFileWithLayout(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  const fs::path file = writeWordFile(folder, static_cast<size_t>(state.range(0)));
  HeadlessHost host;
  int64_t characters = 0;
  for (auto _ : state) {
    Editor editor(host);
    editor.FormCreate();
    if (!openWordFile(editor, file, false)) state.SkipWithError("the file was not read");
    characters = 0;
    for (const TLineRec& line : std::as_const(editor.doc().Fields[0].Lines)) characters += line.CharCount();
  }
  state.counters["characters"] = static_cast<double>(characters);
  fs::remove_all(folder);
}
BENCHMARK(OpenWordFileWithLayout)->Arg(1)->Arg(20000)->Unit(benchmark::kMillisecond);

void ConvertWordToPdfFromProcessStart(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  setenv("VENDARO_CONFIG_DIR", (folder / "config").c_str(), 1);
  const fs::path file = writeWordFile(folder, 1);
  const std::string program = (ProgramDir() / "vendaro").string();
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!bench::runQuietly({program, "--convert-to", "pdf", "--outdir", folder.string(), file.string()})) {
      state.SkipWithError("vendaro --convert-to pdf failed: set VENDARO_PROGRAM_DIR to the build's bin folder");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  fs::remove_all(folder);
}
BENCHMARK(ConvertWordToPdfFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);

std::vector<uint8_t> compoundFileOf50Mb() {
  testing::CompoundFileBuilder builder;
  std::vector<uint8_t> big(50u << 20);
  for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<uint8_t>(i * 31 >> 7);
  builder.add("WordDocument", std::move(big));
  builder.add("1Table", std::vector<uint8_t>(3000, 1));
  builder.add("Data", std::vector<uint8_t>(70000, 2));
  return builder.build();
}

size_t readStreams(std::vector<uint8_t> bytes) {
  std::optional<CompoundFile> compound = CompoundFile::open(std::move(bytes));
  size_t total = 0;
  for (const char* name : {"WordDocument", "1Table", "Data"})
    if (compound) total += compound->stream(name).value_or(std::span<const uint8_t>()).size();
  return total;
}

// The bytes in memory already; the copy handed over is not timed.
void ReadStreamsOf50MbCompoundFile(benchmark::State& state) {
  const std::vector<uint8_t> file = compoundFileOf50Mb();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<uint8_t> bytes = file;
    state.ResumeTiming();
    if (readStreams(std::move(bytes)) < (50u << 20)) state.SkipWithError("streams missing");
  }
}
BENCHMARK(ReadStreamsOf50MbCompoundFile)->Unit(benchmark::kMillisecond);

// As the import does it: the file read from disk (page cache warm), then
// its streams.
void ReadStreamsOf50MbCompoundFileFromDisk(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  const fs::path path = folder / "gross.doc";
  const std::vector<uint8_t> file = compoundFileOf50Mb();
  if (!writeFileAtomically(path, file.data(), file.size())) std::abort();
  for (auto _ : state) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes) || readStreams(std::move(bytes)) < (50u << 20)) state.SkipWithError("not read");
  }
  fs::remove_all(folder);
}
BENCHMARK(ReadStreamsOf50MbCompoundFileFromDisk)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
