#include "platform/font_engine.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vendaro {
namespace {

namespace fs = std::filesystem;

FontSpec spec(const std::string& face, int pixelSize, bool bold = false, bool italic = false,
              uint8_t charset = 1) {
  FontSpec result;
  result.faceName = face;
  result.pixelSize = pixelSize;
  result.bold = bold;
  result.italic = italic;
  result.charset = charset;
  return result;
}

struct AliasCase {
  const char* face;
  bool bold, italic;
  const char* file;
  bool syntheticBold, syntheticItalic;
};

TEST(FontEngine, WindowsFacesResolveToTheirStandIns) {
  const AliasCase cases[] = {
      {"Arial", false, false, "LiberationSans-Regular.ttf", false, false},
      {"Arial", true, false, "LiberationSans-Bold.ttf", false, false},
      {"times new roman", false, true, "LiberationSerif-Italic.ttf", false, false},
      {"Courier", false, false, "LiberationMono-Regular.ttf", false, false},
      {"Courier New", true, true, "LiberationMono-BoldItalic.ttf", false, false},
      {" Microsoft Sans Serif ", false, false, "LiberationSans-Regular.ttf", false, false},
      {"Arial Black", false, false, "DejaVuSans-Bold.ttf", false, false},
      {"Symbol", false, false, "StandardSymbolsPS.otf", false, false},
      {"Symbol", true, true, "StandardSymbolsPS.otf", true, true},
      {"Wingdings", false, false, "opens___.ttf", false, false},
  };
  FontEngine engine;
  for (const AliasCase& c : cases) {
    SCOPED_TRACE(std::string(c.face) + (c.bold ? " bold" : "") + (c.italic ? " italic" : ""));
    const ResolvedFace face = engine.resolve(c.face, c.bold, c.italic);
    EXPECT_EQ(fs::path(face.filePath).filename(), c.file);
    EXPECT_EQ(face.syntheticBold, c.syntheticBold);
    EXPECT_EQ(face.syntheticItalic, c.syntheticItalic);
  }
  EXPECT_EQ(engine.resolve("Arial", false, false).familyName, "Liberation Sans");
  EXPECT_FALSE(engine.resolve("Arial", false, false).symbolEncoding);
  EXPECT_TRUE(engine.resolve("Symbol", false, false).symbolEncoding);
  EXPECT_TRUE(engine.resolve("Wingdings", false, false).symbolEncoding);
}

TEST(FontEngine, UnknownAndEmptyFacesStillMeasure) {
  FontEngine engine;
  for (const char* face : {"Gibt Es Nicht 123", ""}) {
    SCOPED_TRACE(face);
    const ResolvedFace resolved = engine.resolve(face, true, false);
    EXPECT_TRUE(fs::exists(resolved.filePath));
    EXPECT_GT(engine.charWidth(spec(face, 100), 'a'), 0);
    EXPECT_GT(engine.metrics(spec(face, 100)).height, 100);
  }
}

// Liberation Sans carries Arial's advances, so at one pixel per font unit
// the widths are Arial's published ones.
TEST(FontEngine, WidthsAreRoundedScaledAdvances) {
  FontEngine engine;
  const FontSpec unscaled = spec("Arial", 2048);
  EXPECT_EQ(engine.charWidth(unscaled, 'H'), 1479);
  EXPECT_EQ(engine.charWidth(unscaled, 'i'), 455);
  EXPECT_EQ(engine.charWidth(unscaled, ' '), 569);
  // 1479 × 400 / 2048 = 288.87
  EXPECT_EQ(engine.charWidth(spec("Arial", 400), 'H'), 289);
  EXPECT_EQ(engine.charWidth(spec("Courier New", 400), 'W'), 240);  // 0.6 em cells

  const FontSpec arial = spec("Arial", 400);
  int sum = 0;
  for (char ch : std::string("Hallo")) sum += engine.charWidth(arial, static_cast<uint8_t>(ch));
  EXPECT_EQ(engine.textWidth(arial, "Hallo"), sum);
  EXPECT_EQ(engine.textWidth(arial, ""), 0);
  EXPECT_GT(engine.charWidth(arial, 0x80), 0);  // € comes from code page 1252
  EXPECT_EQ(engine.unicodeFor(arial, 0x80), U'€');
}

TEST(FontEngine, BoldIsWiderAndSyntheticBoldAddsOneTwentyFourthEm) {
  FontEngine engine;
  const std::string text = "Hallo Welt";
  EXPECT_GE(engine.textWidth(spec("Arial", 400, true), text), engine.textWidth(spec("Arial", 400), text));
  // Standard Symbols PS has no bold file: 400 / 24 = 16.7 px more per glyph.
  for (uint8_t ch : {uint8_t{'a'}, uint8_t{'b'}, uint8_t{0xAE}}) {
    const int extra =
        engine.charWidth(spec("Symbol", 400, true), ch) - engine.charWidth(spec("Symbol", 400), ch);
    EXPECT_GE(extra, 16);
    EXPECT_LE(extra, 18);
  }
}

TEST(FontEngine, HeightIsAscentPlusDescent) {
  FontEngine engine;
  for (const char* face : {"Arial", "Times New Roman", "Courier New", "Symbol", "Wingdings"}) {
    for (int size : {13, 100, 400}) {
      SCOPED_TRACE(std::string(face) + " " + std::to_string(size));
      const FontMetrics m = engine.metrics(spec(face, size));
      EXPECT_EQ(m.height, m.ascent + m.descent);
      EXPECT_EQ(m.internalLeading, std::max(0, m.height - size));
      EXPECT_GT(m.descent, 0);
      EXPECT_GT(m.averageCharWidth, 0);
      EXPECT_GE(m.maxCharWidth, m.averageCharWidth);
    }
  }
  // A 48 pt Arial at 600 dpi: Arial's Windows cell is 1.117 em.
  const FontMetrics arial = engine.metrics(spec("Arial", 400));
  EXPECT_EQ(arial.ascent, 362);
  EXPECT_EQ(arial.descent, 85);
  EXPECT_GT(arial.height, 430);
  EXPECT_LT(arial.height, 480);
}

TEST(FontEngine, TwoEnginesGiveIdenticalFigures) {
  FontEngine first, second;
  for (const char* face : {"Arial", "Times New Roman", "Wingdings", "Gibt Es Nicht"}) {
    for (bool bold : {false, true}) {
      const FontSpec s = spec(face, 137, bold, !bold);
      const FontMetrics a = first.metrics(s), b = second.metrics(s);
      EXPECT_EQ(a.ascent, b.ascent);
      EXPECT_EQ(a.descent, b.descent);
      EXPECT_EQ(a.averageCharWidth, b.averageCharWidth);
      for (int ch = 0; ch < 256; ++ch) {
        ASSERT_EQ(first.charWidth(s, static_cast<uint8_t>(ch)), second.charWidth(s, static_cast<uint8_t>(ch)))
            << face << " " << ch;
      }
    }
  }
}

TEST(FontEngine, SymbolBytesMapThroughTheSymbolTables) {
  FontEngine engine;
  const FontSpec symbol = spec("Symbol", 1000, false, false, 2);
  EXPECT_EQ(engine.unicodeFor(symbol, 'a'), U'α');
  EXPECT_EQ(engine.unicodeFor(symbol, 0xAE), U'→');
  EXPECT_EQ(engine.unicodeFor(symbol, 0xBF), U'↵');
  EXPECT_EQ(engine.unicodeFor(symbol, 0xB7), U'•');
  // The URW font is keyed by the bytes themselves; alpha is 631 units wide
  // in Adobe's Symbol metrics, which it reproduces.
  EXPECT_NE(engine.glyphIndex(symbol, 'a'), 0u);
  EXPECT_EQ(engine.charWidth(symbol, 'a'), 631);

  const FontSpec wingdings = spec("Wingdings", 400, false, false, 2);
  EXPECT_EQ(engine.unicodeFor(wingdings, 159), U'•');
  EXPECT_EQ(engine.unicodeFor(wingdings, 167), U'▪');
  EXPECT_EQ(engine.unicodeFor(wingdings, 252), U'✔');
  // Every byte the table names has a picture in OpenSymbol; the others keep
  // Windows' private code and measure as the missing-glyph box.
  for (int ch = 0; ch < 256; ++ch) {
    const char32_t code = engine.unicodeFor(wingdings, static_cast<uint8_t>(ch));
    const uint32_t glyph = engine.glyphIndex(wingdings, static_cast<uint8_t>(ch));
    if (code >= 0xF000 && code <= 0xF0FF) {
      EXPECT_EQ(glyph, 0u) << ch;
    } else {
      EXPECT_NE(glyph, 0u) << ch;
    }
  }
  for (int used : {159, 167, 216, 252, 174}) {
    EXPECT_NE(engine.glyphIndex(wingdings, static_cast<uint8_t>(used)), 0u) << used;
  }
  EXPECT_EQ(engine.unicodeFor(wingdings, 191), char32_t{0xF0BF});  // clock face: no picture

  // A text face asked for symbol bytes takes each byte as its code point.
  EXPECT_EQ(engine.unicodeFor(spec("Arial", 100, false, false, 2), 0x80), char32_t{0x80});
  EXPECT_EQ(engine.unicodeFor(spec("Arial", 100, false, false, 2), 0xFC), U'ü');
}

TEST(FontEngine, DesignMetricsForPdf) {
  FontEngine engine;
  const FontDesignMetrics arial = engine.designMetrics("Arial", false, false, 1);
  EXPECT_EQ(arial.ascent, 905);   // 1854 / 2048 em
  EXPECT_EQ(arial.descent, -212); // 434 / 2048 em
  EXPECT_EQ(arial.widths['H'], 722);
  EXPECT_EQ(arial.widths[' '], 278);
  EXPECT_GT(arial.capHeight, 650);
  EXPECT_LT(arial.capHeight, arial.ascent);
  EXPECT_LT(arial.bboxLeft, 0);
  EXPECT_GT(arial.bboxTop, arial.ascent - 50);
  EXPECT_FALSE(arial.fixedPitch);
  EXPECT_FALSE(arial.serif);
  EXPECT_FALSE(arial.symbolic);
  EXPECT_EQ(arial.italicAngle, 0);

  EXPECT_EQ(engine.designMetrics("Arial", false, true, 1).italicAngle, -12);
  EXPECT_TRUE(engine.designMetrics("Times New Roman", false, false, 1).serif);
  const FontDesignMetrics courier = engine.designMetrics("Courier New", false, false, 1);
  EXPECT_TRUE(courier.fixedPitch);
  for (int ch = 0x20; ch < 0x7F; ++ch) EXPECT_EQ(courier.widths[ch], 600) << ch;

  // Synthetic styles show in the descriptor: slant angle and a wider box.
  const FontDesignMetrics symbol = engine.designMetrics("Symbol", false, false, 2);
  const FontDesignMetrics slanted = engine.designMetrics("Symbol", true, true, 2);
  EXPECT_TRUE(symbol.symbolic);
  EXPECT_EQ(slanted.italicAngle, -12);
  EXPECT_GT(slanted.bboxRight, symbol.bboxRight);
  EXPECT_EQ(slanted.widths['a'], symbol.widths['a'] + 42);
}

}  // namespace
}  // namespace vendaro
