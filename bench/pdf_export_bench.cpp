// pdf_export_bench.cpp — PDF export as people wait for it: `vendaro
// --convert-to pdf` of an A4 page of 2,000 characters and of an A0 poster
// (20,000 characters, a 200-cell table, a 20-megapixel picture), each timed
// from process start (set VENDARO_PROGRAM_DIR to the build's bin folder);
// and, in this process, the export of a 300,000-character text in one body
// frame once it is laid out.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "bench_documents.h"
#include "bench_process.h"
#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "output/pdf_canvas.h"
#include "output/pdf_page_painter.h"
#include "platform/paths.h"
#include "shell/document_files.h"
#include "shell/headless_host.h"
#include "shell/pdf_export.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// Ten rows of twenty cells below the text.
void appendTable(Document& doc, std::mt19937& random) {
  SetPCharText(doc.CurFont.Name, "Arial");
  doc.CurFont.Size = 14;
  const int32_t font = doc.GetNewFontIndex(doc.CurFont);
  for (int row = 0; row < 10; ++row)
    for (int cell = 0; cell < 20; ++cell) {
      TLineRec line;
      line.LineEnd = kLineEndParagraph;
      line.InTable = line.CellFirstLine = line.CellLastLine = 1;
      line.RowCells = 20;
      line.CellIndex = cell;
      line.CellDesign.BackColor = cell % 2 ? 0xE0E0FF : 0xFFFFFF;
      line.CellDesign.BackTransparent = 0;
      for (char c : bench::germanLookingWords(random, 8)) {
        TCharRec ch;
        ch.Ch = static_cast<uint8_t>(c);
        ch.FontIndex = font;
        doc.RenderChar(ch);
        line.Chars.push_back(ch);
      }
      doc.Fields[0].Lines.push_back(line);
    }
}

// A picture frame in the lower half of the poster.
void appendPicture(Document& doc, int width, int height) {
  TPictureRec picture;
  newdib(picture, width, height, 24);
  uint8_t* pixels = picture.mutablePixels();
  for (size_t i = 0; i < picture.pixelBytes(); ++i) pixels[i] = static_cast<uint8_t>((i / 3) % 251 + i % 3 * 40);
  doc.Pictures.push_back(std::move(picture));
  TFieldRec& frame = doc.NewPage(true);
  frame.FieldType = kFieldPicture;
  frame.Left = 50, frame.Top = 650, frame.Right = 790, frame.Bottom = 1150;
  frame.RightFromRight = frame.BottomFromBottom = frame.TopFromBottom = 0;
  frame.KeepAspect = 1;
  frame.MoveWithText = frame.WrapText = 0;
  TCharRec cell;
  cell.Kind = kCellPicture;
  cell.PictureIndex = static_cast<uint16_t>(doc.Pictures.size() - 1);
  frame.Lines[0].Chars.push_back(cell);
}

fs::path writeDocument(const fs::path& folder, const char* name, bool poster) {
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  Document& doc = editor.doc();
  std::mt19937 random(11);
  if (poster) {
    doc.PageWidth = 841, doc.PageHeight = 1189;
    doc.SetPrinterProps();
    bench::fillWithParagraphs(doc, random, 100, 200, 24.0);
    appendTable(doc, random);
    appendPicture(doc, 5477, 3652);
  } else {
    bench::fillWithParagraphs(doc, random, 20, 100);
  }
  editor.RefreshContent();
  const fs::path path = folder / name;
  if (!saveNativeFile(editor, path, true)) std::abort();
  return path;
}

void convertFromProcessStart(benchmark::State& state, bool poster) {
  const fs::path folder = bench::scratchFolder();
  setenv("VENDARO_CONFIG_DIR", (folder / "config").c_str(), 1);
  const fs::path document = writeDocument(folder, poster ? "plakat.lpx" : "seite.lpx", poster);
  const std::string program = (ProgramDir() / "vendaro").string();
  for (auto _ : state) {
    const auto start = Clock::now();
    if (!bench::runQuietly({program, "--convert-to", "pdf", document.string()})) {
      state.SkipWithError("vendaro --convert-to pdf failed: set VENDARO_PROGRAM_DIR to the build's bin folder");
      break;
    }
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
  }
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(fs::path(document).replace_extension(".pdf")));
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}

void ConvertA4PageOf2000CharactersFromProcessStart(benchmark::State& state) { convertFromProcessStart(state, false); }
BENCHMARK(ConvertA4PageOf2000CharactersFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(30);

void ConvertA0PosterFromProcessStart(benchmark::State& state) { convertFromProcessStart(state, true); }
BENCHMARK(ConvertA0PosterFromProcessStart)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// The whole text stands in the page's body frame; most of it overflows and
// is clipped, so the export writes only what shows.
void ExportLaidOutLongText(benchmark::State& state) {
  const fs::path folder = bench::scratchFolder();
  HeadlessHost host;
  Editor editor(host);
  editor.FormCreate();
  std::mt19937 random(3);
  bench::fillWithParagraphs(editor.doc(), random);
  editor.RefreshContent();
  settleLayout(editor);
  const fs::path target = folder / "lang.pdf";
  for (auto _ : state) {
    if (!SavePDFFile(editor, target)) state.SkipWithError("SavePDFFile failed");
  }
  std::error_code ignored;
  fs::remove_all(folder, ignored);
}
BENCHMARK(ExportLaidOutLongText)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vendaro
