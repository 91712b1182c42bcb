// The search dialog as a person uses it: Ctrl+H in a document, a word and
// its replacement, "&Alle ersetzen", the closing message, one undo; and the
// kept dialog remembering its texts and options.
#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/page_view.h"
#include "document/caret_moves.h"
#include "document/page_setup.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "app/search_form.h"
#include "app_test_support.h"
#include "support/keyboard_driver.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::clickButton;
using test::DialogAnswerer;
using test::reactivate;
using test::waitUntil;

// The text put through sed, as a person would check it from outside.
std::string throughSed(const test::TempDir& dir, const std::string& text, const std::string& script) {
  const std::filesystem::path in = dir.file("original.txt");
  test::writeFileBytes(in, text);
  const std::string command = "LC_ALL=C sed '" + script + "' '" + in.string() + "'";
  FILE* pipe = popen(command.c_str(), "r");
  std::string out;
  char buffer[4096];
  for (size_t n; pipe && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
  if (pipe) pclose(pipe);
  return out;
}

TEST(SearchFormWindow, ReplaceAllWithCtrlHThenOneUndo) {
  test::TempDir config;
  DialogAnswerer answers;
  answers.add([](QWidget& dialog) { clickButton(dialog, QStringLiteral("OK")); });  // the page set-up
  MainWindow window;
  window.show();
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  EditorWindow* editorWindow = window.activeEditorWindow();
  ASSERT_NE(editorWindow, nullptr);
  Editor& editor = *editorWindow->editor();
  test::typeKeys(editor, "Der Hund bellt, der Hund schl\xe4" "ft.\nHundeh\xfctte und Hund\nkein Tier");
  const std::string original = test::flowText(editor.doc());

  PageView& view = editorWindow->view();
  reactivate(window);
  ASSERT_TRUE(waitUntil([&] { return view.hasFocus(); }));
  answers.add([](QWidget& dialog) {
    auto& form = dynamic_cast<SearchForm&>(dialog);
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Suchen und ersetzen"));
    EXPECT_EQ(form.pages->currentIndex(), 1);
    QTest::keyClicks(form.replace.text, QStringLiteral("Hund"));
    QTest::keyClicks(form.replaceed, QStringLiteral("Katze"));
    form.replace.start->click();  // the caret stands at the text's end
    clickButton(form, QStringLiteral("&Alle ersetzen"));
  });
  answers.add([](QWidget& dialog) {
    auto& box = dynamic_cast<QMessageBox&>(dialog);
    EXPECT_EQ(box.windowTitle(), QStringLiteral("Suchvorgang"));
    EXPECT_EQ(box.text(), QStringLiteral("Der Suchvorgang innerhalb des Dokuments ist abgeschlossen."));
    EXPECT_EQ(box.icon(), QMessageBox::Information);
    box.accept();
  });
  QTest::keyClick(&view, Qt::Key_H, Qt::ControlModifier);
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));

  EXPECT_EQ(test::flowText(editor.doc()), throughSed(config, original, "s/Hund/Katze/g"));
  window.menus().Edit1Click();
  EXPECT_EQ(window.menus().undoAction->text(), QStringLiteral("&Rückgängig: Ersetzen"));
  reactivate(window);
  QTest::keyClick(&view, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(test::flowText(editor.doc()), original);

  // Ctrl+F shows the kept dialog on its first page; the replace page still
  // holds its texts.
  answers.add([](QWidget& dialog) {
    auto& form = dynamic_cast<SearchForm&>(dialog);
    EXPECT_EQ(form.pages->currentIndex(), 0);
    EXPECT_EQ(form.replace.text->text(), QStringLiteral("Hund"));
    EXPECT_EQ(form.replaceed->text(), QStringLiteral("Katze"));
    EXPECT_TRUE(form.replace.start->isChecked());
    form.reject();
  });
  answers.add([](QWidget& dialog) { dynamic_cast<QMessageBox&>(dialog).accept(); });
  reactivate(window);
  QTest::keyClick(&view, Qt::Key_F, Qt::ControlModifier);
  ASSERT_TRUE(waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
  EXPECT_EQ(test::flowText(editor.doc()), original);
  editor.SetFileChanged(false);
  EXPECT_TRUE(window.close());
}

TEST(SearchFormDialog, OptionsOfThePagePressedComeBack) {
  SearchForm form;
  DialogAnswerer answers;
  TSearchForm values;
  values.page = 0;
  answers.add([](QWidget& shown) {
    auto& f = static_cast<SearchForm&>(shown);
    f.search.text->setText(QStringLiteral("Größe"));
    f.search.caps->setChecked(true);
    f.search.back->setChecked(true);
    f.search.whole->setChecked(true);
    // Enter presses the page's default button, "&Weitersuchen".
    QTest::keyClick(f.search.text, Qt::Key_Return);
  });
  EXPECT_EQ(form.ask(values), kSearchFindNext);
  EXPECT_EQ(values.search.text, "Gr\xf6\xdf" "e");
  EXPECT_TRUE(values.search.matchCase);
  EXPECT_FALSE(values.search.wholeWords);
  EXPECT_TRUE(values.search.backwards);
  EXPECT_TRUE(values.search.allFrames);
  EXPECT_FALSE(values.replace.backwards);

  values = TSearchForm{};
  values.page = 2;
  answers.add([](QWidget& shown) {
    auto& f = static_cast<SearchForm&>(shown);
    EXPECT_EQ(f.pages->currentIndex(), 2);
    EXPECT_EQ(f.PageEd->maximum(), 100000);
    f.PageEd->setValue(7);
    QTest::keyClick(f.PageEd, Qt::Key_Return);
  });
  EXPECT_EQ(form.ask(values), kSearchGoToPage);
  EXPECT_EQ(values.pageNumber, 7);
  EXPECT_EQ(values.search.text, "Gr\xf6\xdf" "e");  // kept by the dialog

  answers.add([](QWidget& shown) { static_cast<QDialog&>(shown).reject(); });
  EXPECT_EQ(form.ask(values), kSearchCancel);
}

// A view host that finds "Ziel" once and shows the match as the window does.
class ViewSearchHost : public test::RecordingHost {
 public:
  explicit ViewSearchHost(PageView& view) : view_(view) {}
  void requestRepaint() override { view_.requestRepaint(); }
  void scrollCaretIntoView() override { view_.requestCaretInView(); }
  int showSearchForm(TSearchForm& form) override {
    if (searched_) return kSearchCancel;
    searched_ = true;
    form.search.text = "Ziel";
    form.search.fromStart = true;
    return kSearchFindNext;
  }

 private:
  PageView& view_;
  bool searched_ = false;
};

TEST(SearchFormView, TheMatchOnATenMetrePageAt250PercentIsScrolledIntoView) {
  PageView view;
  ViewSearchHost host(view);
  Editor editor(host);
  editor.FormCreate();
  Document& doc = editor.doc();
  PageSetupValues tenMetres = currentPageSetup(doc);
  tenMetres.PageHeight = 10000.0;
  applyPageSetup(doc, tenMetres, true);
  doc.ZoomPercent = 250.0;
  for (int i = 0; i < 400; ++i) test::appendTextLine(doc, 0, "Zeile " + std::to_string(i));
  test::appendTextLine(doc, 0, "am Ende das Ziel");
  setCaret(doc, {0, 0, 0});
  setAnchor(doc, {0, 0, 0});
  editor.CompleteRefresh();
  view.resize(700, 500);
  view.setEditor(&editor);
  view.setActiveDocument(true);
  view.show();
  view.paintNow();
  ASSERT_EQ(view.verticalScrollBar()->value(), 0);
  editor.SuchenErsetzen(0);
  // The last paragraph wraps in the template's big font: the match ends a line.
  const TextPos caret = caretPos(doc);
  ASSERT_GE(caret.cell, 4);
  std::string found;
  for (int32_t c = caret.cell - 4; c < caret.cell; ++c) found.push_back(static_cast<char>(lineAt(doc, caret)->Chars[static_cast<size_t>(c)].Ch));
  EXPECT_EQ(found, "Ziel");
  // The caret's whole line shows once the view has painted and scrolled.
  const auto caretLineVisible = [&] {
    const CaretRect& c = editor.paintState().caret;
    const int top = view.verticalScrollBar()->value();
    return c.y >= top && c.y + c.height <= top + view.viewport()->height();
  };
  EXPECT_TRUE(waitUntil([&] { return view.verticalScrollBar()->value() > 10000; }))
      << view.verticalScrollBar()->value() << " of " << view.verticalScrollBar()->maximum() << ", caret at "
      << editor.paintState().caret.y;
  EXPECT_TRUE(caretLineVisible()) << editor.paintState().caret.y << "+" << editor.paintState().caret.height << " in "
                                  << view.verticalScrollBar()->value() << "+" << view.viewport()->height();
}

}  // namespace
}  // namespace vendaro
