// wrapped_words.cpp — which line continues the text of another.
#include "spelling/wrapped_words.h"

namespace vendaro {

bool continuesOverSoftEnd(const TLineRec& line, const TLineRec& next) {
  if (line.LineEnd != kLineEndSoft || line.InTable != next.InTable) return false;
  if (!line.InTable) return true;
  return !next.CellFirstLine && next.CellIndex == line.CellIndex && next.RowCells == line.RowCells;
}

bool cellFollowsInText(const Document& doc, const TextPos& earlier, const TextPos& later) {
  if (later.field == earlier.field && later.line == earlier.line) return later.cell == earlier.cell + 1;
  const TLineRec* before = lineAt(doc, earlier);
  if (!before || earlier.cell != before->CharCount() - 1 || later.cell != 0) return false;
  return nextTextLine(DocumentLines(doc), TextPos{earlier.field, earlier.line, 0}) == TextPos{later.field, later.line, 0};
}

}  // namespace vendaro
