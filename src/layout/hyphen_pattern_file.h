// hyphen_pattern_file.h — the ".hyp" pattern file: the records it holds and
// a reader that never trusts its counts, plus the writer the data converter
// uses. Only the standard library, so the converter can build it on its own.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vendaro {

inline constexpr int kPatternGroupCount = 20;   // group g holds patterns of g letters
inline constexpr int kMaxPatternLetters = 20;
inline constexpr int kMaxPatternPairs = 10;

// One inter-letter value: `position` counts the pattern characters before
// the gap (0 = before the first, 1 = after the first character).
struct PatternPair {
  uint8_t position = 0;
  uint8_t value = 0;
  bool operator==(const PatternPair&) const = default;
};

// Letters are lower case code page 1252, "." standing for a word boundary.
struct HyphenPattern {
  std::string letters;
  std::array<PatternPair, kMaxPatternPairs> pairs{};
  uint16_t pairCount = 0;
  bool operator==(const HyphenPattern&) const = default;
};

// groups[g - 1] holds the entries of group g in file order.
using HyphenPatternGroups = std::array<std::vector<HyphenPattern>, kPatternGroupCount>;

enum class PatternFileStatus {
  Complete,   // all 20 groups read
  Missing,    // the file could not be opened: no patterns at all
  Damaged,    // shorter than its counts promise or an entry over the limits;
              // the entries before the fault were kept
};

struct PatternFileContents {
  HyphenPatternGroups groups;
  PatternFileStatus status = PatternFileStatus::Missing;
};

// Parses a whole file image: per group an int32 entry count, per entry a
// length byte, the letters, a uint16 pair count and the pairs, little-endian.
// Stops at the first fault and keeps what was read correctly before it.
PatternFileContents parsePatternFile(std::span<const uint8_t> bytes);

// The exact inverse of parsePatternFile for groups within the limits.
std::string serializePatternFile(const HyphenPatternGroups& groups);

}  // namespace vendaro
