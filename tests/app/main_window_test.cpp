// The program's window as a person uses it: a new document with its page
// set-up, typing with real key events, saving, closing with the question
// answered, and reopening from the recent files.
#include <QAction>
#include <QFileDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "app/context_menu.h"
#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/mdi_arrangement.h"
#include "app/page_setup_dialog.h"
#include "app/page_view.h"
#include "app_test_support.h"
#include "support/keyboard_driver.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::clickButton;
using test::DialogAnswerer;
using test::reactivate;
using test::waitUntil;

DialogAnswerer::Answer chooseFile(const std::filesystem::path& path) {
  return [path](QWidget& dialog) {
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    files.selectFile(QString::fromStdString(path.string()));
    static_cast<QDialog&>(files).accept();
  };
}

DialogAnswerer::Answer press(const QString& button) {
  return [button](QWidget& dialog) { clickButton(dialog, button); };
}

// Types `text` as key presses; Qt's key codes of the Latin-1 letters are
// their upper-case code points.
void typeText(QWidget& widget, const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 128) QTest::keyClick(&widget, ch.toLatin1());
    else QTest::sendKeyEvent(QTest::Click, &widget, static_cast<Qt::Key>(ch.toUpper().unicode()), QString(ch), {});
  }
}

std::string panel(MainWindow& window, int index) { return window.statusPanel(index).text().toStdString(); }

class MainWindowTest : public testing::Test {
 protected:
  test::TempDir config;
  DialogAnswerer answers;
};

TEST_F(MainWindowTest, TypeSaveCloseWithQuestionAndReopenFromRecentFiles) {
  const std::filesystem::path file = config.file("brief.lpx");
  answers.add([](QWidget& dialog) {
    ASSERT_NE(dynamic_cast<PageSetupDialog*>(&dialog), nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Seite einrichten"));
    clickButton(dialog, QStringLiteral("A3"));
    clickButton(dialog, QStringLiteral("OK"));
  });
  MainWindow window;
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));

  EditorWindow* editorWindow = window.activeEditorWindow();
  ASSERT_NE(editorWindow, nullptr);
  // A maximised document window names its document in the frame's caption;
  // the page set-up was the document's first change.
  EXPECT_EQ(window.windowTitle(), QStringLiteral("TOR-MEL Vendaro - [NONAME1*]"));
  Editor& editor = *editorWindow->editor();
  EXPECT_DOUBLE_EQ(editor.doc().PageWidth, 420.0);
  EXPECT_DOUBLE_EQ(editor.doc().PageHeight, 297.0);
  window.menus().Edit1Click();
  EXPECT_EQ(window.menus().undoAction->text(), QStringLiteral("&Rückgängig: Seite einrichten"));
  EXPECT_EQ(window.menus().redoAction->text(), QStringLiteral("&Wiederholen: Nicht möglich"));
  EXPECT_FALSE(window.menus().redoAction->isEnabled());

  PageView& view = editorWindow->view();
  reactivate(window);
  ASSERT_TRUE(waitUntil([&] { return view.hasFocus(); }));
  typeText(view, QStringLiteral("Hallo Welt"));
  QTest::keyClick(&view, Qt::Key_Tab);
  EXPECT_TRUE(view.hasFocus()) << "Tab must stay in the text";
  QTest::keyClick(&view, Qt::Key_Return);
  typeText(view, QStringLiteral("Größe"));
  EXPECT_EQ(test::flowText(editor.doc()).substr(0, 18), "Hallo Welt\t\nGr\xF6\xDF" "e");
  EXPECT_EQ(editorWindow->windowTitle(), QStringLiteral("NONAME1*"));
  ASSERT_TRUE(waitUntil([&] { return panel(window, 1) == "Ze 2     Sp 6"; })) << panel(window, 1);
  EXPECT_EQ(panel(window, 0), "S 1     1/1");
  QTest::keyClick(&view, Qt::Key_Insert);
  EXPECT_EQ(panel(window, 2), "ÜB");
  QTest::keyClick(&view, Qt::Key_Insert);
  EXPECT_EQ(panel(window, 2), "");

  window.menus().Edit1Click();
  EXPECT_EQ(window.menus().undoAction->text(), QStringLiteral("&Rückgängig: Eingabe"));
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  window.menus().Edit1Click();
  EXPECT_EQ(window.menus().redoAction->text(), QStringLiteral("&Wiederholen: Eingabe"));
  EXPECT_TRUE(window.menus().redoAction->isEnabled());
  QTest::keyClick(&view, Qt::Key_Y, Qt::ControlModifier);
  EXPECT_NE(test::flowText(editor.doc()).find("Gr\xF6\xDF" "e"), std::string::npos);

  answers.add(chooseFile(file));
  QTest::keyClick(&view, Qt::Key_S, Qt::ControlModifier);
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_EQ(editorWindow->windowTitle(), QStringLiteral("brief.lpx"));

  reactivate(window);
  typeText(view, QStringLiteral(" neu"));
  EXPECT_EQ(editorWindow->windowTitle(), QStringLiteral("brief.lpx*"));
  // Cancel keeps the window; yes saves and closes it.
  answers.add([](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Dokument speichern?"));
    EXPECT_EQ(dynamic_cast<QMessageBox&>(dialog).text(),
              QStringLiteral("Möchten Sie die Änderungen in brief.lpx speichern?"));
    clickButton(dialog, QStringLiteral("Abbrechen"));
  });
  window.menus().closeAction->trigger();
  EXPECT_EQ(window.activeEditorWindow(), editorWindow);
  reactivate(window);
  answers.add(press(QStringLiteral("&Ja")));
  window.menus().closeAction->trigger();
  ASSERT_TRUE(waitUntil([&] { return window.documentArea().subWindowList().isEmpty(); }));
  EXPECT_TRUE(window.shell().documents().empty());
  EXPECT_EQ(panel(window, 0), "");
  EXPECT_FALSE(window.menus().editMenu->menuAction()->isVisible());

  window.menus().File1Click();
  ASSERT_EQ(window.menus().recentActions.size(), 2u);  // separator and the file
  EXPECT_EQ(window.menus().recentActions[1]->text(), QStringLiteral("&1 brief.lpx"));
  window.menus().recentActions[1]->trigger();
  ASSERT_NE(window.activeDocument(), nullptr);
  const std::string text = test::flowText(window.activeDocument()->editor().doc());
  EXPECT_EQ(text.substr(0, 22), "Hallo Welt\t\nGr\xF6\xDF" "e neu");
  EXPECT_EQ(window.activeEditorWindow()->windowTitle(), QStringLiteral("brief.lpx"));
  EXPECT_TRUE(window.menus().editMenu->menuAction()->isVisible());
  EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, NewDocumentsAreNumberedAndClosingAsksForEachChangedOne) {
  answers.add(press(QStringLiteral("OK")));
  MainWindow window;
  window.show();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  answers.add(press(QStringLiteral("Abbrechen")));  // the second page set-up changes nothing
  window.menus().newAction->trigger();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  ASSERT_EQ(window.editorWindows().size(), 2u);
  EXPECT_EQ(window.editorWindows()[1]->windowTitle(), QStringLiteral("NONAME2"));
  EXPECT_EQ(window.activeDocument()->editor().undoHistory().UndoCount(), 0);

  // OK on the page set-up as shown and selecting everything change nothing:
  // closing the untouched first document asks nothing.
  EXPECT_EQ(window.editorWindows()[0]->windowTitle(), QStringLiteral("NONAME1"));
  window.menus().selectAllAction->trigger();
  EXPECT_EQ(window.activeDocument()->editor().doc().Modified, 0);
  window.menus().Edit1Click();
  EXPECT_EQ(window.menus().undoAction->text(), QStringLiteral("&Rückgängig: Alles markieren"));
  test::typeKeys(window.activeDocument()->editor(), "x");
  answers.add(press(QStringLiteral("&Nein")));
  EXPECT_TRUE(window.close());
  EXPECT_TRUE(answers.allAnswered());
  EXPECT_TRUE(window.shell().documents().empty());
}

TEST_F(MainWindowTest, MisspeltWordsOfferSuggestionsInThePopUpMenu) {
  answers.add(press(QStringLiteral("OK")));
  MainWindow window;
  window.show();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  Editor& editor = *window.activeEditorWindow()->editor();
  test::typeKeys(editor, "Das Hauss");
  editor.getkeysKeyDown(kKeyLeft, 0);

  QMenu menu;
  fillEditorContextMenu(menu, window, editor);
  QStringList captions;
  for (QAction* action : menu.actions()) captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
  // The table entries close the menu (greyed outside a table).
  const QStringList tableEntries{"-", "Zellen &formatieren...", "-", "Zeilen e&infügen...", "Spalten ein&fügen...",
                                 "-", "Zellen &löschen", "Zeilen lösc&hen", "Spalten lö&schen"};
  ASSERT_GE(captions.size(), 6 + tableEntries.size());
  EXPECT_EQ(captions.mid(captions.size() - tableEntries.size()), tableEntries);
  captions = captions.mid(0, captions.size() - tableEntries.size());
  EXPECT_EQ(captions.mid(captions.size() - 5),
            (QStringList{"-", "Wort ignorieren", "Wort lernen", "-", "Markierung &löschen"}));
  const qsizetype haus = captions.indexOf(QStringLiteral("Haus"));
  ASSERT_GE(haus, 0) << captions.join(QLatin1Char('|')).toStdString();
  menu.actions()[haus]->trigger();
  EXPECT_EQ(test::flowText(editor.doc()).substr(0, 8), "Das Haus");

  // Without the check while typing the menu has no spelling entries.
  test::typeKeys(editor, "x");
  window.toggleCheckWhileTyping();
  QMenu plain;
  fillEditorContextMenu(plain, window, editor);
  EXPECT_EQ(plain.actions().size(), 1 + tableEntries.size());
  window.toggleCheckWhileTyping();
  answers.add(press(QStringLiteral("&Nein")));
  EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, OptionsTakeEffectAndAreSavedOnOk) {
  answers.add(press(QStringLiteral("Abbrechen")));
  MainWindow window;
  window.show();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  const Editor& editor = *window.activeEditorWindow()->editor();
  answers.add([](QWidget& dialog) {
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Einstellungen"));
    for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
      if (spin->value() == 10) spin->setValue(3);  // the undo steps
    clickButton(dialog, QStringLiteral("Abbrechen"));
  });
  window.menus().optionsAction->trigger();
  EXPECT_EQ(editor.undoHistory().MaxUndoSteps, 10);
  EXPECT_FALSE(std::filesystem::exists(window.shell().configFolder() / "settings.dat"));
  answers.add([](QWidget& dialog) {
    for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
      if (spin->value() == 10) spin->setValue(3);
    clickButton(dialog, QStringLiteral("OK"));
  });
  window.menus().optionsAction->trigger();
  EXPECT_EQ(editor.undoHistory().MaxUndoSteps, 3);
  EXPECT_EQ(window.shell().settings().MaxUndoSteps, 3);
  EXPECT_TRUE(std::filesystem::exists(window.shell().configFolder() / "settings.dat"));
  EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, ClosingAMaximisedDocumentLeavesTheOthersMaximised) {
  answers.add(press(QStringLiteral("Abbrechen")));
  MainWindow window;
  window.show();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  for (int i = 0; i < 2; ++i) {
    answers.add(press(QStringLiteral("Abbrechen")));
    window.menus().newAction->trigger();
    ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  }
  ASSERT_EQ(window.editorWindows().size(), 3u);
  for (int closed = 0; closed < 2; ++closed) {
    window.menus().closeAction->trigger();
    ASSERT_TRUE(waitUntil([&] { return window.editorWindows().size() == 2u - closed; }));
    EXPECT_TRUE(waitUntil([&] {
      const EditorWindow* next = window.activeEditorWindow();
      return next && next->isMaximized();
    }));
  }
  EXPECT_TRUE(window.close());
}

TEST(MdiArrangement, TilesShareTheAreaAndIconsLineUpAtTheBottom) {
  QMdiArea area;
  area.resize(600, 400);
  QMdiSubWindow* windows[3];
  for (QMdiSubWindow*& window : windows) window = area.addSubWindow(new QWidget);
  area.show();
  windows[0]->showMaximized();
  arrangeSubWindows(area, MdiArrangement::horizontal);
  const int height = area.viewport()->height();
  for (int i = 0; i < 3; ++i) {
    EXPECT_FALSE(windows[i]->isMaximized());
    EXPECT_EQ(windows[i]->geometry(), QRect(0, height * i / 3, area.viewport()->width(), height * (i + 1) / 3 - height * i / 3));
  }
  arrangeSubWindows(area, MdiArrangement::vertical);
  EXPECT_EQ(windows[1]->geometry().left(), area.viewport()->width() / 3);
  EXPECT_EQ(windows[1]->geometry().top(), 0);
  arrangeSubWindows(area, MdiArrangement::minimizeAll);
  for (QMdiSubWindow* window : windows) {
    EXPECT_TRUE(window->isMinimized());
    EXPECT_EQ(window->geometry().bottom(), height - 1);
  }
  EXPECT_LT(windows[0]->geometry().left(), windows[1]->geometry().left());
}

TEST_F(MainWindowTest, PdfExportAsksForTheFileAndWritesIt) {
  answers.add(press(QStringLiteral("Abbrechen")));
  MainWindow window;
  window.show();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  Editor& editor = *window.activeEditorWindow()->editor();
  test::typeKeys(editor, "Plakat");
  window.menus().File1Click();
  EXPECT_TRUE(window.menus().pdfExportAction->isEnabled());
  EXPECT_EQ(window.menus().pdfExportAction->text(), QStringLiteral("PDF-Export..."));

  const std::filesystem::path file = config.file("plakat.pdf");
  answers.add([&file](QWidget& dialog) {
    auto& files = dynamic_cast<QFileDialog&>(dialog);
    EXPECT_TRUE(files.nameFilters().join(QLatin1Char('|')).contains(QStringLiteral("PDF-Dateien (*.pdf)")));
    files.selectFile(QString::fromStdString(file.string()));
    static_cast<QDialog&>(files).accept();
  });
  window.menus().pdfExportAction->trigger();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered(); }));
  ASSERT_TRUE(std::filesystem::exists(file));
  EXPECT_TRUE(test::readFileBytes(file).starts_with("%PDF-"));
  answers.add(press(QStringLiteral("&Nein")));
  EXPECT_TRUE(window.close());
}

}  // namespace
}  // namespace vendaro
