// word_styles.cpp — reads the style sheet: header, then per style its fixed
// part (as long as the header says), its name and its property lists.
#include "formats/word_styles.h"

namespace vendaro::word {
namespace {

constexpr uint16_t kNoBase = 0x0FFF;
constexpr uint8_t kParagraphKind = 1, kCharacterKind = 2;
// More styles than this are no style sheet Word wrote.
constexpr size_t kMaxStyles = 4096;

}  // namespace

StyleSheet::StyleSheet(Bytes stsh) {
  const size_t headerSize = le16(stsh, 0);
  const Bytes header = slice(stsh, 2, headerSize);
  if (header.size() < 4) return;
  const size_t count = std::min<size_t>(le16(header, 0), kMaxStyles);
  const size_t baseSize = le16(header, 2);
  size_t at = 2 + headerSize;
  for (size_t i = 0; i < count && at + 2 <= stsh.size(); ++i) {
    const size_t size = le16(stsh, at);
    const Bytes std = slice(stsh, at + 2, size);
    styles_.push_back(defaults_);
    if (size != 0 && std.size() == size) readStyle(std, baseSize, i);
    at += 2 + size;
  }
}

void StyleSheet::readStyle(Bytes std, size_t baseSize, size_t index) {
  if (baseSize < 10 || std.size() < baseSize) return;
  const uint8_t kind = le16(std, 2) & 0x0F;
  const size_t base = le16(std, 2) >> 4;
  const size_t lists = le16(std, 4) & 0x0F;
  Style& style = styles_[index];
  if (base != kNoBase && base < index) style = styles_[base];
  style.characterStyle = kind == kCharacterKind;
  style.characterList = {};
  if (kind != kParagraphKind && kind != kCharacterKind) return;
  // The name: a count, that many 16-bit characters and a terminator.
  size_t at = baseSize + 2 + 2 * size_t(le16(std, baseSize)) + 2;
  for (size_t list = 0; list < lists && at + 2 <= std.size(); ++list) {
    at += at & 1;
    const size_t size = le16(std, at);
    const Bytes bytes = slice(std, at + 2, size);
    if (bytes.size() != size) return;
    if (kind == kParagraphKind && list == 0) {
      forEachSprm(bytes.size() >= 2 ? bytes.subspan(2) : Bytes{}, [&](const Sprm& s) { applyParaSprm(s, style.para); });
    } else if (kind == kParagraphKind && list == 1) {
      const CharProps before = style.chars;
      forEachSprm(bytes, [&](const Sprm& s) {
        applyCharSprm(s, style.chars, before, [&](uint16_t other) { applyCharacterStyle(other, style.chars, before); });
      });
    } else if (kind == kCharacterKind && list == 0) {
      style.characterList = bytes;
    }
    at += 2 + size;
  }
}

const Style& StyleSheet::style(size_t index) const {
  if (index < styles_.size()) return styles_[index];
  return styles_.empty() ? defaults_ : styles_.front();
}

void StyleSheet::applyCharacterStyle(uint16_t index, CharProps& chp, const CharProps& paragraphStyle) const {
  if (index >= styles_.size() || !styles_[index].characterStyle) return;
  forEachSprm(styles_[index].characterList, [&](const Sprm& s) {
    applyCharSprm(s, chp, paragraphStyle, [](uint16_t) {});
  });
}

}  // namespace vendaro::word
