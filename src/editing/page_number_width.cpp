#include "editing/page_number_width.h"

#include <array>
#include <vector>

namespace vendaro {
namespace {

// A text's width is the sum of its characters' widths, so the widest number
// of a given shape takes the widest allowed digit at every free position;
// the smallest such digit keeps the smallest of equally wide numbers.
class DigitWidths {
 public:
  DigitWidths(const Document& doc, int32_t fontIndex) {
    for (int d = 0; d < 10; ++d) widths_[static_cast<size_t>(d)] = doc.textWidthMm(fontIndex, std::string(1, static_cast<char>('0' + d)));
  }

  // The smallest of the widest digits from `low` to `high`.
  char widest(int low, int high) const {
    int best = low;
    for (int d = low + 1; d <= high; ++d)
      if (widths_[static_cast<size_t>(d)] > widths_[static_cast<size_t>(best)]) best = d;
    return static_cast<char>('0' + best);
  }

 private:
  std::array<double, 10> widths_{};
};

// Every number that can be the widest: for each shorter length the widest
// number of that length, and for each position of `highest` the number that
// keeps the digits before it, takes a smaller digit there and the widest
// digits after it; and `highest` itself.
std::vector<std::string> candidates(const DigitWidths& digits, const std::string& highest) {
  std::vector<std::string> found;
  const size_t length = highest.size();
  for (size_t shorter = 1; shorter < length; ++shorter)
    found.push_back(digits.widest(1, 9) + std::string(shorter - 1, digits.widest(0, 9)));
  for (size_t at = 0; at < length; ++at) {
    const int low = at == 0 ? 1 : 0;
    const int high = highest[at] - '0' - 1;
    if (high < low) continue;
    found.push_back(highest.substr(0, at) + digits.widest(low, high) + std::string(length - at - 1, digits.widest(0, 9)));
  }
  found.push_back(highest);
  return found;
}

bool smallerNumber(const std::string& a, const std::string& b) {
  return a.size() != b.size() ? a.size() < b.size() : a < b;
}

}  // namespace

std::string widestPageNumber(const Document& doc, int32_t fontIndex, int64_t highest) {
  if (highest < 1) highest = 1;
  const DigitWidths digits(doc, fontIndex);
  std::string best;
  double bestWidth = -1;
  for (const std::string& number : candidates(digits, std::to_string(highest))) {
    const double width = doc.textWidthMm(fontIndex, number);
    if (width > bestWidth || (width == bestWidth && smallerNumber(number, best))) {
      best = number;
      bestWidth = width;
    }
  }
  return best;
}

}  // namespace vendaro
