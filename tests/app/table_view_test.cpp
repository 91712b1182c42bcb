// Tables in the window: the cell dialog's buttons, preview and "Transparent"
// rule, and a column edge dragged on the page view with its guide line,
// snapped to 5 mm, applied on release as one undo step.
#include <QAbstractButton>
#include <QCheckBox>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

#include "app/page_view.h"
#include "app/table_dialogs.h"
#include "document/caret_moves.h"
#include "editing/editor.h"
#include "layout/table_tracks.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

TEST(TableCellDialog, PreviewButtonsAndTransparency) {
  TableCellDialog dialog;
  TTableCellForm form;
  form.borders[kSlotTop].visible = true;
  dialog.fill(form);
  EXPECT_TRUE(dialog.borderButton(kSlotTop)->isChecked());
  EXPECT_FALSE(dialog.borderButton(kSlotInnerVertical)->isChecked());
  EXPECT_TRUE(dialog.transparentBox()->isEnabled());
  // The centre of the preview is the vertical middle line.
  dialog.preview()->resize(200, 120);
  QTest::mouseClick(dialog.preview(), Qt::LeftButton, {}, QPoint(100, 60));
  EXPECT_TRUE(dialog.values().borders[kSlotInnerVertical].visible);
  EXPECT_TRUE(dialog.values().borders[kSlotInnerVertical].changed);
  EXPECT_TRUE(dialog.borderButton(kSlotInnerVertical)->isChecked());
  dialog.presetButton(1)->click();  // "Kasten"
  EXPECT_FALSE(dialog.borderButton(kSlotInnerVertical)->isChecked());
  EXPECT_TRUE(dialog.borderButton(kSlotLeft)->isChecked());
  dialog.borderButton(kSlotLeft)->click();
  EXPECT_FALSE(dialog.values().borders[kSlotLeft].visible);
  // A coloured background cannot be transparent.
  form.backColor = 0x00FFFF;
  form.transparent = false;
  dialog.fill(form);
  EXPECT_FALSE(dialog.transparentBox()->isEnabled());
}

TEST(TableView, ColumnEdgeDragSnapsShowsItsGuideAndApplies) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.inserttableXY(3, 2);
  PageView view;
  view.resize(900, 700);
  view.setEditor(&editor);
  view.setActiveDocument(true);
  view.paintNow();
  const std::vector<MouseObject>& objects = editor.paintState().sideLists.MouseObjs;
  const auto edge = std::find_if(objects.begin(), objects.end(), [](const MouseObject& o) {
    return o.kind == 1 && o.line == 0 && o.side == 1;
  });
  ASSERT_NE(edge, objects.end());
  const QPoint offset(view.horizontalScrollBar()->value(), view.verticalScrollBar()->value());
  const QPoint press = QPoint((edge->left + edge->right) / 2, (edge->top + edge->bottom) / 2) - offset;
  EXPECT_EQ(editor.mouseObjectKindAt(press.x() + offset.x(), press.y() + offset.y()), 1);
  const TextPos caret = caretPos(editor.doc());
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, press);
  EXPECT_TRUE(editor.columnDrag().active);
  EXPECT_EQ(caretPos(editor.doc()), caret);  // a press on an edge leaves the caret
  const QPoint to = press + QPoint(static_cast<int>(12.0 / editor.paintState().mmPerPixel), 0);
  QTest::mouseMove(view.viewport(), to);
  ASSERT_EQ(editor.paintState().overlay.entries().size(), 1u);
  const double value = editor.columnDrag().valueMm;
  EXPECT_NEAR(std::remainder(value, kColumnSnapMm), 0.0, 1e-9);
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
  EXPECT_TRUE(editor.paintState().overlay.empty());
  EXPECT_EQ(editor.undoHistory().step(editor.undoHistory().UndoPos() - 1).Caption, "Breite der Tabellenspalte");
  for (int32_t row : {0, 3}) EXPECT_NEAR(tableRowEdges(editor.doc(), 0, row)[1], value, 1e-9);
}

}  // namespace
}  // namespace vendaro
