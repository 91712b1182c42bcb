#include "document/records.h"

namespace vendaro {

bool TFontRec::operator==(const TFontRec& other) const {
  return Color == other.Color && Size == other.Size && name() == other.name() &&
         Reserved == other.Reserved && Style == other.Style && Charset == other.Charset &&
         BackColor == other.BackColor && ShadowColor == other.ShadowColor &&
         OutlineColor == other.OutlineColor && BackTransparent == other.BackTransparent &&
         Attr == other.Attr;
}

TFontRec defaultCurFont() {
  TFontRec font;
  SetPCharText(font.Name, "Arial Black");
  font.Size = 48.0;
  font.Color = 0;
  font.Style = 0;
  font.Charset = 1;
  font.BackColor = 0xFFFFFF;
  font.ShadowColor = 0x808080;
  font.OutlineColor = 0x00FFFF;
  font.BackTransparent = 1;
  font.Attr = 0;
  return font;
}

}  // namespace vendaro
