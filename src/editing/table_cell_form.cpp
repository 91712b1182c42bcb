// table_cell_form.cpp — the cell format dialog's own rules.
#include "editing/table_cell_form.h"

#include <algorithm>
#include <cstdlib>

#include "document/record_ranges.h"

namespace vendaro {
namespace {

constexpr double kThinLine = 0.75;

}  // namespace

void TTableCellForm::gather(int slot, int32_t color, double width, bool visible) {
  BorderSlot& s = borders[static_cast<size_t>(slot)];
  if (!s.initialised) {
    s.color = color;
    s.width = width;
    s.visible = visible;
    s.initialised = true;
    return;
  }
  if (s.color != color || s.width != width || s.visible != visible) s.uniform = false;
}

void TTableCellForm::gatherBackground(int32_t color, bool isTransparent) {
  if (!backgroundGathered) {
    backColor = color;
    transparent = isTransparent;
    backgroundGathered = true;
  } else if (backColor != color || transparent != isTransparent) {
    // Mixed backgrounds show as none.
    backColor = kCellWhite;
    transparent = true;
  }
}

void TTableCellForm::stamp(int slot, bool visible) {
  BorderSlot& s = borders[static_cast<size_t>(slot)];
  s.visible = visible;
  s.color = lineColor;
  s.width = lineWidth;
  s.changed = true;
}

void TTableCellForm::toggle(int slot) {
  if (slot < 0 || slot >= kBorderSlots) return;
  stamp(slot, !borders[static_cast<size_t>(slot)].visible);
}

void TTableCellForm::presetOhne() {
  for (int s = 0; s < kBorderSlots; ++s) stamp(s, false);
}

void TTableCellForm::presetKasten() {
  for (int s = 0; s < kBorderSlots; ++s) stamp(s, s != kSlotInnerHorizontal && s != kSlotInnerVertical);
}

void TTableCellForm::presetAlle() {
  for (int s = 0; s < kBorderSlots; ++s) stamp(s, true);
}

void TTableCellForm::presetGitternetz() {
  presetAlle();
  borders[kSlotInnerHorizontal].width = kThinLine;
  borders[kSlotInnerVertical].width = kThinLine;
}

void TTableCellForm::setLineWidth(double points) { lineWidth = std::clamp(points, 0.0, kMaxBorderWidthPoints); }

void TTableCellForm::setBackColor(int32_t color) {
  backColor = color;
  backgroundChanged = true;
}

void TTableCellForm::setTransparent(bool on) {
  transparent = on;
  backgroundChanged = true;
}

int previewBorderAt(int x, int y, int width, int height) {
  if (x <= 9) return kSlotLeft;
  if (x > width - 11) return kSlotRight;
  if (y <= 9) return kSlotTop;
  if (y > height - 11) return kSlotBottom;
  if (std::abs(x - width / 2) < 10) return kSlotInnerVertical;
  if (std::abs(y - height / 2) < 10) return kSlotInnerHorizontal;
  return -1;
}

}  // namespace vendaro
