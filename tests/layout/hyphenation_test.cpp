// Hyphenation on hand-made tables: the pattern rules, the per-document cache
// and how documents share the program's tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "layout/hyphenation.h"
#include "layout/hyphen_test_patterns.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::groupsOf;
using test::makePattern;

HyphenPatternTable tinyTable() {
  return HyphenPatternTable(PatternFileContents{
      groupsOf({
          makePattern("ab", {{1, 1}}),                 // a-b
          makePattern("xab", {{2, 2}}),                // but not after x: even wins
          makePattern("\xe4" "b", {{1, 1}}),           // ä-b (Ä is another letter)
          makePattern(".c", {{0, 1}, {1, 1}}),         // gaps before the word: ignored
          makePattern("c.", {{1, 3}}),                 // gap after the word's end
          makePattern("d", {{0, 1}, {1, 1}}),          // one letter: never applied
          makePattern("efghijklmno", {{5, 1}}),        // eleven letters: applied
          makePattern("efghijklmnop", {{2, 1}}),       // twelve letters: never applied
          makePattern("qr", {{7, 1}}),                 // position past the pattern
      }),
      PatternFileStatus::Complete});
}

// Both lookups must give the same answer on every word.
std::string hyphenatedBothWays(const HyphenPatternTable& table, const std::string& word) {
  const std::string indexed = hyphenateWord(table, word, PatternLookup::Indexed);
  EXPECT_EQ(indexed, hyphenateWord(table, word, PatternLookup::GroupScan)) << word;
  return indexed;
}

TEST(Hyphenation, OddHighestValuesBreak) {
  const HyphenPatternTable table = tinyTable();
  EXPECT_EQ(hyphenatedBothWays(table, "yaby"), "ya-by");
  EXPECT_EQ(hyphenatedBothWays(table, "xaby"), "xaby");
  EXPECT_EQ(hyphenatedBothWays(table, "efghijklmnoq"), "efghi-jklmnoq");
  EXPECT_EQ(hyphenatedBothWays(table, "efghijklmnop"), "efghi-jklmnop");
  EXPECT_EQ(hyphenatedBothWays(table, "ddd"), "ddd");
  EXPECT_EQ(hyphenatedBothWays(table, "qr"), "qr");
  EXPECT_EQ(hyphenatedBothWays(table, ""), "");
}

TEST(Hyphenation, NeverBreaksBeforeTheFirstOrAfterTheLastCharacter) {
  const HyphenPatternTable table = tinyTable();
  EXPECT_EQ(hyphenatedBothWays(table, "cabc"), "ca-bc");
  EXPECT_EQ(hyphenatedBothWays(table, "c"), "c");
  EXPECT_EQ(hyphenatedBothWays(table, "ab"), "a-b");
}

TEST(Hyphenation, OnlyAToZAreCaseFolded) {
  const HyphenPatternTable table = tinyTable();
  EXPECT_EQ(hyphenatedBothWays(table, "YABY"), "YA-BY");
  EXPECT_EQ(hyphenatedBothWays(table, "\xe4" "b"), "\xe4-b");
  EXPECT_EQ(hyphenatedBothWays(table, "\xc4" "b"), "\xc4" "b");
}

TEST(Hyphenation, EntriesMatchOnlyInTheGroupOfTheirLength) {
  // A file may put an entry in the wrong group, or list one twice.
  PatternFileContents contents{groupsOf({makePattern("ab", {{1, 2}}), makePattern("ab", {{1, 3}})}),
                               PatternFileStatus::Complete};
  contents.groups[2].push_back(makePattern("by", {{1, 1}}));
  const HyphenPatternTable table(std::move(contents));
  EXPECT_EQ(hyphenatedBothWays(table, "aby"), "a-by");
}

TEST(Hyphenation, LongWordsAreHyphenatedWhole) {
  const HyphenPatternTable table = tinyTable();
  std::string word, expected;
  for (int i = 0; i < 100; ++i) {
    word += "yab";
    expected += "ya-b";
  }
  EXPECT_EQ(hyphenatedBothWays(table, word), expected);
}

class DocumentHyphenationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    test::writeFileBytes(folder.file("german0.hyp"), serializePatternFile(groupsOf({makePattern("ab", {{1, 1}})})));
    test::writeFileBytes(folder.file("english0.hyp"), serializePatternFile(groupsOf({makePattern("by", {{1, 1}})})));
  }

  test::TempDir folder;
};

TEST_F(DocumentHyphenationTest, CacheAnswersWithTheFirstRequestsLetters) {
  HyphenationLibrary library(folder.path());
  DocumentHyphenation document(library, HyphenationLibrary::kGerman);
  EXPECT_EQ(document.TrenneSilben("Yaby"), "Ya-by");
  EXPECT_EQ(document.TrenneSilben("YABY"), "Ya-by");
  EXPECT_EQ(document.cachedWordCount(), 1u);
  document.FreeHyphenData();
  EXPECT_EQ(document.TrenneSilben("YABY"), "YA-BY");
}

TEST_F(DocumentHyphenationTest, LanguageChangeSwitchesTablesLoadedOnce) {
  HyphenationLibrary library(folder.path());
  DocumentHyphenation document(library, HyphenationLibrary::kGerman);
  EXPECT_EQ(document.TrenneSilben("yaby"), "ya-by");
  EXPECT_FALSE(document.SetNewDokumentSprache(HyphenationLibrary::kGerman));
  EXPECT_EQ(document.cachedWordCount(), 1u);

  EXPECT_TRUE(document.SetNewDokumentSprache(HyphenationLibrary::kEnglish));
  EXPECT_EQ(document.cachedWordCount(), 0u);
  EXPECT_EQ(document.TrenneSilben("yaby"), "yab-y");

  // Back to German: the table in memory is used, the file is not read again.
  std::filesystem::remove(folder.file("german0.hyp"));
  EXPECT_TRUE(document.SetNewDokumentSprache(HyphenationLibrary::kGerman));
  EXPECT_EQ(document.TrenneSilben("yaby"), "ya-by");

  // A second document shares the tables; its cache is its own.
  DocumentHyphenation other(library, HyphenationLibrary::kGerman);
  EXPECT_EQ(other.cachedWordCount(), 0u);
  EXPECT_EQ(other.TrenneSilben("YABY"), "YA-BY");
  EXPECT_EQ(document.TrenneSilben("YABY"), "ya-by");
}

TEST_F(DocumentHyphenationTest, MissingFileMeansNoBreaks) {
  test::TempDir empty;
  HyphenationLibrary library(empty.path());
  DocumentHyphenation document(library, HyphenationLibrary::kEnglish);
  EXPECT_EQ(document.TrenneSilben("yaby"), "yaby");
  const HyphenPatternTable& table = library.table(HyphenationLibrary::kEnglish);
  EXPECT_TRUE(table.loaded());
  EXPECT_EQ(table.fileStatus(), PatternFileStatus::Missing);
  EXPECT_EQ(table.patternCount(), 0u);
}

}  // namespace
}  // namespace vendaro
