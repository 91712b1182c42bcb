// Check while typing on a real editor: a word the layout wraps or
// hyphenates is judged whole, a keystroke checks only the lines it lays out
// and the words running into them, and the marks always equal those of a
// check of every line.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "editing/editor.h"
#include "spelling/wrapped_words.h"
#include "support/keyboard_driver.h"
#include "support/property_seeds.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

std::string marks(const Document& doc) {
  std::string flags;
  for (const TFieldRec& frame : doc.Fields) {
    for (const TLineRec& line : frame.Lines) {
      for (const TCharRec& cell : line.Chars) flags.push_back(GettingOpsB(cell.CharFlags, kFlagMisspelled) ? 'x' : '.');
      flags.push_back('|');
    }
  }
  return flags;
}

// The marks a check of every line gives the document as it stands.
std::string marksOfAFullCheck(const Document& doc, const WordJudge& judge) {
  Document copy = doc;
  for (TFieldRec& frame : copy.Fields) markEveryLine(frame.Lines, judge);
  return marks(copy);
}

TEST(SpellingMarks, AWrappedWordIsJudgedWholeAndOnlyLinesLaidOutAreAskedAgain) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  std::set<std::string> known{"Die", "Silbentrennung", "hier"};
  std::multiset<std::string> asked;
  editor.setSpellingHook([&](std::string_view word) {
    asked.insert(std::string(word));
    return known.contains(std::string(word));
  });
  test::typeKeys(editor, "Die Silbentrennung\nhier");
  const Document& doc = editor.doc();
  ASSERT_EQ(doc.Fields[0].Lines[0].Hyphenated, 1);
  EXPECT_EQ(marks(doc).find('x'), std::string::npos);

  asked.clear();
  test::typeKeys(editor, "x");
  EXPECT_EQ(asked, std::multiset<std::string>{"hierx"});
  EXPECT_TRUE(GettingOpsB(doc.Fields[0].Lines.back().Chars[0].CharFlags, kFlagMisspelled));

  // Misspelt, both halves are marked at once.
  known.erase("Silbentrennung");
  editor.recheckSpelling();
  test::typeKeys(editor, "\b");
  const TLineRec& first = doc.Fields[0].Lines[0];
  EXPECT_TRUE(GettingOpsB(first.Chars.back().CharFlags, kFlagMisspelled));
  EXPECT_TRUE(GettingOpsB(doc.Fields[0].Lines[1].Chars[0].CharFlags, kFlagMisspelled));
  EXPECT_FALSE(GettingOpsB(first.Chars[0].CharFlags, kFlagMisspelled));
}

// Random typing, deleting and caret moves in a narrow text, with words that
// wrap and hyphenate: after every step the marks equal a full check's.
// VENDARO_PROPERTY_SEEDS runs more seeds by hand.
TEST(SpellingMarks, IncrementalMarksEqualAFullCheck) {
  const std::vector<std::string> vocabulary{
      "Ein", "Haus", "Hauss", "am", "See", "und", "Garten", "Gartn", "Silbentrennung", "Silbentrenung",
      "Rechtschreibpr\xfc" "fung", "E-Mail", "Haus-", "-", "Donaudampfschifffahrt", "x", "Mo", "Fr"};
  const std::set<std::string> known{"Ein", "Haus", "am", "See", "und", "Garten", "Silbentrennung", "E", "Mail",
                                    "Rechtschreibpr\xfc" "fung", "Donaudampfschifffahrt"};
  const WordJudge judge = [&known](std::string_view word) { return known.contains(std::string(word)); };
  const unsigned seeds = test::propertySeeds(100), steps = test::propertySteps(40);
  const int32_t keys[] = {kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyHome, kKeyEnd, kKeyBackspace, kKeyDelete};
  for (unsigned seed = 1; seed <= seeds && !HasFailure(); ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto below = [&random](size_t n) { return static_cast<size_t>(random() % n); };
    test::RecordingHost host;
    Editor editor(host);
    editor.FormCreate();
    editor.setSpellingHook(judge);
    for (unsigned step = 0; step < steps && !HasFailure(); ++step) {
      const size_t what = below(10);
      if (what < 5) {
        test::typeKeys(editor, vocabulary[below(vocabulary.size())] + (below(4) == 0 ? "" : " "));
      } else if (what == 5) {
        test::typeKeys(editor, "\n");
      } else {
        for (size_t n = below(4) + 1; n > 0; --n) editor.getkeysKeyDown(keys[below(std::size(keys))], 0);
      }
      ASSERT_EQ(marks(editor.doc()), marksOfAFullCheck(editor.doc(), judge)) << test::flowText(editor.doc());
    }
  }
}

}  // namespace
}  // namespace vendaro
