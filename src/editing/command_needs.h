// command_needs.h — when a menu entry or tool button may be chosen: what each
// command needs of the active document (a frame that holds text, a table, a
// selection …), and the one place that answers it from the caret's frame.
#pragma once

#include <cstdint>

#include "document/document.h"

namespace vendaro {

enum class CommandNeed : uint8_t {
  nothing,         // works without a document
  document,        // any open document
  unsavedChanges,  // a document without a file name yet, or modified
  selection,       // selected text or at least one selected object
  clipboardData,   // a document and something on the clipboard to paste
  textFrame,       // the caret in page text, a header, footer, footnote or text box
  textBox,         // the caret in a text box
  objectFrame,     // the caret in a text box, drawing object or picture frame
  outsideTable,    // text, not inside a table
  insideTable,     // text inside a table
  pictureCell,     // exactly one cell selected, and it is a picture
};

// What the needs are judged by, read once when a menu opens.
struct CommandContext {
  bool document = false;
  bool unsavedChanges = false;
  bool selection = false;
  bool clipboardData = false;
  int32_t frameKind = -1;  // FieldType of the caret's frame; -1 without one
  bool inTable = false;
  bool pictureCell = false;
};

// The context of `doc` (null: no document). Whether the clipboard holds
// anything is the window's to say; it is left false here.
CommandContext commandContext(const Document* doc);
bool commandAllowed(CommandNeed need, const CommandContext& context);

}  // namespace vendaro
