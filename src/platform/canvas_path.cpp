#include "platform/canvas_path.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace vendaro {
namespace {

constexpr double kPi = 3.14159265358979323846;
// Curves are split into this many lines when a surface cannot draw them.
constexpr int kCurveSegments = 16;

CanvasPoint onBezier(CanvasPoint p0, CanvasPoint p1, CanvasPoint p2, CanvasPoint p3, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * p0.x + b * p1.x + c * p2.x + d * p3.x, a * p0.y + b * p1.y + c * p2.y + d * p3.y};
}

}  // namespace

void CanvasPath::moveTo(CanvasPoint p) {
  verbs_.push_back(Verb::move);
  points_.push_back(p);
  figureStart_ = p;
}

// Drawing on after a closed figure starts a new one at its first point.
void CanvasPath::continueFigure() {
  if (!verbs_.empty() && verbs_.back() == Verb::close) moveTo(figureStart_);
}

void CanvasPath::lineTo(CanvasPoint p) {
  if (verbs_.empty()) {
    moveTo(p);
    return;
  }
  continueFigure();
  verbs_.push_back(Verb::line);
  points_.push_back(p);
}

void CanvasPath::cubicTo(CanvasPoint c1, CanvasPoint c2, CanvasPoint end) {
  if (verbs_.empty()) moveTo(c1);
  continueFigure();
  verbs_.push_back(Verb::cubic);
  points_.insert(points_.end(), {c1, c2, end});
}

void CanvasPath::close() {
  if (!verbs_.empty() && verbs_.back() != Verb::close) verbs_.push_back(Verb::close);
}

void CanvasPath::append(const CanvasPath& other) {
  verbs_.insert(verbs_.end(), other.verbs_.begin(), other.verbs_.end());
  points_.insert(points_.end(), other.points_.begin(), other.points_.end());
}

void CanvasPath::addPolygon(const std::vector<CanvasPoint>& points) {
  if (points.empty()) return;
  moveTo(points.front());
  for (size_t i = 1; i < points.size(); ++i) lineTo(points[i]);
  close();
}

// Each quarter turn (at most) is one cubic curve with the usual tangent
// length 4/3·tan(θ/4), which stays within a thousandth of the radius.
void CanvasPath::addArc(CanvasPoint c, double rx, double ry, double startDegrees, double sweepDegrees,
                        bool startFigure) {
  const auto at = [&](double radians) { return CanvasPoint{c.x + rx * std::cos(radians), c.y - ry * std::sin(radians)}; };
  double angle = startDegrees * kPi / 180;
  const double sweep = std::clamp(sweepDegrees, -360.0, 360.0) * kPi / 180;
  if (startFigure || verbs_.empty()) {
    moveTo(at(angle));
  } else {
    lineTo(at(angle));
  }
  const int parts = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / (kPi / 2) - 1e-9)));
  const double step = sweep / parts;
  const double k = 4.0 / 3.0 * std::tan(step / 4);
  for (int i = 0; i < parts; ++i) {
    const double a0 = angle, a1 = angle + step;
    const CanvasPoint p0 = at(a0), p3 = at(a1);
    const CanvasPoint c1{p0.x - k * rx * std::sin(a0), p0.y - k * ry * std::cos(a0)};
    const CanvasPoint c2{p3.x + k * rx * std::sin(a1), p3.y + k * ry * std::cos(a1)};
    cubicTo(c1, c2, p3);
    angle = a1;
  }
}

CanvasPoint CanvasPath::currentPoint() const {
  if (points_.empty()) return {};
  return verbs_.back() == Verb::close ? figureStart_ : points_.back();
}

CanvasRect CanvasPath::bounds() const {
  if (points_.empty()) return {};
  double left = std::numeric_limits<double>::max(), top = left;
  double right = std::numeric_limits<double>::lowest(), bottom = right;
  for (const CanvasPoint& p : points_) {
    left = std::min(left, p.x);
    top = std::min(top, p.y);
    right = std::max(right, p.x);
    bottom = std::max(bottom, p.y);
  }
  const auto whole = [](double v) { return static_cast<int>(std::clamp(v, -1e9, 1e9)); };
  return {whole(std::floor(left)), whole(std::floor(top)), whole(std::floor(right)) + 1, whole(std::floor(bottom)) + 1};
}

std::vector<CanvasPath::Figure> CanvasPath::flattened() const {
  std::vector<Figure> figures;
  size_t at = 0;
  for (Verb verb : verbs_) {
    switch (verb) {
      case Verb::move:
        figures.push_back({{points_[at++]}, false});
        break;
      case Verb::line:
        figures.back().points.push_back(points_[at++]);
        break;
      case Verb::cubic: {
        std::vector<CanvasPoint>& out = figures.back().points;
        const CanvasPoint p0 = out.back();
        for (int i = 1; i <= kCurveSegments; ++i) {
          out.push_back(onBezier(p0, points_[at], points_[at + 1], points_[at + 2], double(i) / kCurveSegments));
        }
        at += 3;
        break;
      }
      case Verb::close:
        figures.back().closed = true;
        break;
    }
  }
  return figures;
}

}  // namespace vendaro
