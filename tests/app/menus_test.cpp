// The menu tree, the tool bars and the enabling rule in the running window:
// every entry reaches an operation or waits for one, entries follow the
// caret's frame, zoom box, colour and line width buttons, undo lists, the
// shared overwrite mode, tool bars kept across a restart, and help.
#include <QDate>
#include <QDesktopServices>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLineEdit>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QWidgetAction>

#include <gtest/gtest.h>

#include "app/about_box.h"
#include "app/colour_buttons.h"
#include "app/document_toolbars.h"
#include "app/editor_window.h"
#include "app/format_toolbar.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "app/standard_toolbar.h"
#include "app/zoom_controls.h"
#include "app_test_support.h"
#include "document/caret_moves.h"
#include "support/keyboard_driver.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::waitUntil;

void cancelDialog(QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); }

// Every action reachable from the menu bar, sub-menus included.
void collectActions(const QList<QAction*>& actions, std::vector<QAction*>& all) {
  for (QAction* action : actions) {
    if (action->isSeparator()) continue;
    if (QMenu* sub = action->menu()) collectActions(sub->actions(), all);
    else all.push_back(action);
  }
}

class MenusTest : public testing::Test {
 protected:
  void SetUp() override { openWindow(); }
  void openWindow() {
    answers.add(cancelDialog);  // the page set-up of the first document
    window = std::make_unique<MainWindow>();
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_NE(window->activeEditorWindow(), nullptr);
  }
  void closeWindow() {
    for (EditorWindow* open : window->editorWindows()) open->document()->editor().doc().SetFileChanged(false);
    window->close();
    window.reset();
  }
  void TearDown() override {
    if (window) closeWindow();
  }
  MainMenus& menus() { return window->menus(); }
  Editor& editor() { return *window->activeEditorWindow()->editor(); }
  Document& doc() { return editor().doc(); }
  void at(const TextPos& pos) {
    setCaret(doc(), pos);
    setAnchor(doc(), pos);
    menus().refresh();
  }

  test::TempDir config;
  DialogAnswerer answers;
  std::unique_ptr<MainWindow> window;
};

TEST_F(MenusTest, EveryEntryAndButtonRunsAnOperationOrWaitsForOneDisabled) {
  std::vector<QAction*> all;
  collectActions(window->menuBar()->actions(), all);
  for (int bar = 0; bar < 4; ++bar) collectActions(window->toolBar(bar)->actions(), all);
  ASSERT_GT(all.size(), 100u);
  int later = 0;
  for (QAction* action : all) {
    if (qobject_cast<QWidgetAction*>(action)) continue;  // a box or button of a bar
    const bool waiting = CommandRegistry::isLater(*action);
    later += waiting;
    EXPECT_TRUE(waiting != CommandRegistry::runsCommand(*action)) << action->text().toStdString();
    if (waiting) {
      EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
  }
  EXPECT_LE(later, 2);  // at most the scanner entries still wait
  QStringList titles;
  for (QAction* menu : window->menuBar()->actions()) titles << menu->text();
  EXPECT_EQ(titles, (QStringList{"&Datei", "&Bearbeiten", "&Ansicht", "&Einfügen", "F&ormat", "E&xtras", "Tabe&lle",
                                 "&Fenster", "&Hilfe"}));
}

TEST_F(MenusTest, EntriesFollowTheCaretFrameAndTheDocument) {
  test::typeKeys(editor(), "Text");
  test::appendTableRow(doc(), {{"A", 1}, {"B", 1}});
  TFieldRec& box = test::appendFrame(doc(), kFieldTextBox, 20, 20, 80, 60);
  (void)box;
  const int32_t boxIndex = doc().FieldCount() - 1;
  test::appendFrame(doc(), kFieldRectangle, 100, 20, 160, 60);
  const int32_t rectangle = doc().FieldCount() - 1;
  MainMenus& m = menus();
  const CommandRegistry& rule = m.commands();

  at({0, 0, 0});
  for (QAction* text : {m.characterAction, m.paragraphAction, m.specialCharacterAction, m.stylesMenu->menuAction()})
    EXPECT_TRUE(text->isEnabled()) << text->text().toStdString();
  at({0, doc().Fields[0].LineCount() - 1, 0});
  EXPECT_TRUE(m.characterAction->isEnabled());
  EXPECT_EQ(rule.needOf(*m.insertRowsAction), CommandNeed::insideTable);
  at({boxIndex, 0, 0});
  EXPECT_TRUE(m.paragraphAction->isEnabled());
  EXPECT_EQ(rule.needOf(*m.objectFrontAction), CommandNeed::objectFrame);
  EXPECT_EQ(rule.needOf(*m.linkTextBoxAction), CommandNeed::textBox);
  at({rectangle, 0, 0});
  for (QAction* text : {m.characterAction, m.paragraphAction, m.numberingAction, m.specialCharacterAction})
    EXPECT_FALSE(text->isEnabled()) << text->text().toStdString();
  EXPECT_TRUE(m.saveAsAction->isEnabled());
  EXPECT_TRUE(m.objectFrontAction->isEnabled()) << "the caret is in an object";

  doc().SetFileChanged(false);
  window->activeEditorWindow()->close();
  ASSERT_TRUE(waitUntil([&] { return window->editorWindows().empty(); }));
  for (QMenu* menu : {m.editMenu, m.viewMenu, m.insertMenu, m.formatMenu, m.extrasMenu, m.tableMenu})
    EXPECT_FALSE(menu->menuAction()->isVisible()) << menu->title().toStdString();
  for (QAction* none : {m.saveAction, m.saveAsAction, m.printAction, m.pageViewAction, window->standardToolbar().printAction()})
    EXPECT_FALSE(none->isEnabled()) << none->text().toStdString();
  for (QAction* always : {m.newAction, m.openAction, m.printerSetupAction, m.helpContentsAction})
    EXPECT_TRUE(always->isEnabled()) << always->text().toStdString();
  EXPECT_FALSE(window->toolBar(0)->isEnabled());
  EXPECT_TRUE(window->toolBar(1)->isEnabled());
  EXPECT_FALSE(window->standardToolbar().undoButton()->isEnabled());
}

TEST_F(MenusTest, ZoomBoxTakesWhatIsTypedAndKeepsEditingKeysToItself) {
  test::typeKeys(editor(), "Zoom");
  ZoomBox& box = window->zoomBox();
  const auto type = [&](const QString& text) {
    box.setFocus();
    box.lineEdit()->selectAll();
    QTest::keyClicks(box.lineEdit(), text);
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
  };
  type(QStringLiteral("300%"));
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, 100);
  type(QStringLiteral("75"));
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, 75);
  EXPECT_EQ(box.currentText(), QStringLiteral("75%"));
  type(QStringLiteral("12,5"));
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, 12.5);
  type(QStringLiteral("nan"));
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, 12.5);
  EXPECT_EQ(box.currentText(), QStringLiteral("12,5%"));
  EXPECT_TRUE(waitUntil([&] { return window->activeEditorWindow()->view().hasFocus(); })) << "Enter goes back to the text";

  // Delete, Ctrl+A and Ctrl+Z edit the box, not the document.
  const std::string before = test::flowText(doc());
  const int32_t undoPos = editor().undoHistory().UndoPos();
  box.setFocus();
  box.lineEdit()->setCursorPosition(0);
  for (const QKeySequence& keys : {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_A),
                                   QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::Key_Delete)})
    QTest::keySequence(box.lineEdit(), keys);
  EXPECT_EQ(test::flowText(doc()), before);
  EXPECT_EQ(editor().undoHistory().UndoPos(), undoPos);

  // The fitting modes follow the window; the box shows what they computed.
  menus().wholePageAction->trigger();
  EXPECT_EQ(doc().ZoomMode, kZoomWholePage);
  EXPECT_EQ(box.currentText().toStdString(), zoomBoxText(doc().ZoomPercent));
  menus().zoom100Action->trigger();
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, 100);
  EXPECT_EQ(doc().ZoomMode, kZoomFixed);

  // The dialog shows the zoom and sets a fixed percentage with two decimals.
  answers.add([](QWidget& dialog) {
    auto* percent = dialog.findChild<QDoubleSpinBox*>();
    ASSERT_NE(percent, nullptr);
    EXPECT_DOUBLE_EQ(percent->value(), 100);
    percent->setValue(33.333);
    test::clickButton(dialog, QStringLiteral("OK"));
  });
  menus().zoomAction->trigger();
  EXPECT_DOUBLE_EQ(doc().ZoomPercent, 33.33);
  EXPECT_EQ(box.currentText(), QStringLiteral("33,33%"));
}

TEST_F(MenusTest, ColoursAndLineWidthsReachTheSelectionAndTheRectangleAndAreUndone) {
  test::typeKeys(editor(), "Farbe");
  setAnchor(doc(), {0, 0, 0});
  window->formatToolbar().textColourButton()->choose(0x0000FF);
  EXPECT_EQ(window->shell().settings().TextColor, 0x0000FF);
  const auto firstFont = [&] { return doc().Fonts[doc().Fields[0].Lines[0].Chars[0].FontIndex]; };
  EXPECT_EQ(firstFont().Color, 0x0000FF);
  window->formatToolbar().textBackButton()->chooseNone();
  EXPECT_TRUE(window->shell().settings().TextBackNone);
  EXPECT_EQ(firstFont().BackTransparent, 1);

  test::appendFrame(doc(), kFieldRectangle, 100, 20, 160, 60);
  const size_t rectangle = doc().Fields.size() - 1;
  at({static_cast<int32_t>(rectangle), 0, 0});
  DrawingToolbar& bar = window->drawingToolbar();
  LineWidthButton& widths = *bar.lineWidthButton();
  widths.fillChoices();
  const QList<QAction*> entries = widths.choices()->actions();
  ASSERT_EQ(entries.size(), kLineWidthEntries);
  EXPECT_EQ(entries.front()->text(), QStringLiteral("0 Pt"));
  EXPECT_EQ(entries[1]->text(), QStringLiteral("0,25 Pt"));
  EXPECT_EQ(entries.back()->text(), QStringLiteral("6 Pt"));
  const int32_t steps = editor().undoHistory().UndoPos();
  bar.fillButton()->choose(0x00FF00);
  bar.lineColourButton()->choose(0xFF0000);
  entries[9]->trigger();
  EXPECT_EQ(doc().Fields[rectangle].BackColor, 0x00FF00);
  EXPECT_EQ(doc().Fields[rectangle].BorderColor, 0xFF0000);
  EXPECT_DOUBLE_EQ(doc().Fields[rectangle].BorderWidth, 2.25);
  EXPECT_EQ(editor().undoHistory().UndoPos(), steps + 3);

  // The undo list's entry 2 takes three steps back at once.
  QMenu* list = window->standardToolbar().undoButton()->menu();
  emit list->aboutToShow();
  ASSERT_GE(list->actions().size(), 3);
  EXPECT_EQ(list->actions()[0]->text(), QStringLiteral("Feld formatieren"));
  list->actions()[2]->trigger();
  EXPECT_EQ(editor().undoHistory().UndoPos(), steps);
  EXPECT_EQ(doc().Fields[rectangle].BorderColor, 0);
  EXPECT_TRUE(window->standardToolbar().redoButton()->isEnabled());
}

TEST_F(MenusTest, OverwriteModeIsOneForAllDocuments) {
  answers.add(cancelDialog);
  menus().newAction->trigger();
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && window->editorWindows().size() == 2; }));
  window->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  EditorWindow* second = window->activeEditorWindow();
  QTest::keyClick(&second->view(), Qt::Key_Insert);
  EXPECT_EQ(window->statusPanel(kPanelOverwrite).text(), QStringLiteral("ÜB"));
  window->documentArea().setActiveSubWindow(window->editorWindows()[0]);
  ASSERT_TRUE(waitUntil([&] { return window->activeEditorWindow() == window->editorWindows()[0]; }));
  EXPECT_EQ(window->statusPanel(kPanelOverwrite).text(), QStringLiteral("ÜB"));
  EXPECT_TRUE(editor().typingOptions().OverwriteMode);
}

TEST_F(MenusTest, ToolBarsRulerAndStatusBarAreKeptAcrossARestart) {
  menus().toolbarActions[2]->trigger();
  menus().statusBarAction->trigger();
  menus().rulerAction->trigger();
  EXPECT_FALSE(window->toolBarShown(2));
  closeWindow();
  openWindow();
  EXPECT_FALSE(window->toolBarShown(2));
  EXPECT_TRUE(window->toolBarShown(3));
  menus().refresh();
  EXPECT_FALSE(menus().toolbarActions[2]->isChecked());
  EXPECT_FALSE(menus().statusBarAction->isChecked());
  EXPECT_FALSE(menus().rulerAction->isChecked());
  EXPECT_FALSE(window->shell().settings().ShowStatusBar);
}

class UrlCatcher : public QObject {
  Q_OBJECT

 public:
  QList<QUrl> opened;

 public slots:
  void open(const QUrl& url) { opened << url; }
};

TEST_F(MenusTest, HelpOpensTheInstalledPageAndInfoShowsTheYear) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler(QStringLiteral("file"), &catcher, "open");
  menus().helpContentsAction->trigger();
  QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
  ASSERT_EQ(catcher.opened.size(), 1);
  EXPECT_TRUE(catcher.opened[0].toLocalFile().endsWith(QStringLiteral("help/vendaro.html")));
  EXPECT_TRUE(QFile::exists(catcher.opened[0].toLocalFile()));

  EXPECT_EQ(withYear(QStringLiteral("© XXXX"), 2031), QStringLiteral("© 2031"));
  answers.add([](QWidget& dialog) {
    const QString text = dynamic_cast<TAboutBox&>(dialog).copyrightText();
    EXPECT_TRUE(text.contains(QString::number(QDate::currentDate().year()))) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("XXXX")));
    cancelDialog(dialog);
  });
  menus().aboutAction->trigger();
  EXPECT_TRUE(answers.allAnswered());
}

}  // namespace
}  // namespace vendaro

#include "menus_test.moc"
