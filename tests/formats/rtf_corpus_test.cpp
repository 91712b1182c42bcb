// RTF files written by other programs (tests/fixtures/rtf/corpus) read to
// the text LibreOffice extracts from them, each at least as well as
// scripts/rtf_fidelity measured when it set the file's floor.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "formats/rtf_reader.h"
#include "platform/code_pages.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

const std::string kCorpus = std::string(VENDARO_FIXTURE_DIR) + "/rtf/corpus/";

std::string readFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Blanks, tabs and line ends collapse to one blank; no-break spaces are blanks.
std::string normalised(std::string_view text) {
  std::string out;
  bool blank = false;
  for (const char c : text) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte <= ' ' || byte == 0xA0) {
      blank = !out.empty();
      continue;
    }
    if (blank) out += ' ';
    blank = false;
    out += c;
  }
  return out;
}

// The page text before layout: a line per paragraph or cell, break cells
// as line ends, field cells as their text, marks and pictures left out.
std::string pageText(const Document& doc) {
  std::string text;
  for (const TLineRec& line : doc.Fields[0].Lines) {
    for (const TCharRec& cell : line.Chars) {
      if (cell.Kind == kCellField) text += textOf(cell.Text);
      else if (cell.Kind == kCellChar) text += cell.Ch >= 13 && cell.Ch <= 15 ? '\n' : static_cast<char>(cell.Ch);
    }
    text += '\n';
  }
  return text;
}

size_t editDistance(const std::string& a, const std::string& b) {
  std::vector<size_t> previous(b.size() + 1), current(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) previous[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    current[0] = i;
    for (size_t j = 1; j <= b.size(); ++j)
      current[j] = std::min({previous[j] + 1, current[j - 1] + 1, previous[j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
    std::swap(previous, current);
  }
  return previous[b.size()];
}

TEST(RtfCorpus, EveryFileReadsAtLeastAsWellAsItsFloor) {
  std::istringstream floors(readFile(kCorpus + "floors.txt"));
  int files = 0;
  for (std::string name; floors >> name;) {
    double floor = 0;
    floors >> floor;
    const std::string rtf = readFile(kCorpus + name);
    Document doc = test::newWindowDocument();
    decodeRtf({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()}, doc, nullptr);
    std::string reference = readFile(kCorpus + name.substr(0, name.size() - 4) + ".txt");
    if (reference.starts_with("\xEF\xBB\xBF")) reference.erase(0, 3);
    const std::string ours = normalised(pageText(doc));
    const std::string theirs = normalised(utf8ToCp1252(reference));
    const double agreement =
        1.0 - static_cast<double>(editDistance(ours, theirs)) / static_cast<double>(std::max(ours.size(), theirs.size()));
    EXPECT_GE(agreement, floor) << name;
    ++files;
  }
  EXPECT_GE(files, 5);
}

}  // namespace
}  // namespace vendaro
