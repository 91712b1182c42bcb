// paint_state.h — what the page painter reads besides the document (view
// options, the scroll box it paints into, a pending mouse click) and what it
// leaves for the caret, the rulers, the mouse and the status bar. The editor
// window keeps one PaintState from paint to paint.
#pragma once

#include <cstdint>
#include <string>

#include "document/paint_side_lists.h"
#include "document/text_pos.h"
#include "layout/view_overlay.h"
#include "platform/drawing_tools.h"

namespace vendaro {

// Display switches of the window and the program options that painting obeys.
struct ViewOptions {
  bool ShowTabs = false;
  bool ShowSpaces = false;
  bool ShowParagraphMarks = false;
  bool ShowAllMarks = false;
  bool CheckWhileTyping = true;
  bool HideFieldGuides = false;  // option "Graue Hilfslinien um Eingabefelder" off
  bool GridLines = true;         // menu "Gitternetzlinien"
  bool PageView = false;         // the page preview (Seitenansicht)
  bool LinkMode = false;         // the next object click links a text box
  int32_t LinkSource = -1;       // the text box whose chain a link continues
  int32_t LinkHead = -1;
};

// The scroll box around the paint box, in screen pixels.
struct PaintViewport {
  int scrollX = 0, scrollY = 0;         // scroll positions
  int width = 800, height = 600;        // scroll box size
  int clientWidth = 800, clientHeight = 600;  // its visible inner area
  int vScrollBarWidth = 16, hScrollBarHeight = 16;
  bool hasFocus = true;
  bool activeWindow = true;             // the status bar belongs to this window
};

// A mouse click, drag selection or text drag waiting to be resolved by the
// next paint (paint-box pixels).
struct PendingClick {
  bool ClickPending = false;
  bool DragSelecting = false;
  bool DragMoving = false;
  int ClickX = 0, ClickY = 0;
  int ClickShift = 0;  // bit 0 Shift, bit 2 Ctrl
  bool shift() const { return (ClickShift & 1) != 0; }
  bool active() const { return ClickPending || DragSelecting; }
};

// What a click on an object's grip area recorded for moving and resizing.
struct ObjectGrip {
  int32_t handle = 0;   // 1–4 corners, 5–8 edge middles, 0 the body
  int32_t frame = -1;
  CanvasRect area;      // the frame's rectangle grown by 6 pixels
  int offsetLeft = 0, offsetTop = 0, offsetRight = 0, offsetBottom = 0;
  int originX = 0, originY = 0;
  double mmPerPixel = 0;
  int lastDragX = -9999, lastDragY = -9999;
};

// The handles of the one selected picture cell, and a press on one of them.
struct PictureGrip {
  bool shown = false;   // the last paint drew the cell's handles
  TextPos cell;         // the picture cell (frame, line, cell index)
  CanvasRect rect;      // the picture on the paint box
  int32_t handle = 0;   // the handle a pending press hit: 1–8, 0 none
};

struct CaretRect {
  int x = 0, y = 0, width = 0, height = 0;
  bool operator==(const CaretRect&) const = default;
};

// The caret's whole line (its top to its baseline) and the top-left corner
// of the page it is painted on, in pixels of the paint box.
struct CaretLineBox {
  int top = 0, bottom = 0;
  int pageLeft = 0, pageTop = 0;
};

// The caret line's geometry for the rulers, in pixels of the scroll box.
// Each screen paint starts without it: a caret in a drawing or picture
// frame leaves the rulers empty.
struct RulerGeometry {
  int columnLeft = 0, columnRight = 0;  // the column's offset included
  double mmAtLeft = 0, mmAtRight = 0;  // 0 and the column width
  int leftIndent = 0, firstLineIndent = 0, rightIndent = 0;
  int columnOffset = 0;
  double frameWidthMm = 0;
  int textTop = 0, textBottom = 0;     // the vertical ruler
  double frameHeightMm = 0;
  bool valid = false;
};

// Kept by the editor window from one paint to the next.
struct PaintState {
  PaintViewport viewport;     // set by the window before each paint
  int paintBoxWidth = 0, paintBoxHeight = 0;
  int originX = 16, originY = 16;
  int pageWidthPx = 0, pageHeightPx = 0;
  double mmPerPixel = 0;

  // The caret rectangle of the last paint and whether a caret is shown.
  CaretRect caret;
  CaretLineBox caretLine;
  bool caretRecorded = false; // the caret's line was painted
  bool caretShown = false;
  bool CaretBelowFrame = false;
  RulerGeometry ruler;
  ViewOverlay overlay;        // drawn over the composed image, not painted

  PaintSideLists sideLists;
  PendingClick click;
  ObjectGrip grip;            // valid when grip.frame ≥ 0
  PictureGrip pictureGrip;
  int32_t hitFrame = -1;      // the frame a pending click landed in
  bool clickConsumed = false; // the pending click went to an object
  int32_t caretPage = 0;      // the page the caret was painted on
  bool MarginClicked = false;
  bool PictureSelected = false;
  CaretRect dropCaret;        // where dragged text would be dropped
  bool dropCaretShown = false;
  TextPos dropPos;
  bool clickResolved = false; // the caret moved: the caret needs a new paint

  bool fullLayout = false;    // set after reading a foreign format
};

// Text flow and anchored objects feed back into the layout; should they
// keep asking for another pass (a line that wraps differently each time),
// paints stop asking after this many in a row.
inline constexpr int kMaxLayoutRequestsInARow = 8;

// What one paint asks of the editor afterwards.
struct PaintOutcome {
  bool resized = false;        // the paint box took a new size; paint again
  bool fieldWidthChanged = false;  // a page-number field changed width
  bool layoutNeeded = false;   // text flow or an anchored object moved
  bool completeRefresh = false;    // the full-layout paint is over
  std::string pageStatus, lineStatus;  // empty when the status bar is not ours
  int32_t caretPage = 0;

  bool wantsLayout() const { return fieldWidthChanged || layoutNeeded; }
};

}  // namespace vendaro
