#include "layout/frame_painter.h"

#include "document/floating_objects.h"
#include "layout/click_resolution.h"
#include "layout/layout_run.h"
#include "layout/line_painter.h"
#include "layout/text_painter.h"

namespace vendaro {
namespace {


bool isTextFrame(const TFieldRec& frame) { return frame.FieldType <= kFieldTextBox; }

void paintShape(PaintContext& ctx, const TFieldRec& frame, const CanvasRect& r) {
  Canvas& canvas = ctx.canvas;
  const auto [pen, brush] = frameTools(frame, ctx.scale);
  canvas.setBrush(brush);
  canvas.setPen(pen);
  switch (frame.FieldType) {
    case kFieldEllipse: canvas.ellipse(r); break;
    case kFieldLine:
      if (frame.LineFlip) canvas.line(r.right, r.top, r.left, r.bottom);
      else canvas.line(r.left, r.top, r.right, r.bottom);
      break;
    case kFieldHorizontalLine: canvas.line(r.left, (r.top + r.bottom) / 2, r.right, (r.top + r.bottom) / 2); break;
    case kFieldVerticalLine: canvas.line((r.left + r.right) / 2, r.top, (r.left + r.right) / 2, r.bottom); break;
    case kFieldPicture:
      if (const TPictureRec* picture = framePicture(ctx.doc, frame))
        canvas.drawPicture(pictureArea(r, *picture, frame.KeepAspect), *picture);
      break;
    default:
      if (brush.style != BrushStyle::clear) canvas.fillRect(r, brush.color);
      if (pen.style != PenStyle::clear) {
        canvas.setBrush({BrushStyle::clear, kWhite});
        canvas.rectangle(r);
      }
      break;
  }
}

// The hatched ring around a current text box, outside its rectangle.
void paintSelectionRing(PaintContext& ctx, const CanvasRect& r) {
  const CanvasRect ring = grown(r, kGripRing);
  ctx.canvas.setBrush({BrushStyle::diagonalHatch, kWhite});
  ctx.canvas.setPen({PenStyle::clear, 1, kBlack});
  const CanvasRect strips[4] = {{ring.left, ring.top, ring.right, r.top},
                                {ring.left, r.bottom, ring.right, ring.bottom},
                                {ring.left, r.top, r.left, r.bottom},
                                {r.right, r.top, ring.right, r.bottom}};
  for (const CanvasRect& strip : strips) ctx.canvas.rectangle(strip);
}

void paintGuides(PaintContext& ctx, const TFieldRec& frame, const FramePlacement& place) {
  const CanvasRect& r = place.rect;
  if (isFootnoteArea(frame)) {
    if (!frame.SeparatorLine) return;
    ctx.canvas.setPen({PenStyle::solid, 1, kBlack});
    const int y = r.top + ctx.scale.px(frame.MarginTop);
    ctx.canvas.line(r.left, y, r.right, y);
    return;
  }
  if (!ctx.showsHelpers() || ctx.options.HideFieldGuides) return;
  ctx.canvas.setPen({PenStyle::solid, 1, kSilver});
  if (frame.MarginLeft != 0) {
    const int x = r.left + ctx.scale.px(frame.MarginLeft);
    ctx.canvas.line(x, r.top, x, r.bottom);
  }
  if (frame.MarginRight != 0) {
    const int x = r.right - ctx.scale.px(frame.MarginRight);
    ctx.canvas.line(x, r.top, x, r.bottom);
  }
  if (frame.MarginTop != 0) {
    const int y = r.top + ctx.scale.px(frame.MarginTop);
    ctx.canvas.line(r.left, y, r.right, y);
  }
  if (frame.MarginBottom != 0) {
    const int y = r.bottom - ctx.scale.px(frame.MarginBottom);
    ctx.canvas.line(r.left, y, r.right, y);
  }
}

bool isCurrentObject(const PaintContext& ctx, int32_t field, const TFieldRec& frame, const FrameFocus& focus) {
  if (frame.ObjSelected) return true;
  if (focus.anyObjectSelected) return false;
  if (focus.hitFrame >= 0) return focus.hitFrame == field;
  return ctx.doc.CurField == field;
}

}  // namespace

FrameTools frameTools(const TFieldRec& frame, const ViewScale& scale) {
  FrameTools tools;
  tools.brush.color = rgbOf(frame.BackColor);
  if (frame.Transparent && tools.brush.color == kWhite) tools.brush.style = BrushStyle::clear;
  tools.pen.color = rgbOf(frame.BorderColor);
  tools.pen.width = scale.penWidth(frame.BorderWidth);
  if (tools.pen.width == 0) {
    tools.pen.style = PenStyle::clear;
    tools.pen.width = 1;
  }
  return tools;
}

const TPictureRec* framePicture(const Document& doc, const TFieldRec& frame) {
  if (frame.Lines.empty() || frame.Lines[0].Chars.empty()) return nullptr;
  const TCharRec& cell = frame.Lines[0].Chars[0];
  if (cell.Kind != kCellPicture || cell.PictureIndex >= doc.Pictures.size()) return nullptr;
  const TPictureRec& picture = doc.Pictures[cell.PictureIndex];
  if (!picture.hasPixels() || picture.width() <= 0 || picture.height() <= 0) return nullptr;
  return &picture;
}

// Full width, or full height when the width would make it too tall; the
// picture stays at the top left of its frame.
CanvasRect pictureArea(const CanvasRect& r, const TPictureRec& picture, bool keepAspect) {
  if (!keepAspect) return r;
  const long long w = r.right - r.left, h = r.bottom - r.top;
  long long height = w * picture.height() / picture.width();
  long long width = w;
  if (height > h) {
    height = h;
    width = picture.width() * height / picture.height();
  }
  return {r.left, r.top, r.left + static_cast<int>(width), r.top + static_cast<int>(height)};
}

CanvasRect grown(const CanvasRect& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

std::array<CanvasRect, 8> handleRects(const CanvasRect& g, int corner) {
  const int midX = (g.left + g.right) / 2, midY = (g.top + g.bottom) / 2;
  const int edge = corner - 1;  // the short side of an edge handle
  return {CanvasRect{g.left, g.top, g.left + corner, g.top + corner},
          CanvasRect{g.right - corner, g.top, g.right, g.top + corner},
          CanvasRect{g.left, g.bottom - corner, g.left + corner, g.bottom},
          CanvasRect{g.right - corner, g.bottom - corner, g.right, g.bottom},
          CanvasRect{midX - edge / 2, g.top, midX - edge / 2 + edge, g.top + corner},
          CanvasRect{midX - edge / 2, g.bottom - corner, midX - edge / 2 + edge, g.bottom},
          CanvasRect{g.left, midY - edge / 2, g.left + corner, midY - edge / 2 + edge},
          CanvasRect{g.right - corner, midY - edge / 2, g.right, midY - edge / 2 + edge}};
}

void paintHandles(PaintContext& ctx, const CanvasRect& rect, int cornerSize) {
  ctx.canvas.setBrush({BrushStyle::solid, kWhite});
  ctx.canvas.setPen({PenStyle::solid, 1, kBlack});
  for (const CanvasRect& h : handleRects(grown(rect, kGripRing), cornerSize)) ctx.canvas.rectangle(h);
}

FramePlacement placeFrameOnPage(const ViewScale& s, const TFieldRec& frame, int ox, int oy) {
  FramePlacement place;
  CanvasRect& r = place.rect;
  r.left = s.px(frame.Left) + ox;
  r.right = frame.RightFromRight ? ox + s.pageWidth - s.px(frame.Right) - 1 : s.px(frame.Right) + ox;
  r.top = frame.TopFromBottom && frame.BottomFromBottom ? oy + s.pageHeight - s.px(frame.Top) - 1 : s.px(frame.Top) + oy;
  r.bottom = frame.BottomFromBottom ? oy + s.pageHeight - s.px(frame.Bottom) - 1 : s.px(frame.Bottom) + oy;
  place.textLeft = r.left + s.px(frame.MarginLeft);
  place.top = r.top;
  place.mmPerPixel = s.mmPerPixel;
  place.nearest = s.nearest;
  return place;
}

// On screen the page's outline takes a pixel on the left and two at the top.
FramePlacement placeFrame(const PaintContext& ctx, const TFieldRec& frame) {
  const int sx = ctx.printMode ? 0 : 1;
  const int sy = ctx.printMode ? 0 : 2;
  return placeFrameOnPage(ctx.scale, frame, ctx.pageLeft + sx, ctx.pageTop + sy);
}

FrameGeometry paintFrame(PaintContext& ctx, int32_t field, const FrameFocus& focus) {
  const TFieldRec& frame = ctx.doc.Fields[static_cast<size_t>(field)];
  const FramePlacement place = placeFrame(ctx, frame);
  const CanvasRect& r = place.rect;
  const bool seen = ctx.visible(grown(r, kGripRing + 1));
  if (seen) {
    paintShape(ctx, frame, r);
    if (isObject(frame) && !ctx.printMode && isCurrentObject(ctx, field, frame, focus)) {
      if (frame.FieldType == kFieldTextBox) paintSelectionRing(ctx, r);
      paintHandles(ctx, r, 7);
    }
    paintGuides(ctx, frame, place);
  }
  if (!isTextFrame(frame)) return {};
  FrameGeometry geometry = frameGeometry(ctx.doc, field, ctx.page, ctx.effects);
  const CanvasRect clip{r.left, r.top, r.right, r.bottom - ctx.scale.px(frame.MarginBottom)};
  ctx.canvas.setClip(clip);
  LinePainter lines(ctx, geometry, place);
  for (const LineGeometry& g : geometry.lines) lines.paint(g);
  ctx.canvas.clearClip();
  const PendingClick& click = ctx.state.click;
  const bool clickHere = focus.hitFrame < 0 || focus.hitFrame == field;
  if (!ctx.printMode && (click.active() || click.DragMoving) && !ctx.state.clickConsumed && clickHere)
    resolveTextClick(ctx, geometry, place);
  return geometry;
}

}  // namespace vendaro
