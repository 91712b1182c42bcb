// line_geometry.cpp — the running y down a frame and the running x along each
// line, with the bookkeeping that painting does on the way (text flow,
// anchored objects, page numbers).
#include "layout/line_geometry.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "document/floating_objects.h"
#include "layout/layout_run.h"
#include "layout/table_cells.h"

namespace vendaro {
namespace {

constexpr double kMoveTolerance = 1e-6;

const TLineRec* columnPredecessor(const Document& doc, int32_t field, int32_t line) {
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
  const int32_t above = line - rowStep(frame.Lines[static_cast<size_t>(line)]);
  if (above >= 0) return &frame.Lines[static_cast<size_t>(above)];
  if (frame.PrevField < 0 || frame.PrevField >= doc.FieldCount() || frame.PrevField == field) return nullptr;
  const TFieldRec& previous = doc.Fields[static_cast<size_t>(frame.PrevField)];
  const int32_t index = previous.LineCount() + above;
  return index >= 0 ? &previous.Lines[static_cast<size_t>(index)] : nullptr;
}

bool endsTrailingSpace(const TLineRec& line, size_t count) { return count > 0 && isSpaceCell(line.Chars[count - 1]); }

void alignLine(const Document& doc, const TLineRec& line, LineGeometry& g) {
  const TParaFormat& para = line.Para;
  double used = 0;
  size_t counted = line.Chars.size();
  // Spaces that hang past the right edge at a soft wrap take no room.
  while (endsTrailingSpace(line, counted)) --counted;
  for (size_t i = 0; i < counted; ++i) used += line.Chars[i].CharWidth;
  // The hyphen painted after a hyphenated line's last cell takes room too.
  if (line.Hyphenated && counted > 0) used += doc.textWidthMm(line.Chars[counted - 1].FontIndex, "-");
  const double free = (g.boxRight - g.boxLeft) - (g.textX - g.boxLeft) - para.RightIndent;
  const double slack = free - used;
  switch (para.Alignment) {
    case 1: g.alignOffset = slack / 2; break;
    case 2: g.alignOffset = slack; break;
    case 3: {
      if (line.LineEnd != kLineEndSoft || slack <= 0) break;
      size_t spaces = 0;
      for (size_t i = 0; i + 1 < line.Chars.size(); ++i) spaces += isSpaceCell(line.Chars[i]) ? 1 : 0;
      if (spaces > 0) g.spaceExtra = slack / static_cast<double>(spaces);
      break;
    }
    default: break;
  }
  if (para.Alignment == 1 || para.Alignment == 2) g.alignOffset = std::max(g.alignOffset, 0.0);
}

class GeometryBuilder {
 public:
  GeometryBuilder(Document* doc, const Document& view, int32_t field, int32_t page, GeometryEffects* effects)
      : doc_(doc), view_(view), field_(field), page_(page), effects_(effects),
        frame_(view.Fields[static_cast<size_t>(field)]) {}

  FrameGeometry build() {
    FrameGeometry result;
    result.field = field_;
    result.bounds = view_.fieldBounds(frame_);
    result.textWidth = frameTextWidth(view_, frame_);
    result.textHeight = result.bounds.y2 - result.bounds.y1 - frame_.MarginTop - frame_.MarginBottom;
    textLeft_ = result.bounds.x1 + frame_.MarginLeft;
    frameTop_ = result.bounds.y1;
    result.lines.reserve(frame_.Lines.size());
    double y = frame_.MarginTop;
    for (size_t index = 0; index < frame_.Lines.size(); ++index) {
      const TLineRec& line = frame_.Lines[index];
      if (line.ColumnCount > 1) y -= line.ColumnBackY;
      if (line.Para.SpaceBefore > 0) y += line.Para.SpaceBefore;
      result.lines.push_back(lineGeometry(index, y, result.textWidth));
      const bool lastOfGroup = !line.InTable || line.CellIndex + 1 >= line.RowCells;
      if (lastOfGroup) {
        y += line.LineHeight;
        if (line.Para.SpaceAfter > 0) y += line.Para.SpaceAfter;
        if (line.ColumnCount > 1) y += line.ColumnRestY;
      } else if (line.Para.SpaceBefore > 0) {
        y -= line.Para.SpaceBefore;
      }
    }
    return result;
  }

 private:
  LineGeometry lineGeometry(size_t index, double top, double textWidth) {
    const TLineRec& line = frame_.Lines[index];
    LineGeometry g;
    g.line = static_cast<int32_t>(index);
    g.top = top;
    g.height = line.LineHeight;
    const double column = columnWidth(textWidth, line);
    const double columnLeft = line.ColumnCount > 1 ? line.ColumnX : 0.0;
    g.boxLeft = columnLeft;
    g.boxRight = columnLeft + column;
    if (line.InTable && line.RowCells >= 1) {
      const auto [left, right] = tableCellEdges(frame_.Lines, index, column);
      g.tableCell = true;
      g.boxLeft = columnLeft + left;
      g.boxRight = columnLeft + right;
    }
    g.paragraphStart = startsParagraphInColumn(view_, field_, g.line);
    g.bulletX = g.boxLeft + line.Para.LeftIndent + (g.paragraphStart ? line.Para.FirstLineIndent : 0.0);
    g.textX = g.bulletX + (g.paragraphStart && line.Para.ListKind != 0 ? line.Para.ListIndent : 0.0);
    if (doc_ != nullptr) updatePageFields(index);
    alignLine(view_, line, g);
    if (doc_ != nullptr && line.AnchorID >= kFirstAnchorId && frame_.FieldType == kFieldBody)
      moveAnchoredObjects(line.AnchorID, g);
    placeCells(index, g);
    return g;
  }

  void placeCells(size_t index, LineGeometry& g) {
    const TLineRec& line = frame_.Lines[index];
    const bool flows = doc_ != nullptr && !isObject(frame_);
    g.cellX.resize(line.Chars.size() + 1);
    double x = g.textX + g.alignOffset;
    for (size_t i = 0; i < line.Chars.size(); ++i) {
      if (flows) x = flowAround(index, i, x, g);
      g.cellX[i] = x;
      x += line.Chars[i].CharWidth;
      if (g.spaceExtra > 0 && i + 1 < line.Chars.size() && isSpaceCell(line.Chars[i])) x += g.spaceExtra;
    }
    g.cellX[line.Chars.size()] = x;
  }

  // Moves the cell right of every object the text flows around; a changed
  // shift sends the line back to layout, which wraps with it.
  double flowAround(size_t index, size_t cellIndex, double x, const LineGeometry& g) {
    const TCharRec& cell = frame_.Lines[index].Chars[cellIndex];
    FlowCell test;
    test.page = page_;
    test.anchorCandidate = g.paragraphStart;
    test.field = field_;
    test.line = g.line;
    test.lineX = textLeft_ + g.boxLeft;
    test.lineY = frameTop_ + g.top;
    test.x = textLeft_ + x;
    test.width = cell.CharWidth;
    test.y = frameTop_ + g.top;
    test.height = g.height;
    iscolladingwithfield(*doc_, test);
    const auto shift = static_cast<float>(test.x - (textLeft_ + x));
    // Only a changed line is written: it may be shared with undo steps.
    if (std::fabs(shift - cell.FlowShift) > 1e-4f) {
      TLineRec& line = doc_->Fields[static_cast<size_t>(field_)].Lines[index];
      line.Chars[cellIndex].FlowShift = shift;
      line.Dirty = 1;
      effects_->flowShiftChanged = true;
    }
    return x + shift;
  }

  // Objects anchored to the line follow it onto this page at their offset.
  void moveAnchoredObjects(int32_t id, const LineGeometry& g) {
    const double lineX = textLeft_ + g.boxLeft;
    const double lineY = frameTop_ + g.top;
    for (int32_t i = getfieldWithAnkerID(*doc_, 0, id); i >= 0; i = getfieldWithAnkerID(*doc_, i + 1, id)) {
      TFieldRec& object = doc_->Fields[static_cast<size_t>(i)];
      const FrameBounds now = doc_->fieldBounds(object);
      const double x1 = lineX + object.AnchorDX;
      const double y1 = lineY + object.AnchorDY;
      const bool moved = std::fabs(x1 - now.x1) > kMoveTolerance || std::fabs(y1 - now.y1) > kMoveTolerance;
      if (!moved && object.PageNo == page_) continue;
      placeFrame(*doc_, object, x1, y1, now);
      object.PageNo = page_;
      effects_->anchoredObjectMoved = true;
    }
  }

  static void placeFrame(const Document& doc, TFieldRec& object, double x1, double y1, const FrameBounds& now) {
    const double x2 = x1 + (now.x2 - now.x1);
    const double y2 = y1 + (now.y2 - now.y1);
    object.Left = x1;
    object.Right = object.RightFromRight ? doc.paperWidthMm() - x2 : x2;
    object.Bottom = object.BottomFromBottom ? doc.paperHeightMm() - y2 : y2;
    object.Top = object.TopFromBottom && object.BottomFromBottom ? doc.paperHeightMm() - y1 : y1;
  }

  // Page-number fields show the page being painted. In a frame shown on
  // several pages the number differs from page to page; re-laying out for
  // each would never end, so such a field keeps the width it was laid out
  // with. Elsewhere a number that fits the room layout reserved (the widest
  // page number up to this page) keeps that room too: shrinking the cell
  // would ask for a layout that widens it again, back and forth for ever.
  void updatePageFields(size_t index) {
    const std::string number = std::to_string(page_ + 1);
    for (size_t k = 0; k < frame_.Lines[index].Chars.size(); ++k) {
      const TCharRec& shown = frame_.Lines[index].Chars[k];
      if (shown.Kind != kCellField || textOf(shown.Code) != "page" || textOf(shown.Text) == number) continue;
      // Written only when the number changes: the line may be shared with undo steps.
      TCharRec& cell = doc_->Fields[static_cast<size_t>(field_)].Lines[index].Chars[k];
      SetPCharText(cell.Text, number);
      if (frame_.ShowOn != kShowOnOnePage && frame_.FieldType != kFieldBody) continue;
      const double before = cell.CharWidth;
      doc_->RenderChar(cell, false, number);
      if (cell.CharWidth <= before + 1e-9) cell.CharWidth = before;
      else effects_->fieldWidthChanged = true;
    }
  }

  Document* doc_;
  const Document& view_;
  int32_t field_;
  int32_t page_;
  GeometryEffects* effects_;
  const TFieldRec& frame_;
  double textLeft_ = 0;
  double frameTop_ = 0;
};

}  // namespace

bool startsParagraphInColumn(const Document& doc, int32_t field, int32_t line) {
  const TLineRec& current = doc.Fields[static_cast<size_t>(field)].Lines[static_cast<size_t>(line)];
  if (current.CellFirstLine) return true;
  const TLineRec* above = columnPredecessor(doc, field, line);
  if (above == nullptr || above->CellLastLine) return true;
  return above->LineEnd == kLineEndParagraph || above->LineEnd == kLineEndPage;
}

FrameGeometry frameGeometry(Document& doc, int32_t field, int32_t page, GeometryEffects& effects) {
  return GeometryBuilder(&doc, doc, field, page, &effects).build();
}

FrameGeometry frameGeometry(const Document& doc, int32_t field) {
  return GeometryBuilder(nullptr, doc, field, doc.Fields[static_cast<size_t>(field)].PageNo, nullptr).build();
}

}  // namespace vendaro
