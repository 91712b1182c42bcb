#include <gtest/gtest.h>

#include <string>

#include "document/text_walk.h"
#include "flow_builder.h"

namespace vendaro {
namespace {

using test::FlowBuilder;
constexpr int32_t kSoft = kLineEndSoft;

// The cells a walk step reaches, from `from` on ("|" for a stop on an
// empty line); the starting cell is not part of it.
template <typename Step>
std::string walked(TextWalk& walk, Step step) {
  std::string out;
  while ((walk.*step)()) out += walk.cell() ? static_cast<char>(walk.cell()->Ch) : '|';
  return out;
}

// "top"; cell 0 "ab" wrapped onto "cd"; cell 1 "x" and a padding line; "end".
FlowBuilder tableFlow() {
  FlowBuilder b;
  b.text(0, "top").row(0, {{{"ab", kSoft}, {"x"}}, {{"cd"}, {"", kSoft}}}).text(0, "end");
  return b;
}

TEST(TextWalk, ReadsTableCellsOneAfterTheOther) {
  FlowBuilder b = tableFlow();
  TextWalk walk(b.doc);
  walk.start({0, 0, 0});
  EXPECT_EQ(walked(walk, &TextWalk::getnextchar), "opabcdxend");
  EXPECT_EQ(walk.pos, (TextPos{0, 5, 2}));  // the end leaves the position alone
  EXPECT_EQ(walked(walk, &TextWalk::getPrevsChar), "nexdcbapot");
  walk.start({0, 0, 0});
  EXPECT_EQ(walked(walk, &TextWalk::getnextcharTableBlind), "opabxcdend");
  walk.start({0, 0, 0});
  walk.WalkLineMode = true;
  EXPECT_EQ(walked(walk, &TextWalk::getnextchar), "opabcdx|end");
}

TEST(TextWalk, AllFieldsGoesOnInFramesNotYetVisited) {
  FlowBuilder b(4);
  b.text(0, "a").text(1, "b").text(2, "c").link(0, 2);  // frame 3 has no lines
  TextWalk walk(b.doc);
  walk.start({0, 0, 0});
  EXPECT_EQ(walked(walk, &TextWalk::getnextchar), "c");
  EXPECT_EQ(b.doc.Fields[1].Visited, 0);
  walk.start({0, 0, 0});
  walk.WalkAllFields = true;
  EXPECT_EQ(walked(walk, &TextWalk::getnextchar), "cb");
  for (const TFieldRec& frame : b.doc.Fields) EXPECT_EQ(frame.Visited, 1);
  walk.start({2, 0, 0});
  EXPECT_EQ(walked(walk, &TextWalk::getPrevsChar), "ab");
}

TEST(TextWalk, ALoopingChainEndsTheWalk) {
  FlowBuilder b(2);
  b.text(0, "a").text(1, "b").link(0, 1).link(1, 0);
  TextWalk walk(b.doc);
  walk.start({0, 0, 0});
  EXPECT_LE(walked(walk, &TextWalk::getnextchar).size(), 5u);
  b.select({1, 0, 0}, {0, 0, 1});
  EXPECT_FALSE(FindMarkingStart(b.doc).chain.empty());
}

TEST(TextWalk, MarkedStepsFollowTheSelection) {
  FlowBuilder b;
  b.text(0, "xx").row(0, {{{"a0"}, {"a1"}, {"a2"}}}).row(0, {{{"b0"}, {"b1"}, {"b2"}}}).text(0, "yy");
  b.select({0, 1, 1}, {0, 5, 1});  // a column block: a0 a1 b0 b1
  TextWalk walk(b.doc);
  walk.startAtSelection();
  std::string cells(1, static_cast<char>(walk.cell()->Ch));
  EXPECT_TRUE(walk.atMarkedCell());
  cells += walked(walk, &TextWalk::getnextmarkedchar);
  EXPECT_EQ(cells, "a0a1b0b1");

  walk.startAtSelection();
  std::string lines;
  while (walk.getnextmarkedline()) lines += std::to_string(walk.pos.line) + ":" + std::to_string(walk.pos.cell) + " ";
  EXPECT_EQ(lines, "2:0 4:0 5:0 ");
}

TEST(TextWalk, MarkedLinesCountEmptyLinesAndStopAtTheEnd) {
  FlowBuilder b;
  b.text(0, "abc").text(0, "").text(0, "def").text(0, "ghi").select({0, 0, 2}, {0, 2, 1});
  TextWalk walk(b.doc);
  walk.startAtSelection();
  std::string lines;
  while (walk.getnextmarkedlineTableBlind()) lines += std::to_string(walk.pos.line) + " ";
  EXPECT_EQ(lines, "1 2 ");
}

}  // namespace
}  // namespace vendaro
