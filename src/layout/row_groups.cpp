// row_groups.cpp — splitting a wrapped line: the rest of its cells go to the
// same cell column of the next row group, which is created (one new line per
// cell of the row) when the text would otherwise run into another row or
// paragraph. The caret and anchor follow their cells.
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <vector>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

bool isEmptySoftLine(const TLineRec& line) { return line.Chars.empty() && line.LineEnd == kLineEndSoft; }

// A new line of a row group takes its cell line's settings; the end of the
// row moves down to it (the caller takes it from the source).
TLineRec continuationOf(const TLineRec& source) {
  TLineRec line = lineSettingsOf(source);
  line.LineEnd = kLineEndSoft;
  line.CellFirstLine = 0;
  line.CellLastLine = source.CellLastLine;
  // Every line of the new group is laid out, so that the padding lines of
  // the other cells get a height and the row is equalised.
  line.Dirty = 1;
  return line;
}

// Whether the cells must go to a new row group rather than to `next`. A table
// cell continues only into the empty padding line of its own row (left by a
// neighbouring cell that wrapped first); anything else there belongs to
// another row or paragraph.
bool needsNewRowGroup(const LineGapBuffer& lines, size_t index, size_t next, bool atBreakCell) {
  const TLineRec& line = lines[index];
  if (next >= lines.size() || line.CellLastLine) return true;
  const TLineRec& following = lines[next];
  if (following.CellFirstLine) return true;
  if (line.InTable) return !isEmptySoftLine(following);
  if (line.LineEnd != kLineEndSoft) return true;
  return atBreakCell && !isEmptySoftLine(following);
}

// The cells from `from` on go to the front of `following`, `line` keeps
// those before `cut`. An empty line right below (`next`, or SIZE_MAX inside
// a table row) takes the whole vector instead, and the cells before `from`
// stay behind it as skipped ones: a long line is then cut into lines in
// time and memory in proportion to its length.
void moveTail(LayoutRun& run, TLineRec& line, TLineRec& following, size_t next, size_t skipped, size_t cut, size_t from) {
  std::vector<TCharRec>& cells = line.Chars;
  const auto movingFrom = [](std::vector<TCharRec>& v, size_t at) { return std::make_move_iterator(v.begin() + static_cast<std::ptrdiff_t>(at)); };
  if (next != SIZE_MAX && following.Chars.empty()) {
    following.Chars = std::move(cells);
    cells = std::vector<TCharRec>(movingFrom(following.Chars, skipped), movingFrom(following.Chars, skipped + cut));
    run.remainder = {next, skipped + from};
    return;
  }
  cells.erase(cells.begin(), cells.begin() + static_cast<std::ptrdiff_t>(skipped));
  following.Chars.insert(following.Chars.begin(), movingFrom(cells, from), std::make_move_iterator(cells.end()));
  cells.erase(cells.begin() + static_cast<std::ptrdiff_t>(cut), cells.end());
  cells.shrink_to_fit();
}

}  // namespace

TLineRec lineSettingsOf(const TLineRec& model) {
  TLineRec line;
  line.InTable = model.InTable;
  line.RowCells = model.RowCells;
  line.CellIndex = model.CellIndex;
  line.CellWidthWeight = model.CellWidthWeight;
  line.RowLeft = model.RowLeft;
  line.RowRight = model.RowRight;
  line.CellDesign = model.CellDesign;
  line.Para = model.Para;
  line.ColumnCount = model.ColumnCount;
  line.ColumnLines = model.ColumnLines;
  line.ColumnGap = model.ColumnGap;
  return line;
}

void splitLine(LayoutRun& run, int32_t field, LineGapBuffer& lines, size_t index, size_t skipped, size_t cut,
               bool atBreakCell) {
  const RowGroup group = rowGroupOf(lines, index);
  size_t next = index + group.count;
  const bool newGroup = needsNewRowGroup(lines, index, next, atBreakCell);
  if (newGroup) {
    const size_t at = group.start + group.count;
    std::vector<TLineRec> added;
    added.reserve(group.count);
    for (size_t k = 0; k < group.count; ++k) {
      added.push_back(continuationOf(lines[group.start + k]));
      lines.set(group.start + k, &TLineRec::CellLastLine, 0);
    }
    for (size_t k = 0; k < group.count; ++k) lines.insert(at + k, std::move(added[k]));
    run.positions.linesInserted(field, static_cast<int32_t>(at), static_cast<int32_t>(group.count));
    next = at + (index - group.start);
  }

  TLineRec& line = lines.edit(index);
  TLineRec& following = lines.edit(next);
  // The end of the whole line belongs to its last piece.
  if (newGroup || isEmptySoftLine(following)) following.LineEnd = line.LineEnd;
  if (atBreakCell) {
    TCharRec& breakCell = line.Chars[skipped + cut];
    line.LineEnd = breakCell.Ch - 12;
    // Paragraph and page ends carry the format of the paragraph after them.
    if (breakCell.ParaRef) following.Para = std::move(*breakCell.ParaRef);
    if (GettingOpsB(breakCell.CharFlags, kFlagMouseMark)) following.MouseMark = 1;
  } else {
    line.LineEnd = kLineEndSoft;
  }
  const size_t from = atBreakCell ? cut + 1 : cut;
  const auto moved = static_cast<int32_t>(line.Chars.size() - skipped - from);
  const auto length = static_cast<int32_t>(following.Chars.size()) + moved;
  if (group.count > 1) run.noteCellsChangingRow(std::span(line.Chars).subspan(skipped + from));
  moveTail(run, line, following, group.count == 1 ? next : SIZE_MAX, skipped, cut, from);
  run.positions.cellsPrepended(field, static_cast<int32_t>(next), moved);
  following.Dirty = 1;

  const auto cutAt = static_cast<int32_t>(cut);
  const bool staysAtLineEnd = run.doc.CaretAtLineEnd != 0;
  run.positions.forEach([&](TextPos& p) {
    if (p.field != field || p.line != static_cast<int32_t>(index)) return;
    int32_t cell = 0;
    if (atBreakCell) {
      if (p.cell <= cutAt) return;  // before the break cell: the end of this paragraph
      cell = p.cell - cutAt - 1;
    } else {
      if (p.cell < cutAt || (p.cell == cutAt && staysAtLineEnd)) return;
      cell = p.cell - cutAt;
    }
    p.line = static_cast<int32_t>(next);
    p.cell = std::min(cell, length);
  });
}

}  // namespace vendaro
