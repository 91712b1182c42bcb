// date_time_fuzz.cpp — formats arbitrary patterns with arbitrary (also out of
// range) dates and times: the formatter must neither read outside the
// pattern nor produce more than a bounded amount of text per pattern byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <algorithm>
#include <cstring>
#include <string_view>

#include "editing/date_time_pattern.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::DateTime when;
  int32_t values[8] = {};
  const size_t head = std::min(size, sizeof values);
  std::memcpy(values, data, head);
  when = {values[0], values[1], values[2], values[3], values[4], values[5], values[6], values[7]};
  const std::string_view pattern(reinterpret_cast<const char*>(data) + head, size - head);
  const std::string text = vendaro::formatDateTime(pattern, when);
  // The longest element is a day name or a signed year: 12 bytes per letter.
  if (text.size() > 12 * pattern.size()) std::abort();
  return 0;
}
