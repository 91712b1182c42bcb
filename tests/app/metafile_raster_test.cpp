// Metafiles drawn through the front end's raster target: the bitmap it
// yields, sampled at known points, for shapes, hatches, clips, turned text
// and bitmaps combined with raster operations.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "app/qt_raster_target.h"
#include "formats/metafile_picture.h"
#include "support/metafile_builder.h"
#include "platform/font_engine.h"

namespace vendaro {
namespace {

using test::WmfBuilder;

constexpr uint32_t kWhite = 0xFFFFFF, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

// 1 × 1 inch pictures, 1000 units, drawn at 150 × 150 pixels.
TPictureRec draw(WmfBuilder& builder) {
  QtRasterTarget target(FontEngine::shared());
  TPictureRec picture;
  EXPECT_TRUE(metafileToPicture(builder.finish(), FontEngine::shared(), &target, picture));
  EXPECT_EQ(picture.width(), 150);
  EXPECT_EQ(picture.Header.biBitCount, 24);
  return picture;
}

WmfBuilder inch() { return WmfBuilder(0, 0, 1000, 1000, 1000); }

int countOf(const TPictureRec& p, uint32_t color, int left, int top, int right, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) n += getpixel(p, x, y) == color;
  return n;
}

TEST(MetafileRaster, FilledShapesLandWhereTheFrameMapsThem) {
  WmfBuilder b = inch();
  b.record(0x02FC, {0, 0x00FF, 0, 0})           // red brush
      .record(0x012D, {0})
      .record(0x041B, {600, 600, 200, 200})       // rectangle 30..90 px
      .record(0x02FC, {0, 0, 0x00FF, 0})          // blue brush
      .record(0x012D, {1})
      .record(0x0324, {3, 700, 700, 1000, 700, 850, 1000});  // triangle
  const TPictureRec p = draw(b);
  EXPECT_EQ(getpixel(p, 60, 60), kRed);
  EXPECT_EQ(getpixel(p, 10, 10), kWhite);
  EXPECT_EQ(getpixel(p, 127, 130), kBlue);
  EXPECT_EQ(getpixel(p, 106, 145), kWhite);  // beside the triangle's tip
}

TEST(MetafileRaster, HatchesClipsAndTurnedTextDraw) {
  WmfBuilder b = inch();
  b.record(0x0102, {1})                                      // transparent background
      .record(0x02FC, {2, 0xFF00, 0, 0})                     // green horizontal hatch
      .record(0x012D, {0})
      .record(0x02FA, {5, 0, 0, 0, 0})                       // no pen
      .record(0x012D, {1})
      .record(0x0416, {1000, 500, 0, 0})                     // clip to the left half
      .record(0x041B, {500, 1000, 0, 0});                    // upper half, clipped to its left
  const TPictureRec p = draw(b);
  const int green = countOf(p, kGreen, 0, 0, 75, 75);
  EXPECT_GT(green, 75 * 75 / 16);   // hatch lines…
  EXPECT_LT(green, 75 * 75 / 2);    // …with gaps between them
  EXPECT_EQ(countOf(p, kGreen, 76, 0, 150, 150), 0);  // outside the clip

  WmfBuilder text = inch();
  text.record(0x02FB, {-200, 0, 900, 900, 400, 0, 0, 0, 0, 'A' | 'r' << 8, 'i' | 'a' << 8, 'l'})
      .record(0x012D, {0})
      .record(0x0102, {1})
      .record(0x0521, {4, 'W' | 'W' << 8, 'W' | 'W' << 8, 900, 200});  // turned up from (30, 135)
  const TPictureRec t = draw(text);
  // Turned a quarter counter-clockwise the run climbs from its reference.
  EXPECT_GT(countOf(t, 0, 30, 60, 70, 135), 50);
  EXPECT_EQ(countOf(t, 0, 70, 0, 150, 150), 0);
}

TEST(MetafileRaster, BitmapsCombineWithRasterOperations) {
  const std::vector<uint8_t> dib = test::packedDib24(4, 4, kBlue);  // blue everywhere
  auto stretch = [&](WmfBuilder& b, uint32_t rop, int x) {
    ByteWriter p;
    p.u32(rop);
    p.u16(0);
    for (int v : {4, 4, 0, 0, 200, 200, 400, x}) p.u16(static_cast<uint16_t>(v));
    p.raw(dib.data(), dib.size());
    b.raw(0x0F43, p.bytes());
  };
  WmfBuilder b = inch();
  b.record(0x02FC, {0, 0x00FF, 0, 0}).record(0x012D, {0}).record(0x02FA, {5, 0, 0, 0, 0}).record(0x012D, {1});
  b.record(0x041B, {600, 1000, 400, 0});            // red band 60..90 px high
  stretch(b, 0x00CC0020, 0);                        // copy
  stretch(b, 0x008800C6, 300);                      // AND: red & blue = black
  stretch(b, 0x00EE0086, 600);                      // OR: magenta
  const TPictureRec p = draw(b);
  EXPECT_EQ(getpixel(p, 15, 75), kBlue);
  EXPECT_EQ(getpixel(p, 60, 75), 0u);
  EXPECT_EQ(getpixel(p, 105, 75), kRed | kBlue);
}

}  // namespace
}  // namespace vendaro

namespace vendaro {
namespace {

// LibreOffice's export of a drawing: the shapes stand where its own
// rendering shows them.
TEST(MetafileRaster, LibreOfficeDrawingLooksAsExported) {
  std::ifstream in(std::string(VENDARO_FIXTURE_DIR) + "/metafile/shapes.wmf", std::ios::binary);
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
  QtRasterTarget target(FontEngine::shared());
  TPictureRec p;
  ASSERT_TRUE(metafileToPicture(bytes, FontEngine::shared(), &target, p));
  EXPECT_EQ(getpixel(p, 120, 80), kRed);
  EXPECT_EQ(getpixel(p, 415, 100), kBlue);
  EXPECT_EQ(getpixel(p, 165, 350), 0x00AA00u);
  EXPECT_EQ(getpixel(p, 260, 80), kWhite);
  EXPECT_EQ(getpixel(p, 10, 100), 0u);  // the rectangle's wide black outline
}

}  // namespace
}  // namespace vendaro
