// table_tracks.h — the column edges a drag moves: the pressed edge and
// every edge of the same table that lines up with it, and where an edge
// stands. Painting and the editor's mouse handlers share these.
#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/paint_side_lists.h"
#include "document/selection.h"

namespace vendaro {

// Edges closer than this to the mouse move together.
inline constexpr double kTrackCatchMm = 1.5;

// Edge `side` (0 left, 1 right) of the cell of line `line`, mm from the left
// of the frame's text area.
double tableEdgeMm(const Document& doc, int32_t field, int32_t line, int32_t side);

// The edges of the row group starting at `groupLine`, left of cell 0 to
// right of the last cell, mm from the left of the line's text column.
std::vector<double> tableRowEdges(const Document& doc, int32_t field, int32_t groupLine);

// Empties the track list and lists the pressed edge and every edge of its
// table within kTrackCatchMm of `mouseMm` (mm from the text area's left),
// walking the rows that share the pressed line's column count. With a
// selection that holds the pressed cell, only edges of selected cells count.
void FindAllTableTracks(const Document& doc, const SelectionRange* selection, PaintSideLists& lists, int32_t field,
                        int32_t line, int32_t side, double mouseMm);

}  // namespace vendaro
