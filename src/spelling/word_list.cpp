// word_list.cpp — keeping the words and their sort keys in step.
#include "spelling/word_list.h"

#include <algorithm>
#include <cassert>

#include "spelling/word_order.h"

namespace vendaro {

WordList::WordList() : words_(kWordListBlockElements), keys_(kWordListBlockElements) {}

void WordList::setAllocationErrorHandler(const AllocationErrorHandler& handler) {
  words_.setAllocationErrorHandler(handler);
  keys_.setAllocationErrorHandler(handler);
}

bool WordList::insert(size_t index, std::string_view word) {
  assert(index <= size());
  // Room in both arrays first, so that neither insertion below can fail.
  if (index > size() || !words_.reserve(size() + 1) || !keys_.reserve(size() + 1)) return false;
  words_.insert(index)->assign(word);
  *keys_.insert(index) = sortKey(word);
  return true;
}

void WordList::sort() {
  std::sort(words_.begin(), words_.end(), ListOrderLess{});
  for (size_t i = 0; i < size(); ++i) keys_[i] = sortKey(words_[i]);
}

size_t WordList::lowerBound(std::string_view word) const { return boundary(word, false); }

size_t WordList::upperBound(std::string_view word) const { return boundary(word, true); }

size_t WordList::boundary(std::string_view word, bool afterEqual) const {
  const uint64_t key = sortKey(word);
  size_t first = 0;
  for (size_t count = size(); count > 0;) {
    const size_t half = count / 2;
    const int order = compareEntry(first + half, word, key);
    if (order < 0 || (afterEqual && order == 0)) {
      first += half + 1;
      count -= half + 1;
    } else {
      count = half;
    }
  }
  return first;
}

uint64_t WordList::sortKey(std::string_view word) {
  uint64_t key = 0;
  for (size_t i = 0; i < 8; ++i) {
    key <<= 8;
    if (i < word.size()) key |= upperAscii(static_cast<uint8_t>(word[i]));
  }
  return key;
}

int WordList::compareEntry(size_t index, std::string_view word, uint64_t key) const {
  if (keys_[index] != key) return keys_[index] < key ? -1 : 1;
  return compareInListOrder(words_[index], word);
}

}  // namespace vendaro
