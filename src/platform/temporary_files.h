// temporary_files.h — the hidden files a save writes beside its target
// (".name.<16 hex digits>.part") and their clean-up. Each one is locked by
// the process writing it, so a file of that pattern whose lock is free was
// left by a save that was killed and may be removed.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vendaro {

// A fresh, random name for a temporary file of `target`, in its folder.
std::filesystem::path temporaryPathFor(const std::filesystem::path& target);
// True for names temporaryPathFor makes.
bool isTemporaryName(std::string_view name);

// How many random names are tried before a folder is taken to be unusable.
inline constexpr int kTemporaryNameAttempts = 32;

// Takes the advisory lock that marks a temporary as in use, without waiting.
// False when another holder has it (a clean-up is removing the file).
bool lockTemporary(int fd);
// Creates a new, locked temporary file for `target` (0666 less the umask)
// and answers its descriptor, with its name in `created`; -1 with errno set
// when none can be made.
int createLockedTemporary(const std::filesystem::path& target, std::filesystem::path& created);

// Removes every temporary of our naming in `folder` that no running process
// holds; answers how many went. Anything else — other files, links, folders,
// files that cannot be opened — stays.
size_t removeStaleTemporaries(const std::filesystem::path& folder);

}  // namespace vendaro
