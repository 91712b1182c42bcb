// The column split computed once per section must equal the straightforward
// computation for each line on its own, on many random sections.
#include <gtest/gtest.h>

#include <random>

#include "document/paragraph_format.h"
#include "layout/column_layout.h"

namespace vendaro {
namespace {

// The column layout of one line recomputed from nothing: walk to the ends of
// its section, then try column heights from 1 mm (or the available height
// when the section ends the frame) in steps of 1 mm.
SpaltenInfo referenceInfo(const LineList& lines, size_t line, double available) {
  size_t first = line, last = line;
  while (first > 0 && sameSection(lines[first - 1], lines[first])) --first;
  while (last + 1 < lines.size() && sameSection(lines[last + 1], lines[last])) ++last;
  const bool endsFrame = last + 1 == lines.size();
  for (double t = endsFrame ? available : 1.0;; t += 1.0) {
    bool feasible = true, beyond = false;
    int32_t breaks = 0, inColumn = 0;
    double sum = 0;
    std::vector<ColumnSlot> slots(last - first + 1);
    for (size_t i = first; i <= last; ++i) {
      const TLineRec& l = lines[i];
      ColumnSlot& slot = slots[i - first];
      if (l.CellIndex == 0 || l.RowCells < 2) {
        const double h = l.Para.SpaceBefore + l.LineHeight + l.Para.SpaceAfter;
        feasible = feasible && h <= t;
        if (inColumn > 0 && sum + h > t) {
          if (breaks < lines[line].ColumnCount - 1 && !beyond) {
            ++breaks;
            slot.startsColumn = true;
            slot.backY = sum;
          } else {
            beyond = true;
          }
          sum = inColumn = 0;
        }
        sum += h;
        ++inColumn;
      }
      slot.columnIndex = breaks;
      slot.beyondLastColumn = beyond;
    }
    if ((!feasible || beyond) && t < available) continue;
    slots[0].startsColumn = true;
    slots.back().restY = std::max(0.0, t - sum);
    SpaltenInfo info;
    info.slot = slots[line - first];
    info.slot.nextStartsColumn = line == last || slots[line - first + 1].startsColumn;
    info.breaks = breaks;
    info.columnTop = info.slot.startsColumn && first == 0;
    info.columnBottom = info.slot.nextStartsColumn && endsFrame;
    return info;
  }
}

// Sections of 1 to 4 columns with plain lines and table rows.
LineList randomLines(std::mt19937& random) {
  LineList lines;
  for (int s = std::uniform_int_distribution<int>(1, 3)(random); s > 0; --s) {
    const int32_t columns = std::uniform_int_distribution<int32_t>(1, 4)(random);
    for (int i = std::uniform_int_distribution<int>(1, 40)(random); i > 0;) {
      const int32_t cells = random() % 4 == 0 ? 2 + static_cast<int32_t>(random() % 2) : 1;
      const double height = std::uniform_int_distribution<int>(1, 40)(random) * 0.35;
      for (int32_t c = 0; c < cells; ++c, --i) {
        TLineRec line;
        line.ColumnCount = columns;
        line.ColumnGap = 10.0 + s;  // neighbouring sections differ
        line.RowCells = cells;
        line.CellIndex = c;
        line.LineHeight = height;
        line.Para.SpaceBefore = random() % 3 == 0 ? 1.5 : 0;
        lines.push_back(line);
      }
    }
  }
  return lines;
}

void expectSame(const SpaltenInfo& a, const SpaltenInfo& b, size_t line) {
  EXPECT_EQ(a.slot.columnIndex, b.slot.columnIndex) << line;
  EXPECT_EQ(a.slot.startsColumn, b.slot.startsColumn) << line;
  EXPECT_EQ(a.slot.nextStartsColumn, b.slot.nextStartsColumn) << line;
  EXPECT_EQ(a.slot.backY, b.slot.backY) << line;
  EXPECT_EQ(a.slot.restY, b.slot.restY) << line;
  EXPECT_EQ(a.slot.beyondLastColumn, b.slot.beyondLastColumn) << line;
  EXPECT_EQ(a.breaks, b.breaks) << line;
  EXPECT_EQ(a.columnTop, b.columnTop) << line;
  EXPECT_EQ(a.columnBottom, b.columnBottom) << line;
}

TEST(ColumnLayout, OneSplitPerSectionEqualsTheSplitForEachLine) {
  std::mt19937 random(2024);
  for (int round = 0; round < 60 && !HasFailure(); ++round) {
    const LineList lines = randomLines(random);
    SectionColumns sections(LineRange(lines, 0));
    for (size_t i = 0; i < lines.size(); ++i) {
      const double available = random() % 2 ? 60.5 : 250.0;
      if (lines[i].ColumnCount >= 2) expectSame(sections.lineInfo(i, available), referenceInfo(lines, i, available), i);
    }
  }
  // A line taller than the available height, and no height at all.
  LineList lines(3);
  for (TLineRec& line : lines) {
    line.ColumnCount = 2;
    line.LineHeight = 30;
  }
  lines[1].LineHeight = 500;
  expectSame(getspalteninfo(lines, 1, 100), referenceInfo(lines, 1, 100), 1);
  expectSame(getspalteninfo(lines, 2, -5), referenceInfo(lines, 2, -5), 2);
  EXPECT_TRUE(getspalteninfo(lines, 2, 100).slot.beyondLastColumn);
}

}  // namespace
}  // namespace vendaro
