#include "document/text_case.h"

namespace vendaro {

uint8_t toUpper1252(uint8_t ch) {
  if (ch >= 'a' && ch <= 'z') return static_cast<uint8_t>(ch - 32);
  if ((ch >= 0xE0 && ch <= 0xFE && ch != 0xF7)) return static_cast<uint8_t>(ch - 32);
  switch (ch) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return ch;
  }
}

uint8_t toLower1252(uint8_t ch) {
  if (ch >= 'A' && ch <= 'Z') return static_cast<uint8_t>(ch + 32);
  if ((ch >= 0xC0 && ch <= 0xDE && ch != 0xD7)) return static_cast<uint8_t>(ch + 32);
  switch (ch) {
    case 0x8A: return 0x9A;
    case 0x8C: return 0x9C;
    case 0x8E: return 0x9E;
    case 0x9F: return 0xFF;
    default: return ch;
  }
}

std::string toUpper1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(toUpper1252(static_cast<uint8_t>(c)));
  return out;
}

std::string toLower1252(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = static_cast<char>(toLower1252(static_cast<uint8_t>(c)));
  return out;
}

}  // namespace vendaro
