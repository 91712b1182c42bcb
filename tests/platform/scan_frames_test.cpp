// Scanner frames into bitmaps: every sample depth and frame kind, row
// padding and orientation, unknown heights, and layouts from a faulty driver
// that must be refused before anything large is allocated.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "platform/dib_support.h"
#include "platform/scan_frames.h"

namespace vendaro {
namespace {

ScanFrame frameOf(ScanFrameFormat format, int depth, int pixels, int lines, int bytesPerLine,
                  std::vector<uint8_t> bytes) {
  return {{int(format), bytesPerLine, pixels, lines, depth}, std::move(bytes)};
}

std::vector<uint8_t> samples16(std::initializer_list<uint16_t> values) {
  std::vector<uint8_t> bytes(values.size() * 2);
  std::memcpy(bytes.data(), values.begin(), bytes.size());  // host byte order, as scanners send them
  return bytes;
}

TEST(ScanFramesTest, GreyAndLineArtKeepTheirRowsFromTheTopAndSkipPadding) {
  // Two rows of three samples, each row padded to four bytes by the driver.
  TPictureRec grey;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::gray, 8, 3, 2, 4, {10, 20, 30, 99, 40, 50, 60, 99})}, 300, grey));
  EXPECT_EQ(grey.width(), 3);
  EXPECT_EQ(grey.height(), 2);
  EXPECT_EQ(grey.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(grey, 0, 0), 0x0A0A0Au);
  EXPECT_EQ(getpixel(grey, 2, 1), 0x3C3C3Cu);
  EXPECT_EQ(grey.Header.biXPelsPerMeter, 11811);  // 300 dpi
  EXPECT_EQ(grey.Header.biYPelsPerMeter, 11811);

  // Line art sets a bit for black; ten pixels span two bytes.
  TPictureRec lineArt;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::gray, 1, 10, 2, 2, {0x80, 0x40, 0x00, 0x00})}, 100, lineArt));
  EXPECT_EQ(lineArt.Header.biBitCount, 1);
  EXPECT_EQ(getpixel(lineArt, 0, 0), 0x000000u);
  EXPECT_EQ(getpixel(lineArt, 1, 0), 0xFFFFFFu);
  EXPECT_EQ(getpixel(lineArt, 9, 0), 0x000000u);
  EXPECT_EQ(getpixel(lineArt, 9, 1), 0xFFFFFFu);
}

TEST(ScanFramesTest, SixteenBitSamplesKeepTheirUpperByteInGreyAndColour) {
  TPictureRec grey;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::gray, 16, 2, 1, 4, samples16({0x12FF, 0xAB00}))}, 150, grey));
  EXPECT_EQ(grey.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(grey, 0, 0), 0x121212u);
  EXPECT_EQ(getpixel(grey, 1, 0), 0xABABABu);

  TPictureRec colour;
  ASSERT_TRUE(
      assembleScan({frameOf(ScanFrameFormat::rgb, 16, 1, 1, 6, samples16({0x1122, 0x3344, 0x5566}))}, 150, colour));
  EXPECT_EQ(getpixel(colour, 0, 0), 0x553311u);  // COLORREF: 0x00BBGGRR
}

TEST(ScanFramesTest, ThreeBandsInAnyOrderMakeTheSamePictureAsInterleavedColour) {
  const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};  // 2 × 2 pixels
  TPictureRec interleaved;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::rgb, 8, 2, 2, 6, rgb)}, 200, interleaved));
  EXPECT_EQ(interleaved.Header.biBitCount, 24);
  EXPECT_EQ(getpixel(interleaved, 1, 0), 0x060504u);

  auto band = [&](ScanFrameFormat format, int offset) {
    std::vector<uint8_t> bytes;
    for (size_t i = size_t(offset); i < rgb.size(); i += 3) bytes.push_back(rgb[i]);
    return frameOf(format, 8, 2, 2, 2, bytes);
  };
  TPictureRec threePass;
  ASSERT_TRUE(assembleScan({band(ScanFrameFormat::green, 1), band(ScanFrameFormat::blue, 2),
                            band(ScanFrameFormat::red, 0)},
                           200, threePass));
  ASSERT_EQ(threePass.pixelBytes(), interleaved.pixelBytes());
  EXPECT_EQ(*threePass.Bits, *interleaved.Bits);

  // A band missing, repeated or alone is no picture.
  TPictureRec out;
  EXPECT_FALSE(assembleScan({band(ScanFrameFormat::red, 0), band(ScanFrameFormat::green, 1)}, 200, out));
  EXPECT_FALSE(assembleScan({band(ScanFrameFormat::red, 0), band(ScanFrameFormat::red, 0),
                             band(ScanFrameFormat::blue, 2)},
                            200, out));
  EXPECT_FALSE(assembleScan({band(ScanFrameFormat::red, 0)}, 200, out));
  EXPECT_FALSE(out.hasPixels());
  EXPECT_EQ(out.ErrorText, kScanErrBadData);
}

TEST(ScanFramesTest, OnlyCompleteRowsCountWhateverHeightTheScannerStated) {
  // Unknown height: two whole rows and half of a third.
  TPictureRec unknown;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::gray, 8, 2, -1, 2, {1, 2, 3, 4, 5})}, 100, unknown));
  EXPECT_EQ(unknown.height(), 2);
  // More data than stated is cut at the stated rows, less gives what came.
  TPictureRec longer, shorter;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::gray, 8, 2, 1, 2, {1, 2, 3, 4})}, 100, longer));
  EXPECT_EQ(longer.height(), 1);
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::gray, 8, 2, 5, 2, {1, 2, 3, 4})}, 100, shorter));
  EXPECT_EQ(shorter.height(), 2);
  // Three bands of different lengths: the shortest decides.
  TPictureRec bands;
  ASSERT_TRUE(assembleScan({frameOf(ScanFrameFormat::red, 8, 1, -1, 1, {1, 2, 3}),
                            frameOf(ScanFrameFormat::green, 8, 1, -1, 1, {1, 2}),
                            frameOf(ScanFrameFormat::blue, 8, 1, -1, 1, {1, 2, 3})},
                           100, bands));
  EXPECT_EQ(bands.height(), 2);

  TPictureRec none;
  EXPECT_FALSE(assembleScan({frameOf(ScanFrameFormat::gray, 8, 4, -1, 4, {1, 2, 3})}, 100, none));
  EXPECT_FALSE(assembleScan({}, 100, none));
  EXPECT_EQ(none.ErrorText, "Der Scanner hat kein Bild geliefert.");
}

TEST(ScanFramesTest, FaultyLayoutsAndResolutionsFromTheDriverAreRefusedOrReplaced) {
  const ScanFrameLayout sound{int(ScanFrameFormat::rgb), 12, 4, 10, 8};
  EXPECT_EQ(scanLayoutError(sound), nullptr);
  auto refused = [&](auto change) {
    ScanFrameLayout layout = sound;
    change(layout);
    return scanLayoutError(layout) != nullptr && scanFrameByteLimit(layout) == 0;
  };
  EXPECT_TRUE(refused([](ScanFrameLayout& l) { l.bytesPerLine = 11; }));  // shorter than its pixels
  EXPECT_TRUE(refused([](ScanFrameLayout& l) { l.depth = 4; }));
  EXPECT_TRUE(refused([](ScanFrameLayout& l) { l.format = 0x0B; }));  // JPEG frames are not taken
  EXPECT_TRUE(refused([](ScanFrameLayout& l) { l.pixelsPerLine = 0; }));
  EXPECT_TRUE(refused([](ScanFrameLayout& l) { l.lines = -2; }));
  EXPECT_TRUE(refused([](ScanFrameLayout& l) { l.pixelsPerLine = INT32_MAX; l.bytesPerLine = INT32_MAX; }));
  ScanFrameLayout huge{int(ScanFrameFormat::gray), 40000, 40000, 20000, 8};  // 800 megapixels
  EXPECT_STREQ(scanLayoutError(huge), dib::kErrTooLarge);

  // Known heights bound the bytes kept to the stated rows; unknown ones to
  // the picture size limit and to 2 GiB.
  EXPECT_EQ(scanFrameByteLimit(sound), 120u);
  ScanFrameLayout open{int(ScanFrameFormat::gray), 40000, 40000, -1, 8};
  EXPECT_EQ(scanFrameByteLimit(open), kMaxPixels / 40000 * 40000);
  open.bytesPerLine = INT32_MAX;
  EXPECT_LE(scanFrameByteLimit(open), uint64_t(1) << 31);
  EXPECT_GT(scanFrameByteLimit(open), 0u);

  // A grey frame followed by another, or a line art frame of a sound layout
  // but a resolution no scanner has: the first is refused, the second gets
  // the usual 96 dpi.
  TPictureRec out;
  const ScanFrame grey = frameOf(ScanFrameFormat::gray, 8, 1, 1, 1, {7});
  EXPECT_FALSE(assembleScan({grey, grey}, 100, out));
  for (double dpi : {0.0, -300.0, 1e9, std::nan("")}) {
    ASSERT_TRUE(assembleScan({grey}, dpi, out));
    EXPECT_EQ(out.Header.biXPelsPerMeter, dib::kDefaultPelsPerMeter) << dpi;
  }
}

}  // namespace
}  // namespace vendaro
