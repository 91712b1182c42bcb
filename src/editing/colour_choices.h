// colour_choices.h — the colour chooser of the formatting dialogs: sixteen
// named colours and a "Mehr..." entry that holds any other colour. The window
// draws the list; what is selected and which colour it means lives here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vendaro {

// Colours are Windows colour values 0x00BBGGRR.
inline constexpr int kNamedColourCount = 16;
inline constexpr int kColourEntryCount = 17;
inline constexpr int kMoreColoursEntry = 16;
inline constexpr int32_t kWhite = 0xFFFFFF;

struct NamedColour {
  const char* name;  // UTF-8
  int32_t colour;
};
extern const std::array<NamedColour, kNamedColourCount> kNamedColours;
inline constexpr const char* kMoreColoursName = "Mehr...";

// "Transparent" is offered only together with a white background.
inline bool transparencyAllowed(int32_t backColour) { return backColour == kWhite; }

class ColourChoices {
 public:
  // Selects the entry with that colour, or puts it into entry 16.
  void setColorValue(int32_t colour);
  int32_t ColorValue() const { return entryColour(selected_); }

  // "#RRGGBB" with upper-case digits. Setting it takes the three hex pairs;
  // an empty text means black; anything else unreadable changes nothing
  // and returns false.
  std::string HTMLcolor() const;
  bool setHTMLcolor(std::string_view text);

  int selectedEntry() const { return selected_; }
  // Choosing a named entry takes its colour; entry 16 keeps the colour last
  // put there (the window asks for a new one first).
  void selectEntry(int entry);
  int32_t entryColour(int entry) const;
  static std::string entryName(int entry);

 private:
  int selected_ = 0;
  int32_t custom_ = 0;
};

}  // namespace vendaro
