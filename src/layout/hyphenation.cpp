// hyphenation.cpp — the pattern method on one word, and the per-document
// cache in front of it.
#include "layout/hyphenation.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <vector>

namespace vendaro {

namespace {

// Case is folded for A to Z only: patterns hold other letters (umlauts, ß)
// exactly as they appear in the text.
char lowerAsciiLetter(char ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch; }
char upperAsciiLetter(char ch) { return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch; }

// values[k] receives the largest value any matching pattern gives the gap
// after character k of `bounded` (the word between two "." boundaries).
void collectGapValues(const HyphenPatternTable& table, std::string_view bounded, std::span<uint8_t> values,
                      PatternLookup lookup) {
  for (size_t start = 0; start + 1 < bounded.size(); ++start) {
    // A pair from the file may name a gap before the leading or after the
    // trailing boundary; such a gap is outside the word and is ignored.
    auto apply = [&](std::span<const PatternPair> pairs) {
      for (const PatternPair& pair : pairs) {
        const ptrdiff_t gap = static_cast<ptrdiff_t>(start) + pair.position - 1;
        if (gap < 0 || gap >= static_cast<ptrdiff_t>(values.size())) continue;
        values[gap] = std::max(values[gap], pair.value);
      }
    };
    const std::string_view rest = bounded.substr(start);
    if (lookup == PatternLookup::Indexed) {
      table.forEachMatchAt(rest, apply);
    } else {
      table.forEachMatchAtByScan(rest, apply);
    }
  }
}

std::string insertBreaks(std::string_view word, std::span<const uint8_t> values) {
  std::string result;
  result.reserve(word.size() * 2);
  for (size_t j = 1; j < word.size(); ++j) {
    result.push_back(word[j - 1]);
    if (values[j] % 2 == 1) result.push_back('-');
  }
  result.push_back(word.back());
  return result;
}

}  // namespace

std::string hyphenateWord(const HyphenPatternTable& table, std::string_view word, PatternLookup lookup) {
  if (word.empty()) return {};
  // Words of ordinary length are worked on the stack; layout asks for many.
  constexpr size_t kInlineLength = 64;
  std::array<char, kInlineLength> inlineText;
  std::array<uint8_t, kInlineLength> inlineValues;
  std::vector<char> heapText;
  std::vector<uint8_t> heapValues;
  const size_t length = word.size() + 2;  // the word between two "." boundaries
  char* textData = inlineText.data();
  uint8_t* valueData = inlineValues.data();
  if (length > kInlineLength) {
    heapText.resize(length);
    heapValues.resize(length);
    textData = heapText.data();
    valueData = heapValues.data();
  }
  const std::span<char> text(textData, length);
  const std::span<uint8_t> values(valueData, length - 1);

  text.front() = '.';
  std::transform(word.begin(), word.end(), text.begin() + 1, lowerAsciiLetter);
  text.back() = '.';
  std::fill(values.begin(), values.end(), uint8_t{0});
  collectGapValues(table, std::string_view(text.data(), text.size()), values, lookup);
  return insertBreaks(word, values);
}

DocumentHyphenation::DocumentHyphenation(HyphenationLibrary& library, int32_t language,
                                         SpellingService* spelling)
    : library_(&library), spelling_(spelling), table_(nullptr), language_(language) {
  OpenHyphenData(language);
}

std::string DocumentHyphenation::TrenneSilben(std::string_view word) {
  keyBuffer_.resize(word.size());
  std::transform(word.begin(), word.end(), keyBuffer_.begin(), upperAsciiLetter);
  if (const auto hit = cache_.find(keyBuffer_); hit != cache_.end()) return hit->second;
  // The patterns are loaded at the first word that needs them: most lines
  // never break inside a word.
  if (!table_) table_ = &library_->table(language_);
  std::string result = hyphenateWord(*table_, word);
  cache_.emplace(keyBuffer_, result);
  return result;
}

void DocumentHyphenation::OpenHyphenData(int32_t language) {
  language_ = language;
  FreeHyphenData();
  words_ = nullptr;
  table_ = nullptr;
}

void DocumentHyphenation::FreeHyphenData() { cache_.clear(); }

bool DocumentHyphenation::SetNewDokumentSprache(int32_t language) {
  if (language == language_) return false;
  OpenHyphenData(language);
  return true;
}

// The list is read, and the user's words merged into it, only when spelling
// asks for it: laying out and converting documents never need it.
WordList* DocumentHyphenation::currentWords() const {
  if (!words_ && spelling_) words_ = &spelling_->selectLanguage(language_);
  return words_;
}

}  // namespace vendaro
