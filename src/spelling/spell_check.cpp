// spell_check.cpp — look-up by binary search plus a small exact window, and
// the two ways of adding words.
#include "spelling/spell_check.h"

#include <algorithm>
#include <string>
#include <unordered_set>

#include "document/text_case.h"
#include "spelling/word_order.h"

namespace vendaro {
namespace {

// Whether the list holds `word` byte for byte or, with `orLowerFirst`, with
// its first letter in lower case where that is an ASCII letter: the binary
// search's stop is the same for both, and entries of the same letters in
// other cases sit next to it.
bool holds(const WordList& list, std::string_view word, bool orLowerFirst) {
  const size_t stop = list.lowerBound(word);  // the first equal entry or where the word would stand
  const size_t from = stop > kLookupWindow ? stop - kLookupWindow : 0;
  const size_t to = std::min(list.size() - 1, stop + kLookupWindow);
  const auto lowerFirst = static_cast<char>(lowerAscii(static_cast<uint8_t>(word[0])));
  for (size_t i = from; i <= to; ++i) {
    const std::string& entry = list[i];
    if (entry == word) return true;
    if (orLowerFirst && entry.size() == word.size() && entry[0] == lowerFirst && entry.compare(1, std::string::npos, word, 1) == 0) {
      return true;
    }
  }
  return false;
}

bool isCapital1252(uint8_t ch) { return toLower1252(ch) != ch; }
bool hasSmallLetter(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char ch) { return toUpper1252(static_cast<uint8_t>(ch)) != static_cast<uint8_t>(ch); });
}

// A word capitalised at a sentence start may stand in the list in lower
// case; an umlaut or accented capital ("Übe" for "übe") sorts far from its
// small letter, so that form needs a search of its own.
bool holdsCapitalised(const WordList& list, std::string_view word) {
  const auto first = static_cast<uint8_t>(word[0]);
  if (isUpperAscii(first)) return holds(list, word, true);
  if (!isCapital1252(first)) return holds(list, word, false);
  if (holds(list, word, false)) return true;
  std::string lowerFirst(word);
  lowerFirst[0] = static_cast<char>(toLower1252(first));
  return holds(list, lowerFirst, false);
}

// A word in capitals ("HAUS") stands for its capitalised or lower-case
// form, which its capitalised form looks for.
bool holdsInCapitals(const WordList& list, std::string_view word) {
  if (word.size() < 2 || !isCapital1252(static_cast<uint8_t>(word[0])) || hasSmallLetter(word)) return false;
  std::string capitalised = toLower1252(word);
  capitalised[0] = word[0];
  return holdsCapitalised(list, capitalised);
}

}  // namespace

bool containsDigit(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

bool istwortkorrekt(const WordList& list, std::string_view word, bool allowCapital) {
  if (list.empty() || word.empty()) return false;
  if (containsDigit(word)) return true;
  if (!allowCapital) return holds(list, word, false);
  return holdsCapitalised(list, word) || holdsInCapitals(list, word);
}


bool addwordtowordlist(WordList& list, std::string_view word) {
  if (word.empty()) return false;
  // After every entry that is not greater in list order; an exact copy can
  // only be among the equal-ranking entries just before.
  const size_t place = list.upperBound(word);
  for (size_t i = place; i > 0 && compareInListOrder(list[i - 1], word) == 0; --i) {
    if (list[i - 1] == word) return false;
  }
  return list.insert(place, word);
}

size_t addlisttowordlist(WordList& list, std::span<const std::string> words) {
  size_t added = 0;
  if (words.size() <= kMaxWordsInsertedOneByOne) {
    for (const std::string& word : words) {
      if (!istwortkorrekt(list, word, false) && addwordtowordlist(list, word)) ++added;
    }
    return added;
  }
  // Judged against the sorted list before anything is appended; a word the
  // batch holds twice is appended once.
  std::unordered_set<std::string_view> taken;
  for (const std::string& word : words) {
    if (!word.empty() && !istwortkorrekt(list, word, false)) taken.insert(word);
  }
  for (const std::string& word : words) {
    if (taken.erase(word) == 0) continue;
    if (!list.append(word)) break;
    ++added;
  }
  list.sort();
  return added;
}

}  // namespace vendaro
