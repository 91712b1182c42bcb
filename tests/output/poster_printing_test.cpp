// Poster printing through a real editor onto a recording printer: the job's
// calls (begin, new page, end), what each sheet draws and where, the report
// the user sees, and a printer that fails.
#include "output/poster_printing.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "editing/editor.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

using test::RecordingCanvas;

constexpr int kDpi = 600;

// Remembers the job as a list of events and each sheet's drawing.
class RecordingPrinter : public CanvasPosterPrinter {
 public:
  RecordingPrinter(PixelSize printable, PixelSize paper) : printable_(printable), paper_(paper) {}

  int resolution() const override { return kDpi; }
  PixelSize printableSize() const override { return printable_; }
  PixelSize paperSize() const override { return paper_; }
  bool begin(const std::string& title, bool fullPage) override {
    events.push_back(std::string("begin ") + (fullPage ? "full " : "") + title);
    return !failBegin && openSheet();
  }
  bool newPage() override {
    events.push_back("newPage");
    return openSheet();
  }
  bool end() override {
    events.push_back("end");
    return !failEnd;
  }
  void abort() override { events.push_back("abort"); }
  std::string failureMessage() const override { return "Der Drucker meldet einen Fehler."; }
  void drawSheet(Editor& editor, const PosterSheet& sheet) override {
    if (beforeSheet) beforeSheet(editor);
    CanvasPosterPrinter::drawSheet(editor, sheet);
  }

  std::vector<std::string> events;
  std::vector<std::unique_ptr<RecordingCanvas>> sheets;
  std::function<void(Editor&)> beforeSheet;
  bool failBegin = false;
  bool failEnd = false;
  int failAtSheet = 0;  // 1-based; 0 never

 protected:
  Canvas& sheetCanvas() override { return *sheets.back(); }

 private:
  bool openSheet() {
    if (static_cast<int>(sheets.size()) + 1 == failAtSheet) return false;
    sheets.push_back(std::make_unique<RecordingCanvas>(kDpi));
    return true;
  }

  PixelSize printable_;
  PixelSize paper_;
};

class PosterPrinting : public ::testing::Test {
 protected:
  PosterPrinting() : editor(host) {
    editor.FormCreate();
    editor.doc().DocFileName = "/tmp/plakat.lpx";
    test::appendTextLine(editor.doc(), 0, "Plakat");
    // The worked example's page: 4000 × 5000 printer pixels.
    setPageSize(4000 * kMmPerInch / kDpi, 5000 * kMmPerInch / kDpi);
  }

  void setPageSize(double widthMm, double heightMm) {
    test::setPaperSize(editor.doc(), widthMm, heightMm);
    editor.CompleteRefresh();
  }

  const test::RecordingHost::Message& onlyMessage() const {
    EXPECT_EQ(host.messages.size(), 1u);
    return host.messages.back();
  }

  test::RecordingHost host;
  Editor editor;
  PosterSettings settings;
  // The worked example's sheets, on paper too small for the page.
  RecordingPrinter printer{{3000, 4000}, {3100, 4100}};
};

TEST_F(PosterPrinting, WorkedExamplePrintsFourSheetsAndReports) {
  PrintDocument(editor, printer, settings);
  const std::vector<std::string> expected{"begin Vendaro - /tmp/plakat.lpx", "newPage", "newPage", "newPage", "end"};
  EXPECT_EQ(printer.events, expected);
  ASSERT_EQ(printer.sheets.size(), 4u);
  EXPECT_EQ(onlyMessage().text, "Es wurden 4 Seiten von 2 x 2 Seiten zum Drucker gesendet!");
  EXPECT_EQ(onlyMessage().icon, MessageIcon::information);
  EXPECT_EQ(onlyMessage().caption, kPosterCaption);
}

TEST_F(PosterPrinting, EachSheetShowsThePageMovedToItsOrigin) {
  PrintDocument(editor, printer, settings);
  ASSERT_EQ(printer.sheets.size(), 4u);
  const auto first = printer.sheets[0]->texts("Plakat");
  ASSERT_FALSE(first.empty());
  const int offsets[4][2] = {{0, 0}, {2850, 0}, {0, 3800}, {2850, 3800}};
  for (size_t i = 1; i < 4; ++i) {
    const auto moved = printer.sheets[i]->texts("Plakat");
    ASSERT_FALSE(moved.empty()) << "sheet " << i;
    EXPECT_EQ(moved[0]->rect.left, first[0]->rect.left - offsets[i][0]);
    EXPECT_EQ(moved[0]->rect.top, first[0]->rect.top - offsets[i][1]);
  }
}

TEST_F(PosterPrinting, LayoutIsSettledBeforeTheFirstSheet) {
  // A page-number field on a tenth page: "10" is wider than the text it had
  // before any paint, and only a paint finds that out.
  Document& doc = editor.doc();
  doc.Fields[0].PageNo = 9;
  TCharRec cell;
  cell.Kind = kCellField;
  cell.FontIndex = doc.GetNewFontIndex(doc.CurFont);
  SetPCharText(cell.Code, "page");
  SetPCharText(cell.Text, "");
  doc.Fields[0].Lines[0].Chars.insert(doc.Fields[0].Lines[0].Chars.begin(), cell);
  doc.Fields[0].Lines[0].Dirty = 1;
  editor.RefreshContent();
  std::vector<double> widths;
  printer.beforeSheet = [&](Editor& e) { widths.push_back(e.doc().Fields[0].Lines[0].Chars[0].CharWidth); };
  PrintDocument(editor, printer, settings);
  ASSERT_EQ(widths.size(), 4u);
  EXPECT_EQ(textOf(doc.Fields[0].Lines[0].Chars[0].Text), "10");
  for (double width : widths) EXPECT_EQ(width, doc.Fields[0].Lines[0].Chars[0].CharWidth);
}

TEST_F(PosterPrinting, SheetLinesAreDrawnBlackAfterThePage) {
  settings.noEdgeLines = false;
  PrintDocument(editor, printer, settings);
  const auto& calls = printer.sheets[0]->calls;
  ASSERT_GE(calls.size(), 8u);
  // The last eight calls are the four pairs, over whatever the page drew.
  for (size_t i = calls.size() - 8; i < calls.size(); ++i) {
    EXPECT_EQ(calls[i].op, RecordingCanvas::Op::line);
    EXPECT_EQ(calls[i].pen.color, 0x000000u);
    EXPECT_EQ(calls[i].pen.width, 1);
  }
  EXPECT_EQ(calls[calls.size() - 8].pen.style, PenStyle::dot);
  EXPECT_EQ(calls[calls.size() - 8].rect, (CanvasRect{0, 0, 2849, 0}));
  EXPECT_EQ(calls.back().pen.style, PenStyle::dashDot);
  EXPECT_EQ(calls.back().rect, (CanvasRect{2847, 0, 2847, 3799}));
}

TEST_F(PosterPrinting, PageThatFitsThePaperPrintsOnceInFullPageMode) {
  setPageSize(210.0, 297.0);
  RecordingPrinter a4({4760, 6815}, {4961, 7016});
  PrintDocument(editor, a4, settings);
  const std::vector<std::string> expected{"begin full Vendaro - /tmp/plakat.lpx", "end"};
  EXPECT_EQ(a4.events, expected);
  EXPECT_EQ(onlyMessage().text, "Es wurden 1 Seiten von 1 x 1 Seiten zum Drucker gesendet!");
}

TEST_F(PosterPrinting, OneSelectedSheetPrintsAloneButCountsAll) {
  settings.allSheets = false;
  settings.column = 1;
  settings.row = 0;
  PrintDocument(editor, printer, settings);
  const std::vector<std::string> expected{"begin Vendaro - /tmp/plakat.lpx", "end"};
  EXPECT_EQ(printer.events, expected);
  EXPECT_EQ(onlyMessage().text, "Es wurden 1 Seiten von 2 x 2 Seiten zum Drucker gesendet!");
}

TEST_F(PosterPrinting, SelectedSheetOutsideThePosterPrintsNothing) {
  settings.allSheets = false;
  settings.column = 2;
  PrintDocument(editor, printer, settings);
  EXPECT_TRUE(printer.events.empty()) << "no job is begun";
  EXPECT_EQ(onlyMessage().text, "Es wurden 0 Seiten von 2 x 2 Seiten zum Drucker gesendet!");
}

TEST_F(PosterPrinting, OverlapSwitchesGlueLinesOn) {
  settings.glueLines = false;
  settings.noEdgeLines = false;
  PrintDocument(editor, printer, settings);
  EXPECT_TRUE(settings.glueLines) << "the dialog shows it switched on";
  EXPECT_TRUE(printer.sheets[0]->calls.back().pen.style == PenStyle::dashDot);

  settings.glueMargin = false;
  settings.glueLines = false;
  RecordingPrinter plain({3000, 4000}, {3100, 4100});
  PrintDocument(editor, plain, settings);
  EXPECT_FALSE(settings.glueLines);
  for (const auto& sheet : plain.sheets)
    for (const RecordingCanvas::Call& call : sheet->calls)
      EXPECT_FALSE(call.op == RecordingCanvas::Op::line && call.pen.style == PenStyle::dashDot);
}

TEST_F(PosterPrinting, PrinterFailingAtSecondSheetIsReportedAsFailure) {
  printer.failAtSheet = 2;
  PrintDocument(editor, printer, settings);
  const std::vector<std::string> expected{"begin Vendaro - /tmp/plakat.lpx", "newPage", "abort"};
  EXPECT_EQ(printer.events, expected);
  EXPECT_EQ(onlyMessage().text, "Der Drucker meldet einen Fehler.");
  EXPECT_EQ(onlyMessage().icon, MessageIcon::error);
}

TEST_F(PosterPrinting, FailedStartOrEndIsNoSuccess) {
  printer.failBegin = true;
  const PosterOutcome refused = printPoster(editor, printer, settings);
  EXPECT_FALSE(refused.succeeded);
  EXPECT_EQ(refused.printedSheets, 0);
  EXPECT_TRUE(printer.sheets.empty());

  RecordingPrinter lost({3000, 4000}, {3100, 4100});
  lost.failEnd = true;
  PrintDocument(editor, lost, settings);
  EXPECT_EQ(onlyMessage().icon, MessageIcon::error);
  EXPECT_EQ(onlyMessage().text.find("gesendet"), std::string::npos);
}

}  // namespace
}  // namespace vendaro
