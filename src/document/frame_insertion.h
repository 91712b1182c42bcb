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

// Appends a text box on `page` (zero-based) with the given edges and one
// empty dirty line, and puts the caret and the selection anchor at its start.
// Takes no undo step and lays nothing out: callers do that as they need.
TFieldRec& TextfeldEinfuegenSimple(Document& doc, int32_t page, const FrameEdges& edges);

}  // namespace vendaro
