// The page view with a real editor behind it: clicks, drags, double and
// triple clicks resolved by painting, the wheel, and keys (Tab kept in the
// text, Qt's keys translated into the editor's).
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include "app/key_mapping.h"
#include "app/page_view.h"
#include "app_test_support.h"
#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "document/selection.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/memory_clipboard.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

class PageViewTest : public testing::Test {
 protected:
  void SetUp() override {
    editor.FormCreate();
    test::typeKeys(editor, "Eins zwei drei\nvier");
    view.resize(700, 500);
    view.setEditor(&editor);
    view.setActiveDocument(true);
    view.paintNow();
  }

  // Where the caret stands at `pos`, in view coordinates (its middle).
  QPoint pointOf(const TextPos& pos) {
    Document& doc = editor.doc();
    const TextPos caret = caretPos(doc), anchor = anchorPos(doc);
    setCaret(doc, pos);
    setAnchor(doc, pos);
    view.paintNow();
    const CaretRect& c = editor.paintState().caret;
    const QPoint point(c.x - view.horizontalScrollBar()->value() + 1,
                       c.y + c.height / 2 - view.verticalScrollBar()->value());
    setCaret(doc, caret);
    setAnchor(doc, anchor);
    view.paintNow();
    return point;
  }

  void doubleClick(const QPoint& at) {
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, at);
  }

  test::RecordingHost host;
  Editor editor{host};
  PageView view;
};

TEST_F(PageViewTest, ClicksPlaceTheCaretAndShiftClicksExtendTheSelection) {
  const QPoint z = pointOf({0, 0, 5});   // before "zwei"
  const QPoint d = pointOf({0, 0, 10});  // before "drei"
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, z);
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 5}));
  EXPECT_FALSE(isThereAmarking(editor.doc()));
  QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::ShiftModifier, d);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 5}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 10}));
  // A click into the selection drops it and puts the caret there.
  const QPoint w = pointOf({0, 0, 7});
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, w);
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 7}));
  EXPECT_FALSE(isThereAmarking(editor.doc()));
}

TEST_F(PageViewTest, DraggingSelectsFromThePress) {
  const QPoint from = pointOf({0, 0, 5});
  const QPoint to = pointOf({0, 1, 2});
  QTest::mousePress(view.viewport(), Qt::LeftButton, {}, from);
  QMouseEvent move(QEvent::MouseMove, to, view.viewport()->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, {});
  QApplication::sendEvent(view.viewport(), &move);
  QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, to);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 5}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 1, 2}));
}

// Dragging selected text: without Ctrl it moves, with Ctrl it is copied;
// released inside itself it stays and the selection goes.
TEST(PageViewTextDrag, SelectedTextMovesOrIsCopiedWhereItIsDropped) {
  for (const bool copy : {false, true}) {
    test::MemoryClipboardHost host;
    Editor editor{host};
    editor.FormCreate();
    test::typeKeys(editor, "Eins zwei drei");
    PageView view;
    view.resize(700, 500);
    view.setEditor(&editor);
    view.setActiveDocument(true);
    Document& doc = editor.doc();
    const auto pointAt = [&](int32_t cell) {
      setCaret(doc, {0, 0, cell});
      setAnchor(doc, {0, 0, cell});
      view.paintNow();
      const CaretRect& c = editor.paintState().caret;
      return QPoint(c.x - view.horizontalScrollBar()->value() + 1, c.y + c.height / 2 - view.verticalScrollBar()->value());
    };
    const QPoint inWord = pointAt(2), end = pointAt(14);
    setAnchor(doc, {0, 0, 0});
    setCaret(doc, {0, 0, 5});  // "Eins "
    view.paintNow();
    const Qt::KeyboardModifiers mods = copy ? Qt::ControlModifier : Qt::NoModifier;
    QTest::mousePress(view.viewport(), Qt::LeftButton, {}, inWord);
    QMouseEvent move(QEvent::MouseMove, end, view.viewport()->mapToGlobal(end), Qt::NoButton, Qt::LeftButton, mods);
    QApplication::sendEvent(view.viewport(), &move);
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, mods, end);
    std::string text = test::flowText(doc);
    while (!text.empty() && text.back() == '\n') text.pop_back();
    EXPECT_EQ(text, copy ? "Eins zwei dreiEins " : "zwei dreiEins ") << copy;
  }
}

TEST_F(PageViewTest, DoubleClickSelectsTheWordAndAThirdClickTheParagraph) {
  const QPoint inZwei = pointOf({0, 0, 6});
  doubleClick(inZwei);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 5}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 10}));  // the word and its space
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, inZwei);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 0}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 1, 0}));  // the paragraph mark included
  // The next press is an ordinary click again.
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, inZwei);
  EXPECT_FALSE(isThereAmarking(editor.doc()));
}

// The pop-up menu acts on the word at the caret: the right press puts the
// caret where it was, except inside the selection, which it keeps.
TEST_F(PageViewTest, ARightPressPlacesTheCaretButKeepsASelectionItFallsIn) {
  const QPoint inDrei = pointOf({0, 0, 12});
  QTest::mousePress(view.viewport(), Qt::RightButton, {}, inDrei);
  QTest::mouseRelease(view.viewport(), Qt::RightButton, {}, inDrei);
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 12}));
  EXPECT_FALSE(isThereAmarking(editor.doc()));

  setAnchor(editor.doc(), {0, 0, 5});
  setCaret(editor.doc(), {0, 0, 10});
  QTest::mousePress(view.viewport(), Qt::RightButton, {}, pointOf({0, 0, 7}));
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 5}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 10}));
  QTest::mousePress(view.viewport(), Qt::RightButton, {}, pointOf({0, 1, 2}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 1, 2}));
  EXPECT_FALSE(isThereAmarking(editor.doc()));
}

TEST_F(PageViewTest, EachWheelNotchScrollsFiftyPixels) {
  QScrollBar& bar = *view.verticalScrollBar();
  ASSERT_GT(bar.maximum(), 200) << "an A4 page at zoom 100 is taller than the view";
  bar.setValue(200);
  const QPointF at(100, 100);
  QWheelEvent down(at, view.viewport()->mapToGlobal(at), {}, QPoint(0, -240), Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &down);
  EXPECT_EQ(bar.value(), 300);
  QWheelEvent halfUp(at, view.viewport()->mapToGlobal(at), {}, QPoint(0, 60), Qt::NoButton, {}, Qt::NoScrollPhase, false);
  QApplication::sendEvent(view.viewport(), &halfUp);
  EXPECT_EQ(bar.value(), 300) << "half a notch waits for the other half";
  QApplication::sendEvent(view.viewport(), &halfUp);
  EXPECT_EQ(bar.value(), 250);
}

TEST(PageViewKeys, TabIsTypedAndKeepsTheFocus) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* view = new PageView(&window);
  auto* other = new QLineEdit(&window);
  layout->addWidget(view);
  layout->addWidget(other);
  view->setEditor(&editor);
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  view->setFocus();
  QTest::keyClick(view, 'a');
  QTest::keyClick(view, Qt::Key_Tab);
  QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_TRUE(view->hasFocus());
  EXPECT_EQ(test::flowText(editor.doc()).substr(0, 3), "a\t\t");
  QTest::keyClick(view, Qt::Key_Left, Qt::ShiftModifier);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 3}));
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{0, 0, 2}));
}

TEST_F(PageViewTest, CtrlMinusMarksAHyphenAndNoKeyWithCtrlOrAltTypes) {
  Document& doc = editor.doc();
  setCaret(doc, {0, 1, 2});  // "vi|er"
  setAnchor(doc, {0, 1, 2});
  const auto send = [&](int key, Qt::KeyboardModifiers modifiers, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(&view, &press);
  };
  // The minus key reports the same Qt key on German and US keyboards, and
  // X11 hands its "-" along even with Ctrl held.
  send(Qt::Key_Minus, Qt::ControlModifier, QStringLiteral("-"));
  EXPECT_TRUE(hasSoftHyphen(doc.Fields[0].Lines[1].Chars[2]));
  send(Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+"));
  send(Qt::Key_1, Qt::ControlModifier, QStringLiteral("1"));
  send(Qt::Key_Period, Qt::ControlModifier, QStringLiteral("."));
  send(Qt::Key_X, Qt::AltModifier, QStringLiteral("x"));
  EXPECT_EQ(test::flowText(doc), "Eins zwei drei\nvier");
  // AltGr (Qt's group switch) types the character it makes.
  send(Qt::Key_At, Qt::GroupSwitchModifier, QStringLiteral("@"));
  send(Qt::Key_Minus, Qt::NoModifier, QStringLiteral("-"));
  EXPECT_EQ(test::flowText(doc), "Eins zwei drei\nvi@-er");
}

TEST(KeyMapping, QtKeysBecomeTheEditorsCodesAndText) {
  EXPECT_EQ(editorKeyCode(Qt::Key_A, Qt::ControlModifier), kKeyA);
  EXPECT_EQ(editorKeyCode(Qt::Key_Return, {}), kKeyEnter);
  EXPECT_EQ(editorKeyCode(Qt::Key_Enter, Qt::KeypadModifier), kKeyEnter);
  EXPECT_EQ(editorKeyCode(Qt::Key_Backtab, Qt::ShiftModifier), kKeyTab);
  EXPECT_EQ(editorKeyCode(Qt::Key_Minus, Qt::ControlModifier), kKeyMinus);
  EXPECT_NE(editorKeyCode(Qt::Key_Minus, Qt::KeypadModifier), kKeyMinus) << "the keypad's minus is another key";
  EXPECT_EQ(editorKeyCode(Qt::Key_Home, Qt::KeypadModifier), kKeyHome);
  EXPECT_EQ(editorKeyCode(Qt::Key_Odiaeresis, {}), 0);
  EXPECT_EQ(editorShiftState(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier), kShift | kCtrl | kAlt);
  EXPECT_EQ(typedCharacters(QStringLiteral("a\u00e4\u20ac\u0001\u4e00\u007f")), "a\xE4\x80");
}

}  // namespace
}  // namespace vendaro
