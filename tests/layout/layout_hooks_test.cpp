// What a layout run asks of other parts of the program: the spelling check
// while typing and the refresh of field texts.
#include <gtest/gtest.h>

#include <set>

#include "layout/layout_fixture.h"

namespace vendaro {
namespace {

using test::LayoutFixture;
using test::textLine;

std::string marked(const TLineRec& line) {
  std::string marks;
  for (const TCharRec& cell : line.Chars) marks.push_back(GettingOpsB(cell.CharFlags, kFlagMisspelled) ? '^' : '.');
  return marks;
}

TEST(LayoutHooks, SpellingMarksEveryWordTheCheckRejects) {
  LayoutFixture f;
  f.body().Lines = {textLine("good bad good-bad 12,bad", kLineEndParagraph, 4.0), textLine("bad")};
  f.body().Lines[1].Dirty = 0;  // clean lines are checked too
  SettingOpsB(f.body().Lines[0].Chars[0].CharFlags, kFlagMisspelled, true);
  std::multiset<std::string> asked;
  f.run([&](std::string_view word) {
    asked.insert(std::string(word));
    return word != "bad";
  });
  EXPECT_EQ(marked(f.body().Lines[0]), ".....^^^.............^^^");
  EXPECT_EQ(marked(f.body().Lines[1]), "^^^");
  EXPECT_EQ(asked, (std::multiset<std::string>{"good", "bad", "good-bad", "12", "bad", "bad"}));

  // With checking off the marks are left alone.
  f.body().Lines[0].Dirty = 1;
  f.run();
  EXPECT_EQ(marked(f.body().Lines[0]), ".....^^^.............^^^");
}

TEST(LayoutHooks, FieldsAreRefreshedOnceBeforeTheTextIsWrapped) {
  LayoutFixture f;
  f.body().Lines = {textLine("ab")};
  int calls = 0;
  f.run({}, [&](Document& doc) {
    ++calls;
    for (TCharRec& cell : doc.Fields[0].Lines[0].Chars) cell.CharWidth = 60;
    return true;
  });
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(f.body().LineCount(), 2);
}

}  // namespace
}  // namespace vendaro
