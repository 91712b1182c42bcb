// Poster sheets as PDF pages: page count and paper, the text still text,
// one image object however many sheets show the picture, the cut and glue
// lines where they belong, and a file that cannot be made.
#include "output/pdf_poster_printer.h"

#include <gtest/gtest.h>

#include "editing/editor.h"
#include "output/pdf_inspection.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

// A4 with a 5 mm margin, in points: 595 × 842 with 14 points inset.
constexpr double kA4Width = 210.0, kA4Height = 297.0, kMargin = 5.0;
constexpr int kInset = 14;

class PdfPosterSheets : public ::testing::Test {
 protected:
  PdfPosterSheets() : editor(host) {
    editor.doc() = test::showcaseDocument();
    editor.documentLoaded();
  }

  void setPage(double widthMm, double heightMm) {
    test::setPaperSize(editor.doc(), widthMm, heightMm);
    editor.CompleteRefresh();
  }

  PosterOutcome print(PosterSettings settings = {}) {
    PdfPosterPrinter printer(target, editor.doc().fontEngine(), kA4Width, kA4Height, kMargin);
    return printPoster(editor, printer, settings);
  }

  test::TempDir dir;
  std::filesystem::path target = dir.file("poster.pdf");
  test::RecordingHost host;
  Editor editor;
};

int darkPixels(const TPictureRec& page, int left, int top, int right, int bottom) {
  int dark = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) dark += (getpixel(page, x, y) & 0xFFFFFF) == 0;
  return dark;
}

TEST_F(PdfPosterSheets, A0PageGivesTwentyFiveA4PagesWithTextAndOneImage) {
  setPage(841.0, 1189.0);
  const PosterOutcome outcome = print();
  ASSERT_TRUE(outcome.succeeded) << outcome.failure;
  EXPECT_EQ(outcome.printedSheets, 25);
  EXPECT_EQ(outcome.columns, 5);
  EXPECT_EQ(outcome.rows, 5);
  const std::string text = test::validatePdf(target);
  EXPECT_NE(text.find("Anmeldung"), std::string::npos);
  EXPECT_EQ(test::pageSize(target, 1), "595 x 842 pts");
  EXPECT_EQ(test::pageSize(target, 25), "595 x 842 pts");
  const test::PdfFileView pdf = test::readPdf(target);
  EXPECT_EQ(test::countOf(pdf.bytes, "/Subtype /Image"), 1) << "one image object, shared by its sheets";
}

TEST_F(PdfPosterSheets, CutLinesAlongInnerEdgesOnly) {
  setPage(841.0, 1189.0);
  PosterSettings settings;
  settings.allSheets = false;
  settings.column = 1;
  settings.row = 0;
  ASSERT_TRUE(print(settings).succeeded);
  const TPictureRec sheet = test::renderPage(target, 1);
  // The second sheet of the first row: a dotted pair down its left edge
  // (inside the margin's edge), none along its top (the poster's top).
  const int left = darkPixels(sheet, kInset, kInset + 20, kInset + 2, 842 - kInset - 20);
  // (Left of the glue lines, which run down from the top edge.)
  const int top = darkPixels(sheet, kInset + 20, kInset, 595 - kInset - 100, kInset + 2);
  EXPECT_GT(left, 300);
  EXPECT_LT(left, 2 * (842 - 2 * kInset - 40)) << "dotted, not solid";
  EXPECT_EQ(top, 0);
  // Nothing is drawn on the margin.
  EXPECT_EQ(darkPixels(sheet, 0, 0, kInset - 1, 842), 0);
}

TEST_F(PdfPosterSheets, PageOfTheSheetsSizeIsOnePage) {
  const PosterOutcome outcome = print();
  ASSERT_TRUE(outcome.succeeded);
  EXPECT_EQ(outcome.printedSheets, 1);
  EXPECT_EQ(test::pageSize(target, 1), "595 x 842 pts");
  test::validatePdf(target);
}

TEST_F(PdfPosterSheets, FileThatCannotBeMadeFailsAndLeavesNothing) {
  target = dir.file("fehlt") / "poster.pdf";
  const PosterOutcome outcome = print();
  EXPECT_FALSE(outcome.succeeded);
  EXPECT_EQ(outcome.failure, "Die PDF-Datei konnte nicht erstellt werden!");
  EXPECT_FALSE(std::filesystem::exists(target));
}

}  // namespace
}  // namespace vendaro
