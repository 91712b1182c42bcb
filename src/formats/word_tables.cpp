// word_tables.cpp — reads the position lists, piece table, string tables and
// formatted-disk pages of a Word 97–2003 file, each checked against its bytes.
#include "formats/word_tables.h"

#include <algorithm>

#include "platform/code_pages.h"

namespace vendaro::word {
namespace {

constexpr uint32_t kCompressedBit = 0x40000000;
constexpr size_t kPageSize = 512;
constexpr uint8_t kPropertyList = 1, kPieceTable = 2;

}  // namespace

std::optional<size_t> Plc::find(uint32_t at) const {
  if (count() == 0 || at < positions.front()) return std::nullopt;
  const auto after = std::upper_bound(positions.begin(), positions.end(), at);
  const size_t index = static_cast<size_t>(after - positions.begin()) - 1;
  if (index >= count()) return std::nullopt;
  return index;
}

Plc readPlc(Bytes bytes, size_t entrySize) {
  Plc plc;
  if (bytes.size() < 4) return plc;
  const size_t n = (bytes.size() - 4) / (4 + entrySize);
  plc.positions.reserve(n + 1);
  for (size_t i = 0; i <= n; ++i) plc.positions.push_back(le32(bytes, 4 * i));
  plc.data = bytes.subspan(4 * (n + 1), n * entrySize);
  plc.entrySize = entrySize;
  return plc;
}

std::vector<Piece> readPieces(Bytes clx, uint32_t fcMin, uint32_t textLength) {
  size_t at = 0;
  while (at < clx.size() && clx[at] == kPropertyList) at += 3 + le16(clx, at + 1);
  if (at < clx.size() && clx[at] == kPieceTable) {
    const Plc plc = readPlc(slice(clx, at + 5, le32(clx, at + 1)), 8);
    std::vector<Piece> pieces;
    for (size_t i = 0; i < plc.count(); ++i) {
      const uint32_t fc = le32(plc.entry(i), 2);
      const Piece piece{plc.positions[i], plc.positions[i + 1], (fc & kCompressedBit) ? (fc & ~kCompressedBit) / 2 : fc,
                        (fc & kCompressedBit) != 0};
      if (piece.cpEnd > piece.cpStart) pieces.push_back(piece);
    }
    if (!pieces.empty()) return pieces;
  }
  return {Piece{0, textLength, fcMin, true}};
}

uint8_t cp1252Of(char16_t code) {
  if (code < 0x80) return static_cast<uint8_t>(code);
  uint8_t byte = '?';
  return unicodeToCp1252(code, byte) ? byte : static_cast<uint8_t>('?');
}

std::string cp1252OfUtf16(Bytes utf16le, size_t count) {
  std::string text;
  for (size_t i = 0; i < count && 2 * i + 1 < utf16le.size(); ++i) {
    const char16_t c = le16(utf16le, 2 * i);
    if (c == 0) break;
    text.push_back(static_cast<char>(cp1252Of(c)));
  }
  return text;
}

std::vector<std::string> readFontNames(Bytes table) {
  std::vector<std::string> names;
  const uint32_t count = le16(table, 0);
  size_t at = 4;
  for (uint32_t i = 0; i < count && at < table.size(); ++i) {
    const size_t size = size_t(table[at]) + 1;
    const Bytes entry = slice(table, at, size);
    if (entry.empty()) break;
    names.push_back(entry.size() > 40 ? cp1252OfUtf16(entry.subspan(40), (size - 40) / 2) : std::string());
    at += size;
  }
  return names;
}

std::array<std::string, 5> readAssociatedStrings(Bytes table) {
  std::array<std::string, 5> found;
  const bool wide = le16(table, 0) == 0xFFFF;
  size_t at = wide ? 2 : 0;
  const uint16_t count = le16(table, at);
  const uint16_t extra = le16(table, at + 2);
  at += 4;
  // Slots 2 to 6 hold title, subject, keywords, comment and author.
  for (uint16_t i = 0; i < count && i <= 6 && at < table.size(); ++i) {
    const size_t length = wide ? le16(table, at) : table[at];
    at += wide ? 2 : 1;
    const Bytes chars = slice(table, at, wide ? 2 * length : length);
    if (chars.size() != (wide ? 2 * length : length)) break;
    if (i >= 2) found[i - 2] = wide ? cp1252OfUtf16(chars, length) : std::string(chars.begin(), chars.end());
    at += chars.size() + extra;
  }
  return found;
}

PropertyPages::PropertyPages(Kind kind, Bytes binTable, Bytes wordDocument)
    : kind_(kind), table_(readPlc(binTable, 4)), stream_(wordDocument) {}

PropertyPages::Run PropertyPages::find(uint32_t fc) const {
  const std::optional<size_t> entry = table_.find(fc);
  if (!entry) return {fc, fc + 1, {}};
  const uint32_t pageNumber = le32(table_.entry(*entry), 0) & 0x3FFFFF;
  const Bytes page = slice(stream_, uint64_t(pageNumber) * kPageSize, kPageSize);
  if (page.empty()) return {fc, fc + 1, {}};
  return runIn(page, fc);
}

PropertyPages::Run PropertyPages::runIn(Bytes page, uint32_t fc) const {
  const size_t runs = page[kPageSize - 1];
  const size_t entrySize = kind_ == character ? 1 : 13;
  // The run positions and their offsets must lie before the count byte.
  if (runs == 0 || 4 * (runs + 1) + entrySize * runs > kPageSize - 1) return {fc, fc + 1, {}};
  std::vector<uint32_t> positions(runs + 1);
  for (size_t i = 0; i <= runs; ++i) positions[i] = le32(page, 4 * i);
  const auto after = std::upper_bound(positions.begin(), positions.end(), fc);
  if (after == positions.begin() || after == positions.end()) return {fc, fc + 1, {}};
  const size_t run = static_cast<size_t>(after - positions.begin()) - 1;
  Run found{positions[run], positions[run + 1], {}};
  const size_t offset = 2 * size_t(page[4 * (runs + 1) + entrySize * run]);
  if (offset == 0 || offset > kPageSize - 2) return found;
  if (kind_ == character) {
    found.properties = slice(page.first(kPageSize - 1), offset + 1, page[offset]);
  } else {
    // A paragraph record's length counts words: 2 × n − 1 bytes, or a
    // second byte of 2 × n when the first is zero.
    const size_t cb = page[offset];
    const size_t start = cb ? offset + 1 : offset + 2;
    const size_t length = cb ? 2 * cb - 1 : 2 * size_t(page[offset + 1]);
    found.properties = slice(page.first(kPageSize - 1), start, length);
  }
  return found;
}

}  // namespace vendaro::word
