#include "app/key_mapping.h"

#include <QList>

#include "platform/code_pages.h"

namespace vendaro {
namespace {

constexpr int32_t kKeySpace = 32;
constexpr int32_t kKeyF1 = 112;
constexpr int32_t kKeyNumpad0 = 96;
constexpr int32_t kKeyNumpadMultiply = 106;
constexpr int32_t kKeyNumpadAdd = 107;
constexpr int32_t kKeyNumpadSubtract = 109;
constexpr int32_t kKeyNumpadDecimal = 110;
constexpr int32_t kKeyNumpadDivide = 111;
constexpr int32_t kKeyPlus = 187;
constexpr int32_t kKeyComma = 188;
constexpr int32_t kKeyPeriod = 190;

int32_t keypadKeyCode(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return kKeyNumpad0 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk: return kKeyNumpadMultiply;
    case Qt::Key_Plus: return kKeyNumpadAdd;
    case Qt::Key_Minus: return kKeyNumpadSubtract;
    case Qt::Key_Period:
    case Qt::Key_Comma: return kKeyNumpadDecimal;
    case Qt::Key_Slash: return kKeyNumpadDivide;
    default: return 0;
  }
}

}  // namespace

int32_t editorKeyCode(int qtKey, Qt::KeyboardModifiers modifiers) {
  if (modifiers & Qt::KeypadModifier) {
    // With Num Lock off the keypad sends the navigation keys, which below
    // map like their counterparts of the main block.
    if (const int32_t code = keypadKeyCode(qtKey)) return code;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return kKeyA + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return '0' + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return kKeyF1 + (qtKey - Qt::Key_F1);
  switch (qtKey) {
    case Qt::Key_Backspace: return kKeyBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab: return kKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return kKeyEnter;
    case Qt::Key_Escape: return kKeyEscape;
    case Qt::Key_Space: return kKeySpace;
    case Qt::Key_PageUp: return kKeyPageUp;
    case Qt::Key_PageDown: return kKeyPageDown;
    case Qt::Key_End: return kKeyEnd;
    case Qt::Key_Home: return kKeyHome;
    case Qt::Key_Left: return kKeyLeft;
    case Qt::Key_Up: return kKeyUp;
    case Qt::Key_Right: return kKeyRight;
    case Qt::Key_Down: return kKeyDown;
    case Qt::Key_Insert: return kKeyInsert;
    case Qt::Key_Delete: return kKeyDelete;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return kKeyMinus;
    case Qt::Key_Plus:
    case Qt::Key_Asterisk: return kKeyPlus;
    case Qt::Key_Comma:
    case Qt::Key_Semicolon: return kKeyComma;
    case Qt::Key_Period:
    case Qt::Key_Colon: return kKeyPeriod;
    default: return 0;
  }
}

ShiftState editorShiftState(Qt::KeyboardModifiers modifiers) {
  ShiftState state = 0;
  if (modifiers & Qt::ShiftModifier) state |= kShift;
  if (modifiers & Qt::AltModifier) state |= kAlt;
  if (modifiers & Qt::ControlModifier) state |= kCtrl;
  return state;
}

std::string typedCharacters(const QString& text) {
  std::string out;
  for (const char32_t code : text.toUcs4()) {
    uint8_t ch = 0;
    if (code >= 32 && code != 127 && unicodeToCp1252(code, ch)) out.push_back(static_cast<char>(ch));
  }
  return out;
}

}  // namespace vendaro
