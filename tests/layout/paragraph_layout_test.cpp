// Numbering, line heights and tables: what a layout run computes for whole
// paragraphs and table rows besides the breaks.
#include <gtest/gtest.h>

#include "layout/layout_fixture.h"

namespace vendaro {
namespace {

using test::frameTexts;
using test::LayoutFixture;
using test::textLine;
using Texts = std::vector<std::string>;

TLineRec cellLine(const std::string& text, int32_t cell, bool first, bool last, int32_t end = kLineEndParagraph) {
  TLineRec line = textLine(text, end);
  line.InTable = 1;
  line.RowCells = 2;
  line.CellIndex = cell;
  line.CellFirstLine = first ? 1 : 0;
  line.CellLastLine = last ? 1 : 0;
  return line;
}

TEST(Numbering, CountsPerTableColumnAndAcrossFrames) {
  LayoutFixture f;
  f.body().Lines = {textLine("a"), textLine("b"), textLine("plain"), textLine("c"), cellLine("d", 0, true, true),
                    cellLine("e", 1, true, true), cellLine("f", 0, true, true), cellLine("g", 1, true, true)};
  for (TLineRec& line : f.body().Lines) line.Para.ListKind = 2;
  f.body().Lines[2].Para.ListKind = 0;
  const int32_t box = f.addTextBox(0, 0, 50, 50);
  f.frame(box).Lines = {textLine("h")};
  f.frame(box).Lines[0].Para.ListKind = 2;
  f.run();
  std::vector<int32_t> numbers;
  for (const TLineRec& line : f.body().Lines) numbers.push_back(line.Para.ListKind == 2 ? line.Para.ListNumber : 0);
  EXPECT_EQ(numbers, (std::vector<int32_t>{1, 2, 0, 1, 2, 1, 3, 2}));
  EXPECT_EQ(f.frame(box).Lines[0].Para.ListNumber, 4);
}

TEST(LineHeights, FollowTheSpacingModeAndTheLastFontForEmptyLines) {
  LayoutFixture f;
  TFontRec big = f.doc.CurFont;
  big.Size = 20;
  f.body().Lines = {textLine("ab"), textLine("ab"), textLine("ab"), textLine(""), textLine("ab")};
  f.body().Lines[0].Para.LineSpacing = 1.5;
  f.body().Lines[1].Para.LineSpacingMode = 1;
  f.body().Lines[1].Para.LineSpacing = 6.0;
  f.body().Lines[2].Chars[1].FontIndex = f.doc.GetNewFontIndex(big);
  f.body().Lines[4].Para.LineSpacingMode = 2;
  f.body().Lines[4].Para.LineSpacing = 5.0;
  f.body().Lines[4].Chars[0].CharHeight = 30;
  f.run();
  const auto& lines = f.body().Lines;
  EXPECT_DOUBLE_EQ(lines[0].LineHeight, 6.0);
  EXPECT_DOUBLE_EQ(lines[1].LineHeight, 6.0);
  EXPECT_DOUBLE_EQ(lines[2].LineHeight, 4.0);
  EXPECT_DOUBLE_EQ(lines[3].LineHeight, f.doc.fontHeightMm(big));  // a space in the font before it
  EXPECT_DOUBLE_EQ(lines[4].LineHeight, 5.0);
  f.body().Lines = {textLine("")};
  f.run();
  EXPECT_DOUBLE_EQ(f.body().Lines[0].LineHeight, f.doc.fontHeightMm(f.doc.CurFont));
}

TEST(Tables, AWrappingCellMakesItsRowGroupsAsHighAsTheirTallestLine) {
  LayoutFixture f;
  // Two cells of 50 mm: ten cells to a line.
  f.body().Lines = {cellLine(std::string(25, 'c'), 0, true, true), cellLine("dd", 1, true, true), textLine("after")};
  f.body().Lines[1].Chars[0].CharHeight = 9;
  f.body().Lines[1].Para.SpaceBefore = 2;
  f.run();
  const auto& lines = f.body().Lines;
  ASSERT_EQ(frameTexts(f.body()), (Texts{"cccccccccc", "dd", "cccccccccc", "", "ccccc", "", "after"}));
  for (size_t i = 0; i < 6; ++i) {
    EXPECT_EQ(lines[i].CellFirstLine, i < 2 ? 1 : 0) << i;
    EXPECT_EQ(lines[i].CellLastLine, i >= 4 ? 1 : 0) << i;
    EXPECT_DOUBLE_EQ(lines[i].Para.SpaceBefore, 2.0) << i;
    EXPECT_DOUBLE_EQ(lines[i].LineHeight, i < 2 ? 9 : 4) << "padding lines too: " << i;
  }
  EXPECT_EQ(lines[4].LineEnd, kLineEndParagraph);  // the cell's end stays with its last piece
  EXPECT_EQ(lines[5].LineEnd, kLineEndSoft);
  const auto before = f.body().Lines;
  f.run();  // cells are joined and wrapped in every run, to the same lines
  EXPECT_EQ(f.body().Lines, before);
}

TEST(Tables, ParagraphsInsideACellKeepTheirBreaksAndFormats) {
  LayoutFixture f;
  f.body().Lines = {cellLine("aa", 0, true, false, kLineEndManual), cellLine("x", 1, true, false),
                    cellLine("bb", 0, false, false), cellLine("", 1, false, false, kLineEndSoft),
                    cellLine("cc", 0, false, true), cellLine("", 1, false, true, kLineEndSoft)};
  f.body().Lines[4].Para.LeftIndent = 3;
  f.placeCaret(0, 4, 1);
  f.run();
  const auto& lines = f.body().Lines;
  EXPECT_EQ(frameTexts(f.body()), (Texts{"aa", "x", "bb", "", "cc", ""}));
  EXPECT_EQ(lines[0].LineEnd, kLineEndManual);
  EXPECT_EQ(lines[2].LineEnd, kLineEndParagraph);
  EXPECT_DOUBLE_EQ(lines[2].Para.LeftIndent, 0);
  EXPECT_DOUBLE_EQ(lines[4].Para.LeftIndent, 3);
  EXPECT_EQ(f.doc.CurLine, 4);
  EXPECT_EQ(f.doc.CurChar, 1);
}

}  // namespace
}  // namespace vendaro
