// The settle step before output: page numbers and text flow are finished by
// paints and layout passes until a print paint of any page asks for nothing,
// and the window's own paint state stays as it was; objects that move with
// the text are tied to the lines a screen paint ties them to.
#include <gtest/gtest.h>

#include <algorithm>

#include "document/floating_objects.h"
#include "editing/settle_layout.h"
#include "layout/page_painter.h"
#include "platform/null_canvas.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

class SettleLayout : public ::testing::Test {
 protected:
  SettleLayout() : editor(host) { editor.FormCreate(); }

  Document& doc() { return editor.doc(); }

  // Whether a print paint of any page would still ask for a layout pass.
  bool anyPageAsksForLayout() {
    NullCanvas canvas(600);
    PaintState scratch;
    for (int32_t page = 0; page < std::max(doc().GetAnzPages(), 1); ++page)
      if (DrawPages(doc(), canvas, editor.viewOptions(), scratch, true, 0, 0, page).wantsLayout()) return true;
    return false;
  }

  void addPageField(int32_t field) {
    TFontRec font = doc().CurFont;
    SetPCharText(font.Name, "Arial");
    font.Size = 20.0;
    TCharRec cell;
    cell.Kind = kCellField;
    cell.FontIndex = doc().GetNewFontIndex(font);
    SetPCharText(cell.Code, "page");
    SetPCharText(cell.Text, "");
    TLineRec& line = doc().Fields[static_cast<size_t>(field)].Lines[0];
    line.Chars.push_back(cell);
    line.Dirty = 1;
  }

  test::RecordingHost host;
  Editor editor;
};

TEST_F(SettleLayout, PageNumberOfATenthPageTakesItsWidth) {
  // The painter on its own: without the field update reserving room first.
  editor.setFieldRefreshHook({});
  doc().Fields[0].PageNo = 9;  // "10" is wider than the "1" nobody painted yet
  addPageField(0);
  editor.RefreshContent();
  const double widthBefore = doc().Fields[0].Lines[0].Chars[0].CharWidth;
  const int repaints = host.repaints;
  EXPECT_FALSE(settleLayout(editor).wantsLayout());
  EXPECT_GT(host.repaints, repaints);  // the window shows the new layout
  const TCharRec& cell = doc().Fields[0].Lines[0].Chars[0];
  EXPECT_EQ(textOf(cell.Text), "10");
  EXPECT_GT(cell.CharWidth, widthBefore);
  EXPECT_FALSE(anyPageAsksForLayout());
}

TEST_F(SettleLayout, TextFlowsAroundABoxBeforeOutputAndWindowStateStays) {
  test::appendTextLine(doc(), 0, "Text neben dem Kasten, lang genug um mehrmals umzubrechen, neben dem Kasten");
  test::appendFrame(doc(), kFieldTextBox, 20, 20, 60, 200).WrapText = 1;
  editor.RefreshContent();
  ASSERT_TRUE(anyPageAsksForLayout());

  editor.paintState().caret = CaretRect{11, 22, 2, 33};
  editor.paintState().sideLists.AddMouseObj(1, 1, 2, 3, 4);
  const size_t mouseObjects = editor.paintState().sideLists.MouseObjs.size();
  EXPECT_FALSE(settleLayout(editor).wantsLayout());
  EXPECT_FALSE(anyPageAsksForLayout());
  EXPECT_GT(doc().Fields[0].Lines.back().Chars[0].FlowShift, 30.0);
  EXPECT_EQ(editor.paintState().caret, (CaretRect{11, 22, 2, 33}));
  EXPECT_EQ(editor.paintState().sideLists.MouseObjs.size(), mouseObjects);
}

// Three paragraphs and a box beside the second, free (not tied to a line).
int32_t buildBoxBesideText(Editor& editor) {
  Document& doc = editor.doc();
  for (const char* text : {"Erster Absatz", "Zweiter Absatz", "Dritter Absatz"}) test::appendTextLine(doc, 0, text);
  TFieldRec& box = test::appendFrame(doc, kFieldTextBox, 120, 32, 160, 50);
  box.WrapText = 0;
  box.MoveWithText = 1;
  box.AnchorID = 0;
  editor.RefreshContent();
  return doc.FieldCount() - 1;
}

// The body line carrying the object's anchor id, -1 when none does.
int32_t anchorLineOf(const Document& doc, const TFieldRec& object) {
  if (object.AnchorID < kFirstAnchorId) return -1;
  const LineList& lines = doc.Fields[0].Lines;
  for (size_t i = 0; i < lines.size(); ++i)
    if (lines[i].AnchorID == object.AnchorID) return static_cast<int32_t>(i);
  return -1;
}

TEST_F(SettleLayout, TiesObjectsToTheLinesAScreenPaintTiesThemTo) {
  const int32_t box = buildBoxBesideText(editor);
  TFieldRec& fixed = test::appendFrame(doc(), kFieldRectangle, 120, 80, 150, 90);
  fixed.MoveWithText = 0;
  editor.RefreshContent();

  test::RecordingHost screenHost;
  Editor screen(screenHost);
  screen.FormCreate();
  buildBoxBesideText(screen);
  screen.paintState().viewport = PaintViewport{0, 0, 2000, 1400, 1980, 1380, 16, 16, true, true};
  NullCanvas canvas(96);
  if (screen.DrawPages(canvas, false).resized) screen.DrawPages(canvas, false);
  const TFieldRec& shown = screen.doc().Fields[static_cast<size_t>(box)];
  ASSERT_GE(anchorLineOf(screen.doc(), shown), 0);

  settleLayout(editor);
  const TFieldRec& settled = doc().Fields[static_cast<size_t>(box)];
  EXPECT_EQ(anchorLineOf(doc(), settled), anchorLineOf(screen.doc(), shown));
  EXPECT_DOUBLE_EQ(settled.AnchorDX, shown.AnchorDX);
  EXPECT_DOUBLE_EQ(settled.AnchorDY, shown.AnchorDY);
  EXPECT_EQ(doc().Fields.back().AnchorID, 0);  // placed on the page, it stays free

  // Settling again keeps the tie and the place.
  const TFieldRec before = settled;
  settleLayout(editor);
  const TFieldRec& again = doc().Fields[static_cast<size_t>(box)];
  EXPECT_EQ(again.AnchorID, before.AnchorID);
  EXPECT_DOUBLE_EQ(again.Left, before.Left);
  EXPECT_DOUBLE_EQ(again.Top, before.Top);
}

}  // namespace
}  // namespace vendaro
