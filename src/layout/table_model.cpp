// table_model.cpp — walking a table's line groups along the text chain and
// editing them group by group.
#include "layout/table_model.h"

#include <algorithm>
#include <optional>
#include <set>
#include <utility>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "document/text_walk.h"
#include "layout/layout_run.h"

namespace vendaro {

bool inTableAt(const Document& doc, const TextPos& pos) {
  const TLineRec* line = lineAt(doc, pos);
  return line && line->InTable;
}

TableGroup groupAt(const Document& doc, const TextPos& pos) {
  const auto& lines = doc.Fields[static_cast<size_t>(pos.field)].Lines;
  const RowGroup group = rowGroupOf(lines, static_cast<size_t>(pos.line));
  return {pos.field, static_cast<int32_t>(group.start), static_cast<int32_t>(group.count)};
}

namespace {

// The group before `group` in the table, when there is one.
std::optional<TableGroup> groupBefore(const Document& doc, const TableGroup& group, int32_t columnCount, bool same) {
  TextPos above = group.pos();
  if (!stepLines(doc, above, -1) || !inTableAt(doc, above)) return std::nullopt;
  if (same && lineAt(doc, above)->ColumnCount != columnCount) return std::nullopt;
  return groupAt(doc, above);
}

std::optional<TableGroup> groupAfter(const Document& doc, const TableGroup& group, int32_t columnCount, bool same) {
  TextPos below = group.pos();
  if (!stepLines(doc, below, group.cells) || !inTableAt(doc, below)) return std::nullopt;
  if (same && lineAt(doc, below)->ColumnCount != columnCount) return std::nullopt;
  return groupAt(doc, below);
}

}  // namespace

std::vector<TableGroup> tableGroups(const Document& doc, const TextPos& pos, bool sameColumns) {
  std::vector<TableGroup> groups;
  if (!inTableAt(doc, pos)) return groups;
  const int32_t columns = lineAt(doc, pos)->ColumnCount;
  TableGroup first = groupAt(doc, pos);
  size_t budget = lineBudget(doc);
  while (budget-- > 0) {
    const auto before = groupBefore(doc, first, columns, sameColumns);
    if (!before) break;
    first = *before;
  }
  for (std::optional<TableGroup> g = first; g && budget-- > 0; g = groupAfter(doc, *g, columns, sameColumns))
    groups.push_back(*g);
  return groups;
}

std::vector<TableGroup> rowGroups(const Document& doc, const TextPos& pos) {
  std::vector<TableGroup> groups;
  if (!inTableAt(doc, pos)) return groups;
  TextPos first = pos;
  toRowFirstGroup(doc, first);
  TableGroup g = groupAt(doc, first);
  for (size_t budget = lineBudget(doc); budget-- > 0;) {
    groups.push_back(g);
    if (lineAt(doc, g.pos())->CellLastLine) break;
    const auto next = groupAfter(doc, g, 0, false);
    if (!next || lineAt(doc, next->pos())->CellFirstLine) break;
    g = *next;
  }
  return groups;
}

std::vector<TextPos> selectedTableLines(Document& doc) {
  std::vector<TextPos> lines;
  if (!isThereAmarking(doc)) {
    const TextPos caret = caretPos(doc);
    if (inTableAt(doc, caret)) lines.push_back({caret.field, caret.line, 0});
    return lines;
  }
  TextWalk walk(doc);
  walk.startAtSelection();
  const SelectionRange& sel = walk.selection();
  TextPos at = walk.pos;
  auto take = [&](const TextPos& p) {
    if (inTableAt(doc, p)) lines.push_back({p.field, p.line, 0});
  };
  const TLineRec* first = lineAt(doc, at);
  if (first && (isinmarking(doc, sel, at.field, at.line, std::min(at.cell, std::max(first->CharCount() - 1, 0))) ||
                first->CharCount() == 0))
    take(at);
  while (walk.getnextmarkedlineTableBlind()) take(walk.pos);
  return lines;
}

std::vector<TableGroup> rowGroupsOf(const Document& doc, const std::vector<TextPos>& lines) {
  std::vector<TableGroup> result;
  std::set<std::pair<int32_t, int32_t>> seen;
  for (const TextPos& line : lines) {
    TextPos first = line;
    toRowFirstGroup(doc, first);
    const TableGroup head = groupAt(doc, first);
    if (!seen.insert({head.field, head.line}).second) continue;
    for (const TableGroup& g : rowGroups(doc, first)) result.push_back(g);
  }
  return result;
}

ChainOrder::ChainOrder(const Document& doc, int32_t field) : rank_(doc.Fields.size(), -1) {
  int32_t head = field;
  for (size_t budget = doc.Fields.size(); budget-- > 0;) {
    const int32_t prev = doc.Fields[static_cast<size_t>(head)].PrevField;
    if (prev < 0 || prev >= doc.FieldCount() || prev == head) break;
    head = prev;
  }
  int32_t rank = 0;
  for (int32_t f = head; f >= 0 && f < doc.FieldCount() && rank_[static_cast<size_t>(f)] < 0;
       f = doc.Fields[static_cast<size_t>(f)].NextField)
    rank_[static_cast<size_t>(f)] = rank++;
  for (int32_t& r : rank_)
    if (r < 0) r = rank++;
}

int64_t ChainOrder::key(int32_t field, int32_t line) const {
  return (static_cast<int64_t>(rank_[static_cast<size_t>(field)]) << 32) + line;
}

void applyShift(TextPos& pos, const LineShift& shift) {
  if (pos.field == shift.field && pos.line >= shift.at) pos.line = std::max(shift.at, pos.line + shift.delta);
}

void editGroupsBackwards(Document& doc, const std::vector<TableGroup>& groups, const GroupEdit& edit) {
  std::optional<LineGapBuffer> buffer;
  int32_t open = -1;
  for (auto it = groups.rbegin(); it != groups.rend(); ++it) {
    if (it->field != open) {
      buffer.reset();
      buffer.emplace(doc.Fields[static_cast<size_t>(it->field)].Lines);
      open = it->field;
    }
    edit(*buffer, *it);
  }
}

TLineRec newCellLine(const TLineRec& model, int32_t cells, int32_t cellIndex) {
  TLineRec line = lineSettingsOf(model);
  line.InTable = 1;
  line.RowCells = cells;
  line.CellIndex = cellIndex;
  line.Dirty = 1;
  return line;
}

}  // namespace vendaro
