#include "output/pdf_cmaps.h"

#include <algorithm>

namespace vendaro {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendU16(std::string& out, uint16_t value) {
  out += static_cast<char>(value >> 8);
  out += static_cast<char>(value & 0xFF);
}

void appendHex16(std::string& out, uint16_t value) {
  for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(value >> shift) & 15];
}

struct Segment {
  uint16_t first;
  uint16_t last;
  uint16_t delta;  // glyph − code, modulo 65536
};

// Runs of keys whose glyphs follow each other share one segment.
std::vector<Segment> segmentsOf(const std::vector<CmapEntry>& sorted) {
  std::vector<Segment> segments;
  for (const CmapEntry& entry : sorted) {
    const auto delta = static_cast<uint16_t>(entry.glyph - entry.key);
    if (!segments.empty() && segments.back().last + 1 == entry.key && segments.back().delta == delta) {
      segments.back().last = entry.key;
    } else {
      segments.push_back({entry.key, entry.key, delta});
    }
  }
  // The table must end with a segment for 0xFFFF.
  if (segments.empty() || segments.back().last != 0xFFFF) segments.push_back({0xFFFF, 0xFFFF, 1});
  return segments;
}

}  // namespace

std::string trueTypeCmapTable(std::vector<CmapEntry> entries, bool symbol) {
  std::stable_sort(entries.begin(), entries.end(),
                   [](const CmapEntry& a, const CmapEntry& b) { return a.key < b.key; });
  entries.erase(std::unique(entries.begin(), entries.end(),
                            [](const CmapEntry& a, const CmapEntry& b) { return a.key == b.key; }),
                entries.end());
  const std::vector<Segment> segments = segmentsOf(entries);
  const auto segCount = static_cast<uint16_t>(segments.size());
  uint16_t entrySelector = 0;
  while ((2u << entrySelector) <= segCount) ++entrySelector;
  const auto searchRange = static_cast<uint16_t>(2u << entrySelector);

  std::string out;
  appendU16(out, 0);  // table version
  appendU16(out, 1);  // one subtable
  appendU16(out, 3);  // Windows
  appendU16(out, symbol ? 0 : 1);
  appendU16(out, 0);
  appendU16(out, 12);  // the subtable's offset, 32 bits
  appendU16(out, 4);
  appendU16(out, static_cast<uint16_t>(16 + 8 * segCount));
  appendU16(out, 0);  // language
  appendU16(out, static_cast<uint16_t>(2 * segCount));
  appendU16(out, searchRange);
  appendU16(out, entrySelector);
  appendU16(out, static_cast<uint16_t>(2 * segCount - searchRange));
  for (const Segment& segment : segments) appendU16(out, segment.last);
  appendU16(out, 0);  // reserved
  for (const Segment& segment : segments) appendU16(out, segment.first);
  for (const Segment& segment : segments) appendU16(out, segment.delta);
  for (size_t i = 0; i < segments.size(); ++i) appendU16(out, 0);  // no glyph index array
  return out;
}

std::string toUnicodeCMap(const std::vector<CodeCharacter>& codes) {
  std::string out =
      "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
      "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
      "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
      "1 begincodespacerange\n<00> <FF>\nendcodespacerange\n";
  // At most 100 mappings per block.
  for (size_t start = 0; start < codes.size(); start += 100) {
    const size_t count = std::min<size_t>(100, codes.size() - start);
    out += std::to_string(count) + " beginbfchar\n";
    for (size_t i = start; i < start + count; ++i) {
      const CodeCharacter& entry = codes[i];
      out += '<';
      out += kHexDigits[entry.code >> 4];
      out += kHexDigits[entry.code & 15];
      out += "> <";
      if (entry.character > 0xFFFF) {
        const char32_t offset = entry.character - 0x10000;
        appendHex16(out, static_cast<uint16_t>(0xD800 + (offset >> 10)));
        appendHex16(out, static_cast<uint16_t>(0xDC00 + (offset & 0x3FF)));
      } else {
        appendHex16(out, static_cast<uint16_t>(entry.character));
      }
      out += ">\n";
    }
    out += "endbfchar\n";
  }
  out += "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";
  return out;
}

}  // namespace vendaro
