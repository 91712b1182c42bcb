// font_table.h — the document's font table: cells refer to entries by index,
// equal formats share one entry, and entries are never changed or removed,
// so an index stays valid for the life of the document.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "document/records.h"

namespace vendaro {

class FontTable {
 public:
  // Index of the first entry equal to `font`; a copy is appended when there
  // is none. Answers exactly what a linear search from entry 0 would, through
  // a hash index so that large tables stay fast.
  int32_t GetNewFontIndex(const TFontRec& font);
  // Index of the first equal entry, −1 when there is none.
  int32_t find(const TFontRec& font) const;

  int32_t size() const { return static_cast<int32_t>(entries_.size()); }
  bool empty() const { return entries_.empty(); }
  const TFontRec& operator[](int32_t index) const { return entries_[static_cast<size_t>(index)]; }
  const std::vector<TFontRec>& entries() const { return entries_; }

  // Replaces the whole table (file readers).
  void assign(std::vector<TFontRec> entries);
  void clear() { assign({}); }

 private:
  static size_t hashOf(const TFontRec& font);
  void indexEntry(int32_t index);

  std::vector<TFontRec> entries_;
  // Hash of an entry → the indices with that hash, ascending.
  std::unordered_map<size_t, std::vector<int32_t>> index_;
};

}  // namespace vendaro
