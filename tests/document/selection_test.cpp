#include <gtest/gtest.h>

#include <string>

#include "document/selection.h"
#include "flow_builder.h"

namespace vendaro {
namespace {

using test::FlowBuilder;

// Which lines of frame `field` have selected cells: per line, "-" for none,
// "*" for all, else the selected cell indices.
std::string marks(const Document& doc, const SelectionRange& sel, int32_t field) {
  std::string out;
  const auto& lines = doc.Fields[static_cast<size_t>(field)].Lines;
  for (int32_t l = 0; l < static_cast<int32_t>(lines.size()); ++l) {
    std::string cells;
    int32_t count = 0;
    for (int32_t c = 0; c < lines[static_cast<size_t>(l)].CharCount(); ++c)
      if (isinmarking(doc, sel, field, l, c)) cells += std::to_string(c), ++count;
    out += (l ? " " : "") + (count == 0 ? "-" : count == lines[static_cast<size_t>(l)].CharCount() ? "*" : cells);
  }
  return out;
}

// Line 0 "before"; rows of three cells "a0 a1 a2" and "b0 b1 b2"; "after".
FlowBuilder twoRows() {
  FlowBuilder b;
  b.text(0, "before").row(0, {{{"a0"}, {"a1"}, {"a2"}}}).row(0, {{{"b0"}, {"b1"}, {"b2"}}}).text(0, "after");
  return b;
}

TEST(Selection, PlainTextIsOrderedAndCutAtBothEnds) {
  FlowBuilder b;
  b.text(0, "abcd").text(0, "efgh").select({0, 1, 2}, {0, 0, 1});
  EXPECT_TRUE(isThereAmarking(b.doc));
  const SelectionRange sel = FindMarkingStart(b.doc);
  EXPECT_EQ(sel.start(), (TextPos{0, 0, 1}));
  EXPECT_FALSE(sel.SelTouchesTable);
  EXPECT_EQ(marks(b.doc, sel, 0), "123 01");
  b.select({0, 0, 1}, {0, 0, 1});
  EXPECT_FALSE(isThereAmarking(b.doc));
  EXPECT_EQ(marks(b.doc, FindMarkingStart(b.doc), 0), "- -");
}

TEST(Selection, AcrossTableRowsSelectsABlockOfColumns) {
  FlowBuilder b = twoRows();
  b.select({0, 1, 1}, {0, 5, 1});  // a0 to b1
  SelectionRange sel = FindMarkingStart(b.doc);
  EXPECT_TRUE(sel.SelColumnBlock);
  EXPECT_EQ(std::make_pair(sel.SelColFirst, sel.SelColLast), std::make_pair(0, 1));
  EXPECT_EQ(sel.start(), (TextPos{0, 1, 0}));
  EXPECT_EQ(sel.end(), (TextPos{0, 5, 2}));
  EXPECT_EQ(marks(b.doc, sel, 0), "- * * - * * - -");
  // From a2 back to b1: the columns are put in order.
  b.select({0, 6, 0}, {0, 2, 1});
  sel = FindMarkingStart(b.doc);
  EXPECT_EQ(std::make_pair(sel.SelColFirst, sel.SelColLast), std::make_pair(1, 2));
  EXPECT_EQ(marks(b.doc, sel, 0), "- - * * - * * -");
}

TEST(Selection, FromTextIntoATableTakesWholeRows) {
  FlowBuilder b = twoRows();
  b.select({0, 0, 2}, {0, 5, 1});
  const SelectionRange sel = FindMarkingStart(b.doc);
  EXPECT_TRUE(sel.SelColumnBlock);
  EXPECT_EQ(sel.end(), (TextPos{0, 6, 2}));
  EXPECT_EQ(marks(b.doc, sel, 0), "2345 * * * * * * -");
}

TEST(Selection, WithinOneCellStaysInItsColumn) {
  FlowBuilder b;
  b.row(0, {{{"ab", kLineEndSoft}, {"xy"}}, {{"cd"}, {"", kLineEndSoft}}}).select({0, 0, 1}, {0, 2, 1});
  const SelectionRange sel = FindMarkingStart(b.doc);
  EXPECT_TRUE(sel.SelTouchesTable);
  EXPECT_FALSE(sel.SelColumnBlock);
  EXPECT_EQ(marks(b.doc, sel, 0), "1 - 0 -");
}

TEST(Selection, ColumnBlockGoesOnInTheNextFrameOfTheFlow) {
  FlowBuilder b(2);
  b.row(0, {{{"a0"}, {"a1"}}}).row(1, {{{"b0"}, {"b1"}}}).text(1, "after").link(0, 1);
  b.select({0, 1, 1}, {1, 1, 0});  // a1 to b1
  const SelectionRange sel = FindMarkingStart(b.doc);
  EXPECT_TRUE(sel.SelColumnBlock);
  EXPECT_EQ(marks(b.doc, sel, 0) + "|" + marks(b.doc, sel, 1), "- *|- * -");
}

TEST(Selection, FollowsTheChainRatherThanFrameIndices) {
  // Frame 2 comes before frame 1 in the flow; frame 3 is not linked.
  FlowBuilder b(4);
  b.text(0, "pq").text(1, "ab").text(2, "cd").text(3, "zz").link(0, 2).link(2, 1);
  b.select({1, 0, 1}, {2, 0, 1});
  const SelectionRange sel = FindMarkingStart(b.doc);
  EXPECT_EQ(sel.start(), (TextPos{2, 0, 1}));
  EXPECT_EQ(sel.chain, (std::vector<int32_t>{2, 1}));
  EXPECT_EQ(marks(b.doc, sel, 0) + "|" + marks(b.doc, sel, 2) + "|" + marks(b.doc, sel, 1) + "|" + marks(b.doc, sel, 3),
            "-|1|0|-");
}

}  // namespace
}  // namespace vendaro
