// pagination.cpp — stacks the lines of every text frame from its top: column
// sections are split into columns, footnote areas go to the bottom of the
// page, and what does not fit a linked text box moves on to the next box of
// its chain. Other frames keep what does not fit (it is drawn clipped).
#include <utility>
#include <vector>

#include "document/paragraph_format.h"
#include "layout/column_layout.h"
#include "layout/layout_run.h"

namespace vendaro {
namespace {

// The fields that place a line in its column section.
struct ColumnFields {
  int32_t ColumnIndex = 0;
  int32_t ColumnBreaks = 0;
  double ColumnX = 0;
  double SepLeftX = 0;
  double SepRightX = 0;
  uint8_t ColumnTop = 0;
  uint8_t ColumnBottom = 0;
  double ColumnBackY = 0;
  double ColumnRestY = 0;
  bool operator==(const ColumnFields&) const = default;
};

ColumnFields columnFieldsOf(const TLineRec& line) {
  return {line.ColumnIndex, line.ColumnBreaks, line.ColumnX,   line.SepLeftX,   line.SepRightX,
          line.ColumnTop,   line.ColumnBottom, line.ColumnBackY, line.ColumnRestY};
}

void writeColumnFields(TLineRec& line, const ColumnFields& fields) {
  line.ColumnIndex = fields.ColumnIndex;
  line.ColumnBreaks = fields.ColumnBreaks;
  line.ColumnX = fields.ColumnX;
  line.SepLeftX = fields.SepLeftX;
  line.SepRightX = fields.SepRightX;
  line.ColumnTop = fields.ColumnTop;
  line.ColumnBottom = fields.ColumnBottom;
  line.ColumnBackY = fields.ColumnBackY;
  line.ColumnRestY = fields.ColumnRestY;
}

// Every layout run places every line: a line is written only when its place
// changed, so that the lines undo steps share stay shared.
void placeInColumn(LineList& lines, size_t index, const ColumnFields& fields) {
  if (columnFieldsOf(std::as_const(lines)[index]) != fields) writeColumnFields(lines[index], fields);
}

ColumnFields columnFieldsFor(const TLineRec& line, const SpaltenInfo& info, double textWidth) {
  const double width = columnWidth(textWidth, line);
  ColumnFields fields;
  fields.ColumnIndex = info.slot.columnIndex;
  fields.ColumnBreaks = info.breaks;
  fields.ColumnX = (width + line.ColumnGap) * fields.ColumnIndex;
  fields.SepLeftX = fields.ColumnX - line.ColumnGap / 2;
  fields.SepRightX = (width + line.ColumnGap) * (fields.ColumnIndex + 1) - line.ColumnGap / 2;
  fields.ColumnTop = info.columnTop ? 1 : 0;
  fields.ColumnBottom = info.columnBottom ? 1 : 0;
  fields.ColumnBackY = info.slot.backY;
  fields.ColumnRestY = info.slot.restY;
  return fields;
}

// The frame a linked text box passes its overflow to, −1 when it keeps it.
int32_t overflowTarget(const Document& doc, int32_t field) {
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
  const int32_t next = frame.NextField;
  if (frame.FieldType != kFieldTextBox || next < 0 || next >= doc.FieldCount() || next == field) return -1;
  return doc.Fields[static_cast<size_t>(next)].FieldType == kFieldTextBox ? next : -1;
}

// Lines before `skipped` went to the boxes before this one: the frame keeps
// a vector of its own lines only.
void dropSkippedLines(LineList& lines, size_t skipped) {
  if (skipped == 0) return;
  lines = lines.takeFrom(skipped);
}

// Moves lines `from`… of `field` (counted after its `skipped` lines) to the
// front of `target`; an empty box gives up its placeholder line first, and
// then takes the whole vector (see LayoutRun::skippedLines).
void passOverflow(LayoutRun& run, int32_t field, size_t skipped, size_t from, int32_t target) {
  LineList& source = run.doc.Fields[static_cast<size_t>(field)].Lines;
  LineList& dest = run.doc.Fields[static_cast<size_t>(target)].Lines;
  if (dest.size() == 1 && std::as_const(dest)[0].Chars.empty() && std::as_const(dest)[0].LineEnd == kLineEndSoft) {
    dest.clear();
    run.positions.forEach([&](TextPos& p) {
      if (p.field == target) p = {field, static_cast<int32_t>(from), 0};  // lands on the first line passed
    });
  }
  const auto moved = static_cast<int32_t>(source.size() - skipped - from);
  run.positions.linesInserted(target, 0, moved);
  if (dest.empty()) {
    // The lines the box keeps stay in the taken list too, skipped, until
    // the box is stacked; meanwhile both lists share them.
    dest = std::move(source);
    source = dest.slice(skipped, skipped + from);
    run.skippedLines[target] = skipped + from;
  } else {
    dest.prepend(source.takeFrom(skipped + from));
    dropSkippedLines(source, skipped);
  }
  run.positions.forEach([&](TextPos& p) {
    if (p.field != field || p.line < static_cast<int32_t>(from)) return;
    p.field = target;
    p.line -= static_cast<int32_t>(from);
  });
}

// Stacks the lines of one frame; returns the frame it passed its overflow
// to, or −1.
int32_t stackFrame(LayoutRun& run, int32_t field, bool footnotesExist) {
  Document& doc = run.doc;
  TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
  const FrameBounds bounds = doc.fieldBounds(frame);
  const double textWidth = frameTextWidth(doc, frame);
  const int32_t target = overflowTarget(doc, field);
  double available = bounds.y2 - bounds.y1 - run.pageFootnotes[frame.PageNo].reserve;
  double y = frame.MarginTop + frame.MarginBottom;
  double sectionTop = 0;
  int32_t previousEnd = kLineEndParagraph;
  const size_t skipped = run.takeSkippedLines(field);
  const LineRange lines(frame.Lines, skipped);
  SectionColumns sections(lines);

  for (size_t index = 0; index < lines.size(); ++index) {
    const TLineRec& unplaced = lines[index];
    y += unplaced.Para.SpaceBefore;
    bool beyondLastColumn = false;
    ColumnFields place;
    if (unplaced.ColumnCount >= 2) {
      if (index == 0 || !sameSection(lines[index - 1], unplaced)) sectionTop = y;
      const SpaltenInfo info = sections.lineInfo(index, available - 1 - sectionTop);
      place = columnFieldsFor(unplaced, info, textWidth);
      y = y - place.ColumnBackY + place.ColumnRestY;
      beyondLastColumn = info.slot.beyondLastColumn;
    }
    placeInColumn(frame.Lines, skipped + index, place);
    const TLineRec& line = lines[index];  // placing it may have copied it
    // The cells of a table row share one height: only the first counts.
    if (isLaterRowCell(line)) y -= line.Para.SpaceBefore;
    else y += line.LineHeight + line.Para.SpaceAfter;

    // A row is decided as a whole at its first cell, with the footnotes of
    // all its cells; a line that moves on takes its footnotes along.
    if (index > 0 && !isLaterRowCell(line)) {
      double notes = 0;
      if (footnotesExist) {
        const size_t cells = line.RowCells > 1 ? static_cast<size_t>(line.RowCells) : 1;
        for (size_t k = index; k < index + cells && k < lines.size(); ++k) notes += footnoteHeight(run, lines[k]);
      }
      if (y > available - notes || beyondLastColumn || previousEnd == kLineEndPage) {
        if (target >= 0) {
          passOverflow(run, field, skipped, index, target);
          return target;
        }
        if (footnotesExist) placeFootnotes(run, field, skipped + index, available);
        // The lines kept below the frame's end stand in no column; clearing
        // them keeps the result independent of where they stood before.
        if (run.multiColumnLines)
          for (size_t below = index; below < lines.size(); ++below) placeInColumn(frame.Lines, skipped + below, {});
        dropSkippedLines(frame.Lines, skipped);
        return -1;
      }
    }
    if (footnotesExist) placeFootnotes(run, field, skipped + index, available);
    previousEnd = line.LineEnd;
  }
  dropSkippedLines(frame.Lines, skipped);
  return -1;
}

}  // namespace

void clearColumnFields(TLineRec& line) { writeColumnFields(line, {}); }

void paginate(LayoutRun& run) {
  Document& doc = run.doc;
  const bool footnotesExist = hasFootnoteAreas(doc);
  // Headers, footers, footnote areas and text boxes first, so that the page
  // bodies know the room the footnotes of their page take.
  for (const bool bodies : {false, true}) {
    for (int32_t field = 0; field < doc.FieldCount(); ++field) {
      const uint8_t type = doc.Fields[static_cast<size_t>(field)].FieldType;
      if (bodies ? type != kFieldBody : (type < kFieldHeader || type > kFieldTextBox)) continue;
      int32_t passedTo = stackFrame(run, field, footnotesExist);
      // A box earlier in the list than the box that filled it is stacked
      // again now, so that its own overflow moves on in this run too.
      for (int32_t guard = doc.FieldCount(); passedTo >= 0 && passedTo < field && guard > 0; --guard)
        passedTo = stackFrame(run, passedTo, footnotesExist);
    }
  }
  // A box that took lines but was not stacked again (a broken chain).
  for (const auto& [field, skipped] : run.skippedLines) dropSkippedLines(doc.Fields[static_cast<size_t>(field)].Lines, skipped);
  run.skippedLines.clear();
}

}  // namespace vendaro
