// frame_insertion.cpp — the defaults of a new text box, drawing object or
// picture frame.
#include "document/frame_insertion.h"

namespace vendaro {
namespace {

constexpr double kSideMargin = 2.5;      // mm, left and right inside the border
constexpr double kTopBottomMargin = 1.3; // mm
constexpr double kTextDistance = 3.2;    // mm between the box and text flowing round it
constexpr double kBorderPoints = 0.75;

}  // namespace

// Painting reads the top from the bottom only when the bottom is too.
static bool topFromBottom(const TFieldRec& frame) { return frame.TopFromBottom && frame.BottomFromBottom; }

FrameEdges edgesFromTopLeft(const Document& doc, const TFieldRec& frame) {
  return {frame.Left, topFromBottom(frame) ? doc.PageHeight - frame.Top : frame.Top,
          frame.RightFromRight ? doc.PageWidth - frame.Right : frame.Right,
          frame.BottomFromBottom ? doc.PageHeight - frame.Bottom : frame.Bottom};
}

void setEdgesFromTopLeft(const Document& doc, TFieldRec& frame, const FrameEdges& edges) {
  frame.Left = edges.left;
  frame.Top = topFromBottom(frame) ? doc.PageHeight - edges.top : edges.top;
  frame.Right = frame.RightFromRight ? doc.PageWidth - edges.right : edges.right;
  frame.Bottom = frame.BottomFromBottom ? doc.PageHeight - edges.bottom : edges.bottom;
}

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

TFieldRec& InsertObjectSimple(Document& doc, int32_t kind, int32_t page, bool flip, const FrameEdges& edges,
                              const ObjectStyle& style) {
  TFieldRec& object = TextfeldEinfuegenSimple(doc, page, edges);
  object.FieldType = static_cast<uint8_t>(kFieldRectangle + kind);
  object.WrapText = 0;
  object.LineFlip = flip ? 1 : 0;
  object.BorderWidth = style.lineWidth;
  object.BorderColor = style.lineColor;
  object.BackColor = style.fillColor;
  object.Transparent = style.fillNone ? 1 : 0;
  return object;
}

}  // namespace vendaro
