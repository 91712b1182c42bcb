// table_cell_format.cpp — "Zellen formatieren": the borders and background
// of the selected cells, gathered into the cell dialog and written back
// where the dialog's slot was alike in every cell or set by the user.
#include <algorithm>
#include <array>
#include <vector>

#include "document/caret_moves.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "layout/table_model.h"

namespace vendaro {
namespace {

// Design order of a cell's borders: left, top, bottom, right.
constexpr std::array<int, 4> kOuterSlots{kSlotLeft, kSlotTop, kSlotBottom, kSlotRight};
constexpr std::array<int, 4> kInnerSlots{kSlotInnerVertical, kSlotInnerHorizontal, kSlotInnerHorizontal, kSlotInnerVertical};

struct FormattedCell {
  TextPos pos;
  std::array<int, 4> borders{};  // the dialog slot of each border, design order
};

// Every visual line of each cell that holds part of the selection, each
// once, in text order.
std::vector<TextPos> cellLines(Document& doc) {
  std::vector<TextPos> result;
  for (const TextPos& line : selectedTableLines(doc)) {
    const int32_t column = lineAt(doc, line)->CellIndex;
    for (const TableGroup& g : rowGroups(doc, line))
      if (column >= 0 && column < g.cells) result.push_back({g.field, g.line + column, 0});
  }
  if (result.empty()) return result;
  const ChainOrder order(doc, result.front().field);
  const auto before = [&](const TextPos& a, const TextPos& b) { return order.key(a.field, a.line) < order.key(b.field, b.line); };
  std::sort(result.begin(), result.end(), before);
  result.erase(std::unique(result.begin(), result.end()), result.end());
  return result;
}

// Which border of each cell is an outer border of the selection and which
// an inner line: by the smallest and largest column and the first and last
// visual line group.
std::vector<FormattedCell> classify(const Document& doc, const std::vector<TextPos>& lines) {
  int32_t firstColumn = INT32_MAX, lastColumn = INT32_MIN;
  for (const TextPos& p : lines) {
    firstColumn = std::min(firstColumn, lineAt(doc, p)->CellIndex);
    lastColumn = std::max(lastColumn, lineAt(doc, p)->CellIndex);
  }
  const TableGroup firstGroup = groupAt(doc, lines.front());
  const TableGroup lastGroup = groupAt(doc, lines.back());
  std::vector<FormattedCell> cells;
  cells.reserve(lines.size());
  for (const TextPos& p : lines) {
    const int32_t column = lineAt(doc, p)->CellIndex;
    const TableGroup group = groupAt(doc, p);
    const std::array<bool, 4> outer{column == firstColumn, group == firstGroup, group == lastGroup, column == lastColumn};
    FormattedCell cell{p, {}};
    for (size_t b = 0; b < 4; ++b) cell.borders[b] = outer[b] ? kOuterSlots[b] : kInnerSlots[b];
    cells.push_back(cell);
  }
  return cells;
}

TTableCellForm gatherForm(const Document& doc, const std::vector<FormattedCell>& cells) {
  TTableCellForm form;
  for (const FormattedCell& cell : cells) {
    const TCellDesign& design = lineAt(doc, cell.pos)->CellDesign;
    for (size_t b = 0; b < 4; ++b)
      form.gather(cell.borders[b], design.BorderColor[b], design.BorderWidth[b], design.BorderPresent[b] != 0);
    form.gatherBackground(design.BackColor, design.BackTransparent != 0);
  }
  return form;
}

TCellDesign formattedDesign(TCellDesign design, const FormattedCell& cell, const TTableCellForm& form) {
  for (size_t b = 0; b < 4; ++b) {
    if (!form.writes(cell.borders[b])) continue;
    const BorderSlot& slot = form.borders[static_cast<size_t>(cell.borders[b])];
    design.BorderColor[b] = slot.color;
    design.BorderWidth[b] = slot.width;
    design.BorderPresent[b] = slot.visible ? 1 : 0;
  }
  if (form.backgroundChanged) {
    design.BackColor = form.backColor;
    design.BackTransparent = form.transparent ? 1 : 0;
  }
  return design;
}

}  // namespace

void Editor::Zellenformatieren() {
  if (!tableCellAtCaret(true)) return;
  const std::vector<TextPos> lines = cellLines(doc_);
  if (lines.empty()) return;
  const std::vector<FormattedCell> cells = classify(doc_, lines);
  TTableCellForm form = gatherForm(doc_, cells);
  if (!host_.showTableCellDialog(form)) return;
  std::vector<TCellDesign> designs;
  designs.reserve(cells.size());
  bool changes = false;
  for (const FormattedCell& cell : cells) {
    const TCellDesign& now = lineAt(doc_, cell.pos)->CellDesign;
    designs.push_back(formattedDesign(now, cell, form));
    changes = changes || !(designs.back() == now);
  }
  if (!changes) return;
  // Kept as an undo step, so that the change can be taken back and the
  // document counts as changed.
  MakeCopyForUndo("Zellen formatieren");
  for (size_t i = 0; i < cells.size(); ++i) {
    if (lineAt(doc_, cells[i].pos)->CellDesign == designs[i]) continue;
    editLine(doc_, cells[i].pos)->CellDesign = designs[i];
  }
  RefreshDirtyContent();
}

}  // namespace vendaro
