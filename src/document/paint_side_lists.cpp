#include "document/paint_side_lists.h"

#include <algorithm>

namespace vendaro {

int32_t PaintSideLists::AddTableTrack(int32_t field, int32_t line, int32_t side) {
  const TableTrack track{field, line, side};
  auto found = std::find(TableTracks.begin(), TableTracks.end(), track);
  if (found != TableTracks.end()) return static_cast<int32_t>(found - TableTracks.begin());
  TableTracks.push_back(track);
  return static_cast<int32_t>(TableTracks.size()) - 1;
}

}  // namespace vendaro
