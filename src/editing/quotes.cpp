// quotes.cpp — choosing the typographic quotation mark for a typed '"'.
#include "editing/quotes.h"

#include "editing/edit_lines.h"

namespace vendaro {

bool quoteOpensAt(const Document& doc, const TextPos& pos) {
  const TCharRec* before = cellBefore(doc, pos);
  if (!before || before->Kind != kCellChar) return true;
  return before->Ch == ' ' || before->Ch == kTabChar || before->Ch == '-';
}

uint8_t typographicQuote(int32_t quoteStyle, bool opening, std::string_view fontName) {
  if (fontName == "Courier") return '"';
  switch (quoteStyle) {
    case kQuotesGerman: return opening ? 132 : 147;   // „ “
    case kQuotesSwiss:                                // « »
    case kQuotesFrench: return opening ? 171 : 187;
    case kQuotesEnglish: return opening ? 147 : 148;  // “ ”
    default: return '"';
  }
}

}  // namespace vendaro
