// footnote_areas.cpp — footnote areas are as high as their text (at most
// half the paper) and stand at the bottom of the page of their reference,
// stacked so that the newest is lowest; references and areas are numbered
// in the order the references are met.
#include <algorithm>
#include <string>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

double areaHeight(const LayoutRun& run, int32_t index) {
  const auto sized = run.footnoteHeights.find(index);
  if (sized != run.footnoteHeights.end()) return sized->second;
  const TFieldRec& area = run.doc.Fields[static_cast<size_t>(index)];
  return area.Top - area.Bottom;
}

void showNumber(Document& doc, TCharRec& mark, int32_t number) {
  mark.ShownNumber = static_cast<uint16_t>(number);
  doc.RenderChar(mark, true, std::to_string(number));
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
    for (const TLineRec& line : area.Lines)
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

void placeFootnotes(LayoutRun& run, int32_t field, TLineRec& line, double& available) {
  Document& doc = run.doc;
  const int32_t page = doc.Fields[static_cast<size_t>(field)].PageNo;
  for (TCharRec& reference : line.Chars) {
    if (reference.Kind != kCellNoteRef) continue;
    const int32_t index = doc.GetFootNoteField(reference.NoteID);
    // A reference whose area is gone has nothing to place or number.
    if (index < 0) continue;
    TFieldRec& area = doc.Fields[static_cast<size_t>(index)];
    if (!area.LayoutMark) {
      // A second reference to an area already placed in this run (a copied
      // mark) shows the same number and takes no more room.
      const auto placed = run.footnoteNumbers.find(index);
      if (placed != run.footnoteNumbers.end()) showNumber(doc, reference, placed->second);
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
    showNumber(doc, reference, number);
    for (TLineRec& areaLine : area.Lines)
      for (TCharRec& mark : areaLine.Chars)
        if (mark.Kind == kCellNoteNumber && mark.ShownNumber != number) showNumber(doc, mark, number);

    for (int32_t earlier : onPage.areas) {
      doc.Fields[static_cast<size_t>(earlier)].Top += height;
      doc.Fields[static_cast<size_t>(earlier)].Bottom += height;
    }
    onPage.areas.push_back(index);
  }
}

}  // namespace vendaro
