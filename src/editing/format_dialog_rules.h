// format_dialog_rules.h — what the formatting dialogs do inside themselves
// before OK: the line spacing list and its measure, the tab stop list, the
// style manager's list. The window calls these, so the rules hold without it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "editing/editor_host.h"

namespace vendaro {

// Paragraph dialog. Choosing "Einfach", "1,5 Zeilen" or "Doppelt" puts
// "1", "1,5" or "2" into the measure; the others leave it.
std::optional<std::string> measureForSpacingChoice(int choice);
// The unit beside the measure: "mm" for "Mindestens" and "Genau".
const char* spacingUnitLabel(int choice);
// Typing a measure while a multiple is chosen picks the matching multiple,
// or "Mehrfach"; an at-least or exact choice stays, and so does any choice
// while the text is no number.
int spacingChoiceForTypedMeasure(int currentChoice, std::string_view measure);

// Tab stop dialog, "Setzen": the typed position (cm) joins the list in
// order, or, when listed already, gives that stop the alignment and leader.
// Returns the message to show when the text is refused (nothing changes),
// else an empty text; `selected` becomes the stop's index.
inline constexpr const char* kTabNotANumberMessage = "Ungültiger Wert für einen Tabstop. Sie müssen eine Zahl eingeben!";
inline constexpr const char* kTabOutOfRangeMessage = "Ungültiger Wert für einen Tabstop (Wertebereich: x>0; x<=100 cm).";
std::string setTabStop(TabulatorDialog& dialog, std::string_view typed, int32_t align, int32_t leader, int& selected);
// "Löschen" (an index outside the list does nothing) and "Alle löschen".
void removeTabStop(TabulatorDialog& dialog, int index);
void removeAllTabStops(TabulatorDialog& dialog);

// Style names: 1 to 255 bytes of code page 1252.
bool styleNameAcceptable(std::string_view cp1252Name);
// Style manager: "&Umbenennen" and "&Löschen" on the list entry `index`;
// each changes the list and logs the change for the document. Out-of-range
// indexes and unacceptable names do nothing.
void renameStyleEntry(VorlagenVerwaltenDialog& dialog, int index, const std::string& cp1252Name);
void removeStyleEntry(VorlagenVerwaltenDialog& dialog, int index);

}  // namespace vendaro
