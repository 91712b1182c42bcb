// line_breaks.h — ending a line at a position with a paragraph end, a
// manual line break or a page break; in a table the whole row grows by one
// line group and only the position's column takes the text that moves.
#pragma once

#include <cstdint>

#include "document/document.h"
#include "document/text_pos.h"

namespace vendaro {

// Splits the line at `pos` (kind 1, 2 or 3) without undo step or layout and
// answers where the moved text starts (cell 0 of the new line); `pos` itself
// when it lies outside the records.
TextPos splitLineAt(Document& doc, const TextPos& pos, int32_t kind);

}  // namespace vendaro
