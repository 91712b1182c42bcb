// mouse_clicks.cpp — double and triple clicks, and scrolling the caret into
// view after a paint.
#include "document/selection.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

// A press this soon after a double click makes it a triple click.
constexpr uint64_t kTripleClickMs = 500;
// The caret counts as this tall when it is scrolled into view.
constexpr int kCaretScrollHeight = 22;

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

int Editor::ScrollCursorinView(int scrollY, int clientHeight) const {
  if (doc_.CurField < 0 || doc_.CurField >= doc_.FieldCount() || !paintState_.caretRecorded) return scrollY;
  const TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
  if (frame.FieldType > kFieldTextBox || (frame.FieldType == kFieldTextBox && frame.ObjSelected)) return scrollY;
  const int top = paintState_.caret.y;
  if (top < scrollY) return top;
  if (top + kCaretScrollHeight > scrollY + clientHeight) return top + kCaretScrollHeight - clientHeight;
  return scrollY;
}

}  // namespace vendaro
