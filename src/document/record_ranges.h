// record_ranges.h — brings the numbers of a document read from outside into
// the ranges layout and painting can work with: lengths, font sizes, page
// and footnote numbers. A damaged or hostile value never reaches a
// conversion to pixels or a counter that could overflow; the text itself
// is kept.
#pragma once

#include <cstdint>

#include "document/document.h"

namespace vendaro {

// Lengths beyond 100 m (ten times the largest paper) are cut to it.
inline constexpr double kMaxStoredLengthMm = 100000.0;
// Rows imported with a width relative to the text area carry this offset in
// `TLineRec::RowRight`: the real inset is the column width − `RowLeft` −
// (`RowRight` − it).
inline constexpr double kRelativeRowRight = 99999.0;
// The font size box takes 1 to 999 points.
inline constexpr double kMinFontSize = 1.0;
inline constexpr double kMaxFontSize = 999.0;
// Footnote, list and anchor numbers stay far from the end of int32.
inline constexpr int32_t kMaxStoredNumber = 1000000;
inline constexpr int32_t kMaxColumnCount = 100;

// The page set-up dialog takes paper of 1 to 1000 cm.
inline constexpr double kMinPaperMm = 10.0;
inline constexpr double kMaxPaperMm = 10000.0;
// Lines around frames and table cells: the cell format dialog's widest.
inline constexpr double kMaxBorderWidthPoints = 10.0;

// Not-a-number becomes `fallback`; everything else is clamped to [low, high].
double finiteInRange(double value, double low, double high, double fallback);

void bringFontIntoRange(TFontRec& font);
// Paper sizes are clamped to the dialog's range; false (the file is refused)
// when either is not a number, as no size can be guessed for it.
bool bringPaperIntoRange(double& widthMm, double& heightMm);
void bringParagraphIntoRange(TParaFormat& para);
// A line with its cells; a frame with its lines, its page number clamped to
// 0…frameCount.
void bringLineIntoRange(TLineRec& line);
void bringFrameIntoRange(TFieldRec& frame, int32_t frameCount);
// Every stored number of every record; frames' page numbers end up between
// 0 and the number of frames (no document has more pages than frames).
void bringDocumentIntoRange(Document& doc);

}  // namespace vendaro
