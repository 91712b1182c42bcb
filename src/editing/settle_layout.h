// settle_layout.h — brings a document to the state its output shows before
// anything is printed or exported: every page is painted on a surface that
// draws nothing, and laid out again, until no paint asks for more.
#pragma once

#include "editing/editor.h"
#include "layout/paint_state.h"

namespace vendaro {

// Paints (in print mode) every page and runs a layout pass while a paint
// asks for one — page-number fields that took another width, text flowing
// around objects, anchored objects that moved, table rows taking their
// width — at most kMaxLayoutRequestsInARow times. After each page's paint
// the objects that move with the text are tied to their lines, as at the
// end of a screen paint. Returns what the last round of paints asked for:
// nothing when the document settled. The window's paint state (caret,
// rulers, mouse lists) is left as it was.
PaintOutcome settleLayout(Editor& editor);

}  // namespace vendaro
