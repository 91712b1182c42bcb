#include "output/pdf_page_painter.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "document/cell_measurer.h"
#include "document/line_cells.h"
#include "layout/cell_drawing.h"
#include "layout/frame_painter.h"
#include "layout/frame_passes.h"
#include "layout/layout_run.h"
#include "layout/line_geometry.h"
#include "layout/text_painter.h"
#include "layout/view_scale.h"

namespace vendaro {
namespace {

constexpr int kPointsPerInch = 72;
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

CanvasRect intersected(const CanvasRect& a, const CanvasRect& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right), std::min(a.bottom, b.bottom)};
}

// Whether `a`, whichever way round its corners are given, and the ordered
// rectangle `b` share no point.
bool disjoint(const CanvasRect& a, const CanvasRect& b) {
  return std::max(a.left, a.right) <= b.left || b.right <= std::min(a.left, a.right) ||
         std::max(a.top, a.bottom) <= b.top || b.bottom <= std::min(a.top, a.bottom);
}

// Text drawn at one x: a word of a run, or one character of a field. It
// takes the room up to `right` on the page.
struct TextPiece {
  int x = 0;
  int right = 0;
  std::string text;
};

class PdfPagePainter {
 public:
  PdfPagePainter(TPDFCanvas& canvas, Document& doc, int32_t page, int originX, int originY,
                 std::optional<CanvasRect> limit)
      : canvas_(canvas), doc_(doc), page_(page), originX_(originX), originY_(originY), limit_(limit),
        scale_(doc, kPointsPerInch, 100.0, true) {}

  void paint();

 private:
  void paintFrame(int32_t field);
  void paintShape(const TFieldRec& frame, const CanvasRect& r);
  void paintFootnoteSeparator(const TFieldRec& frame, const CanvasRect& r);
  void paintLines(int32_t field, const FramePlacement& place);
  bool drawsNothing(const LineGeometry& g, const TLineRec& line) const;
  void paintLine(const LineGeometry& g, const TLineRec& line);
  void paintTableCell(const LineGeometry& g, const TLineRec& line);
  void paintColumnSeparator(const LineGeometry& g, const TLineRec& line);
  void paintListMark(const LineGeometry& g, const TLineRec& line);
  size_t paintTextRun(const LineGeometry& g, const TLineRec& line, size_t first);
  void paintSpecialCell(const LineGeometry& g, const TLineRec& line, size_t index);
  void paintCellBackground(const LineGeometry& g, const TCharRec& cell, int left, int right);

  void useFont(const TFontRec& font, double points);
  double pageWidthOf(std::string_view text) const;
  void drawWithEffects(const std::vector<TextPiece>& pieces, int left, int top, int width, bool underline);
  void drawPlain(int x, int y, const std::string& text, uint32_t color);
  void strokeAcross(int x, int y, int width, int penWidth);
  void fill(const CanvasRect& r, uint32_t color);
  void restoreLimit();
  bool outsideLimit(const CanvasRect& r, int reach = 0) const;
  bool textOutsideLimit(int left, int right);

  int x(double mm) const { return place_.x(mm); }
  int baseline(const LineGeometry& g) const { return place_.y(g.bottom()); }
  int textTop(const LineGeometry& g, const TCharRec& cell, const TFontRec& font);

  TPDFCanvas& canvas_;
  Document& doc_;
  const int32_t page_;
  const int originX_, originY_;
  const std::optional<CanvasRect> limit_;
  const ViewScale scale_;
  GeometryEffects effects_;

  // The frame whose lines are being drawn.
  const TFieldRec* frame_ = nullptr;
  FramePlacement place_;
  // The font entry of the following text and the size it is drawn at.
  const TFontRec* font_ = nullptr;
  double points_ = 0;
};

void PdfPagePainter::paint() {
  canvas_.Brush = {BrushStyle::solid, kWhite};
  canvas_.Pen = {PenStyle::solid, 1, kBlack};
  restoreLimit();
  for (int pass = 0; pass < kFramePasses; ++pass)
    for (int32_t i = 0; i < doc_.FieldCount(); ++i) {
      const TFieldRec& frame = doc_.Fields[static_cast<size_t>(i)];
      if (passOf(frame) == pass && shownOnPage(frame, page_)) paintFrame(i);
    }
  canvas_.ResetClip();
}

void PdfPagePainter::restoreLimit() {
  if (limit_) canvas_.SetClip(*limit_);
  else canvas_.ResetClip();
}

// A poster sheet carries only what it shows: drawing wholly outside the
// limit would be clipped away, yet fill the sheet's file with every other
// sheet's text and pictures.
bool PdfPagePainter::outsideLimit(const CanvasRect& r, int reach) const {
  return limit_ && disjoint(r, grown(*limit_, reach));
}

// Glyphs reach a little beyond their cells (slant, accents, shadow and
// outline offsets): an em either side covers that.
bool PdfPagePainter::textOutsideLimit(int left, int right) {
  if (!limit_) return false;
  const int em = canvas_.Font.size;
  return right + em <= limit_->left || limit_->right <= left - em;
}

void PdfPagePainter::paintFrame(int32_t field) {
  const TFieldRec& frame = doc_.Fields[static_cast<size_t>(field)];
  const FramePlacement place = placeFrameOnPage(scale_, frame, originX_, originY_);
  // Borders are stroked about the frame's edge, half their width outside.
  if (outsideLimit(place.rect, frameTools(frame, scale_).pen.width + 1)) return;
  paintShape(frame, place.rect);
  if (frame.FieldType > kFieldTextBox) return;
  paintFootnoteSeparator(frame, place.rect);
  paintLines(field, place);
}

void PdfPagePainter::paintShape(const TFieldRec& frame, const CanvasRect& r) {
  const FrameTools tools = frameTools(frame, scale_);
  canvas_.Brush = tools.brush;
  canvas_.Pen = tools.pen;
  switch (frame.FieldType) {
    case kFieldEllipse: canvas_.Ellipse(r); break;
    case kFieldLine:
      canvas_.MoveTo(frame.LineFlip ? r.right : r.left, r.top);
      canvas_.LineTo(frame.LineFlip ? r.left : r.right, r.bottom);
      break;
    case kFieldHorizontalLine:
      canvas_.MoveTo(r.left, r.top + (r.bottom - r.top) / 2);
      canvas_.LineTo(r.right, r.top + (r.bottom - r.top) / 2);
      break;
    case kFieldVerticalLine:
      canvas_.MoveTo(r.left + (r.right - r.left) / 2, r.top);
      canvas_.LineTo(r.left + (r.right - r.left) / 2, r.bottom);
      break;
    case kFieldPicture:
      if (const TPictureRec* picture = framePicture(doc_, frame)) {
        const CanvasRect area = pictureArea(r, *picture, frame.KeepAspect);
        // The writer draws one point short of the size it is given.
        canvas_.DrawDib(area.left, area.top, area.right - area.left + 1, area.bottom - area.top + 1, *picture);
      }
      break;
    default:
      if (tools.brush.style != BrushStyle::clear) canvas_.FillRect(r);
      if (tools.pen.style != PenStyle::clear) {
        canvas_.Brush.style = BrushStyle::clear;
        canvas_.Rectangle(r);
      }
      break;
  }
  canvas_.Pen.width = 1;
}

// Between the margins, and only where the area has no border of its own.
void PdfPagePainter::paintFootnoteSeparator(const TFieldRec& frame, const CanvasRect& r) {
  if (!isFootnoteArea(frame) || !frame.SeparatorLine || frame.BorderWidth != 0) return;
  canvas_.Pen = {PenStyle::solid, 1, kBlack};
  const int y = r.top + scale_.px(frame.MarginTop);
  canvas_.MoveTo(r.left + scale_.px(frame.MarginLeft), y);
  canvas_.LineTo(r.right - scale_.px(frame.MarginRight), y);
}

// The lines are clipped to the frame less its bottom margin, as on screen
// and in print; a line wholly outside is not written at all.
void PdfPagePainter::paintLines(int32_t field, const FramePlacement& place) {
  const FrameGeometry geometry = frameGeometry(doc_, field, page_, effects_);
  frame_ = &doc_.Fields[static_cast<size_t>(field)];
  place_ = place;
  CanvasRect clip{place.rect.left, place.rect.top, place.rect.right,
                  place.rect.bottom - scale_.px(frame_->MarginBottom)};
  if (limit_) clip = intersected(clip, *limit_);
  if (clip.right <= clip.left || clip.bottom <= clip.top) return;
  // The clip is written before the first line that draws anything: a frame
  // of empty lines costs nothing.
  bool clipped = false;
  for (const LineGeometry& g : geometry.lines) {
    if (baseline(g) <= clip.top) continue;
    if (place_.y(g.top) >= clip.bottom) break;
    const TLineRec& line = frame_->Lines[static_cast<size_t>(g.line)];
    if (drawsNothing(g, line)) continue;
    if (!clipped) canvas_.SetClip(clip);
    clipped = true;
    paintLine(g, line);
  }
  if (clipped) restoreLimit();
}

bool PdfPagePainter::drawsNothing(const LineGeometry& g, const TLineRec& line) const {
  return line.Chars.empty() && !line.InTable && !(g.paragraphStart && line.Para.ListKind != 0) &&
         !hasColumnSeparator(line);
}

void PdfPagePainter::paintLine(const LineGeometry& g, const TLineRec& line) {
  if (line.InTable) paintTableCell(g, line);
  paintColumnSeparator(g, line);
  if (g.paragraphStart && line.Para.ListKind != 0) paintListMark(g, line);
  for (size_t i = 0; i < line.Chars.size();) {
    if (isPlainCharacter(line.Chars[i])) {
      i = paintTextRun(g, line, i);
    } else {
      paintSpecialCell(g, line, i);
      ++i;
    }
  }
}

void PdfPagePainter::fill(const CanvasRect& r, uint32_t color) {
  if (outsideLimit(r)) return;
  canvas_.Brush = {BrushStyle::solid, color};
  canvas_.FillRect(r);
}

// Borders are filled strips inside the cell, so that thick ones do not
// reach into the neighbouring cells.
void PdfPagePainter::paintTableCell(const LineGeometry& g, const TLineRec& line) {
  const TCellDesign& design = line.CellDesign;
  const int left = x(g.boxLeft), right = x(g.boxRight);
  const int top = place_.y(g.top), bottom = baseline(g);
  if (!(design.BackTransparent && rgbOf(design.BackColor) == kWhite))
    fill({left, top, right, bottom}, rgbOf(design.BackColor));
  const auto width = [&](int side) { return scale_.penWidth(design.BorderWidth[static_cast<size_t>(side)]); };
  // The writer fills one point short of a rectangle's right and bottom
  // edges, so a strip of w points is given w + 1.
  const auto border = [&](int side, const CanvasRect& strip) {
    const auto s = static_cast<size_t>(side);
    if (design.BorderPresent[s] && width(side) > 0) fill(strip, rgbOf(design.BorderColor[s]));
  };
  // Design order: left, top, bottom, right.
  if (line.CellFirstLine) border(1, {left, top, right + 1, top + width(1) + 1});
  if (line.CellLastLine) border(2, {left, bottom - width(2), right + 1, bottom + 1});
  border(0, {left, top, left + width(0) + 1, bottom + 1});
  border(3, {right - width(3), top, right + 1, bottom + 1});
}

void PdfPagePainter::paintColumnSeparator(const LineGeometry& g, const TLineRec& line) {
  if (!hasColumnSeparator(line)) return;
  canvas_.Pen = {PenStyle::solid, 1, kBlack};
  canvas_.MoveTo(x(line.SepRightX), place_.y(g.top));
  canvas_.LineTo(x(line.SepRightX), baseline(g));
}

void PdfPagePainter::paintListMark(const LineGeometry& g, const TLineRec& line) {
  const ListMark mark = listMarkOf(doc_, line);
  useFont(mark.font, mark.font.Size);
  drawPlain(x(g.bulletX), baseline(g) - canvas_.TextHeight(mark.text), mark.text, rgbOf(mark.font.Color));
}

int PdfPagePainter::textTop(const LineGeometry& g, const TCharRec& cell, const TFontRec& font) {
  if (drawsLowered(font)) return baseline(g) - canvas_.TextHeight("");
  return baseline(g) - scale_.px(cellTextHeightMm(cell, g));
}

void PdfPagePainter::paintCellBackground(const LineGeometry& g, const TCharRec& cell, int left, int right) {
  const TFontRec& font = doc_.Fonts[cell.FontIndex];
  if (font.BackTransparent && rgbOf(font.BackColor) == kWhite) return;
  fill({left, place_.y(g.top), right, baseline(g)}, rgbOf(font.BackColor));
}

// A run is written word by word, each word at its own laid-out position:
// the layout measured the text at the printer's resolution, the page's
// fonts space it by their own widths, and justified spaces are wider.
size_t PdfPagePainter::paintTextRun(const LineGeometry& g, const TLineRec& line, size_t first) {
  const TCharRec& head = line.Chars[first];
  const TFontRec& font = doc_.Fonts[head.FontIndex];
  const size_t end = textRunEnd(line, first, GettingOps(font.Attr, kAttrWordUnderline));
  std::vector<TextPiece> pieces;
  std::string raw;
  int wordLeft = 0;
  int wordRight = 0;
  const auto endWord = [&] {
    if (!raw.empty()) pieces.push_back({wordLeft, wordRight, displayText(font, raw)});
    raw.clear();
  };
  for (size_t i = first; i < end; ++i) {
    const TCharRec& cell = line.Chars[i];
    paintCellBackground(g, cell, x(g.cellX[i]), x(cellEndMm(g, line, i)));
    if (isSpaceCell(cell)) {
      endWord();
      continue;
    }
    if (raw.empty()) wordLeft = x(g.cellX[i]);
    wordRight = x(cellEndMm(g, line, i));
    raw.push_back(static_cast<char>(cell.Ch));
  }
  useFont(font, drawnPointSize(font));
  if (line.Hyphenated && end == line.Chars.size()) {
    if (raw.empty()) wordLeft = x(cellEndMm(g, line, end - 1));
    raw.push_back('-');
    wordRight = wordLeft + static_cast<int>(std::ceil(pageWidthOf(displayText(font, raw))));
  }
  endWord();
  const int left = x(g.cellX[first]);
  drawWithEffects(pieces, left, textTop(g, head, font), x(cellEndMm(g, line, end - 1)) - left,
                  runIsUnderlined(font, head));
  return end;
}

void PdfPagePainter::paintSpecialCell(const LineGeometry& g, const TLineRec& line, size_t index) {
  const TCharRec& cell = line.Chars[index];
  const int left = x(g.cellX[index]), right = x(cellEndMm(g, line, index));
  paintCellBackground(g, cell, left, right);
  const TFontRec& font = doc_.Fonts[cell.FontIndex];
  if (cell.Kind == kCellPicture) {
    if (cell.PictureIndex < doc_.Pictures.size() && doc_.Pictures[cell.PictureIndex].hasPixels()) {
      const int height = scale_.px(cell.CharHeight);
      if (outsideLimit({left, baseline(g) - height, right + 1, baseline(g) + 1})) return;
      canvas_.DrawDib(left, baseline(g) - height, right - left + 1, height + 1, doc_.Pictures[cell.PictureIndex]);
    }
    return;
  }
  useFont(font, drawnPointSize(font));
  const int top = textTop(g, cell, font);
  if (isTabCell(cell)) {
    // Only whole copies of the leader fit, written as one run.
    const char leader = tabLeaderChar(cell);
    const double step = leader != 0 ? pageWidthOf(std::string(1, leader)) : 0.0;
    const int copies = step > 0 ? static_cast<int>((right - left) / step) : 0;
    if (copies > 0 && !textOutsideLimit(left, right))
      drawPlain(left, top, std::string(static_cast<size_t>(copies), leader), rgbOf(font.Color));
    return;
  }
  const std::string shown = specialCellText(cell, font);
  if (shown.empty()) return;
  std::vector<TextPiece> pieces;
  if (cell.Kind == kCellField) {
    // The characters are spread across the cell: the room the text leaves
    // is shared out in front of each character.
    const int n = static_cast<int>(shown.size());
    const double room = (right - left) - pageWidthOf(shown);
    double before = 0;
    for (int k = 0; k < n; ++k) {
      const std::string ch(1, shown[static_cast<size_t>(k)]);
      const int at = left + static_cast<int>(std::nearbyint(before + room * k / n));
      before += pageWidthOf(ch);
      pieces.push_back({at, at + static_cast<int>(std::ceil(pageWidthOf(ch))), ch});
    }
  } else {
    pieces.push_back({left, right, shown});
  }
  drawWithEffects(pieces, left, top, right - left, carriesUnderline(font));
}

// --- text ----------------------------------------------------------------

void PdfPagePainter::useFont(const TFontRec& font, double points) {
  font_ = &font;
  points_ = points;
  CanvasFont& f = canvas_.Font;
  f.name = std::string(font.name());
  f.size = std::max(1, static_cast<int>(std::nearbyint(points)));
  f.bold = GettingOpsB(font.Style, 0);
  f.italic = GettingOpsB(font.Style, 1);
  f.underline = false;  // underlines and strike-out lines are drawn here
  f.strikeOut = false;
  f.charset = font.Charset;
}

// The width the text takes on the page: the file gives each glyph its
// advance in thousandths of an em, where the writer's TextWidth counts whole
// points per glyph, which adds up over a long run of leader dots.
double PdfPagePainter::pageWidthOf(std::string_view text) const {
  constexpr double kEmUnits = 1000.0;
  const FontSpec spec = surfaceFont(*font_, kEmUnits, scale_);
  return doc_.fontEngine().textWidth(spec, text) * canvas_.Font.size / kEmUnits;
}

void PdfPagePainter::drawPlain(int left, int top, const std::string& text, uint32_t color) {
  canvas_.Font.color = color;
  canvas_.TextOut(left, top, text);
}

void PdfPagePainter::strokeAcross(int left, int y, int width, int penWidth) {
  canvas_.Pen = {PenStyle::solid, penWidth, rgbOf(font_->Color)};
  canvas_.MoveTo(left - 1, y);
  canvas_.LineTo(left + width + 1, y);
}

// The shadow, the outline and the text, then the lines the painter draws:
// underlines below the text and the strike-out line through it.
void PdfPagePainter::drawWithEffects(const std::vector<TextPiece>& pieces, int left, int top, int width,
                                     bool underline) {
  if (pieces.empty() && !underline) return;
  if (textOutsideLimit(left, left + width)) return;
  for (const TextPass& pass : textPasses(*font_, 1)) {
    canvas_.Font.color = pass.color;
    for (const TextPiece& piece : pieces)
      if (!textOutsideLimit(piece.x, piece.right)) canvas_.TextOut(piece.x + pass.dx, top + pass.dy, piece.text);
  }
  const int baseline = canvas_.TextBaseline(top);
  const int penWidth = std::max(1, static_cast<int>(std::nearbyint(points_ / 12.0)));
  if (underline) {
    strokeAcross(left, baseline + penWidth + 1, width, penWidth);
    if (GettingOps(font_->Attr, kAttrDoubleUnderline)) strokeAcross(left, baseline - penWidth + 1, width, penWidth);
  }
  if (GettingOpsB(font_->Style, 3)) strokeAcross(left, baseline - canvas_.Font.size / 4, width, penWidth);
  canvas_.Pen.width = 1;
}

}  // namespace

PaperPoints paperPoints(const Document& doc) {
  const auto points = [](double mm) { return static_cast<int>(std::nearbyint(mm / kMmPerInch * kPointsPerInch)); };
  return {points(doc.PageWidth), points(doc.PageHeight)};
}

void DrawPagesPDF(TPDFCanvas& canvas, Document& doc, int32_t pageIndex, int originX, int originY,
                  std::optional<CanvasRect> limit) {
  PdfPagePainter(canvas, doc, pageIndex, originX, originY, limit).paint();
}

}  // namespace vendaro
