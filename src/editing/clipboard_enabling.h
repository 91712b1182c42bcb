// clipboard_enabling.h — when cut, copy, paste and paste special can be
// chosen: cut and copy need something selected, the pastes a document and
// a clipboard that offers a format the program reads.
#pragma once

#include <optional>

#include "document/document.h"
#include "editing/editor_host.h"

namespace vendaro {

struct ClipboardCommandsEnabled {
  bool cut = false, copy = false, paste = false, pasteSpecial = false;
  bool operator==(const ClipboardCommandsEnabled&) const = default;
};

// `active` is the active document (null without one); `offered` is empty
// when the clipboard could not be opened.
ClipboardCommandsEnabled clipboardCommandsEnabled(const Document* active, const std::optional<ClipboardFormats>& offered);

}  // namespace vendaro
