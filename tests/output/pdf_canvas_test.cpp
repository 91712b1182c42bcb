#include "output/pdf_canvas.h"

#include <gtest/gtest.h>

#include <cmath>

#include "output/pdf_inspection.h"
#include "platform/font_engine.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::countOf;
using test::pageContent;
using test::readPdf;
using test::validatePdf;

class PdfCanvasTest : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path target = dir.file("out.pdf");
  TPDFCanvas canvas;

  test::PdfFileView finish() {
    EXPECT_TRUE(canvas.EndDoc());
    test::PdfFileView pdf = readPdf(target);
    EXPECT_EQ(pdf.problem, "");
    return pdf;
  }
};

TEST_F(PdfCanvasTest, OnePageWithTextHasItsObjectsInOrder) {
  ASSERT_TRUE(canvas.BeginDoc(target));
  canvas.Font.name = "Arial";
  canvas.Font.size = 12;
  // The baseline lies one ascent below the given top, above the descent.
  const int baseline = canvas.TextBaseline(20);
  EXPECT_GT(baseline, 20);
  EXPECT_LT(baseline, 20 + canvas.TextHeight("Hallo"));
  canvas.TextOut(10, 20, "Hallo Welt");
  const test::PdfFileView pdf = finish();

  EXPECT_TRUE(pdf.bytes.starts_with(
      "%PDF-1.3\n1 0 obj\n[/PDF /Text /ImageB /ImageC /ImageI]\nendobj\n"
      "2 0 obj\n<< /Length 3 0 R /Filter /FlateDecode >>\nstream\n"));
  // Content, its length, then font program, descriptor and font.
  EXPECT_EQ(pdf.size, 11);
  ASSERT_EQ(pdf.objects.size(), 10u);
  EXPECT_EQ(pdf.objects.at(3), std::to_string(test::streamData(pdf.objects.at(2)).size() - 1) + "\n");
  EXPECT_EQ(pageContent(pdf, 1), "BT\n0 0 0 rg\n/F1 12 Tf\n10 " + std::to_string(842 - baseline) +
                                     "  Td (Hallo Welt) Tj\nET\n");
  EXPECT_TRUE(pdf.objects.at(4).starts_with("<< /Length ")) << pdf.objects.at(4);
  EXPECT_NE(pdf.objects.at(5).find("/FontFile2 4 0 R"), std::string::npos) << pdf.objects.at(5);
  EXPECT_TRUE(pdf.objects.at(6).starts_with("<<\n/Type /Font\n/Subtype /TrueType\n/BaseFont /"))
      << pdf.objects.at(6);
  EXPECT_NE(pdf.objects.at(6).find("/FontDescriptor 5 0 R\n"), std::string::npos) << pdf.objects.at(6);
  EXPECT_EQ(pdf.objects.at(7), "<<\n/Type /Pages\n/Count 1\n/Kids [8 0 R]\n>>\n");
  EXPECT_EQ(pdf.objects.at(8),
            "<<\n/Type /Page\n/Parent 7 0 R\n/Resources <</XObject <<  >>\n"
            "/Font << /F1 6 0 R>> /ProcSet 1 0 R\n>>\n/MediaBox [0 0 595 842]\n/Contents 2 0 R\n>>\n");
  EXPECT_EQ(pdf.objects.at(9), "<<\n/Type /Catalog\n/Pages 7 0 R\n/Outlines 10 0 R\n>>\n");
  EXPECT_EQ(pdf.objects.at(10), "<<\n/Type /Outlines\n/Count 0\n>>\n");
  const size_t xref = pdf.bytes.rfind("xref\n0 11\n");
  EXPECT_EQ(pdf.bytes.substr(xref + 10 + 11 * 20),
            "trailer\n<<\n/Size 11\n/Root 9 0 R\n>>\nstartxref\n" + std::to_string(xref) + "\n%%EOF");

  EXPECT_NE(validatePdf(target).find("Hallo Welt"), std::string::npos);
  EXPECT_EQ(test::pageSize(target, 1), "595 x 842 pts");
  // Only the finished file is left in the folder.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST_F(PdfCanvasTest, StateIsWrittenOncePerPageAndAgainOnTheNext) {
  ASSERT_TRUE(canvas.BeginDoc(target));
  canvas.Font.color = 0x0000FF;
  canvas.TextOut(10, 10, "(a\\b)");
  canvas.TextOut(10, 40, "zwei");
  canvas.Brush.color = 0x0000FF;  // the fill colour the text set already
  canvas.FillRect({0, 0, 5, 5});
  canvas.NewPage();
  canvas.TextOut(10, 10, "drei");
  canvas.TextOut(10, 40, "vier");
  canvas.Font.size = 20;
  canvas.TextOut(10, 70, "f\xFCnf");
  canvas.Brush.color = 0x00FF00;
  canvas.FillRect({0, 0, 5, 5});
  canvas.TextOut(10, 100, "sechs");
  const test::PdfFileView pdf = finish();

  const std::string first = pageContent(pdf, 1);
  EXPECT_EQ(countOf(first, " Tf\n"), 1) << first;
  EXPECT_EQ(countOf(first, " rg\n"), 1) << first;
  EXPECT_NE(first.find("(\\(a\\\\b\\)) Tj"), std::string::npos) << first;
  EXPECT_NE(first.find("0 838 4 4 re\nf\n"), std::string::npos) << first;
  const std::string second = pageContent(pdf, 2);
  EXPECT_EQ(countOf(second, "/F1 8 Tf\n"), 1) << second;
  EXPECT_EQ(countOf(second, "/F1 20 Tf\n"), 1) << second;
  EXPECT_EQ(countOf(second, "1 0 0 rg\n"), 2) << second;  // again after the green fill
  EXPECT_EQ(countOf(second, "0 1 0 rg\n"), 1) << second;

  const std::string text = validatePdf(target);
  EXPECT_NE(text.find("(a\\b)"), std::string::npos) << text;
  EXPECT_NE(text.find("f\xFCnf"), std::string::npos) << text;
}

TEST_F(PdfCanvasTest, LinesAndRectanglesFlipYAndSkipWhatCannotShow) {
  ASSERT_TRUE(canvas.BeginDoc(target));
  canvas.PageHeightPt = 100;
  canvas.MoveTo(10, 20);
  canvas.LineTo(30, 40);
  canvas.Pen.style = PenStyle::clear;
  canvas.LineTo(50, 60);  // moves without drawing
  canvas.Pen = {PenStyle::dash, 2, 0xFF0000};
  canvas.LineTo(70, 60);
  canvas.Rectangle({5, 5, 5, 50});    // left = right: nothing
  canvas.FillRect({5, 5, 50, 5});     // top = bottom: nothing
  canvas.Brush.style = BrushStyle::clear;
  canvas.FillRect({1, 1, 9, 9});      // clear brush: nothing
  canvas.Rectangle({10, 10, 20, 30});  // outline only
  canvas.Brush = {BrushStyle::solid, 0xFFFFFF};
  canvas.Rectangle({20, 30, 10, 10});  // filled and stroked, reversed corners
  const test::PdfFileView pdf = finish();

  EXPECT_EQ(pageContent(pdf, 1),
            "[ ] 0 d\n1 w\n0 0 0 RG\n10 80 m\n30 60 l\nS\n"
            "[3] 0 d\n2 w\n0 0 1 RG\n50 40 m\n70 40 l\nS\n"
            "10 90 m\n19 90 l\nS\n19 90 m\n19 71 l\nS\n19 71 m\n10 71 l\nS\n10 71 m\n10 90 l\nS\n"
            "1 1 1 rg\n20 91 -9 -19 re\nB\n");
  validatePdf(target);
}

}  // namespace
}  // namespace vendaro
