// word_order.h — the order of the word lists: words compare by the bytes of
// their upper-cased forms, where upper-casing touches only ASCII a to z.
// Lookups, insertions and the ".spe" files all rely on this one order.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vendaro {

constexpr uint8_t upperAscii(uint8_t ch) { return ch >= 'a' && ch <= 'z' ? static_cast<uint8_t>(ch - 32) : ch; }
constexpr uint8_t lowerAscii(uint8_t ch) { return ch >= 'A' && ch <= 'Z' ? static_cast<uint8_t>(ch + 32) : ch; }
constexpr bool isUpperAscii(uint8_t ch) { return ch >= 'A' && ch <= 'Z'; }
constexpr bool isLowerAscii(uint8_t ch) { return ch >= 'a' && ch <= 'z'; }

std::string upperAscii(std::string_view word);

// Negative, zero or positive as `a` stands before, with or after `b`.
int compareInListOrder(std::string_view a, std::string_view b);

struct ListOrderLess {
  bool operator()(std::string_view a, std::string_view b) const { return compareInListOrder(a, b) < 0; }
};

bool isInListOrder(std::span<const std::string> words);

}  // namespace vendaro
