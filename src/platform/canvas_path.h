// canvas_path.h — outlines in fractional device pixels for what goes beyond
// rectangles and ellipses: polygons, polylines, Bézier curves, elliptic arcs
// and the clip shapes made of them, with GDI's two fill rules.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/drawing_tools.h"

namespace vendaro {

struct CanvasPoint {
  double x = 0;
  double y = 0;

  bool operator==(const CanvasPoint&) const = default;
};

class CanvasPath {
 public:
  enum class Verb : uint8_t { move, line, cubic, close };

  void moveTo(CanvasPoint p);
  void lineTo(CanvasPoint p);
  // A cubic Bézier curve from the current point through two control points.
  void cubicTo(CanvasPoint c1, CanvasPoint c2, CanvasPoint end);
  void close();
  void append(const CanvasPath& other);

  void addPolygon(const std::vector<CanvasPoint>& points);
  // The elliptic arc of the ellipse with centre `c` and radii rx, ry from
  // `startDegrees` through `sweepDegrees` (counter-clockwise on the screen
  // for positive sweeps), joined to the current figure with a line unless
  // `startFigure`.
  void addArc(CanvasPoint c, double rx, double ry, double startDegrees, double sweepDegrees, bool startFigure);

  // Moves every point through `map`, e.g. from logical to device pixels.
  template <typename Map>
  void transform(const Map& map) {
    for (CanvasPoint& p : points_) p = map(p);
    figureStart_ = map(figureStart_);
  }

  bool empty() const { return verbs_.empty(); }
  const std::vector<Verb>& verbs() const { return verbs_; }
  // One point per move and line, three per cubic, none per close.
  const std::vector<CanvasPoint>& points() const { return points_; }
  CanvasPoint currentPoint() const;
  // The smallest whole-pixel rectangle holding every point (control points
  // included); right and bottom lie outside.
  CanvasRect bounds() const;
  // Each figure as a polyline with curves split into short lines, and
  // whether it was closed.
  struct Figure {
    std::vector<CanvasPoint> points;
    bool closed = false;
  };
  std::vector<Figure> flattened() const;

  // Filled with the nonzero winding rule; even-odd (GDI's ALTERNATE) otherwise.
  bool winding = false;

 private:
  void continueFigure();

  std::vector<Verb> verbs_;
  std::vector<CanvasPoint> points_;
  CanvasPoint figureStart_;
};

}  // namespace vendaro
