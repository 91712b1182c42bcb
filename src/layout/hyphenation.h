// hyphenation.h — finds the permitted break points of a word from the
// pattern table of the document's language; answers are cached per document.
// Words are code page 1252 bytes; a "-" in the answer marks a break point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

#include "layout/hyphen_patterns.h"
#include "layout/hyphenation_library.h"
#include "spelling/spelling_service.h"

namespace vendaro {

enum class PatternLookup {
  Indexed,    // the table's trie
  GroupScan,  // every entry of the group of each substring length
};

// `word` with "-" inserted after every character at which a pattern permits
// a break (odd inter-letter value), never before the first or after the last
// character. Only A to Z are lower-cased before matching.
std::string hyphenateWord(const HyphenPatternTable& table, std::string_view word,
                          PatternLookup lookup = PatternLookup::Indexed);

// The hyphenation of one document: its language's shared table and its own
// cache of words already hyphenated.
class DocumentHyphenation {
 public:
  // Opens the table of `language` (0 German, 1 English). With `spelling`,
  // opening a language also makes its word list the document's current one.
  DocumentHyphenation(HyphenationLibrary& library, int32_t language, SpellingService* spelling = nullptr);

  // The word hyphenated; a word asked for again in any mix of A-Z cases is
  // answered with the letters of its first request.
  std::string TrenneSilben(std::string_view word);
  // Clears the cache and points the document at the table of `language`,
  // loaded when the first word needs it if no document has needed it yet.
  void OpenHyphenData(int32_t language);
  void FreeHyphenData();
  // Switches to `language` when it differs from the current one; returns
  // whether it did.
  bool SetNewDokumentSprache(int32_t language);

  int32_t language() const { return language_; }
  // The word list of the document's language, read and merged at the first
  // ask; null without a spelling service.
  WordList* currentWords() const;
  size_t cachedWordCount() const { return cache_.size(); }

 private:
  struct KeyHash {
    using is_transparent = void;
    size_t operator()(std::string_view key) const { return std::hash<std::string_view>{}(key); }
  };


  HyphenationLibrary* library_;
  SpellingService* spelling_;          // the program's, may be null
  mutable WordList* words_ = nullptr;  // owned by spelling_; set at the first ask
  const HyphenPatternTable* table_;    // owned by library_; set at the first word
  int32_t language_;
  // Upper-cased word (A-Z only) → hyphenated form of its first request.
  std::unordered_map<std::string, std::string, KeyHash, std::equal_to<>> cache_;
  std::string keyBuffer_;              // reused so a cache hit allocates nothing
};

}  // namespace vendaro
