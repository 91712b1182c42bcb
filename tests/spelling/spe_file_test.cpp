// The ".spe" reader decodes prefix-compressed entries, keeps what it read
// correctly from a damaged file and never reads past the end.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "spelling/spe_file.h"
#include "spelling/word_order.h"
#include "support/temp_dir.h"
#include "test_word_lists.h"

namespace vendaro {
namespace {

using test::contents;

WordListReadResult decode(const std::string& bytes, WordList& list) {
  // An exactly sized heap copy, so a sanitizer build sees any read past the end.
  const std::vector<uint8_t> exact(bytes.begin(), bytes.end());
  return decodeWordList(exact, list);
}

std::string encode(const std::vector<std::string>& words) {
  const std::vector<uint8_t> bytes = encodeWordList(words);
  return std::string(bytes.begin(), bytes.end());
}

TEST(SpeFile, PrefixAndCapitalBitRebuildTheWords) {
  WordList list;
  const WordListReadResult read = decode(std::string("\x00\x04haus\x83\x03ten", 11), list);
  EXPECT_EQ(read.status, WordListReadStatus::Complete);
  EXPECT_EQ(contents(list), (std::vector<std::string>{"haus", "Hauten"}));
  EXPECT_FALSE(read.sorted);
}

TEST(SpeFile, EncodedListsReadBackUnchanged) {
  // Case pairs, a capital bit on a non-ASCII first letter (ignored), a word
  // that shares nothing, and the longest allowed word.
  std::vector<std::string> words = {"Abend", "abends", "ABS", "Essen", "essen", "Strand", "Stra\xdf" "e",
                                    "\xc4rger", "\xe4rgern", std::string(50, 'z')};
  std::sort(words.begin(), words.end(), ListOrderLess{});
  const std::string bytes = encode(words);
  EXPECT_EQ(bytes.substr(0, 7), std::string("\x80\x05" "Abend"));
  WordList list;
  EXPECT_EQ(decode(bytes, list).status, WordListReadStatus::Complete);
  EXPECT_EQ(contents(list), words);
}

TEST(SpeFile, EveryCutKeepsTheWholeEntriesBeforeIt) {
  const std::vector<std::string> words = {"haus", "Hauten", "heute"};
  const std::string bytes = encode(words);
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    WordList list;
    const WordListReadResult read = decode(bytes.substr(0, cut), list);
    const size_t whole = cut >= 11 ? 2 : cut >= 6 ? 1 : 0;
    const bool atEntryStart = cut == 0 || cut == 6 || cut == 11;
    EXPECT_EQ(contents(list), std::vector<std::string>(words.begin(), words.begin() + whole)) << cut;
    EXPECT_EQ(read.status, atEntryStart ? WordListReadStatus::Complete : WordListReadStatus::Damaged) << cut;
  }
}

TEST(SpeFile, BadEntriesStopTheReadingWhereTheyStart) {
  struct Case {
    const char* what;
    std::string tail;
  };
  const Case cases[] = {
      {"prefix longer than the previous word", std::string("\x05\x01x", 3)},
      {"more than 50 characters", std::string("\x04\x2f") + std::string(47, 'x')},
      {"empty word", std::string("\x00\x00", 2)},
      {"NUL inside", std::string("\x02\x02x\x00", 4)},
  };
  for (const Case& c : cases) {
    WordList list;
    const WordListReadResult read = decode(std::string("\x00\x04haus", 6) + c.tail + std::string("\x00\x02ok", 4), list);
    EXPECT_EQ(read.status, WordListReadStatus::Damaged) << c.what;
    EXPECT_EQ(read.stoppedAt, 6u) << c.what;
    EXPECT_EQ(contents(list), std::vector<std::string>{"haus"}) << c.what;
  }
}

TEST(SpeFile, OutOfOrderFilesAreSortedForTheLookups) {
  WordList list;
  const WordListReadResult read = decode(encode({"zebra", "Affe", "maus"}), list);
  EXPECT_TRUE(read.sorted);
  EXPECT_EQ(contents(list), (std::vector<std::string>{"Affe", "maus", "zebra"}));
}

TEST(SpeFile, MissingFileOrNoMemoryKeepsTheList) {
  test::TempDir dir;
  WordList list;
  test::fill(list, {"vorher"});
  EXPECT_EQ(OpenWordList(dir.file("nirgends.spe"), list).status, WordListReadStatus::NotOpened);
  EXPECT_EQ(contents(list), std::vector<std::string>{"vorher"});

  WordList small;
  std::vector<std::string> messages;
  small.setAllocationErrorHandler([&](const std::string& message) { messages.push_back(message); });
  small.setStorageLimit(kWordListBlockElements * sizeof(std::string));
  std::vector<std::string> many;
  for (size_t i = 0; i <= kWordListBlockElements; ++i) many.push_back("w" + std::to_string(1000000 + i));
  const WordListReadResult read = decode(encode(many), small);
  EXPECT_EQ(read.status, WordListReadStatus::OutOfMemory);
  EXPECT_EQ(small.size(), kWordListBlockElements);
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_EQ(messages[0].substr(0, 8), "Error 2 ");
}

}  // namespace
}  // namespace vendaro
