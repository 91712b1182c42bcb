// layout_run.h — the working state of one layout run, shared by its steps:
// the caret and anchor that follow the text, the font that measures empty
// lines, the list counters and the footnotes placed so far. Nothing here
// outlives the run.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <span>
#include <vector>

#include "document/document.h"
#include "document/line_cells.h"
#include "layout/line_breaking.h"
#include "layout/line_gap_buffer.h"
#include "layout/text_positions.h"

namespace vendaro {

// Footnote areas placed on one page so far.
struct PageFootnotes {
  double reserve = 0;          // total height of the areas, mm
  std::vector<int32_t> areas;  // frame indices, in placing order
};

struct LayoutRun {
  explicit LayoutRun(const LayoutContext& context)
      : ctx(context), doc(context.doc), positions(context.doc),
        selectionWasEmpty(context.doc.CurField == context.doc.MarkField && context.doc.CurLine == context.doc.MarkLine &&
                          context.doc.CurChar == context.doc.MarkChar) {}

  const LayoutContext& ctx;
  Document& doc;
  TextPositions positions;
  const bool selectionWasEmpty;
  // The font last used for measuring: a font table index, or −1 for the
  // input format. An empty line is as high as a space in it.
  int32_t measuringFont = -1;
  // Numbering counters by table column (`CellIndex`); a missing entry is 1.
  std::map<int32_t, int32_t> listCounters;
  // Number the next placed footnote shows.
  int32_t nextFootnoteNumber = 1;
  std::map<int32_t, PageFootnotes> pageFootnotes;
  // Number shown by each footnote area placed in this run, by frame index.
  std::map<int32_t, int32_t> footnoteNumbers;
  // A footnote mark took a number of another width: its line must be
  // wrapped again.
  bool footnoteMarkResized = false;
  // A field cell went to another row of a table row of several cells, whose
  // cells are read row by row: running numbers, which count in reading
  // order, may have to change places.
  bool fieldCellChangedRow = false;
  void noteCellsChangingRow(std::span<const TCharRec> cells) {
    fieldCellChangedRow = fieldCellChangedRow ||
                          std::any_of(cells.begin(), cells.end(), [](const TCharRec& cell) { return cell.Kind == kCellField; });
  }
  // Height of each footnote area, by frame index, as sized from its lines
  // (kept exact rather than recovered from the area's edges).
  std::map<int32_t, double> footnoteHeights;

  // The lines `wrapLines` laid out in the frame at hand, in order. Lines
  // are only ever inserted behind the one being laid out, so the indices
  // stay valid until the frame is done.
  std::vector<size_t> laidOutLines;

  // Whether any line wrapped in this run stands in a section of two or more
  // columns. Only such lines carry column fields (a line whose section
  // changes is laid out again, which clears them), so without any the lines
  // below a frame's end need no clearing.
  bool multiColumnLines = false;

  // A long line is cut into lines without moving its remainder at every
  // cut: the remainder stays in one vector, handed on to the line that
  // continues it, behind the `skipped` cells already given to lines above.
  struct Remainder {
    size_t line = SIZE_MAX;
    size_t skipped = 0;
  } remainder;
  // The number of skipped cells in front of line `line`'s cells, and the
  // remainder is taken (0 when the line holds none).
  size_t takeRemainder(size_t line) {
    if (remainder.line != line) return 0;
    const size_t skipped = remainder.skipped;
    remainder = {};
    return skipped;
  }

  // The same for the lines a linked text box passes on to the next box of
  // its chain: the next box takes the whole vector, behind the lines that
  // stay in the boxes before it, so that each line moves once per run.
  // By frame index.
  std::map<int32_t, size_t> skippedLines;
  size_t takeSkippedLines(int32_t field) {
    const auto found = skippedLines.find(field);
    if (found == skippedLines.end()) return 0;
    const size_t skipped = found->second;
    skippedLines.erase(found);
    return skipped;
  }

  double measuringFontHeightMm() const;
};

// --- steps of a run, in order --------------------------------------------
// Moves the text of every chain into its first frame.
void gatherTextChains(LayoutRun& run);
// Joins each dirty paragraph into one line and each table cell into one line
// holding its paragraphs separated by break cells.
void joinLines(LayoutRun& run, int32_t field, LineGapBuffer& lines);
// Numbers list paragraphs and wraps every dirty line to its width.
void wrapLines(LayoutRun& run, int32_t field, LineGapBuffer& lines);
// Marks the cells of misspelled words (check while typing) in the lines as
// wrapped: the lines of the frame laid out in this run, or every line.
void markSpelling(const LayoutRun& run, LineGapBuffer& lines);
// Sizes every footnote area from its lines.
void sizeFootnoteAreas(LayoutRun& run);
// Stacks the lines of every text frame, splits column sections, places
// footnote areas and passes overflow along linked text boxes.
void paginate(LayoutRun& run);
// Removes orphaned footnote areas and empty chained frames, restores the
// anchor and clears every dirty flag.
void cleanUpLayout(LayoutRun& run);

// --- shared helpers --------------------------------------------------------
// The lines of a table row group: one line per cell, next to each other.
struct RowGroup {
  size_t start = 0;
  size_t count = 1;
};
// An empty line with the table, paragraph and section settings of `model`
// (its row size and column included), for a line added below it.
TLineRec lineSettingsOf(const TLineRec& model);

// The row group of line `index`, or the line alone when it is not part of a
// well-formed one (a damaged table is then laid out line by line). `Lines`
// is a frame's line vector or the gap buffer of a layout run.
template <typename Lines>
RowGroup rowGroupOf(const Lines& lines, size_t index) {
  const TLineRec& line = lines[index];
  const RowGroup alone{index, 1};
  if (line.RowCells < 2 || line.CellIndex < 0 || line.CellIndex >= line.RowCells) return alone;
  const size_t cell = static_cast<size_t>(line.CellIndex);
  const size_t cells = static_cast<size_t>(line.RowCells);
  if (cell > index || index - cell + cells > lines.size()) return alone;
  const size_t start = index - cell;
  for (size_t k = 0; k < cells; ++k) {
    const TLineRec& member = lines[start + k];
    if (member.RowCells != line.RowCells || member.CellIndex != static_cast<int32_t>(k)) return alone;
  }
  return {start, cells};
}
// Moves the cells of line `index` from `cut` on to the front of the line that
// continues it in its cell column, inserting a new row group when there is
// none; at a break cell (`atBreakCell`, the cell at `cut`) the line ends the
// way the cell says and the cell is dropped. The line's cells start after
// `skipped` cells of its vector (see `LayoutRun::remainder`); `cut` counts
// from there.
void splitLine(LayoutRun& run, int32_t field, LineGapBuffer& lines, size_t index, size_t skipped, size_t cut,
               bool atBreakCell);

// Sets the fields that place a line in a column section back to none.
void clearColumnFields(TLineRec& line);

// Width of the frame's text area (frame less its side margins), mm.
double frameTextWidth(const Document& doc, const TFieldRec& frame);
// Width of one text column of the line's section, mm.
double columnWidth(double textWidth, const TLineRec& line);

// Footnote areas are footer frames with a footnote number.
inline bool isFootnoteArea(const TFieldRec& frame) { return frame.FieldType == kFieldFooter && frame.FootnoteNo >= 1; }
bool hasFootnoteAreas(const Document& doc);
// Height the areas of the footnote references in `line` take on the page.
double footnoteHeight(const LayoutRun& run, const TLineRec& line);
// Places the area of every footnote reference in `line` at the bottom of
// the page of frame `field` (the newest lowest), numbers reference and
// area, and takes the area's height from `available`.
void placeFootnotes(LayoutRun& run, int32_t field, size_t line, double& available);

}  // namespace vendaro
