// decimal_text.h — numbers as the user types and reads them: a decimal comma
// or point on input, a decimal comma on output. Every box and dialog that
// takes a typed number reads it here, so all of them accept the same forms.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vendaro {

// The number in `text` ("2,5", "2.5", " 12 "), or nothing for an empty text,
// garbage, a second separator, "nan" or "inf".
std::optional<double> parseDecimal(std::string_view text);

// `value` rounded to at most `decimals` places, trailing zeros dropped, with
// a decimal comma: 2.5 → "2,5", 12 → "12", 1.255 → "1,26" at two places.
std::string formatDecimal(double value, int decimals = 2);

}  // namespace vendaro
