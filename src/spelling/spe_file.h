// spe_file.h — the ".spe" word list format: prefix-compressed entries
// (capital bit and shared prefix length, count, remaining bytes) read into a
// word list and written from one. Reading never trusts the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "spelling/word_list.h"
#include "platform/limits.h"

namespace vendaro {

inline constexpr size_t kMaxSpeWordLength = 50;

enum class WordListReadStatus {
  Complete,     // every entry decoded
  NotOpened,    // no file (or unreadable): the list is unchanged
  Damaged,      // decoding stopped at a bad entry; the words before it were kept
  OutOfMemory,  // the list could not grow; the words that fit were kept
};

struct WordListReadResult {
  WordListReadStatus status = WordListReadStatus::Complete;
  size_t wordsRead = 0;
  size_t stoppedAt = 0;  // byte offset of the entry decoding stopped at
  bool sorted = false;   // the entries were out of list order and have been sorted
};

// Appends the words of a ".spe" image to `list`. An entry is bad when it is
// cut off, takes more characters from the previous word than it has, makes a
// word longer than 50 characters, makes an empty word or holds a NUL byte.
// Lookups need list order, so a list that is out of order afterwards is
// sorted.
WordListReadResult decodeWordList(std::span<const uint8_t> bytes, WordList& list);
// Reads the whole file, then decodes it as above; a file that is missing,
// not a regular file or beyond the limit is NotOpened.
WordListReadResult OpenWordList(const std::filesystem::path& path, WordList& list);

// The ".spe" image of `words` in their given order. Every word must have 1
// to 50 characters and no NUL byte (asserted).
std::vector<uint8_t> encodeWordList(std::span<const std::string> words);

}  // namespace vendaro
