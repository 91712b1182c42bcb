// hyphen_patterns.cpp — loading a pattern table and building its trie.
#include "layout/hyphen_patterns.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

namespace vendaro {

namespace {

// The trie while it grows: children unordered, pairs per node.
struct GrowingNode {
  std::vector<std::pair<uint8_t, uint32_t>> children;
  std::vector<PatternPair> pairs;
};

uint32_t findOrAddChild(std::vector<GrowingNode>& nodes, uint32_t parent, uint8_t letter) {
  for (const auto& [edgeLetter, target] : nodes[parent].children) {
    if (edgeLetter == letter) return target;
  }
  const auto added = static_cast<uint32_t>(nodes.size());
  nodes[parent].children.emplace_back(letter, added);
  nodes.emplace_back();
  return added;
}

}  // namespace

HyphenPatternTable::HyphenPatternTable(PatternFileContents contents)
    : groups_(std::move(contents.groups)), loaded_(true), status_(contents.status) {
  buildIndex();
}

HyphenPatternTable HyphenPatternTable::loadFile(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    PatternFileContents nothing;
    nothing.status = PatternFileStatus::Missing;
    return HyphenPatternTable(std::move(nothing));
  }
  const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  return HyphenPatternTable(parsePatternFile(bytes));
}

const std::vector<HyphenPattern>& HyphenPatternTable::group(int letterCount) const {
  return groups_.at(static_cast<size_t>(letterCount - 1));
}

size_t HyphenPatternTable::patternCount() const {
  size_t count = 0;
  for (const auto& group : groups_) count += group.size();
  return count;
}

// Only patterns that can match take part: a group's entry whose letter count
// differs from the group's never equals a substring of the group's length,
// so leaving it out keeps the trie's matches identical to the group scan.
void HyphenPatternTable::buildIndex() {
  std::vector<GrowingNode> growing(1);
  for (int length = kMinAppliedLetters; length <= kMaxAppliedLetters; ++length) {
    for (const HyphenPattern& pattern : groups_[length - 1]) {
      if (pattern.letters.size() != static_cast<size_t>(length)) continue;
      uint32_t node = 0;
      for (char letter : pattern.letters) node = findOrAddChild(growing, node, static_cast<uint8_t>(letter));
      auto& pairs = growing[node].pairs;
      pairs.insert(pairs.end(), pattern.pairs.begin(), pattern.pairs.begin() + pattern.pairCount);
    }
  }

  nodes_.assign(growing.size(), TrieNode{});
  rootEdges_.fill(0);
  edgeLetters_.clear();
  edgeTargets_.clear();
  pairs_.clear();
  for (auto& [letter, target] : growing[0].children) rootEdges_[letter] = target;
  for (size_t i = 1; i < growing.size(); ++i) {
    GrowingNode& from = growing[i];
    std::sort(from.children.begin(), from.children.end());
    TrieNode& node = nodes_[i];
    node.firstEdge = static_cast<uint32_t>(edgeLetters_.size());
    node.edgeCount = static_cast<uint32_t>(from.children.size());
    for (const auto& [letter, target] : from.children) {
      edgeLetters_.push_back(letter);
      edgeTargets_.push_back(target);
    }
    node.firstPair = static_cast<uint32_t>(pairs_.size());
    node.pairCount = static_cast<uint32_t>(from.pairs.size());
    pairs_.insert(pairs_.end(), from.pairs.begin(), from.pairs.end());
  }
}

}  // namespace vendaro
