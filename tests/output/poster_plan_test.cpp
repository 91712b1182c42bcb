// The sheet walk of poster printing: how many sheets, where each starts,
// its rectangle and its cut and glue lines, for overlapping and plain
// sheets, pages that fit the paper and selected single sheets.
#include "output/poster_plan.h"

#include <gtest/gtest.h>

#include <random>

#include "document/records.h"
#include "support/property_seeds.h"

namespace vendaro {

// Failures name a line by its ends and pen style.
void PrintTo(const SheetLine& l, std::ostream* out) {
  *out << "(" << l.x1 << "," << l.y1 << ")-(" << l.x2 << "," << l.y2 << ") style " << static_cast<int>(l.style);
}

namespace {

constexpr int kDpi = 600;
// Millimetres that come out as exactly `pixels` at 600 dpi.
double mmOf(int pixels) { return pixels * kMmPerInch / kDpi; }

// A large paper, so that nothing below fits on one sheet unless it says so.
constexpr PixelSize kBigPaper{100000, 100000};

PosterPlan plan(int width, int height, PixelSize sheet, const PosterSettings& settings = {},
                PixelSize paper = kBigPaper) {
  return planPoster(mmOf(width), mmOf(height), kDpi, sheet, paper, settings);
}

// Pages bigger than the paper, so that they are tiled over printable areas.
PosterPlan tiled(int width, int height, PixelSize sheet, const PosterSettings& settings = {}) {
  return plan(width, height, sheet, settings, {sheet.width + 100, sheet.height + 100});
}

std::vector<std::pair<int, int>> origins(const PosterPlan& p) {
  std::vector<std::pair<int, int>> found;
  for (const PosterSheet& s : p.sheets) found.emplace_back(s.x, s.y);
  return found;
}

TEST(PosterPlan, WorkedExampleGivesFourSheetsTwoByTwo) {
  const PosterPlan p = tiled(4000, 5000, {3000, 4000});
  EXPECT_EQ(p.poster.width, 4000);
  EXPECT_EQ(p.poster.height, 5000);
  EXPECT_EQ(p.step.width, 2850);
  EXPECT_EQ(p.step.height, 3800);
  EXPECT_FALSE(p.fullPage);
  EXPECT_EQ(p.columns, 2);
  EXPECT_EQ(p.rows, 2);
  const std::vector<std::pair<int, int>> expected{{0, 0}, {2850, 0}, {0, 3800}, {2850, 3800}};
  EXPECT_EQ(origins(p), expected);
  // The first sheet keeps its overlap; the last column and row reach the
  // printable edge.
  EXPECT_EQ(p.sheets[0].rect, (CanvasRect{0, 0, 2849, 3799}));
  EXPECT_EQ(p.sheets[3].rect, (CanvasRect{0, 0, 2999, 3999}));
  EXPECT_TRUE(p.sheets[3].lastColumn && p.sheets[3].lastRow);
  EXPECT_EQ(posterReport(static_cast<int>(p.sheets.size()), p.columns, p.rows),
            "Es wurden 4 Seiten von 2 x 2 Seiten zum Drucker gesendet!");
}

TEST(PosterPlan, PosterSizeRoundsMillimetresToPrinterPixels) {
  // A0 is 841 × 1189 mm: 19865.4… and 28086.6… pixels at 600 dpi.
  const PosterPlan p = planPoster(841.0, 1189.0, kDpi, {4700, 6800}, {4960, 7015}, {});
  EXPECT_EQ(p.poster.width, 19866);
  EXPECT_EQ(p.poster.height, 28087);
}

TEST(PosterPlan, PageThatFitsThePaperIsOneSheetOnTheWholePaper) {
  // An A4 page on A4 paper whose printable area is smaller: one sheet,
  // placed on the paper as designed, not four sheets of printable area.
  const PosterPlan p = planPoster(210.0, 297.0, kDpi, {4760, 6815}, {4961, 7016}, {});
  ASSERT_TRUE(p.fullPage);
  ASSERT_EQ(p.sheets.size(), 1u);
  EXPECT_EQ(p.sheets[0].rect, (CanvasRect{0, 0, 4960, 7015}));
  EXPECT_TRUE(p.sheets[0].lastColumn && p.sheets[0].lastRow);
  EXPECT_TRUE(p.sheets[0].lines.empty()) << "a lone sheet is all poster edge";
  EXPECT_EQ(p.columns, 1);
  EXPECT_EQ(p.rows, 1);
  PosterSettings drawEdges;
  drawEdges.noEdgeLines = false;
  EXPECT_EQ(planPoster(210.0, 297.0, kDpi, {4760, 6815}, {4961, 7016}, drawEdges).sheets[0].lines.size(), 8u);
}

TEST(PosterPlan, FullPageToleratesHalfAMillimetre) {
  const PixelSize paper{4961, 7016};
  EXPECT_TRUE(planPoster(210.4, 297.4, kDpi, {4700, 6800}, paper, {}).fullPage);
  const PosterPlan over = planPoster(210.6, 297.0, kDpi, {4700, 6800}, paper, {});
  EXPECT_FALSE(over.fullPage);
  EXPECT_EQ(over.columns, 2);
}

TEST(PosterPlan, ExactMultiplesOfTheSheet) {
  PosterSettings plain;
  plain.glueMargin = false;
  // Two sheets wide without overlap: two columns, the second ending exactly
  // at its edge.
  const PosterPlan without = tiled(6000, 4000, {3000, 4000}, plain);
  EXPECT_EQ(without.columns, 2);
  EXPECT_EQ(without.rows, 1);
  EXPECT_TRUE(without.sheets[1].lastColumn);
  // With the overlap the second sheet starts at 2850 and ends at 5850: a
  // third column is needed.
  const PosterPlan with = tiled(6000, 4000, {3000, 4000});
  EXPECT_EQ(with.columns, 3);
  EXPECT_EQ(with.sheets[2].x, 5700);
  // A page exactly one sheet wide ends at the first sheet's edge: one
  // column, whose right edge is a poster edge and carries no glue line.
  const PosterPlan single = tiled(3000, 8000, {3000, 4000});
  EXPECT_EQ(single.columns, 1);
  EXPECT_TRUE(single.sheets[0].lastColumn);
  for (const SheetLine& line : single.sheets[0].lines) EXPECT_FALSE(line.x1 == line.x2) << "no vertical glue line";
}

TEST(PosterPlan, PosterEndingAtAnOverlapEdgeNeedsNoExtraSheet) {
  // 2850 + 3000: the second column reaches the poster's end exactly.
  const PosterPlan p = tiled(5850, 4000, {3000, 4000});
  EXPECT_EQ(p.columns, 2);
  EXPECT_TRUE(p.sheets[1].lastColumn);
}

TEST(PosterPlan, OneSelectedSheetStillCountsTheWholePoster) {
  PosterSettings one;
  one.allSheets = false;
  one.column = 1;
  one.row = 0;
  const PosterPlan p = tiled(4000, 5000, {3000, 4000}, one);
  ASSERT_EQ(p.sheets.size(), 1u);
  EXPECT_EQ(p.sheets[0].x, 2850);
  EXPECT_EQ(p.sheets[0].y, 0);
  EXPECT_EQ(p.columns, 2);
  EXPECT_EQ(p.rows, 2);
  one.column = 5;
  const PosterPlan outside = tiled(4000, 5000, {3000, 4000}, one);
  EXPECT_TRUE(outside.sheets.empty());
  EXPECT_EQ(outside.columns, 2);
}

// Lines as (x1, y1, x2, y2, style) of the top-right sheet of the worked
// example: cut pair at its left (not its top, the poster's top), no glue
// line at its right (the poster's right), a glue pair above its bottom.
TEST(PosterPlan, LinePositionsAndPenStyles) {
  const PosterPlan p = tiled(4000, 5000, {3000, 4000});
  const PosterSheet& sheet = p.sheets[1];
  ASSERT_EQ(sheet.rect, (CanvasRect{0, 0, 2999, 3799}));
  const std::vector<SheetLine> expected{{0, 0, 0, 3799, PenStyle::dot},
                                        {1, 0, 1, 3799, PenStyle::dot},
                                        {0, 3798, 2999, 3798, PenStyle::dashDot},
                                        {0, 3797, 2999, 3797, PenStyle::dashDot}};
  EXPECT_EQ(sheet.lines, expected);

  PosterSettings all;
  all.noEdgeLines = false;
  const PosterPlan everything = tiled(4000, 5000, {3000, 4000}, all);
  const PosterSheet& first = everything.sheets[0];
  const std::vector<SheetLine> everyLine{{0, 0, 2849, 0, PenStyle::dot},
                                         {0, 1, 2849, 1, PenStyle::dot},
                                         {0, 0, 0, 3799, PenStyle::dot},
                                         {1, 0, 1, 3799, PenStyle::dot},
                                         {0, 3798, 2849, 3798, PenStyle::dashDot},
                                         {0, 3797, 2849, 3797, PenStyle::dashDot},
                                         {2848, 0, 2848, 3799, PenStyle::dashDot},
                                         {2847, 0, 2847, 3799, PenStyle::dashDot}};
  EXPECT_EQ(first.lines, everyLine);
}

TEST(PosterPlan, LineKindsFollowTheirCheckBoxes) {
  PosterSettings noCut;
  noCut.cutLines = false;
  noCut.noEdgeLines = false;
  const PosterPlan glueOnly = tiled(4000, 5000, {3000, 4000}, noCut);
  for (const SheetLine& line : glueOnly.sheets[3].lines) EXPECT_EQ(line.style, PenStyle::dashDot);
  PosterSettings noGlue = noCut;
  noGlue.cutLines = true;
  noGlue.glueLines = false;
  const PosterPlan cutOnly = tiled(4000, 5000, {3000, 4000}, noGlue);
  for (const SheetLine& line : cutOnly.sheets[3].lines) EXPECT_EQ(line.style, PenStyle::dot);
}

TEST(PosterPlan, DegenerateSizesPrintNothingAndEnd) {
  EXPECT_TRUE(tiled(4000, 5000, {0, 4000}).sheets.empty());
  EXPECT_TRUE(tiled(0, 5000, {3000, 4000}).sheets.empty());
  // Sheets of a pixel still walk the poster to its end.
  const PosterPlan tiny = plan(30, 20, {1, 1}, {}, {10, 10});
  EXPECT_EQ(tiny.columns, 30);
  EXPECT_EQ(tiny.rows, 20);
}

// The walk against what it must achieve, for random posters and sheets:
// the sheets of a row start one step apart and reach the poster's end
// without a gap, only the last one reaches it, and every position of
// the grid is printed once.
TEST(PosterPlan, RandomPostersAreCoveredWithoutGapsOrSurplusSheets) {
  const unsigned seeds = test::propertySeeds(100);
  for (unsigned seed = 0; seed < seeds; ++seed) {
    std::mt19937 random(seed);
    const auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    const PixelSize sheet{pick(20, 400), pick(20, 400)};
    PosterSettings settings;
    settings.glueMargin = pick(0, 1) == 1;
    const PosterPlan p = tiled(pick(1, 2000), pick(1, 2000), sheet, settings);
    SCOPED_TRACE("seed " + std::to_string(seed));
    ASSERT_EQ(static_cast<int>(p.sheets.size()), p.columns * p.rows);
    for (const PosterSheet& s : p.sheets) {
      // A page that fits the paper is one sheet of paper size.
      const int reach = s.x + (s.lastColumn ? p.sheet.width : p.step.width);
      EXPECT_EQ(s.lastColumn, p.poster.width <= s.x + p.sheet.width);
      EXPECT_EQ(s.lastRow, p.poster.height <= s.y + p.sheet.height);
      EXPECT_EQ(s.x, s.column * p.step.width);
      EXPECT_EQ(s.y, s.row * p.step.height);
      EXPECT_LT(s.x, p.poster.width);
      EXPECT_EQ(s.lastColumn, s.column == p.columns - 1);
      if (s.lastColumn) {
        EXPECT_GE(reach, p.poster.width);
      }
    }
  }
}

}  // namespace
}  // namespace vendaro
