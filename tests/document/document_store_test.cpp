#include <gtest/gtest.h>

#include "document/cell_measurer.h"
#include "document/document.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

TEST(DocumentStore, NewWindowHasBodyAndThreeHeaderFooterPairs) {
  Document doc = test::newWindowDocument();
  ASSERT_EQ(doc.FieldCount(), 7);
  EXPECT_EQ(doc.Fields[0].FieldType, kFieldBody);
  EXPECT_EQ(doc.Fields[0].LineCount(), 1);
  EXPECT_EQ(doc.Fields[0].BottomFromBottom, 1);
  EXPECT_EQ(doc.Fields[0].RightFromRight, 1);
  const uint8_t showOn[] = {99, 99, 99, 99, 1, 1};
  for (int i = 1; i <= 6; ++i) {
    EXPECT_EQ(doc.Fields[i].FieldType, i % 2 ? kFieldHeader : kFieldFooter) << i;
    EXPECT_EQ(doc.Fields[i].ShowOn, showOn[i - 1]) << i;
    EXPECT_EQ(doc.Fields[i].LineCount(), 1) << i;
  }
  EXPECT_EQ(doc.GetAnzPages(), 1);
  EXPECT_EQ(doc.PageWidthPx, 4960);
  EXPECT_EQ(doc.PageHeightPx, 7015);
  // The body covers the whole paper; the footer sits at its bottom.
  FrameBounds body = doc.fieldBounds(doc.Fields[0]);
  EXPECT_NEAR(body.x2, 210.0, 0.05);  // whole printer pixels
  EXPECT_NEAR(body.y2, 297.0, 0.05);
  FrameBounds footer = doc.fieldBounds(doc.Fields[2]);
  EXPECT_NEAR(footer.y1, doc.paperHeightMm() - 24.5, 1e-9);
}

TEST(DocumentStore, DamagedPageNumbersMakeNoPages) {
  Document doc = test::newWindowDocument();
  doc.NewPage(true).PageNo = 9999;
  EXPECT_EQ(doc.GetAnzPages(), 10000);
  doc.Fields.back().PageNo = 2000000000;
  EXPECT_EQ(doc.GetAnzPages(), 1);
  doc.Fields.back().PageNo = -5;
  EXPECT_EQ(doc.GetAnzPages(), 1);
}

TEST(DocumentStore, EqualFormatsShareOneFontEntry) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "ab");
  EXPECT_EQ(doc.FontCount(), 1);
  doc.CurFont.Color = 0x0000FF;
  test::appendTextLine(doc, 0, "c");
  EXPECT_EQ(doc.FontCount(), 2);
  doc.CurFont.Color = 0;
  test::appendTextLine(doc, 0, "d");
  EXPECT_EQ(doc.FontCount(), 2);
  EXPECT_EQ(doc.Fields[0].Lines[2].Chars[0].FontIndex, 0);
}

TEST(DocumentStore, FontLookupAnswersTheFirstEqualEntry) {
  FontTable table;
  TFontRec a = defaultCurFont();
  TFontRec b = a;
  b.Size = -0.0;
  TFontRec c = a;
  c.Size = 0.0;
  table.assign({a, b, a, c});
  EXPECT_EQ(table.GetNewFontIndex(a), 0);
  EXPECT_EQ(table.GetNewFontIndex(c), 1);  // −0.0 equals 0.0 as a double
  TFontRec renamed = a;
  SetPCharText(renamed.Name, "arial black");  // names are compared case-sensitively
  EXPECT_EQ(table.GetNewFontIndex(renamed), 4);
  EXPECT_EQ(table.size(), 5);
}

TEST(DocumentStore, NewCharAppendsALineAtTheEndAndRefusesBadCarets) {
  Document doc = test::newWindowDocument();
  doc.CurField = 0;
  doc.CurLine = 1;  // == LineCount
  doc.CurChar = 0;
  ASSERT_NE(doc.NewChar(), nullptr);
  EXPECT_EQ(doc.Fields[0].LineCount(), 2);
  doc.CurLine = 3;
  EXPECT_EQ(doc.NewChar(), nullptr);
  doc.CurLine = 1;
  doc.CurChar = 5;
  EXPECT_EQ(doc.NewChar(), nullptr);
  doc.CurField = 7;
  doc.CurChar = 0;
  EXPECT_EQ(doc.NewChar(), nullptr);
  EXPECT_EQ(doc.Fields[0].Lines[1].CharCount(), 1);
}

TEST(DocumentStore, DeletingAChainedFrameUnlinksAndRenumbers) {
  Document doc = test::newWindowDocument();
  for (int i = 0; i < 3; ++i) doc.NewPage(true).FieldType = kFieldTextBox;  // frames 7, 8, 9
  doc.Fields[7].NextField = 8;
  doc.Fields[8].PrevField = 7;
  doc.Fields[8].NextField = 9;
  doc.Fields[9].PrevField = 8;
  doc.NewPage(true);  // 10
  doc.Fields[10].PrevField = 9;  // a link above the deleted frame moves down
  doc.DeleteField(8);
  ASSERT_EQ(doc.FieldCount(), 10);
  EXPECT_EQ(doc.Fields[7].NextField, -1);
  EXPECT_EQ(doc.Fields[8].PrevField, -1);  // former frame 9
  EXPECT_EQ(doc.Fields[9].PrevField, 8);
}

TEST(DocumentStore, NullAndEmptyStringsDiffer) {
  NullableString s;
  EXPECT_TRUE(s.isNull());
  SetPCharText(s, "");
  EXPECT_FALSE(s.isNull());
  EXPECT_EQ(*s, "");
  NullableString copy = s;
  SetPCharText(s, "x");
  EXPECT_EQ(*copy, "");  // copies own their text
}

TEST(DocumentStore, LaterFramesStartAsACopyOfTheBody) {
  Document doc = test::newWindowDocument();
  doc.Fields[0].MarginLeft = 33.0;
  doc.Fields[0].PrevField = 4;
  TFieldRec& frame = doc.NewPage(false);
  EXPECT_EQ(frame.MarginLeft, 33.0);
  EXPECT_EQ(frame.LineCount(), 0);
  EXPECT_EQ(frame.PrevField, -1);
  EXPECT_EQ(doc.GetFieldofPage(0), 7);  // the last body frame of page 0
  EXPECT_EQ(doc.GetFieldofPage(3), 0);
  EXPECT_EQ(doc.GetFootNoteField(1), -1);
}

TEST(CellMeasuring, WidthIsSumOfCharactersAndCaseEffectsMeasureTheShownText) {
  Document doc = test::newWindowDocument();
  doc.CurFont.Size = 12.0;
  test::appendTextLine(doc, 0, "aA");
  const TLineRec line = doc.Fields[0].Lines[0];
  const double a = line.Chars[0].CharWidth, capitalA = line.Chars[1].CharWidth;
  EXPECT_GT(a, 0);
  EXPECT_GT(line.Chars[0].CharHeight, 0);
  TCharRec pair = line.Chars[0];
  doc.RenderChar(pair, false, "aA");
  EXPECT_DOUBLE_EQ(pair.CharWidth, a + capitalA);

  SettingOps(doc.CurFont.Attr, kAttrAllCaps, true);
  test::appendTextLine(doc, 0, "a");
  EXPECT_DOUBLE_EQ(doc.Fields[0].Lines[1].Chars[0].CharWidth, capitalA);
  EXPECT_DOUBLE_EQ(doc.Fields[0].Lines[1].Chars[0].CharHeight, line.Chars[0].CharHeight);
}

TEST(CellMeasuring, ReducedSizesRoundHalvesToEven) {
  TFontRec font = defaultCurFont();
  font.Size = 10.0;
  SettingOps(font.Attr, kAttrSmallCaps, true);
  SettingOps(font.Attr, kAttrSuperscript, true);
  EXPECT_EQ(widthPointSize(font), 4.0);  // 10 × 0.75 × 0.6 = 4.5
  font.Size = 0.5;
  EXPECT_EQ(widthPointSize(font), 1.0);  // never below one point
  font.Attr = 0;
  font.Size = 7.5;
  EXPECT_EQ(widthPointSize(font), 8.0);
}

TEST(CellMeasuring, SuperscriptMovesOnlyTheMarkToARaisedFont) {
  Document doc = test::newWindowDocumentWithoutStyles();
  test::appendTextLine(doc, 0, "x1y");
  TLineRec& line = doc.Fields[0].Lines[0];
  const double normalWidth = line.Chars[1].CharWidth;
  doc.RenderChar(line.Chars[1], true, "1");
  EXPECT_EQ(doc.FontCount(), 2);
  EXPECT_TRUE(GettingOps(doc.Fonts[line.Chars[1].FontIndex].Attr, kAttrSuperscript));
  EXPECT_LT(line.Chars[1].CharWidth, normalWidth);
  EXPECT_EQ(line.Chars[0].FontIndex, 0);
  EXPECT_EQ(line.Chars[2].FontIndex, 0);
}

TEST(CellMeasuring, CopiesMeasureTheirOwnFontTable) {
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "W");
  Document snapshot = doc;
  doc.CurFont.Size = 96.0;
  test::appendTextLine(doc, 0, "W");  // font 1 in the original
  snapshot.CurFont.Size = 8.0;
  test::appendTextLine(snapshot, 0, "W");  // font 1 in the copy, a different size
  EXPECT_GT(doc.Fields[0].Lines[1].Chars[0].CharWidth, snapshot.Fields[0].Lines[1].Chars[0].CharWidth * 5);
}

}  // namespace
}  // namespace vendaro
