// spell_verdicts.h — remembers the answers of the word check for the words
// seen lately: layout asks about the same words of a paragraph on every
// keystroke. An answer holds only while the list it came from is unchanged
// (learning or ignoring a word grows the list and forgets every answer).
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "spelling/word_list.h"

namespace vendaro {

class SpellVerdicts {
 public:
  // istwortkorrekt(list, word, true), answered from memory when it can be.
  bool isCorrect(const WordList& list, std::string_view word);

 private:
  struct Hash {
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };
  // Enough for the vocabulary of a long document; then it starts afresh.
  static constexpr size_t kMaxAnswers = 200000;

  const WordList* list_ = nullptr;
  size_t listSize_ = 0;
  std::unordered_map<std::string, bool, Hash, std::equal_to<>> answers_;
};

}  // namespace vendaro
