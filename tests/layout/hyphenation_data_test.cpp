// Hyphenation with the pattern files the build generates into the program
// folder: the trie agrees with the group scan on real words, and well-known
// words break where a reader expects.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "layout/hyphenation.h"
#include "platform/code_pages.h"
#include "platform/paths.h"

namespace vendaro {
namespace {

// Every `step`-th word of a system word list, in code page 1252.
std::vector<std::string> sampleWords(const std::string& path, size_t step) {
  std::ifstream in(path);
  std::vector<std::string> words;
  std::string line;
  for (size_t index = 0; std::getline(in, line); ++index) {
    if (index % step == 0 && !line.empty()) words.push_back(utf8ToCp1252(line));
  }
  return words;
}

class HyphenationData : public ::testing::Test {
 protected:
  const HyphenPatternTable& table(int32_t language) {
    const HyphenPatternTable& loaded = library.table(language);
    EXPECT_EQ(loaded.fileStatus(), PatternFileStatus::Complete)
        << HyphenationLibrary::patternFileName(language) << " in " << ProgramDir();
    return loaded;
  }

  HyphenationLibrary library;
};

TEST_F(HyphenationData, TrieAgreesWithGroupScanOnRealWords) {
  struct Sample {
    int32_t language;
    const char* wordList;
    size_t step;
  };
  for (const Sample& sample : {Sample{HyphenationLibrary::kGerman, "/usr/share/dict/ngerman", 100},
                               Sample{HyphenationLibrary::kEnglish, "/usr/share/dict/american-english", 30}}) {
    const HyphenPatternTable& patterns = table(sample.language);
    const std::vector<std::string> words = sampleWords(sample.wordList, sample.step);
    ASSERT_GT(words.size(), 3000u) << sample.wordList;
    size_t withBreaks = 0;
    for (const std::string& word : words) {
      const std::string indexed = hyphenateWord(patterns, word, PatternLookup::Indexed);
      ASSERT_EQ(indexed, hyphenateWord(patterns, word, PatternLookup::GroupScan)) << word;
      withBreaks += indexed.size() != word.size();
    }
    EXPECT_GT(withBreaks, words.size() / 2) << sample.wordList;
  }
}

TEST_F(HyphenationData, KnownWordsBreakSensibly) {
  DocumentHyphenation german(library, HyphenationLibrary::kGerman);
  EXPECT_EQ(german.TrenneSilben("Silbentrennung"), "Sil-ben-tren-nung");
  EXPECT_EQ(german.TrenneSilben("Donaudampfschifffahrt"), "Do-nau-dampf-schiff-fahrt");
  EXPECT_EQ(german.TrenneSilben(utf8ToCp1252("Straßenbahnhaltestelle")), utf8ToCp1252("Stra-ßen-bahn-hal-te-stel-le"));

  DocumentHyphenation english(library, HyphenationLibrary::kEnglish);
  EXPECT_EQ(english.TrenneSilben("hyphenation"), "hy-phen-ation");
  EXPECT_EQ(english.TrenneSilben("dictionary"), "dic-tio-nary");
}

}  // namespace
}  // namespace vendaro
