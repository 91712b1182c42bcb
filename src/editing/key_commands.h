// key_commands.h — the keys and modifier bits the editor's keyboard handler
// understands, as plain numbers that any front end can translate its own key
// events into (the values are the classic virtual-key codes).
#pragma once

#include <cstdint>

namespace vendaro {

enum KeyCode : int32_t {
  kKeyBackspace = 8,
  kKeyTab = 9,
  kKeyEnter = 13,
  kKeyEscape = 27,
  kKeyPageUp = 33,
  kKeyPageDown = 34,
  kKeyEnd = 35,
  kKeyHome = 36,
  kKeyLeft = 37,
  kKeyUp = 38,
  kKeyRight = 39,
  kKeyDown = 40,
  kKeyInsert = 45,
  kKeyDelete = 46,
  kKeyA = 'A',
  kKeyB = 'B',
  kKeyE = 'E',
  kKeyF = 'F',
  kKeyK = 'K',
  kKeyL = 'L',
  kKeyR = 'R',
  kKeyU = 'U',
  kKeyMinus = 189,  // the minus key of the main keyboard, not the keypad's
};

// Modifier bits of a key event.
enum ShiftStateBit : uint32_t { kShift = 1u, kAlt = 2u, kCtrl = 4u };
using ShiftState = uint32_t;

inline bool shiftHeld(ShiftState s) { return (s & kShift) != 0; }
inline bool altHeld(ShiftState s) { return (s & kAlt) != 0; }
inline bool ctrlHeld(ShiftState s) { return (s & kCtrl) != 0; }

// Quote styles of the program options.
enum QuoteStyleValue : int32_t {
  kQuotesNeutral = 0, kQuotesGerman = 1, kQuotesSwiss = 2, kQuotesFrench = 3, kQuotesEnglish = 4
};

// Program options the keyboard obeys. The main window owns the values and
// hands them to every editor; the defaults are those of a first start.
struct TypingOptions {
  // Typed characters replace the cell at the caret (the Insert key).
  bool OverwriteMode = false;
  // How the straight double quote is replaced (QuoteStyleValue).
  int32_t QuoteStyle = kQuotesGerman;
};

// Ruler drag modes the keyboard cares about; the ruler itself uses more.
inline constexpr int32_t kRulerDragNone = 0;
// The drag goes on, but its release changes no format (a key was pressed).
inline constexpr int32_t kRulerDragCancelled = 99;

}  // namespace vendaro
