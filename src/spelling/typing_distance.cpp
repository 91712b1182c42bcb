// typing_distance.cpp — a weighted edit distance (optimal string alignment)
// with the two-for-one spellings as extra steps.
#include "spelling/typing_distance.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "document/text_case.h"

namespace vendaro {
namespace {

uint8_t folded(char ch) { return toLower1252(static_cast<uint8_t>(ch)); }

double changeCost(char a, char b) {
  if (a == b) return 0;
  const uint8_t x = folded(a), y = folded(b);
  if (x == y) return kCaseCost;
  // One "s" typed for a "ß" ("Strase").
  return (x == 0xDF && y == 's') || (x == 's' && y == 0xDF) ? kNearSpellingCost : kEditCost;
}

// Whether the two letters `first` `second` are the usual way of writing
// `single` without it: "ss" for ß, "ae" for ä, "oe" for ö, "ue" for ü.
bool writesAsTwo(char single, char first, char second) {
  const uint8_t s = folded(single), a = folded(first), b = folded(second);
  switch (s) {
    case 0xDF: return a == 's' && b == 's';
    case 0xE4: return a == 'a' && b == 'e';
    case 0xF6: return a == 'o' && b == 'e';
    case 0xFC: return a == 'u' && b == 'e';
    default: return false;
  }
}

}  // namespace

double TypingDistance::operator()(std::string_view from, std::string_view to) {
  const size_t rows = from.size() + 1, columns = to.size() + 1;
  table_.assign(rows * columns, 0);
  const auto at = [this, columns](size_t i, size_t j) -> double& { return table_[i * columns + j]; };
  for (size_t i = 0; i < rows; ++i) at(i, 0) = static_cast<double>(i) * kEditCost;
  for (size_t j = 0; j < columns; ++j) at(0, j) = static_cast<double>(j) * kEditCost;
  for (size_t i = 1; i < rows; ++i) {
    for (size_t j = 1; j < columns; ++j) {
      double best = std::min(at(i - 1, j), at(i, j - 1)) + kEditCost;
      best = std::min(best, at(i - 1, j - 1) + changeCost(from[i - 1], to[j - 1]));
      if (i > 1 && j > 1 && folded(from[i - 1]) == folded(to[j - 2]) && folded(from[i - 2]) == folded(to[j - 1])) {
        best = std::min(best, at(i - 2, j - 2) + kEditCost);
      }
      if (i > 1 && writesAsTwo(to[j - 1], from[i - 2], from[i - 1])) best = std::min(best, at(i - 2, j - 1) + kNearSpellingCost);
      if (j > 1 && writesAsTwo(from[i - 1], to[j - 2], to[j - 1])) best = std::min(best, at(i - 1, j - 2) + kNearSpellingCost);
      at(i, j) = best;
    }
  }
  return at(rows - 1, columns - 1);
}

}  // namespace vendaro
