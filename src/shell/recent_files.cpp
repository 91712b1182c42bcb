#include "shell/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <utility>

namespace vendaro {
namespace {

constexpr size_t kLongestMenuName = 25;
constexpr size_t kCutMenuName = 24;

bool isContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

size_t characterCount(const std::string& text) {
  return static_cast<size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !isContinuationByte(c); }));
}

// The first `count` characters of `text`.
std::string firstCharacters(const std::string& text, size_t count) {
  size_t end = 0;
  for (size_t seen = 0; end < text.size(); ++end) {
    if (!isContinuationByte(text[end]) && seen++ == count) break;
  }
  return text.substr(0, end);
}

// A menu takes "&" as the mark of its shortcut letter.
std::string escapeMenuText(const std::string& text) {
  std::string escaped;
  for (char c : text) {
    if (c == '&') escaped += '&';
    escaped += c;
  }
  return escaped;
}

}  // namespace

void AddToLastUsedFiles(std::vector<std::string>& list, const std::string& path, int32_t max) {
  std::erase(list, path);
  list.insert(list.begin(), path);
  trimRecentFiles(list, max);
}

void trimRecentFiles(std::vector<std::string>& list, int32_t max) {
  const size_t keep = static_cast<size_t>(std::max(max, 0));
  if (list.size() > keep) list.resize(keep);
}

std::string recentFileShortName(const std::string& path) {
  if (characterCount(path) <= kLongestMenuName) return path;
  const std::string name = std::filesystem::path(path).filename().string();
  if (characterCount(name) <= kLongestMenuName) return name;
  return firstCharacters(name, kCutMenuName) + "...";
}

std::vector<std::string> recentFileMenuCaptions(const std::vector<std::string>& list) {
  std::vector<std::string> captions;
  captions.reserve(list.size());
  for (size_t i = 0; i < list.size(); ++i) {
    std::string caption = "&";
    caption += std::to_string(i + 1);
    caption += ' ';
    caption += escapeMenuText(recentFileShortName(list[i]));
    captions.push_back(std::move(caption));
  }
  return captions;
}

}  // namespace vendaro
