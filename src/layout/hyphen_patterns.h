// hyphen_patterns.h — the pattern table of one language, loaded from its
// ".hyp" file, with an index (a letter trie) that finds every pattern matching
// at a position of a word; the plain group scan gives the very same matches.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

#include "layout/hyphen_pattern_file.h"

namespace vendaro {

// Only patterns of this many letters take part in hyphenation; shorter and
// longer ones stay in the table but are never applied.
inline constexpr int kMinAppliedLetters = 2;
inline constexpr int kMaxAppliedLetters = 11;

class HyphenPatternTable {
 public:
  // An empty table that has not been loaded yet.
  HyphenPatternTable() = default;
  // A loaded table holding what a pattern file gave (possibly nothing).
  explicit HyphenPatternTable(PatternFileContents contents);

  // Reads the whole file; a file that cannot be opened gives an empty table
  // that is still marked loaded, so it is not tried again.
  static HyphenPatternTable loadFile(const std::filesystem::path& path);

  bool loaded() const { return loaded_; }
  PatternFileStatus fileStatus() const { return status_; }
  // The entries of group `letterCount` (1 to 20) in file order.
  const std::vector<HyphenPattern>& group(int letterCount) const;
  size_t patternCount() const;

  // Calls apply(pairs) for every applied pattern whose letters equal the
  // start of `text` (a pattern listed twice is reported twice).
  template <typename Apply>
  void forEachMatchAt(std::string_view text, Apply&& apply) const;
  // The same matches found by scanning the group of each length in turn.
  template <typename Apply>
  void forEachMatchAtByScan(std::string_view text, Apply&& apply) const;

 private:
  struct TrieNode {
    uint32_t firstEdge = 0;
    uint32_t edgeCount = 0;
    uint32_t firstPair = 0;
    uint32_t pairCount = 0;
  };

  void buildIndex();
  uint32_t child(const TrieNode& node, uint8_t letter) const;

  HyphenPatternGroups groups_;
  bool loaded_ = false;
  PatternFileStatus status_ = PatternFileStatus::Missing;

  // The trie: node 0 is the root, whose edges are a direct table; other
  // nodes list their edges in edgeLetters_/edgeTargets_. A node at depth d
  // carries the pairs of every applied d-letter pattern spelling its path.
  std::vector<TrieNode> nodes_;
  std::array<uint32_t, 256> rootEdges_{};  // 0: no pattern starts with that letter
  std::vector<uint8_t> edgeLetters_;
  std::vector<uint32_t> edgeTargets_;
  std::vector<PatternPair> pairs_;
};

inline uint32_t HyphenPatternTable::child(const TrieNode& node, uint8_t letter) const {
  const uint8_t* letters = edgeLetters_.data() + node.firstEdge;
  for (uint32_t i = 0; i < node.edgeCount; ++i) {
    if (letters[i] == letter) return edgeTargets_[node.firstEdge + i];
  }
  return 0;
}

template <typename Apply>
void HyphenPatternTable::forEachMatchAt(std::string_view text, Apply&& apply) const {
  if (text.empty() || nodes_.empty()) return;
  uint32_t index = rootEdges_[static_cast<uint8_t>(text[0])];
  const size_t deepest = std::min<size_t>(text.size(), kMaxAppliedLetters);
  for (size_t depth = 1; index != 0; ++depth) {
    const TrieNode& node = nodes_[index];
    if (depth >= kMinAppliedLetters && node.pairCount != 0) {
      apply(std::span<const PatternPair>(pairs_.data() + node.firstPair, node.pairCount));
    }
    if (depth == deepest) break;
    index = child(node, static_cast<uint8_t>(text[depth]));
  }
}

template <typename Apply>
void HyphenPatternTable::forEachMatchAtByScan(std::string_view text, Apply&& apply) const {
  const size_t deepest = std::min<size_t>(text.size(), kMaxAppliedLetters);
  for (size_t length = kMinAppliedLetters; length <= deepest; ++length) {
    const std::string_view piece = text.substr(0, length);
    for (const HyphenPattern& pattern : groups_[length - 1]) {
      if (pattern.letters == piece) apply(std::span<const PatternPair>(pattern.pairs.data(), pattern.pairCount));
    }
  }
}

}  // namespace vendaro
