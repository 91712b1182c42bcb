// quotes.h — typographic quotation marks for the straight double quote:
// whether a quote typed at a position opens or closes, and the mark each
// quote style uses for either (code page 1252).
#pragma once

#include <cstdint>
#include <string_view>

#include "document/document.h"
#include "document/text_pos.h"
#include "editing/key_commands.h"

namespace vendaro {

// A quote opens at the start of a paragraph, of a table cell or of the
// flow, and after a space, a tab, a hyphen or a special cell; after any
// other character it closes.
bool quoteOpensAt(const Document& doc, const TextPos& pos);
// The mark that replaces a straight double quote; the straight quote itself
// for the neutral style, an unknown style and the "Courier" face, whose
// straight quote is part of its typewriter look.
uint8_t typographicQuote(int32_t quoteStyle, bool opening, std::string_view fontName);

}  // namespace vendaro
