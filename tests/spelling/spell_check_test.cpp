// Look-up rules (digits, capitals, the exact window) and adding words so the
// list stays in order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "spelling/spell_check.h"
#include "spelling/word_order.h"
#include "test_word_lists.h"

namespace vendaro {
namespace {

using test::contents;
using test::fill;

TEST(SpellCheck, CapitalsDigitsAndEmptyInput) {
  WordList list;
  EXPECT_FALSE(istwortkorrekt(list, "A4", true));  // an empty list knows nothing
  fill(list, {"ganz", "Haus", "Hund"});
  EXPECT_TRUE(istwortkorrekt(list, "Haus", true));
  EXPECT_FALSE(istwortkorrekt(list, "haus", true));  // a noun typed in lower case
  EXPECT_TRUE(istwortkorrekt(list, "HAUS", true));  // in capitals
  EXPECT_TRUE(istwortkorrekt(list, "GANZ", true));
  EXPECT_FALSE(istwortkorrekt(list, "HAUS", false));
  EXPECT_FALSE(istwortkorrekt(list, "HaUS", true));
  EXPECT_TRUE(istwortkorrekt(list, "Ganz", true));  // sentence start
  EXPECT_FALSE(istwortkorrekt(list, "Ganz", false));
  EXPECT_TRUE(istwortkorrekt(list, "ganz", false));
  EXPECT_TRUE(istwortkorrekt(list, "A4", true));
  EXPECT_TRUE(istwortkorrekt(list, "xyz3d", false));
  EXPECT_FALSE(istwortkorrekt(list, "", true));
  EXPECT_FALSE(istwortkorrekt(list, "Hau", true));
}

TEST(SpellCheck, EverySpellingOfAnEqualRankingRunIsFound) {
  // Eleven spellings that rank equal in list order, between other words: the
  // exact comparison must reach past the binary search's stop.
  WordList list;
  list.append("abcd");
  std::vector<std::string> variants;
  for (int mask = 0; variants.size() < 11; ++mask) {
    std::string word = "abcde";
    for (int bit = 0; bit < 5; ++bit) {
      if (mask & (1 << bit)) word[bit] = static_cast<char>(word[bit] - 32);
    }
    variants.push_back(word);
    list.append(word);
  }
  list.append("abcdef");
  for (const std::string& word : variants) EXPECT_TRUE(istwortkorrekt(list, word, false)) << word;
  EXPECT_FALSE(istwortkorrekt(list, "ABCDE", false));
}

TEST(SpellCheck, AddingOneWordKeepsListOrderAndSkipsExactCopies) {
  WordList list;
  EXPECT_TRUE(addwordtowordlist(list, "mitte"));
  EXPECT_TRUE(addwordtowordlist(list, "Anfang"));
  EXPECT_TRUE(addwordtowordlist(list, "\xc4nde"));  // Ä ranks after Z
  EXPECT_TRUE(addwordtowordlist(list, "Zoo"));
  EXPECT_TRUE(addwordtowordlist(list, "Mitte"));
  EXPECT_FALSE(addwordtowordlist(list, "mitte"));
  EXPECT_FALSE(addwordtowordlist(list, ""));
  EXPECT_EQ(contents(list), (std::vector<std::string>{"Anfang", "mitte", "Mitte", "Zoo", "\xc4nde"}));
}

// A made-up word per number, in no particular order.
std::string letters(int number) {
  std::string word = number % 2 ? "wort" : "Wort";
  for (number = number * 7919 % 6000; number > 0; number /= 26) word.push_back(static_cast<char>('a' + number % 26));
  return word;
}

TEST(SpellCheck, MergingSmallAndLargeListsGivesTheSameAnswers) {
  std::vector<std::string> batch;
  for (int i = 0; i < 6000; ++i) batch.push_back(letters(i));
  batch.push_back("Haus");  // already known
  batch.push_back(letters(17));  // twice in the batch
  batch.push_back("9teufel");  // digits count as correct

  WordList appended;
  fill(appended, {"Haus", "Zebra"});
  EXPECT_EQ(addlisttowordlist(appended, batch), 6000u);

  WordList inserted;
  fill(inserted, {"Haus", "Zebra"});
  const std::vector<std::string> firstPart(batch.begin(), batch.begin() + 4000);
  const std::vector<std::string> secondPart(batch.begin() + 4000, batch.end());
  EXPECT_EQ(addlisttowordlist(inserted, firstPart) + addlisttowordlist(inserted, secondPart), 6000u);

  EXPECT_TRUE(isInListOrder(appended.elements()));
  EXPECT_EQ(contents(appended), contents(inserted));
  for (const std::string& word : batch) EXPECT_TRUE(istwortkorrekt(appended, word, false)) << word;
}

}  // namespace
}  // namespace vendaro
