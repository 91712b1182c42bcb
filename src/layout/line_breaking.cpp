// line_breaking.cpp — the order of the steps of a layout run; each step has
// its own unit (chain gathering, joining, wrapping, pagination, clean-up).
#include "layout/line_breaking.h"

#include <algorithm>

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

namespace {

// What a layout run leaves to be settled by another.
struct RunOutcome {
  bool footnoteMarkResized = false;
  bool fieldCellChangedRow = false;
};

RunOutcome layOutOnce(const LayoutContext& ctx) {
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
  return {run.footnoteMarkResized, run.fieldCellChangedRow};
}

bool isNoteMark(const TCharRec& cell) { return cell.Kind == kCellNoteRef || cell.Kind == kCellNoteNumber; }

void markLinesWithNoteMarks(Document& doc) {
  for (TFieldRec& frame : doc.Fields) {
    const LineList& lines = frame.Lines;
    for (size_t i = 0; i < lines.size(); ++i)
      if (std::any_of(lines[i].Chars.begin(), lines[i].Chars.end(), isNoteMark)) frame.Lines[i].Dirty = 1;
  }
}

// Footnote marks are numbered while pages are filled, after their lines
// were wrapped; a mark that grew or shrank has its line wrapped once more.
// Field texts are worked out before wrapping, in reading order, which
// wrapping a table row may change; running numbers are then worked out
// again, and lines whose numbers changed width wrapped once more. Numbers
// rarely change again then, but a reference that moves to another page
// could renumber, so the passes are bounded.
constexpr int kNumberingPasses = 3;

// Marks the lines that another run must wrap after `outcome`; answers
// whether there are any.
bool needsAnotherRun(const LayoutContext& ctx, const RunOutcome& outcome) {
  bool again = false;
  if (outcome.footnoteMarkResized) {
    markLinesWithNoteMarks(ctx.doc);
    again = true;
  }
  if (outcome.fieldCellChangedRow && ctx.refreshFields) again = ctx.refreshFields(ctx.doc) || again;
  return again;
}

}  // namespace

void MakeSoftEnters(const LayoutContext& ctx) {
  RunOutcome outcome = layOutOnce(ctx);
  for (int pass = 1; pass < kNumberingPasses && needsAnotherRun(ctx, outcome); ++pass) outcome = layOutOnce(ctx);
}

}  // namespace vendaro
