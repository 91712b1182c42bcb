#include "layout/column_layout.h"

#include <algorithm>

#include "document/paragraph_format.h"

namespace vendaro {
namespace {

constexpr double kLongestBalancedColumn = 1.0e6;  // mm

struct Candidate {
  ColumnSplit split;
  bool feasible = true;  // no line is taller than the column
  bool fits = true;      // no line is beyond the last column
};

Candidate tryHeight(std::span<const ColumnEntry> entries, int32_t columns, double height) {
  Candidate c;
  c.split.height = height;
  c.split.slots.resize(entries.size());
  double sum = 0;
  size_t inColumn = 0;
  bool beyond = false;
  for (size_t i = 0; i < entries.size(); ++i) {
    ColumnSlot& slot = c.split.slots[i];
    if (entries[i].counted) {
      const double h = entries[i].height;
      if (h > height) c.feasible = false;
      if (inColumn > 0 && sum + h > height) {
        if (!beyond && c.split.breaks < columns - 1) {
          ++c.split.breaks;
          slot.startsColumn = true;
          slot.backY = sum;
        } else {
          beyond = true;
        }
        sum = 0;
        inColumn = 0;
      }
      sum += h;
      ++inColumn;
    }
    slot.columnIndex = c.split.breaks;
    slot.beyondLastColumn = beyond;
  }
  if (!entries.empty()) {
    c.split.slots.front().startsColumn = true;
    for (size_t i = 0; i + 1 < entries.size(); ++i) c.split.slots[i].nextStartsColumn = c.split.slots[i + 1].startsColumn;
    c.split.slots.back().nextStartsColumn = true;
    c.split.slots.back().restY = std::max(0.0, height - sum);
  }
  c.fits = !beyond;
  return c;
}

}  // namespace

ColumnSplit splitIntoColumns(std::span<const ColumnEntry> entries, int32_t columns, double available, bool fillToAvailable) {
  columns = std::max(columns, 1);
  // Pages end at 10 m; a damaged frame geometry must not make the search
  // below run for ever.
  if (!(available < kLongestBalancedColumn)) fillToAvailable = true;
  double height = fillToAvailable ? available : 1.0;
  if (!fillToAvailable) {
    // Heights below the tallest line, or too small for all lines in all
    // columns, cannot win; skipping them gives the same choice sooner.
    double tallest = 0, total = 0;
    for (const ColumnEntry& e : entries) {
      if (!e.counted) continue;
      tallest = std::max(tallest, e.height);
      total += e.height;
    }
    while (height < available && (height < tallest || total > columns * height * (1 + 1e-9) + 1e-9)) height += 1.0;
  }
  for (;;) {
    Candidate c = tryHeight(entries, columns, height);
    if ((c.feasible && c.fits) || !(height < available)) return std::move(c.split);
    height += 1.0;
  }
}

void SectionColumns::findSection(size_t line) {
  first_ = line;
  while (first_ > 0 && sameSection(lines_[first_ - 1], lines_[first_])) --first_;
  last_ = line;
  while (last_ + 1 < lines_.size() && sameSection(lines_[last_ + 1], lines_[last_])) ++last_;
  startsFrame_ = first_ == 0;
  endsFrame_ = last_ + 1 == lines_.size();
  entries_.clear();
  for (size_t i = first_; i <= last_; ++i) {
    const TLineRec& l = lines_[i];
    entries_.push_back({l.Para.SpaceBefore + l.LineHeight + l.Para.SpaceAfter, l.CellIndex == 0 || l.RowCells < 2});
  }
  split_ = false;
}

SpaltenInfo SectionColumns::lineInfo(size_t line, double available) {
  if (line < first_ || line > last_) findSection(line);
  if (!split_ || available != available_) {
    columns_ = splitIntoColumns(entries_, lines_[line].ColumnCount, available, endsFrame_);
    available_ = available;
    split_ = true;
  }
  SpaltenInfo info;
  info.slot = columns_.slots[line - first_];
  info.breaks = columns_.breaks;
  info.columnTop = info.slot.startsColumn && startsFrame_;
  info.columnBottom = info.slot.nextStartsColumn && endsFrame_;
  return info;
}

SpaltenInfo getspalteninfo(const LineList& lines, size_t line, double available) {
  SectionColumns sections(LineRange(lines, 0));
  return sections.lineInfo(line, available);
}

}  // namespace vendaro
