// cell_drawing.h — what the cells of a laid-out line show when drawn, the
// same on every surface: which cells form one text run, which runs are
// underlined, the text of fields, footnote numbers and tab leaders, the
// bullet or number of a list paragraph, and where a cell's text stands.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "document/document.h"
#include "layout/line_geometry.h"

namespace vendaro {

// A character that is drawn as text (not a tab, field, picture or footnote
// mark).
bool isPlainCharacter(const TCharRec& cell);
// Whether a font entry's text is underlined by the painter (single, double
// or words-only).
bool carriesUnderline(const TFontRec& font);

// One past the last cell of the run starting at `first`: plain characters of
// one font and height. With words-only underlining (`wordsOnly`) a space
// ends the run, since it is drawn without the underline.
size_t textRunEnd(const TLineRec& line, size_t first, bool wordsOnly);
// Whether the run that starts with `head` in `font` is drawn underlined.
bool runIsUnderlined(const TFontRec& font, const TCharRec& head);

// The text a field, footnote reference or footnote number cell shows.
std::string specialCellText(const TCharRec& cell, const TFontRec& font);
// The character a tab's leader repeats, or 0 when it has none.
char tabLeaderChar(const TCharRec& cell);

// Copies [first, end) of a drawing repeated `count` times every `step`
// pixels from `start` that meet the pixels [visibleLeft, visibleRight).
// Only these are drawn, so a leader or mark across a cell far wider than
// the view costs what the view shows.
struct RepeatRange {
  int64_t first = 0, end = 0;
};
RepeatRange visibleRepeats(int64_t start, int step, int64_t count, int visibleLeft, int visibleRight);

// Subscript and small capitals (but not superscript) sit on the baseline at
// the height of their reduced font; everything else stands its stored
// height above the baseline.
bool drawsLowered(const TFontRec& font);
// The height a cell's text stands above the baseline, mm (a tab cell has no
// height of its own: the line's applies).
double cellTextHeightMm(const TCharRec& cell, const LineGeometry& g);
// Where a cell ends, mm from the text area: a justified space is wider.
double cellEndMm(const LineGeometry& g, const TLineRec& line, size_t cell);

// Whether a line of a multi-column section draws the line between columns.
bool hasColumnSeparator(const TLineRec& line);

// A list paragraph's bullet (in its bullet font, 12 points, the colour of
// the line's first cell) or number (in the first cell's font without
// effects), as printed.
struct ListMark {
  TFontRec font;
  std::string text;
};
ListMark listMarkOf(const Document& doc, const TLineRec& line);
// A plain font entry in a face and size: marks and bullets.
TFontRec plainFont(std::string_view face, double points);

}  // namespace vendaro
