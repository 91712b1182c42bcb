// The ".hyp" reader keeps what it read correctly and never trusts a count.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "layout/hyphen_pattern_file.h"
#include "layout/hyphen_test_patterns.h"

namespace vendaro {
namespace {

using test::groupsOf;
using test::makePattern;

PatternFileContents parseBytes(const std::string& bytes) {
  // An exactly sized heap copy, so a sanitizer build sees any read past the end.
  const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
  return parsePatternFile(exact);
}

std::vector<HyphenPattern> flatten(const HyphenPatternGroups& groups) {
  std::vector<HyphenPattern> all;
  for (const auto& group : groups) all.insert(all.end(), group.begin(), group.end());
  return all;
}

HyphenPatternGroups smallGroups() {
  return groupsOf({makePattern("a", {{0, 1}}), makePattern("ab", {{1, 1}}), makePattern("ba", {}),
                   makePattern(".abc", {{1, 2}, {3, 5}}), makePattern("abcdefghijklmnopqrst", {{10, 3}})});
}

std::string int32Bytes(int32_t value) {
  std::string out;
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(static_cast<uint32_t>(value) >> shift));
  return out;
}

// 19 empty groups after the first one.
std::string emptyGroupsAfterFirst() {
  std::string out;
  for (int g = 2; g <= kPatternGroupCount; ++g) out += int32Bytes(0);
  return out;
}

TEST(HyphenPatternFile, WrittenFileReadsBackWhole) {
  const HyphenPatternGroups groups = smallGroups();
  const PatternFileContents read = parseBytes(serializePatternFile(groups));
  EXPECT_EQ(read.status, PatternFileStatus::Complete);
  EXPECT_EQ(read.groups, groups);
}

TEST(HyphenPatternFile, EveryTruncationKeepsAWholeEntryPrefix) {
  const std::string bytes = serializePatternFile(smallGroups());
  const std::vector<HyphenPattern> all = flatten(smallGroups());
  size_t previousKept = 0;
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    const PatternFileContents read = parseBytes(bytes.substr(0, cut));
    ASSERT_EQ(read.status, PatternFileStatus::Damaged) << "cut at " << cut;
    const std::vector<HyphenPattern> kept = flatten(read.groups);
    ASSERT_LE(kept.size(), all.size());
    EXPECT_TRUE(std::equal(kept.begin(), kept.end(), all.begin())) << "cut at " << cut;
    EXPECT_GE(kept.size(), previousKept);
    previousKept = kept.size();
  }
  EXPECT_EQ(previousKept, all.size() - 1);  // the last entry is cut until the very last byte
}

TEST(HyphenPatternFile, EntryOverTheLimitsEndsTheRead) {
  const std::string good = std::string(1, '\2') + "ab" + std::string("\1\0\1\1", 4);
  const std::string tooManyLetters = std::string(1, '\25') + std::string(21, 'x') + std::string("\0\0", 2);
  std::string tooManyPairs = std::string(1, '\1') + "x" + std::string("\13\0", 2);
  for (int i = 0; i < 11; ++i) tooManyPairs += std::string("\1\1", 2);

  for (const std::string& bad : {tooManyLetters, tooManyPairs}) {
    const PatternFileContents read = parseBytes(int32Bytes(2) + good + bad + emptyGroupsAfterFirst());
    EXPECT_EQ(read.status, PatternFileStatus::Damaged);
    ASSERT_EQ(read.groups[0].size(), 1u);
    EXPECT_EQ(read.groups[0][0], makePattern("ab", {{1, 1}}));
  }
}

TEST(HyphenPatternFile, CountsBeyondTheDataAreNotBelieved) {
  // A negative count and one promising two billion entries: both stop the
  // read without sizing anything from the count.
  const std::string entry = std::string(1, '\2') + "ab" + std::string("\0\0", 2);
  for (int32_t count : {-1, INT32_MAX}) {
    const PatternFileContents read = parseBytes(int32Bytes(count) + entry + emptyGroupsAfterFirst());
    EXPECT_EQ(read.status, PatternFileStatus::Damaged);
    if (count < 0) {
      EXPECT_TRUE(read.groups[0].empty());
    } else {
      ASSERT_FALSE(read.groups[0].empty());  // the zero bytes after it read as empty entries
      EXPECT_EQ(read.groups[0][0], makePattern("ab", {}));
    }
  }
}

}  // namespace
}  // namespace vendaro
