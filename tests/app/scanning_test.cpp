// Scanning from the File menu against SANE's test scanner: the settings
// dialog, the worker behind its progress dialog, the picture in the
// document, the kept scanner choice, cancelling, and no scanner at all.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QDeadlineTimer>
#include <QMenu>
#include <QProgressDialog>
#include <QSpinBox>

#include <gtest/gtest.h>

#include "app/editor_window.h"
#include "app/main_menus.h"
#include "app/main_window.h"
#include "app/scan_dialogs.h"
#include "app_test_support.h"
#include "editing/editor.h"
#include "support/sane_test_scanner.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::clickButton;

class ScanningTest : public testing::Test {
 protected:
  void SetUp() override {
    answers.add([](QWidget& dialog) { static_cast<QDialog&>(dialog).reject(); });  // the first page set-up
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(test::waitUntil([&] { return answers.allAnswered() && !QApplication::activeModalWidget(); }));
    ASSERT_NE(window.activeEditorWindow(), nullptr);
  }
  void TearDown() override { doc().SetFileChanged(false); }
  Editor& editor() { return *window.activeEditorWindow()->editor(); }
  Document& doc() { return editor().doc(); }
  void run(const char* caption) {
    for (QAction* action : window.menus().fileMenu->actions())
      if (action->text() == QString::fromUtf8(caption)) {
        window.menus().refresh();
        ASSERT_TRUE(action->isEnabled()) << caption;
        action->trigger();
        return;
      }
    FAIL() << "no entry " << caption;
  }
  // Answers the settings dialog with a mode and a resolution, checking the
  // scanner it names.
  void answerSettings(const QString& mode, int dotsPerInch, const QString& scanner) {
    answers.add([=](QWidget& dialog) {
      ASSERT_NE(dynamic_cast<ScanSettingsDialog*>(&dialog), nullptr);
      bool named = false;
      for (QLabel* label : dialog.findChildren<QLabel*>()) named |= label->text().contains(scanner);
      EXPECT_TRUE(named) << scanner.toStdString();
      auto* modes = dialog.findChild<QComboBox*>();
      modes->setCurrentIndex(modes->findText(mode));
      dialog.findChild<QSpinBox*>()->setValue(dotsPerInch);
      clickButton(dialog, QStringLiteral("Scannen"));
    });
  }

  test::TempDir config;
  DialogAnswerer answers;
  MainWindow window;
};

TEST_F(ScanningTest, TheOnlyScannerScansIntoThePictureOfItsResolution) {
  test::useSaneTestScanner({"number_of_devices 1", "br_x 10", "br_y 20", "test-picture \"Solid white\""});
  answerSettings(QStringLiteral("Graustufen"), 254, QStringLiteral("test:0"));
  run("Bild scannen (TWAIN)...");
  ASSERT_TRUE(answers.allAnswered());
  ASSERT_EQ(doc().Pictures.size(), 1u);
  EXPECT_EQ(doc().Pictures[0].width(), 100);
  EXPECT_EQ(doc().Pictures[0].height(), 200);
  const TCharRec& cell = std::as_const(doc().Fields[0].Lines).at(0).Chars.at(0);
  ASSERT_EQ(cell.Kind, kCellPicture);
  EXPECT_NEAR(cell.CharWidth, 10.0, 0.01);
  EXPECT_EQ(editor().undoHistory().undoPopup().front(), "Grafik einfügen");
}

TEST_F(ScanningTest, TheChosenScannerIsKeptAndCancellingTheSlowScanInsertsNothing) {
  test::useSaneTestScanner({"number_of_devices 2", "read-delay true", "read-delay-duration 200000",
                           "non-blocking true", "select-fd true"});
  answers.add([](QWidget& dialog) {
    auto* list = dialog.findChild<QListWidget*>();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    list->setCurrentRow(1);
    clickButton(dialog, QStringLiteral("OK"));
  });
  run("Scanner wählen (TWAIN)...");
  ASSERT_TRUE(answers.allAnswered());

  const size_t steps = editor().undoHistory().undoPopup().size();
  answerSettings(QStringLiteral("Farbe"), 300, QStringLiteral("test:1"));
  // Cancelled once pixels arrive: SANE's test driver cannot take a cancel
  // before its reader has started.
  answers.add([](QWidget& dialog) {
    auto& progress = static_cast<QProgressDialog&>(dialog);
    QDeadlineTimer deadline(10000);
    while (progress.value() <= 0 && !deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    clickButton(dialog, QStringLiteral("Abbrechen"));
  });
  run("Bild scannen (TWAIN)...");
  EXPECT_TRUE(answers.allAnswered());
  EXPECT_TRUE(doc().Pictures.empty());
  EXPECT_EQ(editor().undoHistory().undoPopup().size(), steps);
}

TEST_F(ScanningTest, WithoutAScannerAMessageSaysSo) {
  test::useSaneTestScanner({}, false);
  QString shown;
  answers.add([&](QWidget& dialog) {
    for (QLabel* label : dialog.findChildren<QLabel*>()) shown += label->text();
    static_cast<QDialog&>(dialog).accept();
  });
  run("Bild scannen (TWAIN)...");
  EXPECT_TRUE(shown.contains(QStringLiteral("Es wurde kein Scanner gefunden."))) << shown.toStdString();
  EXPECT_TRUE(doc().Pictures.empty());
}

}  // namespace
}  // namespace vendaro
