// hyphenation_library.h — the pattern tables of all document languages, held
// once by the program and shared by every document; each table is read from
// the program folder the first time a document asks for its language.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <utility>

#include "layout/hyphen_patterns.h"

namespace vendaro {

class HyphenationLibrary {
 public:
  static constexpr int32_t kGerman = 0;
  static constexpr int32_t kEnglish = 1;

  // Tables come from ProgramDir().
  HyphenationLibrary() = default;
  // Tables come from `folder` (tests, tools).
  explicit HyphenationLibrary(std::filesystem::path folder) : folder_(std::move(folder)) {}
  // Documents keep a pointer to their table: the library stays where it is.
  HyphenationLibrary(const HyphenationLibrary&) = delete;
  HyphenationLibrary& operator=(const HyphenationLibrary&) = delete;

  // The table of `language`, read on the first request and never again
  // (a missing file gives an empty table). A language value other than
  // English uses the German table.
  const HyphenPatternTable& table(int32_t language);
  // "german0.hyp" or "english0.hyp".
  static const char* patternFileName(int32_t language);

 private:
  static size_t slot(int32_t language) { return language == kEnglish ? 1 : 0; }

  std::optional<std::filesystem::path> folder_;
  std::array<HyphenPatternTable, 2> tables_;
};

}  // namespace vendaro
