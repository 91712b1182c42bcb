// footnote_commands.cpp — a footnote: a numbered reference mark at the caret
// and a footnote area at the bottom of the caret's page that starts with the
// same number; layout places and numbers both.
#include "document/caret_moves.h"
#include "document/footnote_insertion.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

// The page the caret is shown on: a header or footer stands on several
// pages, the page body and text boxes on their own.
int32_t caretFramePage(const Document& doc) {
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(doc.CurField)];
  const bool onSeveralPages = frame.FieldType == kFieldHeader || frame.FieldType == kFieldFooter;
  return onSeveralPages ? doc.CaretPage : frame.PageNo;
}

}  // namespace

void Editor::FussnoteEinfuegen() {
  if (!caretInTypingFrame(doc_) || !caretCanTakeCell(doc_)) return;
  MakeCopyForUndo("Fu\xDFnote einf\xFCgen");
  const int32_t number = ++doc_.FootnoteCounter;
  if (isThereAmarking(doc_)) setCaret(doc_, FindMarkingStart(doc_).start());
  doc_.CaretAtLineEnd = 0;
  insertFootnote(doc_, number, caretFramePage(doc_));
  setAnchor(doc_, caretPos(doc_));
  RefreshDirtyContent();
}

}  // namespace vendaro
