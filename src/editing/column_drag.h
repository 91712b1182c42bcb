// column_drag.h — a drag of a table column edge on the page: where the
// pressed edge stood, the edges that move with it, and where the guide line
// stands now (snapped to 5 mm of the text area, or free).
#pragma once

#include <cstdint>
#include <vector>

#include "document/paint_side_lists.h"

namespace vendaro {

inline constexpr double kColumnSnapMm = 5.0;

struct ColumnDrag {
  bool active = false;
  bool freeDrag = false;       // pressed with the right button: no snapping
  int edgeX = 0;               // paint-box pixel of the pressed edge
  double edgeMm = 0;           // its place, mm from the text area's left
  double mmPerPixel = 0;
  double valueMm = 0;          // where the release puts the edges
  int guideX = 0;              // paint-box pixel of the guide line
  std::vector<TableTrack> tracks;

  // Follows the mouse to paint-box x.
  void moveTo(int mouseX);
};

}  // namespace vendaro
