// deleting.cpp — Backspace and Delete without a selection: removing the
// cell beside the caret, joining a line with its neighbour (soft wraps,
// paragraph ends, table row groups), and ending a list with Backspace.
#include <algorithm>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

bool endsParagraphOrPage(const TLineRec& line) {
  return line.LineEnd == kLineEndParagraph || line.LineEnd == kLineEndPage;
}

// Backspace at the start of a list paragraph takes the bullet or number away
// and leaves the text where it is. That is the case at the start of the
// flow, after a paragraph or page end, and at the edges of table row groups
// (where text cannot be joined anyway). `above` is null at the flow's start.
bool backspaceEndsList(const TLineRec& caretLine, const TLineRec* above) {
  if (caretLine.Para.ListKind == 0) return false;
  return above == nullptr || endsParagraphOrPage(*above) || caretLine.CellFirstLine || above->CellLastLine;
}

// Removes cell `index` of `line`; true when it was a picture, whose bitmap
// may now be unused.
bool removeCell(TLineRec& line, int32_t index) {
  const bool picture = line.Chars[static_cast<size_t>(index)].Kind == kCellPicture;
  line.Chars.erase(line.Chars.begin() + index);
  line.Dirty = 1;
  return picture;
}

}  // namespace

// What both delete keys do first: the undo step (merged with the same key's
// last ones), and a selection deleted instead of a character. Returns the
// caret's line when a character is to go, null otherwise.
TLineRec* Editor::beginDeleteKey(int32_t mergeKind, bool withUndo) {
  SetFileChanged(true);
  if (withUndo) MakeMergedCopyForUndo("Löschen", mergeKind);
  else closeUndoMerge();
  doc_.CaretAtLineEnd = 0;
  if (isThereAmarking(doc_)) {
    DeleteMarking();
    return nullptr;
  }
  return editLine(doc_, caretPos(doc_));
}

void Editor::deleteBackward() {
  TLineRec* line = beginDeleteKey(kMergeBackspace, true);
  if (!line) return;
  doc_.CurChar = std::min(doc_.CurChar, line->CharCount());
  if (doc_.CurChar > 0) {
    --doc_.CurChar;
    if (removeCell(*line, doc_.CurChar)) FreeBildInListeIfNotNeeded();
    return;
  }

  TextPos abovePos = caretPos(doc_);
  TLineRec* above = lineAbove(doc_, abovePos) ? editLine(doc_, abovePos) : nullptr;
  if (backspaceEndsList(*line, above)) {
    if (above) above->Dirty = 1;
    aufzaehlung(0);
    return;
  }
  if (!above) return;
  above->Dirty = 1;
  if (above->LineEnd != kLineEndSoft || line->CellFirstLine) {
    // Clearing the end joins the lines at the next re-wrap; a table row
    // group's edge is never joined.
    if (!line->CellFirstLine && !above->CellLastLine) above->LineEnd = kLineEndSoft;
  } else if (!above->Chars.empty()) {
    // The start of a wrapped line is the end of the one above: Backspace
    // takes that line's last character.
    if (removeCell(*above, above->CharCount() - 1)) FreeBildInListeIfNotNeeded();
    doc_.CaretAtLineEnd = 1;
  }
}

void Editor::deleteForward() {
  TLineRec* line = beginDeleteKey(kMergeDelete, !TypingNoUndo);
  if (!line) return;
  if (doc_.CurChar >= 0 && doc_.CurChar < line->CharCount()) {
    if (removeCell(*line, doc_.CurChar)) FreeBildInListeIfNotNeeded();
    return;
  }
  if (line->CellLastLine) return;  // the end of a table cell's text
  line->Dirty = 1;
  TextPos belowPos = caretPos(doc_);
  TLineRec* below = lineBelow(doc_, belowPos) ? editLine(doc_, belowPos) : nullptr;
  if (!below) return;  // the end of the flow
  below->Dirty = 1;
  if (line->LineEnd != kLineEndSoft) {
    if (!below->CellFirstLine) {
      line->LineEnd = kLineEndSoft;
    } else if (line->Chars.empty()) {
      // An empty paragraph before a table goes away.
      LineList& lines = doc_.Fields[static_cast<size_t>(doc_.CurField)].Lines;
      if (lines.size() > 1 && doc_.CurLine + 1 < static_cast<int32_t>(lines.size())) {
        lines.erase(lines.begin() + doc_.CurLine);
        doc_.CurChar = 0;
      }
    }
  } else if (!below->Chars.empty() && !below->CellFirstLine) {
    if (removeCell(*below, 0)) FreeBildInListeIfNotNeeded();
    doc_.CaretAtLineEnd = 1;
  }
}

}  // namespace vendaro
