// typing.cpp — characters and tabs typed at the caret: the undo step that
// runs of typing share, overwrite mode, typographic quotes, measuring the
// new cell, and the special-character dialog.
#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "editing/quotes.h"

namespace vendaro {

bool caretCanTakeCell(const Document& doc) {
  if (doc.CurField < 0 || doc.CurField >= doc.FieldCount()) return false;
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(doc.CurField)];
  if (doc.CurLine < 0 || doc.CurLine > frame.LineCount()) return false;
  const int32_t cells = doc.CurLine < frame.LineCount() ? frame.Lines[static_cast<size_t>(doc.CurLine)].CharCount() : 0;
  return doc.CurChar >= 0 && doc.CurChar <= cells;
}

TypedCell cellForTyping(Document& doc, bool overwrite) {
  TypedCell typed;
  TLineRec* line = editLine(doc, caretPos(doc));
  if (overwrite && line && doc.CurChar >= 0 && doc.CurChar < line->CharCount()) {
    TCharRec& cell = line->Chars[static_cast<size_t>(doc.CurChar)];
    typed.replacedPicture = cell.Kind == kCellPicture;
    TCharRec fresh;
    fresh.FontIndex = cell.FontIndex;
    cell = std::move(fresh);
    typed.cell = &cell;
  } else {
    typed.cell = doc.NewChar();
  }
  if (TLineRec* dirty = editLine(doc, caretPos(doc))) dirty->Dirty = 1;
  return typed;
}

void measureTypedCell(Document& doc, TCharRec& cell) {
  doc.RenderChar(cell);
  if (cell.Ch != kTabChar) return;
  // Layout gives the tab its real width; the line's height applies.
  cell.CharWidth = 12.5;
  cell.CharHeight = -1.0;
}

void Editor::getkeysKeyPress(uint8_t ch) {
  if (RulerDragMode != kRulerDragNone || !caretInTypingFrame(doc_) || !caretCanTakeCell(doc_)) return;
  const bool swallow = ch == 127 && UndoByCtrlBackspace;
  UndoByCtrlBackspace = false;
  if (swallow || ch < 32) return;

  SetFileChanged(true);
  if (!TypingNoUndo) MakeMergedCopyForUndo("Eingabe", kMergeTyping);
  doc_.CaretAtLineEnd = 0;
  if (TypingNoUndo) closeUndoMerge();
  else if (isThereAmarking(doc_)) DeleteMarking();

  const bool overwrite = typingOptions_->OverwriteMode && !TypingBatch;
  const TypedCell typed = cellForTyping(doc_, overwrite);
  if (!typed.cell) return;
  TCharRec& cell = *typed.cell;
  cell.Kind = kCellChar;
  cell.Ch = ch;
  if (ch == '"' && typingOptions_->QuoteStyle > kQuotesNeutral)
    cell.Ch = typographicQuote(typingOptions_->QuoteStyle, quoteOpensAt(doc_, caretPos(doc_)), doc_.CurFont.name());
  doc_.RenderChar(cell);
  ++doc_.CurChar;
  setAnchor(doc_, caretPos(doc_));
  if (typed.replacedPicture) FreeBildInListeIfNotNeeded();
  if (!TypingBatch) RefreshDirtyContent();
}

void Editor::insertTab() {
  if (!caretCanTakeCell(doc_)) return;
  MakeCopyForUndo("Eingabe TAB");
  doc_.CaretAtLineEnd = 0;
  if (isThereAmarking(doc_)) DeleteMarking();
  const TypedCell typed = cellForTyping(doc_, typingOptions_->OverwriteMode);
  if (!typed.cell) return;
  TCharRec& cell = *typed.cell;
  cell.Kind = kCellChar;
  cell.Ch = kTabChar;
  measureTypedCell(doc_, cell);
  ++doc_.CurChar;
  setAnchor(doc_, caretPos(doc_));
  if (typed.replacedPicture) FreeBildInListeIfNotNeeded();
  RefreshDirtyContent();
}

void Editor::SonderzeichenEinfuegen() {
  SonderzeichenDialog dialog;
  dialog.fontName = std::string(doc_.CurFont.name());
  dialog.character = ' ';
  if (!host_.showSonderzeichenDialog(dialog)) return;
  SetPCharText(doc_.CurFont.Name, dialog.fontName);
  doc_.CurFont.Charset = 1;
  getkeysKeyPress(dialog.character);
  OvertakeFont();
}

}  // namespace vendaro
