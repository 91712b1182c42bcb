// edit_lines.h — the lines the keyboard's edits work on: the line at a
// position, the line before or after it in the same table column (outside
// tables simply the neighbouring line, along the frame chain), and the ends
// of a frame chain.
#pragma once

#include <algorithm>
#include <cstdint>

#include "document/caret_moves.h"
#include "document/document.h"
#include "document/line_cells.h"

namespace vendaro {

// The line record at `pos` for changing (a line an undo step shares is
// copied first); null outside the records.
inline TLineRec* editLine(Document& doc, const TextPos& pos) {
  if (lineAt(doc, pos) == nullptr) return nullptr;
  return &doc.Fields[static_cast<size_t>(pos.field)].Lines[static_cast<size_t>(pos.line)];
}

// A picture cell's index is 16 bits.
inline constexpr size_t kMaxPictures = 65536;

// Typing goes into page text, headers, footers and text boxes, but not into
// a text box that is selected as an object.
inline bool caretInTypingFrame(const Document& doc) {
  if (doc.CurField < 0 || doc.CurField >= doc.FieldCount()) return false;
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(doc.CurField)];
  return frame.FieldType <= kFieldFooter || (frame.FieldType == kFieldTextBox && !frame.ObjSelected);
}

// Whether a cell can go in at the caret (a line one past the frame's last
// is appended by NewChar).
bool caretCanTakeCell(const Document& doc);

// The cell a typed character, an inserted field or a pasted picture goes into: in overwrite
// mode before the line's end the cell at the caret, which keeps only its
// font; else a new cell with the input font. Marks the caret line dirty.
struct TypedCell {
  TCharRec* cell = nullptr;
  bool replacedPicture = false;
};
TypedCell cellForTyping(Document& doc, bool overwrite);

// One line group up or down in the column of `pos` (a table cell's text runs
// down its column through the row's groups); false at the ends of the flow.
inline bool lineAbove(const Document& doc, TextPos& pos) {
  const TLineRec* line = lineAt(doc, pos);
  return line && stepLines(doc, pos, -rowStep(*line));
}
inline bool lineBelow(const Document& doc, TextPos& pos) {
  const TLineRec* line = lineAt(doc, pos);
  return line && stepLines(doc, pos, rowStep(*line));
}

// The cell just before `pos` in the text: at a line's start after a soft
// wrap the last cell of the line above (the two positions are one). Null at
// the start of a paragraph, of a table cell or of the flow.
inline const TCharRec* cellBefore(const Document& doc, const TextPos& pos) {
  const TLineRec* line = lineAt(doc, pos);
  if (!line) return nullptr;
  if (pos.cell > 0) return line->Chars.empty() ? nullptr : &line->Chars[static_cast<size_t>(std::min(pos.cell, line->CharCount()) - 1)];
  TextPos above = pos;
  if (line->CellFirstLine || !lineAbove(doc, above)) return nullptr;
  const TLineRec& prev = *lineAt(doc, above);
  if (prev.LineEnd != kLineEndSoft || prev.CellLastLine || prev.Chars.empty()) return nullptr;
  return &prev.Chars.back();
}

// Measures a character cell as typing does: a tab gets the width layout
// replaces and the line's height.
void measureTypedCell(Document& doc, TCharRec& cell);

// The first and the last frame of the text chain through `field`.
inline int32_t chainHead(const Document& doc, int32_t field) {
  for (size_t budget = doc.Fields.size(); budget-- > 0;) {
    const int32_t prev = doc.Fields[static_cast<size_t>(field)].PrevField;
    if (prev < 0 || prev >= doc.FieldCount() || prev == field) break;
    field = prev;
  }
  return field;
}
inline int32_t chainTail(const Document& doc, int32_t field) {
  for (size_t budget = doc.Fields.size(); budget-- > 0;) {
    const int32_t next = doc.Fields[static_cast<size_t>(field)].NextField;
    if (next < 0 || next >= doc.FieldCount() || next == field) break;
    field = next;
  }
  return field;
}

}  // namespace vendaro
