#include "editing/decimal_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace vendaro {

std::optional<double> parseDecimal(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  std::string normal(text);
  bool separatorSeen = false;
  for (char& c : normal) {
    if (c == ',' || c == '.') {
      if (separatorSeen) return std::nullopt;
      separatorSeen = true;
      c = '.';
    } else if (!(c >= '0' && c <= '9') && c != '-' && c != '+' && c != 'e' && c != 'E') {
      return std::nullopt;  // rules out "nan", "inf" and hexadecimal forms
    }
  }
  double value = 0;
  auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), value);
  if (error != std::errc() || end != normal.data() + normal.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string formatDecimal(double value, int decimals) {
  if (!std::isfinite(value)) return "0";
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals < 0 ? 0 : decimals, value);
  std::string text(buffer);
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  if (text == "-0") text = "0";
  for (char& c : text)
    if (c == '.') c = ',';
  return text;
}

}  // namespace vendaro
