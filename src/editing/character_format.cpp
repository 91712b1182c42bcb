#include "editing/character_format.h"

namespace vendaro {

CharacterApply CharacterApply::all() {
  CharacterApply apply;
  apply.name = apply.size = apply.charset = apply.outlineColor = apply.shadowColor = apply.backColor = true;
  apply.strikeOut = apply.underline = apply.italic = apply.bold = apply.color = true;
  apply.attributes = 0xFFFF;
  return apply;
}

bool& CharacterApply::styleBit(int bit) {
  switch (bit) {
    case 0: return bold;
    case 1: return italic;
    case 2: return underline;
    default: return strikeOut;
  }
}

void applyCharacterProperties(TFontRec& font, const TFontRec& from, const CharacterApply& apply) {
  if (apply.name) font.Name = from.Name;
  if (apply.size) font.Size = from.Size;
  font.Attr = static_cast<uint16_t>((font.Attr & ~apply.attributes) | (from.Attr & apply.attributes));
  if (apply.charset) font.Charset = from.Charset;
  if (apply.outlineColor) font.OutlineColor = from.OutlineColor;
  if (apply.shadowColor) font.ShadowColor = from.ShadowColor;
  if (apply.backColor) {
    font.BackColor = from.BackColor;
    font.BackTransparent = from.BackTransparent;
  }
  const bool styleFlags[4] = {apply.bold, apply.italic, apply.underline, apply.strikeOut};
  for (int bit = 0; bit < 4; ++bit)
    if (styleFlags[bit]) SettingOpsB(font.Style, bit, GettingOpsB(from.Style, bit));
  if (apply.color) font.Color = from.Color;
}

}  // namespace vendaro
