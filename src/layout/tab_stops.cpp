#include "layout/tab_stops.h"

#include <algorithm>
#include <cmath>
#include <span>

namespace vendaro {
namespace {

enum TabAlignKind : int32_t { kTabLeft = 0, kTabCentred = 1, kTabRight = 2, kTabDecimal = 3 };

// Width of the cells after the tab that its stop aligns: up to the next tab
// (or the end of the paragraph inside a joined table cell), for a decimal
// stop up to the first comma. Pictures, marks and fields always count.
double alignedWidth(std::span<const TCharRec> cells, size_t tab, bool decimal) {
  double width = 0;
  for (size_t i = tab + 1; i < cells.size(); ++i) {
    const TCharRec& cell = cells[i];
    if (cell.Kind == kCellChar) {
      if (cell.Ch == kTabChar || (cell.Ch >= 13 && cell.Ch <= 15)) break;
      if (decimal && cell.Ch == ',') break;
    }
    width += cell.CharWidth;
  }
  return width;
}

}  // namespace

void measureTabCell(std::span<TCharRec> cells, size_t index, double x, const TParaFormat& para) {
  TCharRec& tab = cells[index];
  for (const TTabStop& stop : para.Tabs) {
    if (stop.Pos <= x) continue;
    double width = stop.Pos - x;
    if (stop.TabAlign == kTabCentred) width -= alignedWidth(cells, index, false) / 2;
    else if (stop.TabAlign == kTabRight || stop.TabAlign == kTabDecimal)
      width -= alignedWidth(cells, index, stop.TabAlign == kTabDecimal);
    tab.CharWidth = std::max(0.0, width);
    tab.TabLeader = static_cast<uint8_t>(std::clamp<int32_t>(stop.Leader, 0, 3));
    return;
  }
  const double step = para.DefaultTabWidth;
  tab.CharWidth = step > 0 ? (std::trunc(x / step) + 1) * step - x : 0.0;
  tab.TabLeader = 0;
}

}  // namespace vendaro
