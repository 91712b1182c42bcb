#include "platform/canvas.h"

#include <cmath>

namespace vendaro {

void Canvas::drawPath(const CanvasPath& path, bool, bool stroke) {
  if (!stroke) return;
  for (const CanvasPath::Figure& figure : path.flattened()) {
    const std::vector<CanvasPoint>& p = figure.points;
    const auto px = [](double v) { return static_cast<int>(std::lround(v)); };
    for (size_t i = 1; i < p.size(); ++i) line(px(p[i - 1].x), px(p[i - 1].y), px(p[i].x), px(p[i].y));
    if (figure.closed && p.size() > 2) line(px(p.back().x), px(p.back().y), px(p.front().x), px(p.front().y));
  }
}

void Canvas::clipPath(const CanvasPath& path, ClipCombine how) {
  if (how == ClipCombine::replace || how == ClipCombine::intersect) setClip(path.bounds());
}

void Canvas::textOutRotated(int x, int y, double, std::string_view text, std::span<const int> advances) {
  textOut(x, y, text, advances);
}

void Canvas::blendPicture(const CanvasRect& dest, const TPictureRec& picture, PictureBlend) {
  drawPicture(dest, picture);
}

}  // namespace vendaro
