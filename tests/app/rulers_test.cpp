// The rulers of the editor windows used with real mouse events: a click
// sets a stop, a drag moves the left indent with the guide line over the
// page view, the tab-kind selector is shared by all windows, and "&Lineal"
// hides every window's rulers and is remembered in settings.dat.
#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "app/ruler_widgets.h"
#include "app_test_support.h"
#include "editing/editor.h"
#include "shell/settings_file.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::waitUntil;

DialogAnswerer::Answer pressOk() {
  return [](QWidget& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("OK")) return button->click();
  };
}

class RulersTest : public testing::Test {
 protected:
  // A window with `documents` new documents, their page set-up confirmed.
  void open(MainWindow& window, int documents) {
    answers.add(pressOk());
    window.show();
    ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    for (int i = 1; i < documents; ++i) {
      answers.add(pressOk());
      window.menus().newAction->trigger();
      ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    }
  }

  test::TempDir config;
  DialogAnswerer answers;
};

// The pixel of a millimetre value on the horizontal ruler.
int rulerX(const RulerGeometry& g, double mm) { return horizontalAxis(g, 1).pixelOf(mm); }

TEST_F(RulersTest, MouseOnTheRulerSetsStopsAndDragsTheLeftIndent) {
  MainWindow window;
  open(window, 1);
  EditorWindow& editorWindow = *window.activeEditorWindow();
  Editor& editor = *editorWindow.editor();
  HorizontalRuler& ruler = editorWindow.rulers().horizontalRuler();
  ASSERT_TRUE(waitUntil([&] { return editor.paintState().ruler.valid && ruler.isVisible(); }));
  // The ruler starts where the page view's viewport does.
  EXPECT_EQ(ruler.mapToGlobal(QPoint(0, 0)).x(), editorWindow.view().viewport()->mapToGlobal(QPoint(0, 0)).x());
  const RulerGeometry g = editor.paintState().ruler;

  // A click in the lower part sets a left stop on the nearest tick.
  QTest::mouseClick(&ruler, Qt::LeftButton, {}, QPoint(rulerX(g, 20) + 1, 15));
  // Read afresh after each edit: a line changed after an undo step is a new record.
  const auto para = [&editor]() -> const TParaFormat& { return editor.doc().Fields[0].Lines[0].Para; };
  ASSERT_EQ(para().Tabs.size(), 1u);
  EXPECT_EQ(para().Tabs[0].Pos, 20);
  EXPECT_EQ(para().Tabs[0].TabAlign, 0);

  // The left indent's lower part dragged to 30 mm; the guide line shows
  // over the page view meanwhile, drawn over the composed image.
  const QPoint marker(rulerX(g, 0), 20);
  QTest::mousePress(&ruler, Qt::LeftButton, {}, marker);
  QMouseEvent move(QEvent::MouseMove, QPointF(rulerX(g, 30) + 2, 20), ruler.mapToGlobal(QPointF(rulerX(g, 30) + 2, 20)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&ruler, &move);
  EXPECT_EQ(editor.RulerDragMode, 2);
  ASSERT_FALSE(editor.paintState().overlay.empty());
  PageView& view = editorWindow.view();
  const QImage shown = view.viewport()->grab().toImage();
  int dark = 0;
  for (int y = 0; y < shown.height(); ++y) dark += qGray(shown.pixel(rulerX(g, 30), y)) < 64;
  EXPECT_GT(dark, shown.height() / 4) << "the dotted guide line";
  QTest::mouseRelease(&ruler, Qt::LeftButton, {}, QPoint(rulerX(g, 30) + 2, 20));
  EXPECT_EQ(para().LeftIndent, 30);
  EXPECT_EQ(para().FirstLineIndent, 0);
  EXPECT_TRUE(editor.paintState().overlay.empty());
  window.menus().Edit1Click();
  EXPECT_EQ(window.menus().undoAction->text(), QStringLiteral("&Rückgängig: Absatzformat"));

  // The right button drags free of the ticks.
  ASSERT_TRUE(waitUntil([&] { return editor.paintState().ruler.leftIndent > 0; }));
  QTest::mousePress(&ruler, Qt::RightButton, {}, QPoint(rulerX(g, 20), 15));
  QMouseEvent freeMove(QEvent::MouseMove, QPointF(rulerX(g, 20) + 3, 15), ruler.mapToGlobal(QPointF(rulerX(g, 20) + 3, 15)),
                       Qt::NoButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&ruler, &freeMove);
  QTest::mouseRelease(&ruler, Qt::RightButton, {}, QPoint(rulerX(g, 20) + 3, 15));
  ASSERT_EQ(para().Tabs.size(), 1u);
  EXPECT_GT(para().Tabs[0].Pos, 20.5);
  EXPECT_LT(para().Tabs[0].Pos, 21.5);
  answers.add([](QWidget& dialog) {
    for (QPushButton* button : dialog.findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("&Nein")) return button->click();
  });
  EXPECT_TRUE(window.close());
}

TEST_F(RulersTest, TheTabKindAndTheRulerSettingHoldForEveryWindow) {
  MainWindow window;
  open(window, 2);
  const std::vector<EditorWindow*> windows = window.editorWindows();
  ASSERT_EQ(windows.size(), 2u);
  TabKindSelector& selector = window.activeEditorWindow()->rulers().tabKindSelector();
  EXPECT_EQ(selector.toolTip(), QStringLiteral("Tabstop links"));
  QTest::mouseClick(&selector, Qt::LeftButton);
  EXPECT_EQ(window.RulerTabKind, 1);
  for (EditorWindow* w : windows) EXPECT_EQ(w->rulers().tabKindSelector().toolTip(), QStringLiteral("Tabstop zentiert"));
  for (const char* hint : {"Tabstop rechts", "Tabstop dezimal", "Tabstop links"}) {
    QTest::mouseClick(&selector, Qt::LeftButton);
    EXPECT_EQ(windows[0]->rulers().tabKindSelector().toolTip(), QString::fromUtf8(hint));
  }

  window.menus().refresh();
  EXPECT_TRUE(window.menus().viewMenu->menuAction()->isVisible());
  EXPECT_TRUE(window.menus().rulerAction->isChecked());
  window.menus().rulerAction->trigger();
  for (EditorWindow* w : windows) EXPECT_FALSE(w->rulers().rulersVisible());
  EXPECT_FALSE(window.menus().rulerAction->isChecked());
  ProgramSettings saved;
  ASSERT_TRUE(readSettingsFile(window.shell().configFolder() / kSettingsFileName, saved));
  EXPECT_FALSE(saved.ShowRuler);
  window.menus().rulerAction->trigger();
  for (EditorWindow* w : windows) EXPECT_TRUE(w->rulers().rulersVisible());
  ASSERT_TRUE(readSettingsFile(window.shell().configFolder() / kSettingsFileName, saved));
  EXPECT_TRUE(saved.ShowRuler);
  EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace vendaro
