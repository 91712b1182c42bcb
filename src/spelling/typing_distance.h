// typing_distance.h — how far a misspelt word is from a list word, counted
// in edits (a letter inserted, dropped, changed, or two swapped), where the
// spellings German writes for one another are nearly the same: "ss" or
// "s" for "ß", "ae", "oe", "ue" for "ä", "ö", "ü", and a letter in the
// other case.
#pragma once

#include <string_view>
#include <vector>

namespace vendaro {

inline constexpr double kEditCost = 1.0;
inline constexpr double kNearSpellingCost = 0.5;  // ß/ss, ß/s, ä/ae, ö/oe, ü/ue
inline constexpr double kCaseCost = 0.25;         // the same letter in the other case

class TypingDistance {
 public:
  // Code page 1252 words. Keeps its table between calls, so that scoring
  // many entries allocates once.
  double operator()(std::string_view from, std::string_view to);

 private:
  std::vector<double> table_;
};

}  // namespace vendaro
