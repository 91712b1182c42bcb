// user_words.cpp — reading and writing "user.spe" and editing its list.
#include "spelling/user_words.h"

#include <string_view>
#include <unordered_set>

#include "platform/file_io.h"
#include "platform/file_lock.h"

namespace vendaro {

std::vector<std::string> parseUserWords(std::span<const uint8_t> bytes) {
  std::vector<std::string> words;
  std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
  while (!text.empty()) {
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) words.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return words;
}

std::vector<std::string> readUserWordFile(const std::filesystem::path& path) {
  std::vector<uint8_t> bytes;
  if (!readWholeFile(path, bytes, kMaxUserWordFileBytes)) return {};
  return parseUserWords(bytes);
}

std::vector<uint8_t> userWordFileBytes(std::span<const std::string> words) {
  std::vector<uint8_t> out;
  for (const std::string& word : words) {
    out.insert(out.end(), word.begin(), word.end());
    out.push_back('\r');
    out.push_back('\n');
  }
  return out;
}

bool writeUserWordFile(const std::filesystem::path& path, std::span<const std::string> words) {
  return writeFileAtomically(path, userWordFileBytes(words));
}

std::vector<std::string> mergeUserWords(std::span<const std::string> current, const UserWordChanges& changes) {
  const std::unordered_set<std::string_view> removed(changes.removed.begin(), changes.removed.end());
  std::unordered_set<std::string_view> present;
  std::vector<std::string> merged;
  auto keep = [&](const std::string& word) {
    if (!removed.contains(word) && present.insert(word).second) merged.push_back(word);
  };
  for (const std::string& word : current) keep(word);
  for (const std::string& word : changes.added) keep(word);
  return merged;
}

bool mergeIntoUserWordFile(const std::filesystem::path& path, const UserWordChanges& changes,
                           std::vector<std::string>& merged) {
  // Another copy holds it only while it reads and writes a small file.
  constexpr std::chrono::milliseconds kPatience(5000);
  FileLock lock;
  if (lock.lockWithin(path.parent_path() / kUserWordLockName, kPatience) != FileLock::Outcome::held) return false;
  std::vector<uint8_t> bytes;
  std::error_code ignored;
  // A file that exists but cannot be read (too large, no permission) would
  // lose every word it holds when replaced.
  if (!readWholeFile(path, bytes, kMaxUserWordFileBytes) && std::filesystem::exists(path, ignored)) return false;
  std::vector<std::string> words = mergeUserWords(parseUserWords(bytes), changes);
  if (!writeUserWordFile(path, words)) return false;
  merged = std::move(words);
  return true;
}

std::vector<std::string> removeSelectedWords(std::span<const std::string> words, std::span<const size_t> selected) {
  std::vector<bool> removed(words.size(), false);
  for (size_t row : selected) {
    if (row < words.size()) removed[row] = true;
  }
  std::vector<std::string> kept;
  for (size_t i = 0; i < words.size(); ++i) {
    if (!removed[i]) kept.push_back(words[i]);
  }
  return kept;
}

}  // namespace vendaro
