// selection.h — the selection between anchor and caret in normalised form
// (start before end along the text; across table rows widened to a block of
// whole cells) and the test whether a cell lies in it, cheap enough to ask
// for every cell the painter draws.
#pragma once

#include <cstdint>
#include <vector>

#include "document/document.h"
#include "document/text_pos.h"

namespace vendaro {

struct SelectionRange {
  int32_t SelStartField = 0, SelStartLine = 0, SelStartChar = 0;
  int32_t SelEndField = 0, SelEndLine = 0, SelEndChar = 0;  // end cell exclusive
  bool SelTouchesTable = false, SelColumnBlock = false;
  int32_t SelColFirst = 0, SelColLast = 0;
  // The frames from the start's to the end's along the text chain, in
  // order; the rest of the start's chain when the end's frame is not on it.
  // Filled by FindMarkingStart so that isinmarking need not follow links.
  std::vector<int32_t> chain;

  TextPos start() const { return {SelStartField, SelStartLine, SelStartChar}; }
  TextPos end() const { return {SelEndField, SelEndLine, SelEndChar}; }
};

// Whether anchor and caret differ.
bool isThereAmarking(const Document& doc);
SelectionRange FindMarkingStart(const Document& doc);
// Whether the cell lies in the normalised selection `sel` of `doc`.
bool isinmarking(const Document& doc, const SelectionRange& sel, int32_t field, int32_t line, int32_t cell);

// Text order of two positions: frames of one chain in chain order, frames of
// different chains by index, then line, then cell.
bool comesBefore(const Document& doc, const TextPos& a, const TextPos& b);

}  // namespace vendaro
