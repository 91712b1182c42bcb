#include "editing/format_dialog_rules.h"

#include <algorithm>

#include "document/paragraph_format.h"
#include "editing/decimal_text.h"

namespace vendaro {
namespace {

bool isMultipleChoice(int choice) {
  return choice == kSpacingSingle || choice == kSpacingOneAndHalf || choice == kSpacingDouble || choice == kSpacingMultiple;
}

}  // namespace

std::optional<std::string> measureForSpacingChoice(int choice) {
  switch (choice) {
    case kSpacingSingle: return "1";
    case kSpacingOneAndHalf: return "1,5";
    case kSpacingDouble: return "2";
    default: return std::nullopt;
  }
}

const char* spacingUnitLabel(int choice) {
  return choice == kSpacingAtLeast || choice == kSpacingExactly ? "mm" : "Zeilen";
}

int spacingChoiceForTypedMeasure(int currentChoice, std::string_view measure) {
  if (!isMultipleChoice(currentChoice)) return currentChoice;
  const std::optional<double> value = parseDecimal(measure);
  if (!value) return currentChoice;
  if (*value == 1.0) return kSpacingSingle;
  if (*value == 1.5) return kSpacingOneAndHalf;
  if (*value == 2.0) return kSpacingDouble;
  return kSpacingMultiple;
}

std::string setTabStop(TabulatorDialog& dialog, std::string_view typed, int32_t align, int32_t leader, int& selected) {
  const std::optional<double> position = parseDecimal(typed);
  if (!position) return kTabNotANumberMessage;
  if (!(*position > 0 && *position <= 100)) return kTabOutOfRangeMessage;
  auto& stops = dialog.stops;
  auto place = std::find_if(stops.begin(), stops.end(), [&](const TabDialogStop& s) { return s.position >= *position; });
  if (place == stops.end() || place->position != *position) place = stops.insert(place, TabDialogStop{*position, align, leader});
  place->align = align;
  place->leader = leader;
  selected = static_cast<int>(place - stops.begin());
  return {};
}

void removeTabStop(TabulatorDialog& dialog, int index) {
  if (index < 0 || index >= static_cast<int>(dialog.stops.size())) return;
  dialog.stops.erase(dialog.stops.begin() + index);
}

void removeAllTabStops(TabulatorDialog& dialog) { dialog.stops.clear(); }

bool styleNameAcceptable(std::string_view cp1252Name) { return !cp1252Name.empty() && cp1252Name.size() <= 255; }

void renameStyleEntry(VorlagenVerwaltenDialog& dialog, int index, const std::string& cp1252Name) {
  if (index < 0 || index >= static_cast<int>(dialog.names.size()) || !styleNameAcceptable(cp1252Name)) return;
  dialog.names[static_cast<size_t>(index)] = cp1252Name;
  dialog.edits.push_back({VorlagenEdit::rename, index, cp1252Name});
}

void removeStyleEntry(VorlagenVerwaltenDialog& dialog, int index) {
  if (index < 0 || index >= static_cast<int>(dialog.names.size())) return;
  dialog.names.erase(dialog.names.begin() + index);
  dialog.edits.push_back({VorlagenEdit::remove, index, {}});
  const int count = static_cast<int>(dialog.names.size());
  dialog.selected = count == 0 ? -1 : std::min(dialog.selected, count - 1);
}

}  // namespace vendaro
