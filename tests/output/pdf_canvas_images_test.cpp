#include <gtest/gtest.h>

#include "output/pdf_canvas.h"
#include "output/pdf_images.h"
#include "output/pdf_inspection.h"
#include "platform/dib.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

TPictureRec filledBitmap(int width, int height, int bitCount, uint8_t fill) {
  TPictureRec picture;
  EXPECT_TRUE(newdib(picture, width, height, bitCount));
  std::fill(picture.mutablePixels(), picture.mutablePixels() + picture.pixelBytes(), fill);
  return picture;
}

TEST(PdfCanvasImages, EachPictureBecomesOneImageHoweverOftenItIsDrawn) {
  test::TempDir dir;
  TPDFCanvas canvas;
  ASSERT_TRUE(canvas.BeginDoc(dir.file("bilder.pdf")));
  TPictureRec picture = filledBitmap(40, 30, 24, 0);
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) setpixel(picture, x, y, 0x0000FF);
  }
  TPictureRec lookalike = picture;
  lookalike.mutablePixels();  // equal pixels, but rows of its own: another picture
  const TPictureRec sharing = picture;
  canvas.DrawDib(10, 20, 100, 50, picture);
  canvas.DrawDib(200, 300, 100, 50, picture);
  canvas.DrawDib(0, 0, 0, 50, picture);  // no width: nothing
  canvas.DrawDib(0, 400, 100, 50, lookalike);
  canvas.NewPage();
  canvas.DrawDib(0, 0, 40, 30, sharing);
  ASSERT_TRUE(canvas.EndDoc());
  const test::PdfFileView pdf = test::readPdf(dir.file("bilder.pdf"));
  ASSERT_EQ(pdf.problem, "");

  EXPECT_EQ(test::pageContent(pdf, 1),
            "q\n99 0 0 49 10 773 cm\n/Im0 Do\nQ\nq\n99 0 0 49 200 493 cm\n/Im0 Do\nQ\n"
            "q\n99 0 0 49 0 393 cm\n/Im1 Do\nQ\n");
  EXPECT_EQ(test::pageContent(pdf, 2), "q\n39 0 0 29 0 813 cm\n/Im0 Do\nQ\n");
  const std::vector<int> pages = test::objectsStartingWith(pdf, "<<\n/Type /Page\n");
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pdf.objects.at(pages[0]).find("/Resources <</XObject << /Im0 11 0 R/Im1 12 0 R >>\n"),
            std::string::npos);
  ASSERT_EQ(pdf.size, 13);
  for (int number : {11, 12}) {
    const std::string& image = pdf.objects.at(number);
    const std::string jpeg = test::streamData(image);
    EXPECT_TRUE(image.starts_with(
        "<< /Type /XObject /Subtype /Image /Width 40 /Height 30 /BitsPerComponent 8 /ColorSpace /DeviceRGB "
        "/Length " + std::to_string(jpeg.size()) + " /Filter /DCTDecode >>\nstream\n"));
    TPictureRec decoded;
    ASSERT_TRUE(OpenDibFromMemory(decoded, reinterpret_cast<const uint8_t*>(jpeg.data()), jpeg.size()));
    EXPECT_GT(getpixel(decoded, 4, 4) & 0xFF, 240u);  // red stays in the top-left corner
    EXPECT_LT(getpixel(decoded, 30, 25) & 0xFF, 16u);
  }
  test::validatePdf(dir.file("bilder.pdf"));
}

// A poster draws one large picture on many sheets: neither its pixels nor a
// widened copy of a palette picture may be made per sheet.
TEST(PdfCanvasImages, DrawingKeepsNoCopiesOfThePixels) {
  test::TempDir dir;
  TPDFCanvas canvas;
  ASSERT_TRUE(canvas.BeginDoc(dir.file("plakat.pdf")));
  const TPictureRec photo = filledBitmap(300, 200, 24, 0x80);
  TPictureRec indexed = filledBitmap(300, 200, 8, 3);
  indexed.Palette[3] = 0x0000FF00;
  for (int sheet = 0; sheet < 25; ++sheet) {
    if (sheet > 0) canvas.NewPage();
    canvas.DrawDib(-sheet * 100, 0, 3000, 2000, photo);
    canvas.DrawDib(0, -sheet * 100, 3000, 2000, indexed);
  }
  EXPECT_EQ(photo.Bits.use_count(), 2);  // the caller's record and the one stored
  EXPECT_EQ(indexed.Bits.use_count(), 2);
  ASSERT_TRUE(canvas.EndDoc());

  const test::PdfFileView pdf = test::readPdf(dir.file("plakat.pdf"));
  ASSERT_EQ(pdf.problem, "");
  const std::vector<int> images = test::objectsStartingWith(pdf, "<< /Type /XObject /Subtype /Image ");
  ASSERT_EQ(images.size(), 2u);
  const std::string jpeg = test::streamData(pdf.objects.at(images[1]));
  TPictureRec decoded;
  ASSERT_TRUE(OpenDibFromMemory(decoded, reinterpret_cast<const uint8_t*>(jpeg.data()), jpeg.size()));
  EXPECT_GT((getpixel(decoded, 5, 5) >> 8) & 0xFF, 240u);  // green through the palette
  test::validatePdf(dir.file("plakat.pdf"));
}

TEST(PdfCanvasImages, PaletteBitmapsAreWidenedThroughTheirColours) {
  TPictureRec indexed = filledBitmap(16, 8, 8, 5);
  indexed.Palette[5] = 0x00FF8000;  // stored B, G, R: red 255, green 128, blue 0
  indexed.Palette[7] = 0x000000FF;
  indexed.Header.biHeight = -8;     // top-down rows: the first row in memory is the top one
  indexed.mutablePixels()[0] = 7;
  TPictureRec wide;
  ASSERT_EQ(toTrueColour(indexed, wide), TrueColourResult::ready);
  EXPECT_EQ(wide.Header.biBitCount, 24);
  EXPECT_EQ(getpixel(wide, 3, 3), 0x000080FFu);
  EXPECT_EQ(getpixel(wide, 0, 0), 0x00FF0000u);

  TPictureRec nibbles = filledBitmap(16, 8, 4, 0x3A);
  nibbles.Palette[3] = 0x000000FF;
  nibbles.Palette[10] = 0x0000FF00;
  ASSERT_EQ(toTrueColour(nibbles, wide), TrueColourResult::ready);
  EXPECT_EQ(getpixel(wide, 0, 0), 0x00FF0000u);
  EXPECT_EQ(getpixel(wide, 1, 0), 0x0000FF00u);

  TPictureRec bits = filledBitmap(16, 8, 1, 0x0F);
  bits.Palette = {0x00FFFFFF, 0x00000000};  // index 0 is white here
  ASSERT_EQ(toTrueColour(bits, wide), TrueColourResult::ready);
  EXPECT_EQ(getpixel(wide, 0, 0), 0x00FFFFFFu);
  EXPECT_EQ(getpixel(wide, 7, 0), 0x00000000u);
  bits.Palette.clear();  // without palette: 0 black, 1 white
  ASSERT_EQ(toTrueColour(bits, wide), TrueColourResult::ready);
  EXPECT_EQ(getpixel(wide, 0, 0), 0x00000000u);
  EXPECT_EQ(getpixel(wide, 7, 0), 0x00FFFFFFu);

  EXPECT_EQ(toTrueColour(filledBitmap(16, 8, 16, 0), wide), TrueColourResult::unsupported);
  TPictureRec truncated = filledBitmap(16, 8, 24, 0);
  truncated.Bits->resize(truncated.pixelBytes() - 1);
  EXPECT_EQ(toTrueColour(truncated, wide), TrueColourResult::unsupported);
}

TEST(PdfCanvasImages, AnImageThatCannotBeEncodedStillGetsItsObject) {
  test::TempDir dir;
  TPDFCanvas canvas;
  ASSERT_TRUE(canvas.BeginDoc(dir.file("platzhalter.pdf")));
  canvas.DrawDib(0, 0, 100, 10, filledBitmap(70000, 1, 24, 0));  // wider than JPEG allows
  canvas.DrawDib(0, 20, 100, 10, filledBitmap(4, 4, 24, 0));
  ASSERT_TRUE(canvas.EndDoc());
  const test::PdfFileView pdf = test::readPdf(dir.file("platzhalter.pdf"));
  ASSERT_EQ(pdf.problem, "");

  ASSERT_EQ(pdf.size, 10);
  EXPECT_EQ(pdf.objects.at(8),
            "<< /Type /XObject /Subtype /Image /Width 1 /Height 1 /BitsPerComponent 8 "
            "/ColorSpace /DeviceRGB /Length 3 >>\nstream\n\xFF\xFF\xFF"
            "endstream\n");
  EXPECT_NE(pdf.objects.at(9).find("/Width 4 /Height 4"), std::string::npos);
  test::validatePdf(dir.file("platzhalter.pdf"));
}

}  // namespace
}  // namespace vendaro
