// table_cells.cpp — the row edges of a table line inside its text column.
#include "layout/table_cells.h"

#include <algorithm>

namespace vendaro {

RowEdges normalisedRow(const TLineRec& line, double columnWidth) {
  double left = line.RowLeft;
  if (left > columnWidth - kMinimumRowWidth) left = columnWidth - kMinimumRowWidth;
  double right = line.RowRight;
  if (right > kRelativeRowRight) right = columnWidth - left - (right - kRelativeRowRight);
  return {left, std::max(columnWidth - left - right, kMinimumRowWidth)};
}

}  // namespace vendaro
