// word_lists.h — which list levels of a Word 97–2003 file are bullets: the
// list definitions and their overrides, as far as the number format of each
// level, so that a paragraph's list reference can tell bullets from numbers.
#pragma once

#include <cstdint>
#include <map>
#include <vector>

#include "formats/word_fib.h"

namespace vendaro::word {

class ListFormats {
 public:
  ListFormats() = default;
  // `lists` runs from the list table to the end of its stream: the levels
  // follow the table.
  ListFormats(Bytes lists, Bytes overrides);
  // Whether level `level` of the list that override `reference` (from 1)
  // names shows a bullet.
  bool isBullet(int32_t reference, uint8_t level) const;

 private:
  std::map<uint32_t, std::vector<uint8_t>> formats_;  // list id → number format per level
  std::vector<uint32_t> overrides_;                   // override → list id
};

}  // namespace vendaro::word
