// caret_moves.h — moving a text position through the flow of lines: along
// chained frames, over soft line ends (the end of a wrapped line and the
// start of the next are one text position) and in and out of table cells,
// whose text runs down one column of the row's line groups.
#pragma once

#include <cstddef>
#include <cstdint>

#include "document/document.h"
#include "document/text_pos.h"

namespace vendaro {

// Normalises a frame and line pair along the frame's text chain: a line
// before the frame's first continues in the previous frame, one past its
// last in the next. Past either end of the chain the pair is left out of
// range for the caller to test.
void GoToLine(const Document& doc, int32_t& field, int32_t& line);

// An upper bound for every walk over lines (all lines and frames), so that
// a damaged chain or table that loops cannot hang the program.
size_t lineBudget(const Document& doc);

// The line record at `pos`, or null when the position is outside the records.
const TLineRec* lineAt(const Document& doc, const TextPos& pos);
// Moves `pos` by `delta` line records along the chain (cell unchanged);
// false, leaving `pos` alone, when that leaves the chain.
bool stepLines(const Document& doc, TextPos& pos, int32_t delta);
// Moves `pos` up, a group at a time, to the first line group of its table
// row (no move outside tables).
void toRowFirstGroup(const Document& doc, TextPos& pos);
// Moves `pos` down, a group at a time, to the last line group of its row.
void toRowLastGroup(const Document& doc, TextPos& pos);

// The moves on any position. Left and right return false at the ends of the
// flow and when they cross the edge of a table cell; up and down return
// false, leaving `pos` alone, at the first or last line.
bool moveCharLeft(const Document& doc, TextPos& pos);
bool moveCharRight(const Document& doc, TextPos& pos);
bool moveLineUp(const Document& doc, TextPos& pos);
bool moveLineDown(const Document& doc, TextPos& pos);

// The same moves of the caret. None of them moves the anchor or repaints.
bool GoCharLeft(Document& doc);
bool GoCharRight(Document& doc);
bool GoLineUp(Document& doc);
bool GoLineDown(Document& doc);

TextPos caretPos(const Document& doc);
TextPos anchorPos(const Document& doc);
void setCaret(Document& doc, const TextPos& pos);
void setAnchor(Document& doc, const TextPos& pos);

}  // namespace vendaro
