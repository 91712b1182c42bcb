// delete_marking.cpp — deleting the selection: cells of one line, or a run
// of lines whose emptied remainder the next re-wrap joins, a block of table
// columns, and, while columns are being deleted, the emptied table lines.
#include <algorithm>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

class CellEraser {
 public:
  // Removes cells [from, to) of `line` (clamped) and marks it dirty.
  void erase(TLineRec& line, int32_t from, int32_t to) {
    from = std::clamp(from, 0, line.CharCount());
    to = std::clamp(to, from, line.CharCount());
    for (int32_t i = from; i < to; ++i) removedPicture_ = removedPicture_ || line.Chars[static_cast<size_t>(i)].Kind == kCellPicture;
    line.Chars.erase(line.Chars.begin() + from, line.Chars.begin() + to);
    line.Dirty = 1;
  }
  bool removedPicture() const { return removedPicture_; }

 private:
  bool removedPicture_ = false;
};

// Takes the emptied line `pos` of a table out of its row group: the group's
// other lines count one cell less and the later ones move one column left.
void removeTableLine(Document& doc, const TextPos& pos) {
  LineList& lines = doc.Fields[static_cast<size_t>(pos.field)].Lines;
  const TLineRec& gone = lines[static_cast<size_t>(pos.line)];
  if (!gone.InTable || !gone.Chars.empty()) return;
  const int32_t first = pos.line - std::max(gone.CellIndex, 0);
  const int32_t end = std::min(first + rowStep(gone), static_cast<int32_t>(lines.size()));
  for (int32_t j = std::max(first, 0); j < end; ++j) {
    if (j == pos.line) continue;
    TLineRec& other = lines[static_cast<size_t>(j)];
    other.RowCells = std::max(other.RowCells - 1, 1);
    if (j > pos.line) other.CellIndex = std::max(other.CellIndex - 1, 0);
  }
  lines.erase(lines.begin() + pos.line);
}

// After lines were removed the caret may stand past its frame's end.
void keepPositionInFrame(Document& doc, TextPos& pos) {
  LineList& lines = doc.Fields[static_cast<size_t>(pos.field)].Lines;
  if (lines.empty()) Document::InitNewLine(lines, 0);
  pos.line = std::clamp(pos.line, 0, static_cast<int32_t>(lines.size()) - 1);
  pos.cell = std::clamp(pos.cell, 0, lines[static_cast<size_t>(pos.line)].CharCount());
}

}  // namespace

void Editor::DeleteMarking() {
  if (!isThereAmarking(doc_)) return;
  const SelectionRange sel = FindMarkingStart(doc_);
  TLineRec* first = editLine(doc_, sel.start());
  TLineRec* last = editLine(doc_, sel.end());
  if (!first || !last) return;
  CellEraser eraser;
  // The table lines of a column block, for removal in column deletion.
  std::vector<TextPos> blockLines;
  auto noteBlockLine = [&](const TextPos& p, const TLineRec& line) {
    if (sel.SelColumnBlock && line.InTable) blockLines.push_back(p);
  };

  if (sel.SelStartField == sel.SelEndField && sel.SelStartLine == sel.SelEndLine) {
    eraser.erase(*first, sel.SelStartChar, sel.SelEndChar);
  } else {
    eraser.erase(*first, sel.SelStartChar, first->CharCount());
    first->LineEnd = kLineEndSoft;
    noteBlockLine(sel.start(), *first);
    // Lines in between are emptied but stay: the next re-wrap joins what is
    // left. Of a table only the lines inside the selected columns count.
    TextPos p = sel.start();
    bool reachedEnd = false;
    for (size_t budget = lineBudget(doc_); budget-- > 0 && stepLines(doc_, p, 1);) {
      reachedEnd = p.field == sel.SelEndField && p.line == sel.SelEndLine;
      if (reachedEnd) break;
      if (!isinmarking(doc_, sel, p.field, p.line, 0)) continue;
      TLineRec& line = *editLine(doc_, p);
      eraser.erase(line, 0, line.CharCount());
      line.LineEnd = kLineEndSoft;
      noteBlockLine(p, line);
    }
    // An end in a frame of another chain is no part of this text.
    if (reachedEnd) {
      eraser.erase(*last, 0, sel.SelEndChar);
      noteBlockLine(sel.end(), *last);
    }
  }

  TextPos start = sel.start();
  if (DeleteColumnsMode && !blockLines.empty()) {
    std::sort(blockLines.begin(), blockLines.end(), [](const TextPos& a, const TextPos& b) {
      return a.field != b.field ? a.field > b.field : a.line > b.line;
    });
    for (const TextPos& p : blockLines) removeTableLine(doc_, p);
    keepPositionInFrame(doc_, start);
  }
  setCaret(doc_, start);
  setAnchor(doc_, start);
  if (eraser.removedPicture()) FreeBildInListeIfNotNeeded();
}

}  // namespace vendaro
