#include "layout/line_painter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "document/cell_measurer.h"
#include "layout/cell_drawing.h"
#include "layout/frame_painter.h"
#include "layout/layout_run.h"
#include "layout/table_tracks.h"

namespace vendaro {
namespace {

constexpr uint8_t kTabMark = 174;         // an arrow in "Symbol"
constexpr uint8_t kLineBreakMark = 191;   // a return arrow in "Symbol"
constexpr uint8_t kParagraphMark = 182;   // "¶"
constexpr uint8_t kSpaceMark = 0xB7;      // "·"
constexpr int kColumnEdgeGrip = 2;        // half the width of a column-resize strip
constexpr int kPictureHandle = 6;         // corner handles of a selected picture

bool inside(const CanvasRect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

}  // namespace

LinePainter::LinePainter(PaintContext& ctx, const FrameGeometry& geometry, const FramePlacement& place)
    : ctx_(ctx), geometry_(geometry), place_(place),
      frame_(ctx.doc.Fields[static_cast<size_t>(geometry.field)]),
      text_(ctx.canvas, ctx.doc.fontEngine(), ctx.scale) {}

LinePainter::CellBox LinePainter::cellBox(const LineGeometry& g, size_t cell) const {
  const TLineRec& line = frame_.Lines[static_cast<size_t>(g.line)];
  return {place_.x(g.cellX[cell]), place_.x(cellEndMm(g, line, cell))};
}

void LinePainter::paint(const LineGeometry& g) {
  const TLineRec& line = frame_.Lines[static_cast<size_t>(g.line)];
  const CanvasRect band{place_.x(g.boxLeft) - 8, place_.y(g.top), place_.x(g.boxRight) + 8, baseline(g) + 1};
  if (ctx_.visible(band)) {
    if (line.InTable) paintTableCell(g, line);
    paintColumnSeparator(g, line);
    if (g.paragraphStart && line.Para.ListKind != 0) paintListMark(g, line);
    paintCells(g, line);
    paintLineEndMark(g, line);
    if (ctx_.hasSelection) invertSelection(g, line);
  }
  if (ctx_.hasSelection && !ctx_.printMode) paintPictureSelection(g, line);
  const bool caretLine = ctx_.doc.CurField == geometry_.field && ctx_.doc.CurLine == g.line;
  if (caretLine && !ctx_.printMode && ctx_.recordsCaret) recordCaret(g, line);
}

// --- tables and columns ----------------------------------------------------

void LinePainter::paintTableCell(const LineGeometry& g, const TLineRec& line) {
  const TCellDesign& design = line.CellDesign;
  const int left = place_.x(g.boxLeft), right = place_.x(g.boxRight);
  const int top = place_.y(g.top), bottom = baseline(g);
  if (!(design.BackTransparent && rgbOf(design.BackColor) == kWhite))
    ctx_.canvas.fillRect({left, top, right, bottom}, rgbOf(design.BackColor));
  // Design order: left, top, bottom, right.
  if (line.CellFirstLine) paintTableBorder(left, top, right, top, 1, design);
  if (line.CellLastLine) paintTableBorder(left, bottom, right, bottom, 2, design);
  paintTableBorder(left, top, left, bottom, 0, design);
  paintTableBorder(right, top, right, bottom, 3, design);
  if (ctx_.printMode) return;
  for (int side = 0; side < 2; ++side) {
    const int x = side == 0 ? left : right;
    ctx_.state.sideLists.AddColumnEdge(x - kColumnEdgeGrip, top, x + kColumnEdgeGrip, bottom, geometry_.field, g.line, side);
    const PendingClick& click = ctx_.state.click;
    if (click.ClickPending && click.ClickX >= x - kColumnEdgeGrip && click.ClickX < x + kColumnEdgeGrip &&
        click.ClickY >= top && click.ClickY < bottom) {
      const double mouseMm = (click.ClickX - place_.textLeft) * place_.mmPerPixel;
      FindAllTableTracks(ctx_.doc, ctx_.hasSelection ? &ctx_.selection : nullptr, ctx_.state.sideLists,
                         geometry_.field, g.line, side, mouseMm);
    }
  }
}

void LinePainter::paintTableBorder(int x1, int y1, int x2, int y2, int side, const TCellDesign& design) {
  const auto s = static_cast<size_t>(side);
  CanvasPen pen;
  if (design.BorderPresent[s]) {
    pen.width = ctx_.scale.penWidth(design.BorderWidth[s]);
    if (pen.width == 0) return;
    pen.color = rgbOf(design.BorderColor[s]);
  } else if (ctx_.showsHelpers() && ctx_.options.GridLines) {
    pen.color = kSilver;
  } else {
    return;
  }
  ctx_.canvas.setPen(pen);
  // Lines leave out their end point; borders cover it.
  ctx_.canvas.line(x1, y1, x2 + (x1 == x2 ? 0 : 1), y2 + (y1 == y2 ? 0 : 1));
}

void LinePainter::paintColumnSeparator(const LineGeometry& g, const TLineRec& line) {
  if (!hasColumnSeparator(line)) return;
  CanvasPen pen;
  pen.width = std::max(1, static_cast<int>(std::trunc(0.75 * ctx_.scale.pixelsPerPoint)));
  ctx_.canvas.setPen(pen);
  const int x = place_.x(line.SepRightX);
  ctx_.canvas.line(x, place_.y(g.top), x, baseline(g));
}

// --- bullets and numbers -------------------------------------------------

void LinePainter::paintListMark(const LineGeometry& g, const TLineRec& line) {
  const ListMark mark = listMarkOf(ctx_.doc, line);
  text_.useFont(mark.font, mark.font.Size);
  text_.drawPlain(place_.x(g.bulletX), baseline(g) - text_.metrics().height, mark.text, rgbOf(mark.font.Color));
}

// --- character cells ---------------------------------------------------------

void LinePainter::paintCells(const LineGeometry& g, const TLineRec& line) {
  const CanvasRect visible = ctx_.canvas.visibleRect();
  size_t i = 0;
  while (i < line.Chars.size()) {
    const CellBox box = cellBox(g, i);
    if (box.left >= visible.right) break;  // the rest lies beyond the view
    if (isPlainCharacter(line.Chars[i])) {
      i = paintTextRun(g, line, i);
    } else {
      paintSpecialCell(g, line, i);
      ++i;
    }
  }
}

int LinePainter::textTop(const LineGeometry& g, const TCharRec& cell, const TFontRec& font) {
  if (drawsLowered(font)) return baseline(g) - text_.metrics().height;
  return baseline(g) - static_cast<int>(std::lround(cellTextHeightMm(cell, g) / ctx_.scale.mmPerPixel));
}

void LinePainter::paintCellBackground(const LineGeometry& g, const TCharRec& cell, const CellBox& box) {
  const TFontRec& font = ctx_.doc.Fonts[cell.FontIndex];
  if (font.BackTransparent && rgbOf(font.BackColor) == kWhite) return;
  ctx_.canvas.fillRect({box.left, place_.y(g.top), box.right, baseline(g)}, rgbOf(font.BackColor));
}

// A run: plain characters of one font and height, drawn in one call. With
// words-only underlining a space ends the run, since it is drawn without.
size_t LinePainter::paintTextRun(const LineGeometry& g, const TLineRec& line, size_t first) {
  const TCharRec& head = line.Chars[first];
  const TFontRec& font = ctx_.doc.Fonts[head.FontIndex];
  const size_t end = textRunEnd(line, first, GettingOps(font.Attr, kAttrWordUnderline));
  std::string raw;
  std::vector<int> advances;
  raw.reserve(end - first + 1);
  advances.reserve(end - first + 1);
  const int left = place_.x(g.cellX[first]);
  for (size_t i = first; i < end; ++i) {
    const CellBox box = cellBox(g, i);
    paintCellBackground(g, line.Chars[i], box);
    raw.push_back(static_cast<char>(line.Chars[i].Ch));
    const int next = i + 1 < end ? place_.x(g.cellX[i + 1]) : box.right;
    advances.push_back(next - place_.x(g.cellX[i]));
  }
  const bool hyphen = line.Hyphenated && end == line.Chars.size();
  if (hyphen) {
    raw.push_back('-');
    advances.push_back(0);
  }
  std::string shown = displayText(font, raw);
  text_.useFont(font, drawnPointSize(font));
  if (hyphen) advances.back() = ctx_.doc.fontEngine().charWidth(text_.spec(), '-');
  const int right = cellBox(g, end - 1).right;
  TextRun run;
  run.x = left;
  run.y = textTop(g, head, font);
  run.text = shown;
  run.advances = advances;
  run.width = right - left;
  run.underline = runIsUnderlined(font, head);
  text_.draw(run);

  for (size_t i = first; i < end; ++i) {
    const TCharRec& c = line.Chars[i];
    if (isSpaceCell(c)) paintSpaceMark(g, c, cellBox(g, i));
  }
  if (ctx_.options.CheckWhileTyping && ctx_.showsHelpers()) {
    for (size_t i = first; i < end;) {
      if (!GettingOpsB(line.Chars[i].CharFlags, kFlagMisspelled)) { ++i; continue; }
      size_t j = i;
      while (j < end && GettingOpsB(line.Chars[j].CharFlags, kFlagMisspelled)) ++j;
      paintZigzag(cellBox(g, i).left, cellBox(g, j - 1).right, run.y + text_.metrics().height - 1);
      i = j;
    }
  }
  return end;
}

void LinePainter::paintSpecialCell(const LineGeometry& g, const TLineRec& line, size_t index) {
  const TCharRec& cell = line.Chars[index];
  const CellBox box = cellBox(g, index);
  paintCellBackground(g, cell, box);
  const TFontRec& font = ctx_.doc.Fonts[cell.FontIndex];
  if (cell.Kind == kCellPicture) {
    if (cell.PictureIndex < ctx_.doc.Pictures.size() && ctx_.doc.Pictures[cell.PictureIndex].hasPixels()) {
      const int top = baseline(g) - static_cast<int>(std::lround(cell.CharHeight / ctx_.scale.mmPerPixel));
      ctx_.canvas.drawPicture({box.left, top, box.right, baseline(g)}, ctx_.doc.Pictures[cell.PictureIndex]);
    }
    return;
  }
  text_.useFont(font, drawnPointSize(font));
  if (isTabCell(cell)) {
    paintTabCell(g, cell, box);
    return;
  }
  const std::string shown = specialCellText(cell, font);
  std::vector<int> advances;
  if (cell.Kind == kCellField) {
    // The characters are spread evenly across the cell.
    const int width = box.right - box.left;
    const int n = static_cast<int>(shown.size());
    for (int k = 0; k < n; ++k) advances.push_back(width * (k + 1) / n - width * k / n);
  }
  if (shown.empty()) return;
  TextRun run;
  run.x = box.left;
  run.y = textTop(g, cell, font);
  run.text = shown;
  run.advances = advances;
  run.width = box.right - box.left;
  run.underline = carriesUnderline(font);
  text_.draw(run);
}

void LinePainter::paintTabCell(const LineGeometry& g, const TCharRec& cell, const CellBox& box) {
  const TFontRec& font = ctx_.doc.Fonts[cell.FontIndex];
  const int top = textTop(g, cell, font);
  if (const char leader = tabLeaderChar(cell)) {
    const int step = ctx_.doc.fontEngine().charWidth(text_.spec(), static_cast<uint8_t>(leader));
    // Only whole copies of the leader fit, and only those in view are drawn.
    const int copies = step > 0 ? (box.right - box.left) / step : 0;
    const CanvasRect visible = ctx_.canvas.visibleRect();
    const RepeatRange shown = visibleRepeats(box.left, step, copies, visible.left, visible.right);
    if (shown.end > shown.first)
      text_.drawPlain(box.left + static_cast<int>(shown.first * step), top,
                      std::string(static_cast<size_t>(shown.end - shown.first), leader), rgbOf(font.Color));
  }
  if (ctx_.showsMarks() && (ctx_.options.ShowTabs || ctx_.options.ShowAllMarks)) {
    const TFontRec mark = plainFont("Symbol", font.Size);
    text_.useFont(mark, mark.Size);
    text_.drawPlain(box.left, top, std::string(1, static_cast<char>(kTabMark)), kBlack);
  }
}

void LinePainter::paintSpaceMark(const LineGeometry& g, const TCharRec& cell, const CellBox& box) {
  if (!ctx_.showsMarks() || !(ctx_.options.ShowSpaces || ctx_.options.ShowAllMarks)) return;
  const TFontRec& font = ctx_.doc.Fonts[cell.FontIndex];
  const int top = textTop(g, cell, font);
  const TFontRec mark = plainFont("Times New Roman", font.Size);
  text_.useFont(mark, mark.Size);
  text_.drawPlain(box.left, top, std::string(1, static_cast<char>(kSpaceMark)), kBlack);
}

// 1-pixel red segments over 3-pixel steps, up and down between the
// underline position and 2 pixels above it.
void LinePainter::paintZigzag(int left, int right, int y) {
  CanvasPen pen;
  pen.color = kRed;
  ctx_.canvas.setPen(pen);
  constexpr int kStep = 3;
  const CanvasRect visible = ctx_.canvas.visibleRect();
  const int64_t segments = (int64_t{right} - left + kStep - 1) / kStep;
  const RepeatRange shown = visibleRepeats(left, kStep, segments, visible.left, visible.right);
  for (int64_t k = shown.first; k < shown.end; ++k) {
    const bool up = k % 2 == 1;
    const int x = left + static_cast<int>(k * kStep);
    const int next = std::min(x + kStep, right);
    ctx_.canvas.line(x, up ? y - 2 : y, next, up ? y : y - 2);
  }
}

void LinePainter::paintLineEndMark(const LineGeometry& g, const TLineRec& line) {
  if (!ctx_.showsMarks() || !(ctx_.options.ShowParagraphMarks || ctx_.options.ShowAllMarks)) return;
  uint8_t mark = 0;
  const char* face = nullptr;
  if (line.LineEnd == kLineEndParagraph) {
    mark = kParagraphMark;
    face = "Times New Roman";
  } else if (line.LineEnd == kLineEndManual) {
    mark = kLineBreakMark;
    face = "Symbol";
  } else {
    return;
  }
  // Sized to the line's height in pixels, whatever the zoom.
  const int top = place_.y(g.top);
  const int height = baseline(g) - top;
  if (height <= 0) return;
  const TFontRec font = plainFont(face, height * 72.0 / ctx_.scale.dpi * 100.0 / ctx_.scale.zoom);
  text_.useFont(font, font.Size);
  text_.drawPlain(place_.x(g.cellX.back()), top, std::string(1, static_cast<char>(mark)), kBlack);
}

// --- selection, caret and ruler -----------------------------------------------

bool LinePainter::lineSelected(int32_t line, int32_t cell) const {
  return isinmarking(ctx_.doc, ctx_.selection, geometry_.field, line, cell);
}

void LinePainter::invertSelection(const LineGeometry& g, const TLineRec& line) {
  const int top = place_.y(g.top), bottom = baseline(g);
  if (ctx_.selection.SelColumnBlock && line.InTable) {
    if (lineSelected(g.line, 0)) ctx_.canvas.invertRect({place_.x(g.boxLeft), top, place_.x(g.boxRight), bottom});
    return;
  }
  for (size_t i = 0; i < line.Chars.size();) {
    if (!lineSelected(g.line, static_cast<int32_t>(i))) { ++i; continue; }
    size_t j = i;
    while (j < line.Chars.size() && lineSelected(g.line, static_cast<int32_t>(j))) ++j;
    ctx_.canvas.invertRect({cellBox(g, i).left, top, cellBox(g, j - 1).right, bottom});
    i = j;
  }
}

void LinePainter::paintPictureSelection(const LineGeometry& g, const TLineRec& line) {
  const Document& doc = ctx_.doc;
  if (doc.CurField != geometry_.field || doc.MarkField != geometry_.field) return;
  if (doc.CurLine != g.line || doc.MarkLine != g.line || std::abs(doc.CurChar - doc.MarkChar) != 1) return;
  const int32_t index = std::min(doc.CurChar, doc.MarkChar);
  if (index < 0 || index >= line.CharCount() || line.Chars[static_cast<size_t>(index)].Kind != kCellPicture) return;
  const TCharRec& cell = line.Chars[static_cast<size_t>(index)];
  const CellBox box = cellBox(g, static_cast<size_t>(index));
  const CanvasRect rect{box.left, baseline(g) - static_cast<int>(std::lround(cell.CharHeight / ctx_.scale.mmPerPixel)),
                        box.right, baseline(g)};
  Canvas& canvas = ctx_.canvas;
  canvas.setBrush({BrushStyle::clear, kWhite});
  canvas.setPen({PenStyle::solid, 1, kBlack});
  canvas.rectangle(rect);
  paintHandles(ctx_, rect, kPictureHandle);
  PictureGrip& grip = ctx_.state.pictureGrip;
  grip.shown = true;
  grip.cell = {geometry_.field, g.line, index};
  grip.rect = rect;
  const auto handles = handleRects(grown(rect, kGripRing), kPictureHandle);
  for (size_t h = 0; h < handles.size(); ++h) {
    const CanvasRect& r = handles[h];
    ctx_.state.sideLists.AddMouseObj(static_cast<int32_t>(h) + 3, r.left, r.top, r.right, r.bottom);
    const PendingClick& click = ctx_.state.click;
    if (click.ClickPending && inside(r, click.ClickX, click.ClickY)) {
      // The press resizes the picture: the caret and selection stay.
      grip.handle = static_cast<int32_t>(h) + 1;
      ctx_.state.clickConsumed = true;
    }
  }
}

void LinePainter::recordCaret(const LineGeometry& g, const TLineRec& line) {
  const Document& doc = ctx_.doc;
  const size_t at = static_cast<size_t>(std::clamp<int32_t>(doc.CurChar, 0, line.CharCount()));
  CaretRect caret;
  caret.width = 2;
  double heightMm = g.height;
  if (at == 0) {
    caret.x = line.Chars.empty() ? place_.x(g.textX + g.alignOffset) : cellBox(g, 0).left;
    if (!line.Chars.empty()) heightMm = line.Chars.front().CharHeight;
  } else {
    const TCharRec& before = line.Chars[at - 1];
    caret.x = cellBox(g, at - 1).right;
    heightMm = isTabCell(before) ? doc.fontHeightMm(doc.CurFont) : before.CharHeight;
  }
  if (heightMm <= 0) heightMm = g.height;
  caret.height = std::max(1, static_cast<int>(std::lround(heightMm / ctx_.scale.mmPerPixel)));
  caret.y = baseline(g) - caret.height;
  ctx_.state.caret = caret;
  ctx_.state.caretLine = {std::min(place_.y(g.top), caret.y), baseline(g), ctx_.pageLeft, ctx_.pageTop};
  const int frameTextBottom = place_.rect.bottom - static_cast<int>(frame_.MarginBottom / ctx_.scale.mmPerPixel);
  ctx_.state.CaretBelowFrame = baseline(g) > frameTextBottom;
  ctx_.state.caretRecorded = true;
  publishRuler(g, line);
}

void LinePainter::publishRuler(const LineGeometry& g, const TLineRec& line) {
  const double mmpp = ctx_.scale.mmPerPixel;
  RulerGeometry& r = ctx_.state.ruler;
  const int scrollX = ctx_.state.viewport.scrollX;
  const int scrollY = ctx_.state.viewport.scrollY;
  r.columnLeft = place_.x(g.boxLeft) - scrollX;
  r.columnRight = place_.x(g.boxRight) - scrollX;
  r.mmAtLeft = 0.0;
  r.mmAtRight = g.boxRight - g.boxLeft;
  r.leftIndent = static_cast<int>(line.Para.LeftIndent / mmpp);
  r.firstLineIndent = static_cast<int>(line.Para.FirstLineIndent / mmpp);
  r.rightIndent = static_cast<int>(line.Para.RightIndent / mmpp);
  r.columnOffset = static_cast<int>(g.boxLeft / mmpp);
  r.frameWidthMm = geometry_.textWidth;
  r.textTop = place_.y(frame_.MarginTop) - scrollY;
  r.textBottom = place_.rect.bottom - static_cast<int>(frame_.MarginBottom / mmpp) - scrollY;
  r.frameHeightMm = geometry_.textHeight;
  r.valid = true;
}

}  // namespace vendaro
