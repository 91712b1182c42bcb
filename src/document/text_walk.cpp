#include "document/text_walk.h"

#include <algorithm>
#include <vector>

#include "document/caret_moves.h"
#include "document/line_cells.h"

namespace vendaro {

TextWalk::TextWalk(Document& doc) : doc_(doc) {}

void TextWalk::start(const TextPos& at) {
  for (TFieldRec& frame : doc_.Fields) frame.Visited = 0;
  pos = at;
  if (pos.field >= 0 && pos.field < doc_.FieldCount()) doc_.Fields[static_cast<size_t>(pos.field)].Visited = 1;
  budgetMode_ = -1;
}

void TextWalk::restart(const TextPos& at) {
  std::vector<uint8_t> visited;
  visited.reserve(doc_.Fields.size());
  for (const TFieldRec& frame : doc_.Fields) visited.push_back(frame.Visited);
  start(at);
  for (size_t i = 0; i < visited.size() && i < doc_.Fields.size(); ++i) doc_.Fields[i].Visited |= visited[i];
}

void TextWalk::startAtSelection() {
  haveSelection_ = false;
  start(selection().start());
}

const SelectionRange& TextWalk::selection() {
  if (!haveSelection_) {
    sel_ = FindMarkingStart(doc_);
    haveSelection_ = true;
  }
  return sel_;
}

const TCharRec* TextWalk::cell() const {
  const TLineRec* line = lineAt(doc_, pos);
  if (!line || pos.cell < 0 || pos.cell >= line->CharCount()) return nullptr;
  return &line->Chars[static_cast<size_t>(pos.cell)];
}

bool TextWalk::atMarkedCell() { return cell() && isinmarking(doc_, selection(), pos.field, pos.line, pos.cell); }

bool TextWalk::getnextchar() { return advance(false); }
bool TextWalk::getnextcharTableBlind() { return advance(true); }
bool TextWalk::getPrevsChar() { return retreat(); }
bool TextWalk::getnextmarkedchar() { return nextMarkedChar(false); }
bool TextWalk::getnextmarkedcharTableBlind() { return nextMarkedChar(true); }
bool TextWalk::getnextmarkedline() { return nextMarkedLine(false); }
bool TextWalk::getnextmarkedlineTableBlind() { return nextMarkedLine(true); }

bool TextWalk::advance(bool tableBlind) {
  const TLineRec* here = lineAt(doc_, pos);
  if (!here) return false;
  if (pos.cell + 1 < here->CharCount()) {
    pos.cell = std::max(pos.cell, -1) + 1;
    return true;
  }
  const TextPos saved = pos;
  while (nextLine(tableBlind))
    if (lineAt(doc_, pos)->CharCount() > 0 || WalkLineMode) return true;
  pos = saved;
  return false;
}

bool TextWalk::retreat() {
  const TLineRec* here = lineAt(doc_, pos);
  if (!here) return false;
  const int32_t before = std::min(pos.cell, here->CharCount()) - 1;
  if (before >= 0) {
    pos.cell = before;
    return true;
  }
  const TextPos saved = pos;
  while (prevLine()) {
    const int32_t count = lineAt(doc_, pos)->CharCount();
    if (count > 0 || WalkLineMode) {
      pos.cell = std::max(count - 1, 0);
      return true;
    }
  }
  pos = saved;
  return false;
}

// After a cell's last group comes the first group of the next column of
// the row; after the row's last column, the line after the row.
bool TextWalk::nextLineInOrder(TextPos& p, bool tableBlind) const {
  const TLineRec& here = *lineAt(doc_, p);
  if (!tableBlind && here.InTable) {
    if (!here.CellLastLine) return stepLines(doc_, p, rowStep(here));
    if (here.CellIndex < rowStep(here) - 1) {
      TextPos column = p;
      toRowFirstGroup(doc_, column);
      if (stepLines(doc_, column, 1) && lineAt(doc_, column)->InTable &&
          lineAt(doc_, column)->CellIndex == here.CellIndex + 1) {
        p = column;
        return true;
      }
    }
  }
  return stepLines(doc_, p, 1);
}

bool TextWalk::prevLineInOrder(TextPos& p) const {
  const TLineRec& here = *lineAt(doc_, p);
  if (here.InTable) {
    if (!here.CellFirstLine) return stepLines(doc_, p, -rowStep(here));
    if (here.CellIndex > 0) {
      TextPos column = p;
      if (stepLines(doc_, column, -1) && lineAt(doc_, column)->InTable &&
          lineAt(doc_, column)->CellIndex == here.CellIndex - 1) {
        toRowLastGroup(doc_, column);
        p = column;
        return true;
      }
    }
  }
  return stepLines(doc_, p, -1);
}

void TextWalk::enter(const TextPos& p) {
  pos = p;
  doc_.Fields[static_cast<size_t>(p.field)].Visited = 1;
}

bool TextWalk::spendLineMove(int mode) {
  if (mode != budgetMode_ || pos.field != budgetLine_.field || pos.line != budgetLine_.line) {
    budget_ = lineBudget(doc_);
    budgetMode_ = mode;
  }
  if (budget_ == 0) return false;
  --budget_;
  return true;
}

bool TextWalk::nextLine(bool tableBlind) {
  if (!lineAt(doc_, pos) || !spendLineMove(tableBlind ? 1 : 0)) return false;
  TextPos next = pos;
  const bool inOrder = nextLineInOrder(next, tableBlind);
  if (inOrder) enter({next.field, next.line, 0});
  const bool moved = inOrder || enterUnvisitedFrame(true);
  budgetLine_ = pos;
  return moved;
}

bool TextWalk::prevLine() {
  if (!lineAt(doc_, pos) || !spendLineMove(2)) return false;
  TextPos prev = pos;
  const bool inOrder = prevLineInOrder(prev);
  if (inOrder) enter({prev.field, prev.line, 0});
  const bool moved = inOrder || enterUnvisitedFrame(false);
  budgetLine_ = pos;
  return moved;
}

bool TextWalk::enterUnvisitedFrame(bool forward) {
  if (!WalkAllFields) return false;
  const int32_t count = doc_.FieldCount();
  for (int32_t i = 0; i < count; ++i) {
    const int32_t field = forward ? i : count - 1 - i;
    TFieldRec& frame = doc_.Fields[static_cast<size_t>(field)];
    if (frame.Visited) continue;
    frame.Visited = 1;
    if (frame.Lines.empty()) continue;
    enter({field, forward ? 0 : frame.LineCount() - 1, 0});
    return true;
  }
  return false;
}

// Past the end when the walk left the selection's chain, or reached a line
// after the end line that is not part of a table row (the walk goes down a
// row's columns one after the other, so table lines are no sign).
bool TextWalk::pastSelection() {
  const SelectionRange& sel = selection();
  const auto found = std::find(sel.chain.begin(), sel.chain.end(), pos.field);
  if (found == sel.chain.end()) return true;
  if (sel.chain.back() != sel.SelEndField || found + 1 != sel.chain.end()) return false;
  return pos.line > sel.SelEndLine && !lineAt(doc_, pos)->InTable;
}

bool TextWalk::nextMarkedChar(bool tableBlind) {
  const TextPos saved = pos;
  while (advance(tableBlind)) {
    if (pastSelection()) break;
    if (atMarkedCell()) return true;
  }
  pos = saved;
  return false;
}

bool TextWalk::nextMarkedLine(bool tableBlind) {
  const SelectionRange& sel = selection();
  const TextPos saved = pos;
  while (nextLine(tableBlind)) {
    if (pastSelection()) break;
    // Inside one line the selected cells run from the start line's first
    // selected cell, or from cell 0, onwards.
    const int32_t count = std::max(lineAt(doc_, pos)->CharCount(), 1);
    const bool startLine = pos.field == sel.SelStartField && pos.line == sel.SelStartLine;
    for (int32_t c : {0, startLine ? sel.SelStartChar : 0}) {
      if (c < count && isinmarking(doc_, sel, pos.field, pos.line, c)) {
        pos.cell = c;
        return true;
      }
    }
  }
  pos = saved;
  return false;
}

}  // namespace vendaro
