// bench_documents.h — the long text the benchmarks lay out, type into and
// copy: paragraphs of German-looking words in Arial (11 point unless said),
// one line each,
// marked for layout.
#pragma once

#include <random>
#include <string>

#include "document/document.h"

namespace vendaro::bench {

inline constexpr int kParagraphs = 2000;
inline constexpr int kParagraphLength = 150;  // 300,000 characters in all

// Words of 2 to 14 letters with spaces between them.
inline std::string germanLookingWords(std::mt19937& random, size_t length) {
  static const std::string letters = "eeeeennnniiiissssrrrraaaatttdhulcgmobwfkz";
  std::string text;
  while (text.size() < length) {
    const int word = std::uniform_int_distribution<int>(2, 14)(random);
    for (int i = 0; i < word; ++i) text.push_back(letters[random() % letters.size()]);
    text.push_back(' ');
  }
  text.resize(length);
  return text;
}

// Replaces the lines of frame 0 with the paragraphs.
inline void fillWithParagraphs(Document& doc, std::mt19937& random, int paragraphs = kParagraphs,
                               int length = kParagraphLength, double points = 11.0) {
  doc.CurFont.Size = points;
  SetPCharText(doc.CurFont.Name, "Arial");
  const int32_t font = doc.GetNewFontIndex(doc.CurFont);
  auto& lines = doc.Fields[0].Lines;
  lines.assign(static_cast<size_t>(paragraphs), TLineRec{});
  for (TLineRec& line : lines) {
    line.LineEnd = kLineEndParagraph;
    for (char c : germanLookingWords(random, static_cast<size_t>(length))) {
      TCharRec cell;
      cell.Ch = static_cast<uint8_t>(c);
      cell.FontIndex = font;
      doc.RenderChar(cell);
      line.Chars.push_back(cell);
    }
  }
  doc.SetAllDirtyFlags();
}

}  // namespace vendaro::bench
