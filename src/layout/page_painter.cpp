#include "layout/page_painter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "document/floating_objects.h"
#include "layout/frame_painter.h"
#include "layout/frame_passes.h"
#include "layout/paint_context.h"
#include "platform/null_canvas.h"

namespace vendaro {

int32_t caretFramePage(const Document& doc) {
  if (doc.CurField < 0 || doc.CurField >= doc.FieldCount()) return 0;
  const TFieldRec& frame = doc.Fields[static_cast<size_t>(doc.CurField)];
  if (frame.FieldType == kFieldHeader || frame.FieldType == kFieldFooter) return doc.CaretPage;
  return frame.PageNo;
}

namespace {

constexpr int kPageGap = 21;     // between pages of the stack
constexpr int kBoxMargin = 36;   // paint box beyond the page: origin 16 and 20 below
constexpr int kOrigin = 16;
constexpr int kHandle = 7;

bool contains(const CanvasRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

class PagePainter {
 public:
  PagePainter(Document& doc, Canvas& canvas, const ViewOptions& options, PaintState& state, bool printMode)
      : doc_(doc), state_(state), printMode_(printMode),
        scale_(doc, canvas.dpi(), printMode ? 100.0 : doc.ZoomPercent),
        nullCanvas_(canvas.dpi()),
        ctx_(doc, state.fullLayout && !printMode ? static_cast<Canvas&>(nullCanvas_) : canvas, scale_, options, state,
             printMode) {}

  PaintOutcome paintScreen();
  PaintOutcome paintPrinted(int originY, int originX, int page);

 private:
  bool sizePaintBox();
  void beginPaint();
  void paintPage(int32_t page);
  void paintPageBackground();
  void resolveObjectClick();
  void paintFrames();
  void finishScreenPaint(PaintOutcome& out);
  void registerCaretObject();
  void placeCaret();

  Document& doc_;
  PaintState& state_;
  const bool printMode_;
  ViewScale scale_;
  NullCanvas nullCanvas_;
  PaintContext ctx_;
  bool clickConsumed_ = false;
  CanvasRect caretFrameRect_;
  bool caretFramePainted_ = false;
};

bool PagePainter::sizePaintBox() {
  const PaintViewport& vp = state_.viewport;
  const int pages = std::max(doc_.GetAnzPages(), 1);
  int width = scale_.pageWidth + kBoxMargin;
  int height = (scale_.pageHeight + kPageGap) * (pages - 1) + scale_.pageHeight + kBoxMargin;
  int originX = kOrigin, originY = kOrigin;
  const int freeWidth = vp.width - vp.vScrollBarWidth - 4;
  if (width < freeWidth) {
    originX += (freeWidth - width) / 2;
    width = freeWidth + 1;
  }
  const int freeHeight = vp.height - vp.hScrollBarHeight - 4;
  if (height < freeHeight) {
    originY += (freeHeight - height) / 2;
    height = freeHeight + 1;
  }
  state_.originX = originX;
  state_.originY = originY;
  if (width == state_.paintBoxWidth && height == state_.paintBoxHeight) return false;
  state_.paintBoxWidth = width;
  state_.paintBoxHeight = height;
  return true;
}

void PagePainter::beginPaint() {
  state_.pageWidthPx = scale_.pageWidth;
  state_.pageHeightPx = scale_.pageHeight;
  state_.mmPerPixel = scale_.mmPerPixel;
  state_.sideLists.FreeMouseObjs();
  state_.sideLists.FreeTableTrack();
  state_.caretRecorded = false;
  if (!printMode_) state_.ruler.valid = false;
  state_.CaretBelowFrame = false;
  state_.hitFrame = -1;
  state_.clickConsumed = false;
  state_.clickResolved = false;
  state_.dropCaretShown = false;
  state_.pictureGrip.shown = false;
  if (state_.click.active()) {
    state_.grip = ObjectGrip{};
    state_.pictureGrip.handle = 0;
  }
  resetAnchorSearch(doc_);
  ctx_.hasSelection = !printMode_ && isThereAmarking(doc_);
  if (ctx_.hasSelection) ctx_.selection = FindMarkingStart(doc_);
}

PaintOutcome PagePainter::paintScreen() {
  PaintOutcome out;
  if (sizePaintBox()) {
    out.resized = true;
    return out;
  }
  beginPaint();
  const PaintViewport& vp = state_.viewport;
  const int bitmapHeight = scale_.pageHeight + state_.originY + 20;
  const int32_t caretPage = caretFramePage(doc_);
  const int32_t pages = std::max(doc_.GetAnzPages(), 1);
  for (int32_t p = 0; p < pages; ++p) {
    const int top = (scale_.pageHeight + kPageGap) * p;
    const bool seen = top + bitmapHeight >= vp.scrollY && vp.clientHeight + vp.scrollY >= top;
    if (!seen && p != caretPage) continue;
    ctx_.pageLeft = state_.originX;
    ctx_.pageTop = top + state_.originY;
    paintPage(p);
  }
  finishScreenPaint(out);
  return out;
}

PaintOutcome PagePainter::paintPrinted(int originY, int originX, int page) {
  PaintOutcome out;
  beginPaint();
  ctx_.canvas.setBrush({BrushStyle::solid, kWhite});
  ctx_.canvas.setPen({PenStyle::solid, 1, kBlack});
  ctx_.pageLeft = originX;
  ctx_.pageTop = originY;
  ctx_.page = page;
  paintFrames();
  out.fieldWidthChanged = ctx_.effects.fieldWidthChanged;
  out.layoutNeeded = ctx_.effects.flowShiftChanged || ctx_.effects.anchoredObjectMoved;
  return out;
}

void PagePainter::paintPage(int32_t page) {
  ctx_.page = page;
  paintPageBackground();
  if (state_.click.active() && !printMode_) resolveObjectClick();
  paintFrames();
}

void PagePainter::paintPageBackground() {
  Canvas& canvas = ctx_.canvas;
  const int ox = ctx_.pageLeft, oy = ctx_.pageTop;
  const int pw = scale_.pageWidth, ph = scale_.pageHeight;
  const int bandTop = oy - state_.originY;
  const int bandBottom = bandTop + ph + state_.originY + 20;
  const int boxRight = std::max(state_.paintBoxWidth, ox + pw + 20);
  // The strips around the page, then the page with its outline and shadow.
  canvas.fillRect({0, bandTop, boxRight, oy}, kWhite);
  canvas.fillRect({0, oy + ph + 2, boxRight, bandBottom}, kWhite);
  canvas.fillRect({0, oy, ox, oy + ph + 2}, kWhite);
  canvas.fillRect({ox + pw + 2, oy, boxRight, oy + ph + 2}, kWhite);
  canvas.setBrush({BrushStyle::solid, kWhite});
  canvas.setPen({PenStyle::solid, 1, kBlack});
  canvas.rectangle({ox, oy, ox + pw + 2, oy + ph + 2});
  canvas.fillRect({ox + pw + 2, oy + 2, ox + pw + 4, oy + ph + 4}, kBlack);
  canvas.fillRect({ox + 2, oy + ph + 2, ox + pw + 4, oy + ph + 4}, kBlack);
}

// A click on an object: selection flags, the hit frame and, on a grip, what
// the move or resize needs.
void PagePainter::resolveObjectClick() {
  const PendingClick& click = state_.click;
  bool byGrip = false;
  bool anySelected = false;
  for (int32_t i = 0; i < doc_.FieldCount(); ++i) {
    TFieldRec& frame = doc_.Fields[static_cast<size_t>(i)];
    if (frame.FieldType == kFieldBody || !shownOnPage(frame, ctx_.page)) continue;
    if (!click.shift()) frame.ObjSelected = 0;
    const CanvasRect r = placeFrame(ctx_, frame).rect;
    const CanvasRect inner{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    bool hitInside = false;
    if (contains(inner, click.ClickX, click.ClickY)) {
      state_.hitFrame = i;
      byGrip = false;
      hitInside = true;
      if (click.shift() && isObject(frame)) frame.ObjSelected = frame.ObjSelected ? 0 : 1;
    }
    const bool gripped = isObject(frame) && ((doc_.CurField == i && !hitInside) || frame.ObjSelected ||
                                             frame.FieldType > kFieldTextBox);
    const CanvasRect grip = grown(r, kGripRing);
    if (gripped && contains(grip, click.ClickX, click.ClickY)) {
      state_.hitFrame = i;
      byGrip = true;
      ObjectGrip& g = state_.grip;
      g.frame = i;
      g.handle = 0;
      const auto handles = handleRects(grip, kHandle);
      for (size_t h = 0; h < handles.size(); ++h)
        if (contains(handles[h], click.ClickX, click.ClickY)) g.handle = static_cast<int32_t>(h) + 1;
      g.area = grip;
      g.offsetLeft = click.ClickX - grip.left;
      g.offsetTop = click.ClickY - grip.top;
      g.offsetRight = grip.right - click.ClickX;
      g.offsetBottom = grip.bottom - click.ClickY;
      g.originX = ctx_.pageLeft;
      g.originY = ctx_.pageTop;
      g.mmPerPixel = scale_.mmPerPixel;
      g.lastDragX = g.lastDragY = -9999;
    }
    anySelected = anySelected || (isObject(frame) && frame.ObjSelected);
  }
  if (byGrip && state_.hitFrame >= 0) {
    const int32_t hit = state_.hitFrame;
    doc_.Fields[static_cast<size_t>(hit)].ObjSelected = 1;
    doc_.CurField = doc_.MarkField = hit;
    doc_.CurLine = doc_.MarkLine = doc_.CurChar = doc_.MarkChar = 0;
    clickConsumed_ = true;
  }
  if (click.shift() && anySelected) clickConsumed_ = true;
  state_.clickConsumed = clickConsumed_;
}

void PagePainter::paintFrames() {
  FrameFocus focus;
  focus.hitFrame = state_.hitFrame;
  for (const TFieldRec& frame : doc_.Fields)
    if (isObject(frame) && frame.ObjSelected && shownOnPage(frame, ctx_.page)) focus.anyObjectSelected = true;
  const bool everyPage = state_.fullLayout && !printMode_;
  for (int pass = 0; pass < kFramePasses; ++pass) {
    for (int32_t i = 0; i < doc_.FieldCount(); ++i) {
      const TFieldRec& frame = doc_.Fields[static_cast<size_t>(i)];
      if (passOf(frame) != pass) continue;
      if (!everyPage && !shownOnPage(frame, ctx_.page)) continue;
      ctx_.recordsCaret = i != doc_.CurField || !state_.caretRecorded || ctx_.page == doc_.CaretPage;
      paintFrame(ctx_, i, focus);
      if (i == doc_.CurField) {
        caretFrameRect_ = placeFrame(ctx_, frame).rect;
        caretFramePainted_ = true;
        if (state_.caretRecorded && ctx_.recordsCaret) state_.caretPage = ctx_.page;
      }
    }
  }
}

void PagePainter::registerCaretObject() {
  if (!caretFramePainted_ || doc_.CurField < 0 || doc_.CurField >= doc_.FieldCount()) return;
  const TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
  if (!isObject(frame)) return;
  const CanvasRect grip = grown(caretFrameRect_, kGripRing);
  PaintSideLists& lists = state_.sideLists;
  if (frame.FieldType > kFieldTextBox) lists.AddMouseObj(2, grip.left, grip.top, grip.right, grip.bottom);
  lists.AddMouseObj(2, grip.left, grip.top, grip.right, grip.top + kHandle);
  lists.AddMouseObj(2, grip.left, grip.bottom - kHandle, grip.right, grip.bottom);
  lists.AddMouseObj(2, grip.left, grip.top, grip.left + kHandle, grip.bottom);
  lists.AddMouseObj(2, grip.right - kHandle, grip.top, grip.right, grip.bottom);
  const auto handles = handleRects(grip, kHandle);
  for (size_t h = 0; h < handles.size(); ++h)
    lists.AddMouseObj(static_cast<int32_t>(h) + 3, handles[h].left, handles[h].top, handles[h].right, handles[h].bottom);
  if (frame.ObjSelected || state_.hitFrame == doc_.CurField || state_.hitFrame < 0) paintHandles(ctx_, caretFrameRect_, kHandle);
}

void PagePainter::placeCaret() {
  const PendingClick& click = state_.click;
  bool wanted = state_.caretRecorded && !state_.CaretBelowFrame && !ctx_.hasSelection && state_.viewport.hasFocus &&
                !click.DragSelecting && !click.DragMoving;
  if (wanted && doc_.CurField >= 0 && doc_.CurField < doc_.FieldCount()) {
    const TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
    wanted = frame.FieldType <= kFieldFooter || (frame.FieldType == kFieldTextBox && !frame.ObjSelected);
  }
  state_.caretShown = wanted;
}

void PagePainter::finishScreenPaint(PaintOutcome& out) {
  registerCaretObject();
  placeCaret();
  if (state_.caretRecorded) doc_.CaretPage = state_.caretPage;
  out.caretPage = doc_.CaretPage;
  if (state_.viewport.activeWindow) {
    const int32_t page = caretFramePage(doc_) + 1;
    const std::string p = std::to_string(page);
    out.pageStatus = "S " + p + "     " + p + "/" + std::to_string(std::max(doc_.GetAnzPages(), 1));
    out.lineStatus = "Ze " + std::to_string(doc_.CurLine + 1) + "     Sp " + std::to_string(doc_.CurChar + 1);
  }
  out.fieldWidthChanged = ctx_.effects.fieldWidthChanged;
  out.layoutNeeded = ctx_.effects.flowShiftChanged || ctx_.effects.anchoredObjectMoved;
  if (!out.fieldWidthChanged) tieObjectsToNearestLines(doc_);
  if (state_.fullLayout) {
    state_.fullLayout = false;
    out.completeRefresh = true;
  }
}

}  // namespace

PaintOutcome DrawPages(Document& doc, Canvas& canvas, const ViewOptions& options, PaintState& state, bool printMode,
                       int originY, int originX, int page) {
  if (doc.Fields.empty()) return {};
  PagePainter painter(doc, canvas, options, state, printMode);
  return printMode ? painter.paintPrinted(originY, originX, page) : painter.paintScreen();
}

std::optional<PageHit> pageAtPoint(const Document& doc, const PaintState& state, int x, int y) {
  const int height = state.pageHeightPx, width = state.pageWidthPx;
  if (height <= 0 || x < state.originX || x > state.originX + width || y < state.originY) return std::nullopt;
  const int32_t page = (y - state.originY) / (height + kPageGap);
  const int top = state.originY + page * (height + kPageGap);
  if (page >= std::max(doc.GetAnzPages(), 1) || y > top + height) return std::nullopt;
  // Frames stand one pixel right of and two below the page's outline.
  return PageHit{page, state.originX + 1, top + 2};
}

double FormResizeZoom(const Document& doc, int dpi, const PaintViewport& vp) {
  const double printerDpi = doc.PrinterDPI > 0 ? doc.PrinterDPI : kNoPrinterDPI;
  const double wpx = std::trunc(doc.PageWidthPx * dpi / printerDpi);
  const double hpx = std::trunc(doc.PageHeightPx * dpi / printerDpi);
  const double width = vp.width - 2 * vp.vScrollBarWidth - 4;
  const double height = vp.height - 2 * vp.hScrollBarHeight - 4;
  // A window too small for any page still gets a usable zoom.
  const auto usable = [](double zoom) { return std::clamp(zoom, 1.0, 1000.0); };
  if (doc.ZoomMode == 1) return usable(std::round(width * 10000.0 / (wpx + kBoxMargin)) / 100.0);
  if (doc.ZoomMode == 2) {
    const double byWidth = std::trunc(width * 10000.0 / (wpx + kBoxMargin)) / 100.0;
    const double byHeight = std::round(height * 10000.0 / (hpx + kBoxMargin)) / 100.0;
    return usable(std::min(byWidth, byHeight));
  }
  return doc.ZoomPercent;
}

}  // namespace vendaro
