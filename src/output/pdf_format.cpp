#include "output/pdf_format.h"

#include <array>
#include <cassert>
#include <charconv>
#include <cmath>

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

void appendDecimal(std::string& out, double value, int decimals) {
  long long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const long long scaled = std::llround(value * static_cast<double>(scale));
  if (scaled < 0) out += '-';
  const unsigned long long magnitude = static_cast<unsigned long long>(scaled < 0 ? -scaled : scaled);
  appendInt(out, static_cast<long long>(magnitude / static_cast<unsigned long long>(scale)));
  unsigned long long fraction = magnitude % static_cast<unsigned long long>(scale);
  if (fraction == 0) return;
  int digits = decimals;
  while (fraction % 10 == 0) {
    fraction /= 10;
    --digits;
  }
  out += '.';
  appendZeroPadded(out, fraction, digits);
}

namespace {

void appendPoint(std::string& out, double x, double y) {
  appendDecimal(out, x);
  out += ' ';
  appendDecimal(out, y);
}

}  // namespace

void appendEllipsePath(std::string& out, double left, double bottom, double right, double top) {
  // A quarter circle is closest to a cubic Bézier whose control points lie
  // this fraction of the radius along the tangents.
  constexpr double kKappa = 0.5522847498307936;
  const double cx = (left + right) / 2;
  const double cy = (bottom + top) / 2;
  const double rx = (right - left) / 2;
  const double ry = (top - bottom) / 2;
  const double kx = rx * kKappa;
  const double ky = ry * kKappa;
  appendPoint(out, cx + rx, cy);
  out += " m\n";
  const double curves[4][6] = {
      {cx + rx, cy + ky, cx + kx, cy + ry, cx, cy + ry},
      {cx - kx, cy + ry, cx - rx, cy + ky, cx - rx, cy},
      {cx - rx, cy - ky, cx - kx, cy - ry, cx, cy - ry},
      {cx + kx, cy - ry, cx + rx, cy - ky, cx + rx, cy},
  };
  for (const auto& curve : curves) {
    appendPoint(out, curve[0], curve[1]);
    out += ' ';
    appendPoint(out, curve[2], curve[3]);
    out += ' ';
    appendPoint(out, curve[4], curve[5]);
    out += " c\n";
  }
  out += "h\n";
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
