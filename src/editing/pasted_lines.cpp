#include "editing/pasted_lines.h"

#include <algorithm>
#include <iterator>

#include "editing/edit_lines.h"
#include "editing/line_breaks.h"
#include "layout/layout_run.h"

namespace vendaro {
namespace {

void appendCells(TLineRec& line, std::vector<TCharRec>& cells) {
  line.Chars.insert(line.Chars.end(), std::make_move_iterator(cells.begin()), std::make_move_iterator(cells.end()));
  line.Dirty = 1;
}

// Indents belong to where the text stands: text moving between a table cell
// and the page keeps the receiving line's.
void takeFormat(TLineRec& line, const PastedLine& run) {
  const TLineRec& from = *run.format;
  const bool crossesTableEdge = (line.InTable != 0) != (from.InTable != 0);
  const double leftIndent = line.Para.LeftIndent, rightIndent = line.Para.RightIndent;
  line.Para = from.Para;
  line.ColumnCount = from.ColumnCount;
  line.ColumnLines = from.ColumnLines;
  line.ColumnGap = from.ColumnGap;
  if (run.tableSettings) {
    line.InTable = from.InTable;
    line.RowCells = from.RowCells;
    line.CellIndex = from.CellIndex;
    line.CellFirstLine = from.CellFirstLine;
    line.CellLastLine = from.CellLastLine;
    line.CellWidthWeight = from.CellWidthWeight;
    line.RowLeft = from.RowLeft;
    line.RowRight = from.RowRight;
    line.CellDesign = from.CellDesign;
  }
  if (crossesTableEdge) {
    line.Para.LeftIndent = leftIndent;
    line.Para.RightIndent = rightIndent;
  }
}

bool takesFormat(const PastedLine& run, bool firstRun, bool atParagraphStart) {
  return run.format && (!firstRun || atParagraphStart || run.tableSettings);
}

// Inside a row group a line end grows the whole row (splitLineAt), so the
// runs go in one at a time.
TextPos insertIntoRowGroup(Document& doc, TextPos at, std::vector<PastedLine>& pasted, bool atParagraphStart) {
  for (size_t i = 0; i < pasted.size(); ++i) {
    PastedLine& run = pasted[i];
    TLineRec& line = *editLine(doc, at);
    const int32_t count = static_cast<int32_t>(run.cells.size());
    line.Chars.insert(line.Chars.begin() + at.cell, std::make_move_iterator(run.cells.begin()),
                      std::make_move_iterator(run.cells.end()));
    line.Dirty = 1;
    at.cell += count;
    if (run.lineEnd == kNoLineEnd) continue;
    if (takesFormat(run, i == 0, atParagraphStart)) takeFormat(line, run);
    at = splitLineAt(doc, at, run.lineEnd);
  }
  return at;
}

}  // namespace

TextPos insertPastedLines(Document& doc, const TextPos& at, std::vector<PastedLine> pasted) {
  const bool atParagraphStart = cellBefore(doc, at) == nullptr;
  LineList& lines = doc.Fields[static_cast<size_t>(at.field)].Lines;
  if (lines[static_cast<size_t>(at.line)].RowCells > 1) return insertIntoRowGroup(doc, at, pasted, atParagraphStart);

  // The line at `at` is cut in two; the pasted runs go between the halves.
  std::vector<TLineRec> block;
  block.push_back(std::move(lines[static_cast<size_t>(at.line)]));
  TLineRec& head = block.front();
  const int32_t cut = std::clamp(at.cell, 0, head.CharCount());
  std::vector<TCharRec> tail(std::make_move_iterator(head.Chars.begin() + cut), std::make_move_iterator(head.Chars.end()));
  head.Chars.erase(head.Chars.begin() + cut, head.Chars.end());
  const TLineRec settings = lineSettingsOf(head);
  const int32_t lineEnd = head.LineEnd;
  const uint8_t cellLastLine = head.CellLastLine;

  for (size_t i = 0; i < pasted.size(); ++i) {
    PastedLine& run = pasted[i];
    appendCells(block.back(), run.cells);
    if (run.lineEnd == kNoLineEnd) continue;
    TLineRec& ended = block.back();
    if (takesFormat(run, i == 0, atParagraphStart)) takeFormat(ended, run);
    ended.LineEnd = run.lineEnd;
    if (!run.tableSettings) ended.CellLastLine = 0;
    block.push_back(settings);
  }
  TLineRec& last = block.back();
  const TextPos behind{at.field, at.line + static_cast<int32_t>(block.size()) - 1, last.CharCount()};
  appendCells(last, tail);
  last.LineEnd = lineEnd;
  last.CellLastLine = cellLastLine;

  lines[static_cast<size_t>(at.line)] = std::move(block.front());
  lines.insert(lines.begin() + at.line + 1, std::make_move_iterator(block.begin() + 1), std::make_move_iterator(block.end()));
  return behind;
}

}  // namespace vendaro
