#include "app/qt_pictures.h"

#include <gtest/gtest.h>

#include <cstring>

#include "app/canvas_drawing.h"

namespace vendaro {
namespace {

using namespace test;

// A width × height bitmap whose pixels (x, y from the top) take `colors`
// row by row; palettes are given as 0x00BBGGRR colours.
TPictureRec picture(int width, int height, int bitCount, std::initializer_list<uint32_t> colors,
                    std::initializer_list<uint32_t> palette = {}) {
  std::vector<uint8_t> block(40 + 4 * palette.size());
  size_t at = 40;
  for (uint32_t color : palette) {
    block[at++] = uint8_t(color >> 16);
    block[at++] = uint8_t(color >> 8);
    block[at++] = uint8_t(color);
    block[at++] = 0;
  }
  TPictureRec pic;
  EXPECT_TRUE(newdib(pic, width, height, bitCount, palette.size() ? block.data() : nullptr,
                     uint32_t(palette.size())));
  auto color = colors.begin();
  for (int y = 0; y < height && color != colors.end(); ++y) {
    for (int x = 0; x < width; ++x) setpixel(pic, x, y, *color++);
  }
  return pic;
}

TEST(QtPictures, StretchedIntoTheRectangleTopRowFirst) {
  const TPictureRec rgb = picture(2, 2, 24, {kRed, kGreen, kBlue, kBlack});
  const TPictureRec indexed = picture(3, 1, 8, {kGreen, kBlue, kRed}, {kRed, kGreen, kBlue});
  const TPictureRec mono = picture(2, 1, 1, {kBlack, kWhite});
  Drawing d;
  d.draw([&](QtCanvas& c) {
    c.drawPicture({10, 10, 30, 30}, rgb);
    c.drawPicture({40, 10, 70, 20}, indexed);
    c.drawPicture({40, 30, 60, 40}, mono);
  });
  EXPECT_EQ(d.at(10, 10), kRed);
  EXPECT_EQ(d.at(19, 19), kRed);
  EXPECT_EQ(d.at(20, 10), kGreen);
  EXPECT_EQ(d.at(10, 20), kBlue);
  EXPECT_EQ(d.at(29, 29), kBlack);
  EXPECT_EQ(d.at(30, 30), kWhite);
  EXPECT_EQ(d.at(40, 10), kGreen);
  EXPECT_EQ(d.at(55, 19), kBlue);
  EXPECT_EQ(d.at(69, 15), kRed);
  EXPECT_EQ(d.at(70, 15), kWhite);
  EXPECT_EQ(d.at(45, 35), kBlack);
  EXPECT_EQ(d.at(55, 35), kWhite);
  EXPECT_EQ(d.ink(), (CanvasRect{10, 10, 70, 40}));
}

TEST(QtPictures, HugeRectangleShowsTheRightPartOfThePicture) {
  const TPictureRec rgb = picture(2, 2, 24, {kRed, kGreen, kBlue, kBlack});
  Drawing d;
  d.draw([&](QtCanvas& c) {
    c.drawPicture({-2000000, -2000000, 2000000, 2000000}, rgb);  // the view is in the black quarter
    c.drawPicture({-10000, 40, 10000, 400}, rgb);                 // its top half shows green here
  });
  EXPECT_EQ(d.at(0, 0), kBlack);
  EXPECT_EQ(d.at(119, 39), kBlack);
  EXPECT_EQ(d.at(0, 40), kGreen);
  EXPECT_EQ(d.at(119, 79), kGreen);
}

TEST(QtPictures, ConvertedOnceAndAgainAfterAWrite) {
  TPictureRec pic = picture(4, 3, 24, {kRed, kRed, kRed, kRed, kGreen, kGreen, kGreen, kGreen, kBlue,
                                       kBlue, kBlue, kBlue});
  const QImage first = pictureImage(pic);
  EXPECT_EQ(pictureImage(pic).cacheKey(), first.cacheKey());
  const TPictureRec snapshot = pic;  // an undo copy shares the rows
  EXPECT_EQ(pictureImage(snapshot).cacheKey(), first.cacheKey());

  setpixel(pic, 0, 0, kBlack);
  const QImage changed = pictureImage(pic);
  EXPECT_EQ(changed.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(pictureImage(snapshot).pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(first.pixel(0, 2), qRgb(0, 0, 255));
}

// A reduced picture is made once per size, lands exactly in its rectangle
// (also when only part of it is seen) and follows a write to its pixels.
TEST(QtPictures, ReducedOncePerSizeAndDrawnInPlace) {
  TPictureRec pic;
  ASSERT_TRUE(newdib(pic, 80, 40, 24));
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 80; ++x) setpixel(pic, x, y, x < 40 ? kRed : kBlue);
  const QImage first = reducedPictureImage(pic, QSize(20, 10));
  EXPECT_EQ(reducedPictureImage(pic, QSize(20, 10)).cacheKey(), first.cacheKey());
  EXPECT_NE(reducedPictureImage(pic, QSize(40, 20)).size(), first.size());
  Drawing d;
  d.draw([&](QtCanvas& c) {
    c.drawPicture({10, 10, 30, 20}, pic);
    c.drawPicture({-10, 30, 10, 40}, pic);  // only its right half is in the view
  });
  EXPECT_EQ(d.at(10, 10), kRed);
  EXPECT_EQ(d.at(29, 19), kBlue);
  EXPECT_EQ(d.at(30, 15), kWhite);
  EXPECT_EQ(d.at(0, 35), kBlue);
  EXPECT_EQ(d.ink(), (CanvasRect{0, 10, 30, 40}));
  setpixel(pic, 0, 0, kGreen);
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) setpixel(pic, x, y, kGreen);
  EXPECT_EQ(reducedPictureImage(pic, QSize(20, 10)).pixel(0, 0), qRgb(0, 255, 0));
}

// A 1-bit picture of 20 megapixels, its top half black and the lower half
// white, drawn small: sampled into the view, each half where it belongs and
// the seam between them a single mixed row at most.
TEST(QtPictures, AHugePictureDrawnSmallIsSampledIntoTheView) {
  constexpr int kWidth = 5000, kHeight = 4000;
  TPictureRec mono;
  ASSERT_TRUE(newdib(mono, kWidth, kHeight, 1));
  for (int row = 0; row < kHeight; ++row)  // stored bottom-up: the first rows are the lower half
    std::memset(mono.mutablePixels() + size_t(row) * mono.RowBytes, row < kHeight / 2 ? 0xFF : 0x00, mono.RowBytes);
  const QImage part = sampledPicture(mono, QRectF(0, kHeight / 4.0, kWidth / 2.0, kHeight / 2.0), QSize(50, 40));
  ASSERT_EQ(part.size(), QSize(50, 40));
  EXPECT_EQ(part.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(part.pixel(49, 18), qRgb(0, 0, 0));
  EXPECT_EQ(part.pixel(0, 21), qRgb(255, 255, 255));
  EXPECT_EQ(part.pixel(49, 39), qRgb(255, 255, 255));
  Drawing d;
  d.draw([&](QtCanvas& c) { c.drawPicture({10, 10, 110, 70}, mono); });
  EXPECT_EQ(d.at(10, 10), kBlack);
  EXPECT_EQ(d.at(109, 39), kBlack);
  EXPECT_EQ(d.at(10, 40), kWhite);
  EXPECT_EQ(d.at(109, 69), kWhite);
  EXPECT_EQ(d.ink(), (CanvasRect{10, 10, 110, 40}));
}

TEST(QtPictures, InconsistentBitmapsAreNotDrawn) {
  TPictureRec shortRows = picture(4, 4, 24, {});
  shortRows.Bits->resize(shortRows.Bits->size() - 1);
  TPictureRec badDepth = picture(2, 2, 8, {});
  badDepth.Header.biBitCount = 7;
  TPictureRec compressed = picture(2, 2, 8, {});
  compressed.Header.biCompression = 1;
  TPictureRec narrowRows = picture(8, 2, 24, {});
  narrowRows.RowBytes = 20;
  TPictureRec empty;
  for (const TPictureRec* pic : {&shortRows, &badDepth, &compressed, &narrowRows, &empty}) {
    EXPECT_TRUE(convertPicture(*pic).isNull());
    Drawing d;
    d.draw([&](QtCanvas& c) { c.drawPicture({0, 0, 50, 50}, *pic); });
    EXPECT_EQ(d.ink(), CanvasRect{});
  }
}

}  // namespace
}  // namespace vendaro
