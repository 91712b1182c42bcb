// line_wrapping.cpp — the lines of one frame from the top: list paragraphs
// are numbered (every line), and each dirty line is measured cell by cell,
// cut where it overflows its column or table cell, and given its height.
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <iterator>
#include <limits>
#include <span>
#include <vector>

#include "layout/layout_run.h"
#include "layout/soft_breaks.h"
#include "layout/tab_stops.h"
#include "layout/table_cells.h"

namespace vendaro {
namespace {

enum class LineOutcome { Fits, BreakCell, Overflow };

bool startsParagraph(const TLineRec& line, const TLineRec* above) {
  if (line.CellFirstLine || above == nullptr || above->CellLastLine) return true;
  return above->LineEnd == kLineEndParagraph || above->LineEnd == kLineEndPage;
}

// Numbered paragraphs count per table column, across all frames; any other
// paragraph starts that column's count again.
// Answers the number the paragraph starting with `line` shows.
int32_t numberParagraph(LayoutRun& run, const TLineRec& line) {
  int32_t& counter = run.listCounters.try_emplace(line.CellIndex, 1).first->second;
  if (line.Para.ListKind != 2) {
    counter = 1;
    return line.Para.ListNumber;
  }
  return counter++;
}

// The width a line wraps in: its text column, or its table cell there.
double availableWidth(double textWidth, const LineGapBuffer& lines, size_t index) {
  const TLineRec& line = lines[index];
  const double width = columnWidth(textWidth, line);
  if (!line.InTable) return width;
  const auto [left, right] = tableCellEdges(lines, index, width);
  return right - left;
}

void applyLineSpacing(double& height, const TParaFormat& para) {
  switch (para.LineSpacingMode) {
    case 0: height *= para.LineSpacing; break;
    case 1: height = std::max(height, para.LineSpacing); break;
    case 2: height = para.LineSpacing; break;
    default: break;
  }
}

// Cells of a table row share the row's spacing, and its last cell gives all
// of them the height of the tallest.
void equaliseRow(LineGapBuffer& lines, RowGroup group, const TLineRec& line) {
  double before = 0, after = 0;
  for (size_t k = 0; k < group.count; ++k) {
    before = std::max(before, lines[group.start + k].Para.SpaceBefore);
    after = std::max(after, lines[group.start + k].Para.SpaceAfter);
  }
  for (size_t k = 0; k < group.count; ++k) {
    const TParaFormat& para = lines[group.start + k].Para;
    if (para.SpaceBefore == before && para.SpaceAfter == after) continue;
    TLineRec& cell = lines.edit(group.start + k);
    cell.Para.SpaceBefore = before;
    cell.Para.SpaceAfter = after;
  }
  if (line.CellIndex + 1 != line.RowCells) return;
  double height = -std::numeric_limits<double>::infinity();
  for (size_t k = 0; k < group.count; ++k) height = std::max(height, lines[group.start + k].LineHeight);
  for (size_t k = 0; k < group.count; ++k) lines.set(group.start + k, &TLineRec::LineHeight, height);
}

// The height of the cells that stay on the line; an empty line is as high
// as a space in the font last used for measuring.
void setLineHeight(LayoutRun& run, LineGapBuffer& lines, RowGroup group, size_t index, std::span<const TCharRec> kept) {
  TLineRec& line = lines.edit(index);
  double tallest = 0;
  for (const TCharRec& cell : kept) tallest = std::max(tallest, cell.CharHeight);
  double height = tallest > 0 ? tallest : run.measuringFontHeightMm();
  applyLineSpacing(height, line.Para);
  line.LineHeight = height;
  if (group.count >= 2) equaliseRow(lines, group, line);
}

void layOutLine(LayoutRun& run, int32_t field, LineGapBuffer& lines, size_t index, double textWidth, bool paragraphStart) {
  const size_t skipped = run.takeRemainder(index);
  const RowGroup group = rowGroupOf(lines, index);
  TLineRec& line = lines.edit(index);
  const std::span<TCharRec> cells = std::span(line.Chars).subspan(skipped);
  const double limit = availableWidth(textWidth, lines, index) - line.Para.RightIndent;
  line.LineHeight = -1.0;
  line.Hyphenated = 0;
  if (line.ColumnCount < 2) clearColumnFields(line);
  double x = line.Para.LeftIndent;
  if (paragraphStart) {
    x += line.Para.FirstLineIndent;
    if (line.Para.ListKind != 0) x += line.Para.ListIndent;
  }

  LineOutcome outcome = LineOutcome::Fits;
  size_t kept = cells.size();
  for (size_t i = 0; i < cells.size(); ++i) {
    TCharRec& cell = cells[i];
    if (isBreakCell(cell)) {
      outcome = LineOutcome::BreakCell;
      kept = i;
      break;
    }
    if (isTabCell(cell)) measureTabCell(cells, i, x, line.Para);
    x += cell.FlowShift;
    // A space may hang past the edge; the first cell always stays.
    if (x + cell.CharWidth > limit && i > 0 && !isSpaceCell(cell)) {
      outcome = LineOutcome::Overflow;
      kept = i;
      break;
    }
    x += cell.CharWidth;
    run.measuringFont = cell.FontIndex;
  }
  if (outcome == LineOutcome::Overflow) {
    const SoftBreak soft = findSoftBreak(cells, kept, run.doc, run.ctx.hyphenation);
    kept = soft.position;
    line.Hyphenated = soft.hyphenated ? 1 : 0;
  }
  setLineHeight(run, lines, group, index, cells.first(kept));
  if (outcome != LineOutcome::Fits) {
    splitLine(run, field, lines, index, skipped, kept, outcome == LineOutcome::BreakCell);
  } else if (skipped > 0) {
    // The last piece of a long line gets a vector of its own size.
    line.Chars = std::vector<TCharRec>(std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
  }
}

// The cells of a row share its height, which its last cell settles: when one
// cell changed, the whole row is laid out again.
void layOutWholeRowWhenAnyCellIsDirty(LineGapBuffer& lines, RowGroup group) {
  // An empty line is as high as the font measured last before it, which an
  // edit above it may change: it is always laid out again (it costs nothing).
  for (size_t k = 0; k < group.count; ++k)
    if (lines[group.start + k].Chars.empty()) lines.set(group.start + k, &TLineRec::Dirty, 1);
  bool dirty = false;
  for (size_t k = 0; k < group.count; ++k) dirty = dirty || lines[group.start + k].Dirty;
  if (!dirty) return;
  for (size_t k = 0; k < group.count; ++k) lines.set(group.start + k, &TLineRec::Dirty, 1);
}

}  // namespace

void wrapLines(LayoutRun& run, int32_t field, LineGapBuffer& lines) {
  run.laidOutLines.clear();
  const TFieldRec& frame = run.doc.Fields[static_cast<size_t>(field)];
  const double textWidth = frameTextWidth(run.doc, frame);
  // A later frame of a chain holds only the empty line that waits for text
  // (its text went to the chain's first frame): it takes no part in the
  // numbering.
  const bool waitsForText = frame.PrevField >= 0 && frame.PrevField < run.doc.FieldCount() && frame.PrevField != field;
  size_t lastCleanText = SIZE_MAX;
  for (size_t index = 0; index < lines.size(); ++index) {
    // Read only: a line is written when something in it changes, so that
    // the lines an undo step shares stay shared.
    const RowGroup group = lines[index].RowCells < 2 ? RowGroup{index, 1} : rowGroupOf(lines, index);
    if (group.count == 1) {
      if (lines[index].Chars.empty()) lines.set(index, &TLineRec::Dirty, 1);  // see layOutWholeRowWhenAnyCellIsDirty
    } else if (index == group.start) {
      layOutWholeRowWhenAnyCellIsDirty(lines, group);
    }
    const TLineRec* above = index >= group.count ? &lines[index - group.count] : nullptr;
    const bool start = startsParagraph(lines[index], above);
    if (!waitsForText) {
      // Every line of a paragraph shows its number.
      const int32_t number = start ? numberParagraph(run, lines[index]) : above->Para.ListNumber;
      if (lines[index].Para.ListNumber != number) lines.edit(index).Para.ListNumber = number;
    }
    const TLineRec& line = lines[index];
    run.multiColumnLines = run.multiColumnLines || line.ColumnCount >= 2;
    if (line.Dirty) {
      if (lastCleanText != SIZE_MAX) run.measuringFont = lines[lastCleanText].Chars.back().FontIndex;
      lastCleanText = SIZE_MAX;
      run.laidOutLines.push_back(index);
      layOutLine(run, field, lines, index, textWidth, start);
    } else if (!line.Chars.empty()) {
      // A clean line was measured the same way in an earlier run: its last
      // cell's font is the measuring font, looked up only when a line is
      // laid out after it (reading every line's cells is slow).
      lastCleanText = index;
    }
  }
  // The next frame's empty lines are measured with it too.
  if (lastCleanText != SIZE_MAX) run.measuringFont = lines[lastCleanText].Chars.back().FontIndex;
  assert(run.remainder.line == SIZE_MAX);  // every remainder was laid out
}

}  // namespace vendaro
