// table_model.h — finding the parts of a table the table commands act on:
// its visual line groups (one line record per cell), the groups of a row,
// the table lines of the selection; and changing a frame's lines group by
// group from the last to the first in one pass, however long the table.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "document/document.h"
#include "document/text_pos.h"
#include "layout/line_gap_buffer.h"

namespace vendaro {

// One visual line group: the record of its first cell and its cell count.
struct TableGroup {
  int32_t field = 0;
  int32_t line = 0;
  int32_t cells = 1;
  TextPos pos() const { return {field, line, 0}; }
  bool operator==(const TableGroup&) const = default;
};

// Whether the line at `pos` is a table line.
bool inTableAt(const Document& doc, const TextPos& pos);
// The group holding the table line at `pos` (clamped where a damaged row
// would lead outside the frame).
TableGroup groupAt(const Document& doc, const TextPos& pos);
// Every group of the table through `pos`, first to last along the chain;
// with `sameColumns`, only as far as the lines keep the section's
// ColumnCount of `pos`.
std::vector<TableGroup> tableGroups(const Document& doc, const TextPos& pos, bool sameColumns = false);
// The groups of the row through `pos`, first to last.
std::vector<TableGroup> rowGroups(const Document& doc, const TextPos& pos);
// The table lines holding part of the selection, in text order along the
// chain; the caret's line alone when nothing is selected (and it is one).
std::vector<TextPos> selectedTableLines(Document& doc);
// The groups of the rows of `lines`, first to last, each once.
std::vector<TableGroup> rowGroupsOf(const Document& doc, const std::vector<TextPos>& lines);
// A sort key along the caret's text chain, for ordering positions of
// several frames: the frame's place in the chain (frames elsewhere after
// it, by index), then the line.
class ChainOrder {
 public:
  ChainOrder(const Document& doc, int32_t field);
  int64_t key(int32_t field, int32_t line) const;

 private:
  std::vector<int32_t> rank_;
};

// Line records added or removed in front of a kept position move it.
struct LineShift {
  int32_t field = 0;
  int32_t at = 0;      // the first record that moved
  int32_t delta = 0;   // records added (positive) or removed
};
void applyShift(TextPos& pos, const LineShift& shift);

// Runs `edit` for each group from the last to the first, each frame's lines
// held in one gap buffer, so that a table's worth of insertions costs time
// in proportion to it. `edit` gets the buffer and the group's first index.
using GroupEdit = std::function<void(LineGapBuffer& lines, const TableGroup& group)>;
void editGroupsBackwards(Document& doc, const std::vector<TableGroup>& groups, const GroupEdit& edit);

// A fresh cell line of a row of `cells` cells with the formats of `model`
// (design, row edges, weight, paragraph and column settings).
TLineRec newCellLine(const TLineRec& model, int32_t cells, int32_t cellIndex);

}  // namespace vendaro
