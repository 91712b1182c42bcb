// soft_breaks.h — where a line that overflows is broken: at a soft hyphen,
// at a hyphenation point of the word that overflows, after the last space or
// hyphen, before the last tab, or, failing all, where the overflow begins.
#pragma once

#include <cstddef>
#include <span>

#include "document/document.h"
#include "layout/hyphenation.h"

namespace vendaro {

struct SoftBreak {
  size_t position = 0;      // first cell of the next line, never 0
  bool hyphenated = false;  // broken inside a word: painting adds "-"
};

// `overflow` is the first cell that did not fit (never the line's first).
SoftBreak findSoftBreak(std::span<const TCharRec> cells, size_t overflow, const Document& doc,
                        DocumentHyphenation& hyphenation);

}  // namespace vendaro
