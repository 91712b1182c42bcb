// word_text.h — walks a range of character positions of a Word 97–2003
// file in text order: the character at each position (16-bit text in code
// page 1252) with the paragraph and character properties in force there.
// Property look-ups follow the text: a run is looked up again only when the
// walk leaves it.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "formats/word_styles.h"
#include "formats/word_tables.h"

namespace vendaro::word {

struct TextSources {
  Bytes wordDocument;
  const std::vector<Piece>* pieces = nullptr;
  const PropertyPages* characterPages = nullptr;
  const PropertyPages* paragraphPages = nullptr;
  const StyleSheet* styles = nullptr;
};

// What a character carries besides its code.
struct TextPosition {
  uint32_t cp = 0;
  const ParaProps* para = nullptr;
  const CharProps* chars = nullptr;
  Bytes paragraphSprms;  // the paragraph's own modifiers (table rows)
};

class TextWalker {
 public:
  explicit TextWalker(const TextSources& sources) : sources_(sources) {}
  // Calls `take` for the characters from `from` to before `to`; stops early
  // when text lies outside the stream or `take` returns false.
  void walk(uint32_t from, uint32_t to, const std::function<bool(uint8_t code, const TextPosition&)>& take);

 private:
  void lookUp(uint32_t fc);

  TextSources sources_;
  PropertyPages::Run paraRun_{1, 0, {}}, charRun_{1, 0, {}};
  ParaProps para_;
  CharProps styleChars_, chars_;
  Bytes paraSprms_;
};

}  // namespace vendaro::word
