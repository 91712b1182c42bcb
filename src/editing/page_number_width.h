// page_number_width.h — the page number that needs the most room in a font
// among 1 to a highest number. Found from the widths of the ten digits, so
// that a page number near 2^31 read from a file costs no more than page 9.
#pragma once

#include <cstdint>
#include <string>

#include "document/document.h"

namespace vendaro {

// The widest of the numbers 1 to `highest` (at least 1) in font table entry
// `fontIndex`, measured as cells are; of equally wide numbers the smallest.
std::string widestPageNumber(const Document& doc, int32_t fontIndex, int64_t highest);

}  // namespace vendaro
