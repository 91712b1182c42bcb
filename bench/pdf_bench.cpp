// PDF writer speed: a hundred text-heavy pages (5,000 TextOut calls each,
// short runs as the page export issues them, with occasional font and colour
// changes, fonts embedded as subsets), one page holding a 20-megapixel
// 24-bit bitmap, and a poster of an A0 page with that picture on 25 A4
// sheets, whose peak memory (resident set of the process) is reported too.
// All write a complete file into a temporary folder.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <sys/resource.h>

#include <array>
#include <filesystem>
#include <functional>
#include <random>
#include <stdexcept>
#include <string>

#include "output/pdf_canvas.h"
#include "platform/dib.h"

namespace {

using vendaro::TPDFCanvas;
using vendaro::TPictureRec;

class BenchFolder {
 public:
  BenchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vendaro-pdf-bench-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  ~BenchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }
  std::filesystem::path file(const char* name) const { return path_ / name; }

 private:
  std::filesystem::path path_;
};

// Writes one document per iteration into the folder; the file's size is
// reported.
void writeDocuments(benchmark::State& state, const char* name, const std::function<void(TPDFCanvas&)>& draw) {
  BenchFolder folder;
  uintmax_t bytes = 0;
  for (auto _ : state) {
    TPDFCanvas canvas;
    if (!canvas.BeginDoc(folder.file(name))) state.SkipWithError("BeginDoc failed");
    draw(canvas);
    if (!canvas.EndDoc()) state.SkipWithError("EndDoc failed");
    bytes = std::filesystem::file_size(folder.file(name));
  }
  state.counters["file_bytes"] = static_cast<double>(bytes);
}

void BM_TextPages(benchmark::State& state) {
  constexpr int kPages = 100;
  constexpr int kCallsPerPage = 5000;
  const std::array<const char*, 8> words = {"Die", "Sonderangebot", "M\xFC" "nchen", "(Preis)",
                                            "49,95", "\x80", "Stra\xDF" "e", "a"};
  const std::array<const char*, 3> faces = {"Arial", "Times New Roman", "Courier New"};
  writeDocuments(state, "text.pdf", [&](TPDFCanvas& canvas) {
    for (int page = 0; page < kPages; ++page) {
      if (page > 0) canvas.NewPage();
      for (int call = 0; call < kCallsPerPage; ++call) {
        if (call % 250 == 0) {
          canvas.Font.name = faces[(call / 250) % faces.size()];
          canvas.Font.size = 10 + (call / 250) % 4 * 2;
          canvas.Font.bold = (call / 500) % 2 == 1;
        }
        if (call % 1000 == 0) canvas.Font.color = static_cast<uint32_t>(call * 2654435761u) & 0xFFFFFF;
        canvas.TextOut(40 + (call % 50) * 10, 40 + (call / 50) * 7, words[call % words.size()]);
      }
    }
  });
}
BENCHMARK(BM_TextPages)->Unit(benchmark::kMillisecond)->MinTime(3);

// A photograph-like picture: smooth gradients with a little noise, so the
// JPEG encoder does realistic work.
TPictureRec photoBitmap(int width, int height) {
  TPictureRec picture;
  if (!vendaro::newdib(picture, width, height, 24)) throw std::runtime_error(picture.ErrorText);
  std::mt19937 random(11);
  uint8_t* pixels = picture.mutablePixels();
  for (int y = 0; y < height; ++y) {
    uint8_t* row = pixels + static_cast<size_t>(y) * picture.RowBytes;
    for (int x = 0; x < width; ++x) {
      const unsigned noise = random() & 15;
      row[3 * x] = static_cast<uint8_t>((x * 255 / width + noise) & 0xFF);
      row[3 * x + 1] = static_cast<uint8_t>((y * 255 / height + noise) & 0xFF);
      row[3 * x + 2] = static_cast<uint8_t>(((x + y) / 16 + noise) & 0xFF);
    }
  }
  return picture;
}

void BM_LargeBitmapPage(benchmark::State& state) {
  const TPictureRec picture = photoBitmap(5472, 3648);  // 19.96 megapixels
  writeDocuments(state, "bild.pdf", [&](TPDFCanvas& canvas) { canvas.DrawDib(20, 20, 555, 370, picture); });
}
BENCHMARK(BM_LargeBitmapPage)->Unit(benchmark::kMillisecond)->MinTime(3);

double peakResidentMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // kilobytes on Linux
}

// An A0 page (2384 × 3370 points) cut into 5 × 5 A4 sheets; the picture
// fills the page, and every sheet draws it shifted and clipped. Run it on
// its own (--benchmark_filter) for a peak that is its own.
void BM_PosterSheets(benchmark::State& state) {
  constexpr int kPageWidth = 2384;
  constexpr int kPageHeight = 3370;
  constexpr int kSheets = 5;
  const TPictureRec picture = photoBitmap(5472, 3648);
  writeDocuments(state, "plakat.pdf", [&](TPDFCanvas& canvas) {
    for (int row = 0; row < kSheets; ++row) {
      for (int column = 0; column < kSheets; ++column) {
        if (row + column > 0) canvas.NewPage();
        canvas.SetClip({0, 0, kPageWidth / kSheets, kPageHeight / kSheets});
        canvas.DrawDib(-column * kPageWidth / kSheets, -row * kPageHeight / kSheets, kPageWidth, kPageHeight,
                       picture);
        canvas.ResetClip();
      }
    }
  });
  state.counters["peak_rss_mb"] = peakResidentMegabytes();
}
BENCHMARK(BM_PosterSheets)->Unit(benchmark::kMillisecond)->MinTime(3);

}  // namespace
