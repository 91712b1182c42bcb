// line_breaking.cpp — the order of the steps of a layout run; each step has
// its own unit (chain gathering, joining, wrapping, pagination, clean-up).
#include "layout/line_breaking.h"

#include "layout/layout_run.h"

namespace vendaro {

double LayoutRun::measuringFontHeightMm() const {
  if (measuringFont >= 0 && measuringFont < doc.FontCount()) return doc.fontHeightMm(doc.Fonts[measuringFont]);
  return doc.fontHeightMm(doc.CurFont);
}

double frameTextWidth(const Document& doc, const TFieldRec& frame) {
  const FrameBounds bounds = doc.fieldBounds(frame);
  return bounds.x2 - bounds.x1 - frame.MarginLeft - frame.MarginRight;
}

double columnWidth(double textWidth, const TLineRec& line) {
  if (line.ColumnCount < 2) return textWidth;
  return (textWidth - (line.ColumnCount - 1) * line.ColumnGap) / line.ColumnCount;
}

void MakeSoftEnters(const LayoutContext& ctx) {
  Document& doc = ctx.doc;
  LayoutRun run(ctx);
  if (ctx.refreshFields) ctx.refreshFields(doc);

  gatherTextChains(run);
  for (int32_t field = 0; field < doc.FieldCount(); ++field) {
    if (doc.Fields[static_cast<size_t>(field)].FieldType > kFieldTextBox) continue;
    LineGapBuffer lines(doc.Fields[static_cast<size_t>(field)].Lines);
    joinLines(run, field, lines);
    wrapLines(run, field, lines);
    if (ctx.isWordCorrect) markSpelling(run, lines);
  }
  sizeFootnoteAreas(run);
  paginate(run);
  cleanUpLayout(run);
}

}  // namespace vendaro
