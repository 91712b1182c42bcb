// lpx_paint_fuzz.cpp — every native file the reader accepts is laid out
// until it settles and its first page painted, as printing and the window
// do, on a surface that sees the whole page but keeps nothing. Hangs,
// overflows and out-of-range conversions in layout or painting show here.
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "editing/editor.h"
#include "editing/settle_layout.h"
#include "formats/lpx_file.h"
#include "platform/null_canvas.h"
#include "shell/headless_host.h"

namespace {

// Low resolution keeps each run short; what the painters compute is the
// same at any resolution.
constexpr int kPaintDpi = 24;

class SeeingCanvas : public vendaro::NullCanvas {
 public:
  SeeingCanvas(int dpi, vendaro::CanvasRect visible) : NullCanvas(dpi), visible_(visible) {}
  vendaro::CanvasRect visibleRect() const override { return visible_; }

 private:
  vendaro::CanvasRect visible_;
};

vendaro::CanvasRect pageRect(const vendaro::Document& doc) {
  const double scale = double(kPaintDpi) / std::max(1, doc.PrinterDPI);
  return {0, 0, std::max(1, int(doc.PageWidthPx * scale)), std::max(1, int(doc.PageHeightPx * scale))};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::HeadlessHost host;
  vendaro::Editor editor(host);
  vendaro::Document fresh(editor.doc().fontEngine());
  if (!vendaro::decodeLpx(data, size, fresh)) return 0;
  editor.doc() = std::move(fresh);
  editor.documentLoaded();
  vendaro::settleLayout(editor);
  SeeingCanvas printed(kPaintDpi, pageRect(editor.doc()));
  editor.DrawPages(printed, true, 0, 0, 0);
  // The window's paint: the page at the document's zoom in a viewport.
  editor.paintState().viewport = vendaro::PaintViewport{0, 0, 1200, 900, 1180, 880, 16, 16, true, true};
  SeeingCanvas screen(96, {0, 0, 1180, 880});
  editor.DrawPages(screen, false);
  return 0;
}
