// Dragging on the horizontal ruler of a real editor, with the ruler's
// geometry made up as a paint would publish it at zoom 100: where a press
// lands, what the release writes into the selected paragraphs, the undo
// step it takes, and that a drag ending unapplied leaves no trace.
#include <gtest/gtest.h>

#include <cmath>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

using test::typeKeys;

constexpr double kPxPerMm = 96.0 / 25.39995;
constexpr int kColumnLeft = 100;
constexpr double kColumnMm = 170;
constexpr int kRulerWidth = 900;
constexpr int kLower = 15;  // a y in the ruler's lower part, clear of the markers' rows

int px(double mm) { return kColumnLeft + static_cast<int>(mm * kPxPerMm); }

struct RulerDragTest : ::testing::Test {
  RulerDragTest() {
    editor.FormCreate();
    SetPCharText(doc().CurFont.Name, "Times New Roman");
    doc().CurFont.Size = 12;
    typeKeys(editor, "eins\nzwei\ndrei");
    at(0);
  }
  Document& doc() { return editor.doc(); }
  TParaFormat& para(int32_t line) { return doc().Fields[0].Lines.at(static_cast<size_t>(line)).Para; }
  void at(int32_t line) {
    setCaret(doc(), {0, line, 0});
    setAnchor(doc(), {0, line, 0});
    publish();
  }
  // The geometry a paint would publish for the caret's paragraph.
  void publish() {
    const TParaFormat& p = para(doc().CurLine);
    RulerGeometry& g = editor.paintState().ruler;
    g.columnLeft = kColumnLeft;
    g.columnRight = px(kColumnMm);
    g.mmAtLeft = 0;
    g.mmAtRight = kColumnMm;
    g.leftIndent = static_cast<int>(p.LeftIndent * kPxPerMm);
    g.firstLineIndent = static_cast<int>(p.FirstLineIndent * kPxPerMm);
    g.rightIndent = static_cast<int>(p.RightIndent * kPxPerMm);
    g.textTop = 20;
    g.textBottom = 900;
    g.frameHeightMm = 880 / kPxPerMm;
    g.valid = true;
  }
  void setIndents(double left, double first, double right) {
    for (int32_t line = 0; line < 3; ++line) {
      para(line).LeftIndent = left;
      para(line).FirstLineIndent = first;
      para(line).RightIndent = right;
    }
    publish();
  }
  // Press, moves, release, as the ruler widget hands them on.
  void drag(int x, int y, std::initializer_list<int> moves, bool free = false, int32_t kind = 0) {
    editor.PaintBox3MouseDown(x, y, kRulerWidth, free, kind);
    for (int move : moves) editor.PaintBox3MouseMove(move);
    editor.PaintBox3MouseUp();
  }
  int32_t undoSteps() const { return editor.undoHistory().UndoCount(); }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(RulerDragTest, APlainClickSetsAStopOfTheKindOnTheNearestTick) {
  const int32_t before = undoSteps();
  doc().SetFileChanged(false);
  drag(px(10) + 3, kLower, {}, false, 2);
  ASSERT_EQ(para(0).Tabs.size(), 1u);
  EXPECT_EQ(para(0).Tabs[0], (TTabStop{10.0, 2, 0}));
  EXPECT_EQ(undoSteps(), before + 1);
  EXPECT_EQ(editor.undoHistory().undoMenuItem().text, "&Rückgängig: Absatzformat");
  EXPECT_TRUE(doc().Modified);
  EXPECT_TRUE(para(1).Tabs.empty());  // only the caret's paragraph
  // A click and a drag: the stop goes where the mouse was let go.
  drag(px(30), kLower, {px(42), px(44) + 2});
  EXPECT_EQ(para(0).Tabs, (std::vector<TTabStop>{{10.0, 2, 0}, {45.0, 0, 0}}));
}

TEST_F(RulerDragTest, AStopDroppedOnAnotherReplacesItAndTheListStaysAscending) {
  para(0).Tabs = {{20, 0, 0}, {40, 2, 0}, {60, 3, 1}};
  publish();
  drag(px(20), kLower, {px(40)});
  EXPECT_EQ(para(0).Tabs, (std::vector<TTabStop>{{40, 0, 0}, {60, 3, 1}}));
  drag(px(40), kLower, {px(80)});
  EXPECT_EQ(para(0).Tabs, (std::vector<TTabStop>{{60, 3, 1}, {80, 0, 0}}));
}

TEST_F(RulerDragTest, MarkersAndOutsideClicksNeverAddAStop) {
  setIndents(10, 5, 0);
  const int32_t before = undoSteps();
  drag(px(10), 20, {});            // the left marker's lower part, in the lower half
  drag(px(10) + 1, 12, {});        // its middle
  drag(px(kColumnMm), 12, {});     // the right marker
  drag(px(15), 5, {});             // the first-line marker
  drag(kColumnLeft - 30, kLower, {});  // left of the column
  drag(px(kColumnMm) + 30, kLower, {});
  drag(px(100), 8, {});            // the upper part of the column
  EXPECT_TRUE(para(0).Tabs.empty());
  EXPECT_EQ(undoSteps(), before);  // markers let go where they were change nothing
  EXPECT_EQ(para(0).LeftIndent, 10);
}

TEST_F(RulerDragTest, EachMarkerWritesItsValue) {
  setIndents(10, 5, 0);
  drag(px(10), 20, {px(20)});  // lower part: the first line moves along
  EXPECT_EQ(para(0).LeftIndent, 20);
  EXPECT_EQ(para(0).FirstLineIndent, 5);
  publish();
  drag(px(20), 12, {px(30)});  // middle: the first line stays at 25
  EXPECT_EQ(para(0).LeftIndent, 30);
  EXPECT_EQ(para(0).FirstLineIndent, -5);
  publish();
  drag(px(25), 5, {px(40)});   // first line
  EXPECT_EQ(para(0).FirstLineIndent, 10);
  publish();
  drag(px(kColumnMm), 12, {px(150)});
  EXPECT_EQ(para(0).RightIndent, 20);
  EXPECT_EQ(para(0).LeftIndent, 30);
}

TEST_F(RulerDragTest, ReleasedValuesStayUsable) {
  setIndents(10, 5, 20);  // the text's right edge at 150 mm
  drag(px(10), 20, {kRulerWidth - 1});
  EXPECT_EQ(para(0).LeftIndent, 150 - kMinTextWidthMm - 5);  // the first line keeps its 5 mm too
  setIndents(10, 5, 20);
  drag(px(15), 5, {kRulerWidth - 1});
  EXPECT_EQ(para(0).LeftIndent + para(0).FirstLineIndent, 150 - kMinTextWidthMm);
  setIndents(10, 5, 20);
  drag(px(150), 12, {0});
  EXPECT_EQ(para(0).RightIndent, kColumnMm - 20);  // 5 mm right of the first line at 15
  // Into the margins stays allowed, snapped there too.
  setIndents(10, 5, 20);
  drag(px(10), 20, {px(-10)});
  EXPECT_EQ(para(0).LeftIndent, -10);
  // Stops stay inside the column and right of its left edge.
  drag(px(60), kLower, {0});
  EXPECT_EQ(para(0).Tabs.at(0).Pos, 5);
  drag(px(5), kLower, {kRulerWidth - 1}, true);
  EXPECT_EQ(para(0).Tabs.at(0).Pos, kColumnMm);
  drag(px(kColumnMm), kLower, {kColumnLeft - 50}, true);
  EXPECT_GT(para(0).Tabs.at(0).Pos, 0);
  EXPECT_LT(para(0).Tabs.at(0).Pos, 0.3);  // one pixel
}

TEST_F(RulerDragTest, TheRightButtonDragsFree) {
  setIndents(10, 0, 0);
  drag(px(10), 20, {px(10) + 7}, true);
  EXPECT_NEAR(para(0).LeftIndent, 10 + 7 / kPxPerMm, 0.3);
  EXPECT_NE(para(0).LeftIndent, std::round(para(0).LeftIndent));
}

TEST_F(RulerDragTest, SeveralParagraphsGetOnlyTheChangedValue) {
  for (int32_t line = 0; line < 3; ++line) {
    para(line).Alignment = static_cast<uint8_t>(line + 1);
    para(line).RightIndent = 5.0 + line;
    para(line).FirstLineIndent = 2.0 * line;
    para(line).Tabs = {{30.0 + line, line, 0}};
  }
  setAnchor(doc(), {0, 0, 0});
  setCaret(doc(), {0, 2, 2});
  publish();
  const int32_t before = undoSteps();
  drag(px(0), 20, {px(20)});
  for (int32_t line = 0; line < 3; ++line) {
    EXPECT_EQ(para(line).LeftIndent, 20);
    EXPECT_EQ(para(line).Alignment, line + 1);
    EXPECT_EQ(para(line).RightIndent, 5.0 + line);
    EXPECT_EQ(para(line).FirstLineIndent, 2.0 * line);
    EXPECT_EQ(para(line).Tabs, (std::vector<TTabStop>{{30.0 + line, line, 0}}));
  }
  EXPECT_EQ(undoSteps(), before + 1);
  editor.RestoreCopyFromUndo(0);
  for (int32_t line = 0; line < 3; ++line) EXPECT_EQ(para(line).LeftIndent, 0);
}

TEST_F(RulerDragTest, ADragEndingUnappliedLeavesDocumentAndUndoAlone) {
  para(0).Tabs = {{40, 1, 0}};
  publish();
  doc().SetFileChanged(false);
  const Document before = doc();
  const int32_t steps = undoSteps();
  const auto unchanged = [&] {
    EXPECT_EQ(para(0).Tabs, before.Fields[0].Lines[0].Para.Tabs);
    EXPECT_EQ(undoSteps(), steps);
    EXPECT_FALSE(doc().Modified);
    EXPECT_TRUE(editor.paintState().overlay.empty());
    EXPECT_EQ(editor.RulerDragMode, kRulerDragNone);
  };
  // A key spoils a new stop's drag: the picture loses the stop at once and
  // the release writes nothing.
  editor.PaintBox3MouseDown(px(20), kLower, kRulerWidth, false, 0);
  EXPECT_EQ(editor.horizontalRulerPicture(kRulerWidth).stops.size(), 2u);
  EXPECT_TRUE(editor.getkeysKeyDown(kKeyA, 0));
  EXPECT_EQ(editor.RulerDragMode, kRulerDragCancelled);
  EXPECT_EQ(editor.horizontalRulerPicture(kRulerWidth).stops.size(), 1u);
  editor.PaintBox3MouseMove(px(60));
  editor.getkeysKeyPress('x');  // typing is kept out while the drag lasts
  editor.PaintBox3MouseUp();
  unchanged();
  // Escape ends it at once; the release that follows is nothing.
  editor.PaintBox3MouseDown(px(20), kLower, kRulerWidth, false, 0);
  editor.PaintBox3MouseMove(px(70));
  EXPECT_TRUE(editor.getkeysKeyDown(kKeyEscape, 0));
  unchanged();
  editor.PaintBox3MouseUp();
  unchanged();
  // Focus or window lost.
  editor.PaintBox3MouseDown(px(40), kLower, kRulerWidth, false, 0);
  editor.PaintBox3MouseMove(px(90));
  editor.cancelRulerDrag();
  editor.PaintBox3MouseUp();
  unchanged();
  EXPECT_EQ(test::flowText(doc()), "eins\nzwei\ndrei");
}

TEST_F(RulerDragTest, TheGuideLineFollowsTheDragOverThePageView) {
  editor.paintState().viewport.scrollX = 30;
  host.dragMarks = 0;
  editor.PaintBox3MouseDown(px(20) + 2, kLower, kRulerWidth, false, 0);
  ASSERT_EQ(editor.paintState().overlay.entries().size(), 1u);
  EXPECT_EQ(editor.paintState().overlay.entries()[0].shape, ViewOverlay::verticalLine(px(20) + 30));
  editor.PaintBox3MouseMove(px(50) - 3);
  EXPECT_EQ(editor.paintState().overlay.entries()[0].shape, ViewOverlay::verticalLine(px(50) + 30));
  EXPECT_EQ(editor.rulerDrag().valueMm, 50);
  EXPECT_EQ(editor.rulerDrag().bestSnapDistance, 3);
  // The dragged stop is drawn at the drag x.
  const RulerMarkers picture = editor.horizontalRulerPicture(kRulerWidth);
  ASSERT_EQ(picture.stops.size(), 1u);
  EXPECT_EQ(picture.stops[0].x, px(50));
  EXPECT_EQ(host.dragMarks, 2);
  editor.PaintBox3MouseUp();
  EXPECT_TRUE(editor.paintState().overlay.empty());
  EXPECT_EQ(host.dragMarks, 3);
}

TEST_F(RulerDragTest, DraggedMarkersAreDrawnWhereTheyWillLand) {
  setIndents(10, 8, 0);
  editor.PaintBox3MouseDown(px(10), 20, kRulerWidth, false, 0);
  editor.PaintBox3MouseMove(px(30));
  const RulerMarkers moving = editor.horizontalRulerPicture(kRulerWidth);
  EXPECT_EQ(moving.leftX, px(30) - kMarkerHalfWidth);
  EXPECT_EQ(moving.firstLineX, px(30) + static_cast<int>(8 * kPxPerMm) - kMarkerHalfWidth);
  editor.PaintBox3MouseUp();
  publish();
  editor.PaintBox3MouseDown(px(30), 12, kRulerWidth, false, 0);
  editor.PaintBox3MouseMove(px(20));
  const RulerMarkers keeping = editor.horizontalRulerPicture(kRulerWidth);
  EXPECT_EQ(keeping.leftX, px(20) - kMarkerHalfWidth);
  EXPECT_EQ(keeping.firstLineX, px(30) + static_cast<int>(8 * kPxPerMm) - kMarkerHalfWidth);
  editor.PaintBox3MouseUp();
}

TEST_F(RulerDragTest, WithoutUsableGeometryPressesDoNothing) {
  editor.paintState().ruler.valid = false;
  drag(px(20), kLower, {px(40)});
  EXPECT_FALSE(editor.horizontalRulerPicture(kRulerWidth).shown);
  publish();
  RulerGeometry& g = editor.paintState().ruler;
  g.columnRight = g.columnLeft;
  g.mmAtRight = 0;  // margins leaving no text width
  drag(kColumnLeft, kLower, {px(40)});
  EXPECT_TRUE(para(0).Tabs.empty());
  EXPECT_EQ(editor.RulerDragMode, kRulerDragNone);
}

}  // namespace
}  // namespace vendaro
