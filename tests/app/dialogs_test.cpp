// The page set-up and options dialogs: the paper rules of the page set-up,
// and that both hand back exactly what they were given, in the document's
// and the settings' own units and code page.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTranslator>

#include <gtest/gtest.h>

#include "app/options_dialog.h"
#include "app/page_setup_dialog.h"
#include "app/paper_formats.h"
#include "app/qt_translations.h"

namespace vendaro {
namespace {

void click(QWidget& dialog, const char* caption) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (QString(button->text()).remove(QLatin1Char('&')) == QLatin1String(caption)) return button->click();
  FAIL() << "no button " << caption;
}

class PageSetupDialogTest : public testing::Test {
 protected:
  PageSetupDialog dialog{fixedPaperFormats()};
  QString paper() const { return dialog.paperBox()->currentText(); }
  bool across() const { return dialog.landscapeButton()->isChecked(); }
};

TEST_F(PageSetupDialogTest, PosterButtonsSetTheirSizeOrientationAndPaper) {
  dialog.setValues(PageSetupValues{});
  EXPECT_EQ(paper(), QStringLiteral("A4"));
  EXPECT_FALSE(across());
  click(dialog, "A3");
  EXPECT_DOUBLE_EQ(dialog.widthEdit()->value(), 42.0);
  EXPECT_DOUBLE_EQ(dialog.heightEdit()->value(), 29.7);
  EXPECT_TRUE(across());
  EXPECT_EQ(paper(), QStringLiteral("A3"));
  click(dialog, "A0");
  EXPECT_DOUBLE_EQ(dialog.widthEdit()->value(), 84.0);
  EXPECT_DOUBLE_EQ(dialog.heightEdit()->value(), 118.8);
  EXPECT_FALSE(across());
  // The button's size is a little short of ISO A0 (84.1 × 118.9 cm).
  EXPECT_EQ(paper(), QStringLiteral("Benutzerdefiniert"));
}

TEST_F(PageSetupDialogTest, PaperAndOrientationAndSizeFollowEachOther) {
  dialog.setValues(PageSetupValues{});
  dialog.paperBox()->setCurrentText(QStringLiteral("Letter"));
  EXPECT_DOUBLE_EQ(dialog.widthEdit()->value(), 21.59);
  EXPECT_DOUBLE_EQ(dialog.heightEdit()->value(), 27.94);
  dialog.landscapeButton()->setChecked(true);
  EXPECT_DOUBLE_EQ(dialog.widthEdit()->value(), 27.94);
  EXPECT_EQ(paper(), QStringLiteral("Letter"));
  // A size of one's own selects the user-defined entry, which keeps it.
  dialog.widthEdit()->setValue(30.0);
  EXPECT_EQ(paper(), QStringLiteral("Benutzerdefiniert"));
  EXPECT_TRUE(across());
  dialog.heightEdit()->setValue(50.0);
  EXPECT_FALSE(across());
  // Turning a user-defined size swaps it to match.
  dialog.landscapeButton()->setChecked(true);
  EXPECT_DOUBLE_EQ(dialog.widthEdit()->value(), 50.0);
  EXPECT_DOUBLE_EQ(dialog.heightEdit()->value(), 30.0);
  // Typing a listed size finds its paper.
  dialog.widthEdit()->setValue(14.8);
  dialog.heightEdit()->setValue(21.0);
  EXPECT_EQ(paper(), QStringLiteral("A5"));
}

TEST_F(PageSetupDialogTest, HandsBackMillimetresAndTheHeaderFooterMode) {
  PageSetupValues in;
  in.PageWidth = 594.0;
  in.PageHeight = 420.0;
  in.MarginLeft = 12.5;
  in.MarginTop = 20.0;
  in.MarginRight = 7.0;
  in.MarginBottom = 31.0;
  in.HeaderDistance = 15.0;
  in.FooterDistance = 9.0;
  in.Mode = kEvenOdd;
  dialog.setValues(in);
  EXPECT_EQ(paper(), QStringLiteral("A2"));
  EXPECT_TRUE(across());
  const PageSetupValues out = dialog.values();
  EXPECT_DOUBLE_EQ(out.PageWidth, 594.0);
  EXPECT_DOUBLE_EQ(out.PageHeight, 420.0);
  EXPECT_DOUBLE_EQ(out.MarginLeft, 12.5);
  EXPECT_DOUBLE_EQ(out.MarginTop, 20.0);
  EXPECT_DOUBLE_EQ(out.MarginRight, 7.0);
  EXPECT_DOUBLE_EQ(out.MarginBottom, 31.0);
  EXPECT_DOUBLE_EQ(out.HeaderDistance, 15.0);
  EXPECT_DOUBLE_EQ(out.FooterDistance, 9.0);
  EXPECT_EQ(out.Mode, kEvenOdd);
}

TEST(PaperFormats, SizesAreFoundInEitherOrientation) {
  const std::vector<PaperFormat>& formats = fixedPaperFormats();
  EXPECT_EQ(formats[paperIndexForSize(formats, 21.0, 29.7, false)].name, "A4");
  EXPECT_EQ(formats[paperIndexForSize(formats, 29.7, 21.0, true)].name, "A4");
  EXPECT_EQ(paperIndexForSize(formats, 29.7, 21.0, false), formats.size());
  EXPECT_FALSE(printerPaperFormats().empty());
}

TEST(OptionsDialog, ShowsAndTakesBackEverySetting) {
  ProgramSettings in;
  in.QuoteStyle = 3;
  in.HideFieldGuides = true;
  in.MaxUndoSteps = 25;
  in.RecentFilesMax = 0;
  in.ShowTabs = true;
  in.ShowParagraphMarks = true;
  in.AutoSaveEnabled = false;
  in.AutoSaveMinutes = 15;
  in.MakeBackups = true;
  in.UserName = "J\xFCrgen M\xFCller";  // code page 1252
  in.UserInitials = "JM";
  in.UserAddress = "Hauptstra\xDF" "e 1\r\n12345 Musterstadt";
  OptionsDialog dialog;
  dialog.setSettings(in);
  EXPECT_FALSE(dialog.findChild<QCheckBox*>()->isChecked()) << "the guides box shows the guides";
  EXPECT_EQ(dialog.findChildren<QLineEdit*>().front()->text(), QStringLiteral("Jürgen Müller"));
  ProgramSettings out;
  dialog.applyTo(out);
  EXPECT_EQ(out, in);

  // Quotes back to neutral, undo steps beyond the range are held at 1000.
  dialog.findChild<QComboBox*>()->setCurrentIndex(0);
  for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
    if (spin->value() == 25) spin->setValue(5000);
  dialog.applyTo(out);
  EXPECT_EQ(out.QuoteStyle, 0);
  EXPECT_EQ(out.MaxUndoSteps, 1000);
}

// The file dialogs' columns come from Qt's own catalogue (installed with
// the program's packages): German once it is loaded.
TEST(QtTranslations, FileDialogColumnsSpeakGerman) {
  QTranslator translator;
  ASSERT_TRUE(loadGermanQtTranslations(translator));
  QCoreApplication::installTranslator(&translator);
  QFileSystemModel model;
  const QString size = model.headerData(1, Qt::Horizontal).toString();
  const QString modified = model.headerData(3, Qt::Horizontal).toString();
  QCoreApplication::removeTranslator(&translator);
  EXPECT_EQ(size, QStringLiteral("Größe"));
  EXPECT_NE(modified, QStringLiteral("Date Modified"));
}

}  // namespace
}  // namespace vendaro
