#include <gtest/gtest.h>

#include <zlib.h>

#include <cstring>
#include <string>

#include "dib_test_images.h"
#include "platform/dib.h"
#include "platform/dib_bmp.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::BmpSpec;
using test::channelDistance;
using test::PngSpec;

TPictureRec load(const std::vector<uint8_t>& bytes, int format = kDibAuto) {
  TPictureRec pic;
  EXPECT_TRUE(OpenDibFromMemory(pic, bytes.data(), bytes.size(), format)) << pic.ErrorText;
  return pic;
}

std::string refusal(const std::vector<uint8_t>& bytes, size_t length) {
  TPictureRec pic;
  EXPECT_TRUE(newdib(pic, 2, 2, 24));  // a previous picture must not survive
  if (OpenDibFromMemory(pic, bytes.data(), length)) return "loaded";
  EXPECT_FALSE(pic.hasPixels());
  EXPECT_EQ(pic.width(), 0);
  return pic.ErrorText;
}

// Every proper prefix of a picture file is refused cleanly.
void expectEveryTruncationRefused(const std::vector<uint8_t>& file) {
  ASSERT_EQ(refusal(file, file.size()), "loaded");
  for (size_t length = 0; length < file.size(); ++length) {
    std::string error = refusal(file, length);
    ASSERT_NE(error, "loaded") << length << " of " << file.size();
    ASSERT_FALSE(error.empty()) << length;
  }
}

TEST(DibBmpReader, ReadsTopDownOs2BitFieldsAndShortPalettes) {
  BmpSpec topDown(2, -2, 24);
  topDown.pixels = {0x10, 0x20, 0x30, 1, 2, 3, 0, 0, 9, 9, 9, 0, 0, 0, 0, 0};
  TPictureRec pic = load(test::makeBmp(topDown));
  EXPECT_EQ(pic.Header.biHeight, 2);  // stored bottom-up from now on
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00102030u);
  EXPECT_EQ(getpixel(pic, 0, 1), 0x00090909u);
  EXPECT_EQ(pic.Header.biXPelsPerMeter, 2835);

  BmpSpec os2(3, 1, 1);
  os2.infoSize = 12;
  os2.palette = {0x0000FF, 0xFFFF00};
  os2.pixels = {0xA0, 0, 0, 0};
  pic = load(test::makeBmp(os2));
  EXPECT_EQ(getpixel(pic, 0, 0), 0x0000FFFFu);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x00FF0000u);

  BmpSpec rgb565(2, 1, 16, 3);
  rgb565.masks = {0xF800, 0x07E0, 0x001F};
  rgb565.pixels = {0x00, 0xF8, 0xE0, 0x07};
  pic = load(test::makeBmp(rgb565));
  EXPECT_EQ(pic.Header.biBitCount, 24);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x000000FFu);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x0000FF00u);

  BmpSpec v5(1, 1, 32, 3);
  v5.infoSize = 124;
  v5.masks = {0x0000FF00, 0x00FF0000, 0xFF000000, 0x000000FF};
  v5.pixels = {0x80, 0x12, 0x34, 0x56};
  pic = load(test::makeBmp(v5));
  EXPECT_EQ(pic.Header.biBitCount, 32);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00563412u);

  BmpSpec shortPalette(2, 1, 8);
  shortPalette.clrUsed = 2;
  shortPalette.palette = {0x000000, 0x123456};
  shortPalette.pixels = {1, 200, 0, 0};
  pic = load(test::makeBmp(shortPalette));
  ASSERT_EQ(pic.Palette.size(), 256u);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00563412u);
  EXPECT_EQ(getpixel(pic, 1, 0), 0u);
}

TEST(DibBmpReader, DecodesRunLengthEncodedBitmaps) {
  BmpSpec rle8(6, 3, 8, 1);
  rle8.clrUsed = 4;
  rle8.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
  rle8.pixels = {3, 1, 0, 3, 2, 3, 2, 0,  // bottom row: run, literal (padded)
                 0, 0,                    // end of line
                 0, 2, 2, 1,              // delta: skip the middle row
                 2, 3, 0, 1};             // run on the top row, end of bitmap
  TPictureRec pic = load(test::makeBmp(rle8));
  EXPECT_EQ(pic.Header.biBitCount, 8);
  const uint32_t red = 0x0000FF, green = 0x00FF00, blue = 0xFF0000;
  const uint32_t bottom[6] = {red, red, red, green, blue, green};
  const uint32_t top[6] = {0, 0, blue, blue, 0, 0};
  for (int x = 0; x < 6; ++x) {
    EXPECT_EQ(getpixel(pic, x, 2), bottom[x]) << x;
    EXPECT_EQ(getpixel(pic, x, 1), 0u) << x;
    EXPECT_EQ(getpixel(pic, x, 0), top[x]) << x;
  }

  BmpSpec rle4(8, 1, 4, 2);
  rle4.palette.resize(16);
  for (uint32_t i = 0; i < 16; ++i) rle4.palette[i] = i * 0x111111;
  rle4.pixels = {5, 0x12, 0, 3, 0x34, 0x50, 0, 1};
  pic = load(test::makeBmp(rle4));
  const uint32_t indices[8] = {1, 2, 1, 2, 1, 3, 4, 5};
  for (int x = 0; x < 8; ++x) EXPECT_EQ(getpixel(pic, x, 0), indices[x] * 0x111111) << x;

  // Runs past the right edge are dropped; a stream ending early is damage.
  rle8.pixels = {200, 1, 0, 1};
  EXPECT_TRUE(load(test::makeBmp(rle8)).hasPixels());
  rle8.pixels = {3, 1, 0, 0};
  std::vector<uint8_t> unfinished = test::makeBmp(rle8);
  EXPECT_EQ(refusal(unfinished, unfinished.size()), "Die Bilddatei ist beschädigt.");
}

std::vector<uint8_t> pngChunk(const char* type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> chunk;
  uint32_t length = uint32_t(data.size());
  for (int shift = 24; shift >= 0; shift -= 8) chunk.push_back(uint8_t(length >> shift));
  chunk.insert(chunk.end(), type, type + 4);
  chunk.insert(chunk.end(), data.begin(), data.end());
  uLong crc = crc32(0, chunk.data() + 4, uInt(chunk.size() - 4));
  for (int shift = 24; shift >= 0; shift -= 8) chunk.push_back(uint8_t(crc >> shift));
  return chunk;
}

// A well-formed PNG whose header promises width × height 1-bit grey pixels.
std::vector<uint8_t> pngClaiming(uint32_t width, uint32_t height) {
  std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> ihdr;
  for (uint32_t v : {width, height})
    for (int shift = 24; shift >= 0; shift -= 8) ihdr.push_back(uint8_t(v >> shift));
  ihdr.insert(ihdr.end(), {1, 0, 0, 0, 0});
  uint8_t raw[16] = {};
  std::vector<uint8_t> idat(64);
  uLongf idatLength = idat.size();
  compress(idat.data(), &idatLength, raw, sizeof raw);
  idat.resize(idatLength);
  for (const auto& chunk : {pngChunk("IHDR", ihdr), pngChunk("IDAT", idat), pngChunk("IEND", {})})
    file.insert(file.end(), chunk.begin(), chunk.end());
  return file;
}

// Our own JPEG with other dimensions written into its frame header.
std::vector<uint8_t> jpegClaiming(uint16_t width, uint16_t height) {
  std::vector<uint8_t> jpeg;
  EXPECT_TRUE(EncodeDibJpeg(test::patternBitmap(16, 16, 24), jpeg));
  for (size_t i = 0; i + 9 < jpeg.size(); ++i) {
    if (jpeg[i] == 0xFF && jpeg[i + 1] == 0xC0) {
      jpeg[i + 5] = uint8_t(height >> 8), jpeg[i + 6] = uint8_t(height);
      jpeg[i + 7] = uint8_t(width >> 8), jpeg[i + 8] = uint8_t(width);
      break;
    }
  }
  return jpeg;
}

TEST(DibReaders, RefuseEveryTruncatedFile) {
  expectEveryTruncationRefused(dib::writeBmp(test::patternBitmap(5, 3, 4)));
  std::vector<uint8_t> jpeg;
  ASSERT_TRUE(EncodeDibJpeg(test::patternBitmap(16, 16, 24), jpeg));
  expectEveryTruncationRefused(jpeg);
  PngSpec png(5, 4, 6);
  png.interlaced = true;
  for (uint8_t y = 0; y < 4; ++y) png.rows.push_back(std::vector<uint8_t>(20, uint8_t(y * 60)));
  expectEveryTruncationRefused(test::makePng(png));
}

TEST(DibReaders, RefuseOversizedDamagedAndUnknownFiles) {
  const std::string tooLarge = "Das Bild ist zu groß (höchstens 400 Millionen Bildpunkte).", damaged = "Die Bilddatei ist beschädigt.";
  BmpSpec huge(100000, 100000);
  huge.pixels = {1, 2, 3, 4};
  std::vector<uint8_t> file = test::makeBmp(huge);
  EXPECT_EQ(refusal(file, file.size()), tooLarge);
  BmpSpec shortFile(2000, 2000);
  shortFile.pixels.resize(100);
  file = test::makeBmp(shortFile);
  EXPECT_EQ(refusal(file, file.size()), damaged);
  BmpSpec embedded(2, 2, 24, 4);
  embedded.pixels.resize(16);
  file = test::makeBmp(embedded);
  EXPECT_EQ(refusal(file, file.size()), "Diese Variante des Bildformats wird nicht unterstützt.");

  file = pngClaiming(100000, 100000);
  EXPECT_EQ(refusal(file, file.size()), tooLarge);
  file = pngClaiming(30000, 10000);  // possible, but not from a file this short
  EXPECT_EQ(refusal(file, file.size()), damaged);
  file = pngClaiming(8, 16);
  EXPECT_EQ(refusal(file, file.size()), damaged);  // its data is too short

  file = jpegClaiming(60000, 60000);
  EXPECT_EQ(refusal(file, file.size()), tooLarge);
  file = jpegClaiming(8000, 8000);
  EXPECT_EQ(refusal(file, file.size()), damaged);

  const std::string unknown = "Unbekanntes Bildformat.";
  file = {'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0, 0, 0};
  EXPECT_EQ(refusal(file, file.size()), unknown);
  EXPECT_EQ(refusal(file, 0), unknown);
  TPictureRec pic;
  EXPECT_FALSE(OpenDibFromMemory(pic, nullptr, 0, kDibJpeg));
  EXPECT_EQ(pic.ErrorText, unknown);

  // A file beyond the byte limit is refused unread, naming it and the limit
  // (a sparse file: nothing is written).
  test::TempDir dir;
  const std::filesystem::path hugeFile = dir.file("riesig.bmp");
  test::writeFileBytes(hugeFile, std::string(file.begin(), file.end()));
  std::filesystem::resize_file(hugeFile, (uintmax_t(1) << 31) + 1);
  EXPECT_FALSE(OpenDib(pic, hugeFile.string()));
  EXPECT_EQ(pic.ErrorText, "Die Datei riesig.bmp ist zu groß (höchstens 2048 MB).");
}

TEST(DibJpeg, SavedPicturesLoadBackCloseToTheOriginal) {
  TPictureRec pic;
  ASSERT_TRUE(newdib(pic, 48, 32, 24));
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 48; ++x) setpixel(pic, x, y, uint32_t(x * 5) | uint32_t(y * 7) << 8 | 0x800000);
  test::TempDir dir;
  std::string path = dir.file("p.jpg").string();
  ASSERT_EQ(SaveDib(pic, path, kDibJpeg), 1);
  TPictureRec back;
  ASSERT_TRUE(OpenDib(back, path)) << back.ErrorText;
  EXPECT_EQ(back.Header.biBitCount, 24);
  EXPECT_EQ(back.width(), 48);
  EXPECT_EQ(back.height(), 32);
  EXPECT_EQ(back.Header.biXPelsPerMeter, 3780);
  int worst = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 0; x < 48; ++x) worst = std::max(worst, channelDistance(getpixel(back, x, y), getpixel(pic, x, y)));
  EXPECT_LE(worst, 12);

  // Other depths are expanded on the way.
  for (int bits : {1, 8, 16, 32}) {
    TPictureRec other = test::patternBitmap(20, 10, bits);
    std::vector<uint8_t> jpeg;
    ASSERT_TRUE(EncodeDibJpeg(other, jpeg)) << bits;
    EXPECT_LE(channelDistance(getpixel(load(jpeg), 3, 3), getpixel(other, 3, 3)), 60) << bits;
  }
  std::vector<uint8_t> none;
  EXPECT_FALSE(EncodeDibJpeg(TPictureRec{}, none));
}

TEST(DibJpeg, GreyCmykAndProgressiveFiles) {
  TPictureRec grey = load(test::makeJpeg(17, 9, 1, {200}));
  EXPECT_EQ(grey.Header.biBitCount, 8);
  EXPECT_LE(channelDistance(getpixel(grey, 16, 8), 0x00C8C8C8), 2);
  // Adobe writes CMYK inverted: 255 means no ink, so this is magenta.
  TPictureRec cmyk = load(test::makeJpeg(8, 8, 4, {255, 0, 255, 255}));
  EXPECT_EQ(cmyk.Header.biBitCount, 24);
  EXPECT_LE(channelDistance(getpixel(cmyk, 4, 4), 0x00FF00FF), 3);
  TPictureRec progressive = load(test::makeJpeg(30, 20, 3, {10, 200, 90}, true));
  EXPECT_LE(channelDistance(getpixel(progressive, 29, 0), 0x005AC80A), 3);
}

TEST(DibPng, EveryColourTypeLoads) {
  PngSpec rgb(2, 2, 2);
  rgb.rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
  TPictureRec pic = load(test::makePng(rgb), kDibJpeg);  // the label does not matter
  EXPECT_EQ(pic.Header.biBitCount, 24);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x00060504u);
  EXPECT_EQ(getpixel(pic, 0, 1), 0x00090807u);
  EXPECT_EQ(pic.Header.biXPelsPerMeter, 5906);

  PngSpec rgba(3, 1, 6);
  rgba.rows = {{200, 0, 0, 0, 200, 0, 0, 255, 0, 0, 0, 128}};
  pic = load(test::makePng(rgba));
  EXPECT_EQ(pic.Header.biBitCount, 24);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00FFFFFFu);  // transparent shows the paper
  EXPECT_EQ(getpixel(pic, 1, 0), 0x000000C8u);
  EXPECT_EQ(getpixel(pic, 2, 0), 0x007F7F7Fu);

  PngSpec palette(3, 1, 3, 4);
  palette.palette = {0xFF0000, 0x00FF00};
  palette.paletteAlpha = {0};
  palette.rows = {{0x01, 0x10}};
  pic = load(test::makePng(palette));
  EXPECT_EQ(pic.Header.biBitCount, 4);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00FFFFFFu);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x0000FF00u);
  palette.bitDepth = 2;
  palette.rows = {{0x10}};
  pic = load(test::makePng(palette));
  EXPECT_EQ(pic.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x0000FF00u);

  PngSpec grey16(2, 1, 0, 16);
  grey16.rows = {{0xFF, 0xFF, 0x80, 0x80}};
  pic = load(test::makePng(grey16));
  EXPECT_EQ(pic.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00FFFFFFu);
  EXPECT_EQ(getpixel(pic, 1, 0), 0x00808080u);

  PngSpec mono(10, 1, 0, 1);
  mono.rows = {{0x80, 0x40}};
  pic = load(test::makePng(mono));
  EXPECT_EQ(pic.Header.biBitCount, 1);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00FFFFFFu);
  EXPECT_EQ(getpixel(pic, 9, 0), 0x00FFFFFFu);
  EXPECT_EQ(getpixel(pic, 8, 0), 0u);

  PngSpec greyAlpha(1, 1, 4);
  greyAlpha.rows = {{0, 0}};
  pic = load(test::makePng(greyAlpha));
  EXPECT_EQ(pic.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(pic, 0, 0), 0x00FFFFFFu);
}

TEST(DibPng, InterlacedEqualsPlain) {
  PngSpec spec(11, 9, 2);
  for (int y = 0; y < 9; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < 11; ++x) {
      uint32_t c = test::patternColour(x, y);
      row.insert(row.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16)});
    }
    spec.rows.push_back(row);
  }
  TPictureRec plain = load(test::makePng(spec));
  spec.interlaced = true;
  TPictureRec interlaced = load(test::makePng(spec));
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 11; ++x) {
      ASSERT_EQ(getpixel(plain, x, y), test::patternColour(x, y));
      ASSERT_EQ(getpixel(interlaced, x, y), test::patternColour(x, y));
    }
  }
}

}  // namespace
}  // namespace vendaro
