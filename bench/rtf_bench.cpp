// rtf_bench.cpp — reading RTF: a text of 300,000 characters (2,000
// paragraphs, a format run every ~40 characters, 20 tables, 50 footnotes)
// read alone and opened with its layout, `vendaro --convert-to pdf` of it
// and of one paragraph timed from process start (set VENDARO_PROGRAM_DIR to
// the build's bin folder), 2,000 paragraph-anchored shapes, 100,000
// distinct character formats, and a 20-megapixel picture as PNG and as a
// WMF holding a bitmap.
#include <benchmark/benchmark.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "../tests/support/metafile_builder.h"
#include "bench_documents.h"
#include "bench_process.h"
#include "editing/editor.h"
#include "formats/rtf_reader.h"
#include "platform/file_io.h"
#include "platform/paths.h"
#include "shell/document_files.h"
#include "shell/headless_host.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr char kHead[] =
    "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
    "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}\\paperw11906\\paperh16838\n";

std::string table(int number) {
  std::string rtf;
  for (int row = 0; row < 3; ++row) {
    rtf += "\\trowd\\trleft0\\clbrdrl\\brdrw10\\cellx3000\\clbrdrl\\brdrw10\\cellx6000\\clcbpat1\\cellx9000\n";
    for (int cell = 0; cell < 3; ++cell) rtf += "\\pard\\intbl Zelle " + std::to_string(number) + "\\cell ";
    rtf += "\\row\n";
  }
  return rtf + "\\pard ";
}

// Paragraphs of 150 characters; every ~40 characters the format changes.
std::string longRtf() {
  static const char* const kRuns[] = {"{\\b ", "{\\i ", "{\\ul ", "{\\cf1 ", "{\\f1\\fs28 ", "{\\cf2\\b "};
  std::mt19937 random(5);
  std::string rtf = kHead;
  int footnotes = 0;
  for (int paragraph = 0; paragraph < bench::kParagraphs; ++paragraph) {
    const std::string words = bench::germanLookingWords(random, bench::kParagraphLength);
    for (size_t at = 0; at < words.size(); at += 40) {
      rtf += kRuns[random() % std::size(kRuns)];
      rtf += words.substr(at, 40);
      rtf += '}';
    }
    if (paragraph % 40 == 20 && footnotes < 50) {
      rtf += "{\\footnote\\pard Anmerkung " + std::to_string(++footnotes) + "}";
    }
    rtf += "\\par\n";
    if (paragraph % 100 == 50) rtf += table(paragraph / 100);
  }
  return rtf + "}";
}

std::string anchoredShapes(int count) {
  std::string rtf = kHead;
  for (int i = 0; i < count; ++i) {
    rtf += "Absatz " + std::to_string(i) +
           "{\\shp{\\*\\shpinst\\shpleft100\\shptop100\\shpright900\\shpbottom500\\shpbxcolumn\\shpbypara"
           "{\\sp{\\sn ShapeType}{\\sv 1}}{\\sp{\\sn fillColor}{\\sv 255}}}}\\par\n";
  }
  return rtf + "}";
}

std::string distinctFormats(int count) {
  std::string rtf = "{\\rtf1\\ansi{\\colortbl;";
  for (int i = 0; i < 1000; ++i) rtf += "\\red" + std::to_string(i % 256) + "\\green" + std::to_string(i / 256) + "\\blue7;";
  rtf += "}";
  for (int i = 0; i < count; ++i) {
    rtf += "\\cf" + std::to_string(1 + i % 1000) + "\\fs" + std::to_string(16 + 2 * (i / 1000)) + " x";
    if (i % 100 == 99) rtf += "\\par\n";
  }
  return rtf + "}";
}

void appendHex(std::string& rtf, const std::vector<uint8_t>& bytes) {
  static const char kDigits[] = "0123456789abcdef";
  rtf.reserve(rtf.size() + bytes.size() * 2 + bytes.size() / 64);
  for (size_t i = 0; i < bytes.size(); ++i) {
    rtf += kDigits[bytes[i] >> 4];
    rtf += kDigits[bytes[i] & 15];
    if (i % 64 == 63) rtf += '\n';
  }
}

void chunk(std::vector<uint8_t>& png, const char* type, const std::vector<uint8_t>& data) {
  const uint32_t length = static_cast<uint32_t>(data.size());
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<uint8_t>(length >> shift));
  const size_t start = png.size();
  png.insert(png.end(), type, type + 4);
  png.insert(png.end(), data.begin(), data.end());
  const uLong crc = crc32(0, png.data() + start, static_cast<uInt>(png.size() - start));
  for (int shift = 24; shift >= 0; shift -= 8) png.push_back(static_cast<uint8_t>(crc >> shift));
}

// A camera-sized picture (5472 × 3648) of a gradient with grain.
std::vector<uint8_t> photoPng(int width, int height) {
  std::vector<uint8_t> raw;
  raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
  uint32_t seed = 3;
  for (int y = 0; y < height; ++y) {
    raw.push_back(0);
    for (int x = 0; x < width; ++x) {
      seed = seed * 1664525 + 1013904223;
      const int grain = static_cast<int>(seed >> 28);
      raw.push_back(static_cast<uint8_t>(x * 255 / width + grain));
      raw.push_back(static_cast<uint8_t>(y * 255 / height));
      raw.push_back(static_cast<uint8_t>(128 + grain));
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 1) != Z_OK) std::abort();
  packed.resize(packedSize);
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  std::vector<uint8_t> header;
  for (int value : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) header.push_back(static_cast<uint8_t>(value >> shift));
  header.insert(header.end(), {8, 2, 0, 0, 0});
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", packed);
  chunk(png, "IEND", {});
  return png;
}

std::string pictureRtf(const char* kind, const std::vector<uint8_t>& bytes) {
  std::string rtf = std::string("{\\rtf1\\ansi Bild {\\pict") + kind + "\\picwgoal8000\\pichgoal5333\n";
  appendHex(rtf, bytes);
  return rtf + "}\\par}";
}

void readEach(benchmark::State& state, const std::string& rtf) {
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size());
  for (auto _ : state) {
    Document doc;
    doc.NewPage(true);
    doc.CreateHeaderFooter();
    decodeRtf(bytes, doc, nullptr);
    benchmark::DoNotOptimize(doc.Fields.data());
  }
}

fs::path writeScratch(const fs::path& folder, const std::string& name, const std::string& text) {
  const fs::path path = folder / name;
  if (!writeFileAtomically(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) std::abort();
  return path;
}

void openEach(benchmark::State& state, const std::string& rtf) {
  const fs::path folder = bench::scratchFolder();
  const fs::path file = writeScratch(folder, "lang.rtf", rtf);
  HeadlessHost host;
  for (auto _ : state) {
    Editor editor(host);
    editor.FormCreate();
    if (!openRtfFile(editor, file, false)) state.SkipWithError("the file was not read");
    benchmark::DoNotOptimize(editor.doc().Fields.data());
  }
  fs::remove_all(folder);
}

void convertToPdfFromProcessStart(benchmark::State& state, const std::string& rtf) {
  const fs::path folder = bench::scratchFolder();
  setenv("VENDARO_CONFIG_DIR", (folder / "config").c_str(), 1);
  const fs::path file = writeScratch(folder, "text.rtf", rtf);
  const std::string program = (ProgramDir() / "vendaro").string();
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!bench::runQuietly({program, "--convert-to", "pdf", file.string()})) {
      state.SkipWithError("vendaro --convert-to pdf failed: set VENDARO_PROGRAM_DIR to the build's bin folder");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  fs::remove_all(folder);
}

void ReadRtfOf300000Characters(benchmark::State& state) { readEach(state, longRtf()); }
void OpenRtfOf300000CharactersWithLayout(benchmark::State& state) { openEach(state, longRtf()); }
void ConvertRtfOf300000CharactersToPdfFromProcessStart(benchmark::State& state) {
  convertToPdfFromProcessStart(state, longRtf());
}
void ConvertOneParagraphRtfToPdfFromProcessStart(benchmark::State& state) {
  convertToPdfFromProcessStart(state, "{\\rtf1\\ansi Ein Absatz auf einem Plakat.\\par}");
}
void ReadRtf2000AnchoredShapes(benchmark::State& state) { readEach(state, anchoredShapes(2000)); }
void OpenRtf2000AnchoredShapesWithLayout(benchmark::State& state) { openEach(state, anchoredShapes(2000)); }
void ReadRtf100000DistinctFormats(benchmark::State& state) { readEach(state, distinctFormats(100'000)); }
void ReadRtf20MegapixelPng(benchmark::State& state) { readEach(state, pictureRtf("\\pngblip", photoPng(5472, 3648))); }
void ReadRtf20MegapixelBitmapWmf(benchmark::State& state) {
  readEach(state, pictureRtf("\\wmetafile8", test::stretchDibWmf(5472, 3648, 0)));
}

BENCHMARK(ReadRtfOf300000Characters)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenRtfOf300000CharactersWithLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(ConvertRtfOf300000CharactersToPdfFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ConvertOneParagraphRtfToPdfFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(ReadRtf2000AnchoredShapes)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenRtf2000AnchoredShapesWithLayout)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRtf100000DistinctFormats)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadRtf20MegapixelPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(ReadRtf20MegapixelBitmapWmf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace vendaro
