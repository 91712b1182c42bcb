// footnote_areas.cpp — footnote areas are as high as their text (at most
// half the paper) and stand at the bottom of the page of their reference,
// stacked so that the newest is lowest; references and areas are numbered
// in the order the references are met.
#include <algorithm>
#include <string>
#include <utility>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

double areaHeight(const LayoutRun& run, int32_t index) {
  const auto sized = run.footnoteHeights.find(index);
  if (sized != run.footnoteHeights.end()) return sized->second;
  const TFieldRec& area = run.doc.Fields[static_cast<size_t>(index)];
  return area.Top - area.Bottom;
}

// Numbers mark `cell` of line `line`; the line is written only when the
// mark changes, so that an unchanged line stays shared with undo steps. A
// mark that changes width (9 to 10) leaves its line wrapped for the old
// width, which the run reports so that the line is wrapped again.
void showNumber(LayoutRun& run, LineList& lines, size_t line, size_t cell, int32_t number) {
  const TCharRec& mark = std::as_const(lines)[line].Chars[cell];
  TCharRec shown = mark;
  shown.ShownNumber = static_cast<uint16_t>(number);
  run.doc.RenderChar(shown, true, std::to_string(number));
  if (shown == mark) return;
  if (shown.CharWidth != mark.CharWidth) run.footnoteMarkResized = true;
  lines[line].Chars[cell] = std::move(shown);
}

}  // namespace

bool hasFootnoteAreas(const Document& doc) {
  return std::any_of(doc.Fields.begin(), doc.Fields.end(), [](const TFieldRec& f) { return isFootnoteArea(f); });
}

void sizeFootnoteAreas(LayoutRun& run) {
  Document& doc = run.doc;
  for (int32_t index = 0; index < doc.FieldCount(); ++index) {
    TFieldRec& area = doc.Fields[static_cast<size_t>(index)];
    if (!isFootnoteArea(area)) continue;
    area.LayoutMark = 1;
    double height = 0;
    for (const TLineRec& line : std::as_const(area.Lines))
      if (line.CellIndex == 0) height += line.LineHeight;
    height = std::min(height, doc.PageHeight / 2);
    area.Top = area.Bottom + height;  // both measured from the paper's bottom edge
    run.footnoteHeights[index] = height;
  }
}

double footnoteHeight(const LayoutRun& run, const TLineRec& line) {
  double height = 0;
  for (const TCharRec& cell : line.Chars) {
    if (cell.Kind != kCellNoteRef) continue;
    const int32_t area = run.doc.GetFootNoteField(cell.NoteID);
    if (area >= 0 && run.doc.Fields[static_cast<size_t>(area)].LayoutMark) height += areaHeight(run, area);
  }
  return height;
}

void placeFootnotes(LayoutRun& run, int32_t field, size_t line, double& available) {
  Document& doc = run.doc;
  const int32_t page = doc.Fields[static_cast<size_t>(field)].PageNo;
  LineList& lines = doc.Fields[static_cast<size_t>(field)].Lines;
  for (size_t cell = 0; cell < std::as_const(lines)[line].Chars.size(); ++cell) {
    const TCharRec& reference = std::as_const(lines)[line].Chars[cell];
    if (reference.Kind != kCellNoteRef) continue;
    const int32_t index = doc.GetFootNoteField(reference.NoteID);
    // A reference whose area is gone has nothing to place or number.
    if (index < 0) continue;
    TFieldRec& area = doc.Fields[static_cast<size_t>(index)];
    if (!area.LayoutMark) {
      // A second reference to an area already placed in this run (a copied
      // mark) shows the same number and takes no more room.
      const auto placed = run.footnoteNumbers.find(index);
      if (placed != run.footnoteNumbers.end()) showNumber(run, lines, line, cell, placed->second);
      continue;
    }
    const double height = areaHeight(run, index);
    available -= height;
    PageFootnotes& onPage = run.pageFootnotes[page];
    onPage.reserve += height;
    area.SeparatorLine = onPage.areas.empty() ? 1 : 0;
    area.PageNo = page;
    area.Bottom = doc.Fields[static_cast<size_t>(doc.GetFieldofPage(page))].MarginBottom;
    area.Top = area.Bottom + height;
    area.LayoutMark = 0;

    const int32_t number = run.nextFootnoteNumber++;
    run.footnoteNumbers[index] = number;
    showNumber(run, lines, line, cell, number);
    const LineList& areaLines = area.Lines;
    for (size_t areaLine = 0; areaLine < areaLines.size(); ++areaLine)
      for (size_t k = 0; k < areaLines[areaLine].Chars.size(); ++k) {
        const TCharRec& mark = areaLines[areaLine].Chars[k];
        if (mark.Kind == kCellNoteNumber && mark.ShownNumber != number) showNumber(run, area.Lines, areaLine, k, number);
      }

    for (int32_t earlier : onPage.areas) {
      doc.Fields[static_cast<size_t>(earlier)].Top += height;
      doc.Fields[static_cast<size_t>(earlier)].Bottom += height;
    }
    onPage.areas.push_back(index);
  }
}

}  // namespace vendaro
