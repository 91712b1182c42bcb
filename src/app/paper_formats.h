// paper_formats.h — the paper list of the page set-up dialog: the default
// printer's paper sizes, or a fixed list of common sizes without a printer,
// and the rule that finds the listed paper for a width and height.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vendaro {

struct PaperFormat {
  std::string name;
  int32_t width = 0, height = 0;  // tenths of a millimetre, upright
};

// ISO A0–A6 and B0–B6, Letter and Legal.
const std::vector<PaperFormat>& fixedPaperFormats();
// The sizes the default printer offers; the fixed list when there is no
// printer or it reports none.
std::vector<PaperFormat> printerPaperFormats();

// The first format whose size is `widthCm` × `heightCm` (turned for
// landscape); formats.size() — the user-defined entry — when none is.
size_t paperIndexForSize(const std::vector<PaperFormat>& formats, double widthCm, double heightCm, bool landscape);

}  // namespace vendaro
