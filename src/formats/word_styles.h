// word_styles.h — the style sheet of a Word 97–2003 file: each paragraph
// style's paragraph and character properties (based on its base style) and
// each character style's own modifier list, applied where text names it.
#pragma once

#include <vector>

#include "formats/word_sprms.h"

namespace vendaro::word {

struct Style {
  bool characterStyle = false;
  ParaProps para;
  CharProps chars;
  Bytes characterList;  // a character style's modifiers, applied by sprmCIstd
};

class StyleSheet {
 public:
  StyleSheet() = default;
  explicit StyleSheet(Bytes stsh);

  // Style `index`, or style 0 (or the defaults) when there is none.
  const Style& style(size_t index) const;
  size_t size() const { return styles_.size(); }
  // Applies the character style's list to `chp`; a sprmCIstd inside that
  // list is not followed again.
  void applyCharacterStyle(uint16_t index, CharProps& chp, const CharProps& paragraphStyle) const;

 private:
  void readStyle(Bytes std, size_t baseSize, size_t index);
  std::vector<Style> styles_;
  Style defaults_;
};

}  // namespace vendaro::word
