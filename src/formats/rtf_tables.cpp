// rtf_tables.cpp — table rows in RTF: cell definitions ("\cellx" with their
// borders and shading), cells read one line each, and the row that turns
// those lines into one table row of the frame it was read in.
#include <algorithm>
#include <cmath>

#include "document/record_ranges.h"
#include "formats/rtf_output.h"
#include "formats/rtf_reader_state.h"

namespace vendaro::rtf {
namespace {


int32_t shaded(int32_t colour, double part) {
  int32_t result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const double channel = (colour >> shift) & 0xFF;
    result |= static_cast<int32_t>(std::lround(channel - channel * part)) << shift;
  }
  return result;
}

}  // namespace

void Reader::tableWord(Word word, int32_t value) {
  CellDefinition& pending = row_.pending;
  const auto selected = [&] { return row_.selectedBorder >= 0 && row_.selectedBorder < 4; };
  switch (word) {
    case Word::rowDefaults:
      if (state_.destination != Destination::text) return;
      // Writers repeat a row's definitions before its end: inside an open
      // row they only replace the definitions.
      if (!row_.open) startRow();
      row_.definitions.clear();
      row_.leftMm = 0;
      pending = CellDefinition{};
      row_.selectedBorder = -1;
      return;
    case Word::rowLeft: row_.leftMm = twipsToMm(std::clamp(value, -56693, 56693)); return;
    case Word::cellRight: {
      constexpr size_t kMaxDefinitions = 1000;
      pending.rightMm = twipsToMm(std::clamp(value, -56693, 566929));
      if (row_.definitions.size() < kMaxDefinitions) row_.definitions.push_back(pending);
      pending.borderPresent = {};
      pending.background = pending.shading = -1;
      row_.selectedBorder = -1;
      return;
    }
    case Word::cellEnd:
      if (state_.destination == Destination::text) endCell();
      return;
    case Word::rowEnd:
      if (state_.destination == Destination::text) endRow();
      return;
    case Word::cellBorder:
      row_.selectedBorder = value;
      pending.borderPresent[static_cast<size_t>(value)] = 1;
      pending.borderWidthTwips[static_cast<size_t>(value)] = 15;
      pending.borderColour[static_cast<size_t>(value)] = 0;
      return;
    case Word::borderWidth:
      if (selected()) pending.borderWidthTwips[static_cast<size_t>(row_.selectedBorder)] = std::clamp(value, 0, 2000);
      return;
    case Word::borderColour:
      if (selected()) pending.borderColour[static_cast<size_t>(row_.selectedBorder)] = value;
      return;
    case Word::cellBackground: pending.background = value; return;
    case Word::cellShading: pending.shading = std::clamp(value, 0, 10000); return;
    default: return;
  }
}

void Reader::startRow() {
  if (caretLine().CharCount() > 0) {
    applyParagraphState(caretLine());
    endLine(kLineEndParagraph);
  }
  row_.open = true;
  row_.frame = doc_.CurField;
  row_.firstLine = doc_.CurLine;
  row_.cells = 0;
  row_.lastBreakCell = -1;
}

void Reader::setCellParagraph() {
  TLineRec& line = caretLine();
  const int32_t at = row_.lastBreakCell;
  TParaFormat* para = &line.Para;
  if (at >= 0 && at < line.CharCount() && line.Chars[static_cast<size_t>(at)].ParaRef)
    para = &*line.Chars[static_cast<size_t>(at)].ParaRef;
  applyTabAndSpacing(*para);
  const auto indent = [](int32_t twips) { return std::max(kRtfCellInsetMm + twipsToMm(twips), 0.0); };
  para->LeftIndent = indent(state_.para.leftIndent);
  para->RightIndent = indent(state_.para.rightIndent);
  para->FirstLineIndent = 0;
}

void Reader::endCell() {
  if (!row_.open) startRow();
  if (row_.frame != doc_.CurField) return;
  setCellParagraph();
  row_.lastBreakCell = -1;
  endLine(kLineEndParagraph);
  ++row_.cells;
}

void Reader::endRow() {
  if (!row_.open || row_.frame != doc_.CurField) return;
  if (caretLine().CharCount() > 0) endCell();
  const int32_t count = row_.cells;
  row_.open = false;
  row_.cells = 0;
  if (count == 0 || row_.firstLine + count != doc_.CurLine) return;
  const auto& definitions = row_.definitions;
  const double lastRight = definitions.empty() ? 0 : definitions.back().rightMm;
  const double rowWidth = lastRight - row_.leftMm;
  const double meanWidth = definitions.empty() || rowWidth <= 0 ? 1.0 : rowWidth / static_cast<double>(definitions.size());
  LineList& lines = doc_.Fields[static_cast<size_t>(row_.frame)].Lines;
  for (int32_t i = 0; i < count; ++i)
    shapeRowCell(lines[static_cast<size_t>(row_.firstLine + i)], i, count, meanWidth, rowWidth);
}

void Reader::shapeRowCell(TLineRec& line, int32_t index, int32_t count, double meanWidth, double rowWidth) {
  const auto& definitions = row_.definitions;
  const auto defined = static_cast<int32_t>(definitions.size());
  line.InTable = 1;
  line.CellFirstLine = line.CellLastLine = 1;
  line.RowCells = count;
  line.CellIndex = index;
  line.LineEnd = kLineEndParagraph;
  line.RowLeft = row_.leftMm;
  line.RowRight = defined >= 1 ? std::max(rowWidth, 0.0) + kRelativeRowRight : 0;
  line.CellDesign = TCellDesign{};
  line.CellWidthWeight = meanWidth;
  if (index >= defined) return;
  const CellDefinition& cell = definitions[static_cast<size_t>(index)];
  const double left = index == 0 ? row_.leftMm : definitions[static_cast<size_t>(index - 1)].rightMm;
  if (cell.rightMm - left > 0) line.CellWidthWeight = cell.rightMm - left;
  TCellDesign& design = line.CellDesign;
  const auto validColour = [&](int32_t i) { return i >= 0 && i < static_cast<int32_t>(colours_.size()); };
  for (size_t side = 0; side < 4; ++side) {
    design.BorderPresent[side] = cell.borderPresent[side];
    design.BorderWidth[side] = cell.borderWidthTwips[side] / 20.0;
    if (validColour(cell.borderColour[side])) design.BorderColor[side] = colours_[static_cast<size_t>(cell.borderColour[side])];
  }
  const bool backgroundGiven = validColour(cell.background);
  int32_t back = backgroundGiven ? colours_[static_cast<size_t>(cell.background)] : 0xFFFFFF;
  if (cell.shading >= 0) back = shaded(back, cell.shading / 10000.0);
  if (backgroundGiven || cell.shading >= 0) {
    design.BackColor = back;
    design.BackTransparent = 0;
  }
}

}  // namespace vendaro::rtf
