// line_breaks.cpp — Enter, Shift+Enter and Ctrl+Enter: the split of a line
// (of a table row group) and the command around it.
#include "editing/line_breaks.h"

#include <algorithm>
#include <iterator>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "layout/layout_run.h"

namespace vendaro {
namespace {

// A new line of a row group takes over the table, paragraph and column
// settings of the line of its column above, but none of its text.
TLineRec continuationOf(const TLineRec& model, int32_t rowCells, int32_t column) {
  TLineRec line = lineSettingsOf(model);
  line.RowCells = rowCells;
  line.CellIndex = column;
  line.CellLastLine = model.CellLastLine;
  return line;
}

}  // namespace

TextPos splitLineAt(Document& doc, const TextPos& pos, int32_t kind) {
  TLineRec* caretLine = editLine(doc, pos);
  if (!caretLine) return pos;
  LineList& lines = doc.Fields[static_cast<size_t>(pos.field)].Lines;
  const bool inGroup = caretLine->RowCells > 1 && caretLine->CellIndex >= 0 && caretLine->CellIndex < caretLine->RowCells &&
                       pos.line - caretLine->CellIndex >= 0 &&
                       pos.line - caretLine->CellIndex + caretLine->RowCells <= static_cast<int32_t>(lines.size());
  const int32_t cells = inGroup ? caretLine->RowCells : 1;
  const int32_t column = inGroup ? caretLine->CellIndex : 0;
  const int32_t groupStart = pos.line - column;
  caretLine->Dirty = 1;

  std::vector<TLineRec> added;
  added.reserve(static_cast<size_t>(cells));
  for (int32_t k = 0; k < cells; ++k) {
    TLineRec& model = lines[static_cast<size_t>(groupStart + k)];
    added.push_back(continuationOf(model, cells, k));
    model.CellLastLine = 0;
    added.back().LineEnd = k == column ? model.LineEnd : kLineEndSoft;
  }
  TLineRec& moved = added[static_cast<size_t>(column)];
  const int32_t cut = std::clamp(pos.cell, 0, caretLine->CharCount());
  moved.Chars.assign(std::make_move_iterator(caretLine->Chars.begin() + cut), std::make_move_iterator(caretLine->Chars.end()));
  caretLine->Chars.erase(caretLine->Chars.begin() + cut, caretLine->Chars.end());
  caretLine->LineEnd = kind;
  moved.Dirty = 1;

  const int32_t insertAt = groupStart + cells;
  lines.insert(lines.begin() + insertAt, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
  return {pos.field, insertAt + column, 0};
}

void Editor::InsertEnterOnThatPos(const TextPos& pos, int32_t kind) {
  if (!lineAt(doc_, pos)) return;
  SetFileChanged(true);
  MakeMergedCopyForUndo("Eingabe Enter", kMergeEnter);
  doc_.CaretAtLineEnd = 0;
  TextPos at = pos;
  if (isThereAmarking(doc_)) {
    // The break goes where the deleted text began.
    DeleteMarking();
    at = caretPos(doc_);
  }
  setCaret(doc_, splitLineAt(doc_, at, kind));
  setAnchor(doc_, caretPos(doc_));
  OvertakeFont();
  RefreshDirtyContent();
}

}  // namespace vendaro
