// mouse_clicks.cpp — double and triple clicks, and scrolling the caret into
// view after a paint.
#include <algorithm>

#include "document/selection.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

// A press this soon after a double click makes it a triple click.
constexpr uint64_t kTripleClickMs = 500;
// Room kept between the caret's line and the edge of the view.
constexpr int kCaretScrollMargin = 24;

// One axis of scrolling into view: the scroll position that shows `low` to
// `high` (pixels of the paint box) in a view `client` long, moving as
// little as possible. When it has to scroll back and the page's edge
// before them fits in the view too, it shows that edge, so that the start
// of a page is seen whole.
int scrollToShow(int scroll, int client, int low, int high, int pageEdge) {
  low -= kCaretScrollMargin;
  high += kCaretScrollMargin;
  if (low < scroll) return std::max(0, high - pageEdge <= client ? std::min(low, pageEdge) : low);
  if (high > scroll + client) return std::max(0, std::min(low, high - client));
  return scroll;
}

}  // namespace

void Editor::PaintBox1DblClick(uint64_t tickMs) {
  if (isThereAmarking(doc_)) return;
  WortMarkieren();
  ClickCount = 1;
  ClickTick = tickMs;
}

Editor::MouseDownKind Editor::mouseDownClickCount(uint64_t tickMs) {
  // The platform reports the second press of a double click after the
  // double click itself: it must leave the word selected.
  if (ClickCount == 1) {
    ClickCount = 2;
    return MouseDownKind::secondOfDoubleClick;
  }
  if (ClickCount == 2 && tickMs >= ClickTick && tickMs - ClickTick < kTripleClickMs) {
    ClickCount = 0;
    AbsatzMarkieren();
    OvertakeFont();
    return MouseDownKind::tripleClick;
  }
  ClickCount = 0;
  return MouseDownKind::ordinary;
}

Editor::ScrollPosition Editor::ScrollCursorinView(ScrollPosition scroll, int clientWidth, int clientHeight) const {
  if (doc_.CurField < 0 || doc_.CurField >= doc_.FieldCount() || !paintState_.caretRecorded) return scroll;
  const TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
  if (frame.FieldType > kFieldTextBox || (frame.FieldType == kFieldTextBox && frame.ObjSelected)) return scroll;
  const CaretRect& caret = paintState_.caret;
  const CaretLineBox& line = paintState_.caretLine;
  // The grey border around the page stack belongs to the page's edge.
  const int pageTop = line.pageTop - paintState_.originY;
  const int pageLeft = line.pageLeft - paintState_.originX;
  return {scrollToShow(scroll.x, clientWidth, caret.x, caret.x + caret.width, pageLeft),
          scrollToShow(scroll.y, clientHeight, line.top, line.bottom, pageTop)};
}

}  // namespace vendaro
