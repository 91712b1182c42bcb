#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "document/caret_moves.h"
#include "flow_builder.h"
#include "support/property_seeds.h"

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

TEST(CaretMoves, RightLeavesARowWhoseLastCellEndsAboveItsLastGroup) {
  // Cell 1 ends in its first group; the groups below are its padding.
  FlowBuilder b;
  b.row(0, {{{"ab", kSoft}, {"xy", kSoft}}, {{"cd", kSoft}, {"", kSoft}}, {{"ef"}, {"", kSoft}}}).text(0, "end");
  Document& d = b.doc;
  EXPECT_EQ(moved(d, {0, 1, 2}, GoCharRight), Result({0, 6, 0}, true));
  FlowBuilder hard;
  hard.row(0, {{{"ab", kSoft}, {"xy"}}, {{"cd", kSoft}, {"", kSoft}}, {{"ef"}, {"", kSoft}}}).text(0, "end");
  EXPECT_EQ(moved(hard.doc, {0, 3, 0}, GoCharRight), Result({0, 6, 0}, true));  // from the padding below "xy"
  // Left into the row ends after the cell's text, not in its padding.
  EXPECT_EQ(moved(d, {0, 6, 0}, GoCharLeft), Result({0, 1, 2}, false));
  // After a hard end the caret may stand in the line below it, as Right
  // goes there too.
  EXPECT_EQ(moved(hard.doc, {0, 6, 0}, GoCharLeft), Result({0, 3, 0}, false));
}

// --- walks through generated flows --------------------------------------------

class FlowGenerator {
 public:
  explicit FlowGenerator(unsigned seed) : random_(seed) {}
  int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool chance(int percent) { return between(1, 100) <= percent; }
  // A wrapped line holds at least one cell; a line ending hard may be empty.
  std::string text(int32_t end) { return std::string(static_cast<size_t>(between(end == kSoft ? 1 : 0, 5)), 'a'); }
  int32_t hardEnd() { return chance(20) ? kLineEndManual : chance(10) ? kLineEndPage : kLineEndParagraph; }
  test::CellText line(int32_t end) { return {text(end), end}; }

  // A paragraph of one to three lines, wrapped ones soft.
  void paragraph(FlowBuilder& b, int field) {
    for (int n = between(0, 2); n > 0; --n) b.text(field, text(kSoft), kSoft);
    const int32_t end = hardEnd();
    b.text(field, text(end), end);
  }

  // A row as the layout leaves it: each cell's text runs down its column,
  // and cells shorter than the longest are padded with empty soft lines.
  void row(FlowBuilder& b, int field) {
    const int cells = between(1, 4);
    std::vector<int> heights;
    for (int c = 0; c < cells; ++c) heights.push_back(between(1, 4));
    const int groups = *std::max_element(heights.begin(), heights.end());
    std::vector<std::vector<test::CellText>> layout(static_cast<size_t>(groups));
    for (int g = 0; g < groups; ++g) {
      for (int c = 0; c < cells; ++c) {
        const int height = heights[static_cast<size_t>(c)];
        test::CellText cell{"", kSoft};
        if (g + 1 < height) cell = line(chance(80) ? kSoft : kLineEndManual);
        else if (g + 1 == height) cell = line(chance(30) ? kSoft : hardEnd());
        layout[static_cast<size_t>(g)].push_back(cell);
      }
    }
    b.row(field, layout);
  }

  FlowBuilder flow() {
    const int frames = between(1, 3);
    FlowBuilder b(frames);
    for (int f = 0; f < frames; ++f) {
      if (f > 0) b.link(f - 1, f);
      for (int n = between(1, 4); n > 0; --n) {
        if (chance(50)) row(b, f);
        else paragraph(b, f);
      }
    }
    return b;
  }

 private:
  std::mt19937 random_;
};

using PosKey = std::tuple<int32_t, int32_t, int32_t>;
PosKey keyOf(const TextPos& p) { return {p.field, p.line, p.cell}; }

size_t positionCount(const Document& doc) {
  size_t n = 0;
  for (const TFieldRec& f : doc.Fields)
    for (const TLineRec& l : f.Lines) n += l.Chars.size() + 1;
  return n;
}

// Walks with `move` from `from` until it stops; fails when a position comes
// twice or the walk takes more steps than there are positions.
template <typename Move>
TextPos walk(const Document& doc, TextPos from, Move move, std::set<std::pair<int32_t, int32_t>>* linesSeen = nullptr) {
  std::set<PosKey> seen{keyOf(from)};
  if (linesSeen) linesSeen->insert({from.field, from.line});
  for (size_t budget = positionCount(doc); budget-- > 0;) {
    TextPos next = from;
    move(doc, next);
    if (next == from) return from;
    if (!seen.insert(keyOf(next)).second) {
      ADD_FAILURE() << "revisits " << next.field << "/" << next.line << "/" << next.cell;
      return next;
    }
    if (linesSeen) linesSeen->insert({next.field, next.line});
    from = next;
  }
  ADD_FAILURE() << "the walk does not stop";
  return from;
}

std::set<std::pair<int32_t, int32_t>> linesWithText(const Document& doc) {
  std::set<std::pair<int32_t, int32_t>> lines;
  for (size_t f = 0; f < doc.Fields.size(); ++f)
    for (size_t l = 0; l < doc.Fields[f].Lines.size(); ++l)
      if (!doc.Fields[f].Lines[l].Chars.empty()) lines.insert({static_cast<int32_t>(f), static_cast<int32_t>(l)});
  return lines;
}

// The first line of `pos`'s line group (its row's group, or the line).
TextPos groupStart(const Document& doc, TextPos pos) {
  pos.line -= lineAt(doc, pos)->InTable ? lineAt(doc, pos)->CellIndex : 0;
  pos.cell = 0;
  return pos;
}

// Whether `pos` lies in the flow's last line, or in the row that ends it.
bool inLastRowOrLine(const Document& doc, TextPos pos) {
  toRowLastGroup(doc, pos);
  const int32_t tail = doc.FieldCount() - 1;
  return groupStart(doc, pos) == groupStart(doc, {tail, doc.Fields.back().LineCount() - 1, 0});
}

bool inFirstRowOrLine(const Document& doc, TextPos pos) {
  toRowFirstGroup(doc, pos);
  return groupStart(doc, pos) == TextPos({0, 0, 0});
}

TEST(CaretMoves, WalksThroughGeneratedFlowsReachTheirEndsWithoutCycles) {
  for (unsigned seed = 1; seed <= test::propertySeeds(100) && !::testing::Test::HasFailure(); ++seed) {
    SCOPED_TRACE(seed);
    FlowGenerator generator(seed);
    FlowBuilder b = generator.flow();
    const Document& d = b.doc;
    const int32_t tail = d.FieldCount() - 1;
    const TLineRec& lastLine = d.Fields.back().Lines.back();
    const std::set<std::pair<int32_t, int32_t>> withText = linesWithText(d);

    // Right visits every line with text and stops at the end of the flow:
    // after the last line's text, or in the last row.
    std::set<std::pair<int32_t, int32_t>> seenRight;
    const TextPos end = walk(d, {0, 0, 0}, moveCharRight, &seenRight);
    for (const auto& line : withText) EXPECT_TRUE(seenRight.count(line)) << line.first << "/" << line.second;
    EXPECT_TRUE(inLastRowOrLine(d, end));
    if (!lastLine.InTable) {
      EXPECT_EQ(end, TextPos({tail, d.Fields.back().LineCount() - 1, lastLine.CharCount()}));
    }

    std::set<std::pair<int32_t, int32_t>> seenLeft;
    EXPECT_EQ(walk(d, end, moveCharLeft, &seenLeft), TextPos({0, 0, 0}));
    for (const auto& line : withText) EXPECT_TRUE(seenLeft.count(line)) << line.first << "/" << line.second;

    // Down ends in the flow's last line or row, Up in the first.
    EXPECT_TRUE(inLastRowOrLine(d, walk(d, {0, 0, 0}, moveLineDown)));
    EXPECT_TRUE(inFirstRowOrLine(d, walk(d, end, moveLineUp)));

    // From anywhere every move comes to rest.
    const int32_t field = generator.between(0, tail);
    const TFieldRec& frame = d.Fields[static_cast<size_t>(field)];
    const int32_t line = generator.between(0, frame.LineCount() - 1);
    const TextPos anywhere{field, line, generator.between(0, frame.Lines[static_cast<size_t>(line)].CharCount())};
    walk(d, anywhere, moveCharRight);
    walk(d, anywhere, moveCharLeft);
    walk(d, anywhere, moveLineDown);
    walk(d, anywhere, moveLineUp);
  }
}

}  // namespace
}  // namespace vendaro
