// line_cells.h — small tests on lines and cells that layout and editing
// share: how table row groups are laid out in line records and which cells
// are spaces, tabs or breaks.
#pragma once

#include <cstdint>

#include "document/records.h"

namespace vendaro {

// Cells 13, 14 and 15 stand for a paragraph end, line break and page break
// inside a joined table cell.
inline bool isBreakCell(const TCharRec& cell) { return cell.Kind == kCellChar && cell.Ch >= 13 && cell.Ch <= 15; }
inline bool isTabCell(const TCharRec& cell) { return cell.Kind == kCellChar && cell.Ch == kTabChar; }
inline bool isSpaceCell(const TCharRec& cell) { return cell.Kind == kCellChar && cell.Ch == ' '; }
inline bool hasSoftHyphen(const TCharRec& cell) { return GettingOpsB(cell.CharFlags, kFlagSoftHyphen); }
// Lines in one table row group are this many apart in a cell column.
inline int32_t rowStep(const TLineRec& line) { return line.RowCells > 1 ? line.RowCells : 1; }
inline bool isLaterRowCell(const TLineRec& line) { return line.RowCells > 1 && line.CellIndex > 0; }

// A line of text outside tables: while it stays clean, joining leaves it
// as it is unless a changed line of its paragraph takes it in.
inline bool isPlainTextLine(const TLineRec& line) {
  return line.RowCells < 2 && !line.InTable && !line.CellFirstLine && !line.CellLastLine;
}

inline bool holdsFieldCell(const TLineRec& line) {
  for (const TCharRec& cell : line.Chars)
    if (cell.Kind == kCellField) return true;
  return false;
}

// The `LineMarks` a frame's list keeps for a clean line.
inline uint8_t lineMarksOf(const TLineRec& line) {
  return static_cast<uint8_t>((holdsFieldCell(line) ? kLineHoldsFields : 0) | (isPlainTextLine(line) ? kLinePlainText : 0));
}

}  // namespace vendaro
