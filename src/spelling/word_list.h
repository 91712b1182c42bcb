// word_list.h — a language's word list: code page 1252 words kept in list
// order (see word_order.h) in a TDynaArray that grows by 50000 entries,
// with each word's leading letters packed into a number beside it so that
// a binary search seldom has to touch the words themselves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "spelling/dyna_array.h"

namespace vendaro {

inline constexpr size_t kWordListBlockElements = 50000;

class WordList {
 public:
  WordList();
  WordList(const WordList&) = delete;
  WordList& operator=(const WordList&) = delete;

  // Out-of-memory messages of either array go here.
  void setAllocationErrorHandler(const AllocationErrorHandler& handler);
  // Caps the storage of the words (not of their keys); tests make growth fail with it.
  void setStorageLimit(size_t bytes) { words_.setStorageLimit(bytes); }

  size_t size() const { return words_.size(); }
  bool empty() const { return words_.empty(); }
  const std::string& operator[](size_t index) const { return words_[index]; }
  std::span<const std::string> elements() const { return words_.elements(); }
  const std::string* begin() const { return words_.begin(); }
  const std::string* end() const { return words_.end(); }

  // Makes room for `count` words in both arrays at once (whole blocks), so
  // that reading a list file moves no word. Reports nothing: when the room
  // cannot be had at once, appending grows block by block and reports
  // where it has to stop.
  bool reserveQuietly(size_t count) { return words_.reserve(count, true) && keys_.reserve(count, true); }
  // False, with the list unchanged, when memory cannot be had.
  bool append(std::string_view word) { return insert(size(), word); }
  bool insert(size_t index, std::string_view word);
  // Puts the list in list order (after appending out of order).
  void sort();

  // The first entry not before `word` in list order, and the first entry after it.
  size_t lowerBound(std::string_view word) const;
  size_t upperBound(std::string_view word) const;

 private:
  // The first eight upper-cased bytes, big-endian, zero-padded: a smaller
  // key means an earlier word; equal keys need the words compared.
  static uint64_t sortKey(std::string_view word);
  // The first entry after every entry that ranks before `word` (and, with
  // `afterEqual`, before or equal to it).
  size_t boundary(std::string_view word, bool afterEqual) const;
  // Negative, zero or positive as entry `index` stands before, with or after `word`.
  int compareEntry(size_t index, std::string_view word, uint64_t key) const;

  TDynaArray<std::string> words_;
  TDynaArray<uint64_t> keys_;  // keys_[i] belongs to words_[i]
};

}  // namespace vendaro
