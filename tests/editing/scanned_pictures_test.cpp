// Scans from SANE's test scanner placed into a document: grey, line art,
// 16-bit grey, colour, three-pass colour and a hand scanner of unknown
// height become picture cells sized by the scan resolution; a cancelled or
// failed scan leaves the document as it was.
#include <gtest/gtest.h>

#include <cmath>

#include "editing/editor.h"
#include "platform/scanner.h"
#include "support/recording_host.h"
#include "support/sane_test_scanner.h"

namespace vendaro {
namespace {

struct ScannedPicturesTest : ::testing::Test {
  ScannedPicturesTest() { editor.FormCreate(); }

  // Scans with the test scanner configured by `settings`; the geometry is
  // 10 × 20 mm unless the settings say otherwise.
  ScanResult scan(ScanMode mode, int dotsPerInch, std::vector<std::string> settings = {}) {
    settings.insert(settings.begin(), {"br_x 10", "br_y 20"});
    test::useSaneTestScanner(settings);
    ScanJob job;
    return job.run({"test:0", mode, dotsPerInch});
  }
  // Inserts a finished scan and answers its cell.
  const TCharRec& insert(ScanResult result) {
    EXPECT_EQ(result.outcome, ScanOutcome::done) << result.error;
    editor.insertPicture(std::move(result.picture));
    const TLineRec& line = std::as_const(editor.doc().Fields[0].Lines).at(0);
    return line.Chars.at(0);
  }
  const TPictureRec& pictureOf(const TCharRec& cell) { return editor.doc().Pictures.at(cell.PictureIndex); }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(ScannedPicturesTest, ScannersAreListedAndAMissingOneIsReported) {
  test::useSaneTestScanner({"number_of_devices 2"});
  std::vector<ScannerDevice> devices;
  std::string error;
  ASSERT_TRUE(listScanners(devices, error)) << error;
  ASSERT_EQ(devices.size(), 2u);
  EXPECT_EQ(devices[0].name, "test:0");
  EXPECT_EQ(scannerLabel(devices[1]), devices[1].vendor + " " + devices[1].model + " (test:1)");

  ScanJob wrongName;
  ScanResult result = wrongName.run({"test:7", ScanMode::grey, 100});
  EXPECT_EQ(result.outcome, ScanOutcome::failed);
  EXPECT_EQ(result.error, "Der Scanner lässt sich nicht öffnen. Ungültige Angabe oder unbekannter Scanner.");

  test::useSaneTestScanner({}, false);
  ASSERT_TRUE(listScanners(devices, error));
  EXPECT_TRUE(devices.empty());
  ScanJob none;
  result = none.run({"", ScanMode::grey, 100});
  EXPECT_EQ(result.outcome, ScanOutcome::failed);
  EXPECT_EQ(result.error, "Es wurde kein Scanner gefunden.");
}

TEST_F(ScannedPicturesTest, GreyScansAreSizedByTheirResolution) {
  // 254 dpi are ten pixels a millimetre: 10 × 20 mm give 100 × 200 pixels.
  const TCharRec& cell = insert(scan(ScanMode::grey, 254, {"test-picture \"Solid white\""}));
  ASSERT_EQ(cell.Kind, kCellPicture);
  const TPictureRec& picture = pictureOf(cell);
  EXPECT_EQ(picture.width(), 100);
  EXPECT_EQ(picture.height(), 200);
  EXPECT_EQ(picture.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(picture, 50, 100), 0xFFFFFFu);
  EXPECT_NEAR(cell.CharWidth, 10.0, 0.01);
  EXPECT_NEAR(cell.CharHeight, 20.0, 0.01);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Grafik einfügen");
}

TEST_F(ScannedPicturesTest, LineArtAndSixteenBitGreyBecomeOneAndEightBitPictures) {
  const TPictureRec lineArt = scan(ScanMode::lineArt, 100).picture;  // solid black
  EXPECT_EQ(lineArt.Header.biBitCount, 1);
  EXPECT_EQ(getpixel(lineArt, 3, 3), 0u);

  const TPictureRec deep = scan(ScanMode::grey, 100, {"depth 16", "test-picture \"Solid white\""}).picture;
  EXPECT_EQ(deep.Header.biBitCount, 8);
  EXPECT_EQ(getpixel(deep, 3, 3), 0xFFFFFFu);
}

TEST_F(ScannedPicturesTest, OnePassAndThreePassColourGiveTheSamePicture) {
  const std::vector<std::string> pattern = {"test-picture \"Color pattern\""};
  ScanResult onePass = scan(ScanMode::colour, 300, pattern);
  std::vector<std::string> threePass = pattern;
  threePass.push_back("three-pass true");
  threePass.push_back("three-pass-order GBR");
  ScanResult bands = scan(ScanMode::colour, 300, threePass);
  ASSERT_EQ(bands.outcome, ScanOutcome::done) << bands.error;
  EXPECT_EQ(*bands.picture.Bits, *onePass.picture.Bits);

  const TCharRec& cell = insert(std::move(bands));
  const TPictureRec& picture = pictureOf(cell);
  EXPECT_EQ(picture.Header.biBitCount, 24);
  EXPECT_EQ(picture.Header.biXPelsPerMeter, 11811);
  // 300 dpi, not the screen's: a tenth of the pixels per millimetre of 30 dpi.
  EXPECT_NEAR(cell.CharWidth, picture.width() / 300.0 * 25.4, 0.01);
  EXPECT_NEAR(cell.CharHeight, picture.height() / 300.0 * 25.4, 0.01);
  EXPECT_NEAR(cell.CharWidth, 10.0, 0.1);
}

TEST_F(ScannedPicturesTest, HandScansOfUnknownHeightAreReadToTheirEnd) {
  ScanResult result = scan(ScanMode::grey, 100, {"hand-scanner true"});
  ASSERT_EQ(result.outcome, ScanOutcome::done) << result.error;
  EXPECT_NEAR(result.picture.width(), 110 / 25.4 * 100, 1.0);  // a hand scanner is 11 cm wide
  EXPECT_GT(result.picture.height(), 0);
  const TCharRec& cell = insert(std::move(result));
  EXPECT_NEAR(cell.CharWidth, 110.0, 0.3);
}

TEST_F(ScannedPicturesTest, ACancelledScanEndsWithoutAPictureAndChangesNothing) {
  test::useSaneTestScanner({"br_x 100", "br_y 100", "read-limit true", "read-limit-size 1000"});
  ScanJob job;
  std::vector<int> reported;
  ScanResult result = job.run({"test:0", ScanMode::colour, 200}, [&](int percent) {
    reported.push_back(percent);
    job.cancel();
  });
  EXPECT_EQ(result.outcome, ScanOutcome::cancelled);
  EXPECT_FALSE(result.picture.hasPixels());
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_GE(reported[0], 0);
  EXPECT_LT(reported[0], 100);
  EXPECT_TRUE(editor.doc().Pictures.empty());
  EXPECT_TRUE(editor.undoHistory().undoPopup().empty());

  // A job cancelled before it started does not touch the scanner.
  ScanJob early;
  early.cancel();
  EXPECT_EQ(early.run({"test:0", ScanMode::grey, 100}).outcome, ScanOutcome::cancelled);
}

}  // namespace
}  // namespace vendaro
