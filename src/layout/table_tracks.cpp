// table_tracks.cpp — gathering the column edges of a table that a drag
// moves together.
#include "layout/table_tracks.h"

#include <cmath>

#include "document/caret_moves.h"
#include "layout/layout_run.h"
#include "layout/table_cells.h"
#include "layout/table_model.h"

namespace vendaro {
namespace {

double columnWidthOf(const Document& doc, int32_t field, const TLineRec& line) {
  return columnWidth(frameTextWidth(doc, doc.Fields[static_cast<size_t>(field)]), line);
}

double columnLeftOf(const TLineRec& line) { return line.ColumnCount > 1 ? line.ColumnX : 0.0; }

// Edge i of a group is kept as the left edge of cell i, or for the last
// edge the right edge of the last cell, so that each edge is listed once.
TableTrack trackOf(const TableGroup& group, int32_t edge) {
  if (edge < group.cells) return {group.field, group.line + edge, 0};
  return {group.field, group.line + group.cells - 1, 1};
}

bool cellSelected(const Document& doc, const SelectionRange& sel, int32_t field, int32_t line) {
  const TLineRec& cell = doc.Fields[static_cast<size_t>(field)].Lines[static_cast<size_t>(line)];
  const int32_t last = std::max(cell.CharCount() - 1, 0);
  return isinmarking(doc, sel, field, line, 0) || isinmarking(doc, sel, field, line, last);
}

}  // namespace

std::vector<double> tableRowEdges(const Document& doc, int32_t field, int32_t groupLine) {
  const LineList& lines = doc.Fields[static_cast<size_t>(field)].Lines;
  const TLineRec& first = lines[static_cast<size_t>(groupLine)];
  const double width = columnWidthOf(doc, field, first);
  const RowGroup group = rowGroupOf(lines, static_cast<size_t>(groupLine));
  std::vector<double> edges;
  for (size_t k = 0; k < group.count; ++k) {
    const auto [left, right] = tableCellEdges(lines, group.start + k, width);
    if (k == 0) edges.push_back(left);
    edges.push_back(right);
  }
  return edges;
}

double tableEdgeMm(const Document& doc, int32_t field, int32_t line, int32_t side) {
  const LineList& lines = doc.Fields[static_cast<size_t>(field)].Lines;
  const TLineRec& cell = lines[static_cast<size_t>(line)];
  const auto [left, right] = tableCellEdges(lines, static_cast<size_t>(line), columnWidthOf(doc, field, cell));
  return columnLeftOf(cell) + (side == 0 ? left : right);
}

void FindAllTableTracks(const Document& doc, const SelectionRange* selection, PaintSideLists& lists, int32_t field,
                        int32_t line, int32_t side, double mouseMm) {
  lists.FreeTableTrack();
  const TextPos pressed{field, line, 0};
  if (!inTableAt(doc, pressed)) return;
  const TableGroup pressedGroup = groupAt(doc, pressed);
  const TableTrack pressedTrack = trackOf(pressedGroup, line - pressedGroup.line + (side == 0 ? 0 : 1));
  lists.TableTracks.push_back(pressedTrack);
  const bool onlySelected = selection != nullptr && cellSelected(doc, *selection, field, line);
  for (const TableGroup& g : tableGroups(doc, pressed, true)) {
    const std::vector<double> edges = tableRowEdges(doc, g.field, g.line);
    const double columnLeft = columnLeftOf(doc.Fields[static_cast<size_t>(g.field)].Lines[static_cast<size_t>(g.line)]);
    for (int32_t i = 0; i < static_cast<int32_t>(edges.size()); ++i) {
      if (std::fabs(columnLeft + edges[static_cast<size_t>(i)] - mouseMm) > kTrackCatchMm) continue;
      if (onlySelected && !((i > 0 && cellSelected(doc, *selection, g.field, g.line + i - 1)) ||
                            (i < g.cells && cellSelected(doc, *selection, g.field, g.line + i))))
        continue;
      const TableTrack track = trackOf(g, i);
      if (!(track == pressedTrack)) lists.TableTracks.push_back(track);
    }
  }
}

}  // namespace vendaro
