// table_cells.h — where a table cell stands inside its text column: the
// row's edges (kept at least 10 mm wide) and each cell's share of the row by
// its width weight. Wrapping, painting and the column-edge commands all ask
// this one place, so text always wraps at the edges the cell is drawn with.
#pragma once

#include <cmath>
#include <cstddef>
#include <utility>

#include "document/record_ranges.h"
#include "document/records.h"
#include "layout/layout_run.h"

namespace vendaro {

// A row is never narrower than this, whatever its insets say.
inline constexpr double kMinimumRowWidth = 10.0;

// A weight that is no positive finite number (a damaged or imported file)
// counts as 1, so that no cell gets a negative or infinite width.
inline double cellWeight(const TLineRec& line) {
  const double w = line.CellWidthWeight;
  return std::isfinite(w) && w > 0 ? w : 1.0;
}

// The row's left edge and width, mm from the column's left edge.
struct RowEdges {
  double left = 0;
  double width = 0;
  double right() const { return left + width; }
};
RowEdges normalisedRow(const TLineRec& line, double columnWidth);

// Left and right edge of the table cell of line `index`, mm from the left
// edge of its text column. `Lines` is a frame's line list or a layout gap
// buffer.
template <typename Lines>
std::pair<double, double> tableCellEdges(const Lines& lines, size_t index, double columnWidth) {
  const TLineRec& line = lines[index];
  const RowEdges row = normalisedRow(line, columnWidth);
  const RowGroup group = rowGroupOf(lines, index);
  if (group.count < 2) {
    // A damaged row (or a row of one cell): every cell as wide as the others.
    const int32_t cells = line.RowCells > 1 ? line.RowCells : 1;
    const int32_t at = line.CellIndex < 0 ? 0 : (line.CellIndex >= cells ? cells - 1 : line.CellIndex);
    const double width = row.width / cells;
    return {row.left + width * at, row.left + width * (at + 1)};
  }
  double total = 0, before = 0;
  for (size_t k = 0; k < group.count; ++k) {
    const double weight = cellWeight(lines[group.start + k]);
    total += weight;
    if (group.start + k < index) before += weight;
  }
  const double left = row.left + row.width * before / total;
  return {left, left + row.width * cellWeight(line) / total};
}

}  // namespace vendaro
