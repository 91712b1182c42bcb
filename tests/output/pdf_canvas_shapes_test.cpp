#include <gtest/gtest.h>

#include "output/pdf_canvas.h"
#include "output/pdf_inspection.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::countOf;
using test::pageContent;

constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kBlue = 0xFF0000;  // 0x00BBGGRR

class PdfCanvasShapes : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::filesystem::path target = dir.file("formen.pdf");
  TPDFCanvas canvas;

  void SetUp() override {
    ASSERT_TRUE(canvas.BeginDoc(target));
    canvas.PageWidthPt = 200;
    canvas.PageHeightPt = 100;
  }
  test::PdfFileView finish() { return test::finishAndCheck(canvas, target); }
};

TEST_F(PdfCanvasShapes, ClipsNestNeverAndStateIsWrittenAgainAfterThem) {
  canvas.Font.name = "Arial";
  canvas.SetClip({10, 20, 110, 60});
  canvas.TextOut(10, 20, "innen");
  canvas.MoveTo(0, 0);
  canvas.LineTo(50, 0);
  canvas.SetClip({60, 50, 20, 10});  // replaces the first; corners in any order
  canvas.TextOut(10, 30, "wieder");
  canvas.LineTo(50, 50);
  canvas.ResetClip();
  canvas.ResetClip();  // no clip open: nothing
  canvas.TextOut(10, 40, "drau\xDF" "en");
  canvas.SetClip({0, 0, 5, 5});  // still open when the page ends
  canvas.NewPage();
  canvas.TextOut(10, 40, "zweite");
  const test::PdfFileView pdf = finish();

  const std::string first = pageContent(pdf, 1);
  EXPECT_TRUE(first.starts_with("q\n10 40 100 40 re W n\nBT\n")) << first;
  EXPECT_NE(first.find("Q\nq\n20 50 40 40 re W n\n"), std::string::npos) << first;
  EXPECT_EQ(countOf(first, "q\n"), 3) << first;
  EXPECT_EQ(countOf(first, "Q\n"), 3) << first;
  EXPECT_TRUE(first.ends_with("q\n0 95 5 5 re W n\nQ\n")) << first;
  // Each Q takes back the colour, font and pen set inside the clip.
  EXPECT_EQ(countOf(first, " Tf\n"), 3) << first;
  EXPECT_EQ(countOf(first, "0 0 0 rg\n"), 3) << first;
  EXPECT_EQ(countOf(first, " RG\n"), 2) << first;
  const std::string second = pageContent(pdf, 2);
  EXPECT_EQ(countOf(second, "q\n"), 0) << second;
}

TEST_F(PdfCanvasShapes, ClippedDrawingStaysInsideTheClip) {
  canvas.Brush.color = kBlue;
  canvas.SetClip({20, 10, 60, 50});
  canvas.FillRect({0, 0, 200, 100});
  canvas.ResetClip();
  canvas.FillRect({150, 80, 160, 90});
  finish();

  const TPictureRec page = test::renderPage(target, 1);
  ASSERT_EQ(page.width(), 200);
  ASSERT_EQ(page.height(), 100);
  EXPECT_EQ(getpixel(page, 20, 10), kBlue);
  EXPECT_EQ(getpixel(page, 59, 49), kBlue);
  EXPECT_EQ(getpixel(page, 19, 30), kWhite);
  EXPECT_EQ(getpixel(page, 60, 30), kWhite);
  EXPECT_EQ(getpixel(page, 40, 9), kWhite);
  EXPECT_EQ(getpixel(page, 40, 50), kWhite);
  EXPECT_EQ(getpixel(page, 155, 85), kBlue);  // after the clip: anywhere again
}

TEST_F(PdfCanvasShapes, EllipsesFillAndStrokeLikeRectangles) {
  canvas.Brush.color = kBlue;
  canvas.Pen.width = 2;
  canvas.Ellipse({10, 10, 91, 61});  // filled and stroked
  canvas.Pen.style = PenStyle::clear;
  canvas.Ellipse({100, 10, 120, 30});  // filled only
  canvas.Pen.style = PenStyle::solid;
  canvas.Brush.style = BrushStyle::clear;
  canvas.Ellipse({130, 10, 150, 30});  // stroked only
  canvas.Pen.style = PenStyle::clear;
  canvas.Ellipse({160, 10, 180, 30});  // neither: no path at all
  canvas.Ellipse({10, 70, 10, 90});    // no width: nothing
  const test::PdfFileView pdf = finish();

  const std::string content = pageContent(pdf, 1);
  EXPECT_NE(content.find("90 65 m\n90 78.807 "), std::string::npos) << content;
  EXPECT_EQ(countOf(content, " c\n"), 12) << content;
  EXPECT_EQ(countOf(content, "h\nB\n"), 1) << content;
  EXPECT_EQ(countOf(content, "h\nf\n"), 1) << content;
  EXPECT_EQ(countOf(content, "h\nS\n"), 1) << content;

  const TPictureRec page = test::renderPage(target, 1);
  EXPECT_EQ(getpixel(page, 50, 35), kBlue);     // centre
  EXPECT_EQ(getpixel(page, 12, 12), kWhite);    // the box's corner lies outside
  EXPECT_EQ(getpixel(page, 50, 10), 0x000000u);  // the border at the top of the axis
  EXPECT_EQ(getpixel(page, 90, 35), 0x000000u);  // and at its right end
  EXPECT_EQ(getpixel(page, 110, 20), kBlue);
  EXPECT_EQ(getpixel(page, 140, 20), kWhite);   // stroked only: the inside stays white
  EXPECT_EQ(getpixel(page, 130, 20), 0x000000u);
}

}  // namespace
}  // namespace vendaro
