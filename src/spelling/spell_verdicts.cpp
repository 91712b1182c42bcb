#include "spelling/spell_verdicts.h"

#include "spelling/spell_check.h"

namespace vendaro {

bool SpellVerdicts::isCorrect(const WordList& list, std::string_view word) {
  if (&list != list_ || list.size() != listSize_ || answers_.size() >= kMaxAnswers) {
    answers_.clear();
    list_ = &list;
    listSize_ = list.size();
  }
  if (const auto known = answers_.find(word); known != answers_.end()) return known->second;
  const bool correct = istwortkorrekt(list, word, true);
  answers_.emplace(std::string(word), correct);
  return correct;
}

}  // namespace vendaro
