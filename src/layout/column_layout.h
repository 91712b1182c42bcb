// column_layout.h — how a column section is split into its text columns:
// balanced to the smallest whole-millimetre column height that holds it, or
// filled down to the available height when it reaches the end of its frame.
// A section is split once for each available height it is asked about.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "document/records.h"

namespace vendaro {

// One line of a section: a table row counts once, by its first cell.
struct ColumnEntry {
  double height = 0;     // SpaceBefore + LineHeight + SpaceAfter
  bool counted = true;   // a plain line or a row's first cell
};

struct ColumnSlot {
  int32_t columnIndex = 0;
  bool startsColumn = false;      // first line of the section or a break falls before it
  bool nextStartsColumn = false;  // the next line starts a column (true for the section's last)
  double backY = 0;               // height of the previous column when this line starts one
  double restY = 0;               // the section's last line: space left below it in its column
  bool beyondLastColumn = false;  // there is no column left for it
};

struct ColumnSplit {
  std::vector<ColumnSlot> slots;  // one per entry
  int32_t breaks = 0;
  double height = 0;              // the column height chosen
};

ColumnSplit splitIntoColumns(std::span<const ColumnEntry> entries, int32_t columns, double available, bool fillToAvailable);

// The column layout of one line as the pagination applies it.
struct SpaltenInfo {
  ColumnSlot slot;
  int32_t breaks = 0;
  bool columnTop = false;     // at the top of a column of a section that starts the frame
  bool columnBottom = false;  // at the bottom of a column of a section that ends the frame
};

// The lines of a frame from `first` on, read only.
class LineRange {
 public:
  LineRange(const LineList& lines, size_t first) : lines_(&lines), first_(first) {}
  size_t size() const { return lines_->size() - first_; }
  const TLineRec& operator[](size_t i) const { return (*lines_)[first_ + i]; }

 private:
  const LineList* lines_;
  size_t first_;
};

// Column sections of one frame's lines, each split once per available height.
class SectionColumns {
 public:
  explicit SectionColumns(LineRange lines) : lines_(lines) {}
  SpaltenInfo lineInfo(size_t line, double available);

 private:
  void findSection(size_t line);

  LineRange lines_;
  size_t first_ = 1, last_ = 0;  // none yet
  bool startsFrame_ = false, endsFrame_ = false;
  std::vector<ColumnEntry> entries_;
  bool split_ = false;
  double available_ = 0;
  ColumnSplit columns_;
};

// The column layout of `line` in its section for the available height.
SpaltenInfo getspalteninfo(const LineList& lines, size_t line, double available);

}  // namespace vendaro
