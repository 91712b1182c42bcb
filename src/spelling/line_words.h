// line_words.h — the words of a laid-out line as the spelling check sees
// them (runs of plain letter, digit or hyphen cells), and the misspelled
// marks the check while typing puts on their cells.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "document/records.h"
#include "spelling/word_list.h"

namespace vendaro {

// Letters and digits of code page 1252 (accented letters, ß, ª, º, µ, ƒ, Š,
// Œ, Ž, Ÿ included), and the hyphen, which keeps compounds whole.
bool isWordCharacter(uint8_t ch);
// A cell that holds such a character as text (not a field, picture or mark).
bool isWordCell(const TCharRec& cell);

struct LineWord {
  int32_t first = 0;  // cell index
  int32_t count = 0;  // cells
  std::string text;   // code page 1252
};

std::vector<LineWord> lineWords(const TLineRec& line);

// Clears the misspelled mark of every cell, then marks the cells of each
// word `list` does not accept (capitalised words allowed). Returns the number
// of words marked.
int32_t markMisspelledWords(TLineRec& line, const WordList& list);

}  // namespace vendaro
