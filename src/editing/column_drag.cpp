// column_drag.cpp — the page view's drag of a table column edge, and
// SetTableTrack, which moves the dragged edges. Outer edges keep
// every row at least kMinimumRowWidth wide; an inner edge keeps 5 mm to its
// neighbours and changes the weights of its two cells only, so the other
// cells of the row keep their widths.
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/editor.h"
#include "layout/layout_run.h"
#include "layout/table_cells.h"
#include "layout/table_model.h"
#include "layout/table_tracks.h"

namespace vendaro {
namespace {

constexpr double kInnerEdgeRoom = 5.0;  // mm an inner edge keeps from its neighbours

// New row and weight values of one line of a dragged row.
struct CellWrite {
  TextPos pos;
  double rowLeft = 0, rowRight = 0, weight = 1.0;
};

// What moving `track` to `x` (mm from the text area's left) writes; empty
// when the edge stays.
std::vector<CellWrite> planTrack(const Document& doc, const TableTrack& track, double x) {
  const TextPos at{track.field, track.line, 0};
  if (!inTableAt(doc, at)) return {};
  const TableGroup group = groupAt(doc, at);
  const LineList& lines = doc.Fields[static_cast<size_t>(group.field)].Lines;
  const TLineRec& first = lines[static_cast<size_t>(group.line)];
  const double column = columnWidth(frameTextWidth(doc, doc.Fields[static_cast<size_t>(group.field)]), first);
  const double value = x - (first.ColumnCount > 1 ? first.ColumnX : 0.0);
  const RowEdges row = normalisedRow(first, column);
  const int32_t edge = track.line - group.line + (track.side == 0 ? 0 : 1);
  std::vector<CellWrite> writes;
  for (int32_t k = 0; k < group.cells; ++k)
    writes.push_back({{group.field, group.line + k, 0}, row.left, column - row.right(), lines[static_cast<size_t>(group.line + k)].CellWidthWeight});
  if (edge == 0) {
    const double left = std::min(value, row.right() - kMinimumRowWidth);
    for (CellWrite& w : writes) w.rowLeft = left;
  } else if (edge == group.cells) {
    const double right = std::max(value, row.left + kMinimumRowWidth);
    for (CellWrite& w : writes) w.rowRight = column - right;
  } else {
    const std::vector<double> edges = tableRowEdges(doc, group.field, group.line);
    const double f = edges[static_cast<size_t>(edge - 1)], g = edges[static_cast<size_t>(edge)];
    const double h = edges[static_cast<size_t>(edge + 1)];
    // Between two cells narrower than twice the room the edge cannot move.
    if (h - f < 2 * kInnerEdgeRoom || g <= f) return {};
    const double moved = std::clamp(value, f + kInnerEdgeRoom, h - kInnerEdgeRoom);
    const double a = cellWeight(lines[static_cast<size_t>(group.line + edge - 1)]);
    const double b = cellWeight(lines[static_cast<size_t>(group.line + edge)]);
    const double newA = a * (moved - f) / (g - f);
    writes[static_cast<size_t>(edge - 1)].weight = newA;
    writes[static_cast<size_t>(edge)].weight = a + b - newA;
  }
  return writes;
}

bool changes(const Document& doc, const CellWrite& w) {
  const TLineRec& line = *lineAt(doc, w.pos);
  return line.RowLeft != w.rowLeft || line.RowRight != w.rowRight || line.CellWidthWeight != w.weight;
}

}  // namespace

void Editor::SetTableTrack(double x) {
  if (moveTableTracks(x)) RefreshDirtyContent();
}

bool Editor::moveTableTracks(double x) {
  const std::vector<TableTrack> tracks = paintState_.sideLists.TableTracks;
  const bool any = std::any_of(tracks.begin(), tracks.end(), [&](const TableTrack& t) {
    const std::vector<CellWrite> plan = planTrack(doc_, t, x);
    return std::any_of(plan.begin(), plan.end(), [&](const CellWrite& w) { return changes(doc_, w); });
  });
  if (!any) return false;
  MakeCopyForUndo("Breite der Tabellenspalte");
  for (const TableTrack& t : tracks) {
    for (const CellWrite& w : planTrack(doc_, t, x)) {
      if (!changes(doc_, w)) continue;
      TLineRec& line = doc_.Fields[static_cast<size_t>(w.pos.field)].Lines[static_cast<size_t>(w.pos.line)];
      line.RowLeft = w.rowLeft;
      line.RowRight = w.rowRight;
      line.CellWidthWeight = w.weight;
      line.Dirty = 1;
    }
  }
  return true;
}

void ColumnDrag::moveTo(int mouseX) {
  const double mm = edgeMm + (mouseX - edgeX) * mmPerPixel;
  valueMm = freeDrag ? mm : std::round(mm / kColumnSnapMm) * kColumnSnapMm;
  guideX = edgeX + static_cast<int>(std::trunc((valueMm - edgeMm) / mmPerPixel));
}

bool Editor::startColumnDrag(int x, int y, bool rightButton) {
  const std::vector<MouseObject>& objects = paintState_.sideLists.MouseObjs;
  const auto hit = std::find_if(objects.rbegin(), objects.rend(), [&](const MouseObject& o) {
    return x >= o.left && x < o.right && y >= o.top && y < o.bottom;
  });
  if (hit == objects.rend() || hit->kind != 1 || paintState_.mmPerPixel <= 0) return false;
  const MouseObject edge = *hit;
  if (!lineAt(doc_, {edge.field, edge.line, 0})) return false;
  columnDrag_ = ColumnDrag{};
  columnDrag_.active = true;
  columnDrag_.freeDrag = rightButton;
  columnDrag_.edgeX = (edge.left + edge.right) / 2;
  columnDrag_.edgeMm = tableEdgeMm(doc_, edge.field, edge.line, edge.side);
  columnDrag_.mmPerPixel = paintState_.mmPerPixel;
  const double mouseMm = columnDrag_.edgeMm + (x - columnDrag_.edgeX) * columnDrag_.mmPerPixel;
  std::optional<SelectionRange> selection;
  if (isThereAmarking(doc_)) selection = FindMarkingStart(doc_);
  FindAllTableTracks(doc_, selection ? &*selection : nullptr, paintState_.sideLists, edge.field, edge.line, edge.side,
                     mouseMm);
  columnDrag_.tracks = paintState_.sideLists.TableTracks;
  moveColumnDrag(x);
  return true;
}

void Editor::moveColumnDrag(int x) {
  columnDrag_.moveTo(x);
  if (paintState_.overlay.show(OverlayOwner::tableEdge, ViewOverlay::verticalLine(columnDrag_.guideX)))
    host_.dragMarksChanged();
}

void Editor::finishColumnDrag(int x) {
  moveColumnDrag(x);
  columnDrag_.active = false;
  if (paintState_.overlay.hide(OverlayOwner::tableEdge)) host_.dragMarksChanged();
  // A paint since the press emptied the painter's list; the drag kept it.
  paintState_.sideLists.TableTracks = columnDrag_.tracks;
  SetTableTrack(columnDrag_.valueMm);
}

}  // namespace vendaro
