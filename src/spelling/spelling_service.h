// spelling_service.h — the word lists the program holds once and lends to
// every document: German (read at start), English (read on first use), the
// user's learned words (saved in "user.spe") and the words ignored this run.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "spelling/spe_file.h"
#include "spelling/user_words.h"
#include "spelling/word_list.h"

namespace vendaro {

// Receives a German message for the user (out of memory, a file that could
// not be written). The program passes its message box.
using SpellingErrorReporter = std::function<void(const std::string& message)>;

class SpellingService {
 public:
  static constexpr int32_t kGerman = 0;
  static constexpr int32_t kEnglish = 1;

  struct Folders {
    std::filesystem::path program;  // german.spe, english.spe
    std::filesystem::path config;   // user.spe
  };

  // Reads user.spe from UserConfigDir(); the word lists (from ProgramDir())
  // wait until they are asked for, so that commands without spelling never
  // read them.
  explicit SpellingService(SpellingErrorReporter reporter = {});
  explicit SpellingService(Folders folders, SpellingErrorReporter reporter = {});
  // Documents keep a pointer to their word list: the service stays put.
  SpellingService(const SpellingService&) = delete;
  SpellingService& operator=(const SpellingService&) = delete;

  // "german.spe" or "english.spe"; any language other than English is German.
  static const char* wordListFileName(int32_t language);

  // Reads the list file of `language` unless it has been read already.
  // The window program reads the German one when its main window is made.
  void readWordList(int32_t language);
  // The word list half of a document's language switch: the list of
  // `language`, read when it has not been yet, and merging the ignored and
  // then the user words
  // into a language's list once per run, at its first use. The document
  // keeps the returned list as its current words.
  WordList& selectLanguage(int32_t language);
  // The list as it stands, without loading or merging anything.
  WordList& words(int32_t language) { return lists_[slot(language)]; }
  const WordListReadResult& lastRead(int32_t language) const { return reads_[slot(language)]; }

  const std::vector<std::string>& UserWords() const { return userWords_; }
  const std::vector<std::string>& IgnoredWords() const { return ignoredWords_; }
  std::filesystem::path userWordFile() const { return folders_.config / kUserWordFileName; }

  // Saving user.spe merges this copy's changes into what the file holds
  // then, so that copies running at once keep each other's words; the words
  // other copies learned become this copy's too.
  // "Wort lernen": adds the word to the user words, saves user.spe and
  // inserts it into `current`. False (and the user told) when the file could
  // not be written; the word is learned for this run all the same.
  bool learnWord(std::string_view word, WordList& current);
  // "Wort ignorieren" / "Nie ändern": accepted in `current` until the program ends.
  void ignoreWord(std::string_view word, WordList& current);
  // The user dictionary dialog's OK: the user words become `words` and are
  // saved. Removed words stay accepted in the language lists for this run.
  bool replaceUserWords(std::vector<std::string> words);

 private:
  static size_t slot(int32_t language) { return language == kEnglish ? 1 : 0; }
  void reportError(const std::string& message) const;
  bool saveUserWords();
  void noteAdded(const std::string& word);
  void noteRemoved(const std::string& word);
  // Words that came from other copies join the lists merged already.
  void adoptWordsOfOtherCopies(const std::vector<std::string>& merged);

  Folders folders_;
  SpellingErrorReporter reporter_;
  std::array<WordList, 2> lists_;
  std::array<WordListReadResult, 2> reads_{};
  std::array<bool, 2> read_{};
  std::array<bool, 2> merged_{};
  std::vector<std::string> userWords_;
  UserWordChanges unsaved_;  // this copy's changes not yet in the file
  std::vector<std::string> ignoredWords_;
};

}  // namespace vendaro
