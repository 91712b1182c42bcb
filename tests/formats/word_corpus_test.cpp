// Word files written by another program (LibreOffice): the text read must
// agree with what that program extracts, each file above its floor
// (1 − edit distance / length, blanks normalised, characters outside code
// page 1252 as "?"). Lists fall lower: the extract carries bullets and numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>

#include "formats/word_file.h"
#include "platform/code_pages.h"

namespace vendaro {
namespace {

std::string normalised(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool blank = c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == 13 || c == 14 || c == 15;
    if (blank) {
      if (!out.empty() && out.back() != ' ') out += ' ';
    } else {
      out += c;
    }
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

std::string bodyText(const Document& doc) {
  std::string text;
  for (const TLineRec& line : doc.Fields[0].Lines) {
    for (const TCharRec& cell : line.Chars)
      if (cell.Kind == kCellChar) text += static_cast<char>(cell.Ch);
    if (line.LineEnd != kLineEndSoft) text += ' ';
  }
  return normalised(text);
}

double agreement(const std::string& a, const std::string& b) {
  std::vector<size_t> previous(b.size() + 1), current(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (size_t j = 1; j <= b.size(); ++j)
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] != b[j - 1])});
    std::swap(previous, current);
  }
  const size_t longest = std::max(a.size(), b.size());
  return longest == 0 ? 1.0 : 1.0 - static_cast<double>(previous[b.size()]) / static_cast<double>(longest);
}

std::string fixture(const std::string& name) {
  std::ifstream in(std::string(VENDARO_FIXTURE_DIR) + "/word/" + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(WordCorpus, TextAgreesWithWhatLibreOfficeExtracts) {
  const std::pair<const char*, double> files[] = {{"letter", 0.99}, {"table", 0.99},    {"headers", 0.98},
                                                  {"sections", 0.99}, {"pictures", 0.98}, {"lists", 0.80}};
  for (const auto& [name, floor] : files) {
    const std::string bytes = fixture(std::string(name) + ".doc");
    ASSERT_FALSE(bytes.empty()) << name;
    Document doc;
    ASSERT_TRUE(decodeWord(std::vector<uint8_t>(bytes.begin(), bytes.end()), doc, nullptr)) << name;
    std::string expected = fixture(std::string(name) + ".txt");
    if (expected.starts_with("\xEF\xBB\xBF")) expected.erase(0, 3);
    EXPECT_GE(agreement(bodyText(doc), normalised(utf8ToCp1252(expected))), floor) << name;
  }
}

TEST(WordCorpus, LetterKeepsItsFormats) {
  const std::string bytes = fixture("letter.doc");
  Document doc;
  ASSERT_TRUE(decodeWord(std::vector<uint8_t>(bytes.begin(), bytes.end()), doc, nullptr));
  EXPECT_NEAR(doc.PageWidth, 210.0, 0.05);
  EXPECT_NEAR(doc.PageHeight, 297.0, 0.05);
  EXPECT_NEAR(doc.Fields[0].MarginLeft, 30.0, 0.05);
  const auto& lines = doc.Fields[0].Lines;
  EXPECT_EQ(lines[0].Para.Alignment, 2);
  EXPECT_EQ(doc.Fonts[lines[0].Chars[0].FontIndex].name(), "Arial");
  EXPECT_EQ(doc.Fonts[lines[3].Chars[0].FontIndex].Style & 1, 1);
  // "Hauptstraße 12 – 12345": the en dash in code page 1252.
  EXPECT_EQ(lines[1].Chars[15].Ch, 0x96);
  EXPECT_EQ(doc.Fonts[lines[8].Chars[0].FontIndex].Size, 130.0);
  EXPECT_EQ(lines[5].Para.Tabs.size(), 3u);
}

TEST(WordCorpus, BulletListsAndNumberedListsDiffer) {
  const std::string bytes = fixture("lists.doc");
  Document doc;
  ASSERT_TRUE(decodeWord(std::vector<uint8_t>(bytes.begin(), bytes.end()), doc, nullptr));
  const auto& lines = doc.Fields[0].Lines;
  ASSERT_EQ(lines.size(), 8u);
  const uint8_t kinds[8] = {0, 1, 1, 1, 0, 2, 2, 2};
  for (size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i].Para.ListKind, kinds[i]) << i;
}

}  // namespace
}  // namespace vendaro
