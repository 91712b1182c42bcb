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
  EXPECT_NE(pdf.objects.at(9).find("/Kids [10 0 R 11 0 R 12 0 R]"), std::string::npos);
  EXPECT_NE(pdf.objects.at(12).find("/Contents 6 0 R"), std::string::npos);
  const std::string text = validatePdf(target);
  EXPECT_NE(text.find("eins"), std::string::npos);
  EXPECT_NE(text.find("zwei"), std::string::npos);
  EXPECT_EQ(test::pageSize(target, 1), "615 x 862 pts");
  EXPECT_EQ(test::pageSize(target, 2), "2000 x 1000 pts");
  EXPECT_EQ(test::pageSize(target, 3), "2000 x 1000 pts");
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
