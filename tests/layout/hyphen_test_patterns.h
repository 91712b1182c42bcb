// hyphen_test_patterns.h — hand-made pattern tables for the hyphenation
// tests: entries spelled out as letters plus (position, value) pairs.
#pragma once

#include <initializer_list>
#include <string>

#include "layout/hyphen_pattern_file.h"

namespace vendaro::test {

inline HyphenPattern makePattern(std::string letters, std::initializer_list<PatternPair> pairs) {
  HyphenPattern pattern;
  pattern.letters = std::move(letters);
  for (const PatternPair& pair : pairs) pattern.pairs[pattern.pairCount++] = pair;
  return pattern;
}

// Puts each pattern in the group of its letter count.
inline HyphenPatternGroups groupsOf(std::initializer_list<HyphenPattern> patterns) {
  HyphenPatternGroups groups;
  for (const HyphenPattern& pattern : patterns) groups[pattern.letters.size() - 1].push_back(pattern);
  return groups;
}

}  // namespace vendaro::test
