#include "platform/dib.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

#include "dib_test_images.h"
#include "platform/dib_blocks.h"
#include "platform/dib_halftone.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::channelDistance;

TEST(DibRecord, NewdibGivesZeroedRowsPalettesAndDefaults) {
  TPictureRec pic;
  ASSERT_TRUE(newdib(pic, 5, 3, 1));
  EXPECT_EQ(pic.RowBytes, 4);
  EXPECT_EQ(pic.pixelBytes(), 12u);
  EXPECT_EQ(pic.Palette, (std::vector<uint32_t>{0x000000, 0xFFFFFF}));
  EXPECT_EQ(pic.Header.biXPelsPerMeter, 3780);
  ASSERT_TRUE(newdib(pic, 3, 2, 4));
  EXPECT_EQ(pic.Palette[1], 0x111111u);
  ASSERT_TRUE(newdib(pic, 7, 2, 24));
  EXPECT_TRUE(pic.Palette.empty());
  EXPECT_EQ(pic.RowBytes, 24);
  for (size_t i = 0; i < pic.pixelBytes(); ++i) ASSERT_EQ(pic.pixels()[i], 0);

  EXPECT_FALSE(newdib(pic, 0, 5, 24));
  EXPECT_FALSE(pic.hasPixels());
  EXPECT_FALSE(newdib(pic, 5, 5, 7));
  EXPECT_FALSE(newdib(pic, 100000, 100000, 24));
  EXPECT_EQ(pic.ErrorText, "Das Bild ist zu groß (höchstens 400 Millionen Bildpunkte).");
}

// The native file stores a header with its colour table and recreates the
// bitmap from it.
// Large bitmaps (given large pages) hold exactly what they were made from:
// the given rows, or zeros; the same for a small one.
TEST(DibRecord, BitmapsMadeFromRowsHoldThemAtAnySize) {
  for (int side : {7, 3000}) {
    SCOPED_TRACE(side);
    const size_t bytes = size_t(dibRowBytes(side, 8)) * size_t(side);
    std::vector<uint8_t> rows(bytes);
    for (size_t i = 0; i < bytes; ++i) rows[i] = uint8_t(i * 31 + i / 4096);
    TPictureRec made, cleared;
    ASSERT_TRUE(newdibFromRows(made, side, side, 8, rows.data()));
    ASSERT_EQ(made.pixelBytes(), bytes);
    EXPECT_EQ(0, std::memcmp(made.pixels(), rows.data(), bytes));
    ASSERT_TRUE(newdib(cleared, side, side, 8));
    ASSERT_EQ(cleared.pixelBytes(), bytes);
    EXPECT_EQ(std::count(cleared.pixels(), cleared.pixels() + bytes, 0), std::ptrdiff_t(bytes));
  }
}

TEST(DibRecord, NewdibTakesOverAStoredHeaderBlock) {
  uint8_t block[40 + 4 * 2] = {};
  BitmapInfoHeader stored;
  stored.biXPelsPerMeter = 11811;
  stored.writeTo(block);
  const uint8_t entries[2][4] = {{0x10, 0x20, 0x30, 0}, {0xFF, 0, 0, 0}};
  std::memcpy(block + 40, entries, sizeof entries);
  TPictureRec pic;
  ASSERT_TRUE(newdib(pic, 4, 4, 8, block, 2));
  EXPECT_EQ(pic.Header.biXPelsPerMeter, 11811);
  ASSERT_EQ(pic.Palette.size(), 256u);
  EXPECT_EQ(pic.Palette[0], 0x302010u);
  EXPECT_EQ(pic.Palette[1], 0x0000FFu);
  EXPECT_EQ(pic.Palette[2], 0u);  // entries the block lacks are black
  EXPECT_EQ(BitmapInfoHeader::readFrom(block).biXPelsPerMeter, 11811);
}

TEST(DibPixels, CountFromTheTopAndStayInsideTheBitmap) {
  TPictureRec pic;
  ASSERT_TRUE(newdib(pic, 2, 3, 24));
  setpixel(pic, 1, 0, 0x00332211);  // B = 0x33, G = 0x22, R = 0x11
  const uint8_t* lastRow = pic.pixels() + 2 * pic.RowBytes;
  EXPECT_EQ(lastRow[3], 0x33);
  EXPECT_EQ(lastRow[5], 0x11);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x00332211u);
  setpixel(pic, 2, 0, 0xFFFFFF);
  setpixel(pic, -1, 0, 0xFFFFFF);
  EXPECT_EQ(getpixel(pic, 0, 3), 0u);
  TPictureRec empty;
  EXPECT_EQ(getpixel(empty, 0, 0), 0u);
  setpixel(empty, 0, 0, 1);
}

TEST(DibPixels, EveryDepthKeepsTheColoursItCanHold) {
  for (int bits : {16, 24, 32}) {
    TPictureRec pic;
    ASSERT_TRUE(newdib(pic, 9, 5, bits));
    setpixel(pic, 8, 4, 0x00F08010);
    EXPECT_LE(channelDistance(getpixel(pic, 8, 4), 0x00F08010), bits == 16 ? 7 : 0) << bits;
    EXPECT_EQ(getpixel(pic, 7, 4), 0u) << bits;
  }
  // Palette depths answer the palette colour nearest to what was set.
  TPictureRec mono;
  ASSERT_TRUE(newdib(mono, 10, 2, 1));
  setpixel(mono, 9, 1, 0x00C0C0C0);
  setpixel(mono, 8, 1, 0x00303030);
  EXPECT_EQ(getpixel(mono, 9, 1), 0x00FFFFFFu);
  EXPECT_EQ(mono.pixels()[1], 0x40);  // row y = 1 is the first in memory
  TPictureRec four;
  ASSERT_TRUE(newdib(four, 3, 1, 4));
  four.Palette[5] = 0x0000FF;  // blue
  setpixel(four, 1, 0, 0x00F00000);
  setpixel(four, 2, 0, 0x00777777);
  EXPECT_EQ(four.pixels()[0], 0x05);
  EXPECT_EQ(four.pixels()[1] >> 4, 7);
  EXPECT_EQ(getpixel(four, 1, 0), 0x00FF0000u);
}

TEST(DibPixels, CopiesKeepTheirPixelsWhenTheOriginalChanges) {
  TPictureRec original = test::patternBitmap(6, 4, 24);
  TPictureRec copy = original;
  EXPECT_EQ(copy.pixels(), original.pixels());  // shared until written
  uint32_t before = getpixel(copy, 2, 2);
  setpixel(original, 2, 2, before ^ 0x00FFFFFF);
  EXPECT_EQ(getpixel(copy, 2, 2), before);
  EXPECT_EQ(getpixel(original, 2, 2), before ^ 0x00FFFFFF);
}

TEST(DibBmp, SavedBitmapsReadBackUnchangedAtEveryDepth) {
  test::TempDir dir;
  for (int bits : {1, 4, 8, 16, 24, 32}) {
    TPictureRec pic = test::patternBitmap(13, 7, bits);
    pic.Header.biXPelsPerMeter = 5906;
    std::string path = dir.file("p" + std::to_string(bits) + ".bmp").string();
    ASSERT_EQ(SaveDib(pic, path, kDibBmp), 1) << bits;
    TPictureRec back;
    ASSERT_TRUE(OpenDib(back, path)) << bits << back.ErrorText;
    EXPECT_EQ(back.Header.biBitCount, bits);
    EXPECT_EQ(back.Header.biHeight, 7);
    EXPECT_EQ(back.Header.biXPelsPerMeter, 5906);
    EXPECT_EQ(back.Palette, pic.Palette);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 13; ++x) ASSERT_EQ(getpixel(back, x, y), getpixel(pic, x, y)) << bits;
  }
  EXPECT_EQ(SaveDib(TPictureRec{}, dir.file("e.bmp").string(), kDibBmp), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.file("e.bmp")));
  EXPECT_EQ(SaveDib(test::patternBitmap(4, 4, 24), dir.file("no/such.bmp").string(), kDibBmp), 0);
  TPictureRec back;
  EXPECT_FALSE(OpenDib(back, dir.file("none.bmp").string()));
  EXPECT_EQ(back.ErrorText, "Konnte Datei none.bmp nicht öffnen!");
}

TEST(DibHalftone, GivesEightBitsWithColoursCloseToTheSource) {
  TPictureRec src;
  ASSERT_TRUE(newdib(src, 64, 48, 24));
  const uint32_t colours[4] = {0x003070D0, 0x00808080, 0x0010F0A0, 0x00000000};
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) setpixel(src, x, y, colours[x / 32 + y / 24 * 2]);
  TPictureRec out;
  ASSERT_TRUE(DIBHalftoneDIB(out, src));
  EXPECT_EQ(out.Header.biBitCount, 8);
  EXPECT_EQ(out.height(), 48);
  EXPECT_TRUE(std::equal(out.Palette.begin(), out.Palette.end(), halftonePalette().begin()));
  // The mean over an 8 × 8 dither cell matches the source colour.
  for (int cell = 0; cell < 4; ++cell) {
    int x0 = cell % 2 * 32 + 4, y0 = cell / 2 * 24 + 8;
    int sum[3] = {0, 0, 0};
    for (int y = y0; y < y0 + 8; ++y)
      for (int x = x0; x < x0 + 8; ++x)
        for (int c = 0; c < 3; ++c) sum[c] += int(getpixel(out, x, y) >> (8 * c) & 0xFF);
    uint32_t mean = uint32_t(sum[0] / 64) | uint32_t(sum[1] / 64) << 8 | uint32_t(sum[2] / 64) << 16;
    EXPECT_LE(channelDistance(mean, colours[cell]), 5) << cell;
  }
  uint32_t grey = getpixel(out, 40, 5);
  EXPECT_EQ(grey & 0xFF, grey >> 16);  // greys come out grey
}

TEST(DibHalftone, ScalesToTheRequestedSize) {
  TPictureRec src = test::patternBitmap(40, 30, 8);
  TPictureRec out;
  ASSERT_TRUE(DIBHalftoneDIBXY(out, src, 10, 7));
  EXPECT_EQ(out.width(), 10);
  EXPECT_EQ(out.height(), 7);
  EXPECT_EQ(out.Header.biXPelsPerMeter, 3780 * 10 / 40);
  TPictureRec white;
  ASSERT_TRUE(newdib(white, 5, 5, 24));
  std::memset(white.mutablePixels(), 0xFF, white.pixelBytes());
  ASSERT_TRUE(DIBHalftoneDIBXY(white, white, 23, 17));  // output may be the source
  for (int y = 0; y < 17; ++y)
    for (int x = 0; x < 23; ++x) ASSERT_EQ(getpixel(white, x, y), 0x00FFFFFFu);
  EXPECT_FALSE(DIBHalftoneDIB(out, TPictureRec{}));
  EXPECT_FALSE(out.hasPixels());
  EXPECT_FALSE(DIBHalftoneDIBXY(out, white, 0, 4));
}

}  // namespace
}  // namespace vendaro
