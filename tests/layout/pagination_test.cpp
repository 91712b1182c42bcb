// Pagination: footnote areas at the bottom of the page, text passed along
// linked text boxes, and column sections balanced or filled.
#include <gtest/gtest.h>

#include "layout/layout_fixture.h"

namespace vendaro {
namespace {

using test::frameTexts;
using test::LayoutFixture;
using test::textLine;

TCharRec noteCell(uint8_t kind, uint16_t id) {
  TCharRec cell = test::textCell('1');
  cell.Kind = kind;
  cell.NoteID = id;
  return cell;
}

// A footnote area of `lines` 4 mm lines, the first starting with the mark.
int32_t addFootnoteArea(LayoutFixture& f, uint16_t id, int lines) {
  TFieldRec& area = f.doc.NewPage(false);
  area.FieldType = kFieldFooter;
  area.FootnoteNo = id;
  area.TopFromBottom = area.BottomFromBottom = 1;
  area.Top = 29.5;
  area.Bottom = 24.5;
  area.Lines.assign(static_cast<size_t>(lines), textLine("note"));
  area.Lines[0].Chars.insert(area.Lines[0].Chars.begin(), noteCell(kCellNoteNumber, id));
  return f.doc.FieldCount() - 1;
}

TEST(Footnotes, StackAtThePageBottomNewestLowestNumberedInTextOrder) {
  LayoutFixture f;
  f.body().MarginBottom = 10;
  f.body().Lines = {textLine("a"), textLine("b"), textLine("c")};
  f.body().Lines[0].Chars.push_back(noteCell(kCellNoteRef, 7));
  f.body().Lines[1].Chars.push_back(noteCell(kCellNoteRef, 9));
  f.body().Lines[2].Chars.push_back(noteCell(kCellNoteRef, 5));
  const int32_t areas[3] = {addFootnoteArea(f, 5, 2), addFootnoteArea(f, 7, 1), addFootnoteArea(f, 9, 100)};
  f.run();
  const TFieldRec& five = f.frame(areas[0]);
  const TFieldRec& seven = f.frame(areas[1]);
  const TFieldRec& tall = f.frame(areas[2]);
  const double half = f.doc.PageHeight / 2;  // the tall area is cut to half the paper
  EXPECT_DOUBLE_EQ(five.Bottom, 10);
  EXPECT_DOUBLE_EQ(five.Top, 18);
  EXPECT_DOUBLE_EQ(tall.Top, 18 + half);
  EXPECT_DOUBLE_EQ(seven.Bottom, 18 + half);
  EXPECT_DOUBLE_EQ(seven.Top, 22 + half);
  EXPECT_EQ(seven.SeparatorLine + 2 * tall.SeparatorLine + 4 * five.SeparatorLine, 1);
  EXPECT_EQ(f.body().Lines[1].Chars.back().ShownNumber, 2);
  EXPECT_EQ(f.body().Lines[2].Chars.back().ShownNumber, 3);
  EXPECT_EQ(five.Lines[0].Chars[0].ShownNumber, 3);
  EXPECT_TRUE(GettingOps(f.doc.Fonts[f.body().Lines[0].Chars.back().FontIndex].Attr, kAttrSuperscript));
}

TEST(Footnotes, AnAreaGoesWithItsLastReference) {
  LayoutFixture f;
  f.body().Bottom = 30;  // seven 4 mm lines fit
  f.body().Lines.assign(12, textLine("line"));
  f.body().Lines[1].Chars.push_back(noteCell(kCellNoteRef, 1));
  f.body().Lines[10].Chars.push_back(noteCell(kCellNoteRef, 2));
  addFootnoteArea(f, 1, 1);
  addFootnoteArea(f, 2, 1);
  const int32_t box = f.addTextBox(0, 100, 50, 150);
  f.placeCaret(box, 0, 0);
  f.run();
  EXPECT_EQ(f.body().LineCount(), 12);      // a page body keeps what does not fit
  EXPECT_GE(f.doc.GetFootNoteField(2), 0);  // and the footnotes referred to there
  f.body().Lines[1].Chars.pop_back();
  f.body().Lines[1].Dirty = 1;
  f.run();
  EXPECT_EQ(f.doc.GetFootNoteField(1), -1);
  EXPECT_EQ(f.doc.FieldCount(), 3);
  EXPECT_EQ(f.doc.CurField, box - 1);
}

TEST(LinkedTextBoxes, OverflowMovesToTheNextBoxWithTheCaret) {
  LayoutFixture f;
  const int32_t first = f.addTextBox(0, 0, 100, 20);  // five 4 mm lines
  const int32_t second = f.addTextBox(0, 50, 100, 100);
  f.link(first, second);
  f.frame(second).Lines = {textLine("", kLineEndSoft)};
  for (int i = 0; i < 8; ++i) f.frame(first).Lines.push_back(textLine("l" + std::to_string(i)));
  f.placeCaret(first, 6, 1);
  f.run();
  EXPECT_EQ(frameTexts(f.frame(first)), (std::vector<std::string>{"l0", "l1", "l2", "l3", "l4"}));
  EXPECT_EQ(frameTexts(f.frame(second)), (std::vector<std::string>{"l5", "l6", "l7"}));
  EXPECT_EQ(f.doc.CurField, second);
  EXPECT_EQ(f.doc.CurLine, 1);
  EXPECT_EQ(f.doc.CurChar, 1);
}

TEST(Columns, BalancedAboveMoreTextFilledAtTheFrameEnd) {
  for (const int lines : {10, 9}) {
    LayoutFixture f;
    f.body().Lines.assign(static_cast<size_t>(lines), textLine("c"));
    for (TLineRec& line : f.body().Lines) line.ColumnCount = 2;
    f.body().Lines.push_back(textLine("after"));
    f.run();
    const auto& l = f.body().Lines;
    for (int i = 0; i < lines; ++i) {
      EXPECT_EQ(l[i].ColumnIndex, i < 5 ? 0 : 1) << i;
      EXPECT_EQ(l[i].ColumnTop, i == 0 || i == 5 ? 1 : 0) << i;
      EXPECT_EQ(l[i].ColumnBottom, 0);
    }
    EXPECT_DOUBLE_EQ(l[5].ColumnX, 56.25);  // columns of (100 − 12.5) / 2
    EXPECT_DOUBLE_EQ(l[5].SepLeftX, 50);
    EXPECT_DOUBLE_EQ(l[5].ColumnBackY, 20);
    EXPECT_DOUBLE_EQ(l[static_cast<size_t>(lines - 1)].ColumnRestY, lines == 10 ? 0 : 4);
  }
  // At the end of a linked box the columns are filled; what lies beyond the
  // last column moves on.
  LayoutFixture f;
  const int32_t first = f.addTextBox(0, 0, 100, 20);
  const int32_t second = f.addTextBox(0, 50, 100, 100);
  f.link(first, second);
  for (int i = 0; i < 12; ++i) {
    f.frame(first).Lines.push_back(textLine("c" + std::to_string(i)));
    f.frame(first).Lines.back().ColumnCount = 2;
  }
  f.run();
  ASSERT_EQ(f.frame(first).LineCount(), 8);  // columns of 19 mm hold four lines each
  EXPECT_EQ(f.frame(first).Lines[3].ColumnBottom, 1);
  EXPECT_EQ(frameTexts(f.frame(second)).front(), "c8");
}

}  // namespace
}  // namespace vendaro
