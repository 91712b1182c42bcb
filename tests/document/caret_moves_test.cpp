#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "flow_builder.h"

namespace vendaro {
namespace {

using test::FlowBuilder;
constexpr int32_t kSoft = kLineEndSoft;

// Moves the caret of `doc` from `from` and returns where it went and what
// the move answered.
template <typename Move>
std::pair<TextPos, bool> moved(Document& doc, TextPos from, Move move) {
  setCaret(doc, from);
  const bool ok = move(doc);
  return {caretPos(doc), ok};
}

using Result = std::pair<TextPos, bool>;

TEST(CaretMoves, SoftWrapsAreOnePositionAndVerticalMovesKeepTheCell) {
  FlowBuilder b;
  b.text(0, "abcd", kSoft).text(0, "ef").text(0, "").text(0, "ghij");
  Document& d = b.doc;
  EXPECT_EQ(moved(d, {0, 0, 3}, GoCharRight), Result({0, 0, 4}, true));
  EXPECT_EQ(moved(d, {0, 0, 4}, GoCharRight), Result({0, 1, 1}, true));  // after the next line's first cell
  EXPECT_EQ(moved(d, {0, 1, 2}, GoCharRight), Result({0, 2, 0}, true));  // paragraph end: cell 0
  EXPECT_EQ(moved(d, {0, 3, 4}, GoCharRight), Result({0, 3, 4}, false));
  EXPECT_EQ(moved(d, {0, 1, 0}, GoCharLeft), Result({0, 0, 3}, true));  // before the wrapped line's last cell
  EXPECT_EQ(moved(d, {0, 2, 0}, GoCharLeft), Result({0, 1, 2}, true));
  EXPECT_EQ(moved(d, {0, 0, 0}, GoCharLeft), Result({0, 0, 0}, false));
  EXPECT_EQ(moved(d, {0, 0, 3}, GoLineDown), Result({0, 1, 2}, true));
  EXPECT_EQ(moved(d, {0, 3, 3}, GoLineUp), Result({0, 2, 0}, true));
  EXPECT_EQ(moved(d, {0, 0, 2}, GoLineUp), Result({0, 0, 2}, false));
  EXPECT_EQ(moved(d, {0, 3, 2}, GoLineDown), Result({0, 3, 2}, false));
}

TEST(CaretMoves, ChainsContinueInTheLinkedFrame) {
  // Frame 0 flows through the empty frame 2 into frame 1.
  FlowBuilder b(3);
  b.text(0, "ab").text(1, "cd").link(0, 2).link(2, 1);
  Document& d = b.doc;
  auto normalised = [&](int32_t field, int32_t line) {
    GoToLine(d, field, line);
    return std::make_pair(field, line);
  };
  EXPECT_EQ(normalised(0, 1), std::make_pair(1, 0));
  EXPECT_EQ(normalised(1, -1), std::make_pair(0, 0));
  EXPECT_EQ(normalised(0, 3), std::make_pair(1, 2));  // past the chain's end: left out of range
  EXPECT_EQ(moved(d, {0, 0, 2}, GoCharRight), Result({1, 0, 0}, true));
  EXPECT_EQ(moved(d, {1, 0, 0}, GoCharLeft), Result({0, 0, 2}, true));
  EXPECT_EQ(moved(d, {0, 0, 1}, GoLineDown), Result({1, 0, 1}, true));
  EXPECT_EQ(moved(d, {1, 0, 1}, GoLineUp), Result({0, 0, 1}, true));
}

// Line 0 "top"; a row of two cells in two groups: cell 0 "ab" (wrapped)
// "cd", cell 1 "xy" and a padding line; line 5 "end".
FlowBuilder tableFlow() {
  FlowBuilder b;
  b.text(0, "top").row(0, {{{"ab", kSoft}, {"xy"}}, {{"cd"}, {"", kSoft}}}).text(0, "end");
  return b;
}

TEST(CaretMoves, LeftAndRightEnterAndLeaveTableCells) {
  FlowBuilder b = tableFlow();
  Document& d = b.doc;
  EXPECT_EQ(moved(d, {0, 0, 3}, GoCharRight), Result({0, 1, 0}, false));  // into the first cell
  EXPECT_EQ(moved(d, {0, 1, 2}, GoCharRight), Result({0, 3, 1}, true));   // down the same cell
  EXPECT_EQ(moved(d, {0, 3, 2}, GoCharRight), Result({0, 2, 0}, false));  // to the next cell's start
  EXPECT_EQ(moved(d, {0, 2, 2}, GoCharRight), Result({0, 4, 0}, true));   // the padding after a paragraph end
  EXPECT_EQ(moved(d, {0, 4, 0}, GoCharRight), Result({0, 5, 0}, true));   // out of the row at cell 0
  EXPECT_EQ(moved(d, {0, 5, 0}, GoCharLeft), Result({0, 4, 0}, false));   // the last cell's end
  EXPECT_EQ(moved(d, {0, 2, 0}, GoCharLeft), Result({0, 3, 2}, false));   // the previous cell's end
  EXPECT_EQ(moved(d, {0, 3, 0}, GoCharLeft), Result({0, 1, 1}, true));
  EXPECT_EQ(moved(d, {0, 1, 0}, GoCharLeft), Result({0, 0, 3}, false));   // out of the table upwards
}

TEST(CaretMoves, SoftEndedCellWithEmptyContinuationEndsItsText) {
  FlowBuilder b;
  b.row(0, {{{"ab", kSoft}, {"c", kSoft}}, {{"", kSoft}, {"d"}}});
  EXPECT_EQ(moved(b.doc, {0, 0, 2}, GoCharRight), Result({0, 1, 0}, false));
}

TEST(CaretMoves, VerticalMovesSkipEmptyContinuationLines) {
  FlowBuilder b;
  b.text(0, "top")
      .row(0, {{{"ab", kSoft}, {"c", kSoft}}, {{"", kSoft}, {"d", kSoft}}, {{"", kSoft}, {"e"}}})
      .row(0, {{{"single"}}})
      .text(0, "z");
  Document& d = b.doc;
  EXPECT_EQ(moved(d, {0, 0, 2}, GoLineDown), Result({0, 1, 2}, true));
  EXPECT_EQ(moved(d, {0, 1, 1}, GoLineDown), Result({0, 7, 1}, true));  // over cell 0's padding
  EXPECT_EQ(moved(d, {0, 2, 1}, GoLineDown), Result({0, 4, 1}, true));  // cell 1 has text below
  EXPECT_EQ(moved(d, {0, 6, 1}, GoLineDown), Result({0, 7, 1}, true));  // column clamped to the narrower row
  EXPECT_EQ(moved(d, {0, 7, 3}, GoLineUp), Result({0, 1, 2}, true));
  EXPECT_EQ(moved(d, {0, 8, 1}, GoLineUp), Result({0, 7, 1}, true));
}

}  // namespace
}  // namespace vendaro
