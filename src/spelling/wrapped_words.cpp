// wrapped_words.cpp — which line continues the text of another.
#include "spelling/wrapped_words.h"

namespace vendaro {

bool continuesOverSoftEnd(const TLineRec& line, const TLineRec& next) {
  if (line.LineEnd != kLineEndSoft || line.InTable != next.InTable) return false;
  if (!line.InTable) return true;
  return !next.CellFirstLine && next.CellIndex == line.CellIndex && next.RowCells == line.RowCells;
}

}  // namespace vendaro
