#include <gtest/gtest.h>

#include "output/pdf_canvas.h"
#include "output/pdf_inspection.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::readPdf;
using test::validatePdf;

size_t filesIn(const std::filesystem::path& folder) {
  return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

TEST(PdfCanvasFiles, AnEmptyDocumentHasOnePageWithAnEmptyStream) {
  test::TempDir dir;
  TPDFCanvas canvas;
  canvas.TextOut(1, 1, "vorher");  // closed: nothing happens
  canvas.LineTo(5, 5);
  EXPECT_FALSE(canvas.EndDoc());
  ASSERT_TRUE(canvas.BeginDoc(dir.file("leer.pdf")));
  EXPECT_FALSE(canvas.BeginDoc(dir.file("zweites.pdf")));  // one document at a time
  ASSERT_TRUE(canvas.EndDoc());

  const test::PdfFileView pdf = readPdf(dir.file("leer.pdf"));
  ASSERT_EQ(pdf.problem, "");
  EXPECT_EQ(pdf.size, 8);
  EXPECT_EQ(test::pageContent(pdf, 1), "");
  EXPECT_EQ(pdf.objects.at(3), "8\n");  // zlib header, empty final block, Adler-32
  const std::string stream = test::streamData(pdf.objects.at(2));
  ASSERT_EQ(stream.size(), 9u);
  EXPECT_EQ(stream[0] & 0x0F, 8);                        // deflate
  EXPECT_EQ((static_cast<uint8_t>(stream[1]) >> 6), 3);  // compressed at the highest level
  EXPECT_NE(pdf.objects.at(5).find("/Font << >> /ProcSet 1 0 R"), std::string::npos);
  validatePdf(dir.file("leer.pdf"));
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(PdfCanvasFiles, PagesKeepTheSizeTheyHadWhenTheyEnded) {
  test::TempDir dir;
  const auto target = dir.file("mit blank 'und' Quote.pdf");
  TPDFCanvas canvas;
  ASSERT_TRUE(canvas.BeginDoc(target));
  canvas.TextOut(0, 0, "eins");
  canvas.PageWidthPt = 615;  // set late: still applies to the page being drawn
  canvas.PageHeightPt = 862;
  canvas.NewPage();
  canvas.PageWidthPt = 2000;
  canvas.PageHeightPt = 1000;
  canvas.MoveTo(0, 0);
  canvas.LineTo(10, 0);
  canvas.TextOut(0, 0, "zwei");
  canvas.NewPage();
  ASSERT_TRUE(canvas.EndDoc());

  const test::PdfFileView pdf = readPdf(target);
  ASSERT_EQ(pdf.problem, "");
  EXPECT_NE(test::pageContent(pdf, 2).find("0 1000 m\n10 1000 l\n"), std::string::npos);
  // Pages come after the font's program, descriptor and dictionary.
  EXPECT_NE(pdf.objects.at(11).find("/Kids [12 0 R 13 0 R 14 0 R]"), std::string::npos);
  EXPECT_NE(pdf.objects.at(14).find("/Contents 6 0 R"), std::string::npos);
  const std::string text = validatePdf(target);
  EXPECT_NE(text.find("eins"), std::string::npos);
  EXPECT_NE(text.find("zwei"), std::string::npos);
  EXPECT_EQ(test::pageSize(target, 1), "615 x 862 pts");
  EXPECT_EQ(test::pageSize(target, 2), "2000 x 1000 pts");
  EXPECT_EQ(test::pageSize(target, 3), "2000 x 1000 pts");
}

TEST(PdfCanvasFiles, PagesBeyondTwoHundredInchesCountInLargerUnits) {
  test::TempDir dir;
  const auto target = dir.file("plakat.pdf");
  TPDFCanvas canvas;
  ASSERT_TRUE(canvas.BeginDoc(target));
  canvas.PageWidthPt = 28346;  // 10 m
  canvas.PageHeightPt = 28346;
  canvas.Brush.color = 0x0000FF;
  canvas.FillRect({0, 0, 14173, 14173});  // the top-left quarter
  canvas.NewPage();
  canvas.PageWidthPt = 14400;  // the largest page without a unit
  canvas.PageHeightPt = 43201;
  canvas.NewPage();
  canvas.PageWidthPt = 595;
  canvas.PageHeightPt = 842;
  ASSERT_TRUE(canvas.EndDoc());

  const test::PdfFileView pdf = test::readPdf(target);
  ASSERT_EQ(pdf.problem, "");
  EXPECT_TRUE(pdf.bytes.starts_with("%PDF-1.6\n"));
  EXPECT_TRUE(test::pageContent(pdf, 1).starts_with("0.5 0 0 0.5 0 0 cm\n1 0 0 rg\n0 14174 14172 14172 re\n"));
  EXPECT_TRUE(test::pageContent(pdf, 2).starts_with("0.25 0 0 0.25 0 0 cm\n"));
  EXPECT_EQ(test::pageContent(pdf, 3), "");
  const std::vector<int> pages = test::objectsStartingWith(pdf, "<<\n/Type /Page\n");
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_NE(pdf.objects.at(pages[0]).find("/MediaBox [0 0 14173 14173]\n/UserUnit 2\n"), std::string::npos);
  EXPECT_NE(pdf.objects.at(pages[1]).find("/MediaBox [0 0 3600 10800.25]\n/UserUnit 4\n"), std::string::npos);
  EXPECT_NE(pdf.objects.at(pages[2]).find("/MediaBox [0 0 595 842]\n/Contents"), std::string::npos);
  validatePdf(target);
  EXPECT_EQ(test::pageSize(target, 3), "595 x 842 pts");
  // Poppler draws in MediaBox units, without the user unit: the scaled
  // drawing still fills exactly the top-left quarter of the page.
  const TPictureRec page = test::renderPage(target, 1, 1);
  EXPECT_EQ(page.width(), 197);
  EXPECT_EQ(getpixel(page, 96, 96), 0x0000FFu);  // red
  EXPECT_EQ(getpixel(page, 100, 100), 0xFFFFFFu);
  EXPECT_EQ(getpixel(page, 100, 10), 0xFFFFFFu);
}

TEST(PdfCanvasFiles, TheDestructorFinishesAnOpenDocument) {
  test::TempDir dir;
  {
    TPDFCanvas canvas;
    ASSERT_TRUE(canvas.BeginDoc(dir.file("offen.pdf")));
    canvas.TextOut(10, 10, "offen");
  }
  EXPECT_NE(validatePdf(dir.file("offen.pdf")).find("offen"), std::string::npos);
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

// How the file is replaced is the business of AtomicFileWriter; the canvas
// has to pass its failures on and stay usable.
TEST(PdfCanvasFiles, FileFailuresAreReportedAndTheCanvasStaysUsable) {
  test::TempDir dir;
  TPDFCanvas canvas;
  EXPECT_FALSE(canvas.BeginDoc(dir.file("fehlt") / "x.pdf"));
  EXPECT_EQ(canvas.error(), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(canvas.isOpen());

  std::filesystem::create_directory(dir.file("weg"));
  ASSERT_TRUE(canvas.BeginDoc(dir.file("weg") / "x.pdf"));
  canvas.TextOut(10, 10, "verloren");
  std::filesystem::remove_all(dir.file("weg"));  // the folder vanishes while the document is written
  EXPECT_FALSE(canvas.EndDoc());
  EXPECT_EQ(canvas.error(), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(canvas.isOpen());

  ASSERT_TRUE(canvas.BeginDoc(dir.file("danach.pdf")));
  EXPECT_FALSE(canvas.error());
  EXPECT_TRUE(canvas.EndDoc());
  validatePdf(dir.file("danach.pdf"));
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

}  // namespace
}  // namespace vendaro
