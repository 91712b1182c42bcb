// The settle step before output: page numbers and text flow are finished by
// paints and layout passes until a print paint of any page asks for nothing,
// and the window's own paint state stays as it was.
#include <gtest/gtest.h>

#include <algorithm>

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

}  // namespace
}  // namespace vendaro
