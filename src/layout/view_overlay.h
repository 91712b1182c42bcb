// view_overlay.h — dotted marks the page view draws over its composed page
// image while the mouse drags something: the guide line of a ruler drag,
// and in the same way a table's column edge, a rubber band or the outline
// of a frame being moved. Changing them repaints no page.
#pragma once

#include <cstdint>
#include <vector>

namespace vendaro {

// Who shows a mark: each owner has at most one at a time.
enum class OverlayOwner : uint8_t { rulerGuide, tableEdge, objectOutline, rubberBand };

// In pixels of the paint box (the page view's content). A vertical line
// spans the whole height of the view at x; a horizontal one its width at y.
struct OverlayShape {
  enum class Kind : uint8_t { verticalLine, horizontalLine, rectangle } kind = Kind::verticalLine;
  int x = 0, y = 0;
  int right = 0, bottom = 0;  // rectangles: exclusive, as every rectangle
  bool operator==(const OverlayShape&) const = default;
};

class ViewOverlay {
 public:
  struct Entry {
    OverlayOwner owner;
    OverlayShape shape;
  };

  // True when the marks changed, so that the view needs drawing.
  bool show(OverlayOwner owner, const OverlayShape& shape) {
    for (Entry& e : entries_) {
      if (e.owner != owner) continue;
      if (e.shape == shape) return false;
      e.shape = shape;
      return true;
    }
    entries_.push_back({owner, shape});
    return true;
  }
  bool hide(OverlayOwner owner) {
    for (auto it = entries_.begin(); it != entries_.end(); ++it) {
      if (it->owner != owner) continue;
      entries_.erase(it);
      return true;
    }
    return false;
  }
  const std::vector<Entry>& entries() const { return entries_; }
  bool empty() const { return entries_.empty(); }

  static OverlayShape verticalLine(int x) { return {OverlayShape::Kind::verticalLine, x, 0, 0, 0}; }

 private:
  std::vector<Entry> entries_;
};

}  // namespace vendaro
