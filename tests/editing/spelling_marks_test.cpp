// Check while typing on a real editor: words are judged in the lines as
// they are wrapped, and a keystroke checks only the lines it lays out
// until the answers may have changed.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

TEST(SpellingMarks, WrappedWordsAreTwoWordsAndOnlyLaidOutLinesAreAskedAgain) {
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
  // The halves of the broken word are judged at once, not a keystroke later.
  const TCharRec& lastOfFirstLine = doc.Fields[0].Lines[0].Chars.back();
  EXPECT_TRUE(GettingOpsB(lastOfFirstLine.CharFlags, kFlagMisspelled));
  EXPECT_FALSE(GettingOpsB(doc.Fields[0].Lines.back().Chars[0].CharFlags, kFlagMisspelled));

  asked.clear();
  test::typeKeys(editor, "x");
  EXPECT_EQ(asked, std::multiset<std::string>{"hierx"});
  std::string half;  // the part of the broken word on the first line
  for (const TCharRec& cell : doc.Fields[0].Lines[0].Chars) half = cell.Ch == ' ' ? "" : half + static_cast<char>(cell.Ch);
  known.insert(half);
  editor.recheckSpelling();  // a word was learned: every line again
  test::typeKeys(editor, "\b");
  EXPECT_TRUE(asked.contains(half));
  EXPECT_FALSE(GettingOpsB(doc.Fields[0].Lines[0].Chars.back().CharFlags, kFlagMisspelled));
}

// After any typing the incremental marks equal those of a full check.
TEST(SpellingMarks, IncrementalMarksEqualAFullCheck) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  const std::set<std::string> known{"Ein", "Haus", "am", "See", "und", "ein", "Garten"};
  editor.setSpellingHook([&](std::string_view word) { return known.contains(std::string(word)); });
  test::typeKeys(editor, "Ein Haus am Seee und ein Gartn\nEin Hauss am See");
  test::typeKeys(editor, "\b\b\bSee und Garten und Gartenhaus");
  const auto marks = [&editor] {
    std::string flags;
    for (const TLineRec& line : editor.doc().Fields[0].Lines) {
      for (const TCharRec& cell : line.Chars) flags.push_back(GettingOpsB(cell.CharFlags, kFlagMisspelled) ? 'x' : '.');
      flags.push_back('|');
    }
    return flags;
  };
  const std::string incremental = marks();
  EXPECT_NE(incremental.find('x'), std::string::npos);
  editor.recheckSpelling();
  editor.RefreshContent();
  EXPECT_EQ(marks(), incremental);
}

}  // namespace
}  // namespace vendaro
