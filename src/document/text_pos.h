// text_pos.h — a position in the document's text: frame, line and cell. The
// cell index is the gap before that cell; the line's CharCount is its end.
#pragma once

#include <cstdint>

namespace vendaro {

struct TextPos {
  int32_t field = 0;
  int32_t line = 0;
  int32_t cell = 0;
  bool operator==(const TextPos&) const = default;
};

}  // namespace vendaro
