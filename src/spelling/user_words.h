// user_words.h — the user's own word list "user.spe": plain code page 1252
// text, one word per line, lines ended by CR LF, kept in the order the words
// were learned. Also the list edits of the user dictionary dialog.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "platform/limits.h"

namespace vendaro {

inline constexpr const char* kUserWordFileName = "user.spe";

// The words of a user word file; empty when there is none. Lines may end in
// CR LF or LF alone; empty lines are no words and are skipped.
std::vector<std::string> parseUserWords(std::span<const uint8_t> bytes);
std::vector<std::string> readUserWordFile(const std::filesystem::path& path);

// What one running copy changed in the user words since it last read or
// wrote the file.
struct UserWordChanges {
  std::vector<std::string> added;
  std::vector<std::string> removed;
  bool empty() const { return added.empty() && removed.empty(); }
};
// The words `current` (the file as other copies may have left it) without
// the removed ones, followed by the added ones it lacks, in their order.
std::vector<std::string> mergeUserWords(std::span<const std::string> current, const UserWordChanges& changes);
// Beside the user word file: held while a copy reads, merges and writes it.
inline constexpr const char* kUserWordLockName = "user.spe.lock";
// Reads the file, merges `changes` into it and writes it back, all under
// the lock, so that copies of the program running at once keep each other's
// words; `merged` receives the file's new contents. False when the lock
// cannot be had within a few seconds or the file cannot be written (then
// the file stays as it was).
bool mergeIntoUserWordFile(const std::filesystem::path& path, const UserWordChanges& changes,
                           std::vector<std::string>& merged);

// Every word followed by CR LF.
std::vector<uint8_t> userWordFileBytes(std::span<const std::string> words);
// Replaces the file only once the new contents are complete on disk.
bool writeUserWordFile(const std::filesystem::path& path, std::span<const std::string> words);

// "Markierte entfernen": the list without the rows in `selected` (indices
// into `words`; repeated or out-of-range rows are ignored).
std::vector<std::string> removeSelectedWords(std::span<const std::string> words, std::span<const size_t> selected);

}  // namespace vendaro
