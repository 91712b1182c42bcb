#include "editing/field_dialogs.h"

namespace vendaro {
namespace {

constexpr std::array<const char*, 3> kNumberingNames{"Seitennummer", "Anzahl Seiten", "Autonummer"};
constexpr std::array<const char*, 3> kNumberingCodes{"page", "pagecount", "autonumber"};
constexpr std::array<const char*, 2> kFileNames{"Nur Dateiname", "Mit Pfadangabe"};
constexpr std::array<const char*, 2> kFileCodes{"file", "filepath"};
constexpr std::array<const char*, 3> kUserNames{"Benutzername", "Benutzerinitialen", "Benutzeradresse"};
constexpr std::array<const char*, 8> kDocInfoNames{"Titel", "Thema", "Autor", "Manager", "Firma",
                                                   "Kategorie", "Stichw\xF6rter", "Kommentar"};

template <size_t N>
std::vector<std::string> listOf(const std::array<const char*, N>& names) {
  return {names.begin(), names.end()};
}

template <size_t N>
std::vector<std::string> patternList(const std::array<const char*, N>& patterns, const DateTime& now) {
  std::vector<std::string> entries;
  for (const char* pattern : patterns) entries.push_back(patternEntry(pattern, now));
  entries.emplace_back(kUserDefinedEntry);
  return entries;
}

template <size_t N>
std::optional<std::string> pick(const std::array<const char*, N>& codes, int entry, std::string_view prefix = {}) {
  if (entry < 0 || static_cast<size_t>(entry) >= N) return std::nullopt;
  return std::string(prefix) + codes[static_cast<size_t>(entry)];
}

std::string numbered(std::string_view stem, int entry) { return std::string(stem) + std::to_string(entry + 1); }

}  // namespace

std::string patternEntry(std::string_view pattern, const DateTime& now) {
  std::string entry = formatDateTime(pattern, now);
  entry += "\t [";
  entry += pattern;
  entry += "]";
  return entry;
}

std::vector<std::string> fieldNameEntries(int category, const DateTime& now) {
  switch (category) {
    case kCategoryNumbering: return listOf(kNumberingNames);
    case kCategoryDate: return patternList(kDatePatterns, now);
    case kCategoryTime: return patternList(kTimePatterns, now);
    case kCategoryFile: return listOf(kFileNames);
    case kCategoryUser: return listOf(kUserNames);
    case kCategoryDocInfo: return listOf(kDocInfoNames);
    default: return {};
  }
}

std::optional<std::string> fieldCodeFor(int category, int entry) {
  switch (category) {
    case kCategoryNumbering: return pick(kNumberingCodes, entry);
    case kCategoryDate: return pick(kDatePatterns, entry, "datetime");
    case kCategoryTime: return pick(kTimePatterns, entry, "datetime");
    case kCategoryFile: return pick(kFileCodes, entry);
    case kCategoryUser:
      if (entry >= 0 && entry < static_cast<int>(kUserNames.size())) return numbered("userinf", entry);
      return std::nullopt;
    case kCategoryDocInfo:
      if (entry >= 0 && entry < static_cast<int>(kDocInfoNames.size())) return numbered("docinf", entry);
      return std::nullopt;
    default: return std::nullopt;
  }
}

std::vector<std::string> dateTimeEntries(const DateTime& now) {
  std::vector<std::string> entries = patternList(kDatePatterns, now);
  entries.pop_back();
  const std::vector<std::string> times = patternList(kTimePatterns, now);
  entries.insert(entries.end(), times.begin(), times.end());
  return entries;
}

}  // namespace vendaro
