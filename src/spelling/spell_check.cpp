// spell_check.cpp — look-up by binary search plus a small exact window, and
// the two ways of adding words.
#include "spelling/spell_check.h"

#include <algorithm>
#include <unordered_set>

#include "spelling/word_order.h"

namespace vendaro {
namespace {

// The entry as written, or with its first letter upper-cased when the word
// is capitalised and capitals are allowed.
bool entryMatches(std::string_view entry, std::string_view word, bool capitalised) {
  if (entry.size() != word.size()) return false;
  if (!capitalised) return entry == word;
  return upperAscii(static_cast<uint8_t>(entry[0])) == static_cast<uint8_t>(word[0]) &&
         entry.substr(1) == word.substr(1);
}

}  // namespace

bool containsDigit(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

bool istwortkorrekt(const WordList& list, std::string_view word, bool allowCapital) {
  if (list.empty() || word.empty()) return false;
  if (containsDigit(word)) return true;
  const size_t stop = list.lowerBound(word);  // the first equal entry or where the word would stand
  const size_t from = stop > kLookupWindow ? stop - kLookupWindow : 0;
  const size_t to = std::min(list.size() - 1, stop + kLookupWindow);
  const bool capitalised = allowCapital && isUpperAscii(static_cast<uint8_t>(word[0]));
  for (size_t i = from; i <= to; ++i) {
    if (entryMatches(list[i], word, capitalised)) return true;
  }
  return false;
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
