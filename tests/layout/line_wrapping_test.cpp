// Wrapping one paragraph: where a line breaks, hyphenation, and the caret
// at the break. Cells are 5 mm wide in a 100 mm column: 20 to a line.
#include <gtest/gtest.h>

#include <vector>

#include "layout/layout_fixture.h"

namespace vendaro {
namespace {

using test::frameTexts;
using test::LayoutFixture;
using test::textLine;
using Texts = std::vector<std::string>;

Texts wrap(LayoutFixture& f, const std::string& text, int marked = -1) {
  f.body().Lines = {textLine(text)};
  if (marked >= 0) SettingOpsB(f.body().Lines[0].Chars[static_cast<size_t>(marked)].CharFlags, kFlagSoftHyphen, true);
  f.run();
  return frameTexts(f.body());
}

TEST(LineWrapping, BreaksAfterSpacesLetsThemHangAndCutsWhatCannotBreak) {
  LayoutFixture f;
  EXPECT_EQ(wrap(f, "aaaa aaaa aaaa aaaa aaaa"), (Texts{"aaaa aaaa aaaa aaaa ", "aaaa"}));
  EXPECT_EQ(f.body().Lines[0].LineEnd, kLineEndSoft);
  EXPECT_EQ(f.body().Lines[1].LineEnd, kLineEndParagraph);
  EXPECT_EQ(wrap(f, std::string(19, 'c') + "   ddd"), (Texts{std::string(19, 'c') + "   ", "ddd"}));
  EXPECT_EQ(wrap(f, std::string(25, 'c')), (Texts{std::string(20, 'c'), std::string(5, 'c')}));
  EXPECT_EQ(f.body().Lines[0].Hyphenated, 0);
  f.body().Lines = {textLine("xy")};
  f.body().Lines[0].Chars[0].CharWidth = 150;  // the first cell stays, however wide
  f.run();
  EXPECT_EQ(frameTexts(f.body()), (Texts{"x", "y"}));
}

// An edit in the line after a soft line end can move that line end: a
// corrected word that no longer hyphenates where it did goes down whole,
// and a shortened first word goes back up.
TEST(LineWrapping, AnEditBelowASoftLineEndWrapsTheLineAboveAgain) {
  LayoutFixture f;
  const std::string start(14, 'c');
  EXPECT_EQ(wrap(f, start + " aaaabbbbb"), (Texts{start + " aaaa", "bbbbb"}));
  ASSERT_EQ(f.body().Lines[0].Hyphenated, 1);
  f.body().Lines[1].Chars[0].Ch = 'c';  // "aaaacbbbb" has no point
  f.body().Lines[1].Dirty = 1;
  f.run();
  EXPECT_EQ(frameTexts(f.body()), (Texts{start + " ", "aaaacbbbb"}));
  EXPECT_EQ(f.body().Lines[0].Hyphenated, 0);

  const std::string longer(15, 'c');
  EXPECT_EQ(wrap(f, longer + " dddddd eeee"), (Texts{longer + " ", "dddddd eeee"}));
  auto& cells = f.body().Lines[1].Chars;
  cells.erase(cells.begin(), cells.begin() + 3);  // "ddd" now fits the line above
  f.body().Lines[1].Dirty = 1;
  f.run();
  EXPECT_EQ(frameTexts(f.body()), (Texts{longer + " ddd ", "eeee"}));
}

// Typing at the end of a long paragraph wraps again only the lines near the
// edit: the lines well above it keep their cells where they are (wrapping
// the whole paragraph for every key made typing slow).
TEST(LineWrapping, AnEditAtTheEndOfALongParagraphLeavesTheLinesWellAboveIt) {
  LayoutFixture f;
  std::string text;
  for (int word = 0; word < 58; ++word) text += "aaaa ";
  const Texts before = wrap(f, text);
  ASSERT_GE(before.size(), 10u);
  auto& lines = f.body().Lines;
  std::vector<const TCharRec*> cells;
  for (const TLineRec& line : lines) cells.push_back(line.Chars.data());
  lines.back().Chars.push_back(lines.back().Chars.front());
  lines.back().Dirty = 1;
  f.run();
  ASSERT_EQ(lines.size(), before.size());
  for (size_t i = 0; i + 2 < lines.size(); ++i) EXPECT_EQ(lines[i].Chars.data(), cells[i]) << "line " << i;
}

TEST(LineWrapping, HyphenatesWordsOfThreeToTwentyFiveLettersAtTheLastPoint) {
  LayoutFixture f;
  // Points before every b that follows an a; the line is full at cell 20.
  EXPECT_EQ(wrap(f, "aaaaaaaaaa aabaabaabaab"), (Texts{"aaaaaaaaaa aabaabaa", "baab"}));
  EXPECT_EQ(f.body().Lines[0].Hyphenated, 1);
  EXPECT_EQ(f.body().Lines[1].Hyphenated, 0);
  f.doc.AutoHyphenate = 0;
  EXPECT_EQ(wrap(f, "aaaaaaaaaa aabaabaabaab")[0], "aaaaaaaaaa ");
  f.doc.AutoHyphenate = 1;

  TFontRec noHyphens = f.doc.CurFont;
  SettingOps(noHyphens.Attr, kAttrNoHyphenation, true);
  f.body().Lines = {textLine("aaaaaaaaaa aabaabaabaab")};
  for (TCharRec& cell : f.body().Lines[0].Chars) cell.FontIndex = f.doc.GetNewFontIndex(noHyphens);
  f.run();
  EXPECT_EQ(frameTexts(f.body())[0], "aaaaaaaaaa ");

  std::string word25;
  while (word25.size() < 25) word25 += "aab";
  word25.resize(25);
  EXPECT_EQ(wrap(f, word25)[0], word25.substr(0, 17));
  EXPECT_EQ(wrap(f, word25 + "a")[0], word25.substr(0, 20));
  // Words ending at an overflowing hyphen: two letters have no break.
  EXPECT_EQ(wrap(f, std::string(17, 'c') + " ab-")[0], std::string(17, 'c') + " ");
  EXPECT_EQ(wrap(f, std::string(16, 'c') + " aab-")[0], std::string(16, 'c') + " aa");
}

TEST(LineWrapping, SoftHyphensAndHyphensComeBeforeAutomaticPoints) {
  LayoutFixture f;
  EXPECT_EQ(wrap(f, "aaaaaaaaaa aabaabaabaab", 17), (Texts{"aaaaaaaaaa aabaab", "aabaab"}));
  EXPECT_EQ(f.body().Lines[0].Hyphenated, 1);
  EXPECT_EQ(wrap(f, "aaaaaaaaaa aabaabaabaab", 20)[0], "aaaaaaaaaa aabaabaab");  // on the cell that overflows
  // A mark on the first cell cannot break there; it still rules out automatic points.
  EXPECT_EQ(wrap(f, "aabaabaabaabaabaabaaba", 0)[0], "aabaabaabaabaabaabaa");
  EXPECT_EQ(wrap(f, std::string(12, 'c') + "-aabaabaab"), (Texts{std::string(12, 'c') + "-", "aabaabaab"}));
  EXPECT_EQ(f.body().Lines[0].Hyphenated, 0);
}

TEST(LineWrapping, CaretAndAnchorFollowTheirCharacters) {
  LayoutFixture f;
  const std::string text = "aaaa aaaa aaaa aaaa aaaa";
  for (const uint8_t atLineEnd : {0, 1}) {
    f.body().Lines = {textLine(text)};
    f.doc.CaretAtLineEnd = atLineEnd;
    f.placeCaret(0, 0, 20);
    f.doc.MarkChar = 22;
    f.run();
    EXPECT_EQ(f.doc.CurLine, atLineEnd ? 0 : 1);
    EXPECT_EQ(f.doc.CurChar, atLineEnd ? 20 : 0);
    EXPECT_EQ(f.doc.MarkLine, 1);
    EXPECT_EQ(f.doc.MarkChar, 2);
  }
  // A paragraph that got shorter is joined again; the caret moves along.
  auto& first = f.body().Lines[0].Chars;
  first.erase(first.begin(), first.begin() + 5);
  f.body().Lines[0].Dirty = 1;
  f.placeCaret(0, 1, 2);
  f.run();
  EXPECT_EQ(frameTexts(f.body()), (Texts{"aaaa aaaa aaaa aaaa"}));
  EXPECT_EQ(f.doc.CurChar, 17);
  EXPECT_EQ(f.doc.MarkChar, 17);  // an empty selection stays empty
}

}  // namespace
}  // namespace vendaro
