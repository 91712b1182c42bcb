// paint_side_lists.h — what a paint leaves behind for the mouse: hit
// rectangles of objects and the table column edges near a pending click.
// Both live from one paint to the next.
#pragma once

#include <cstdint>
#include <vector>

namespace vendaro {

struct MouseObject {
  int32_t kind = 0;
  int32_t left = 0, top = 0, right = 0, bottom = 0;  // paint-box pixels
  // Column edges (kind 1): the cell's line and its side, 0 left, 1 right.
  int32_t field = -1, line = -1, side = 0;
};

struct TableTrack {
  int32_t field = 0;
  int32_t line = 0;
  int32_t side = 0;  // 0 left edge of the cell, 1 right edge
  bool operator==(const TableTrack&) const = default;
};

class PaintSideLists {
 public:
  void AddMouseObj(int32_t kind, int32_t left, int32_t top, int32_t right, int32_t bottom) {
    MouseObjs.push_back({kind, left, top, right, bottom});
  }
  void AddColumnEdge(int32_t left, int32_t top, int32_t right, int32_t bottom, int32_t field, int32_t line, int32_t side) {
    MouseObjs.push_back({1, left, top, right, bottom, field, line, side});
  }
  void FreeMouseObjs() { MouseObjs.clear(); }
  // The index of an equal record, appended when there is none.
  int32_t AddTableTrack(int32_t field, int32_t line, int32_t side);
  void FreeTableTrack() { TableTracks.clear(); }

  std::vector<MouseObject> MouseObjs;
  std::vector<TableTrack> TableTracks;
};

}  // namespace vendaro
