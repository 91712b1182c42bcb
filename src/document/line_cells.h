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

}  // namespace vendaro
