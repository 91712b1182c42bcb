// word_order.cpp — comparing words in list order without building copies.
#include "spelling/word_order.h"

#include <algorithm>

namespace vendaro {

std::string upperAscii(std::string_view word) {
  std::string out(word);
  for (char& ch : out) ch = static_cast<char>(upperAscii(static_cast<uint8_t>(ch)));
  return out;
}

int compareInListOrder(std::string_view a, std::string_view b) {
  const size_t common = std::min(a.size(), b.size());
  for (size_t i = 0; i < common; ++i) {
    const uint8_t left = upperAscii(static_cast<uint8_t>(a[i]));
    const uint8_t right = upperAscii(static_cast<uint8_t>(b[i]));
    if (left != right) return left < right ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

bool isInListOrder(std::span<const std::string> words) {
  return std::is_sorted(words.begin(), words.end(), ListOrderLess{});
}

}  // namespace vendaro
