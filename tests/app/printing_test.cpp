// Printing through Qt's printer: poster sheets into a PDF file (page count
// and paper size), the poster dialog's captions and kept settings, the
// menu commands, and "/P" without a printer.
#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/page_printing.h"
#include "app/poster_print_dialog.h"
#include "app_test_support.h"
#include "editing/editor.h"
#include "formats/lpx_file.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::waitUntil;

struct PdfPages {
  int count = 0;
  QStringList mediaBoxes;
};

// Qt writes its page dictionaries uncompressed.
PdfPages pdfPages(const std::filesystem::path& path) {
  QFile file(QString::fromStdString(path.string()));
  if (!file.open(QIODevice::ReadOnly)) return {};
  const QString text = QString::fromLatin1(file.readAll());
  PdfPages pages;
  pages.count = static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))));
  auto boxes = QRegularExpression(QStringLiteral("/MediaBox\\s*\\[([^\\]]*)\\]")).globalMatch(text);
  while (boxes.hasNext()) pages.mediaBoxes << boxes.next().captured(1).simplified();
  return pages;
}

class QtPrinting : public ::testing::Test {
 protected:
  QtPrinting() : editor(host), printer(makeProgramPrinter()) {
    editor.FormCreate();
    test::appendTextLine(editor.doc(), 0, "Plakat");
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(QString::fromStdString(target.string()));
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                                       QPageLayout::Millimeter));
  }

  void setPaper(double widthMm, double heightMm) {
    test::setPaperSize(editor.doc(), widthMm, heightMm);
    editor.CompleteRefresh();
  }

  test::TempDir dir;
  std::filesystem::path target = dir.file("poster.pdf");
  test::RecordingHost host;
  Editor editor;
  std::unique_ptr<QPrinter> printer;
  PosterPrintDialog dialog;
};

TEST_F(QtPrinting, FastPrintingTilesAnA3PageOverFourA4Sheets) {
  // 190 × 277 mm printable: 4488 × 6543 pixels at 600 dpi; A3 is 7016 ×
  // 9921, two columns and two rows with the overlap.
  setPaper(297.0, 420.0);
  FastPrinting(editor, *printer, dialog);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Es wurden 4 Seiten von 2 x 2 Seiten zum Drucker gesendet!");
  EXPECT_EQ(host.messages[0].caption, "Poster wird gedruckt!");
  const PdfPages pages = pdfPages(target);
  EXPECT_EQ(pages.count, 4);
  ASSERT_FALSE(pages.mediaBoxes.isEmpty());
  for (const QString& box : pages.mediaBoxes) {
    const QStringList numbers = box.split(' ');
    ASSERT_EQ(numbers.size(), 4);
    EXPECT_NEAR(numbers[2].toDouble(), 595.3, 0.5);
    EXPECT_NEAR(numbers[3].toDouble(), 841.9, 0.5);
  }
}

TEST_F(QtPrinting, PageOfThePaperSizePrintsOnOneSheet) {
  setPaper(210.0, 297.0);
  FastPrinting(editor, *printer, dialog);
  EXPECT_EQ(pdfPages(target).count, 1);
  EXPECT_EQ(host.messages.back().text, "Es wurden 1 Seiten von 1 x 1 Seiten zum Drucker gesendet!");
  // The next job prints on the printable area again.
  setPaper(297.0, 420.0);
  FastPrinting(editor, *printer, dialog);
  EXPECT_EQ(pdfPages(target).count, 4);
}

TEST_F(QtPrinting, FastPrintingUsesAndUpdatesTheDialogsSettings) {
  setPaper(297.0, 420.0);
  dialog.OnePageCheck->setChecked(true);
  dialog.xposed->setValue(1);
  dialog.KlebeCheck->setChecked(false);
  FastPrinting(editor, *printer, dialog);
  EXPECT_EQ(host.messages.back().text, "Es wurden 1 Seiten von 2 x 2 Seiten zum Drucker gesendet!");
  EXPECT_EQ(pdfPages(target).count, 1);
  EXPECT_TRUE(dialog.KlebeCheck->isChecked()) << "the glue margin switched the glue lines on";
}

TEST_F(QtPrinting, NoPrinterIsAFailureNotAReport) {
  printer->setOutputFileName({});
  FastPrinting(editor, *printer, dialog);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Drucken nicht möglich: Es ist kein Drucker eingerichtet.");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::error);
}

TEST(PosterPrintDialogTest, CaptionsAndDefaults) {
  PosterPrintDialog dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Poster-Druckeinstellungen"));
  EXPECT_EQ(dialog.KlebeCheck->text(), QStringLiteral("&Klebelinen"));
  EXPECT_EQ(dialog.SchneidCheck->text(), QStringLiteral("&Schneidelinen"));
  EXPECT_EQ(dialog.NoRandCheck->text(), QStringLiteral("Keine Linen am &Posterrand"));
  EXPECT_EQ(dialog.KRandCheck->text(), QStringLiteral("&5 % Kleberand lassen"));
  EXPECT_EQ(dialog.AllPagesCheck->text(), QStringLiteral("&Alle Seiten drucken"));
  EXPECT_EQ(dialog.OnePageCheck->text(), QStringLiteral("&Eine Seite drucken"));
  EXPECT_EQ(dialog.settings(), PosterSettings{});
  PosterSettings chosen;
  chosen.cutLines = false;
  chosen.allSheets = false;
  chosen.column = 3;
  chosen.row = 2;
  dialog.setSettings(chosen);
  EXPECT_EQ(dialog.settings(), chosen);
}

class PrintCommands : public ::testing::Test {
 protected:
  test::TempDir config;
  DialogAnswerer answers;
};

bool noDialogLeft(DialogAnswerer& answers) {
  return waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); });
}

DialogAnswerer::Answer cancel(QString* title = nullptr) {
  return [title](QWidget& dialog) {
    if (title) *title = dialog.windowTitle();
    static_cast<QDialog&>(dialog).reject();
  };
}

TEST_F(PrintCommands, SlashPWithoutPrinterSaysSoAndStillOpensTheDocument) {
  const std::filesystem::path file = config.file("aushang.lpx");
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "Aushang");
  std::string error;
  ASSERT_TRUE(SaveLPXFile(doc, file, error)) << error;

  QString shown;
  answers.add([&](QWidget& box) {
    shown = static_cast<QMessageBox&>(box).text();
    static_cast<QDialog&>(box).accept();
  });
  MainWindow window({"/P", file.string()});
  window.printer().setOutputFormat(QPrinter::PdfFormat);
  window.printer().setOutputFileName({});
  window.show();
  ASSERT_TRUE(noDialogLeft(answers));
  EXPECT_EQ(shown, QStringLiteral("Drucken nicht möglich: Es ist kein Drucker eingerichtet."));
  ASSERT_NE(window.activeEditorWindow(), nullptr);
  EXPECT_EQ(window.activeDocument()->editor().doc().DocTitle, "aushang.lpx");
}

TEST_F(PrintCommands, MenuEntriesOpenTheirDialogsAndPageViewToggles) {
  // The program starts with a new document and its page set-up dialog.
  answers.add(cancel());
  MainWindow window;
  window.show();
  ASSERT_TRUE(noDialogLeft(answers));
  MainMenus& menus = window.menus();
  EXPECT_EQ(menus.printAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));
  EditorWindow* editorWindow = window.activeEditorWindow();
  ASSERT_NE(editorWindow, nullptr);
  menus.File1Click();
  EXPECT_TRUE(menus.printAction->isEnabled());
  EXPECT_TRUE(menus.pageViewAction->isEnabled());

  Document& doc = editorWindow->editor()->doc();
  doc.ZoomMode = 0;
  menus.pageViewAction->trigger();
  EXPECT_TRUE(editorWindow->pageViewOn());
  EXPECT_EQ(doc.ZoomMode, 2);
  menus.pageViewAction->trigger();
  EXPECT_FALSE(editorWindow->pageViewOn());
  EXPECT_EQ(doc.ZoomMode, 0);

  // "&Drucken...": the poster dialog, cancelled, prints and says nothing.
  QString title;
  answers.add(cancel(&title));
  menus.printAction->trigger();
  ASSERT_TRUE(noDialogLeft(answers));
  EXPECT_EQ(title, QStringLiteral("Poster-Druckeinstellungen"));

  // Without a document only the printer set-up is offered; without a
  // printer it says so.
  editorWindow->close();
  ASSERT_TRUE(waitUntil([&] { return window.activeEditorWindow() == nullptr; }));
  menus.File1Click();
  EXPECT_FALSE(menus.printAction->isEnabled());
  EXPECT_FALSE(menus.pageViewAction->isEnabled());
  EXPECT_TRUE(menus.printerSetupAction->isEnabled());
  window.printer().setOutputFormat(QPrinter::PdfFormat);
  QString setupTitle;
  answers.add(cancel(&setupTitle));
  menus.printerSetupAction->trigger();
  ASSERT_TRUE(noDialogLeft(answers));
  EXPECT_FALSE(setupTitle.isEmpty());
}

}  // namespace
}  // namespace vendaro
