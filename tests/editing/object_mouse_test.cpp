// The page view's object drags through a real editor painting onto a
// recording surface: rubber bands in insert mode, moving and resizing
// frames by their grips, resizing a selected picture cell, the pointer, and
// the arithmetic that turns outlines into millimetres.
#include <gtest/gtest.h>

#include <cmath>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "support/recording_canvas.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

TEST(ObjectDragGeometry, NewObjectsAreOrderedFlippedAndNeverTiny) {
  const NewObjectPlace click = normaliseNewObject(30, 40, 30, 40, false);
  EXPECT_DOUBLE_EQ(click.edges.right - click.edges.left, kClickedObjectMm);
  EXPECT_DOUBLE_EQ(click.edges.bottom - click.edges.top, kClickedObjectMm);
  EXPECT_DOUBLE_EQ(click.edges.left, 30);
  // Bottom-left to top-right: one axis swapped, the line is flipped.
  const NewObjectPlace line = normaliseNewObject(10, 80, 60, 20, true);
  EXPECT_TRUE(line.flip);
  EXPECT_DOUBLE_EQ(line.edges.top, 20);
  EXPECT_DOUBLE_EQ(line.edges.bottom, 80);
  EXPECT_FALSE(normaliseNewObject(60, 80, 10, 20, true).flip);  // both swapped
  const NewObjectPlace thin = normaliseNewObject(10, 10, 11, 50, true);
  EXPECT_DOUBLE_EQ(thin.edges.right, 10 + kMinimumObjectMm);
}

TEST(ObjectDragGeometry, GripDragsMoveTheirSidesAndCrossingFlips) {
  ObjectGrip grip;
  grip.originX = 16;
  grip.originY = 16;
  grip.mmPerPixel = 0.5;
  // A frame 20..60 × 10..30 mm is drawn at pixels 40..120 × 20..60 from
  // the page corner; its grip area lies 6 pixels outside, shifted by the
  // page outline.
  grip.area = {16 + 1 + 40 - 6, 16 + 2 + 20 - 6, 16 + 1 + 120 + 6, 16 + 2 + 60 + 6};
  const FrameEdges before{20, 10, 60, 30};
  grip.handle = 8;  // right edge, pressed 3 pixels inside the area
  grip.offsetRight = 3;
  CanvasRect outline = draggedGripOutline(grip, grip.area.right - 3, 50);
  DraggedEdges after = edgesAfterGripDrag(grip, before, outline);
  EXPECT_NEAR(after.edges.right, 60, 0.5 + 1e-9);  // not moved: the corrections cancel the ring
  // Dragged to 1 mm right of the left edge: 2.5 mm wide.
  outline = draggedGripOutline(grip, grip.area.left + 6 + 2 + 3 + 7 - 6, 50);
  after = edgesAfterGripDrag(grip, before, outline);
  EXPECT_DOUBLE_EQ(after.edges.right - after.edges.left, kMinimumObjectMm);
  EXPECT_FALSE(after.flipToggled);
  // Past the left edge: the sides change places and a line flips.
  outline = draggedGripOutline(grip, grip.area.left - 40, 50);
  after = edgesAfterGripDrag(grip, before, outline);
  EXPECT_TRUE(after.flipToggled);
  EXPECT_DOUBLE_EQ(after.edges.right, 20);
  // A body move shifts every side by the same amount.
  grip.handle = 0;
  grip.offsetLeft = 10;
  grip.offsetTop = 10;
  outline = draggedGripOutline(grip, grip.area.left + 10 + 20, grip.area.top + 10 - 10);
  after = edgesAfterGripDrag(grip, before, outline);
  EXPECT_DOUBLE_EQ(after.edges.left - before.left, 10);
  EXPECT_DOUBLE_EQ(after.edges.right - before.right, 10);
  EXPECT_DOUBLE_EQ(after.edges.bottom - before.bottom, -5);
}

TEST(ObjectDragGeometry, PictureCornersKeepTheProportions) {
  PictureGrip grip;
  grip.rect = {100, 100, 200, 150};
  grip.handle = 4;  // bottom-right
  CanvasRect r = draggedPictureOutline(grip, 400, 160);  // wide but hardly taller: the smaller scale wins
  EXPECT_EQ(r.right - r.left, 120);
  EXPECT_EQ(r.bottom - r.top, 60);
  EXPECT_EQ(r.left, 100);
  grip.handle = 1;  // top-left: the bottom-right corner stays
  r = draggedPictureOutline(grip, 150, 125);
  EXPECT_EQ(r.right, 200);
  EXPECT_EQ(r.bottom, 150);
  EXPECT_EQ(r.right - r.left, 50);
  EXPECT_EQ(r.bottom - r.top, 25);
  grip.handle = 6;  // bottom edge only
  r = draggedPictureOutline(grip, 999, 180);
  EXPECT_EQ(r, (CanvasRect{100, 100, 200, 180}));
}

class ObjectMouse : public ::testing::Test {
 protected:
  ObjectMouse() {
    editor.FormCreate();
    editor.paintState().viewport = PaintViewport{0, 0, 2000, 1400, 1980, 1380, 16, 16, true, true};
    paint();
  }
  Document& doc() { return editor.doc(); }
  void paint() {
    test::RecordingCanvas canvas;
    if (editor.DrawPages(canvas, false).resized) editor.DrawPages(canvas, false);
  }
  // The press as the page view makes it: the editor first, else a paint
  // resolves it and the editor looks at what it found.
  bool press(int x, int y) {
    if (editor.PaintBox1MouseDown(x, y, false)) return true;
    PendingClick& click = editor.paintState().click;
    click = PendingClick{};
    click.ClickPending = true;
    click.ClickX = x;
    click.ClickY = y;
    paint();
    click = PendingClick{};
    return editor.objectPressResolved();
  }
  int px(double mm) const { return static_cast<int>(mm / editor.paintState().mmPerPixel); }
  int pageX(double mm) const { return editor.paintState().originX + 1 + px(mm); }
  int pageY(double mm) const { return editor.paintState().originY + 2 + px(mm); }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(ObjectMouse, InsertModeDrawsARubberBandAndMakesTheObject) {
  editor.SetInsertObjMode(4);  // oblique line
  EXPECT_EQ(editor.pointerAt(5, 5), PointerShape::cross);
  ASSERT_TRUE(press(pageX(20), pageY(80)));
  const int repaints = host.repaints;
  editor.PaintBox1MouseMove(pageX(50), pageY(60));
  editor.PaintBox1MouseMove(pageX(70), pageY(30));
  EXPECT_EQ(host.repaints, repaints);  // moves only touch the overlay
  ASSERT_FALSE(editor.paintState().overlay.empty());
  editor.PaintBox1MouseUp(pageX(70), pageY(30));
  EXPECT_TRUE(editor.paintState().overlay.empty());
  EXPECT_EQ(editor.InsertObjMode, 0);
  const TFieldRec& line = doc().Fields.back();
  EXPECT_EQ(line.FieldType, kFieldLine);
  EXPECT_EQ(line.LineFlip, 1);
  EXPECT_NEAR(line.Left, 20, 0.5);
  EXPECT_NEAR(line.Top, 30, 0.5);
  EXPECT_NEAR(line.Bottom, 80, 0.5);

  // A click without moving makes a 24.5 mm box at the click; one beside
  // the page the 50/50/100/100 fallback; the right button ends the mode.
  paint();
  editor.SetInsertObjMode(1);
  press(pageX(100), pageY(100));
  editor.PaintBox1MouseUp(pageX(100), pageY(100));
  EXPECT_EQ(doc().Fields.back().FieldType, kFieldTextBox);
  EXPECT_NEAR(doc().Fields.back().Right - doc().Fields.back().Left, kClickedObjectMm, 1e-9);
  editor.SetInsertObjMode(2);
  press(3, 3);
  editor.PaintBox1MouseUp(3, 3);
  EXPECT_EQ(doc().Fields.back().FieldType, kFieldRectangle);
  EXPECT_DOUBLE_EQ(doc().Fields.back().Left, 50);
  EXPECT_DOUBLE_EQ(doc().Fields.back().Bottom, 100);
  const int32_t frames = doc().FieldCount();
  editor.SetInsertObjMode(3);
  EXPECT_TRUE(editor.PaintBox1MouseDown(10, 10, true));
  EXPECT_EQ(editor.InsertObjMode, 0);
  EXPECT_EQ(doc().FieldCount(), frames);
}

TEST_F(ObjectMouse, FramesMoveAndResizeByTheirGrips) {
  editor.InsertObject(0, 0, false, {40, 40, 100, 80});
  const int32_t index = doc().FieldCount() - 1;
  paint();
  // The bottom-right handle, dragged 20 mm right and 10 mm down.
  const int hx = pageX(100) + 3, hy = pageY(80) + 3;
  EXPECT_EQ(editor.pointerAt(hx, hy), PointerShape::sizeNwSe);
  ASSERT_TRUE(press(hx, hy));
  EXPECT_TRUE(editor.mouseCaptured());
  editor.PaintBox1MouseMove(hx + px(20), hy + px(10));
  editor.PaintBox1MouseUp(hx + px(20), hy + px(10));
  const TFieldRec& moved = doc().Fields[static_cast<size_t>(index)];
  EXPECT_DOUBLE_EQ(moved.Left, 40);
  EXPECT_NEAR(moved.Right, 120, 0.6);
  EXPECT_NEAR(moved.Bottom, 90, 0.6);
  EXPECT_EQ(moved.AnchorID, 0);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Feld verschieben");

  // A press and release without moving changes nothing.
  paint();
  const size_t steps = editor.undoHistory().undoPopup().size();
  ASSERT_TRUE(press(pageX(60), pageY(60)));
  editor.PaintBox1MouseUp(pageX(60), pageY(60));
  EXPECT_EQ(editor.undoHistory().undoPopup().size(), steps);
}

TEST_F(ObjectMouse, ASelectedPictureResizesByItsHandles) {
  TPictureRec picture;
  newdib(picture, 40, 20, 24);
  picture.Header.biXPelsPerMeter = 3937;  // 100 dpi
  editor.insertPicture(std::move(picture));
  setAnchor(doc(), {0, 0, 0});
  paint();
  const PictureGrip& grip = editor.paintState().pictureGrip;
  ASSERT_TRUE(grip.shown);
  // The right edge handle lies in the ring outside the picture.
  const int hx = grip.rect.right + 3, hy = (grip.rect.top + grip.rect.bottom) / 2;
  ASSERT_TRUE(press(hx, hy));
  EXPECT_EQ(doc().MarkChar, 0);  // the selection stays
  EXPECT_EQ(doc().CurChar, 1);
  editor.PaintBox1MouseUp(grip.rect.left + 2, hy);  // too narrow: 10 pixels
  const TCharRec& cell = std::as_const(doc().Fields[0].Lines)[0].Chars[0];
  EXPECT_NEAR(cell.CharWidth, kMinimumPicturePixels * editor.paintState().mmPerPixel, 1e-9);
  EXPECT_NEAR(cell.CharHeight, 20 / 100.0 * kMmPerInch, 0.5);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Grafik formatieren");
}

}  // namespace
}  // namespace vendaro
