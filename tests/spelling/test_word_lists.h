// test_word_lists.h — small word lists and lines of text for the spelling tests.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "document/records.h"
#include "spelling/word_list.h"

namespace vendaro::test {

// Appends `words` as given (callers pass them in list order).
inline void fill(WordList& list, std::initializer_list<const char*> words) {
  for (const char* word : words) list.append(word);
}

inline std::vector<std::string> contents(const WordList& list) {
  return std::vector<std::string>(list.begin(), list.end());
}

// A line of plain character cells.
inline TLineRec lineOf(const std::string& text) {
  TLineRec line;
  for (char ch : text) {
    TCharRec cell;
    cell.Ch = static_cast<uint8_t>(ch);
    line.Chars.push_back(cell);
  }
  return line;
}

// '^' under every cell with the misspelled mark.
inline std::string marks(const TLineRec& line) {
  std::string out;
  for (const TCharRec& cell : line.Chars) out.push_back(cell.CharFlags & (1u << kFlagMisspelled) ? '^' : ' ');
  return out;
}

}  // namespace vendaro::test
