// spell_check.cpp — look-up by binary search plus a small exact window, and
// the two ways of adding words.
#include "spelling/spell_check.h"

#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "document/text_case.h"
#include "spelling/word_order.h"

namespace vendaro {
namespace {

// Whether the list holds `word` byte for byte: entries of the same letters
// in other cases sit next to the binary search's stop.
bool holdsExactly(const WordList& list, std::string_view word) {
  const size_t stop = list.lowerBound(word);  // the first equal entry or where the word would stand
  const size_t from = stop > kLookupWindow ? stop - kLookupWindow : 0;
  const size_t to = std::min(list.size() - 1, stop + kLookupWindow);
  for (size_t i = from; i <= to; ++i) {
    if (list[i] == word) return true;
  }
  return false;
}

bool isCapital1252(uint8_t ch) { return toLower1252(ch) != ch; }
bool hasSmallLetter(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char ch) { return toUpper1252(static_cast<uint8_t>(ch)) != static_cast<uint8_t>(ch); });
}

// The forms a word written with capitals may stand in the list as: a word
// capitalised at a sentence start in lower case ("Übe" as "übe", which the
// list order keeps far from "Ü"), a word in capitals also capitalised
// ("HAUS" as "Haus").
std::vector<std::string> uncapitalisedForms(std::string_view word) {
  std::vector<std::string> forms;
  if (!isCapital1252(static_cast<uint8_t>(word[0]))) return forms;
  std::string lowerFirst(word);
  lowerFirst[0] = static_cast<char>(toLower1252(static_cast<uint8_t>(word[0])));
  forms.push_back(lowerFirst);
  if (word.size() > 1 && !hasSmallLetter(word)) {
    std::string capitalised = toLower1252(word);
    capitalised[0] = word[0];
    forms.push_back(std::move(capitalised));
    forms.push_back(toLower1252(word));
  }
  return forms;
}

}  // namespace

bool containsDigit(std::string_view word) {
  return std::any_of(word.begin(), word.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

bool istwortkorrekt(const WordList& list, std::string_view word, bool allowCapital) {
  if (list.empty() || word.empty()) return false;
  if (containsDigit(word)) return true;
  if (holdsExactly(list, word)) return true;
  if (!allowCapital) return false;
  const std::vector<std::string> forms = uncapitalisedForms(word);
  return std::any_of(forms.begin(), forms.end(), [&list](const std::string& form) { return holdsExactly(list, form); });
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
