// footnote_commands.cpp — a footnote: a numbered reference mark at the caret
// and a footnote area at the bottom of the caret's page that starts with the
// same number; layout places and numbers both.
#include <string>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr double kAreaTopFromBottom = 29.5;     // mm above the paper's bottom edge
constexpr double kAreaBottomFromBottom = 24.5;  // mm
constexpr double kAreaTextDistance = 3.2;       // mm

// The page the caret is shown on: a header or footer stands on several
// pages, the page body and text boxes on their own.
int32_t caretFramePage(const Document& doc) {
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(doc.CurField)];
  const bool onSeveralPages = frame.FieldType == kFieldHeader || frame.FieldType == kFieldFooter;
  return onSeveralPages ? doc.CaretPage : frame.PageNo;
}

void shapeFootnoteArea(const Document& doc, TFieldRec& area, int32_t number, int32_t page) {
  const TFieldRec& body = doc.Fields[0];
  area.FieldType = kFieldFooter;
  area.FootnoteNo = number;
  area.PageNo = page;
  area.Left = 0;
  area.Top = kAreaTopFromBottom;
  area.Right = 0;
  area.Bottom = kAreaBottomFromBottom;
  area.TopFromBottom = area.BottomFromBottom = area.RightFromRight = 1;
  area.MarginLeft = body.MarginLeft;
  area.MarginRight = body.MarginRight;
  area.MarginTop = area.MarginBottom = 0;
  area.WrapText = 1;
  area.ShowOn = kShowOnOnePage;
  area.MoveWithText = 1;
  area.WrapMode = 0;
  area.TextDistX = area.TextDistY = kAreaTextDistance;
  area.BorderWidth = 0;
  area.BorderColor = 0;
  area.BackColor = 0xFFFFFF;
  area.Transparent = 1;
}

// A superscript footnote mark of `kind` with `number` at the caret.
void insertMark(Document& doc, uint8_t kind, int32_t number) {
  TCharRec* mark = doc.NewChar();
  if (!mark) return;
  mark->Kind = kind;
  mark->Ch = '1';
  mark->NoteID = mark->ShownNumber = static_cast<uint16_t>(number);
  doc.RenderChar(*mark, true, std::to_string(number));
  if (TLineRec* line = editLine(doc, caretPos(doc))) line->Dirty = 1;
}

}  // namespace

void Editor::FussnoteEinfuegen() {
  if (!caretInTypingFrame(doc_) || !caretCanTakeCell(doc_)) return;
  MakeCopyForUndo("Fu\xDFnote einf\xFCgen");
  const int32_t number = ++doc_.FootnoteCounter;
  if (isThereAmarking(doc_)) setCaret(doc_, FindMarkingStart(doc_).start());
  doc_.CaretAtLineEnd = 0;
  const TextPos reference = caretPos(doc_);
  const int32_t page = caretFramePage(doc_);

  TFieldRec& area = doc_.NewPage(true);
  shapeFootnoteArea(doc_, area, number, page);
  const int32_t areaIndex = doc_.FieldCount() - 1;

  insertMark(doc_, kCellNoteRef, number);
  setCaret(doc_, {areaIndex, 0, 0});
  insertMark(doc_, kCellNoteNumber, number);
  setCaret(doc_, {areaIndex, 0, 1});
  if (TCharRec* blank = doc_.NewChar()) {
    blank->Ch = ' ';
    doc_.RenderChar(*blank);
  }

  setCaret(doc_, {reference.field, reference.line, reference.cell + 1});
  setAnchor(doc_, caretPos(doc_));
  RefreshDirtyContent();
}

}  // namespace vendaro
