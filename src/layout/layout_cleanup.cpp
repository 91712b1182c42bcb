// layout_cleanup.cpp — the end of a run: footnote areas whose reference is
// gone and chained frames left without text are removed, the anchor of an
// empty selection rejoins the caret, and every line is clean.
#include <set>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

// Ids of all footnote references in the document's text.
std::set<int32_t> referencedNotes(const Document& doc) {
  std::set<int32_t> ids;
  for (const TFieldRec& frame : doc.Fields)
    for (const TLineRec& line : frame.Lines)
      for (const TCharRec& cell : line.Chars)
        if (cell.Kind == kCellNoteRef) ids.insert(cell.NoteID);
  return ids;
}

void deleteFrame(LayoutRun& run, int32_t index) {
  const int32_t page = run.doc.Fields[static_cast<size_t>(index)].PageNo;
  run.doc.DeleteField(index);
  // A caret in the removed frame goes to the start of its page's body.
  const TextPos fallback{run.doc.GetFieldofPage(page), 0, 0};
  run.positions.forEach([&](TextPos& p) {
    if (p.field == index) p = fallback;
    else if (p.field > index) --p.field;
  });
}

}  // namespace

void cleanUpLayout(LayoutRun& run) {
  Document& doc = run.doc;
  // An area that was not placed may still have its reference in text that
  // did not fit its frame; only an area without any reference is orphaned.
  bool unplaced = false;
  for (const TFieldRec& frame : doc.Fields) unplaced = unplaced || (isFootnoteArea(frame) && frame.LayoutMark);
  if (unplaced) {
    const std::set<int32_t> referenced = referencedNotes(doc);
    for (int32_t index = doc.FieldCount() - 1; index >= 0; --index) {
      const TFieldRec& frame = doc.Fields[static_cast<size_t>(index)];
      if (isFootnoteArea(frame) && frame.LayoutMark && !referenced.contains(frame.FootnoteNo)) deleteFrame(run, index);
    }
  }
  for (int32_t index = doc.FieldCount() - 1; index >= 0; --index) {
    const TFieldRec& frame = doc.Fields[static_cast<size_t>(index)];
    if (frame.FieldType <= kFieldFooter && frame.PrevField != -1 && frame.Lines.empty()) deleteFrame(run, index);
  }
  if (run.selectionWasEmpty) run.positions[TextPositions::kAnchor] = run.positions.caret();
  run.positions.store(doc);
  doc.ClearAllDirtyFlags();
}

}  // namespace vendaro
