// ruler_scale.h — where a ruler's 5 mm ticks and centimetre marks stand and
// how a pixel of the ruler becomes millimetres. Drawing and the snapping of
// a drag read the same marks, so a snapped value always sits on a drawn tick.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace vendaro {

// One axis of a ruler: the pixels and millimetres at both ends of the text
// column (or of the frame's text height), extended over the whole ruler.
struct RulerAxis {
  int startPx = 0, endPx = 0;
  double startMm = 0, endMm = 0;
  int lengthPx = 0;  // the ruler's own width (or height) in pixels

  // A column without width (or an inverted one) has no scale: nothing is
  // drawn on it and nothing can be dragged.
  bool usable() const;
  double pixelsPerMm() const;
  // Pixel of a millimetre value, truncated toward zero as every conversion.
  int pixelOf(double mm) const;
  double mmOf(double px) const;
};

enum class RulerMarkKind : uint8_t { halfCentimetre, centimetreNumber, centimetreLine };

struct RulerMark {
  int px = 0;
  int64_t mm = 0;
  RulerMarkKind kind = RulerMarkKind::halfCentimetre;
  bool operator==(const RulerMark&) const = default;
};

// A 5 mm tick is drawn only more than this many pixels right of the last
// one, a centimetre mark more than kCentimetreGapPx right of the last
// centimetre mark; centimetre marks alternate between number and line,
// starting with a number at the ruler's start.
inline constexpr int kHalfCentimetreGapPx = 4;
inline constexpr int kCentimetreGapPx = 9;

// The marks over the ruler's length by pixel (and millimetres where two
// share a pixel). The work is bounded by the ruler's
// length in pixels, whatever the zoom. Empty when the axis is unusable.
std::vector<RulerMark> rulerMarks(const RulerAxis& axis);

// The drawn mark nearest to `px` among those whose millimetres lie in
// [minMm, maxMm]; on equal distance the left one. None without such a mark.
std::optional<RulerMark> nearestMark(const std::vector<RulerMark>& marks, int px, double minMm, double maxMm);

}  // namespace vendaro
