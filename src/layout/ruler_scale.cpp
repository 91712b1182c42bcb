#include "layout/ruler_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vendaro {
namespace {

// Millimetre values beyond this are no position on any page; a degenerate
// scale that reaches them is cut there so that the counters cannot overflow.
constexpr double kMaxRulerMm = 1e12;

int64_t floorDiv(int64_t a, int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }
int64_t ceilDiv(int64_t a, int64_t b) { return -floorDiv(-a, b); }

// The marks of one sequence mm = offset + k × 10, each drawn only more
// than `gap` pixels right of the previous one drawn. From each drawn mark
// the walk looks for the next far enough by halving the candidates, so it
// costs a few steps per drawn mark instead of one per millimetre.
void addSequence(const RulerAxis& axis, int64_t firstMm, int64_t lastMm, int64_t offset, int gap,
                 std::vector<RulerMark>& out, RulerMarkKind kind) {
  constexpr int64_t kPeriod = 10;
  const auto pixelAt = [&](int64_t k) { return axis.pixelOf(static_cast<double>(offset + k * kPeriod)); };
  const int64_t lastK = floorDiv(lastMm - offset, kPeriod);
  bool number = true;
  for (int64_t k = ceilDiv(firstMm - offset, kPeriod); k <= lastK;) {
    const int px = pixelAt(k);
    RulerMarkKind drawn = kind;
    if (kind != RulerMarkKind::halfCentimetre) {
      drawn = number ? RulerMarkKind::centimetreNumber : RulerMarkKind::centimetreLine;
      number = !number;
    }
    out.push_back({px, offset + k * kPeriod, drawn});
    // Pixels grow with k, so the first candidate far enough can be halved in.
    int64_t low = k + 1, high = lastK + 1;
    if (low <= lastK && pixelAt(low) - px > gap) high = low;
    while (low < high) {
      const int64_t middle = low + (high - low) / 2;
      if (pixelAt(middle) - px > gap) high = middle;
      else low = middle + 1;
    }
    k = low;
  }
}

}  // namespace

bool RulerAxis::usable() const {
  return endPx > startPx && endMm > startMm && std::isfinite(startMm) && std::isfinite(endMm) && lengthPx > 0;
}

double RulerAxis::pixelsPerMm() const { return (endPx - startPx) / (endMm - startMm); }

int RulerAxis::pixelOf(double mm) const {
  const double offset = std::trunc((mm - startMm) * pixelsPerMm());
  return startPx + static_cast<int>(std::clamp(offset, -1e9, 1e9));
}

double RulerAxis::mmOf(double px) const { return startMm + (px - startPx) / pixelsPerMm(); }

std::vector<RulerMark> rulerMarks(const RulerAxis& axis) {
  std::vector<RulerMark> marks;
  if (!axis.usable()) return marks;
  const auto firstMm = static_cast<int64_t>(std::ceil(std::clamp(axis.mmOf(0), -kMaxRulerMm, kMaxRulerMm)));
  const auto lastMm = static_cast<int64_t>(std::floor(std::clamp(axis.mmOf(axis.lengthPx), -kMaxRulerMm, kMaxRulerMm)));
  addSequence(axis, firstMm, lastMm, 5, kHalfCentimetreGapPx, marks, RulerMarkKind::halfCentimetre);
  addSequence(axis, firstMm, lastMm, 0, kCentimetreGapPx, marks, RulerMarkKind::centimetreNumber);
  std::sort(marks.begin(), marks.end(),
            [](const RulerMark& a, const RulerMark& b) { return a.px != b.px ? a.px < b.px : a.mm < b.mm; });
  return marks;
}

std::optional<RulerMark> nearestMark(const std::vector<RulerMark>& marks, int px, double minMm, double maxMm) {
  std::optional<RulerMark> best;
  int bestDistance = 0;
  for (const RulerMark& mark : marks) {
    if (mark.mm < minMm || mark.mm > maxMm) continue;
    const int distance = std::abs(mark.px - px);
    if (!best || distance < bestDistance) {
      best = mark;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace vendaro
