#include "output/pdf_cmaps.h"

#include <gtest/gtest.h>

#include <map>

namespace vendaro {
namespace {

uint16_t u16(const std::string& table, size_t at) {
  return static_cast<uint16_t>((static_cast<uint8_t>(table[at]) << 8) | static_cast<uint8_t>(table[at + 1]));
}

// Looks every key up the way a viewer does: find the segment, add its delta.
std::map<uint16_t, uint16_t> readFormat4(const std::string& table) {
  std::map<uint16_t, uint16_t> glyphs;
  const size_t sub = static_cast<size_t>(u16(table, 8)) << 16 | u16(table, 10);
  EXPECT_EQ(u16(table, sub), 4);
  EXPECT_EQ(u16(table, sub + 2), table.size() - sub);
  const size_t segments = u16(table, sub + 6) / 2;
  const size_t ends = sub + 14;
  const size_t starts = ends + 2 * segments + 2;
  const size_t deltas = starts + 2 * segments;
  EXPECT_EQ(u16(table, ends + 2 * (segments - 1)), 0xFFFF);
  for (size_t s = 0; s + 1 < segments; ++s) {
    for (uint32_t key = u16(table, starts + 2 * s); key <= u16(table, ends + 2 * s); ++key) {
      glyphs[static_cast<uint16_t>(key)] = static_cast<uint16_t>(key + u16(table, deltas + 2 * s));
    }
  }
  return glyphs;
}

TEST(PdfCmaps, TrueTypeMapsMergeRunsAndTheFirstEntryOfAKeyWins) {
  const std::string table = trueTypeCmapTable({{0x43, 5}, {0x41, 3}, {0x20, 1}, {0x42, 4}, {0x20, 9}, {0xF0A7, 2}},
                                              false);
  EXPECT_EQ(table.substr(0, 12), std::string("\0\0\0\1\0\3\0\1\0\0\0\14", 12));  // Windows Unicode
  EXPECT_EQ(u16(table, 12 + 6), 2 * 4);  // space, A–C, 0xF0A7, the closing 0xFFFF
  const std::map<uint16_t, uint16_t> expected = {{0x20, 1}, {0x41, 3}, {0x42, 4}, {0x43, 5}, {0xF0A7, 2}};
  EXPECT_EQ(readFormat4(table), expected);

  const std::string symbol = trueTypeCmapTable({{0xF09F, 7}}, true);
  EXPECT_EQ(u16(symbol, 6), 0);  // Windows symbol encoding
  EXPECT_EQ(readFormat4(symbol), (std::map<uint16_t, uint16_t>{{0xF09F, 7}}));
  EXPECT_EQ(readFormat4(trueTypeCmapTable({}, false)), (std::map<uint16_t, uint16_t>{}));
}

TEST(PdfCmaps, ToUnicodeMapsComeInBlocksOfAHundred) {
  std::vector<CodeCharacter> codes;
  for (int code = 0; code < 150; ++code) codes.push_back({static_cast<uint8_t>(code), U'\u2022'});
  codes.push_back({0xFF, U'\U0001F600'});  // beyond the BMP: a surrogate pair
  const std::string cmap = toUnicodeCMap(codes);
  EXPECT_NE(cmap.find("100 beginbfchar\n<00> <2022>\n"), std::string::npos);
  EXPECT_NE(cmap.find("endbfchar\n51 beginbfchar\n<64> <2022>\n"), std::string::npos);
  EXPECT_NE(cmap.find("<FF> <D83DDE00>\nendbfchar\nendcmap\n"), std::string::npos);
}

}  // namespace
}  // namespace vendaro
