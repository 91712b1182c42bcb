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

namespace vendaro {

inline constexpr const char* kUserWordFileName = "user.spe";

// The words of a user word file; empty when there is none. Lines may end in
// CR LF or LF alone; empty lines are no words and are skipped.
std::vector<std::string> parseUserWords(std::span<const uint8_t> bytes);
// A user word file beyond this size is taken as none.
inline constexpr uint64_t kMaxUserWordFileBytes = 16 << 20;
std::vector<std::string> readUserWordFile(const std::filesystem::path& path);

// Every word followed by CR LF.
std::vector<uint8_t> userWordFileBytes(std::span<const std::string> words);
// Replaces the file only once the new contents are complete on disk.
bool writeUserWordFile(const std::filesystem::path& path, std::span<const std::string> words);

// "Markierte entfernen": the list without the rows in `selected` (indices
// into `words`; repeated or out-of-range rows are ignored).
std::vector<std::string> removeSelectedWords(std::span<const std::string> words, std::span<const size_t> selected);

}  // namespace vendaro
