// object_dialogs.h — the dialogs of frames and pictures as plain values:
// "Textfeld Eigenschaften" (TFeldFormatForm) and "Grafik formatieren"
// (TGrafikPropsForm), with the rules the picture dialog keeps while typing.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vendaro {

// "Textfeld Eigenschaften": lengths are centimetres as shown, with a decimal
// comma; the command reads them with parseDecimal and keeps the old value
// for a text that is no number.
inline constexpr std::array<const char*, 4> kFrameFormatPageNames{"Position und Größe", "Ränder", "Design", "Textfluss"};
inline constexpr std::array<const char*, 7> kShowOnNames{
    "Einer Seite",      "Allen Seiten",     "Nicht auf der ersten Seite",      "Geraden Seiten ",
    "Ungeraden Seiten", "Geraden Seiten außer der ersten", "Ungeraden Seiten außer der ersten"};
inline constexpr std::array<const char*, 4> kWrapModeNames{
    "Text umgibt Feld", "Text nur oberhalb und unterhalb des Feldes", "Text links vom Feld", "Text rechts vom Feld"};
inline constexpr double kMaxBorderPoints = 10.0;  // "Linienstärke in pt:", in steps of 0.25
inline constexpr double kMaxTextDistanceCm = 10.0;
struct FeldFormatDialog {
  bool objectPages = false;  // "Position und Größe" and "Textfluss" (kinds 3 and up)
  int page = 1;              // index into kFrameFormatPageNames the dialog opens on
  // "Position und Größe"
  std::string left, top, width, height;
  int32_t showOn = 0;
  bool moveWithText = false;
  bool keepAspect = false;  // "Seitenverhältnis bei Grafikfeldern beibehalten"
  // "Ränder"
  std::string marginLeft, marginTop, marginRight, marginBottom;
  // "Design"
  int32_t borderColor = 0;
  double borderWidth = 0;  // points
  int32_t backColor = 0xFFFFFF;
  bool transparent = false;  // offered only while backColor is white
  // "Textfluss"
  bool wrapText = false;  // "Dahinterliegenen Text umbrechen"
  int32_t wrapMode = 0;   // index into kWrapModeNames
  std::string textDistX, textDistY;
};

// "Grafik formatieren": the picture cell's size in centimetres (0.1 to
// 1000). With "Seitenverhältnis beibehalten" an edited side sets the other
// by the ratio the cell had when the dialog opened; the coupling rests while
// either side is 0, where no ratio can hold.
inline constexpr double kPictureMinCm = 0.1, kPictureMaxCm = 1000.0;
struct GrafikPropsDialog {
  double width = 0, height = 0;  // cm
  bool keepRatio = true;
  double ratio = 1.0;         // width / height at opening (1 for a height of 0)
  double pictureRatio = 1.0;  // the bitmap's pixel width / height

  void widthEdited(double cm);
  void heightEdited(double cm);
  // "&Original Seitenverhältnis wiederherstellen"
  void restoreOriginalRatio();
};

}  // namespace vendaro
