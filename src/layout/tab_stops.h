// tab_stops.h — the width of a tab cell: up to the first tab stop beyond the
// running x, less what the stop's alignment puts left of it, or up to the
// next default stop.
#pragma once

#include <cstddef>
#include <span>

#include "document/records.h"

namespace vendaro {

// Sets `CharWidth` and `TabLeader` of the tab cell at `index`, which starts
// at `x` (mm from the column's left edge).
void measureTabCell(std::span<TCharRec> cells, size_t index, double x, const TParaFormat& para);

}  // namespace vendaro
