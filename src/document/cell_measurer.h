// cell_measurer.h — measures character cells at printer resolution the way
// the printer will draw them, with per-font tables so that measuring a
// million cells on opening a file stays fast.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

#include "document/records.h"

namespace vendaro {

class FontEngine;

struct CellSize {
  double width = 0;   // mm
  double height = 0;  // mm
};

class CellMeasurer {
 public:
  explicit CellMeasurer(FontEngine& engine) : engine_(engine) {}

  // The displayed text is case-converted by the font's effects; the height
  // is that of the full size, the width that of the reduced size of small
  // capitals, superscript and subscript.
  CellSize measure(const TFontRec& font, int32_t fontIndex, int32_t dpi, std::string_view text);
  // Height of any text in `font` (ascent + descent at the full size), mm; the
  // font need not be in the document's table.
  double heightMm(const TFontRec& font, int32_t dpi);

 private:
  struct Measured {
    bool valid = false;
    int32_t heightPx = 0;
    std::array<int32_t, 256> widthPx{};  // of the case-converted byte
  };
  const Measured& measuredFont(const TFontRec& font, int32_t fontIndex, int32_t dpi);

  FontEngine& engine_;
  int32_t dpi_ = 0;
  std::vector<Measured> fonts_;
};

// Point size used for widths: reduced for small capitals and super- or
// subscript, rounded to a whole point, at least 1.
double widthPointSize(const TFontRec& font);
// The text as the font's case effects show it.
std::string displayText(const TFontRec& font, std::string_view text);

}  // namespace vendaro
