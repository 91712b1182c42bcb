// word_formats.cpp — maps Word's property values onto the document's font
// entries and paragraph formats.
#include "formats/word_formats.h"

#include <algorithm>
#include <cmath>

namespace vendaro::word {
namespace {

constexpr double kCellPaddingMm = 2.5;

// Shading pattern → percentage of the foreground, in tenths.
int patternTenths(uint8_t pattern) {
  static constexpr int kSolidTo90[] = {0, 1000, 50, 100, 200, 250, 300, 400, 500, 600, 700, 750, 800, 900};
  static constexpr int kFine[] = {25,  75,  125, 150, 175, 225, 275, 325, 350, 375, 425, 450, 475, 525,
                                  550, 575, 625, 650, 675, 725, 775, 825, 850, 875, 925, 950, 975, 970};
  if (pattern < std::size(kSolidTo90)) return kSolidTo90[pattern];
  if (pattern >= 14 && pattern <= 25) return 500;
  if (pattern >= 35 && pattern <= 62) return kFine[pattern - 35];
  return 0;
}

uint8_t tabAlignment(uint8_t word) { return word >= 1 && word <= 3 ? word : 0; }

int32_t tabLeader(uint8_t word) {
  switch (word) {
    case 1: return 2;
    case 2: return 1;
    case 3: case 4: return 3;
    default: return 0;
  }
}

}  // namespace

int32_t colorOf(uint8_t index, int32_t fallback) {
  static constexpr int32_t kColors[] = {0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0x00FFFF, 0xFFFFFF,
                                        0x800000, 0x808000, 0x008000, 0x800080, 0x000080, 0x008080, 0x808080, 0xC0C0C0};
  return index >= 1 && index <= 16 ? kColors[index - 1] : fallback;
}

int32_t shadingColor(const Shading& shading) {
  const int32_t fore = colorOf(shading.fore, 0x000000), back = colorOf(shading.back, 0xFFFFFF);
  const int tenths = patternTenths(shading.pattern);
  int32_t mixed = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int f = fore >> shift & 0xFF, b = back >> shift & 0xFF;
    mixed |= ((f * tenths + b * (1000 - tenths)) / 1000) << shift;
  }
  return mixed;
}

TFontRec fontFor(const CharProps& chp, TFontRec font, const std::vector<std::string>& fontNames) {
  if (chp.font >= 0 && static_cast<size_t>(chp.font) < fontNames.size() && !fontNames[chp.font].empty())
    SetPCharText(font.Name, fontNames[static_cast<size_t>(chp.font)]);
  font.Size = std::clamp(chp.halfPoints, 2, 1998) / 2.0;
  font.Style = static_cast<uint8_t>((chp.bold ? 1 : 0) | (chp.italic ? 2 : 0) | (chp.underline ? 4 : 0) |
                                    (chp.strike ? 8 : 0));
  uint16_t attr = 0;
  SettingOps(attr, kAttrBold, chp.bold);
  SettingOps(attr, kAttrItalic, chp.italic);
  SettingOps(attr, kAttrUnderline, chp.underline != 0);
  SettingOps(attr, kAttrStrikeOut, chp.strike);
  SettingOps(attr, kAttrWordUnderline, chp.underline == 2);
  SettingOps(attr, kAttrDoubleUnderline, chp.underline == 3);
  SettingOps(attr, kAttrShadow, chp.shadow);
  SettingOps(attr, kAttrSuperscript, chp.position == 1);
  SettingOps(attr, kAttrSubscript, chp.position == 2);
  SettingOps(attr, kAttrSmallCaps, chp.smallCaps);
  SettingOps(attr, kAttrAllCaps, chp.caps);
  font.Attr = attr;
  font.Color = colorOf(chp.color, 0x000000);
  font.BackTransparent = 0;
  if (chp.highlighted) {
    font.BackColor = colorOf(chp.highlight, 0xFFFFFF);
  } else if (chp.shading.present()) {
    font.BackColor = shadingColor(chp.shading);
  } else {
    font.BackColor = 0xFFFFFF;
    font.BackTransparent = 1;
  }
  return font;
}

TParaFormat paraFormatFor(const ParaProps& pap, int32_t defaultTab, bool inCell) {
  TParaFormat para;
  para.Alignment = pap.alignment <= 3 ? pap.alignment : 3;
  const double padding = inCell ? kCellPaddingMm : 0.0;
  para.LeftIndent = twipsToMm(pap.left) + padding;
  para.RightIndent = twipsToMm(pap.right) + padding;
  para.FirstLineIndent = twipsToMm(pap.firstLine);
  para.SpaceBefore = twipsToMm(pap.before);
  para.SpaceAfter = twipsToMm(pap.after);
  if (pap.lineMultiple) {
    para.LineSpacing = pap.lineSpacing / 240.0;
    para.LineSpacingMode = 0;
    if (para.LineSpacing <= 0) para.LineSpacing = 1.0;
  } else {
    para.LineSpacingMode = pap.lineSpacing >= 0 ? 1 : 2;
    para.LineSpacing = twipsToMm(std::abs(pap.lineSpacing));
  }
  for (const TabStop& stop : pap.tabs)
    para.Tabs.push_back({twipsToMm(stop.position), tabAlignment(stop.descriptor & 7), tabLeader(stop.descriptor >> 3 & 7)});
  para.DefaultTabWidth = twipsToMm(defaultTab > 0 ? defaultTab : 720);
  para.ListKind = pap.list != 0 && !pap.noNumbering ? 2 : 0;
  return para;
}

}  // namespace vendaro::word
