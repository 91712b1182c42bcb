#include "editing/settle_layout.h"

#include <algorithm>

#include "document/floating_objects.h"
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
    // Objects are tied to their lines as a screen paint of the page would
    // tie them: output written from here (RTF) says which paragraph each
    // object belongs to, and a file read back keeps no line ids.
    if (!out.fieldWidthChanged) tieObjectsToNearestLines(doc);
    combined.fieldWidthChanged = combined.fieldWidthChanged || out.fieldWidthChanged;
    combined.layoutNeeded = combined.layoutNeeded || out.layoutNeeded;
  }
  return combined;
}

}  // namespace

PaintOutcome settleLayout(Editor& editor) {
  PaintOutcome out = paintEveryPage(editor);
  int passes = 0;
  for (; passes < kMaxLayoutRequestsInARow && out.wantsLayout(); ++passes) {
    editor.MakeSoftEnters();
    out = paintEveryPage(editor);
  }
  // The window shows the lines as they were before the passes.
  if (passes > 0) editor.host().requestRepaint();
  return out;
}

}  // namespace vendaro
