// line_painter.h — paints one laid-out line of a text frame: table cell
// background and borders, column separators, bullets and numbers, the
// character cells with their effects, marks, spelling zigzags and the
// selection; records the caret and the ruler geometry of the caret's line.
#pragma once

#include <cstdint>

#include "layout/paint_context.h"
#include "layout/text_painter.h"

namespace vendaro {

class LinePainter {
 public:
  LinePainter(PaintContext& ctx, const FrameGeometry& geometry, const FramePlacement& place);

  void paint(const LineGeometry& g);

 private:
  struct CellBox {
    int left = 0, right = 0;
  };
  CellBox cellBox(const LineGeometry& g, size_t cell) const;
  int baseline(const LineGeometry& g) const { return place_.y(g.bottom()); }

  void paintTableCell(const LineGeometry& g, const TLineRec& line);
  void paintTableBorder(int x1, int y1, int x2, int y2, int side, const TCellDesign& design);
  void paintColumnSeparator(const LineGeometry& g, const TLineRec& line);
  void paintListMark(const LineGeometry& g, const TLineRec& line);
  void paintCells(const LineGeometry& g, const TLineRec& line);
  size_t paintTextRun(const LineGeometry& g, const TLineRec& line, size_t first);
  void paintSpecialCell(const LineGeometry& g, const TLineRec& line, size_t index);
  void paintTabCell(const LineGeometry& g, const TCharRec& cell, const CellBox& box);
  void paintSpaceMark(const LineGeometry& g, const TCharRec& cell, const CellBox& box);
  void paintCellBackground(const LineGeometry& g, const TCharRec& cell, const CellBox& box);
  void paintZigzag(int left, int right, int y);
  void paintLineEndMark(const LineGeometry& g, const TLineRec& line);
  void invertSelection(const LineGeometry& g, const TLineRec& line);
  // The one selected picture cell of the line: its frame and handles, and a
  // pending press on one of them.
  void paintPictureSelection(const LineGeometry& g, const TLineRec& line);
  void recordCaret(const LineGeometry& g, const TLineRec& line);
  void publishRuler(const LineGeometry& g, const TLineRec& line);
  // The top of a cell's text: its stored height above the baseline, or the
  // height of the reduced font for subscript and small capitals.
  int textTop(const LineGeometry& g, const TCharRec& cell, const TFontRec& font);
  bool lineSelected(int32_t line, int32_t cell) const;

  PaintContext& ctx_;
  const FrameGeometry& geometry_;
  const FramePlacement& place_;
  const TFieldRec& frame_;
  TextPainter text_;
};

}  // namespace vendaro
