// The word lists built from Debian's dictionaries, read from the program
// folder the way the program reads them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/paths.h"
#include "spelling/wrapped_words.h"
#include "spelling/spe_file.h"
#include "spelling/spell_check.h"
#include "spelling/suggestions.h"
#include "spelling/word_order.h"
#include "test_word_lists.h"

namespace vendaro {
namespace {

const WordList& generated(const char* name) {
  static WordList german;
  static WordList english;
  WordList& list = std::string(name) == "german.spe" ? german : english;
  if (list.empty()) {
    const WordListReadResult read = OpenWordList(ProgramDir() / name, list);
    EXPECT_EQ(read.status, WordListReadStatus::Complete) << (ProgramDir() / name);
    EXPECT_FALSE(read.sorted) << "the converter writes in list order";
  }
  return list;
}

TEST(GeneratedWordLists, GermanKnowsNounsUmlautsAndCapitalisation) {
  const WordList& german = generated("german.spe");
  ASSERT_GT(german.size(), 100000u);
  for (const char* word : {"Haus", "Silbentrennung", "Stra\xdf" "e", "\xe4ndern", "\xc4nderung", "Ganz", "ganz"}) {
    EXPECT_TRUE(istwortkorrekt(german, word, true)) << word;
  }
  EXPECT_FALSE(istwortkorrekt(german, "haus", true));
  EXPECT_FALSE(istwortkorrekt(german, "Silbentrenung", true));
  EXPECT_TRUE(std::all_of(german.begin(), german.end(), [](const std::string& word) {
    return !word.empty() && word.size() <= kMaxSpeWordLength;
  }));

  const std::vector<std::string> suggestions = findewortvorschlaege(german, "Silbentrenung");
  ASSERT_FALSE(suggestions.empty());
  EXPECT_EQ(suggestions.front(), "Silbentrennung");
}

// The word meant comes first among the five the menu shows.
TEST(GeneratedWordLists, TheLikeliestWordIsSuggestedFirst) {
  const WordList& german = generated("german.spe");
  const std::pair<const char*, const char*> typos[] = {
      {"grosse", "gro\xdf" "e"}, {"Strase", "Stra\xdf" "e"}, {"strasse", "Stra\xdf" "e"},
      {"Hauss", "Haus"},          {"Haeuser", "H\xe4user"},   {"Silbentrenung", "Silbentrennung"}};
  for (const auto& [typo, meant] : typos) {
    const std::vector<std::string> suggestions = findewortvorschlaege(german, typo);
    ASSERT_FALSE(suggestions.empty()) << typo;
    EXPECT_EQ(suggestions.front(), meant) << typo;
  }
}

TEST(GeneratedWordLists, ASentenceGetsOnlyItsMisspeltWordMarked) {
  std::vector<TLineRec> lines{
      test::lineOf("\xdc" "ber die gro"), test::lineOf("\xdf" "en Haus- und Gartenarbeiten, E-Mail Mo - Fr: die Strase.")};
  const WordList& german = generated("german.spe");
  markEveryLine(lines, [&german](std::string_view word) { return istwortkorrekt(german, word, true); });
  EXPECT_EQ(test::marks(lines[0]) + "|" + test::marks(lines[1]),
            "            |                                     ^^           ^^^^^^ ");
}

// Sentence starts and words in capitals, umlauts included.
TEST(GeneratedWordLists, CapitalisedAndCapitalWordsStandForTheirListForms) {
  const WordList& german = generated("german.spe");
  for (const char* word : {"\xdc" "be", "\xc4ndern", "HAUS", "STRA\xdf" "E", "\xdc" "BERALL", "E", "Gro\xdf" "e"}) {
    EXPECT_TRUE(istwortkorrekt(german, word, true)) << word;
  }
  for (const char* word : {"\xfc" "BE", "HAUs", "STRASE", "\xdc" "be"}) {
    EXPECT_FALSE(istwortkorrekt(german, word, word[0] != '\xdc')) << word;
  }
  EXPECT_FALSE(istwortkorrekt(german, "haus", true));
}

TEST(GeneratedWordLists, EnglishKnowsItsWords) {
  const WordList& english = generated("english.spe");
  ASSERT_GT(english.size(), 50000u);
  EXPECT_TRUE(istwortkorrekt(english, "dictionary", true));
  EXPECT_TRUE(istwortkorrekt(english, "Dictionary", true));
  EXPECT_TRUE(istwortkorrekt(english, "caf\xe9", true));  // é from UTF-8
  EXPECT_FALSE(istwortkorrekt(english, "dictionnary", true));
}

}  // namespace
}  // namespace vendaro
