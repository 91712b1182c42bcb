// suggestions.h — replacement words for a misspelt word: every entry of the
// word list is scored by how much of its beginning and end agree with the
// word and how far the lengths differ; the best scoring band is offered,
// ordered by how few edits each entry is from the word.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "spelling/word_list.h"

namespace vendaro {

// Score bands: the best non-empty one of these is offered.
inline constexpr double kStrongSuggestionScore = 132;
inline constexpr double kGoodSuggestionScore = 100;
inline constexpr double kWeakSuggestionScore = 66;

// (leading + trailing agreeing characters, ASCII case ignored) × 100
// / (2 × length of word) / (max(1, length difference) / 2)². 0 for an empty word.
double suggestionScore(std::string_view word, std::string_view entry);

// The entries scoring at least 132; if there are none, those scoring at
// least 100; else at least 66; else none. The likeliest come first: those
// the fewest edits away (TypingDistance), then the higher scores.
std::vector<std::string> findewortvorschlaege(const WordList& list, std::string_view word);

}  // namespace vendaro
