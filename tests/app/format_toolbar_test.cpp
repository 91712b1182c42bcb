// The formatting tool bar, the Format and Insert menus and their dialogs in
// the running window: commands reach the active document, caret moves only
// show the caret's format, a cancelled dialog changes nothing and a
// confirmed one changes what it shows.
#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/character_format_dialog.h"
#include "app/character_table_dialog.h"
#include "app/columns_dialog.h"
#include "app/editor_window.h"
#include "app/format_toolbar.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/numbering_dialog.h"
#include "app/page_view.h"
#include "app/paragraph_dialog.h"
#include "app/tab_stops_dialog.h"
#include "app_test_support.h"
#include "shell/document_dump.h"
#include "support/keyboard_driver.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::waitUntil;

bool bold(const Document& doc, const TCharRec& cell) { return GettingOpsB(doc.Fonts[cell.FontIndex].Style, 0); }

const TLineRec& bodyLine(const Document& doc, size_t line) { return doc.Fields[0].Lines[line]; }

void pressEnter(QWidget& widget) { QTest::keyClick(&widget, Qt::Key_Return); }

class FormatToolbarTest : public testing::Test {
 protected:
  void SetUp() override {
    answers.add([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });  // the page set-up
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    // Without a window manager the closed dialog leaves no window active.
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    editorWindow = window.activeEditorWindow();
    ASSERT_NE(editorWindow, nullptr);
    editor = editorWindow->editor();
    // The window takes the bar over once it is activated.
    ASSERT_TRUE(waitUntil([&] { return bar().fontBox()->currentText() == QStringLiteral("Arial Black"); }))
        << bar().fontBox()->currentText().toStdString();
  }
  void TearDown() override {
    answers.add([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    for (EditorWindow* open : window.editorWindows()) open->document()->editor().doc().SetFileChanged(false);
    window.close();
  }
  FormatToolbar& bar() { return window.formatToolbar(); }
  Document& doc() { return editor->doc(); }
  std::string dump() { return dumpDocumentJson(doc()); }
  // Selects everything, as Ctrl+A does.
  void selectAll() { editor->getkeysKeyDown(kKeyA, kCtrl); }

  test::TempDir config;
  DialogAnswerer answers;
  MainWindow window;
  EditorWindow* editorWindow = nullptr;
  Editor* editor = nullptr;
};

TEST_F(FormatToolbarTest, ButtonsActOnTheActiveDocumentAndFollowTheCaret) {
  test::typeKeys(*editor, "Hallo Welt");
  editor->getkeysKeyDown(kKeyHome, 0);
  editor->getkeysKeyDown(kKeyRight, kShift | kCtrl);  // "Hallo "
  bar().boldAction()->trigger();
  EXPECT_TRUE(bold(doc(), bodyLine(doc(), 0).Chars[0]));
  EXPECT_FALSE(bold(doc(), bodyLine(doc(), 0).Chars[7]));
  EXPECT_TRUE(bar().boldAction()->isChecked());

  // Caret moves show the caret's format and run no command.
  const std::string before = dump();
  const int32_t steps = editor->undoHistory().UndoCount();
  editor->getkeysKeyDown(kKeyEnd, 0);
  EXPECT_FALSE(bar().boldAction()->isChecked());
  editor->getkeysKeyDown(kKeyHome, 0);
  editor->getkeysKeyDown(kKeyRight, 0);
  EXPECT_TRUE(bar().boldAction()->isChecked());
  EXPECT_EQ(editor->undoHistory().UndoCount(), steps);
  editor->getkeysKeyDown(kKeyHome, 0);
  editor->getkeysKeyDown(kKeyRight, kShift | kCtrl);
  EXPECT_TRUE(dump() == before);

  bar().alignmentAction(1)->trigger();
  EXPECT_EQ(bodyLine(doc(), 0).Para.Alignment, 1);
  EXPECT_TRUE(bar().alignmentAction(1)->isChecked());
  bar().bulletAction()->trigger();
  EXPECT_EQ(bodyLine(doc(), 0).Para.ListKind, 1);
  EXPECT_TRUE(bar().bulletAction()->isChecked());
  bar().numberingAction()->trigger();
  EXPECT_EQ(bodyLine(doc(), 0).Para.ListKind, 2);
  EXPECT_FALSE(bar().bulletAction()->isChecked());
  EXPECT_TRUE(bar().numberingAction()->isChecked());

  // While the editor writes the bar, its handlers do nothing.
  const std::string guarded = dump();
  editor->ToolbarSyncGuard = true;
  bar().italicAction()->trigger();
  bar().alignmentAction(2)->trigger();
  editor->ToolbarSyncGuard = false;
  EXPECT_TRUE(dump() == guarded);
}

TEST_F(FormatToolbarTest, OnlyTheActiveDocumentIsFormattedAndShown) {
  test::typeKeys(*editor, "Eins");
  selectAll();
  answers.add([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
  window.menus().newAction->trigger();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  Editor& second = *window.activeEditorWindow()->editor();
  ASSERT_NE(&second, editor);
  test::typeKeys(second, "Zwei");
  second.getkeysKeyDown(kKeyA, kCtrl);
  bar().boldAction()->trigger();
  EXPECT_TRUE(bold(second.doc(), bodyLine(second.doc(), 0).Chars[0]));
  EXPECT_FALSE(bold(doc(), bodyLine(doc(), 0).Chars[0]));
  // The caret of a document in the background does not speak for the bar.
  editor->getkeysKeyDown(kKeyEnd, 0);
  EXPECT_TRUE(bar().boldAction()->isChecked());
}

TEST_F(FormatToolbarTest, SizeAndFontBoxesApplyWhatIsTypedAndReturnToTheText) {
  test::typeKeys(*editor, "Hallo");
  selectAll();
  QLineEdit& size = *bar().sizeBox()->lineEdit();
  size.setFocus();
  for (const char* refused : {"abc", "0", "1000", "nan", "inf"}) {
    size.setText(QString::fromLatin1(refused));
    pressEnter(size);
    EXPECT_EQ(size.text(), QStringLiteral("48")) << refused;
  }
  EXPECT_DOUBLE_EQ(doc().Fonts[bodyLine(doc(), 0).Chars[0].FontIndex].Size, 48.0);
  size.setText(QStringLiteral("20,5"));
  pressEnter(size);
  EXPECT_DOUBLE_EQ(doc().Fonts[bodyLine(doc(), 0).Chars[4].FontIndex].Size, 20.5);
  EXPECT_DOUBLE_EQ(doc().CurFont.Size, 20.5);
  EXPECT_TRUE(waitUntil([&] { return editorWindow->view().hasFocus(); }))
      << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className() : "none");

  QLineEdit& font = *bar().fontBox()->lineEdit();
  font.setText(QStringLiteral("Arial"));
  pressEnter(font);
  EXPECT_EQ(doc().Fonts[bodyLine(doc(), 0).Chars[0].FontIndex].name(), "Arial");
  // Only the face changed: the size stays.
  EXPECT_DOUBLE_EQ(doc().Fonts[bodyLine(doc(), 0).Chars[0].FontIndex].Size, 20.5);
  EXPECT_TRUE(bar().fontBox()->findText(QStringLiteral("Wingdings")) >= 0);
}

TEST_F(FormatToolbarTest, TheStyleBoxListsAndAppliesTheDocumentsStyles) {
  ASSERT_GE(bar().styleBox()->count(), 5);
  EXPECT_EQ(bar().styleBox()->itemText(1), QStringLiteral("Überschrift 1"));
  test::typeKeys(*editor, "Titel");
  emit bar().styleBox()->activated(1);
  const TFontRec& font = doc().Fonts[bodyLine(doc(), 0).Chars[0].FontIndex];
  EXPECT_EQ(font.name(), "Arial");
  EXPECT_DOUBLE_EQ(font.Size, 14.0);
  EXPECT_TRUE(GettingOpsB(font.Style, 0));
  EXPECT_EQ(bar().styleBox()->currentIndex(), 0);
}

// Each Format entry, cancelled, leaves the document as it was.
TEST_F(FormatToolbarTest, CancelledDialogsChangeNothing) {
  test::typeKeys(*editor, "Eins\nZwei");
  selectAll();
  const std::string before = dump();
  MainMenus& menus = window.menus();
  menus.refresh();
  for (QAction* entry : {menus.characterAction, menus.paragraphAction, menus.numberingAction, menus.columnsAction,
                         menus.tabStopsAction, menus.newParagraphStyleAction, menus.manageStylesAction}) {
    ASSERT_TRUE(entry->isEnabled()) << entry->text().toStdString();
    answers.add([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });
    entry->trigger();
    EXPECT_TRUE(answers.allAnswered()) << entry->text().toStdString();
    EXPECT_TRUE(dump() == before) << entry->text().toStdString();
  }
}

TEST_F(FormatToolbarTest, ConfirmedDialogsChangeWhatTheyShow) {
  test::typeKeys(*editor, "Eins\nZwei");
  selectAll();
  MainMenus& menus = window.menus();
  answers.add([](QWidget& shown) {
    auto& dialog = dynamic_cast<CharacterFormatDialog&>(shown);
    dialog.attributeList()->item(0)->setCheckState(Qt::Checked);  // "Fett"
    dialog.accept();
  });
  menus.characterAction->trigger();
  for (size_t line : {0u, 1u}) {
    for (const TCharRec& cell : bodyLine(doc(), line).Chars) EXPECT_TRUE(bold(doc(), cell));
  }
  EXPECT_TRUE(bar().boldAction()->isChecked());

  answers.add([](QWidget& shown) {
    auto& dialog = dynamic_cast<ParagraphDialog&>(shown);
    EXPECT_EQ(dialog.leftIndentEdit()->text(), QStringLiteral("0"));
    dialog.leftIndentEdit()->setText(QStringLiteral("2,5"));
    dialog.alignmentBox()->setCurrentIndex(2);
    dialog.accept();
  });
  menus.paragraphAction->trigger();
  for (size_t line : {0u, 1u}) {
    EXPECT_DOUBLE_EQ(bodyLine(doc(), line).Para.LeftIndent, 25.0);
    EXPECT_EQ(bodyLine(doc(), line).Para.Alignment, 2);
  }
  EXPECT_TRUE(bar().alignmentAction(2)->isChecked());

  answers.add([](QWidget& shown) {
    auto& dialog = dynamic_cast<TabStopsDialog&>(shown);
    dialog.positionBox()->setEditText(QStringLiteral("4,5"));
    dialog.setTypedStop();
    dialog.accept();
  });
  menus.tabStopsAction->trigger();
  ASSERT_EQ(bodyLine(doc(), 1).Para.Tabs.size(), 1u);
  EXPECT_DOUBLE_EQ(bodyLine(doc(), 1).Para.Tabs[0].Pos, 45.0);

  answers.add([](QWidget& shown) {
    auto& dialog = dynamic_cast<ColumnsDialog&>(shown);
    dialog.countEdit()->setText(QStringLiteral("2"));
    dialog.accept();
  });
  menus.columnsAction->trigger();
  EXPECT_EQ(bodyLine(doc(), 0).ColumnCount, 2);

  answers.add([](QWidget& shown) {
    dynamic_cast<NumberingDialog&>(shown).kindGroup()->button(2)->setChecked(true);
    static_cast<QDialog&>(shown).accept();
  });
  menus.numberingAction->trigger();
  EXPECT_EQ(bodyLine(doc(), 0).Para.ListKind, 2);
  EXPECT_TRUE(bar().numberingAction()->isChecked());
}

TEST_F(FormatToolbarTest, SpecialCharactersComeFromTheCharacterTable) {
  answers.add([](QWidget& shown) {
    auto& table = dynamic_cast<CharacterTableDialog&>(shown);
    table.setSelection("Symbol", 0xA7);
    table.accept();
  });
  window.menus().specialCharacterAction->trigger();
  ASSERT_EQ(bodyLine(doc(), 0).Chars.size(), 1u);
  const TCharRec& cell = bodyLine(doc(), 0).Chars[0];
  EXPECT_EQ(cell.Ch, 0xA7);
  EXPECT_EQ(doc().Fonts[cell.FontIndex].name(), "Symbol");
  EXPECT_EQ(bar().fontBox()->currentText(), QStringLiteral("Symbol"));
}

}  // namespace
}  // namespace vendaro
