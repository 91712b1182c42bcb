// rtf_frame_writer.cpp — a frame and the frames its text chain continues
// in, line by line in reading order: a table row's cells one after the
// other, each cell's lines top to bottom; paragraph starts, line breaks,
// cells and the objects anchored to each line.
#include "document/floating_objects.h"
#include "document/line_cells.h"
#include "formats/rtf_export.h"
#include "formats/rtf_field_codes.h"

namespace vendaro {
namespace {

// For each line, the first line of its table cell column: the line itself
// outside tables, else the nearest line a row step further up that starts
// the cell (or the topmost one there is).
std::vector<size_t> cellColumnStarts(const std::vector<RtfLineRef>& lines) {
  std::vector<size_t> starts(lines.size());
  for (size_t at = 0; at < lines.size(); ++at) {
    const TLineRec& line = *lines[at].record;
    const auto step = static_cast<size_t>(rowStep(line));
    starts[at] = line.CellFirstLine || !line.InTable || at < step ? at : starts[at - step];
  }
  return starts;
}

// Where reading goes after line `at`: down the cell's column, from a cell's
// last line to the next cell's first, after the row's last cell on past it.
size_t nextInReadingOrder(const std::vector<RtfLineRef>& lines, const std::vector<size_t>& columnStarts, size_t at) {
  const TLineRec& line = *lines[at].record;
  if (!line.InTable || line.RowCells < 2) return at + 1;
  if (!line.CellLastLine) return at + static_cast<size_t>(line.RowCells);
  if (line.CellIndex + 1 >= line.RowCells) return at + 1;
  return columnStarts[at] + 1;
}

// Every line exactly once: where a damaged table leads outside the lines
// or back to a line already taken, reading goes on at the first line not
// yet taken.
std::vector<size_t> readingOrder(const std::vector<RtfLineRef>& lines) {
  const std::vector<size_t> columnStarts = cellColumnStarts(lines);
  std::vector<size_t> order;
  order.reserve(lines.size());
  std::vector<bool> taken(lines.size(), false);
  size_t firstUntaken = 0;
  for (size_t at = 0; order.size() < lines.size();) {
    order.push_back(at);
    taken[at] = true;
    size_t next = nextInReadingOrder(lines, columnStarts, at);
    if (next >= lines.size() || taken[next]) {
      while (firstUntaken < lines.size() && taken[firstUntaken]) ++firstUntaken;
      next = firstUntaken;
    }
    at = next;
  }
  return order;
}

}  // namespace

std::vector<RtfLineRef> RtfExport::chainLines(int32_t first, bool wholeChain) {
  std::vector<RtfLineRef> lines;
  for (int32_t field = first; field >= 0 && field < doc_.FieldCount() && !frameWritten_[static_cast<size_t>(field)];) {
    frameWritten_[static_cast<size_t>(field)] = true;
    const TFieldRec& frame = doc_.Fields[static_cast<size_t>(field)];
    for (int32_t line = 0; line < frame.LineCount(); ++line)
      lines.push_back({field, line, &frame.Lines[static_cast<size_t>(line)]});
    field = wholeChain ? frame.NextField : -1;
  }
  return lines;
}

void RtfExport::writeFrame(int32_t field, bool wholeChain) {
  out_.raw("{");
  const bool body = field == 0;
  const std::vector<RtfLineRef> lines = chainLines(field, wholeChain);
  FrameState state;
  for (const size_t at : readingOrder(lines)) {
    writeLine(lines, at, state);
    if (body) writeObjectsOf(*lines[at].record, at == 0);
  }
  if (body && lines.empty()) writeObjectsOf(TLineRec{}, true);
  out_.raw("}");
  out_.endLine();
  formatValid_ = false;
}

void RtfExport::writeLine(const std::vector<RtfLineRef>& lines, size_t at, FrameState& state) {
  const TLineRec& line = *lines[at].record;
  const auto back = static_cast<size_t>(rowStep(line));
  const TLineRec* above = at >= back ? lines[at - back].record : nullptr;
  const bool starts = above == nullptr || above->LineEnd == kLineEndParagraph || above->LineEnd == kLineEndPage ||
                      line.CellFirstLine || above->CellLastLine;
  // Layout fills a cell up to its row's height with empty lines that hold
  // no paragraph of their own; written, each would come back as one.
  const bool rowFiller = line.InTable && !line.CellFirstLine && line.Chars.empty() && line.LineEnd == kLineEndSoft;
  if (starts && !rowFiller) {
    startParagraph(lines, at, above, state);
    if (line.Para.ListKind != 0) writeListPrefix(line);
  } else if (!starts && !rowFiller && above->LineEnd == kLineEndManual) {
    out_.raw("\\line ");
  }
  writeCells(line);
  if (line.InTable && line.CellLastLine) out_.raw(line.CellIndex + 1 >= line.RowCells ? "\\cell\\pard\\row " : "\\cell ");
  state.previousInTable = line.InTable != 0;
}

void RtfExport::startParagraph(const std::vector<RtfLineRef>& lines, size_t at, const TLineRec* above,
                               FrameState& state) {
  const TLineRec& line = *lines[at].record;
  out_.endLine();
  // "\row" ends the paragraph of the row's last cell itself: a "\par"
  // after it would add an empty paragraph, and one between rows or cells
  // would end the cell.
  const bool afterTableLine = state.previousInTable && (!line.InTable || line.CellFirstLine);
  if (!state.firstParagraph && !afterTableLine)
    out_.raw(above != nullptr && above->LineEnd == kLineEndPage ? "\\page" : "\\par");
  writeColumns(line, state);
  if (line.InTable && line.CellFirstLine && line.CellIndex == 0) writeRowDefinition(lines, at);
  state.firstParagraph = false;
  writeParagraphFormat(line);
}

void RtfExport::writeColumns(const TLineRec& line, FrameState& state) {
  const int32_t columns = line.ColumnCount > 1 ? line.ColumnCount : 1;
  if (columns == state.columns && line.ColumnLines == state.columnLines) return;
  // Before the frame's first paragraph there is no section to end yet.
  if (!state.firstParagraph) out_.raw("\\sect");
  out_.raw("\\sectd\\sbknone").word("\\cols", columns).word("\\colsx", mmToTwips(line.ColumnGap));
  if (line.ColumnLines > 0) out_.raw("\\linebetcol");
  state.columns = columns;
  state.columnLines = line.ColumnLines;
}

void RtfExport::writeCells(const TLineRec& line) {
  for (const TCharRec& cell : line.Chars) {
    if (cell.Kind == kCellNoteRef) {
      writeFootnote(cell);
      continue;
    }
    writeCellFormat(cell);
    writeCell(cell);
  }
}

void RtfExport::writeCell(const TCharRec& cell) {
  switch (cell.Kind) {
    case kCellPicture: writePicture(cell, mmToTwips(cell.CharWidth), mmToTwips(cell.CharHeight)); return;
    // The reader takes this as the mark its footnote already has.
    case kCellNoteNumber: out_.raw("{\\chftn}"); return;
    case kCellField: writeField(cell); return;
    default: break;
  }
  if (cell.Kind != kCellChar) {
    out_.text(static_cast<char>(cell.Ch));
    return;
  }
  switch (cell.Ch) {
    case kTabChar: out_.raw("\\tab "); return;
    // Paragraph, line and page breaks still joined into a table cell.
    case 13: out_.raw("\\par "); return;
    case 14: out_.raw("\\line "); return;
    case 15: out_.raw("\\page "); return;
    default: out_.text(static_cast<char>(cell.Ch)); return;
  }
}

// A field as its instruction and its result, the text it shows, so that
// readers show it and can update it; a form field adds its name and text.
// Fields no instruction stands for are written as the text they show.
void RtfExport::writeField(const TCharRec& cell) {
  const std::string_view code = textOf(cell.Code);
  const std::string_view shown = textOf(cell.Text);
  if (code.starts_with(kFormFieldCodePrefix)) {
    out_.raw("{\\field{\\*\\fldinst FORMTEXT {\\*\\formfield{\\*\\ffname ").text(code.substr(kFormFieldCodePrefix.size()));
    out_.raw("}{\\*\\ffdeftext ").text(shown).raw("}}}{\\fldrslt ").text(shown).raw("}}");
  } else if (const std::optional<std::string> instruction = rtfFieldInstruction(code)) {
    out_.raw("{\\field{\\*\\fldinst ").text(*instruction).raw("}{\\fldrslt ").text(shown).raw("}}");
  } else {
    out_.text(shown);
  }
}

void RtfExport::writeFootnote(const TCharRec& cell) {
  out_.raw("\\chftn {\\footnote");
  const int32_t area = doc_.GetFootNoteField(cell.NoteID);
  if (area >= 0) writeFrame(area);
  out_.raw("}");
  formatValid_ = false;
}

void RtfExport::writeObjectsOf(const TLineRec& line, bool firstBodyLine) {
  if (line.AnchorID > 0) {
    const auto found = anchoredObjects_.find(line.AnchorID);
    if (found != anchoredObjects_.end())
      for (const int32_t object : found->second) writeShape(object, false);
  }
  if (firstBodyLine)
    for (const int32_t object : pageObjects_) writeShape(object, true);
}

}  // namespace vendaro
