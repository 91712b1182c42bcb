// key_mapping.h — translates Qt's key events into what the editor's keyboard
// handler takes: the classic virtual-key codes, the modifier bits, and the
// typed text as code page 1252 characters.
#pragma once

#include <QString>
#include <Qt>

#include <cstdint>
#include <string>

#include "editing/key_commands.h"

namespace vendaro {

// The key's code, or 0 when the key has none the editor could act on.
int32_t editorKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
ShiftState editorShiftState(Qt::KeyboardModifiers modifiers);
// The printable characters of a key event's text in code page 1252;
// characters the code page lacks and control characters are left out.
std::string typedCharacters(const QString& text);

}  // namespace vendaro
