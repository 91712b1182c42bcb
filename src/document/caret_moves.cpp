#include "document/caret_moves.h"

#include <algorithm>

#include "document/line_cells.h"

namespace vendaro {
namespace {

bool validField(const Document& doc, int32_t field) { return field >= 0 && field < doc.FieldCount(); }

const TLineRec& lineOf(const Document& doc, const TextPos& pos) {
  return doc.Fields[static_cast<size_t>(pos.field)].Lines[static_cast<size_t>(pos.line)];
}

int32_t columnOf(const TLineRec& line) { return line.InTable ? std::clamp(line.CellIndex, 0, rowStep(line) - 1) : 0; }

// An empty line of a table cell below the cell's text: the layout fills a
// row's shorter cells with these, and vertical moves pass over them.
bool isEmptyContinuation(const Document& doc, const TextPos& pos) {
  const TLineRec& line = lineOf(doc, pos);
  if (!line.InTable || line.CellFirstLine || !line.Chars.empty()) return false;
  TextPos above = pos;
  return stepLines(doc, above, -rowStep(line)) && lineOf(doc, above).LineEnd == kLineEndSoft;
}

// The same column in the line group after (`down`) or before the one of `pos`,
// the column clamped to that group's width.
bool stepGroup(const Document& doc, TextPos& pos, bool down) {
  const TLineRec& line = lineOf(doc, pos);
  const int32_t column = columnOf(line);
  TextPos group = pos;
  if (down) {
    if (!stepLines(doc, group, rowStep(line) - column)) return false;
  } else {
    if (!stepLines(doc, group, -column - 1)) return false;
    if (!stepLines(doc, group, -columnOf(lineOf(doc, group)))) return false;
  }
  TextPos target = group;
  if (!stepLines(doc, target, std::min(column, rowStep(lineOf(doc, group)) - 1))) return false;
  pos.field = target.field;
  pos.line = target.line;
  return true;
}

bool moveLine(const Document& doc, TextPos& pos, bool down) {
  if (!lineAt(doc, pos)) return false;
  TextPos target = pos;
  for (size_t budget = lineBudget(doc); budget-- > 0;) {
    if (!stepGroup(doc, target, down)) return false;
    if (!isEmptyContinuation(doc, target)) break;
  }
  target.cell = std::clamp(pos.cell, 0, lineOf(doc, target).CharCount());
  pos = target;
  return true;
}

template <typename Move>
bool moveCaret(Document& doc, Move move) {
  TextPos pos = caretPos(doc);
  const bool moved = move(doc, pos);
  setCaret(doc, pos);
  return moved;
}

}  // namespace

size_t lineBudget(const Document& doc) {
  size_t n = doc.Fields.size() + 1;
  for (const TFieldRec& f : doc.Fields) n += f.Lines.size();
  return n;
}

void GoToLine(const Document& doc, int32_t& field, int32_t& line) {
  if (!validField(doc, field)) return;
  size_t budget = doc.Fields.size();
  while (line < 0 && budget-- > 0) {
    const int32_t prev = doc.Fields[static_cast<size_t>(field)].PrevField;
    if (!validField(doc, prev)) return;
    field = prev;
    line += doc.Fields[static_cast<size_t>(field)].LineCount();
  }
  while (line >= doc.Fields[static_cast<size_t>(field)].LineCount() && budget-- > 0) {
    const int32_t next = doc.Fields[static_cast<size_t>(field)].NextField;
    if (!validField(doc, next)) return;
    line -= doc.Fields[static_cast<size_t>(field)].LineCount();
    field = next;
  }
}

const TLineRec* lineAt(const Document& doc, const TextPos& pos) {
  if (!validField(doc, pos.field)) return nullptr;
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(pos.field)];
  if (pos.line < 0 || pos.line >= frame.LineCount()) return nullptr;
  return &frame.Lines[static_cast<size_t>(pos.line)];
}

bool stepLines(const Document& doc, TextPos& pos, int32_t delta) {
  TextPos moved = pos;
  moved.line += delta;
  GoToLine(doc, moved.field, moved.line);
  if (!lineAt(doc, moved)) return false;
  pos = moved;
  return true;
}

void toRowFirstGroup(const Document& doc, TextPos& pos) {
  for (size_t budget = lineBudget(doc); budget-- > 0;) {
    const TLineRec& line = lineOf(doc, pos);
    if (!line.InTable || line.CellFirstLine || !stepLines(doc, pos, -rowStep(line))) return;
  }
}

void toRowLastGroup(const Document& doc, TextPos& pos) {
  for (size_t budget = lineBudget(doc); budget-- > 0;) {
    const TLineRec& line = lineOf(doc, pos);
    if (!line.InTable || line.CellLastLine || !stepLines(doc, pos, rowStep(line))) return;
  }
}

bool moveCharLeft(const Document& doc, TextPos& pos) {
  const TLineRec* here = lineAt(doc, pos);
  if (!here) return false;
  pos.cell = std::min(pos.cell, here->CharCount()) - 1;
  if (pos.cell >= 0) return true;
  const bool insideCell = here->InTable && !here->CellFirstLine;
  TextPos prev = pos;
  if (!stepLines(doc, prev, insideCell ? -rowStep(*here) : -1)) {
    pos.cell = 0;
    return false;
  }
  const TLineRec& before = lineOf(doc, prev);
  if (before.InTable && !insideCell) {
    // Came into another table cell (the previous column, or the table from
    // below it): its text ends in the row's last group, or above the
    // padding that fills the cell to the row's height.
    toRowLastGroup(doc, prev);
    for (size_t budget = lineBudget(doc); budget-- > 0 && isEmptyContinuation(doc, prev);)
      stepLines(doc, prev, -rowStep(lineOf(doc, prev)));
    prev.cell = lineOf(doc, prev).CharCount();
    pos = prev;
    return false;
  }
  prev.cell = before.CharCount();
  if (before.LineEnd == kLineEndSoft && prev.cell > 0) --prev.cell;
  pos = prev;
  // Stepping up out of a table cell into the text before the table leaves
  // the cell.
  return insideCell || !here->InTable;
}

bool moveCharRight(const Document& doc, TextPos& pos) {
  const TLineRec* here = lineAt(doc, pos);
  if (!here) return false;
  if (pos.cell < here->CharCount()) {
    pos.cell = std::max(pos.cell, -1) + 1;
    return true;
  }
  pos.cell = here->CharCount();
  bool sameCell = here->InTable && !here->CellLastLine;
  TextPos next = pos;
  if (sameCell) {
    TextPos below = pos;
    const bool textGoesOn = stepLines(doc, below, rowStep(*here)) &&
                            !(lineOf(doc, below).Chars.empty() && lineOf(doc, below).LineEnd == kLineEndSoft &&
                              here->LineEnd == kLineEndSoft);
    if (textGoesOn) next = below;
    else sameCell = false;  // the cell's text is over: on to the next column
  }
  if (!sameCell) {
    // The cell's text may end above the row's last group (the rest is
    // padding): the next column, or the line after the row, follows the
    // row's last group, never an earlier one.
    if (here->InTable) toRowLastGroup(doc, next);
    if (!stepLines(doc, next, 1)) return false;  // the end of the flow
  }
  const TLineRec& target = lineOf(doc, next);
  if (target.InTable && !sameCell) {
    // Came into another table cell: its text starts in the row's first group.
    toRowFirstGroup(doc, next);
    next.cell = 0;
    pos = next;
    return false;
  }
  // After a wrapped line the next line's start is the position just left.
  // Leaving a table row is no wrap, even from a soft-ended padding line.
  const bool wrapped = here->LineEnd == kLineEndSoft && (sameCell || !here->InTable);
  next.cell = std::min(wrapped ? 1 : 0, target.CharCount());
  pos = next;
  return true;
}

bool moveLineUp(const Document& doc, TextPos& pos) { return moveLine(doc, pos, false); }
bool moveLineDown(const Document& doc, TextPos& pos) { return moveLine(doc, pos, true); }

bool GoCharLeft(Document& doc) { return moveCaret(doc, moveCharLeft); }
bool GoCharRight(Document& doc) { return moveCaret(doc, moveCharRight); }
bool GoLineUp(Document& doc) { return moveCaret(doc, moveLineUp); }
bool GoLineDown(Document& doc) { return moveCaret(doc, moveLineDown); }

TextPos caretPos(const Document& doc) { return {doc.CurField, doc.CurLine, doc.CurChar}; }
TextPos anchorPos(const Document& doc) { return {doc.MarkField, doc.MarkLine, doc.MarkChar}; }

void setCaret(Document& doc, const TextPos& pos) {
  doc.CurField = pos.field;
  doc.CurLine = pos.line;
  doc.CurChar = pos.cell;
}

void setAnchor(Document& doc, const TextPos& pos) {
  doc.MarkField = pos.field;
  doc.MarkLine = pos.line;
  doc.MarkChar = pos.cell;
}

}  // namespace vendaro
