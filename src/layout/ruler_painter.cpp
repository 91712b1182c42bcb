#include "layout/ruler_painter.h"

#include <string>

#include "layout/ruler_artwork.h"

namespace vendaro {
namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr int kBandInset = 6;
constexpr int kHalfCentimetreInset = 11;
constexpr int kCentimetreInset = 10;
constexpr int kNumberTop = 6;
constexpr int kFirstLineMarkerY = 2;
constexpr int kIndentMarkerY = 10;
constexpr int kTabImageY = 6;

FontSpec numberFont(const Canvas& canvas) {
  constexpr int kPoints = 8;
  return {"Microsoft Sans Serif", (kPoints * canvas.dpi() + 36) / 72};
}

// The ticks of one axis; `across` draws a tick from a to b across the
// ruler at position p, `number` writes a centimetre number centred on p.
template <typename Across, typename Number>
void drawMarks(const RulerAxis& axis, int thickness, Across across, Number number) {
  for (const RulerMark& mark : rulerMarks(axis)) {
    switch (mark.kind) {
      case RulerMarkKind::halfCentimetre:
        across(mark.px, kHalfCentimetreInset, thickness - kHalfCentimetreInset);
        break;
      case RulerMarkKind::centimetreLine:
        across(mark.px, kCentimetreInset, thickness - kCentimetreInset);
        break;
      case RulerMarkKind::centimetreNumber:
        number(mark.px, std::to_string(mark.mm / 10));
        break;
    }
  }
}

void prepareTicks(Canvas& canvas, FontEngine& fonts, FontSpec& font, int& textHeight) {
  font = numberFont(canvas);
  canvas.setPen({PenStyle::solid, 1, kBlack});
  canvas.setFont(font, false);
  canvas.setTextColor(kBlack);
  textHeight = fonts.metrics(font).height;
}

}  // namespace

void PaintBox3Paint(Canvas& canvas, FontEngine& fonts, int width, int height, const RulerMarkers& markers,
                    uint32_t face) {
  canvas.fillRect({0, 0, width, height}, face);
  canvas.fillRect({0, kBandInset, width, height - kBandInset}, kRulerBandColor);
  if (!markers.shown) return;
  const RulerAxis& axis = markers.axis;
  canvas.fillRect({axis.startPx, kBandInset, axis.endPx, height - kBandInset}, kWhite);
  FontSpec font;
  int textHeight = 0;
  prepareTicks(canvas, fonts, font, textHeight);
  drawMarks(
      axis, height, [&](int x, int a, int b) { canvas.line(x, a, x, b); },
      [&](int x, const std::string& text) { canvas.textOut(x - fonts.textWidth(font, text) / 2, kNumberTop, text); });
  drawRulerImage(canvas, RulerImage::firstLineMarker, markers.firstLineX, kFirstLineMarkerY);
  drawRulerImage(canvas, RulerImage::leftIndentMarker, markers.leftX, kIndentMarkerY);
  drawRulerImage(canvas, RulerImage::rightIndentMarker, markers.rightX, kIndentMarkerY);
  for (const RulerStop& stop : markers.stops)
    drawRulerImage(canvas, tabImage(stop.kind), stop.x - tabHotSpot(stop.kind), kTabImageY);
}

void PaintBox4Paint(Canvas& canvas, FontEngine& fonts, int width, int height, const RulerGeometry& geometry,
                    uint32_t face) {
  canvas.fillRect({0, 0, width, height}, face);
  canvas.fillRect({kBandInset, 0, width - kBandInset, height}, kRulerBandColor);
  const RulerAxis axis = verticalAxis(geometry, height);
  if (!geometry.valid || !axis.usable()) return;
  canvas.fillRect({kBandInset, axis.startPx, width - kBandInset, axis.endPx}, kWhite);
  FontSpec font;
  int textHeight = 0;
  prepareTicks(canvas, fonts, font, textHeight);
  drawMarks(
      axis, width, [&](int y, int a, int b) { canvas.line(a, y, b, y); },
      [&](int y, const std::string& text) {
        canvas.textOut((width - fonts.textWidth(font, text)) / 2, y - textHeight / 2, text);
      });
}

void PaintBox2Paint(Canvas& canvas, int width, int height, int32_t tabKind, uint32_t face) {
  canvas.fillRect({0, 0, width, height}, face);
  const RulerImage image = tabImage(tabKind);
  // The glyph sits in the image's lower rows; centre those in the box.
  constexpr int kGlyphTop = 6;
  const int glyphHeight = rulerImageHeight(image) - kGlyphTop;
  const int x = width / 2 - tabHotSpot(tabKind);
  drawRulerImage(canvas, image, x, (height - glyphHeight) / 2 - kGlyphTop);
}

}  // namespace vendaro
