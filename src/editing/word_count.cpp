#include "editing/word_count.h"

namespace vendaro {
namespace {

bool isWordCell(const TCharRec& cell) { return cell.Kind == kCellChar && cell.Ch != ' ' && cell.Ch != kTabChar; }

class Counter {
 public:
  explicit Counter(const Document& doc) { counts_.pages = doc.GetAnzPages(); }

  void frame(const TFieldRec& frame) {
    const LineList& lines = frame.Lines;
    for (size_t l = 0; l < lines.size(); ++l) {
      const TLineRec& line = lines[l];
      ++counts_.lines;
      for (const TCharRec& cell : line.Chars) this->cell(cell);
      const bool lastOfText = l + 1 == lines.size() && frame.NextField == -1;
      const bool paragraphEnd = line.LineEnd == kLineEndParagraph || line.LineEnd == kLineEndPage;
      if (line.LineEnd != kLineEndSoft || lastOfText) endWord();
      if (paragraphEnd || lastOfText) ++counts_.paragraphs;
    }
  }

  WordCounts result() {
    endWord();
    return counts_;
  }

 private:
  void cell(const TCharRec& cell) {
    ++counts_.cells;
    if (!isWordCell(cell)) {
      endWord();
      return;
    }
    ++counts_.charsWithoutBlanks;
    inWord_ = true;
  }

  void endWord() {
    if (inWord_) ++counts_.words;
    inWord_ = false;
  }

  WordCounts counts_;
  bool inWord_ = false;
};

}  // namespace

WordCounts CountWords(const Document& doc) {
  Counter counter(doc);
  for (const TFieldRec& frame : doc.Fields) counter.frame(frame);
  return counter.result();
}

std::vector<std::pair<std::string, std::string>> statisticsRows(const WordCounts& counts) {
  return {{"Bezeichnung", "Wert"},
          {"Seiten", std::to_string(counts.pages)},
          {"W\xF6rter", std::to_string(counts.words)},
          {"Zeichen (ohne Leerzeichen)", std::to_string(counts.charsWithoutBlanks)},
          {"Zeichen (mit Grafiken)", std::to_string(counts.cells)},
          {"Abs\xE4tze", std::to_string(counts.paragraphs)},
          {"Zeilen", std::to_string(counts.lines)}};
}

}  // namespace vendaro
