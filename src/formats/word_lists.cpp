// word_lists.cpp — reads the list definitions (each followed by its levels'
// fixed parts, property lists and number texts) and the list overrides.
#include "formats/word_lists.h"

namespace vendaro::word {
namespace {

constexpr size_t kListSize = 28, kLevelSize = 28, kOverrideSize = 16;
constexpr uint8_t kSimpleList = 0x01;
constexpr uint8_t kBulletFormat = 23;

}  // namespace

ListFormats::ListFormats(Bytes lists, Bytes overrides) {
  const size_t count = le16(lists, 0);
  if (lists.size() < 2 || count > (lists.size() - 2) / kListSize) return;
  // The levels of all lists follow the list table, in list order.
  size_t at = 2 + count * kListSize;
  for (size_t i = 0; i < count; ++i) {
    const Bytes list = lists.subspan(2 + i * kListSize, kListSize);
    const size_t levels = (list[26] & kSimpleList) ? 1 : 9;
    std::vector<uint8_t>& formats = formats_[le32(list, 0)];
    for (size_t level = 0; level < levels; ++level) {
      const Bytes fixed = slice(lists, at, kLevelSize);
      if (fixed.empty()) return;
      formats.push_back(fixed[4]);
      at += kLevelSize + fixed[25] + fixed[24];
      at += 2 + 2 * size_t(le16(lists, at));
    }
  }
  const uint32_t overrideCount = le32(overrides, 0);
  for (uint32_t i = 0; i < overrideCount && 4 + (i + 1) * kOverrideSize <= overrides.size(); ++i)
    overrides_.push_back(le32(overrides, 4 + i * kOverrideSize));
}

bool ListFormats::isBullet(int32_t reference, uint8_t level) const {
  if (reference < 1 || static_cast<size_t>(reference) > overrides_.size()) return false;
  const auto list = formats_.find(overrides_[static_cast<size_t>(reference) - 1]);
  if (list == formats_.end() || list->second.empty()) return false;
  const size_t index = std::min<size_t>(level, list->second.size() - 1);
  return list->second[index] == kBulletFormat;
}

}  // namespace vendaro::word
