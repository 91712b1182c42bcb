// line_geometry.h — where every line and character cell of a frame stands,
// in millimetres, as painting finishes the layout: alignment, justification,
// table cells, columns and text flowing around objects. The screen painter,
// click resolution and the PDF painter all walk this one result.
#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"

namespace vendaro {

struct LineGeometry {
  int32_t line = 0;          // index in the frame
  double top = 0;            // mm below the frame's top edge
  double height = 0;         // LineHeight
  // The line's box: its text column, or its table cell; mm from the left of
  // the frame's text area.
  double boxLeft = 0, boxRight = 0;
  bool tableCell = false;
  bool paragraphStart = false;
  double bulletX = 0;        // where a bullet or number stands, mm from the text area
  double textX = 0;          // where cell 0 would stand before alignment
  double alignOffset = 0;
  double spaceExtra = 0;     // added after each space of a justified line
  // Left edge of every cell, mm from the text area, with one more entry for
  // the end of the last cell.
  std::vector<double> cellX;

  double bottom() const { return top + height; }
  double cellRight(size_t cell) const { return cellX[cell + 1]; }
};

struct FrameGeometry {
  int32_t field = -1;
  FrameBounds bounds;        // the frame on the paper, mm
  double textWidth = 0;      // of the text area
  double textHeight = 0;
  std::vector<LineGeometry> lines;
};

// What working out the geometry changed in the document.
struct GeometryEffects {
  bool flowShiftChanged = false;    // lines were marked for layout
  bool anchoredObjectMoved = false;
  bool fieldWidthChanged = false;   // a page-number field took another width
};

// Works out the geometry of frame `field` as shown on the zero-based `page`.
// For page bodies, headers and footers it also applies text flow around
// objects (FlowShift), moves anchored objects with their lines and records
// anchor candidates; page-number fields show `page` + 1.
FrameGeometry frameGeometry(Document& doc, int32_t field, int32_t page, GeometryEffects& effects);

// The same geometry without touching the document (the lines as they stand).
FrameGeometry frameGeometry(const Document& doc, int32_t field);

// Whether the line starts a paragraph in its cell column (following the
// text chain back into the previous frame).
bool startsParagraphInColumn(const Document& doc, int32_t field, int32_t line);

}  // namespace vendaro
