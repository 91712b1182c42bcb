// Suggestion scores, the three score bands and the pop-up menu built from them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spelling/spelling_menu.h"
#include "spelling/suggestions.h"
#include "spelling/typing_distance.h"
#include "test_word_lists.h"

namespace vendaro {
namespace {

using test::fill;

TEST(Suggestions, ScoreWeighsBothEndsAndTheLengthDifference) {
  // Same length: divided by (1/2)², so a full match scores 400.
  EXPECT_DOUBLE_EQ(suggestionScore("haus", "HAUS"), 400);
  // Two letters agree at the front, one at the back.
  EXPECT_DOUBLE_EQ(suggestionScore("haus", "Hals"), 3 * 100.0 / 8 / 0.25);
  // One letter more still divides by (1/2)²; the counts may overlap.
  EXPECT_DOUBLE_EQ(suggestionScore("aaa", "aaaa"), 6 * 100.0 / 6 / 0.25);
  // Four letters more: (4/2)² = 4.
  EXPECT_DOUBLE_EQ(suggestionScore("haus", "hausboot"), 4 * 100.0 / 8 / 4);
  EXPECT_DOUBLE_EQ(suggestionScore("", "haus"), 0);
}

TEST(Suggestions, OnlyTheBestBandIsOfferedBestFirst) {
  WordList list;
  fill(list, {"Garten", "Hals", "Hans", "Hausboot", "Hause", "Hauses", "Laus", "Maus", "Zebra"});
  // hauses: Hauses 400, Hause 166.7 (both above 132), Hals 25.
  EXPECT_EQ(findewortvorschlaege(list, "hauses"), (std::vector<std::string>{"Hauses", "Hause"}));
  // haue: Hause 200 leaves out Hals and Hans at 100.
  EXPECT_EQ(findewortvorschlaege(list, "haue"), std::vector<std::string>{"Hause"});
  // hxxs: nothing above 132, so the band from 100: Hals and Hans; Laus 50.
  EXPECT_EQ(findewortvorschlaege(list, "hxxs"), (std::vector<std::string>{"Hals", "Hans"}));
  // qxs: only the band from 66 (one agreeing letter of three).
  EXPECT_EQ(findewortvorschlaege(list, "qxs"), (std::vector<std::string>{"Hals", "Hans", "Laus", "Maus"}));
  EXPECT_TRUE(findewortvorschlaege(list, "qqqqqqqq").empty());
}

TEST(Suggestions, TheFewestEditsComeFirstWithGermanSpellingsCountedNear) {
  TypingDistance distance;
  EXPECT_EQ(distance("Haus", "Haus"), 0);
  EXPECT_EQ(distance("Hauss", "Haus"), kEditCost);
  EXPECT_EQ(distance("Husa", "Haus"), 2 * kEditCost);  // a swap and a change
  EXPECT_EQ(distance("Hasu", "Haus"), kEditCost);      // a swap
  EXPECT_EQ(distance("haus", "Haus"), kCaseCost);
  EXPECT_EQ(distance("grosse", "gro\xdf" "e"), kNearSpellingCost);
  EXPECT_EQ(distance("Strase", "Stra\xdf" "e"), kNearSpellingCost);
  EXPECT_EQ(distance("Haeuser", "H\xe4user"), kNearSpellingCost);
  EXPECT_EQ(distance("\xdc" "bel", "Uebel"), kNearSpellingCost);
  EXPECT_EQ(distance("schoen", "sch\xf6n"), kNearSpellingCost);
  EXPECT_EQ(distance("", "abc"), 3 * kEditCost);

  // Within the best band: fewer edits first, then the higher score, then
  // list order. "Gosse" scores 166.7 but is an edit and a capital away.
  WordList list;
  fill(list, {"Genosse", "Glosse", "Gosse", "gro\xdf" "e", "Trosse"});
  const std::vector<std::string> suggestions = findewortvorschlaege(list, "grosse");
  EXPECT_EQ(suggestions, (std::vector<std::string>{"gro\xdf" "e", "Trosse", "Glosse", "Gosse", "Genosse"}));
}

TEST(SpellingMenu, SuggestionsStandAboveInReverseOrder) {
  const std::vector<std::string> suggestions = {"eins", "zwei", "drei", "vier", "f\xfcnf", "sechs"};
  const std::vector<SpellingMenuItem> menu = buildSpellingMenu(suggestions);
  std::vector<std::string> captions;
  std::vector<int32_t> tags;
  for (const SpellingMenuItem& item : menu) {
    captions.push_back(item.caption);
    tags.push_back(item.tag);
  }
  EXPECT_EQ(captions, (std::vector<std::string>{"f\xfcnf", "vier", "drei", "zwei", "eins", "", "Wort ignorieren",
                                                 "Wort lernen", ""}));
  EXPECT_EQ(tags, (std::vector<int32_t>{104, 103, 102, 101, 100, 99, 99, 99, 99}));
  EXPECT_EQ(menu[6].action, SpellingMenuAction::IgnoreWord);
  EXPECT_EQ(suggestionForTag(suggestions, 102), "drei");
  EXPECT_EQ(suggestionForTag(suggestions, 105), std::nullopt);  // the sixth is not in the menu
  EXPECT_EQ(suggestionForTag({}, 100), std::nullopt);

  // No suggestions: only the learn and ignore entries between separators.
  const std::vector<SpellingMenuItem> bare = buildSpellingMenu({});
  ASSERT_EQ(bare.size(), 4u);
  EXPECT_EQ(bare[1].action, SpellingMenuAction::IgnoreWord);
  EXPECT_EQ(bare[2].action, SpellingMenuAction::LearnWord);
}

}  // namespace
}  // namespace vendaro
