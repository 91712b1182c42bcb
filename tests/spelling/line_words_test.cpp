// Words of a line as the check while typing sees them, and their marks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spelling/line_words.h"
#include "test_word_lists.h"

namespace vendaro {
namespace {

using test::lineOf;
using test::marks;

TEST(LineWords, RunsOfLettersDigitsAndHyphensAreWords) {
  TLineRec line = lineOf("Foto-Album, 3D \xfc" "ber\tStra\xdf" "e!");
  line.Chars[13].Kind = kCellField;  // the "D" of "3D" is a field cell
  std::vector<std::string> words;
  for (const LineWord& word : lineWords(line)) words.push_back(word.text);
  EXPECT_EQ(words, (std::vector<std::string>{"Foto-Album", "3", "\xfc" "ber", "Stra\xdf" "e"}));
  EXPECT_TRUE(isWordCharacter(0xC4));   // Ä
  EXPECT_FALSE(isWordCharacter(0xD7));  // ×
  EXPECT_FALSE(isWordCharacter('\''));
}

TEST(LineWords, OnlyUnknownWordsAreMarkedAndOldMarksGo) {
  WordList list;
  test::fill(list, {"das", "Foto-Album", "Haus", "ist"});
  TLineRec line = lineOf("Das haus ist A4 Foto-Album xy");
  line.Chars[0].CharFlags = 1u << kFlagMisspelled | 1u << kFlagSoftHyphen;
  EXPECT_EQ(markMisspelledWords(line, list), 2);
  EXPECT_EQ(marks(line), "    ^^^^                   ^^");
  EXPECT_EQ(line.Chars[0].CharFlags, 1u << kFlagSoftHyphen);  // other flags stay
}

}  // namespace
}  // namespace vendaro
