// suggestions.cpp — scoring the whole word list and keeping the best band.
#include "spelling/suggestions.h"

#include <algorithm>

#include "spelling/typing_distance.h"
#include "spelling/word_order.h"

namespace vendaro {
namespace {

bool sameLetter(char a, char b) {
  return upperAscii(static_cast<uint8_t>(a)) == upperAscii(static_cast<uint8_t>(b));
}

struct Candidate {
  double score;
  size_t index;
  double distance;  // in edits, see TypingDistance
};

}  // namespace

double suggestionScore(std::string_view word, std::string_view entry) {
  if (word.empty()) return 0;
  const size_t shorter = std::min(word.size(), entry.size());
  size_t leading = 0;
  while (leading < shorter && sameLetter(word[leading], entry[leading])) ++leading;
  size_t trailing = 0;
  while (trailing < shorter && sameLetter(word[word.size() - 1 - trailing], entry[entry.size() - 1 - trailing])) {
    ++trailing;
  }
  const size_t difference = word.size() > entry.size() ? word.size() - entry.size() : entry.size() - word.size();
  const double half = static_cast<double>(std::max<size_t>(difference, 1)) / 2;
  return static_cast<double>(leading + trailing) * 100 / (2.0 * static_cast<double>(word.size())) / (half * half);
}

std::vector<std::string> findewortvorschlaege(const WordList& list, std::string_view word) {
  std::vector<Candidate> candidates;
  double best = 0;
  for (size_t i = 0; i < list.size(); ++i) {
    const double score = suggestionScore(word, list[i]);
    if (score < kWeakSuggestionScore) continue;
    candidates.push_back({score, i, 0});
    best = std::max(best, score);
  }
  const double floor = best >= kStrongSuggestionScore ? kStrongSuggestionScore
                       : best >= kGoodSuggestionScore ? kGoodSuggestionScore
                                                      : kWeakSuggestionScore;
  std::erase_if(candidates, [floor](const Candidate& c) { return c.score < floor; });
  TypingDistance distance;
  for (Candidate& c : candidates) c.distance = distance(word, list[c.index]);
  // The score picks the band; the fewest edits come first ("große" for
  // "grosse", though "Gosse" scores higher), then the higher score, then
  // list order, so the same word always gets the same list.
  std::sort(candidates.begin(), candidates.end(), [](const Candidate& a, const Candidate& b) {
    if (a.distance != b.distance) return a.distance < b.distance;
    if (a.score != b.score) return a.score > b.score;
    return a.index < b.index;
  });
  std::vector<std::string> suggestions;
  suggestions.reserve(candidates.size());
  for (const Candidate& c : candidates) suggestions.push_back(list[c.index]);
  return suggestions;
}

}  // namespace vendaro
