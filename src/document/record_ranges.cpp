#include "document/record_ranges.h"

#include <algorithm>
#include <cmath>

namespace vendaro {
namespace {

constexpr double kDefaultFontSize = 12.0;
constexpr double kMaxLineSpacingFactor = 100.0;
constexpr double kMaxCellWidthWeight = 1e6;

void length(double& value) { value = finiteInRange(value, -kMaxStoredLengthMm, kMaxStoredLengthMm, 0.0); }

void length(float& value) {
  double widened = value;
  length(widened);
  value = static_cast<float>(widened);
}

// Values the dialogs keep at zero or more: a negative one would give a
// picture or a gap of negative size.
void nonNegativeLength(double& value) { value = finiteInRange(value, 0.0, kMaxStoredLengthMm, 0.0); }

void borderWidth(double& points) { points = finiteInRange(points, 0.0, kMaxBorderWidthPoints, 0.0); }

void number(int32_t& value) { value = std::clamp(value, 0, kMaxStoredNumber); }

void bringCellIntoRange(TCharRec& cell) {
  if (cell.Kind == kCellPicture) {
    nonNegativeLength(cell.CharWidth);
    nonNegativeLength(cell.CharHeight);
  } else {
    length(cell.CharWidth);
    length(cell.CharHeight);
  }
  length(cell.FlowShift);
}

}  // namespace

void bringLineIntoRange(TLineRec& line) {
  bringParagraphIntoRange(line.Para);
  line.CellWidthWeight = finiteInRange(line.CellWidthWeight, 0.0, kMaxCellWidthWeight, 1.0);
  length(line.RowLeft);
  // A row of relative width keeps its width, stored above the marker.
  line.RowRight = finiteInRange(line.RowRight, -kMaxStoredLengthMm, kRelativeRowRight + kMaxStoredLengthMm, 0.0);
  for (double& width : line.CellDesign.BorderWidth) borderWidth(width);
  line.ColumnCount = std::clamp(line.ColumnCount, 0, kMaxColumnCount);
  nonNegativeLength(line.ColumnGap);
  for (TCharRec& cell : line.Chars) bringCellIntoRange(cell);
}

void bringFrameIntoRange(TFieldRec& frame, int32_t frameCount) {
  for (double* v : {&frame.Left, &frame.Top, &frame.Right, &frame.Bottom, &frame.TextDistX, &frame.TextDistY,
                    &frame.AnchorDX, &frame.AnchorDY, &frame.NewAnchorDX, &frame.NewAnchorDY,
                    &frame.AnchorDist})
    length(*v);
  borderWidth(frame.BorderWidth);
  // The frames are placed again from the margins, which the dialogs keep
  // at zero or more: a huge negative one would put them beyond any length.
  for (double* v : {&frame.MarginLeft, &frame.MarginTop, &frame.MarginRight, &frame.MarginBottom})
    *v = finiteInRange(*v, 0.0, kMaxStoredLengthMm, 0.0);
  frame.PageNo = std::clamp(frame.PageNo, 0, frameCount);
  number(frame.FootnoteNo);
  number(frame.AnchorID);
  for (TLineRec& line : frame.Lines) bringLineIntoRange(line);
}

double finiteInRange(double value, double low, double high, double fallback) {
  if (std::isnan(value)) return fallback;
  return std::clamp(value, low, high);
}

void bringFontIntoRange(TFontRec& font) {
  font.Size = finiteInRange(font.Size, kMinFontSize, kMaxFontSize, kDefaultFontSize);
}

bool bringPaperIntoRange(double& widthMm, double& heightMm) {
  if (std::isnan(widthMm) || std::isnan(heightMm)) return false;
  widthMm = std::clamp(widthMm, kMinPaperMm, kMaxPaperMm);
  heightMm = std::clamp(heightMm, kMinPaperMm, kMaxPaperMm);
  return true;
}

void bringParagraphIntoRange(TParaFormat& para) {
  if (para.LineSpacingMode == 0) {
    para.LineSpacing = finiteInRange(para.LineSpacing, 0.0, kMaxLineSpacingFactor, 1.0);
  } else {
    length(para.LineSpacing);
  }
  for (double* v : {&para.SpaceBefore, &para.SpaceAfter, &para.LeftIndent, &para.RightIndent, &para.FirstLineIndent,
                    &para.DefaultTabWidth, &para.ListIndent})
    length(*v);
  number(para.ListNumber);
  // No text column is wider than the widest paper, so a stop beyond it
  // could never be reached; bounding it keeps leaders and tab widths small.
  for (TTabStop& stop : para.Tabs) stop.Pos = finiteInRange(stop.Pos, 0.0, kMaxPaperMm, 0.0);
}

void bringDocumentIntoRange(Document& doc) {
  number(doc.FootnoteCounter);
  std::vector<TFontRec> fonts = doc.Fonts.entries();
  for (TFontRec& font : fonts) bringFontIntoRange(font);
  doc.Fonts.assign(std::move(fonts));
  for (TStyleRec& style : doc.Styles) {
    bringParagraphIntoRange(style.Para);
    bringCellIntoRange(style.Char);
  }
  const int32_t frameCount = doc.FieldCount();
  for (TFieldRec& frame : doc.Fields) bringFrameIntoRange(frame, frameCount);
}

}  // namespace vendaro
