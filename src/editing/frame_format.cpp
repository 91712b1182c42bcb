// frame_format.cpp — "&Feld/Seite/Objekt...": position, size, margins,
// border, fill and text flow of the caret's frame in the dialog "Textfeld
// Eigenschaften", and the page margins that follow the page body, first
// header and first footer.
#include <algorithm>
#include <optional>

#include "editing/decimal_text.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr double kMmPerCm = 10.0;
constexpr double kHeaderFooterGap = 0.5;  // mm between the body and its header or footer
constexpr int kPositionPage = 0, kMarginsPage = 1;

std::string cm(double mm) { return formatDecimal(mm / kMmPerCm); }

// The typed centimetres in mm, or `old` for a text that is no number.
double mmFrom(const std::string& text, double old, double low, double high) {
  const std::optional<double> value = parseDecimal(text);
  return value ? std::clamp(*value * kMmPerCm, low, high) : old;
}

// The frame the dialog shows: the caret's, or for page text the first
// frame of its chain, where the page's margins live.
int32_t formattedFrame(const Document& doc) {
  const int32_t caret = doc.CurField;
  return doc.Fields[static_cast<size_t>(caret)].FieldType == kFieldBody ? chainHead(doc, caret) : caret;
}

FeldFormatDialog fillDialog(const Document& doc, const TFieldRec& frame) {
  FeldFormatDialog d;
  d.objectPages = frame.FieldType >= kFieldTextBox;
  d.page = d.objectPages ? kPositionPage : kMarginsPage;
  const FrameEdges e = edgesFromTopLeft(doc, frame);
  d.left = cm(e.left);
  d.top = cm(e.top);
  d.width = cm(e.right - e.left);
  d.height = cm(e.bottom - e.top);
  d.showOn = frame.ShowOn;
  d.moveWithText = frame.MoveWithText != 0;
  d.keepAspect = frame.KeepAspect != 0;
  d.marginLeft = cm(frame.MarginLeft);
  d.marginTop = cm(frame.MarginTop);
  d.marginRight = cm(frame.MarginRight);
  d.marginBottom = cm(frame.MarginBottom);
  d.borderColor = frame.BorderColor;
  d.borderWidth = frame.BorderWidth;
  d.backColor = frame.BackColor;
  d.transparent = frame.Transparent != 0;
  d.wrapText = frame.WrapText != 0;
  d.wrapMode = frame.WrapMode;
  d.textDistX = cm(frame.TextDistX);
  d.textDistY = cm(frame.TextDistY);
  return d;
}

void applyPlacement(const Document& doc, TFieldRec& frame, const FeldFormatDialog& d) {
  const FrameEdges old = edgesFromTopLeft(doc, frame);
  constexpr double kFar = 10000.0;  // mm: the largest paper is 1000 cm
  FrameEdges e;
  e.left = mmFrom(d.left, old.left, -kFar, kFar);
  e.top = mmFrom(d.top, old.top, -kFar, kFar);
  e.right = e.left + mmFrom(d.width, old.right - old.left, kMinimumObjectMm, kFar);
  e.bottom = e.top + mmFrom(d.height, old.bottom - old.top, kMinimumObjectMm, kFar);
  setEdgesFromTopLeft(doc, frame, e);
  frame.ShowOn = static_cast<uint8_t>(std::clamp<int32_t>(d.showOn, 0, static_cast<int32_t>(kShowOnNames.size()) - 1));
  frame.MoveWithText = d.moveWithText ? 1 : 0;
  frame.WrapText = d.wrapText ? 1 : 0;
  frame.WrapMode = static_cast<uint8_t>(std::clamp<int32_t>(d.wrapMode, 0, static_cast<int32_t>(kWrapModeNames.size()) - 1));
  frame.TextDistX = mmFrom(d.textDistX, frame.TextDistX, 0, kMaxTextDistanceCm * kMmPerCm);
  frame.TextDistY = mmFrom(d.textDistY, frame.TextDistY, 0, kMaxTextDistanceCm * kMmPerCm);
  frame.AnchorID = 0;
}

void applyDesign(TFieldRec& frame, const FeldFormatDialog& d) {
  constexpr double kMaxMargin = 10000.0;
  frame.MarginLeft = mmFrom(d.marginLeft, frame.MarginLeft, 0, kMaxMargin);
  frame.MarginTop = mmFrom(d.marginTop, frame.MarginTop, 0, kMaxMargin);
  frame.MarginRight = mmFrom(d.marginRight, frame.MarginRight, 0, kMaxMargin);
  frame.MarginBottom = mmFrom(d.marginBottom, frame.MarginBottom, 0, kMaxMargin);
  frame.BorderColor = d.borderColor;
  frame.BorderWidth = std::clamp(d.borderWidth, 0.0, kMaxBorderPoints);
  frame.BackColor = d.backColor;
  frame.Transparent = d.transparent ? 1 : 0;
  frame.KeepAspect = d.keepAspect ? 1 : 0;
}

// The page body's margins are the page's: the first header and footer sit
// above and below them with the body's side margins.
void adjustPage(Document& doc, int32_t formatted) {
  if (doc.FieldCount() < 3) return;
  TFieldRec& body = doc.Fields[0];
  TFieldRec& header = doc.Fields[1];
  TFieldRec& footer = doc.Fields[2];
  const TFieldRec& source = doc.Fields[static_cast<size_t>(formatted)];
  body.MarginLeft = source.MarginLeft;
  body.MarginRight = source.MarginRight;
  body.MarginTop = std::max(body.MarginTop, header.MarginTop);
  body.MarginBottom = std::max(body.MarginBottom, footer.MarginBottom);
  header.Bottom = body.MarginTop - kHeaderFooterGap;
  footer.Top = body.MarginBottom - kHeaderFooterGap;
  for (TFieldRec* edge : {&header, &footer}) {
    edge->MarginLeft = body.MarginLeft;
    edge->MarginRight = body.MarginRight;
  }
}

}  // namespace

void Editor::feldformatieren() {
  if (doc_.CurField < 0 || doc_.CurField >= doc_.FieldCount()) return;
  const int32_t index = formattedFrame(doc_);
  FeldFormatDialog dialog = fillDialog(doc_, doc_.Fields[static_cast<size_t>(index)]);
  if (!host_.showFeldFormatDialog(dialog)) return;
  MakeCopyForUndo("Feld formatieren");
  SetFileChanged(true);
  TFieldRec& frame = doc_.Fields[static_cast<size_t>(index)];
  if (frame.FieldType >= kFieldTextBox) applyPlacement(doc_, frame, dialog);
  applyDesign(frame, dialog);
  if (index <= kFieldFooter) adjustPage(doc_, index);
  doc_.SetAllDirtyFlags();
  RefreshContent();
}

}  // namespace vendaro
