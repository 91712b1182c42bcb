#include "document/footnote_insertion.h"

#include <string>

#include "document/caret_moves.h"

namespace vendaro {
namespace {

constexpr double kAreaTopFromBottom = 29.5;     // mm above the paper's bottom edge
constexpr double kAreaBottomFromBottom = 24.5;  // mm
constexpr double kAreaTextDistance = 3.2;       // mm

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
  doc.Fields[static_cast<size_t>(doc.CurField)].Lines[static_cast<size_t>(doc.CurLine)].Dirty = 1;
}

}  // namespace

int32_t insertFootnote(Document& doc, int32_t number, int32_t page) {
  const TextPos reference = caretPos(doc);
  TFieldRec& area = doc.NewPage(true);
  shapeFootnoteArea(doc, area, number, page);
  const int32_t areaIndex = doc.FieldCount() - 1;

  insertMark(doc, kCellNoteRef, number);
  setCaret(doc, {areaIndex, 0, 0});
  insertMark(doc, kCellNoteNumber, number);
  setCaret(doc, {areaIndex, 0, 1});
  if (TCharRec* blank = doc.NewChar()) {
    blank->Ch = ' ';
    doc.RenderChar(*blank);
  }
  setCaret(doc, {reference.field, reference.line, reference.cell + 1});
  return areaIndex;
}

}  // namespace vendaro
