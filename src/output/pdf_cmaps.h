// pdf_cmaps.h — the two character maps an embedded PDF font carries: the
// TrueType 'cmap' table through which viewers find each code's glyph, and
// the ToUnicode CMap through which text extraction finds its characters.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace vendaro {

struct CmapEntry {
  uint16_t key;    // a Unicode character, or 0xF000 + code in a symbol table
  uint16_t glyph;
};

// A complete 'cmap' table with one format 4 subtable: Windows Unicode (3,1),
// or Windows symbol (3,0) when `symbol`. Entries may come in any order; the
// first entry of a key wins.
std::string trueTypeCmapTable(std::vector<CmapEntry> entries, bool symbol);

struct CodeCharacter {
  uint8_t code;
  char32_t character;
};

// A ToUnicode CMap program for single-byte codes.
std::string toUnicodeCMap(const std::vector<CodeCharacter>& codes);

}  // namespace vendaro
