// line_words.cpp — splitting a line into words and marking the unknown ones.
#include "spelling/line_words.h"

#include "spelling/spell_check.h"

namespace vendaro {
namespace {

constexpr uint8_t kMisspelledMask = 1u << kFlagMisspelled;

bool isLetter1252(uint8_t ch) {
  if ((ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z')) return true;
  if (ch >= 0xC0) return ch != 0xD7 && ch != 0xF7;  // × and ÷ are signs
  switch (ch) {
    case 0x83:  // ƒ
    case 0x8A: case 0x8C: case 0x8E:  // Š Œ Ž
    case 0x9A: case 0x9C: case 0x9E: case 0x9F:  // š œ ž Ÿ
    case 0xAA: case 0xB5: case 0xBA:  // ª µ º
      return true;
    default:
      return false;
  }
}

}  // namespace

bool isWordCharacter(uint8_t ch) { return isLetter1252(ch) || (ch >= '0' && ch <= '9') || ch == '-'; }

bool isWordCell(const TCharRec& cell) { return cell.Kind == kCellChar && isWordCharacter(cell.Ch); }

std::vector<LineWord> lineWords(const TLineRec& line) {
  std::vector<LineWord> words;
  const int32_t count = line.CharCount();
  for (int32_t i = 0; i < count;) {
    if (!isWordCell(line.Chars[i])) {
      ++i;
      continue;
    }
    LineWord word;
    word.first = i;
    while (i < count && isWordCell(line.Chars[i])) word.text.push_back(static_cast<char>(line.Chars[i++].Ch));
    word.count = i - word.first;
    words.push_back(std::move(word));
  }
  return words;
}

int32_t markMisspelledWords(TLineRec& line, const WordList& list) {
  for (TCharRec& cell : line.Chars) cell.CharFlags &= static_cast<uint8_t>(~kMisspelledMask);
  int32_t marked = 0;
  for (const LineWord& word : lineWords(line)) {
    if (istwortkorrekt(list, word.text, true)) continue;
    for (int32_t i = word.first; i < word.first + word.count; ++i) line.Chars[i].CharFlags |= kMisspelledMask;
    ++marked;
  }
  return marked;
}

}  // namespace vendaro
