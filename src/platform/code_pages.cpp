// code_pages.cpp — Windows-1252 and IBM 850 tables, both directions, and
// the UTF-8 conversions at the program's boundary.
#include "platform/code_pages.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vendaro {
namespace {

// Upper halves only: both code pages agree with ASCII below 0x80.
//
// 0x81, 0x8D, 0x8F, 0x90 and 0x9D have no character in 1252; like Windows'
// own conversion they stand for the C1 controls of the same number, so every
// byte survives a round trip through Unicode.
constexpr std::array<char16_t, 128> kCp1252Upper = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 98
    0x00A0, 0x00A1, 0x00A2, 0x00A3, 0x00A4, 0x00A5, 0x00A6, 0x00A7,  // A0
    0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,  // A8
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x00B8, 0x00B9, 0x00BA, 0x00BB, 0x00BC, 0x00BD, 0x00BE, 0x00BF,  // B8
    0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,  // C0
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF,  // C8
    0x00D0, 0x00D1, 0x00D2, 0x00D3, 0x00D4, 0x00D5, 0x00D6, 0x00D7,  // D0
    0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,  // D8
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7,  // E0
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF,  // E8
    0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,  // F0
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,  // F8
};

constexpr std::array<char16_t, 128> kCp850Upper = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7,  // 80
    0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE, 0x00EC, 0x00C4, 0x00C5,  // 88
    0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,  // 90
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192,  // 98
    0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA, 0x00BA,  // A0
    0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,  // A8
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0,  // B0
    0x00A9, 0x2563, 0x2551, 0x2557, 0x255D, 0x00A2, 0x00A5, 0x2510,  // B8
    0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,  // C0
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4,  // C8
    0x00F0, 0x00D0, 0x00CA, 0x00CB, 0x00C8, 0x0131, 0x00CD, 0x00CE,  // D0
    0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,  // D8
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE,  // E0
    0x00DE, 0x00DA, 0x00DB, 0x00D9, 0x00FD, 0x00DD, 0x00AF, 0x00B4,  // E8
    0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,  // F0
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,  // F8
};

// Reverse lookup of an upper half: the 128 (code point, byte) pairs sorted
// by code point, searched by bisection.
class ReverseTable {
 public:
  explicit ReverseTable(const std::array<char16_t, 128>& upper) {
    for (int i = 0; i < 128; ++i) {
      entries_[i] = {upper[i], static_cast<uint8_t>(0x80 + i)};
    }
    std::sort(entries_.begin(), entries_.end());
  }

  bool find(char32_t code, uint8_t& out) const {
    if (code < 0x80) {
      out = static_cast<uint8_t>(code);
      return true;
    }
    auto it = std::lower_bound(entries_.begin(), entries_.end(), code,
                               [](const auto& entry, char32_t c) { return entry.first < c; });
    if (it == entries_.end() || it->first != code) return false;
    out = it->second;
    return true;
  }

 private:
  std::array<std::pair<char32_t, uint8_t>, 128> entries_{};
};

const ReverseTable& reverse1252() {
  static const ReverseTable table(kCp1252Upper);
  return table;
}

const ReverseTable& reverse850() {
  static const ReverseTable table(kCp850Upper);
  return table;
}

void appendUtf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// Decodes one well-formed UTF-8 sequence at `pos` and returns its length, or
// 0 when the bytes there are malformed: stray continuation bytes, truncated
// sequences, overlong forms, surrogates and code points above U+10FFFF.
size_t decodeUtf8(std::string_view text, size_t pos, char32_t& code) {
  const auto lead = static_cast<uint8_t>(text[pos]);
  size_t length;
  char32_t minimum;
  if (lead < 0x80) {
    code = lead;
    return 1;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2, minimum = 0x80, code = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, minimum = 0x800, code = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, minimum = 0x10000, code = lead & 0x07;
  } else {
    return 0;
  }
  if (text.size() - pos < length) return 0;
  for (size_t i = 1; i < length; ++i) {
    const auto next = static_cast<uint8_t>(text[pos + i]);
    if ((next & 0xC0) != 0x80) return 0;
    code = (code << 6) | (next & 0x3F);
  }
  if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 0;
  return length;
}

template <typename ToUnicode>
std::string singleByteToUtf8(std::string_view text, ToUnicode toUnicode) {
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (char ch : text) appendUtf8(out, toUnicode(static_cast<uint8_t>(ch)));
  return out;
}

template <typename FromUnicode>
std::string utf8ToSingleByte(std::string_view utf8, char replacement, FromUnicode fromUnicode) {
  std::string out;
  out.reserve(utf8.size());
  size_t pos = 0;
  while (pos < utf8.size()) {
    char32_t code = 0;
    const size_t length = decodeUtf8(utf8, pos, code);
    uint8_t byte = 0;
    if (length == 0) {
      out += replacement;
      pos += 1;
      continue;
    }
    out += fromUnicode(code, byte) ? static_cast<char>(byte) : replacement;
    pos += length;
  }
  return out;
}

template <typename ToUnicode, typename FromUnicode>
std::string recode(std::string_view text, char replacement, ToUnicode toUnicode,
                   FromUnicode fromUnicode) {
  std::string out;
  out.reserve(text.size());
  for (char ch : text) {
    uint8_t byte = 0;
    out += fromUnicode(toUnicode(static_cast<uint8_t>(ch)), byte) ? static_cast<char>(byte)
                                                                    : replacement;
  }
  return out;
}

}  // namespace

char32_t cp1252ToUnicode(uint8_t ch) { return ch < 0x80 ? ch : kCp1252Upper[ch - 0x80]; }

char32_t cp850ToUnicode(uint8_t ch) { return ch < 0x80 ? ch : kCp850Upper[ch - 0x80]; }

bool unicodeToCp1252(char32_t code, uint8_t& out) { return reverse1252().find(code, out); }

bool unicodeToCp850(char32_t code, uint8_t& out) { return reverse850().find(code, out); }

std::string cp1252ToUtf8(std::string_view text) { return singleByteToUtf8(text, cp1252ToUnicode); }

std::string cp850ToUtf8(std::string_view text) { return singleByteToUtf8(text, cp850ToUnicode); }

std::string utf8ToCp1252(std::string_view utf8, char replacement) {
  return utf8ToSingleByte(utf8, replacement, unicodeToCp1252);
}

std::string utf8ToCp850(std::string_view utf8, char replacement) {
  return utf8ToSingleByte(utf8, replacement, unicodeToCp850);
}

std::string cp850ToCp1252(std::string_view text, char replacement) {
  return recode(text, replacement, cp850ToUnicode, unicodeToCp1252);
}

std::string cp1252ToCp850(std::string_view text, char replacement) {
  return recode(text, replacement, cp1252ToUnicode, unicodeToCp850);
}

}  // namespace vendaro
