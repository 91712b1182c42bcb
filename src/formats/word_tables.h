// word_tables.h — the tables of a Word 97–2003 file that locate text and
// properties: position lists with data (PLCs), the piece table, the font
// and associated-string tables, the bin tables with their formatted-disk
// pages. A table whose counts do not fit its bytes counts as absent.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/word_fib.h"

namespace vendaro::word {

// n + 1 positions followed by n entries of `entrySize` bytes.
struct Plc {
  std::vector<uint32_t> positions;
  Bytes data;
  size_t entrySize = 0;

  size_t count() const { return positions.empty() ? 0 : positions.size() - 1; }
  Bytes entry(size_t i) const { return data.subspan(i * entrySize, entrySize); }
  // The entry whose range [positions[i], positions[i + 1]) holds `at`.
  std::optional<size_t> find(uint32_t at) const;
};
Plc readPlc(Bytes bytes, size_t entrySize);

// Where character positions lie in the document stream.
struct Piece {
  uint32_t cpStart = 0, cpEnd = 0;
  uint32_t fc = 0;  // byte position of cpStart
  bool compressed = false;  // one byte per character, else two
};
// From the Clx: property lists come first and are stepped over; without a
// piece table the text is one compressed piece from `fcMin`.
std::vector<Piece> readPieces(Bytes clx, uint32_t fcMin, uint32_t textLength);

// 16-bit text as code page 1252: what has no place there becomes '?'.
uint8_t cp1252Of(char16_t code);
std::string cp1252OfUtf16(Bytes utf16le, size_t count);

std::vector<std::string> readFontNames(Bytes sttbfFfn);
// Title, subject, keywords, comment and author, in that order.
std::array<std::string, 5> readAssociatedStrings(Bytes sttbfAssoc);

// The 512-byte formatted-disk pages of one bin table: for a text position
// the run holding it and that run's property bytes.
class PropertyPages {
 public:
  enum Kind { character, paragraph };
  PropertyPages(Kind kind, Bytes binTable, Bytes wordDocument);

  struct Run {
    uint32_t fcStart = 0, fcEnd = 0;
    Bytes properties;  // CHPX: the SPRMs; PAPX: style index, then SPRMs
  };
  // The run at `fc`; a run without properties when no page covers it.
  Run find(uint32_t fc) const;

 private:
  Run runIn(Bytes page, uint32_t fc) const;
  Kind kind_;
  Plc table_;
  Bytes stream_;
};

}  // namespace vendaro::word
