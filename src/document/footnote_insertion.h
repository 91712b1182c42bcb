// footnote_insertion.h — the store operation behind a new footnote: a
// numbered reference mark at the caret and a footnote area that starts with
// the same number. Commands and file readers both insert footnotes here.
#pragma once

#include <cstdint>

#include "document/document.h"

namespace vendaro {

// Inserts the reference mark of footnote `number` at the caret and appends
// its area (the last frame) for the zero-based `page`, holding the number
// mark and a blank. The caret ends just after the reference mark. Takes no
// undo step and lays nothing out. Returns the area's frame index.
int32_t insertFootnote(Document& doc, int32_t number, int32_t page);

}  // namespace vendaro
