// Word pictures: the picture header in the "Data" stream, the drawing
// records behind it and the embedded PNG or compressed metafile, shown at
// the goal size scaled by the header's factors.
#include <gtest/gtest.h>
#include <zlib.h>

#include "formats/word_file.h"
#include "support/metafile_builder.h"
#include "support/recording_canvas.h"
#include "support/word_file_builder.h"

namespace vendaro {
namespace {

using testing::WordFileBuilder;
using Bytes = WordFileBuilder::Bytes;

const Bytes kPng = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A, 0x00, 0x00, 0x00, 0x0D, 0x49, 0x48, 0x44, 0x52,
                    0x00, 0x00, 0x00, 0x03, 0x00, 0x00, 0x00, 0x02, 0x08, 0x02, 0x00, 0x00, 0x00, 0x12, 0x16, 0xF1,
                    0x4D, 0x00, 0x00, 0x00, 0x17, 0x49, 0x44, 0x41, 0x54, 0x08, 0xD7, 0x63, 0x60, 0x60, 0xF8, 0xFF,
                    0x9F, 0x81, 0xE1, 0x3F, 0x03, 0x03, 0xE3, 0x7F, 0x06, 0x28, 0x00, 0x00, 0x36, 0xE7, 0x03, 0xFE,
                    0xF7, 0x42, 0x51, 0x20, 0x00, 0x00, 0x00, 0x00, 0x49, 0x45, 0x4E, 0x44, 0xAE, 0x42, 0x60, 0x82};

// Paints nothing but hands back a white bitmap of the asked size.
class WhiteRaster : public RasterTarget {
 public:
  bool render(int width, int height, int dpi, const std::function<void(Canvas&)>& paint, TPictureRec& out) override {
    test::RecordingCanvas canvas(dpi);
    paint(canvas);
    ++calls;
    if (!newdib(out, width, height, 24)) return false;
    std::fill(out.mutablePixels(), out.mutablePixels() + out.pixelBytes(), 0xFF);
    return true;
  }
  int calls = 0;
};

Bytes record(uint16_t verInstance, uint16_t type, const Bytes& body) {
  Bytes r;
  WordFileBuilder::add16(r, verInstance);
  WordFileBuilder::add16(r, type);
  WordFileBuilder::add32(r, body.size());
  r.insert(r.end(), body.begin(), body.end());
  return r;
}

// A picture header with goal size and scale, a shape container and the
// blip entry holding `blip`.
Bytes pictureAt(const Bytes& blip, int goalWidth, int goalHeight, int scaleX, int scaleY) {
  Bytes entry(36, 0);
  entry.insert(entry.end(), blip.begin(), blip.end());
  const Bytes records = record(0x000F, 0xF004, record(0x0002, 0xF007, entry));
  Bytes header(68, 0);
  WordFileBuilder::put32(header, 0, 68 + records.size());
  WordFileBuilder::put16(header, 4, 68);
  WordFileBuilder::put16(header, 6, 100);
  WordFileBuilder::put16(header, 28, goalWidth);
  WordFileBuilder::put16(header, 30, goalHeight);
  WordFileBuilder::put16(header, 32, scaleX);
  WordFileBuilder::put16(header, 34, scaleY);
  header.insert(header.end(), records.begin(), records.end());
  return header;
}

Bytes pngBlip() {
  Bytes body(17, 0);
  body.insert(body.end(), kPng.begin(), kPng.end());
  return record(0x6E00, 0xF01E, body);
}

Bytes compressedWmfBlip() {
  const Bytes wmf = test::WmfBuilder(0, 0, 1000, 500, 0).record(0x041B, {0, 0, 250, 500}).finish();
  uLongf size = compressBound(wmf.size());
  Bytes packed(size);
  compress(packed.data(), &size, wmf.data(), wmf.size());
  packed.resize(size);
  Bytes body(16, 0);
  Bytes header(34, 0);
  WordFileBuilder::put32(header, 0, wmf.size());
  WordFileBuilder::put32(header, 28, packed.size());
  header[32] = 0;     // deflate
  header[33] = 0xFE;
  body.insert(body.end(), header.begin(), header.end());
  body.insert(body.end(), packed.begin(), packed.end());
  return record(0x2160, 0xF01B, body);
}

Document readPictures(const std::vector<Bytes>& pictures, RasterTarget* raster) {
  WordFileBuilder b;
  b.charRuns.push_back({0, {}});
  for (const Bytes& picture : pictures) {
    const uint32_t at = static_cast<uint32_t>(b.data.size());
    b.data.insert(b.data.end(), picture.begin(), picture.end());
    Bytes location = WordFileBuilder::sprm(0x6A03, {uint8_t(at), uint8_t(at >> 8), uint8_t(at >> 16), 0});
    b.charRuns.push_back({static_cast<uint32_t>(b.text.size()), location});
    b.text += u"\x01";
    b.charRuns.push_back({static_cast<uint32_t>(b.text.size()), {}});
    b.text += u"x";
  }
  b.text += u"\r";
  Document doc;
  EXPECT_TRUE(decodeWord(b.build(), doc, raster));
  return doc;
}

TEST(WordPictures, PngAndCompressedMetafileAtTheirScaledGoalSize) {
  WhiteRaster raster;
  const Document doc = readPictures({pictureAt(pngBlip(), 1440, 720, 500, 2000),
                                     pictureAt(compressedWmfBlip(), 2880, 1440, 1000, 1000),
                                     pictureAt(record(0x0000, 0xF0AA, Bytes(20, 0)), 1440, 1440, 1000, 1000)},
                                    &raster);
  const std::vector<TCharRec>& cells = doc.Fields[0].Lines[0].Chars;
  // An unknown record gives no picture and no cell: picture, x, picture, x, x.
  ASSERT_EQ(cells.size(), 5u);
  ASSERT_EQ(doc.Pictures.size(), 2u);
  EXPECT_EQ(cells[0].Kind, kCellPicture);
  EXPECT_NEAR(cells[0].CharWidth, 12.7, 0.01);
  EXPECT_NEAR(cells[0].CharHeight, 25.4, 0.01);
  const TPictureRec& png = doc.Pictures[0];
  ASSERT_EQ(png.width(), 3);
  ASSERT_EQ(png.height(), 2);
  // Bottom-up rows of blue-green-red: the top left pixel is blue, the rest red.
  const uint8_t* top = png.pixels() + png.RowBytes;
  EXPECT_EQ((std::vector<uint8_t>(top, top + 6)), (std::vector<uint8_t>{0xFF, 0, 0, 0, 0, 0xFF}));
  EXPECT_EQ(cells[2].Kind, kCellPicture);
  EXPECT_EQ(cells[2].PictureIndex, 1);
  EXPECT_NEAR(cells[2].CharWidth, 50.8, 0.01);
  EXPECT_EQ(raster.calls, 1);
  EXPECT_EQ(doc.Pictures[1].width(), 300);  // 2 inches at 150 dpi
}

TEST(WordPictures, DamagedPictureRecordsAreSkipped) {
  Bytes truncated = pictureAt(pngBlip(), 1440, 1440, 1000, 1000);
  truncated.resize(truncated.size() - 30);
  WordFileBuilder::put32(truncated, 0, truncated.size());
  Bytes lyingLength = pictureAt(pngBlip(), 1440, 1440, 1000, 1000);
  WordFileBuilder::put32(lyingLength, 68 + 4, 0x7FFFFFFF);
  Bytes oddMode = pictureAt(pngBlip(), 1440, 1440, 1000, 1000);
  WordFileBuilder::put16(oddMode, 6, 8);
  Bytes bomb = compressedWmfBlip();
  WordFileBuilder::put32(bomb, 8 + 16, 0x7FFFFFFF);  // claims 2 GiB inflated
  const Document doc = readPictures({truncated, lyingLength, oddMode, pictureAt(bomb, 1440, 1440, 1000, 1000),
                                     pictureAt(compressedWmfBlip(), 1440, 1440, 1000, 1000)},
                                    nullptr);
  // Without a raster target the metafile cannot be drawn either.
  EXPECT_TRUE(doc.Pictures.empty());
  EXPECT_EQ(doc.Fields[0].Lines[0].Chars.size(), 5u);
}

}  // namespace
}  // namespace vendaro
