// The formatting dialogs on their own: what each shows, what it hands back,
// and the rules that act inside them before OK (colour choices, changed
// controls, the spacing coupling, the tab stop list, the character table,
// the style manager's immediate changes).
#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include "app/character_format_dialog.h"
#include "app/character_table_dialog.h"
#include "app/colour_combo_box.h"
#include "app/numbering_dialog.h"
#include "app/paragraph_dialog.h"
#include "app/style_dialogs.h"
#include "app/tab_stops_dialog.h"
#include "app_test_support.h"
#include "platform/font_engine.h"

namespace vendaro {
namespace {

using test::DialogAnswerer;
using test::waitUntil;

void click(QWidget& dialog, const QString& caption) {
  for (QPushButton* button : dialog.findChildren<QPushButton*>())
    if (button->text() == caption) return button->click();
  ADD_FAILURE() << "no button " << caption.toStdString();
}

void chooseEntry(QComboBox& box, int index) {
  box.setCurrentIndex(index);
  emit box.activated(index);
}

TEST(ColourComboBox, NamesValuesHtmlTextAndTheMoreEntry) {
  TZeltoColorComboBox box;
  ASSERT_EQ(box.count(), 17);
  EXPECT_EQ(box.itemText(0), QStringLiteral("Schwarz"));
  EXPECT_EQ(box.itemText(15), QStringLiteral("Weiß"));
  EXPECT_EQ(box.itemText(16), QStringLiteral("Mehr..."));

  EXPECT_TRUE(box.setHTMLcolor(QStringLiteral("#FF0000")));
  EXPECT_EQ(box.currentText(), QStringLiteral("Rot"));
  EXPECT_EQ(box.ColorValue(), 0x0000FF);
  EXPECT_FALSE(box.setHTMLcolor(QStringLiteral("rot")));
  EXPECT_EQ(box.currentText(), QStringLiteral("Rot"));
  box.setColorValue(0x123456);
  EXPECT_EQ(box.currentIndex(), 16);
  EXPECT_EQ(box.HTMLcolor(), QStringLiteral("#563412"));

  // Choosing a named entry is a change the dialog hears of; setting is not.
  int32_t heard = -1;
  QObject::connect(&box, &TZeltoColorComboBox::colorChanged, [&](int32_t colour) { heard = colour; });
  chooseEntry(box, 12);
  EXPECT_EQ(heard, 0xFF0000);
  EXPECT_EQ(box.ColorValue(), 0xFF0000);

  // "Mehr..." asks the colour dialog, preset with the current colour;
  // cancel keeps the colour shown before, OK takes the new one.
  DialogAnswerer answers;
  answers.add([](QWidget& dialog) {
    auto& colours = dynamic_cast<QColorDialog&>(dialog);
    EXPECT_EQ(colours.currentColor(), QColor(0, 0, 255));
    colours.reject();
  });
  heard = -1;
  chooseEntry(box, 16);
  EXPECT_EQ(box.currentIndex(), 12);
  EXPECT_EQ(heard, -1);
  answers.add([](QWidget& dialog) {
    auto& colours = dynamic_cast<QColorDialog&>(dialog);
    colours.setCurrentColor(QColor(0x12, 0x34, 0x56));
    colours.accept();
  });
  chooseEntry(box, 16);
  EXPECT_TRUE(answers.allAnswered());
  EXPECT_EQ(box.currentIndex(), 16);
  EXPECT_EQ(heard, 0x563412);
}

TEST(CharacterTableDialog, GridCodesLabelAndChoice) {
  CharacterTableDialog table(FontEngine::shared());
  table.setSelection("Wingdings", 10);
  // Codes below the table select its first cell.
  EXPECT_EQ(table.character(), 32);
  EXPECT_EQ(table.codeLabel()->text(), QStringLiteral("Zeichen: 32"));
  EXPECT_EQ(table.fontName(), "Wingdings");

  // Column 4 of row 2 is 32 + 2 × 16 + 4.
  CharacterGrid& grid = *table.grid();
  QTest::mouseClick(&grid, Qt::LeftButton, {}, QPoint(4 * 24 + 5, 2 * 24 + 5));
  EXPECT_EQ(table.character(), 68);
  EXPECT_EQ(table.codeLabel()->text(), QStringLiteral("Zeichen: 68"));
  EXPECT_EQ(grid.cellCentre(255), QPoint(15 * 24 + 12, 13 * 24 + 12));

  // A face the list lacks is kept as the document names it; a double click
  // confirms.
  DialogAnswerer answers;
  answers.add([&](QWidget&) { QTest::mouseDClick(&grid, Qt::LeftButton, {}, grid.cellCentre(0xA7)); });
  std::string face = "Keine Schrift";
  uint8_t ch = 0xB7;
  ASSERT_TRUE(table.choose(face, ch));
  EXPECT_EQ(face, "Keine Schrift");
  EXPECT_EQ(ch, 0xA7);
}

TEST(CharacterFormatDialog, OnlyWhatTheUserChangedIsMarked) {
  CharacterFormatDialog dialog;
  ZeichenDialog shown;
  shown.fontName = "Arial";
  shown.size = "12";
  shown.backColor = 0xFFFFFF;
  shown.transparent = true;
  shown.attributes[0] = true;
  dialog.fill(shown);
  ZeichenDialog back = dialog.values();
  EXPECT_EQ(back.fontName, "Arial");
  EXPECT_EQ(back.size, "12");
  EXPECT_TRUE(back.transparent);
  EXPECT_TRUE(back.attributes[0]);
  EXPECT_FALSE(back.changed.fontName || back.changed.size || back.changed.color || back.changed.backColor ||
               back.changed.transparent || back.changed.attributes[0]);

  dialog.attributeList()->item(1)->setCheckState(Qt::Checked);
  dialog.sizeBox()->setCurrentText(QStringLiteral("14,5"));
  chooseEntry(*dialog.colourBox(), 9);
  back = dialog.values();
  EXPECT_TRUE(back.changed.attributes[1]);
  EXPECT_TRUE(back.attributes[1]);
  EXPECT_FALSE(back.changed.attributes[0]);
  EXPECT_TRUE(back.changed.size);
  EXPECT_EQ(back.size, "14,5");
  EXPECT_TRUE(back.changed.color);
  EXPECT_EQ(back.color, 0x0000FF);
  EXPECT_FALSE(back.changed.fontName);

  // "Transparent" only beside a white background.
  EXPECT_TRUE(dialog.transparentBox()->isEnabled());
  chooseEntry(*dialog.backColourBox(), 11);
  EXPECT_FALSE(dialog.transparentBox()->isEnabled());
  back = dialog.values();
  EXPECT_TRUE(back.changed.backColor);
  EXPECT_FALSE(back.transparent);

  // Filling again starts with nothing changed.
  dialog.fill(shown);
  EXPECT_FALSE(dialog.values().changed.attributes[1]);
  EXPECT_TRUE(dialog.transparentBox()->isEnabled());
}

TEST(ParagraphDialog, SpacingListAndMeasureFollowEachOther) {
  ParagraphDialog dialog;
  AbsatzDialog shown;
  shown.spacingChoice = 5;  // "Mehrfach"
  shown.measure = "1,25";
  shown.leftIndent = "2,5";
  dialog.fill(shown);
  EXPECT_EQ(dialog.spacingBox()->currentText(), QStringLiteral("Mehrfach"));
  EXPECT_EQ(dialog.unitLabel()->text(), QStringLiteral("Zeilen"));
  EXPECT_EQ(dialog.values().leftIndent, "2,5");

  chooseEntry(*dialog.spacingBox(), 1);
  EXPECT_EQ(dialog.measureEdit()->text(), QStringLiteral("1,5"));
  QLineEdit& measure = *dialog.measureEdit();
  measure.clear();
  QTest::keyClicks(&measure, QStringLiteral("2"));
  EXPECT_EQ(dialog.spacingBox()->currentText(), QStringLiteral("Doppelt"));
  QTest::keyClicks(&measure, QStringLiteral(".5"));
  EXPECT_EQ(dialog.spacingBox()->currentText(), QStringLiteral("Mehrfach"));

  chooseEntry(*dialog.spacingBox(), 4);  // "Genau" keeps the measure
  EXPECT_EQ(dialog.unitLabel()->text(), QStringLiteral("mm"));
  EXPECT_EQ(measure.text(), QStringLiteral("2.5"));
  QTest::keyClicks(&measure, QStringLiteral("0"));
  EXPECT_EQ(dialog.spacingBox()->currentText(), QStringLiteral("Genau"));
  const AbsatzDialog back = dialog.values();
  EXPECT_EQ(back.spacingChoice, 4);
  EXPECT_EQ(back.measure, "2.50");
}

class TabStopsDialogTest : public testing::Test {
 protected:
  void type(const QString& position) { dialog.positionBox()->setEditText(position); }
  std::vector<double> positions() const {
    std::vector<double> result;
    for (const TabDialogStop& stop : dialog.values().stops) result.push_back(stop.position);
    return result;
  }

  TabStopsDialog dialog;
  DialogAnswerer answers;
};

TEST_F(TabStopsDialogTest, SetRefusesBadPositionsAndKeepsTheListInOrder) {
  TabulatorDialog shown;
  shown.defaultTabWidth = "1,25";
  shown.stops = {{3.0, 1, 0}};
  dialog.fill(shown);
  EXPECT_EQ(dialog.defaultWidthEdit()->text(), QStringLiteral("1,25"));
  EXPECT_EQ(dialog.positionBox()->itemText(0), QStringLiteral("3"));
  EXPECT_TRUE(dialog.alignmentGroup()->button(1)->isChecked());

  for (const char* refused : {"abc", "0", "100,5"}) {
    answers.add([refused](QWidget& box) {
      const QString text = dynamic_cast<QMessageBox&>(box).text();
      EXPECT_EQ(text.startsWith(QStringLiteral("Ungültiger Wert für einen Tabstop. Sie müssen")),
                std::string(refused) == "abc")
          << text.toStdString();
      EXPECT_EQ(dynamic_cast<QMessageBox&>(box).icon(), QMessageBox::Critical);
      dynamic_cast<QMessageBox&>(box).accept();
    });
    type(QString::fromLatin1(refused));
    dialog.setTypedStop();
  }
  EXPECT_TRUE(answers.allAnswered());
  EXPECT_EQ(positions(), std::vector<double>{3.0});

  dialog.leaderGroup()->button(2)->setChecked(true);
  for (const char* taken : {"100", "2,5", "2.5"}) {
    type(QString::fromLatin1(taken));
    dialog.setTypedStop();
  }
  EXPECT_EQ(positions(), (std::vector<double>{2.5, 3.0, 100.0}));
  EXPECT_EQ(dialog.positionBox()->currentText(), QStringLiteral("2,5"));
  EXPECT_EQ(dialog.values().stops[0].leader, 2);

  // Choosing a stop shows its kinds; clicking a kind changes that stop.
  chooseEntry(*dialog.positionBox(), 1);
  EXPECT_TRUE(dialog.alignmentGroup()->button(1)->isChecked());
  EXPECT_TRUE(dialog.leaderGroup()->button(0)->isChecked());
  dialog.alignmentGroup()->button(3)->click();
  EXPECT_EQ(dialog.values().stops[1].align, 3);

  click(dialog, QStringLiteral("&Löschen"));
  EXPECT_EQ(positions(), (std::vector<double>{2.5, 100.0}));
  click(dialog, QStringLiteral("&Alle löschen"));
  EXPECT_TRUE(positions().empty());
}

TEST(NumberingDialog, TheCharacterTableChoosesBulletAndFont) {
  CharacterTableDialog table(FontEngine::shared());
  NumberingDialog dialog(FontEngine::shared(), table);
  NummerierungDialog shown;
  shown.listKind = 1;
  shown.listIndent = "0,63";
  shown.bullet = "\x9F";
  shown.bulletFont = "Wingdings";
  dialog.fill(shown);
  EXPECT_TRUE(dialog.kindGroup()->button(1)->isChecked());

  DialogAnswerer answers;
  answers.add([&](QWidget& shownTable) {
    EXPECT_EQ(&shownTable, &table);
    EXPECT_EQ(table.fontName(), "Wingdings");
    EXPECT_EQ(table.character(), 0x9F);
    table.setSelection("Symbol", 0xB7);
    table.accept();
  });
  click(dialog, QStringLiteral("Zeic&hentabelle"));
  ASSERT_TRUE(answers.allAnswered());
  dialog.kindGroup()->button(2)->setChecked(true);
  const NummerierungDialog back = dialog.values();
  EXPECT_EQ(back.listKind, 2);
  EXPECT_EQ(back.listIndent, "0,63");
  EXPECT_EQ(back.bullet, "\xB7");
  EXPECT_EQ(back.bulletFont, "Symbol");
}

TEST(StyleDialogs, NamesAreCheckedAndTheManagerChangesAtOnce) {
  StyleNameDialog names;
  StyleManagerDialog manager(names);
  VorlagenVerwaltenDialog styles;
  styles.names = {"Standard", "\xDC" "berschrift 1"};

  // The rename dialog opens while the manager's answer runs: a second
  // answerer, started then, answers it.
  const auto renameTo = [&](const QString& name) {
    EXPECT_EQ(names.nameEdit()->text(), QStringLiteral("Überschrift 1"));
    names.nameEdit()->clear();
    EXPECT_FALSE(names.okButton()->isEnabled());
    names.nameEdit()->setText(name);
    EXPECT_TRUE(names.okButton()->isEnabled());
    names.okButton()->click();
  };
  DialogAnswerer answers;
  answers.add([&](QWidget&) {
    manager.styleList()->setCurrentRow(1);
    DialogAnswerer rename;
    rename.add([&](QWidget&) { renameTo(QStringLiteral("Titel ☺")); });
    click(manager, QStringLiteral("&Umbenennen"));
    EXPECT_TRUE(rename.allAnswered());
    manager.styleList()->setCurrentRow(0);
    click(manager, QStringLiteral("&Löschen"));
    manager.reject();
  });
  // Cancel still hands back what was renamed and deleted meanwhile.
  EXPECT_FALSE(manager.edit(styles));
  EXPECT_TRUE(answers.allAnswered());
  ASSERT_EQ(styles.names.size(), 1u);
  EXPECT_EQ(styles.names[0], "Titel ?");  // the code page lacks the face
  ASSERT_EQ(styles.edits.size(), 2u);
  EXPECT_EQ(styles.edits[0].kind, VorlagenEdit::rename);
  EXPECT_EQ(styles.edits[0].index, 1);
  EXPECT_EQ(styles.edits[1].kind, VorlagenEdit::remove);
  EXPECT_EQ(styles.edits[1].index, 0);
  EXPECT_EQ(styles.selected, 0);
}

}  // namespace
}  // namespace vendaro
