// The formatting dialogs' own rules without a window: reading typed numbers,
// the tab stop list, the line spacing coupling, the style manager's list and
// the colour chooser.
#include <gtest/gtest.h>

#include "document/paragraph_format.h"
#include "editing/colour_choices.h"
#include "editing/decimal_text.h"
#include "editing/format_dialog_rules.h"

namespace vendaro {
namespace {

TEST(DecimalText, ReadsCommaOrPointAndRefusesEverythingElse) {
  EXPECT_EQ(parseDecimal("2,5"), 2.5);
  EXPECT_EQ(parseDecimal("2.5"), 2.5);
  EXPECT_EQ(parseDecimal(" 12 "), 12);
  EXPECT_EQ(parseDecimal("-0,5"), -0.5);
  EXPECT_EQ(parseDecimal(",5"), 0.5);
  EXPECT_EQ(parseDecimal("1e3"), 1000);  // the range check of each box refuses what is too large
  for (const char* refused : {"", " ", "abc", "nan", "NaN", "inf", "-inf", "infinity", "1,2,3", "1.000,5", "0x10",
                              "12pt", "1e400", "+-5", "--1"})
    EXPECT_FALSE(parseDecimal(refused).has_value()) << refused;
}

TEST(DecimalText, WritesADecimalCommaWithoutTrailingZeros) {
  EXPECT_EQ(formatDecimal(2.5), "2,5");
  EXPECT_EQ(formatDecimal(12), "12");
  EXPECT_EQ(formatDecimal(0.63), "0,63");
  EXPECT_EQ(formatDecimal(1.25), "1,25");
  EXPECT_EQ(formatDecimal(-0.0001), "0");
  EXPECT_EQ(formatDecimal(12.5 / 10), "1,25");
  EXPECT_EQ(parseDecimal(formatDecimal(100.0 / 3)), 33.33);
}

TEST(TabStopDialog, SetzenRefusesWithTheTwoMessagesAndKeepsTheListInOrder) {
  TabulatorDialog dialog;
  int selected = -1;
  EXPECT_EQ(setTabStop(dialog, "0", 0, 0, selected), kTabOutOfRangeMessage);
  EXPECT_EQ(setTabStop(dialog, "100,5", 0, 0, selected), kTabOutOfRangeMessage);
  EXPECT_EQ(setTabStop(dialog, "-3", 0, 0, selected), kTabOutOfRangeMessage);
  EXPECT_EQ(setTabStop(dialog, "abc", 0, 0, selected), kTabNotANumberMessage);
  EXPECT_EQ(setTabStop(dialog, "inf", 0, 0, selected), kTabNotANumberMessage);
  EXPECT_TRUE(dialog.stops.empty());
  EXPECT_EQ(selected, -1);

  EXPECT_EQ(setTabStop(dialog, "100", 0, 0, selected), "");
  EXPECT_EQ(setTabStop(dialog, "2,5", 1, 2, selected), "");
  EXPECT_EQ(selected, 0);
  EXPECT_EQ(setTabStop(dialog, "2.5", 3, 1, selected), "");  // the same stop takes the new kind
  EXPECT_EQ(setTabStop(dialog, "7", 2, 0, selected), "");
  EXPECT_EQ(selected, 1);
  ASSERT_EQ(dialog.stops.size(), 3u);
  EXPECT_EQ(dialog.stops[0].position, 2.5);
  EXPECT_EQ(dialog.stops[0].align, 3);
  EXPECT_EQ(dialog.stops[0].leader, 1);
  EXPECT_EQ(dialog.stops[1].position, 7);
  EXPECT_EQ(dialog.stops[2].position, 100);

  removeTabStop(dialog, 5);
  removeTabStop(dialog, 1);
  ASSERT_EQ(dialog.stops.size(), 2u);
  EXPECT_EQ(dialog.stops[1].position, 100);
  removeAllTabStops(dialog);
  EXPECT_TRUE(dialog.stops.empty());
}

TEST(ParagraphDialog, LineSpacingListAndMeasureFollowEachOther) {
  EXPECT_EQ(measureForSpacingChoice(kSpacingSingle), "1");
  EXPECT_EQ(measureForSpacingChoice(kSpacingOneAndHalf), "1,5");
  EXPECT_EQ(measureForSpacingChoice(kSpacingDouble), "2");
  EXPECT_FALSE(measureForSpacingChoice(kSpacingExactly));
  EXPECT_STREQ(spacingUnitLabel(kSpacingAtLeast), "mm");
  EXPECT_STREQ(spacingUnitLabel(kSpacingMultiple), "Zeilen");
  EXPECT_EQ(spacingChoiceForTypedMeasure(kSpacingSingle, "1,5"), kSpacingOneAndHalf);
  EXPECT_EQ(spacingChoiceForTypedMeasure(kSpacingMultiple, "2"), kSpacingDouble);
  EXPECT_EQ(spacingChoiceForTypedMeasure(kSpacingDouble, "1.25"), kSpacingMultiple);
  EXPECT_EQ(spacingChoiceForTypedMeasure(kSpacingDouble, "x"), kSpacingDouble);
  EXPECT_EQ(spacingChoiceForTypedMeasure(kSpacingExactly, "1"), kSpacingExactly);

  TParaFormat para;
  para.LineSpacing = 1.25;
  EXPECT_EQ(lineSpacingChoice(para), kSpacingMultiple);
}

TEST(StyleManager, RenamingAndDeletingChangeTheListAndLogTheChange) {
  VorlagenVerwaltenDialog dialog;
  dialog.names = {"A", "B", "C"};
  dialog.selected = 2;
  EXPECT_FALSE(styleNameAcceptable(""));
  EXPECT_TRUE(styleNameAcceptable(std::string(255, 'x')));
  EXPECT_FALSE(styleNameAcceptable(std::string(256, 'x')));
  renameStyleEntry(dialog, 1, "");
  renameStyleEntry(dialog, 3, "D");
  removeStyleEntry(dialog, -1);
  EXPECT_TRUE(dialog.edits.empty());
  renameStyleEntry(dialog, 1, "Neu");
  removeStyleEntry(dialog, 2);
  EXPECT_EQ(dialog.names, (std::vector<std::string>{"A", "Neu"}));
  EXPECT_EQ(dialog.selected, 1);
  ASSERT_EQ(dialog.edits.size(), 2u);
  EXPECT_EQ(dialog.edits[0].kind, VorlagenEdit::rename);
  EXPECT_EQ(dialog.edits[1].kind, VorlagenEdit::remove);
  removeStyleEntry(dialog, 0);
  removeStyleEntry(dialog, 0);
  EXPECT_EQ(dialog.selected, -1);
}

TEST(ColourChoices, NamedColoursHtmlTextAndTheCustomEntry) {
  ColourChoices box;
  ASSERT_TRUE(box.setHTMLcolor("#FF0000"));
  EXPECT_EQ(box.selectedEntry(), 9);
  EXPECT_EQ(ColourChoices::entryName(box.selectedEntry()), "Rot");
  EXPECT_EQ(box.ColorValue(), 0x0000FF);
  EXPECT_EQ(box.HTMLcolor(), "#FF0000");

  box.setColorValue(0x563412);
  EXPECT_EQ(box.selectedEntry(), kMoreColoursEntry);
  EXPECT_EQ(box.HTMLcolor(), "#123456");
  EXPECT_EQ(ColourChoices::entryName(kMoreColoursEntry), "Mehr...");
  box.selectEntry(12);
  EXPECT_EQ(box.ColorValue(), 0xFF0000);
  EXPECT_EQ(box.entryColour(kMoreColoursEntry), 0x563412);  // kept for "Mehr..."
  box.selectEntry(kMoreColoursEntry);
  EXPECT_EQ(box.ColorValue(), 0x563412);

  EXPECT_FALSE(box.setHTMLcolor("#GG0000"));
  EXPECT_FALSE(box.setHTMLcolor("FF0000"));
  EXPECT_EQ(box.ColorValue(), 0x563412);
  EXPECT_TRUE(box.setHTMLcolor("#00ff80"));
  EXPECT_EQ(box.ColorValue(), 0x80FF00);
  EXPECT_TRUE(box.setHTMLcolor(""));
  EXPECT_EQ(box.selectedEntry(), 0);
  EXPECT_EQ(ColourChoices::entryName(15), "Weiß");

  EXPECT_TRUE(transparencyAllowed(0xFFFFFF));
  EXPECT_FALSE(transparencyAllowed(0xFFFFFE));
}

}  // namespace
}  // namespace vendaro
