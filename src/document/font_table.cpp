#include "document/font_table.h"

#include <cstring>
#include <functional>
#include <string_view>

namespace vendaro {
namespace {

size_t mix(size_t seed, size_t value) {
  return seed ^ (value + 0x9e3779b97f4a7c15ull + (seed << 6) + (seed >> 2));
}

// Equal doubles must hash equally: +0.0 and −0.0 compare equal.
size_t hashDouble(double value) {
  if (value == 0) value = 0;
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return std::hash<uint64_t>{}(bits);
}

}  // namespace

size_t FontTable::hashOf(const TFontRec& font) {
  size_t h = std::hash<std::string_view>{}(font.name());
  h = mix(h, hashDouble(font.Size));
  h = mix(h, static_cast<uint32_t>(font.Color));
  h = mix(h, static_cast<uint32_t>(font.BackColor));
  h = mix(h, static_cast<uint32_t>(font.ShadowColor));
  h = mix(h, static_cast<uint32_t>(font.OutlineColor));
  h = mix(h, (size_t{font.Attr} << 32) | (size_t{font.Style} << 24) | (size_t{font.Charset} << 16) |
                 (size_t{font.Reserved} << 8) | font.BackTransparent);
  return h;
}

int32_t FontTable::find(const TFontRec& font) const {
  auto bucket = index_.find(hashOf(font));
  if (bucket == index_.end()) return -1;
  for (int32_t candidate : bucket->second) {
    if (entries_[static_cast<size_t>(candidate)] == font) return candidate;
  }
  return -1;
}

int32_t FontTable::GetNewFontIndex(const TFontRec& font) {
  int32_t found = find(font);
  if (found >= 0) return found;
  entries_.push_back(font);
  int32_t index = size() - 1;
  indexEntry(index);
  return index;
}

void FontTable::assign(std::vector<TFontRec> entries) {
  entries_ = std::move(entries);
  index_.clear();
  for (int32_t i = 0; i < size(); ++i) indexEntry(i);
}

void FontTable::indexEntry(int32_t index) {
  index_[hashOf(entries_[static_cast<size_t>(index)])].push_back(index);
}

}  // namespace vendaro
