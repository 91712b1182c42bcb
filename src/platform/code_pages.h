// code_pages.h — the two single-byte code pages the program speaks: 1252
// (all text inside the core) and 850 (DOS text files), to and from Unicode.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vendaro {

char32_t cp1252ToUnicode(uint8_t ch);
char32_t cp850ToUnicode(uint8_t ch);
// Returns false when the character has no byte in the code page.
bool unicodeToCp1252(char32_t code, uint8_t& out);
bool unicodeToCp850(char32_t code, uint8_t& out);

std::string cp1252ToUtf8(std::string_view text);
std::string cp850ToUtf8(std::string_view text);
// Characters without a byte in the code page become `replacement`;
// malformed UTF-8 bytes are taken as one replacement each.
std::string utf8ToCp1252(std::string_view utf8, char replacement = '?');
std::string utf8ToCp850(std::string_view utf8, char replacement = '?');
// Converts between the code pages directly (DOS text in and out).
std::string cp850ToCp1252(std::string_view text, char replacement = '?');
std::string cp1252ToCp850(std::string_view text, char replacement = '?');

}  // namespace vendaro
