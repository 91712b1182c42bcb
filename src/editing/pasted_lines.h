// pasted_lines.h — putting pasted text into a frame: runs of cells, each
// either going on into the next run or ending with a line end of its own,
// inserted at a position in one block so that long pastes cost no more
// than their length.
#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/text_pos.h"

namespace vendaro {

inline constexpr int32_t kNoLineEnd = -1;

struct PastedLine {
  std::vector<TCharRec> cells;
  // The line end after the cells (LineEndKind), or kNoLineEnd when the text
  // goes on with the next run, or with the rest of the line at the position.
  int32_t lineEnd = kNoLineEnd;
  // A line that ends here takes this line's paragraph and column settings,
  // and with `tableSettings` its table attributes and cell design.
  const TLineRec* format = nullptr;
  bool tableSettings = false;
};

// Inserts the runs at `at` (which must name a line) without undo step or
// layout, marking every changed line dirty; answers the position behind
// the last pasted cell. The first run joins the text before `at`; when
// that is not the start of a paragraph, the paragraph keeps its own format.
TextPos insertPastedLines(Document& doc, const TextPos& at, std::vector<PastedLine> pasted);

}  // namespace vendaro
