// rtf_shapes.cpp — drawing shapes and text boxes in RTF: each "\shp" becomes
// a frame of its own, placed by its edges and anchors and shaped by its
// properties (kind, line, fill, text margins, flips).
#include <algorithm>
#include <cctype>
#include <charconv>

#include "document/floating_objects.h"
#include "document/frame_insertion.h"
#include "formats/rtf_reader_state.h"

namespace vendaro::rtf {
namespace {

constexpr double kEmuPerInch = 914400.0;
constexpr double kEmuPerPoint = 12700.0;
constexpr double kMaxShapeMm = 10000.0;  // the largest paper
constexpr double kMaxTextMarginMm = 1000.0;

double edgeMm(int64_t twips) { return std::clamp(twipsToMm(static_cast<double>(twips)), -kMaxShapeMm, kMaxShapeMm); }

std::string upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
  return text;
}

bool parseInteger(const std::string& text, int64_t& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  while (first < last && *first == ' ') ++first;
  while (last > first && last[-1] == ' ') --last;
  const auto [end, error] = std::from_chars(first, last, value);
  return error == std::errc() && end == last;
}

uint8_t frameKindOf(int64_t shapeType, uint8_t current) {
  switch (shapeType) {
    case 1:
    case 2: return kFieldRectangle;
    case 3: return kFieldEllipse;
    case 20: return kFieldLine;
    case 75: return kFieldPicture;
    default: return current;
  }
}

}  // namespace

void Reader::beginShape() {
  const int32_t anchorFrame = doc_.CurField;
  const bool inGroup = state_.destination == Destination::shapeGroup;
  TFieldRec& frame = TextfeldEinfuegenSimple(doc_, 0, {50, 50, 100, 100});
  if (inGroup) frame.WrapText = shapeGroupWrap_ != 3 ? 1 : 0;
  ShapeState shape;
  shape.frame = doc_.FieldCount() - 1;
  shape.anchorFrame = anchorFrame;
  shapes_.push_back(std::move(shape));
  state_.destination = Destination::shape;
}

void Reader::shapeWord(Word word, int32_t value) {
  const bool inShape = !shapes_.empty() && (state_.destination == Destination::shape ||
                                            state_.destination == Destination::shapeInstance);
  if (word == Word::shapeWrap && state_.destination == Destination::shapeGroup) {
    shapeGroupWrap_ = value;
    return;
  }
  if (!inShape) return;
  ShapeState& shape = shapes_.back();
  TFieldRec& frame = doc_.Fields[static_cast<size_t>(shape.frame)];
  switch (word) {
    case Word::shapeAnchorH: shape.anchorH = value; break;
    case Word::shapeAnchorV: shape.anchorV = value; break;
    case Word::shapeWrap: frame.WrapText = value != 3 ? 1 : 0; break;
    case Word::shapeLeft: frame.Left = edgeMm(value); break;
    case Word::shapeTop: frame.Top = edgeMm(value); break;
    case Word::shapeRight: frame.Right = edgeMm(value); break;
    case Word::shapeBottom: frame.Bottom = edgeMm(value); break;
    default: break;
  }
}

void Reader::applyShapeProperty() {
  if (shapes_.empty()) return;
  ShapeState& shape = shapes_.back();
  int64_t value = 0;
  if (!parseInteger(shape.propertyValue, value)) return;
  TFieldRec& frame = doc_.Fields[static_cast<size_t>(shape.frame)];
  const std::string name = upper(shape.propertyName);
  const auto textMargin = [&] { return std::clamp(value / kEmuPerInch * kMmPerInch, 0.0, kMaxTextMarginMm); };
  const auto colour = [&] { return static_cast<int32_t>(value & 0xFFFFFF); };
  if (name == "DXTEXTLEFT") frame.MarginLeft = textMargin();
  if (name == "DYTEXTTOP") frame.MarginTop = textMargin();
  if (name == "DXTEXTRIGHT") frame.MarginRight = textMargin();
  if (name == "DYTEXTBOTTOM") frame.MarginBottom = textMargin();
  if (name == "RELLEFT") frame.Left = edgeMm(value);
  if (name == "RELTOP") frame.Top = edgeMm(value);
  if (name == "RELRIGHT") frame.Right = edgeMm(value);
  if (name == "RELBOTTOM") frame.Bottom = edgeMm(value);
  if (name == "FLINE" && value == 0) frame.BorderWidth = 0;
  if (name == "LINEWIDTH") frame.BorderWidth = std::clamp(value / kEmuPerPoint, 0.0, 100.0);
  if (name == "LINECOLOR") frame.BorderColor = colour();
  if (name == "FFILLED" && value == 0) {
    frame.Transparent = 1;
    frame.BackColor = 0xFFFFFF;
  }
  if (name == "FILLCOLOR") frame.BackColor = colour();
  if (name == "LTXID") shape.textId = value;
  if (name == "SHAPETYPE") frame.FieldType = frameKindOf(value, frame.FieldType);
  if ((name == "FFLIPH" || name == "FFLIPV" || name == "FRELFLIPH" || name == "FRELFLIPV") && value > 0)
    frame.LineFlip = frame.LineFlip ? 0 : 1;
}

void Reader::finishShape() {
  const ShapeState shape = std::move(shapes_.back());
  shapes_.pop_back();
  TFieldRec& frame = doc_.Fields[static_cast<size_t>(shape.frame)];
  if (shape.textId > 0 && frame.FieldType == kFieldTextBox) linkedBoxes_.push_back({shape.textId, shape.frame});
  // A line without height or width is our horizontal or vertical line,
  // which is drawn through the middle of its frame.
  if (frame.FieldType == kFieldLine && frame.Top == frame.Bottom) frame.FieldType = kFieldHorizontalLine;
  else if (frame.FieldType == kFieldLine && frame.Left == frame.Right) frame.FieldType = kFieldVerticalLine;
  if (shape.anchorV == 2) {
    // Anchored to the paragraph it was read in: it moves with that line.
    TFieldRec& anchor = doc_.Fields[static_cast<size_t>(shape.anchorFrame)];
    if (anchor.Lines.empty()) return;
    TLineRec& line = anchor.Lines[anchor.Lines.size() - 1];
    if (line.AnchorID == 0) {
      if (nextAnchorId_ == 0) nextAnchorId_ = getFreeAnkerID(doc_);
      line.AnchorID = nextAnchorId_++;
    }
    TFieldRec& object = doc_.Fields[static_cast<size_t>(shape.frame)];
    object.AnchorDX = object.Left;
    object.AnchorDY = object.Top;
    object.AnchorID = line.AnchorID;
    object.MoveWithText = 1;
    return;
  }
  // Placed on the page: it must not be tied to the nearest line by the
  // first paint and move with the text from then on.
  frame.MoveWithText = 0;
  if (shape.anchorH == 1) {
    frame.Left += twipsToMm(page_.marginLeft);
    frame.Right += twipsToMm(page_.marginLeft);
  }
  if (shape.anchorV == 1) {
    frame.Top += twipsToMm(page_.marginTop);
    frame.Bottom += twipsToMm(page_.marginTop);
  }
}

// Boxes of one chain share the high half of their text id and follow each
// other by its low half. The chain's text stands in its first box; layout
// hands on what does not fit there.
void Reader::linkTextBoxes() {
  std::stable_sort(linkedBoxes_.begin(), linkedBoxes_.end(),
                   [](const LinkedBox& a, const LinkedBox& b) { return a.textId < b.textId; });
  for (size_t at = 1; at < linkedBoxes_.size(); ++at) {
    const LinkedBox& before = linkedBoxes_[at - 1];
    const LinkedBox& box = linkedBoxes_[at];
    if (before.textId >> 16 != box.textId >> 16 || before.textId == box.textId) continue;
    doc_.Fields[static_cast<size_t>(before.frame)].NextField = box.frame;
    doc_.Fields[static_cast<size_t>(box.frame)].PrevField = before.frame;
  }
  linkedBoxes_.clear();
}

}  // namespace vendaro::rtf
