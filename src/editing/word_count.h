// word_count.h — the statistics of the document properties: pages, words,
// characters with and without blanks, paragraphs and lines of every frame.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "document/document.h"

namespace vendaro {

struct WordCounts {
  int64_t pages = 0, words = 0, charsWithoutBlanks = 0, cells = 0, paragraphs = 0, lines = 0;
  bool operator==(const WordCounts&) const = default;
};

// Walks every frame's lines in index order. A word is a run of characters
// other than blanks and tabs; it goes on across soft line ends (a wrapped
// word counts once) and ends at any other cell, at a paragraph, line or
// page end and at the end of a frame that passes no text on.
WordCounts CountWords(const Document& doc);

// The rows "Bezeichnung"/"Wert" of the statistics page, header first.
std::vector<std::pair<std::string, std::string>> statisticsRows(const WordCounts& counts);

}  // namespace vendaro
