// clipboard_streams.h — what copying puts on the clipboard and how pasting
// reads it back: the selection or the selected objects as a formatted text
// stream with the footnote frames of its references, and its plain text.
#pragma once

#include <string>
#include <vector>

#include "document/document.h"
#include "formats/formatted_text_stream.h"

namespace vendaro {

// Object frames (kinds 3 and above) selected as a whole.
bool hasSelectedObjects(const Document& doc);
// The selected cells line by line (a column block of a table in storage
// order), or the selected object frames with all their text.
FormattedText selectionAsStream(Document& doc);
FormattedText selectedObjectsAsStream(const Document& doc);
// The characters of the stream's text cells; CR LF between two lines where
// the earlier ends a paragraph or a table cell.
std::string plainTextOf(const FormattedText& text);

// The empty footnote frame of footnote `number`, placed where footnotes go
// at the bottom of the page, without lines.
TFieldRec emptyFootnoteFrame(const Document& doc, int32_t number);

}  // namespace vendaro
