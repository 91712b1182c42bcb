// frame_insertion.h — appending a floating frame (text box, drawing object,
// picture frame) with the defaults every new object starts from. The editor's
// insert commands and the file readers create frames through this one place.
#pragma once

#include <cstdint>

#include "document/document.h"

namespace vendaro {

// A frame's edges in mm from the top-left corner of its page.
struct FrameEdges {
  double left = 0, top = 0, right = 0, bottom = 0;
};

// A frame's edges measured from the page's top-left corner, converting
// those the frame measures from the bottom or right with the paper size as
// painting does; and the way back into the frame's own way of measuring.
FrameEdges edgesFromTopLeft(const Document& doc, const TFieldRec& frame);
void setEdgesFromTopLeft(const Document& doc, TFieldRec& frame, const FrameEdges& edges);

// Appends a text box on `page` (zero-based) with the given edges and one
// empty dirty line, and puts the caret and the selection anchor at its start.
// Takes no undo step and lays nothing out: callers do that as they need.
TFieldRec& TextfeldEinfuegenSimple(Document& doc, int32_t page, const FrameEdges& edges);

// Line and fill of a new drawing object: the program's current choices.
struct ObjectStyle {
  double lineWidth = 0.75;  // points
  int32_t lineColor = 0;
  int32_t fillColor = 0xFFFFFF;
  bool fillNone = false;
};

// Drawing objects and picture frames by their insert kind: 0 rectangle,
// 1 ellipse, 2 oblique line, 3 horizontal line, 4 vertical line, 5 picture
// frame; the frame kind is the insert kind + 4.
inline constexpr int32_t kInsertKindPictureFrame = 5;
inline constexpr int32_t kInsertKindCount = 6;

// Appends a drawing object or picture frame as TextfeldEinfuegenSimple does a
// text box: the same defaults, except that text does not wrap around it and
// its line and fill come from `style`. `flip` runs a line from bottom-left
// to top-right.
TFieldRec& InsertObjectSimple(Document& doc, int32_t kind, int32_t page, bool flip, const FrameEdges& edges,
                              const ObjectStyle& style);

}  // namespace vendaro
