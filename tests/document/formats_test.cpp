#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "document/page_setup.h"
#include "document/paragraph_format.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

// Body lines: 0 "eins" (manual break) 1 "zwei" (soft) 2 "drei" (paragraph end)
// 3 "vier" (page break) 4 "fünf" (paragraph end).
Document fiveLines() {
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "eins", kLineEndManual);
  test::appendTextLine(doc, 0, "zwei", kLineEndSoft);
  test::appendTextLine(doc, 0, "drei", kLineEndParagraph);
  test::appendTextLine(doc, 0, "vier", kLineEndPage);
  test::appendTextLine(doc, 0, "f\xfcnf", kLineEndParagraph);
  doc.ClearAllDirtyFlags();
  return doc;
}

void caretTo(Document& doc, int32_t field, int32_t line) {
  doc.CurField = doc.MarkField = field;
  doc.CurLine = doc.MarkLine = line;
  doc.CurChar = doc.MarkChar = 0;
}

TEST(ParagraphFormat, WritesEveryLineOfTheParagraphAcrossManualBreaks) {
  Document doc = fiveLines();
  caretTo(doc, 0, 1);
  ParagraphValues v = getabsatzformat(doc);
  v.Para.Alignment = 2;
  v.Para.Tabs = {{40.0, 3, 2}};
  setabsatzformat(doc, v, false, false);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(doc.Fields[0].Lines[i].Para.Alignment, 2) << i;
    EXPECT_EQ(doc.Fields[0].Lines[i].Para.TabCount(), 1) << i;
    EXPECT_EQ(doc.Fields[0].Lines[i].Dirty, 1) << i;
  }
  EXPECT_EQ(doc.Fields[0].Lines[3].Para.Alignment, 0);
  EXPECT_EQ(doc.Fields[0].Lines[3].Dirty, 0);
}

TEST(ParagraphFormat, PageBreakEndsTheParagraphOnBothSides) {
  Document doc = fiveLines();
  EXPECT_EQ(paragraphStart(doc, {0, 4}), (LinePos{0, 4}));
  EXPECT_EQ(paragraphStart(doc, {0, 3}), (LinePos{0, 3}));
  EXPECT_EQ(paragraphLines(doc, {0, 2}).size(), 3u);
  EXPECT_EQ(paragraphLines(doc, {0, 3}), (std::vector<LinePos>{{0, 3}}));
  caretTo(doc, 0, 3);
  ParagraphValues v = getabsatzformat(doc);
  v.Para.Alignment = 1;
  setabsatzformat(doc, v, false, false);
  EXPECT_EQ(doc.Fields[0].Lines[3].Para.Alignment, 1);
  EXPECT_EQ(doc.Fields[0].Lines[4].Para.Alignment, 0);
}

TEST(ParagraphFormat, ASelectionEndingAtALinesStartLeavesThatParagraphAlone) {
  for (const bool caretFirst : {false, true}) {
    SCOPED_TRACE(caretFirst);
    Document doc = fiveLines();
    // From the start of "eins" to cell 0 of "vier", as Shift+End on the
    // paragraph's last line leaves it.
    TextPos from{0, 0, 0}, to{0, 3, 0};
    if (caretFirst) std::swap(from, to);
    setAnchor(doc, from);
    setCaret(doc, to);
    ParagraphValues v = getabsatzformat(doc);
    v.Para.Alignment = 1;
    setabsatzformat(doc, v, false, false);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(doc.Fields[0].Lines[i].Para.Alignment, i < 3 ? 1 : 0) << i;
  }
  // One cell into the line is enough to take its paragraph.
  Document doc = fiveLines();
  setAnchor(doc, {0, 2, 4});
  setCaret(doc, {0, 3, 1});
  ParagraphValues v = getabsatzformat(doc);
  v.Para.Alignment = 2;
  setabsatzformat(doc, v, false, false);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(doc.Fields[0].Lines[i].Para.Alignment, i < 4 ? 2 : 0) << i;
}

TEST(ParagraphFormat, SelectionWritesEveryTouchedParagraphAndOnlyCaretLineWritesOne) {
  Document doc = fiveLines();
  caretTo(doc, 0, 4);
  doc.CurChar = 2;
  doc.MarkLine = 1;
  ParagraphValues v = getabsatzformat(doc);
  v.Para.SpaceBefore = 3.0;
  setabsatzformat(doc, v, false, false);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(doc.Fields[0].Lines[i].Para.SpaceBefore, 3.0) << i;

  caretTo(doc, 0, 1);
  v.Para.SpaceBefore = 7.0;
  setabsatzformat(doc, v, false, true);
  EXPECT_EQ(doc.Fields[0].Lines[1].Para.SpaceBefore, 7.0);
  EXPECT_EQ(doc.Fields[0].Lines[0].Para.SpaceBefore, 3.0);
}

TEST(ParagraphFormat, ParagraphsContinueThroughChainedFrames) {
  Document doc = test::newWindowDocument();
  doc.NewPage(false).FieldType = kFieldTextBox;  // 7
  doc.NewPage(false).FieldType = kFieldTextBox;  // 8
  doc.Fields[7].NextField = 8;
  doc.Fields[8].PrevField = 7;
  test::appendTextLine(doc, 7, "Anfang", kLineEndSoft);
  test::appendTextLine(doc, 8, "Ende", kLineEndParagraph);
  std::vector<LinePos> lines = paragraphLines(doc, {8, 0});
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], (LinePos{7, 0}));
}

TEST(ParagraphFormat, TableCellsStepByRowCellsAndStopAtCellBounds) {
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "davor", kLineEndParagraph);
  // Two cells of two lines each, interleaved: a0 b0 a1 b1.
  for (int i = 0; i < 4; ++i) {
    test::appendTextLine(doc, 0, "x", i >= 2 ? kLineEndParagraph : kLineEndSoft);
    TLineRec& l = doc.Fields[0].Lines.back();
    l.InTable = 1;
    l.RowCells = 2;
    l.CellIndex = i % 2;
    l.CellFirstLine = i < 2;
    l.CellLastLine = i >= 2;
  }
  test::appendTextLine(doc, 0, "danach", kLineEndParagraph);
  std::vector<LinePos> cellB = paragraphLines(doc, {0, 4});
  ASSERT_EQ(cellB.size(), 2u);
  EXPECT_EQ(cellB[0].line, 2);
  EXPECT_EQ(cellB[1].line, 4);
  EXPECT_EQ(tableRowLines(doc, {0, 3}).size(), 4u);

  caretTo(doc, 0, 1);
  ParagraphValues v = getabsatzformat(doc);
  v.ColumnCount = 2;
  setabsatzformat(doc, v, true, false);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(doc.Fields[0].Lines[i].ColumnCount, 2) << i;
  EXPECT_EQ(doc.Fields[0].Lines[0].ColumnCount, 0);
}

TEST(ParagraphFormat, ColumnSectionsCompareAllThreeValues) {
  Document doc = fiveLines();
  for (TLineRec& l : doc.Fields[0].Lines) l.ColumnCount = 2;
  doc.Fields[0].Lines[3].ColumnGap = 12.6;
  EXPECT_TRUE(isfirstSpaltenrow(doc, 0, 0));
  EXPECT_FALSE(isfirstSpaltenrow(doc, 0, 2));
  EXPECT_TRUE(isfirstSpaltenrow(doc, 0, 3));
  EXPECT_TRUE(isfirstSpaltenrow(doc, 0, 4));
}

TEST(ParagraphFormat, LineSpacingListAndBulletToggle) {
  TParaFormat p;
  applyLineSpacingChoice(p, kSpacingMultiple, 1.0);
  EXPECT_EQ(lineSpacingChoice(p), kSpacingSingle);
  applyLineSpacingChoice(p, kSpacingExactly, 7.5);
  EXPECT_EQ(p.LineSpacingMode, 2);
  EXPECT_EQ(lineSpacingChoice(p), kSpacingExactly);
  applyLineSpacingChoice(p, kSpacingMultiple, 1.2);
  EXPECT_EQ(lineSpacingChoice(p), kSpacingMultiple);
  p.BulletChar = 'x';
  toggleListKind(p, 1);
  EXPECT_EQ(p.ListKind, 1);
  EXPECT_EQ(p.BulletChar, 159);
  toggleListKind(p, 2);
  EXPECT_EQ(p.ListKind, 2);
  toggleListKind(p, 2);
  EXPECT_EQ(p.ListKind, 0);
}

TEST(PageSetup, MarginsRiseToHeaderAndFooterDistances) {
  Document doc = test::newWindowDocument();
  PageSetupValues v = currentPageSetup(doc);
  v.MarginTop = 10.0;
  v.HeaderDistance = 15.0;
  v.MarginBottom = 20.0;
  v.FooterDistance = 8.0;
  v.PageWidth = 841.0;
  v.PageHeight = 1189.0;
  applyPageSetup(doc, v, true);
  EXPECT_EQ(doc.Fields[0].MarginTop, 15.0);
  EXPECT_EQ(doc.Fields[0].MarginBottom, 20.0);
  for (int pair = 0; pair < 3; ++pair) {
    EXPECT_EQ(doc.Fields[1 + 2 * pair].Bottom, 14.5);
    EXPECT_EQ(doc.Fields[1 + 2 * pair].MarginTop, 15.0);
    EXPECT_EQ(doc.Fields[2 + 2 * pair].Top, 19.5);
    EXPECT_EQ(doc.Fields[2 + 2 * pair].MarginBottom, 8.0);
  }
  EXPECT_EQ(doc.PageWidthPx, static_cast<int32_t>(841.0 / kMmPerInch * 600));
}

TEST(PageSetup, OnlyMarginsThatLeaveRoomForTextAreAccepted) {
  PageSetupValues a0;
  a0.PageWidth = 841.0;
  a0.PageHeight = 1189.0;
  a0.MarginLeft = a0.MarginRight = a0.MarginTop = a0.MarginBottom = 500.0;
  EXPECT_FALSE(leavesTextArea(a0));
  PageSetupValues a4;
  a4.MarginLeft = a4.MarginRight = a4.MarginTop = a4.MarginBottom = 100.0;
  EXPECT_TRUE(leavesTextArea(a4));
  // Margins that just reach the width leave nothing.
  a4.MarginRight = 110.0;
  EXPECT_FALSE(leavesTextArea(a4));
  a4.MarginRight = 100.0;
  // A header distance beyond the top margin pushes the text down as far.
  a4.HeaderDistance = 197.0;
  EXPECT_FALSE(leavesTextArea(a4));
  a4.HeaderDistance = 196.0;
  EXPECT_TRUE(leavesTextArea(a4));
}

TEST(PageSetup, HeaderFooterModesSetThePairsAndReadBack) {
  const uint8_t expected[4][3] = {{99, 99, 1}, {0, 99, 2}, {99, 3, 4}, {0, 5, 6}};
  for (int mode = 0; mode < 4; ++mode) {
    Document doc = test::newWindowDocument();
    PageSetupValues v = currentPageSetup(doc);
    v.Mode = static_cast<HeaderFooterMode>(mode);
    applyPageSetup(doc, v, false);
    for (int pair = 0; pair < 3; ++pair) {
      EXPECT_EQ(doc.Fields[1 + 2 * pair].ShowOn, expected[mode][pair]);
      EXPECT_EQ(doc.Fields[2 + 2 * pair].ShowOn, expected[mode][pair]);
    }
    EXPECT_EQ(headerFooterMode(doc), mode);
  }
}

TEST(PageSetup, FootnoteAreasFollowTheBodyAndMissingPairsAreSkipped) {
  Document doc = test::newWindowDocument();
  TFieldRec& note = doc.NewPage(true);
  note.FieldType = kFieldFooter;
  note.FootnoteNo = 1;
  doc.Fields[0].MarginLeft = 40.0;
  PageOpenSetup(doc);
  EXPECT_EQ(doc.Fields[7].MarginLeft, 40.0);
  EXPECT_EQ(doc.Fields[1].MarginLeft, 40.0);

  Document bare = test::newWindowDocument();
  bare.Fields.resize(2);  // a file may bring fewer frames
  PageOpenSetup(bare);
  EXPECT_EQ(bare.Fields[1].MarginTop, 11.0);
}

}  // namespace
}  // namespace vendaro
