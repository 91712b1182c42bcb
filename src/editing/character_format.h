// character_format.h — the apply flags of the character commands: which
// properties of the input font reach the cells. Properties without a flag
// keep each cell's own value, so a command on mixed text changes only what
// the user changed.
#pragma once

#include <cstdint>

#include "document/records.h"

namespace vendaro {

struct CharacterApply {
  bool name = false;
  bool size = false;
  uint16_t attributes = 0;  // one flag per `Attr` bit
  bool charset = false;
  bool outlineColor = false;
  bool shadowColor = false;
  bool backColor = false;  // together with BackTransparent
  bool strikeOut = false;  // `Style` bit 3
  bool underline = false;  // `Style` bit 2
  bool italic = false;     // `Style` bit 1
  bool bold = false;       // `Style` bit 0
  bool color = false;

  static CharacterApply all();
  // The flag of `Style` bit 0 to 3.
  bool& styleBit(int bit);
};

// Copies into `font` the properties of `from` whose flag is set.
void applyCharacterProperties(TFontRec& font, const TFontRec& from, const CharacterApply& apply);

}  // namespace vendaro
