// spelling_service.cpp — loading, merging and learning words.
#include "spelling/spelling_service.h"

#include <algorithm>
#include <cstdio>
#include <unordered_set>

#include "platform/paths.h"
#include "spelling/spell_check.h"

namespace vendaro {

SpellingService::SpellingService(SpellingErrorReporter reporter)
    : SpellingService(Folders{ProgramDir(), UserConfigDir()}, std::move(reporter)) {}

SpellingService::SpellingService(Folders folders, SpellingErrorReporter reporter)
    : folders_(std::move(folders)), reporter_(std::move(reporter)) {
  for (WordList& list : lists_) {
    list.setAllocationErrorHandler([this](const std::string& message) { reportError(message); });
  }
  for (WordListReadResult& read : reads_) read.status = WordListReadStatus::NotOpened;
  userWords_ = readUserWordFile(userWordFile());
}

const char* SpellingService::wordListFileName(int32_t language) {
  return slot(language) == 1 ? "english.spe" : "german.spe";
}

void SpellingService::readWordList(int32_t language) {
  const size_t index = slot(language);
  if (read_[index]) return;
  read_[index] = true;
  reads_[index] = OpenWordList(folders_.program / wordListFileName(language), lists_[index]);
}

WordList& SpellingService::selectLanguage(int32_t language) {
  const size_t index = slot(language);
  WordList& list = lists_[index];
  readWordList(language);
  if (!merged_[index]) {
    merged_[index] = true;
    addlisttowordlist(list, ignoredWords_);
    addlisttowordlist(list, userWords_);
  }
  return list;
}

bool SpellingService::learnWord(std::string_view word, WordList& current) {
  if (word.empty()) return true;
  if (std::find(userWords_.begin(), userWords_.end(), word) == userWords_.end()) {
    userWords_.emplace_back(word);
    noteAdded(userWords_.back());
  }
  const bool saved = saveUserWords();
  addwordtowordlist(current, word);
  return saved;
}

void SpellingService::ignoreWord(std::string_view word, WordList& current) {
  if (word.empty()) return;
  ignoredWords_.emplace_back(word);
  addwordtowordlist(current, word);
}

bool SpellingService::replaceUserWords(std::vector<std::string> words) {
  const std::unordered_set<std::string> before(userWords_.begin(), userWords_.end());
  const std::unordered_set<std::string> after(words.begin(), words.end());
  for (const std::string& word : userWords_)
    if (!after.contains(word)) noteRemoved(word);
  for (const std::string& word : words)
    if (!before.contains(word)) noteAdded(word);
  userWords_ = std::move(words);
  return saveUserWords();
}

void SpellingService::noteAdded(const std::string& word) {
  std::erase(unsaved_.removed, word);
  unsaved_.added.push_back(word);
}

void SpellingService::noteRemoved(const std::string& word) {
  std::erase(unsaved_.added, word);
  unsaved_.removed.push_back(word);
}

bool SpellingService::saveUserWords() {
  std::vector<std::string> merged;
  if (!mergeIntoUserWordFile(userWordFile(), unsaved_, merged)) {
    // The changes stay noted: the next save carries them.
    reportError("Konnte Datei " + std::string(kUserWordFileName) + " nicht erstellen!");
    return false;
  }
  adoptWordsOfOtherCopies(merged);
  userWords_ = std::move(merged);
  unsaved_ = {};
  return true;
}

void SpellingService::adoptWordsOfOtherCopies(const std::vector<std::string>& merged) {
  const std::unordered_set<std::string> known(userWords_.begin(), userWords_.end());
  for (const std::string& word : merged) {
    if (known.contains(word)) continue;
    for (size_t index = 0; index < lists_.size(); ++index)
      if (merged_[index]) addwordtowordlist(lists_[index], word);
  }
}

void SpellingService::reportError(const std::string& message) const {
  if (reporter_) {
    reporter_(message);
  } else {
    std::fprintf(stderr, "%s\n", message.c_str());
  }
}

}  // namespace vendaro
