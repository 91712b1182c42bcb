// line_words.cpp — word characters and the pieces of a word that are judged.
#include "spelling/line_words.h"

#include <algorithm>

namespace vendaro {
namespace {

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

// The parts of `word` between hyphens, empty ones left out.
std::vector<WordPiece> partsBetweenHyphens(std::string_view word) {
  std::vector<WordPiece> parts;
  for (size_t i = 0; i < word.size();) {
    const size_t end = std::min(word.find('-', i), word.size());
    if (end > i) parts.push_back({i, end - i});
    i = end + 1;
  }
  return parts;
}

}  // namespace

bool isWordCharacter(uint8_t ch) { return isLetter1252(ch) || (ch >= '0' && ch <= '9') || ch == '-'; }

bool isWordCell(const TCharRec& cell) { return cell.Kind == kCellChar && isWordCharacter(cell.Ch); }

std::vector<WordPiece> rejectedPieces(std::string_view word, const WordJudge& isCorrect) {
  const std::vector<WordPiece> parts = partsBetweenHyphens(word);
  if (parts.empty() || isCorrect(word)) return {};
  if (parts.size() == 1 && parts.front().length == word.size()) return parts;
  std::vector<WordPiece> rejected;
  for (const WordPiece& part : parts) {
    if (!isCorrect(word.substr(part.offset, part.length))) rejected.push_back(part);
  }
  return rejected;
}

WordPiece pieceAt(std::string_view word, size_t index) {
  if (index >= word.size() || word[index] == '-') return {index, 0};
  if (word.find('-') == std::string_view::npos) return {0, word.size()};
  for (const WordPiece& part : partsBetweenHyphens(word)) {
    if (index < part.offset + part.length) return part;
  }
  return {index, 0};
}

}  // namespace vendaro
