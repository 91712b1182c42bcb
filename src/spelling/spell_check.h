// spell_check.h — whether a word is in a word list, and adding words to a
// list so that it stays in list order. Words are code page 1252 bytes.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "spelling/word_list.h"

namespace vendaro {

// Entries on either side of the binary search's stop that are compared
// exactly: the same letters in other cases sit next to each other.
inline constexpr size_t kLookupWindow = 10;
// Merging more words than this appends them and sorts once.
inline constexpr size_t kMaxWordsInsertedOneByOne = 4999;

bool containsDigit(std::string_view word);

// False for an empty list or word; true for any word with a digit 0–9.
// Otherwise the word must equal an entry byte for byte; with `allowCapital`
// a word starting with a capital (umlauts and accented capitals included)
// also matches its entry starting in lower case, and a word in capitals
// also its capitalised or lower-case entry.
bool istwortkorrekt(const WordList& list, std::string_view word, bool allowCapital);

// Inserts `word` at its place in list order unless the list holds it
// exactly. False when nothing was added (present, empty word, no memory).
bool addwordtowordlist(WordList& list, std::string_view word);

// Adds every word the list does not accept as written (istwortkorrekt
// without capitals). Up to 4999 words are inserted one by one; more are
// appended and the whole list sorted once. Returns how many were added.
size_t addlisttowordlist(WordList& list, std::span<const std::string> words);

}  // namespace vendaro
