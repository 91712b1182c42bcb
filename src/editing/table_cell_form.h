// table_cell_form.h — the cell format dialog as data with its own rules:
// six border borders (outer and inner lines of the selection) gathered from
// the cells, toggled by the buttons, the preview and the presets, and the
// background. The window shows it; the rules hold without a window.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vendaro {

// The borders in the dialog's order.
enum TableBorderSlot : int {
  kSlotTop = 0, kSlotInnerHorizontal = 1, kSlotBottom = 2, kSlotLeft = 3, kSlotInnerVertical = 4, kSlotRight = 5
};
inline constexpr int kBorderSlots = 6;
inline constexpr int32_t kCellWhite = 0xFFFFFF;

struct BorderSlot {
  int32_t color = 0;
  double width = 0.75;  // points
  bool visible = false;
  bool uniform = true;       // every cell's border of this slot looked alike
  bool initialised = false;  // a cell's border has been gathered
  bool changed = false;      // the user set it
};

struct TTableCellForm {
  std::array<BorderSlot, kBorderSlots> borders;
  double lineWidth = 0.75;   // "Linienstärke in pt:", 0 to 10 in steps of 0.25
  int32_t lineColor = 0;     // "Linienfarbe:"
  int32_t backColor = kCellWhite;  // "Hintergrundfarbe:"
  bool transparent = true;   // "Transparent"
  bool backgroundChanged = false;
  bool backgroundGathered = false;

  // Gathering from the cells: the first value fills a slot, a differing
  // later one makes it mixed.
  void gather(int slot, int32_t color, double width, bool visible);
  void gatherBackground(int32_t color, bool isTransparent);
  // A border button or a click on the preview: the border switches and
  // takes the current line colour and width.
  void toggle(int slot);
  // "Ohne", "Kasten", "Alle", "Gitternetz".
  void presetOhne();
  void presetKasten();
  void presetAlle();
  void presetGitternetz();
  // "Dünn", "Dick", "Sehr dick".
  void setLineWidth(double points);
  void setBackColor(int32_t color);
  void setTransparent(bool on);
  bool transparentEnabled() const { return backColor == kCellWhite; }
  // Whether OK writes this slot into the cells: it was alike everywhere or
  // the user set it.
  bool writes(int slot) const { return borders[static_cast<size_t>(slot)].uniform || borders[static_cast<size_t>(slot)].changed; }

 private:
  void stamp(int slot, bool visible);
};

// The border a click at (x, y) on a preview `width` × `height` pixels
// toggles, -1 for none; edges are tested before the middle lines.
int previewBorderAt(int x, int y, int width, int height);

}  // namespace vendaro
