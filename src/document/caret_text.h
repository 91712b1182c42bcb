// caret_text.h — what lies around the caret: selecting its word or its
// paragraph, reading the word as text, and the font of the text before it
// (the input format after a caret move). None of these repaints.
#pragma once

#include <optional>
#include <string>

#include "document/document.h"

namespace vendaro {

// Selects the word at the caret together with the spaces after it; on a
// space, the word before it. A paragraph mark is never part of it.
void WortMarkieren(Document& doc);
// Selects the paragraph at the anchor, its paragraph mark included.
void AbsatzMarkieren(Document& doc);
// The word around the caret (spaces, tabs, special cells and hard line ends
// separate words). With `select`, caret and anchor move to its start.
std::string GetActualWord(Document& doc, bool select);
// The font of the cell before the caret, looking back over empty lines; a
// footnote mark's superscript is not taken over. Nothing when no line
// before the caret has text.
std::optional<TFontRec> fontBeforeCaret(const Document& doc);

}  // namespace vendaro
