#include "output/pdf_format.h"

#include <array>
#include <cassert>
#include <charconv>

namespace vendaro {

namespace {

struct ComponentTable {
  std::array<std::array<char, 24>, 256> text{};
  std::array<uint8_t, 256> length{};

  ComponentTable() {
    for (int c = 0; c < 256; ++c) {
      auto& buffer = text[c];
      auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), c / 255.0,
                                  std::chars_format::general, 15);
      assert(result.ec == std::errc());
      length[c] = static_cast<uint8_t>(result.ptr - buffer.data());
    }
  }
};

const ComponentTable& componentTable() {
  static const ComponentTable table;
  return table;
}

constexpr char kHexDigits[] = "0123456789ABCDEF";

void appendZeroPadded(std::string& out, uint64_t value, int digits) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  int length = static_cast<int>(result.ptr - buffer);
  if (length < digits) out.append(static_cast<size_t>(digits - length), '0');
  out.append(buffer, static_cast<size_t>(length));
}

}  // namespace

void appendInt(std::string& out, long long value) {
  char buffer[24];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, static_cast<size_t>(result.ptr - buffer));
}

std::string_view colourComponent(uint8_t component) {
  const ComponentTable& table = componentTable();
  return {table.text[component].data(), table.length[component]};
}

void appendColour(std::string& out, uint32_t color, std::string_view op) {
  out += colourComponent(static_cast<uint8_t>(color & 0xFF));
  out += ' ';
  out += colourComponent(static_cast<uint8_t>((color >> 8) & 0xFF));
  out += ' ';
  out += colourComponent(static_cast<uint8_t>((color >> 16) & 0xFF));
  out += ' ';
  out += op;
}

void appendEscapedText(std::string& out, std::string_view text) {
  for (char ch : text) {
    const auto byte = static_cast<uint8_t>(ch);
    switch (byte) {
      case '\\': out += "\\\\"; break;
      case '(': out += "\\("; break;
      case ')': out += "\\)"; break;
      case '\b': out += "\\b"; break;
      case '\t': out += "\\t"; break;
      case '\n': out += "\\n"; break;
      case '\f': out += "\\f"; break;
      case '\r': out += "\\r"; break;
      default:
        if (byte >= 32) {
          out += ch;
        } else {
          out += '\\';
          out += static_cast<char>('0' + (byte >> 6));
          out += static_cast<char>('0' + ((byte >> 3) & 7));
          out += static_cast<char>('0' + (byte & 7));
        }
    }
  }
}

std::string escapeFaceName(std::string_view faceName) {
  // Delimiters and "#" would end or corrupt the name, so they are written in
  // the #XX form like every byte outside the printable range.
  constexpr std::string_view kEscaped = "#%()/<>[]{}";
  std::string out;
  out.reserve(faceName.size() + 8);
  for (char ch : faceName) {
    const auto byte = static_cast<uint8_t>(ch);
    if (byte == 0) continue;
    if (byte >= '!' && byte <= '~' && kEscaped.find(ch) == std::string_view::npos) {
      out += ch;
    } else {
      out += '#';
      out += kHexDigits[byte >> 4];
      out += kHexDigits[byte & 15];
    }
  }
  return out;
}

void appendXrefEntry(std::string& out, uint64_t offset, uint32_t generation, bool free) {
  appendZeroPadded(out, offset, 10);
  out += ' ';
  appendZeroPadded(out, generation, 5);
  out += free ? " f \n" : " n \n";
}

}  // namespace vendaro
