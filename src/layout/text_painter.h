// text_painter.h — draws a run of text in a font entry's appearance: the
// shadow, the outline, the text, and the underlines the painter draws itself;
// and chooses the surface font for a font entry at the paint's scale.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "document/records.h"
#include "layout/view_scale.h"
#include "platform/canvas.h"

namespace vendaro {

// The surface font of a font entry: `points` is the size to create it at
// (already reduced for small capitals, super- and subscript).
FontSpec surfaceFont(const TFontRec& font, double points, const ViewScale& scale);
// The size a cell's font is drawn at: 60 % for super- and subscript, 75 % for
// small capitals.
double drawnPointSize(const TFontRec& font);

inline uint32_t rgbOf(int32_t color) { return static_cast<uint32_t>(color) & 0xFFFFFFu; }

// The copies of a run that make up its appearance, in drawing order: the
// shadow, the four strokes of the outline, the text itself, each offset by
// (dx, dy) and in its colour. `unit` is one point on the surface.
struct TextPass {
  int dx = 0, dy = 0;
  uint32_t color = 0;
};
struct TextPasses {
  std::array<TextPass, 6> passes;
  size_t count = 0;
  const TextPass* begin() const { return passes.data(); }
  const TextPass* end() const { return passes.data() + count; }
};
TextPasses textPasses(const TFontRec& font, int unit);

struct TextRun {
  int x = 0, y = 0;            // top-left of the text line
  std::string_view text;       // as shown (case already applied)
  std::span<const int> advances;
  int width = 0;               // pixels the run covers, for the underline
  bool underline = false;      // whether this run carries the font's underline
};

class TextPainter {
 public:
  TextPainter(Canvas& canvas, FontEngine& fonts, const ViewScale& scale) : canvas_(canvas), fonts_(fonts), scale_(scale) {}

  // Selects the font for the following runs.
  void useFont(const TFontRec& font, double points);
  // Draws the run with the effects of the font last chosen.
  void draw(const TextRun& run);
  // Plain text in a colour (marks, bullets, numbers): no effects.
  void drawPlain(int x, int y, std::string_view text, uint32_t color);

  const FontSpec& spec() const { return spec_; }
  const FontMetrics& metrics() const { return metrics_; }

 private:
  void setColor(uint32_t color);
  void drawUnderlines(const TextRun& run);

  Canvas& canvas_;
  FontEngine& fonts_;
  const ViewScale& scale_;
  const TFontRec* font_ = nullptr;
  double points_ = 0;
  FontSpec spec_;
  FontMetrics metrics_;
  bool strikeOut_ = false;
  bool colorSet_ = false;
  uint32_t color_ = 0;
};

}  // namespace vendaro
