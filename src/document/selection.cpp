#include "document/selection.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "document/caret_moves.h"
#include "document/line_cells.h"

namespace vendaro {
namespace {

bool validField(const Document& doc, int32_t field) { return field >= 0 && field < doc.FieldCount(); }

int32_t nextOf(const Document& doc, int32_t field) { return doc.Fields[static_cast<size_t>(field)].NextField; }

// Whether `to` follows `from` along the chain (a frame reaches itself).
bool reaches(const Document& doc, int32_t from, int32_t to) {
  size_t budget = doc.Fields.size();
  for (int32_t f = from; validField(doc, f) && budget-- > 0; f = nextOf(doc, f))
    if (f == to) return true;
  return false;
}

std::vector<int32_t> chainFrom(const Document& doc, int32_t from, int32_t to) {
  std::vector<int32_t> frames;
  size_t budget = doc.Fields.size();
  for (int32_t f = from; validField(doc, f) && budget-- > 0; f = nextOf(doc, f)) {
    frames.push_back(f);
    if (f == to) break;
  }
  return frames;
}

void setStart(SelectionRange& sel, const TextPos& p) {
  sel.SelStartField = p.field;
  sel.SelStartLine = p.line;
  sel.SelStartChar = p.cell;
}

void setEnd(SelectionRange& sel, const TextPos& p) {
  sel.SelEndField = p.field;
  sel.SelEndLine = p.line;
  sel.SelEndChar = p.cell;
}

struct TableLinesSeen {
  bool any = false;
  bool all = true;
  int32_t widest = 0;  // the largest RowCells − 1
};

TableLinesSeen tableLinesBetween(const Document& doc, TextPos p, const TextPos& end) {
  TableLinesSeen seen;
  for (size_t budget = lineBudget(doc); budget-- > 0;) {
    const TLineRec& line = *lineAt(doc, p);
    if (line.InTable) {
      seen.any = true;
      seen.widest = std::max(seen.widest, rowStep(line) - 1);
    } else {
      seen.all = false;
    }
    if (p.field == end.field && p.line == end.line) break;
    if (!stepLines(doc, p, 1)) break;
  }
  return seen;
}

bool sameLine(const TextPos& a, const TextPos& b) { return a.field == b.field && a.line == b.line; }

// Column `column` (clamped to the group) of the line group of `p`.
void toColumn(const Document& doc, TextPos& p, int32_t column) {
  const TLineRec& line = *lineAt(doc, p);
  stepLines(doc, p, std::min(column, rowStep(line) - 1) - std::clamp(line.CellIndex, 0, rowStep(line) - 1));
}

// Down to the row's last group, within the frame.
void toRowLastGroupInFrame(const Document& doc, TextPos& p) {
  const auto& lines = doc.Fields[static_cast<size_t>(p.field)].Lines;
  while (lines[static_cast<size_t>(p.line)].InTable && !lines[static_cast<size_t>(p.line)].CellLastLine &&
         p.line + rowStep(lines[static_cast<size_t>(p.line)]) < static_cast<int32_t>(lines.size()))
    p.line += rowStep(lines[static_cast<size_t>(p.line)]);
}

void widenToColumnBlock(const Document& doc, SelectionRange& sel) {
  TextPos start = sel.start(), end = sel.end();
  if (lineAt(doc, start)->InTable) {
    toColumn(doc, start, sel.SelColFirst);
    toRowFirstGroup(doc, start);
    start.cell = 0;
    setStart(sel, start);
  }
  if (lineAt(doc, end)->InTable) {
    toColumn(doc, end, sel.SelColLast);
    toRowLastGroupInFrame(doc, end);
    end.cell = lineAt(doc, end)->CharCount();
    setEnd(sel, end);
  }
}

// A table line in a column block stands for its whole line group.
int32_t groupLine(const TLineRec& line, int32_t index) { return line.InTable ? index - line.CellIndex : index; }

}  // namespace

bool isThereAmarking(const Document& doc) {
  return doc.MarkField != doc.CurField || doc.MarkLine != doc.CurLine || doc.MarkChar != doc.CurChar;
}

bool comesBefore(const Document& doc, const TextPos& a, const TextPos& b) {
  if (a.field != b.field) {
    if (reaches(doc, a.field, b.field)) return true;
    if (reaches(doc, b.field, a.field)) return false;
    return a.field < b.field;
  }
  if (a.line != b.line) return a.line < b.line;
  return a.cell < b.cell;
}

SelectionRange FindMarkingStart(const Document& doc) {
  SelectionRange sel;
  TextPos start = anchorPos(doc), end = caretPos(doc);
  if (comesBefore(doc, end, start)) std::swap(start, end);
  setStart(sel, start);
  setEnd(sel, end);
  if (!lineAt(doc, start) || !lineAt(doc, end)) return sel;  // no chain: nothing is selected
  sel.chain = chainFrom(doc, start.field, end.field);
  if (sameLine(start, end)) return sel;

  const TableLinesSeen seen = tableLinesBetween(doc, start, end);
  if (!seen.any) return sel;
  sel.SelTouchesTable = true;
  sel.SelColLast = seen.widest;
  if (seen.all) {
    sel.SelColFirst = lineAt(doc, start)->CellIndex;
    sel.SelColLast = lineAt(doc, end)->CellIndex;
  }
  TextPos startRow = start, endRow = end;
  toRowFirstGroup(doc, startRow);
  toRowFirstGroup(doc, endRow);
  if (sameLine(startRow, endRow)) return sel;  // within one cell

  sel.SelColumnBlock = true;
  if (sel.SelColFirst > sel.SelColLast) std::swap(sel.SelColFirst, sel.SelColLast);
  widenToColumnBlock(doc, sel);
  sel.chain = chainFrom(doc, sel.SelStartField, sel.SelEndField);
  return sel;
}

bool isinmarking(const Document& doc, const SelectionRange& sel, int32_t field, int32_t line, int32_t cell) {
  const auto found = std::find(sel.chain.begin(), sel.chain.end(), field);
  if (found == sel.chain.end()) return false;
  const TLineRec* here = lineAt(doc, {field, line, 0});
  if (!here) return false;
  const int32_t rank = static_cast<int32_t>(found - sel.chain.begin());
  const int32_t endRank =
      sel.chain.back() == sel.SelEndField ? static_cast<int32_t>(sel.chain.size()) - 1 : std::numeric_limits<int32_t>::max();
  const bool inColumns = here->CellIndex >= sel.SelColFirst && here->CellIndex <= sel.SelColLast;

  if (sel.SelColumnBlock && here->InTable) {
    const TLineRec* first = lineAt(doc, sel.start());
    const TLineRec* last = lineAt(doc, sel.end());
    if (!first || !last) return false;
    const std::pair<int32_t, int32_t> key{rank, groupLine(*here, line)};
    return inColumns && key >= std::pair{0, groupLine(*first, sel.SelStartLine)} &&
           key <= std::pair{endRank, groupLine(*last, sel.SelEndLine)};
  }
  const std::pair<int32_t, int32_t> key{rank, line};
  if (key < std::pair{0, sel.SelStartLine} || key > std::pair{endRank, sel.SelEndLine}) return false;
  if (rank == 0 && line == sel.SelStartLine && cell < sel.SelStartChar) return false;
  if (rank == endRank && line == sel.SelEndLine && cell >= sel.SelEndChar) return false;
  return !(sel.SelTouchesTable && here->InTable && !inColumns);
}

}  // namespace vendaro
