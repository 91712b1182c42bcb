// Words as the check sees them: runs of word cells that go on over soft
// line ends, judged whole or, for compounds, by their parts.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "spelling/wrapped_words.h"
#include "test_word_lists.h"

namespace vendaro {
namespace {

using test::lineOf;
using test::marks;

// A judge that knows a fixed set of words.
WordJudge knowing(std::set<std::string> words) {
  return [words = std::move(words)](std::string_view word) { return words.contains(std::string(word)); };
}

TEST(LineWords, RunsOfLettersDigitsAndHyphensAreWords) {
  std::vector<TLineRec> lines{lineOf("Foto-Album, 3D \xfc" "ber\tStra\xdf" "e!")};
  lines[0].Chars[13].Kind = kCellField;  // the "D" of "3D" is a field cell
  std::vector<std::string> words;
  for (const auto& word : wrappedWordsOfLine(IndexedLines(lines), 0)) words.push_back(word.text);
  EXPECT_EQ(words, (std::vector<std::string>{"Foto-Album", "3", "\xfc" "ber", "Stra\xdf" "e"}));
  EXPECT_TRUE(isWordCharacter(0xC4));   // Ä
  EXPECT_FALSE(isWordCharacter(0xD7));  // ×
  EXPECT_FALSE(isWordCharacter('\''));
}

TEST(LineWords, CompoundsAreJudgedByTheirPartsAndLoneHyphensNotAtAll) {
  const WordJudge judge = knowing({"E", "Mail", "Haus", "Foto-Album"});
  using Pieces = std::vector<WordPiece>;
  EXPECT_EQ(rejectedPieces("-", judge), Pieces{});
  EXPECT_EQ(rejectedPieces("--", judge), Pieces{});
  EXPECT_EQ(rejectedPieces("E-Mail", judge), Pieces{});
  EXPECT_EQ(rejectedPieces("Haus-", judge), Pieces{});
  EXPECT_EQ(rejectedPieces("Foto-Album", judge), Pieces{});
  EXPECT_EQ(rejectedPieces("Hauss", judge), (Pieces{{0, 5}}));
  EXPECT_EQ(rejectedPieces("Hauss-Mail-Gartn", judge), (Pieces{{0, 5}, {11, 5}}));
  EXPECT_EQ(pieceAt("Hauss-Mail-Gartn", 12), (WordPiece{11, 5}));
  EXPECT_EQ(pieceAt("Hauss-Mail-Gartn", 5).length, 0u);
  EXPECT_EQ(pieceAt("Hauss", 2), (WordPiece{0, 5}));
}

// Two lines of one paragraph: the first ends softly inside "Silbentrennung"
// (hyphenated) or at a hyphen.
std::vector<TLineRec> wrapped(const std::string& first, const std::string& second, int32_t lineEnd = kLineEndSoft) {
  std::vector<TLineRec> lines{lineOf(first), lineOf(second)};
  lines[0].LineEnd = lineEnd;
  lines[1].LineEnd = kLineEndParagraph;
  return lines;
}

TEST(LineWords, AWordBrokenAtASoftLineEndIsJudgedWholeAndBothPartsCarryTheVerdict) {
  const WordJudge judge = knowing({"Die", "Silbentrennung", "hier", "Haus", "Gartenarbeit", "und"});
  std::vector<TLineRec> lines = wrapped("Die Silben", "trennung hier");
  markEveryLine(lines, judge);
  EXPECT_EQ(marks(lines[0]) + "|" + marks(lines[1]), "          |             ");
  lines = wrapped("Die Silben", "trenung hier");
  markEveryLine(lines, judge);
  EXPECT_EQ(marks(lines[0]) + "|" + marks(lines[1]), "    ^^^^^^|^^^^^^^     ");
  // A paragraph end parts the words.
  lines = wrapped("Die Silben", "trennung hier", kLineEndParagraph);
  markEveryLine(lines, judge);
  EXPECT_EQ(marks(lines[0]) + "|" + marks(lines[1]), "    ^^^^^^|^^^^^^^^     ");
  // Broken at its own hyphen a compound stands by its parts.
  lines = wrapped("Haus-", "und Gartenarbeit");
  markEveryLine(lines, judge);
  EXPECT_EQ(marks(lines[0]) + "|" + marks(lines[1]), "     |                ");
  // Marking one line again judges its word with the other line's part.
  lines = wrapped("Die Silben", "trennung hier");
  lines[1].Chars[3].Ch = 'x';
  markLineWords(IndexedLines(lines), size_t{1}, judge, false);
  EXPECT_EQ(marks(lines[0]) + "|" + marks(lines[1]), "    ^^^^^^|^^^^^^^^     ");
}

TEST(LineWords, InATableCellAWordGoesOnInTheCellsNextLine) {
  // Two cells side by side, two row groups; the first cell's text wraps.
  std::vector<TLineRec> lines{lineOf("Silben"), lineOf("Silben"), lineOf("trennung"), lineOf("trennung")};
  for (size_t i = 0; i < lines.size(); ++i) {
    lines[i].InTable = 1;
    lines[i].RowCells = 2;
    lines[i].CellIndex = static_cast<int32_t>(i % 2);
    lines[i].CellFirstLine = i < 2 ? 1 : 0;
    lines[i].LineEnd = i < 2 ? kLineEndSoft : kLineEndParagraph;
  }
  lines[1].LineEnd = kLineEndParagraph;  // the second cell's text ends there
  markEveryLine(lines, knowing({"Silbentrennung"}));
  EXPECT_EQ(marks(lines[0]) + "|" + marks(lines[2]), "      |        ");
  EXPECT_EQ(marks(lines[1]) + "|" + marks(lines[3]), "^^^^^^|^^^^^^^^");
}

}  // namespace
}  // namespace vendaro
