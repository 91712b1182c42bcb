// line_words.h — what the spelling check counts as a word: runs of plain
// letter, digit or hyphen cells, and the pieces of such a run it judges (the
// parts between hyphens of a compound it does not know whole).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

#include "document/records.h"

namespace vendaro {

// Letters and digits of code page 1252 (accented letters, ß, ª, º, µ, ƒ, Š,
// Œ, Ž, Ÿ included), and the hyphen, which keeps compounds whole.
bool isWordCharacter(uint8_t ch);
// A cell that holds such a character as text (not a field, picture or mark).
bool isWordCell(const TCharRec& cell);

// Answers whether a word (code page 1252) is spelled correctly.
using WordJudge = std::function<bool(std::string_view word)>;

// Characters `offset` to `offset + length` of a word.
struct WordPiece {
  size_t offset = 0;
  size_t length = 0;
  bool operator==(const WordPiece&) const = default;
};

// The pieces of a run of word characters that `isCorrect` rejects: none for
// a run of hyphens ("Mo - Fr"); the whole run when it holds no hyphen; for
// a compound the check does not know whole, each part between hyphens it
// rejects ("E-Mail", "Haus-" in "Haus- und Gartenarbeit" stand by their
// parts).
std::vector<WordPiece> rejectedPieces(std::string_view word, const WordJudge& isCorrect);

// The piece holding character `index` as rejectedPieces() cuts the word:
// its part between hyphens, or the whole word when it has none. Empty on a
// hyphen.
WordPiece pieceAt(std::string_view word, size_t index);

}  // namespace vendaro
