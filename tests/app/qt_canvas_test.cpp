#include "app/qt_canvas.h"

#include <gtest/gtest.h>

#include <string>

#include "app/canvas_drawing.h"

namespace vendaro {
namespace {

using namespace test;

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

TEST(QtCanvas, RectangleOutlineLiesInsideAndFillsWithinIt) {
  for (int width : {1, 3}) {
    SCOPED_TRACE(width);
    Drawing d;
    d.draw([&](QtCanvas& c) {
      c.setPen({PenStyle::solid, width, kBlack});
      c.setBrush({BrushStyle::solid, kRed});
      c.rectangle({10, 10, 30, 25});
    });
    EXPECT_EQ(d.ink(), (CanvasRect{10, 10, 30, 25}));
    for (int i = 0; i < width; ++i) {
      EXPECT_EQ(d.at(10 + i, 17), kBlack);
      EXPECT_EQ(d.at(29 - i, 17), kBlack);
      EXPECT_EQ(d.at(20, 10 + i), kBlack);
      EXPECT_EQ(d.at(20, 24 - i), kBlack);
    }
    EXPECT_EQ(d.at(10 + width, 10 + width), kRed);
    EXPECT_EQ(d.at(29 - width, 24 - width), kRed);
  }

  Drawing clearBrush;
  clearBrush.draw([](QtCanvas& c) {
    c.setPen({PenStyle::solid, 1, kBlack});
    c.setBrush({BrushStyle::clear, kRed});
    c.rectangle({30, 20, 10, 5});  // corners in either order
  });
  EXPECT_EQ(clearBrush.ink(), (CanvasRect{10, 5, 30, 20}));
  EXPECT_EQ(clearBrush.at(20, 12), kWhite);

  Drawing clearPen;
  clearPen.draw([](QtCanvas& c) {
    c.setPen({PenStyle::clear, 1, kBlack});
    c.setBrush({BrushStyle::solid, kBlue});
    c.rectangle({10, 10, 20, 20});
  });
  EXPECT_EQ(clearPen.ink(), (CanvasRect{10, 10, 20, 20}));
  EXPECT_EQ(clearPen.at(10, 10), kBlue);
}

TEST(QtCanvas, DottedOutlineAndHatchStayInsideTheRectangle) {
  Drawing dotted;
  dotted.draw([](QtCanvas& c) {
    c.setPen({PenStyle::dot, 1, kBlack});
    c.setBrush({BrushStyle::clear, kWhite});
    c.rectangle({10, 10, 40, 30});
  });
  EXPECT_EQ(dotted.ink(), (CanvasRect{10, 10, 40, 30}));
  EXPECT_EQ(dotted.at(10, 10), kBlack);  // three on, three off
  EXPECT_EQ(dotted.at(12, 10), kBlack);
  EXPECT_EQ(dotted.at(13, 10), kWhite);
  EXPECT_EQ(dotted.at(16, 10), kBlack);

  Drawing hatched;
  hatched.draw([](QtCanvas& c) {
    c.setPen({PenStyle::clear, 1, kBlack});
    c.setBrush({BrushStyle::diagonalHatch, kRed});
    c.rectangle({8, 8, 40, 40});
  });
  int lines = 0, background = 0;
  for (int y = 8; y < 40; ++y) {
    for (int x = 8; x < 40; ++x) {
      if (hatched.at(x, y) == kRed) {
        ++background;
      } else {
        ASSERT_EQ(hatched.at(x, y), kBlack) << x << "," << y;
        ++lines;
        if (x + 1 < 40 && y > 8) {
          EXPECT_EQ(hatched.at(x + 1, y - 1), kBlack);  // a diagonal
        }
      }
    }
  }
  EXPECT_GT(lines, 32 * 32 / 10);
  EXPECT_GT(background, lines);
  EXPECT_EQ(hatched.ink(), (CanvasRect{8, 8, 40, 40}));
}

TEST(QtCanvas, LinesLeaveOutTheirEndPoint) {
  Drawing d;
  d.draw([](QtCanvas& c) {
    c.setPen({PenStyle::solid, 1, kBlack});
    c.line(5, 5, 15, 5);
    c.line(15, 8, 5, 8);
    c.line(30, 5, 30, 15);
    c.line(40, 5, 50, 15);
    c.line(60, 5, 60, 5);  // nothing at all
    c.line(80, 15, 90, 5);
    c.setPen({PenStyle::dot, 1, kBlack});
    c.line(0, 30, 20, 30);
    c.line(20, 32, 0, 32);  // the pattern starts at the start point
    c.setPen({PenStyle::solid, 3, kBlack});
    c.line(40, 50, 100, 50);
  });
  EXPECT_EQ(d.at(5, 5), kBlack);
  EXPECT_EQ(d.at(14, 5), kBlack);
  EXPECT_EQ(d.at(15, 5), kWhite);
  EXPECT_EQ(d.at(15, 8), kBlack);
  EXPECT_EQ(d.at(5, 8), kWhite);
  EXPECT_EQ(d.at(30, 14), kBlack);
  EXPECT_EQ(d.at(30, 15), kWhite);
  EXPECT_EQ(d.at(49, 14), kBlack);
  EXPECT_EQ(d.at(50, 15), kWhite);
  EXPECT_EQ(d.at(60, 5), kWhite);
  EXPECT_EQ(d.at(80, 15), kBlack);
  EXPECT_EQ(d.at(89, 6), kBlack);
  EXPECT_EQ(d.at(90, 5), kWhite);
  for (int x : {0, 2, 6, 8, 12}) EXPECT_EQ(d.at(x, 30), kBlack) << x;
  for (int x : {3, 5, 9, 11}) EXPECT_EQ(d.at(x, 30), kWhite) << x;
  for (int x : {20, 18, 14, 12}) EXPECT_EQ(d.at(x, 32), kBlack) << x;
  for (int x : {17, 15, 11}) EXPECT_EQ(d.at(x, 32), kWhite) << x;
  for (int y : {49, 50, 51}) EXPECT_EQ(d.at(70, y), kBlack) << y;
  EXPECT_EQ(d.at(70, 48), kWhite);
  EXPECT_EQ(d.at(70, 52), kWhite);
}

TEST(QtCanvas, EllipseFitsItsRectangle) {
  for (int width : {1, 4}) {
    SCOPED_TRACE(width);
    Drawing d;
    d.draw([&](QtCanvas& c) {
      c.setPen({PenStyle::solid, width, kBlack});
      c.setBrush({BrushStyle::solid, kRed});
      c.ellipse({10, 10, 50, 40});
    });
    EXPECT_EQ(d.ink(), (CanvasRect{10, 10, 50, 40}));
    EXPECT_EQ(d.at(30, 25), kRed);
    EXPECT_EQ(d.at(10, 25), kBlack);
    EXPECT_EQ(d.at(49, 25), kBlack);
  }
}

TEST(QtCanvas, TextInksTheCellTheFontEngineMeasured) {
  FontEngine& fonts = FontEngine::shared();
  const FontSpec arial = spec("Arial", 32);
  const FontMetrics metrics = fonts.metrics(arial);
  const int width = fonts.textWidth(arial, "HH");
  Drawing d(200, 100);
  d.draw([&](QtCanvas& c) {
    c.setFont(arial, false);
    c.setTextColor(kBlue);
    c.textOut(20, 30, "HH");
  });
  const CanvasRect ink = d.ink();
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.left, 20 + 4);
  EXPECT_LE(ink.right, 20 + width);
  EXPECT_GE(ink.right, 20 + width - 5);
  EXPECT_GT(ink.top, 30);
  // Capitals stand on the baseline.
  EXPECT_NEAR(ink.bottom, 30 + metrics.ascent, 1);
  EXPECT_LT(ink.bottom, 30 + metrics.height);

  // Given advances move the second letter.
  Drawing spread(200, 100);
  const int advances[] = {100, 0};
  spread.draw([&](QtCanvas& c) {
    c.setFont(arial, false);
    c.textOut(20, 30, "HH", advances);
  });
  EXPECT_GE(spread.ink().right, 120 + width / 2 - 5);
  EXPECT_EQ(spread.at(20 + width / 2 + 10, 30 + metrics.ascent / 2), kWhite);
}

TEST(QtCanvas, SymbolBytesDrawTheirOwnGlyphs) {
  const auto glyphImage = [](const FontSpec& font, const char* text) {
    Drawing d(60, 60);
    d.draw([&](QtCanvas& c) {
      c.setFont(font, false);
      c.textOut(10, 10, text);
    });
    return d;
  };
  const Drawing tabMark = glyphImage(spec("Symbol", 32, false, false, 2), "\xAE");
  const Drawing registered = glyphImage(spec("Arial", 32), "\xAE");
  EXPECT_NE(tabMark.ink(), CanvasRect{});
  EXPECT_NE(registered.ink(), CanvasRect{});
  EXPECT_NE(tabMark.image(), registered.image());
  // The arrow is half again as wide as it is high; the ® sign is round.
  const CanvasRect arrow = tabMark.ink();
  EXPECT_GT(2 * (arrow.right - arrow.left), 3 * (arrow.bottom - arrow.top));

  for (const auto& [font, text] : {std::pair{spec("Symbol", 32, false, false, 2), "\xBF"},
                                   std::pair{spec("Wingdings", 32, false, false, 2), "\x9F"},
                                   std::pair{spec("Times New Roman", 32), "\xB6"}}) {
    SCOPED_TRACE(font.faceName);
    EXPECT_NE(glyphImage(font, text).ink(), CanvasRect{});
  }
}

TEST(QtCanvas, SimulatedBoldWidensAndSimulatedItalicSlants) {
  const auto inkOf = [](const FontSpec& font) {
    Drawing d(100, 80);
    d.draw([&](QtCanvas& c) {
      c.setFont(font, false);
      c.textOut(20, 10, "|");  // a vertical bar in the Symbol face
    });
    return d;
  };
  ASSERT_TRUE(FontEngine::shared().resolve("Symbol", true, true).syntheticBold);
  const Drawing plain = inkOf(spec("Symbol", 48, false, false, 2));
  const Drawing bold = inkOf(spec("Symbol", 48, true, false, 2));
  const Drawing italic = inkOf(spec("Symbol", 48, false, true, 2));
  const CanvasRect p = plain.ink(), b = bold.ink(), i = italic.ink();
  EXPECT_EQ(b.left, p.left);
  EXPECT_GE(b.right - p.right, 2);  // 48 / 24 pixels wider
  // Slanted about the baseline: the top leans right, the bottom left.
  EXPECT_GT(i.right, p.right + 3);
  const int row = p.top + 1;
  int plainLeft = 0, italicLeft = 0;
  while (plain.at(plainLeft, row) == kWhite) ++plainLeft;
  while (italic.at(italicLeft, row) == kWhite && italicLeft < 99) ++italicLeft;
  EXPECT_GT(italicLeft, plainLeft + 3);
}

TEST(QtCanvas, StrikeOutRunsAcrossTheTextAboveTheBaseline) {
  FontEngine& fonts = FontEngine::shared();
  const FontSpec arial = spec("Arial", 40);
  const int width = fonts.textWidth(arial, "    ");
  const int ascent = fonts.metrics(arial).ascent;
  Drawing d(200, 100);
  d.draw([&](QtCanvas& c) {
    c.setFont(arial, true);
    c.setTextColor(kRed);
    c.textOut(10, 20, "    ");  // spaces: only the stroke has ink
  });
  const CanvasRect ink = d.ink();
  EXPECT_EQ(ink.left, 10);
  EXPECT_EQ(ink.right, 10 + width);
  EXPECT_GT(ink.top, 20 + ascent / 2);
  EXPECT_LT(ink.bottom, 20 + ascent);
  EXPECT_EQ(d.at(10, ink.top), kRed);
}

TEST(QtCanvas, ClipLimitsDrawingUntilCleared) {
  Drawing d;
  d.draw([](QtCanvas& c) {
    c.setClip({20, 10, 40, 30});
    c.fillRect({0, 0, 120, 80}, kRed);
    c.setFont(spec("Arial", 30), false);
    c.textOut(60, 10, "X");
    c.clearClip();
    c.fillRect({100, 70, 110, 80}, kBlue);
  });
  EXPECT_EQ(d.at(20, 10), kRed);
  EXPECT_EQ(d.at(39, 29), kRed);
  EXPECT_EQ(d.at(19, 10), kWhite);
  EXPECT_EQ(d.at(40, 29), kWhite);
  EXPECT_EQ(d.at(105, 75), kBlue);
  int ink = 0;
  for (int y = 0; y < 80; ++y) {
    for (int x = 0; x < 120; ++x) ink += d.at(x, y) != kWhite;
  }
  EXPECT_EQ(ink, 20 * 20 + 10 * 10);
}

TEST(QtCanvas, InvertFlipsEveryPixelOfTheRectangle) {
  Drawing d;
  d.draw([](QtCanvas& c) {
    c.fillRect({0, 0, 20, 80}, kRed);
    c.invertRect({10, 10, 30, 20});
    c.invertRect({50, 50, 60, 60});
    c.invertRect({50, 50, 55, 55});  // twice: back to white
  });
  EXPECT_EQ(d.at(10, 10), 0xFFFF00u);  // red becomes cyan
  EXPECT_EQ(d.at(25, 19), kBlack);     // white becomes black
  EXPECT_EQ(d.at(9, 10), kRed);
  EXPECT_EQ(d.at(30, 10), kWhite);
  EXPECT_EQ(d.at(52, 52), kWhite);
  EXPECT_EQ(d.at(57, 57), kBlack);
}

}  // namespace
}  // namespace vendaro
