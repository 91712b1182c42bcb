// Metafiles written record by record and played onto a recording canvas:
// the calls and their device coordinates, and how damaged records are
// skipped while the rest of the picture still draws.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

#include "formats/metafile_bitmaps.h"
#include "formats/metafile_picture.h"
#include "formats/metafile_player.h"
#include "support/metafile_builder.h"
#include "platform/dib_bmp.h"
#include "platform/font_engine.h"
#include "support/recording_canvas.h"

namespace vendaro {
namespace {

using metafile::PlayReport;
using test::EmfBuilder;
using test::RecordingCanvas;
using test::WmfBuilder;
using Op = RecordingCanvas::Op;

constexpr uint16_t kCreateBrush = 0x02FC, kCreatePen = 0x02FA, kCreateFont = 0x02FB, kSelect = 0x012D;
constexpr uint16_t kRectangle = 0x041B, kEllipse = 0x0418, kPolyline = 0x0325, kSetWindowExt = 0x020C;

PlayReport playOn(RecordingCanvas& canvas, const std::vector<uint8_t>& bytes, CanvasRect target) {
  const auto header = metafile::readHeader(bytes);
  EXPECT_TRUE(header.has_value());
  if (!header) return {};
  return metafile::play(bytes, *header, canvas, FontEngine::shared(), target);
}

// A 1000 × 500 unit picture (placeable, 1000 units per inch) onto 200 × 100 pixels.
WmfBuilder quarterScale() { return WmfBuilder(0, 0, 1000, 500, 1000); }

TEST(MetafileWmf, ShapesAreMappedFromTheFrameOntoTheTarget) {
  const auto bytes = quarterScale()
                         .record(kCreateBrush, {0, 0x00FF, 0x0000, 0})       // solid red
                         .record(kCreatePen, {0, 10, 0, 0x0000, 0x0000})     // black, 10 units
                         .record(kSelect, {0})
                         .record(kSelect, {1})
                         .record(kRectangle, {300, 300, 100, 100})           // bottom, right, top, left
                         .record(kEllipse, {500, 1000, 0, 500})
                         .record(kPolyline, {3, 0, 0, 500, 250, 1000, 0})
                         .finish();
  RecordingCanvas canvas;
  const PlayReport report = playOn(canvas, bytes, {0, 0, 200, 100});
  EXPECT_EQ(report.failed, 0u);
  ASSERT_EQ(canvas.of(Op::rectangle).size(), 1u);
  const auto* rect = canvas.of(Op::rectangle)[0];
  EXPECT_EQ(rect->rect, (CanvasRect{20, 20, 60, 60}));
  EXPECT_EQ(rect->brush.color, 0x0000FFu);
  EXPECT_EQ(rect->pen.width, 2);
  ASSERT_EQ(canvas.of(Op::ellipse).size(), 1u);
  EXPECT_EQ(canvas.of(Op::ellipse)[0]->rect, (CanvasRect{100, 0, 200, 100}));
  ASSERT_EQ(canvas.of(Op::path).size(), 1u);
  const auto* line = canvas.of(Op::path)[0];
  EXPECT_FALSE(line->fill);
  EXPECT_TRUE(line->stroke);
  EXPECT_EQ(line->path.points(), (std::vector<CanvasPoint>{{0, 0}, {100, 50}, {200, 0}}));
}

TEST(MetafileWmf, WindowOfTheFileWinsOverThePlaceableBox) {
  const auto bytes = quarterScale().record(kSetWindowExt, {100, 100}).record(kRectangle, {50, 50, 0, 0}).finish();
  RecordingCanvas canvas;
  playOn(canvas, bytes, {0, 0, 200, 100});
  ASSERT_EQ(canvas.of(Op::rectangle).size(), 1u);
  EXPECT_EQ(canvas.of(Op::rectangle)[0]->rect, (CanvasRect{0, 0, 100, 50}));
}

TEST(MetafileWmf, HatchedBrushesKeepTheirHatchAndBackground) {
  const auto bytes = quarterScale()
                         .record(0x0201, {0x00FF, 0x0000})               // background colour red
                         .record(kCreateBrush, {2, 0xFF00, 0x0000, 4})   // green cross hatch
                         .record(kSelect, {0})
                         .record(kRectangle, {300, 300, 100, 100})
                         .finish();
  RecordingCanvas canvas;
  playOn(canvas, bytes, {0, 0, 200, 100});
  ASSERT_EQ(canvas.of(Op::rectangle).size(), 1u);
  const CanvasBrush& brush = canvas.of(Op::rectangle)[0]->brush;
  EXPECT_EQ(brush.style, BrushStyle::hatchCross);
  EXPECT_EQ(brush.color, 0x00FF00u);
  EXPECT_EQ(brush.background, 0x0000FFu);
  EXPECT_TRUE(brush.opaqueBackground);  // the default background mode
}

TEST(MetafileWmf, RotatedTextTurnsAboutItsReferencePoint) {
  WmfBuilder builder = quarterScale();
  builder.record(kCreateFont, std::initializer_list<int>{-100, 0, 900, 900, 700, 0, 0, 0, 0, 'A' | 'r' << 8, 'i' | 'a' << 8, 'l'})
      .record(kSelect, {0})
      .record(0x0102, {1})                                        // transparent background
      .record(0x0521, {2, 'H' | 'i' << 8, 400, 500});               // "Hi" at (500, 400)
  RecordingCanvas canvas;
  const PlayReport report = playOn(canvas, builder.finish(), {0, 0, 200, 100});
  EXPECT_EQ(report.failed, 0u);
  const auto texts = canvas.texts("Hi");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_DOUBLE_EQ(texts[0]->angle, 90.0);
  EXPECT_EQ(texts[0]->font.pixelSize, 20);
  EXPECT_TRUE(texts[0]->font.bold);
  EXPECT_EQ(texts[0]->rect.left, 100);
  EXPECT_EQ(texts[0]->rect.top, 80);
  EXPECT_TRUE(canvas.of(Op::fill).empty());  // no opaque background behind transparent text
}

TEST(MetafileWmf, ClipsAreCombinedAndRestoredWithTheSavedState) {
  const auto bytes = quarterScale()
                         .record(0x001E, {})                            // SaveDC
                         .record(0x0416, {300, 300, 100, 100})           // IntersectClipRect
                         .record(0x0415, {200, 200, 150, 150})           // ExcludeClipRect
                         .record(kRectangle, {500, 1000, 0, 0})
                         .record(0x0127, {-1})                           // RestoreDC
                         .record(kRectangle, {500, 1000, 0, 0})
                         .finish();
  RecordingCanvas canvas;
  const PlayReport report = playOn(canvas, bytes, {0, 0, 200, 100});
  EXPECT_EQ(report.failed, 0u);
  const auto clips = canvas.of(Op::clipPath);
  ASSERT_EQ(clips.size(), 2u);
  EXPECT_EQ(clips[0]->rect, (CanvasRect{20, 20, 61, 61}));
  EXPECT_EQ(clips[0]->how, static_cast<int>(ClipCombine::intersect));
  EXPECT_EQ(clips[1]->how, static_cast<int>(ClipCombine::exclude));
  // The second rectangle is drawn after the clip was lifted again.
  std::vector<Op> order;
  for (const auto& call : canvas.calls) order.push_back(call.op);
  EXPECT_EQ(order, (std::vector<Op>{Op::clipPath, Op::clipPath, Op::rectangle, Op::unclip, Op::rectangle}));
}

TEST(MetafileWmf, OneStretchedBitmapGivesItsOwnPixels) {
  std::vector<uint8_t> params;
  ByteWriter p;
  p.u32(0x00CC0020);
  p.u16(0);
  for (int v : {4, 6, 0, 0, 500, 1000, 0, 0}) p.u16(static_cast<uint16_t>(v));  // source 6 × 4, dest 1000 × 500
  const std::vector<uint8_t> dib = test::packedDib24(6, 4, 0x00FF00, 0x0000FF);
  p.raw(dib.data(), dib.size());
  const auto bytes = quarterScale().record(0x0103, {8}).raw(0x0F43, p.bytes()).finish();

  TPictureRec picture;
  ASSERT_TRUE(metafileToPicture(bytes, FontEngine::shared(), nullptr, picture));  // no raster target needed
  EXPECT_EQ(picture.width(), 6);
  EXPECT_EQ(picture.height(), 4);
  EXPECT_EQ(getpixel(picture, 0, 0), 0x0000FFu);
  EXPECT_EQ(getpixel(picture, 5, 3), 0x00FF00u);

  // Drawn among other shapes it is stretched over its destination.
  const auto mixed = quarterScale().raw(0x0F43, p.bytes()).record(kRectangle, {10, 10, 0, 0}).finish();
  RecordingCanvas canvas;
  playOn(canvas, mixed, {0, 0, 200, 100});
  ASSERT_EQ(canvas.of(Op::picture).size(), 1u);
  EXPECT_EQ(canvas.of(Op::picture)[0]->rect, (CanvasRect{0, 0, 200, 100}));
  EXPECT_FALSE(metafileToPicture(mixed, FontEngine::shared(), nullptr, picture));  // must be drawn
}

// A destination of negative width or height turns the bitmap over: the
// picture comes back mirrored, at every depth.
TEST(MetafileWmf, NegativeDestinationSizesMirrorTheBitmap) {
  struct Case {
    int width, height;
    uint32_t topLeft, bottomRight;
  };
  constexpr uint32_t kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;
  for (const int bits : {1, 8, 24}) {
    // Top row red, green; bottom row blue, white (as near as the depth goes).
    TPictureRec source;
    ASSERT_TRUE(newdib(source, 2, 2, bits));
    if (bits <= 8) source.Palette = {0x000000, 0xFFFFFF};
    if (bits == 8) source.Palette = {0x0000FF, 0x00FF00, 0xFF0000, 0xFFFFFF};
    source.Palette.resize(size_t{1} << std::min(bits, 8));
    const uint32_t colours[2][2] = {{kRed, kGreen}, {kBlue, kWhite}};
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 2; ++x) setpixel(source, x, y, bits == 1 ? (x == y ? kWhite : 0) : colours[y][x]);
    for (const Case& c : {Case{-1000, 500, getpixel(source, 1, 0), getpixel(source, 0, 1)},
                          Case{1000, -500, getpixel(source, 0, 1), getpixel(source, 1, 0)},
                          Case{-1000, -500, getpixel(source, 1, 1), getpixel(source, 0, 0)}}) {
      ByteWriter p;
      p.u32(0x00CC0020);
      p.u16(0);
      for (int v : {2, 2, 0, 0, c.height, c.width, c.height < 0 ? 500 : 0, c.width < 0 ? 1000 : 0})
        p.u16(static_cast<uint16_t>(v));
      const std::vector<uint8_t> dib = dib::packedDib(source);
      p.raw(dib.data(), dib.size());
      TPictureRec picture;
      ASSERT_TRUE(metafileToPicture(quarterScale().raw(0x0F43, p.bytes()).finish(), FontEngine::shared(), nullptr,
                                    picture));
      EXPECT_EQ(getpixel(picture, 0, 0), c.topLeft) << bits << " " << c.width << " " << c.height;
      EXPECT_EQ(getpixel(picture, 1, 1), c.bottomRight) << bits << " " << c.width << " " << c.height;
    }
  }
}

TEST(MetafileWmf, DamagedRecordsAreSkippedAndTheRestDraws) {
  WmfBuilder builder = quarterScale();
  builder.record(kPolyline, {30000, 0, 0})          // more points than the record holds
      .record(kSelect, {900})                        // no such object
      .record(0x0127, {-5})                          // nothing saved
      .record(0x7777, {1, 2})                        // unknown record
      .record(kRectangle, {300, 300, 100, 100});
  RecordingCanvas canvas;
  const PlayReport report = playOn(canvas, builder.finish(), {0, 0, 200, 100});
  EXPECT_EQ(report.failed, 4u);
  EXPECT_EQ(report.unknownTypes, std::vector<uint32_t>{0x7777});
  EXPECT_EQ(canvas.of(Op::rectangle).size(), 1u);

  // A record of length zero, or one reaching beyond the end, ends the walk.
  for (uint32_t length : {0u, 2u, 5000u}) {
    std::vector<uint8_t> bytes = quarterScale().record(kRectangle, {300, 300, 100, 100}).finish();
    const size_t at = 22 + 18;
    for (int i = 0; i < 4; ++i) bytes[at + i] = static_cast<uint8_t>(length >> (8 * i));
    RecordingCanvas none;
    EXPECT_EQ(playOn(none, bytes, {0, 0, 200, 100}).records, 0u) << length;
  }
}

TEST(MetafileEmf, WorldTransformScalesAndTurnsShapes) {
  auto bits = [](float v) { int32_t i; std::memcpy(&i, &v, 4); return i; };
  // Frame 10 × 10 mm = 100 × 100 reference pixels onto 100 × 100.
  const auto bytes = EmfBuilder(1000, 1000)
                         .record(35, {bits(2), 0, 0, bits(2), bits(10), 0})  // scale 2, move 10 right
                         .record(43, {5, 5, 20, 20})
                         .record(36, {bits(0), bits(1), bits(-1), bits(0), 0, 0, 2})  // turn a quarter, first
                         .record(43, {5, 5, 20, 20})
                         .finish();
  RecordingCanvas canvas;
  const PlayReport report = playOn(canvas, bytes, {0, 0, 100, 100});
  EXPECT_EQ(report.failed, 0u);
  ASSERT_EQ(canvas.of(Op::rectangle).size(), 1u);
  EXPECT_EQ(canvas.of(Op::rectangle)[0]->rect, (CanvasRect{20, 10, 50, 40}));
  // Turned: no longer a rectangle on the device but a path.
  ASSERT_EQ(canvas.of(Op::path).size(), 1u);
  EXPECT_EQ(canvas.of(Op::path)[0]->path.points().front(), (CanvasPoint{0, 10}));
}

TEST(MetafileEmf, PathsFillAndClipAndCommentsAreSkipped) {
  const auto bytes = EmfBuilder(1000, 1000)
                         .record(70, {8, 0x2B464D45, 1})   // an EMF+ comment
                         .record(59, {})                  // BeginPath
                         .record(27, {10, 10})
                         .record(54, {90, 10})
                         .record(54, {50, 90})
                         .record(61, {})                  // CloseFigure
                         .record(60, {})                  // EndPath
                         .record(67, {5})                 // SelectClipPath, copy
                         .record(59, {})
                         .record(43, {0, 0, 50, 50})
                         .record(60, {})
                         .record(62, {0, 0, 100, 100})    // FillPath
                         .finish();
  RecordingCanvas canvas;
  const PlayReport report = playOn(canvas, bytes, {0, 0, 100, 100});
  EXPECT_EQ(report.failed, 0u);
  EXPECT_TRUE(report.unknownTypes.empty());
  const auto clips = canvas.of(Op::clipPath);
  ASSERT_EQ(clips.size(), 1u);
  EXPECT_EQ(clips[0]->path.points().size(), 3u);
  const auto paths = canvas.of(Op::path);
  ASSERT_EQ(paths.size(), 1u);
  EXPECT_TRUE(paths[0]->fill);
  EXPECT_FALSE(paths[0]->stroke);
}

TEST(MetafileEmf, WideTextBecomesCodePage1252WithQuestionMarks) {
  auto textRecord = [](int32_t options) {
    ByteWriter text;
    for (int32_t v : {0, 0, 0, 0, 1}) text.i32(v);  // bounds, graphics mode
    text.f32(1);
    text.f32(1);
    for (int32_t v : {10, 20, 3, 76, options, 0, 0, -1, -1, 0}) text.i32(v);  // reference, count, offset, options, rect, dx
    for (uint16_t c : {uint16_t('a'), uint16_t(0x20AC), uint16_t(0x4E2D)}) text.u16(c);
    return text.bytes();
  };
  const auto bytes = EmfBuilder(1000, 1000).raw(84, textRecord(0)).raw(84, textRecord(0x10)).finish();
  RecordingCanvas canvas;
  // Glyph numbers are not characters: that record is left out.
  EXPECT_EQ(playOn(canvas, bytes, {0, 0, 100, 100}).failed, 1u);
  ASSERT_EQ(canvas.of(Op::text).size(), 1u);
  EXPECT_EQ(canvas.of(Op::text)[0]->text, "a\x80?");
}

TEST(MetafileBitmaps, AlphaBlendsOverWhiteAndCropsToTheSource) {
  TPictureRec picture;
  ASSERT_TRUE(newdib(picture, 2, 1, 32));
  uint8_t* p = picture.mutablePixels();
  const uint8_t pixels[] = {0, 0, 128, 128, 0, 0, 0, 0};  // half red (premultiplied), then transparent
  std::memcpy(p, pixels, sizeof pixels);
  const TPictureRec blended = metafile::blendedOverWhite(picture, 255, true);
  EXPECT_EQ(getpixel(blended, 0, 0), 0x7F7FFFu);
  EXPECT_EQ(getpixel(blended, 1, 0), 0xFFFFFFu);

  const auto dib = test::packedDib24(6, 4, 0x00FF00, 0x0000FF);
  const auto read = metafile::readPackedDib(dib);
  ASSERT_TRUE(read.has_value());
  const TPictureRec right = metafile::croppedPicture(*read, {3, 1, 6, 3});
  EXPECT_EQ(right.width(), 3);
  EXPECT_EQ(right.height(), 2);
  EXPECT_EQ(getpixel(right, 0, 0), 0x00FF00u);
  EXPECT_FALSE(metafile::readPackedDib(std::span(dib).first(30)).has_value());
}

TEST(MetafilePicture, VectorPicturesAreSizedAt150DpiWithinSixteenMegapixels) {
  const auto small = WmfBuilder(0, 0, 1440, 720, 1440).record(kRectangle, {1, 1, 0, 0}).finish();
  EXPECT_EQ(metafilePixelSize(small).width, 150);
  EXPECT_EQ(metafilePixelSize(small).height, 75);
  EXPECT_EQ(metafilePixelSize(small, {2880, 2880}).width, 300);  // the document's size wins
  const auto emf = EmfBuilder(2540, 5080).finish();
  EXPECT_EQ(metafilePixelSize(emf).width, 150);
  EXPECT_EQ(metafilePixelSize(emf).height, 300);
  const PixelSize huge = metafilePixelSize(small, {1440 * 100, 1440 * 50});
  EXPECT_LE(int64_t{huge.width} * huge.height, kMetafileMaxPixels);
  EXPECT_NEAR(double(huge.width) / huge.height, 2.0, 0.01);
  const PixelSize thin = metafilePixelSize(small, {1440 * 200000, 1});  // a line thinner than a pixel
  EXPECT_EQ(thin.height, 1);
  EXPECT_LE(int64_t{thin.width} * thin.height, kMetafileMaxPixels);
  EXPECT_EQ(metafilePixelSize(std::vector<uint8_t>(100, 0)).width, 0);
}

}  // namespace
}  // namespace vendaro

namespace vendaro {
namespace {

std::vector<uint8_t> fixture(const std::string& name) {
  std::ifstream in(std::string(VENDARO_FIXTURE_DIR) + "/metafile/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

// Drawings exported by LibreOffice: every record is understood and drawn.
TEST(MetafileFiles, LibreOfficeExportsPlayWithoutSkippedRecords) {
  for (const char* name : {"shapes.wmf", "shapes.emf", "mixed.wmf", "mixed.emf"}) {
    SCOPED_TRACE(name);
    const std::vector<uint8_t> bytes = fixture(name);
    ASSERT_FALSE(bytes.empty());
    RecordingCanvas canvas;
    const PlayReport report = playOn(canvas, bytes, {0, 0, 582, 426});
    EXPECT_GT(report.records, 50u);
    EXPECT_EQ(report.failed, 0u);
    EXPECT_TRUE(report.unknownTypes.empty());
    EXPECT_EQ(metafilePixelSize(bytes).width, 582);
  }
  RecordingCanvas shapes;
  playOn(shapes, fixture("shapes.wmf"), {0, 0, 582, 426});
  ASSERT_EQ(shapes.texts("Vendaro").size(), 1u);
  EXPECT_NEAR(shapes.texts("Vendaro")[0]->rect.left, 340, 15);
  RecordingCanvas mixed;
  playOn(mixed, fixture("mixed.emf"), {0, 0, 582, 426});
  EXPECT_EQ(mixed.of(Op::picture).size(), 1u);
  EXPECT_FALSE(mixed.of(Op::clipPath).empty());
}

}  // namespace
}  // namespace vendaro
