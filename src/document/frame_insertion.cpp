// frame_insertion.cpp — the defaults of a new text box.
#include "document/frame_insertion.h"

namespace vendaro {
namespace {

constexpr double kSideMargin = 2.5;      // mm, left and right inside the border
constexpr double kTopBottomMargin = 1.3; // mm
constexpr double kTextDistance = 3.2;    // mm between the box and text flowing round it
constexpr double kBorderPoints = 0.75;

}  // namespace

TFieldRec& TextfeldEinfuegenSimple(Document& doc, int32_t page, const FrameEdges& edges) {
  TFieldRec box;
  box.Left = edges.left;
  box.Top = edges.top;
  box.Right = edges.right;
  box.Bottom = edges.bottom;
  box.FieldType = kFieldTextBox;
  box.PageNo = page;
  box.KeepAspect = 1;
  box.MarginLeft = box.MarginRight = kSideMargin;
  box.MarginTop = box.MarginBottom = kTopBottomMargin;
  box.WrapText = 1;
  box.ShowOn = kShowOnOnePage;
  box.MoveWithText = 1;
  box.WrapMode = 0;
  box.TextDistX = box.TextDistY = kTextDistance;
  box.BorderWidth = kBorderPoints;
  box.BorderColor = 0;
  box.BackColor = 0xFFFFFF;
  box.Transparent = 0;
  Document::InitNewLine(box.Lines, 0);
  box.Lines[0].Dirty = 1;
  doc.Fields.push_back(std::move(box));

  const int32_t index = doc.FieldCount() - 1;
  doc.CurField = doc.MarkField = index;
  doc.CurLine = doc.MarkLine = 0;
  doc.CurChar = doc.MarkChar = 0;
  doc.CaretAtLineEnd = 0;
  return doc.Fields.back();
}

}  // namespace vendaro
