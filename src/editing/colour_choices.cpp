#include "editing/colour_choices.h"

namespace vendaro {

const std::array<NamedColour, kNamedColourCount> kNamedColours{{
    {"Schwarz", 0x000000}, {"Dunkelrot", 0x000080}, {"Grün", 0x008000}, {"Oliv", 0x008080},
    {"Dunkelblau", 0x800000}, {"Purpur", 0x800080}, {"Grünblau", 0x808000}, {"Grau", 0x808080},
    {"Silber", 0xC0C0C0}, {"Rot", 0x0000FF}, {"Hellgrün", 0x00FF00}, {"Gelb", 0x00FFFF},
    {"Blau", 0xFF0000}, {"Rosa", 0xFF00FF}, {"Hellblau", 0xFFFF00}, {"Weiß", 0xFFFFFF},
}};

namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

void ColourChoices::setColorValue(int32_t colour) {
  for (int i = 0; i < kNamedColourCount; ++i) {
    if (kNamedColours[static_cast<size_t>(i)].colour == colour) {
      selected_ = i;
      return;
    }
  }
  custom_ = colour;
  selected_ = kMoreColoursEntry;
}

std::string ColourChoices::HTMLcolor() const {
  const auto colour = static_cast<uint32_t>(ColorValue());
  static const char digits[] = "0123456789ABCDEF";
  std::string text = "#";
  for (int shift : {0, 8, 16}) {  // red, green, blue
    const unsigned byte = (colour >> shift) & 0xFFu;
    text += digits[byte >> 4];
    text += digits[byte & 0xFu];
  }
  return text;
}

bool ColourChoices::setHTMLcolor(std::string_view text) {
  if (text.empty()) {
    setColorValue(0);
    return true;
  }
  if (text.size() != 7 || text[0] != '#') return false;
  int32_t colour = 0;
  for (int i = 0; i < 3; ++i) {
    const int high = hexDigit(text[static_cast<size_t>(1 + 2 * i)]);
    const int low = hexDigit(text[static_cast<size_t>(2 + 2 * i)]);
    if (high < 0 || low < 0) return false;
    colour |= (high * 16 + low) << (8 * i);
  }
  setColorValue(colour);
  return true;
}

void ColourChoices::selectEntry(int entry) {
  if (entry >= 0 && entry < kColourEntryCount) selected_ = entry;
}

int32_t ColourChoices::entryColour(int entry) const {
  if (entry >= 0 && entry < kNamedColourCount) return kNamedColours[static_cast<size_t>(entry)].colour;
  return custom_;
}

std::string ColourChoices::entryName(int entry) {
  if (entry >= 0 && entry < kNamedColourCount) return kNamedColours[static_cast<size_t>(entry)].name;
  return kMoreColoursName;
}

}  // namespace vendaro
