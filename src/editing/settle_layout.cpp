#include "editing/settle_layout.h"

#include <algorithm>

#include "layout/page_painter.h"
#include "platform/null_canvas.h"

namespace vendaro {
namespace {

PaintOutcome paintEveryPage(Editor& editor) {
  Document& doc = editor.doc();
  NullCanvas canvas(doc.PrinterDPI > 0 ? doc.PrinterDPI : kNoPrinterDPI);
  PaintState scratch;
  PaintOutcome combined;
  const int32_t pages = std::max(doc.GetAnzPages(), 1);
  for (int32_t page = 0; page < pages; ++page) {
    const PaintOutcome out = DrawPages(doc, canvas, editor.viewOptions(), scratch, true, 0, 0, page);
    combined.fieldWidthChanged = combined.fieldWidthChanged || out.fieldWidthChanged;
    combined.layoutNeeded = combined.layoutNeeded || out.layoutNeeded;
  }
  return combined;
}

}  // namespace

PaintOutcome settleLayout(Editor& editor) {
  PaintOutcome out = paintEveryPage(editor);
  for (int pass = 0; pass < kMaxLayoutRequestsInARow && out.wantsLayout(); ++pass) {
    editor.MakeSoftEnters();
    out = paintEveryPage(editor);
  }
  return out;
}

}  // namespace vendaro
