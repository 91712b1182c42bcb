// line_breaking.h — the layout run: brings every line of the document into
// a consistent state (wrapped to its column or cell, measured, numbered,
// paginated into columns and linked text boxes) after any change.
#pragma once

#include <functional>
#include <string_view>

#include "document/document.h"
#include "layout/hyphenation.h"

namespace vendaro {

// What a layout run works on and the hooks of the subsystems it serves.
struct LayoutContext {
  Document& doc;
  DocumentHyphenation& hyphenation;
  // Spell checking while typing: answers whether a word is spelled
  // correctly; empty while checking is switched off.
  std::function<bool(std::string_view word)> isWordCorrect;
  // Brings field texts up to date before the text is measured
  // (FelderAktuallisieren); it changes cells, never where the caret is,
  // and answers whether a field changed size (its line is then dirty).
  // Empty while the document has no field updating.
  std::function<bool(Document&)> refreshFields;
  // Check every line, not only those this run lays out. Needed when the
  // check's answers may have changed (other word lists, learned words) or
  // the lines' marks are of unknown origin; otherwise a line that is not
  // laid out keeps the marks it got when it last was, for the same text.
  bool checkEveryLine = true;
};

// Re-wraps every dirty paragraph and lays out the whole document; the caret
// and the selection anchor follow the text they stand in. Ends with every
// line clean.
void MakeSoftEnters(const LayoutContext& ctx);

}  // namespace vendaro
