// keyboard_driver.h — drives an editor the way a person at the keyboard
// does, and reads a frame's text back independent of where lines wrap.
#pragma once

#include <string>
#include <string_view>

#include "editing/editor.h"

namespace vendaro::test {

// Types `text`: "\n" is the Enter key, "\t" the Tab key, "\b" Backspace,
// everything else a typed character.
inline void typeKeys(Editor& editor, std::string_view text) {
  for (char c : text) {
    if (c == '\n') editor.getkeysKeyDown(kKeyEnter, 0);
    else if (c == '\t') editor.getkeysKeyDown(kKeyTab, 0);
    else if (c == '\b') editor.getkeysKeyDown(kKeyBackspace, 0);
    else editor.getkeysKeyPress(static_cast<uint8_t>(c));
  }
}

// The text of frame `field` with "\n" for a paragraph end, "\v" for a
// manual line break and "\f" for a page break; soft wraps leave no mark.
inline std::string flowText(const Document& doc, int32_t field = 0) {
  std::string text;
  for (const TLineRec& line : doc.Fields[static_cast<size_t>(field)].Lines) {
    for (const TCharRec& cell : line.Chars) text.push_back(cell.Kind == kCellChar ? static_cast<char>(cell.Ch) : '#');
    if (line.LineEnd == kLineEndParagraph) text.push_back('\n');
    else if (line.LineEnd == kLineEndManual) text.push_back('\v');
    else if (line.LineEnd == kLineEndPage) text.push_back('\f');
  }
  return text;
}

}  // namespace vendaro::test
