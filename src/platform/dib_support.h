// dib_support.h — what the bitmap readers, writers and halftoning share:
// limits and messages for pictures from outside, little-endian access, row
// addressing from the top of the picture and pixel decoding for every depth.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dib.h"
#include "platform/limits.h"

namespace vendaro::dib {

inline constexpr int32_t kDefaultPelsPerMeter = 3780;  // 96 dpi

inline constexpr const char* kErrUnknownFormat = "Unbekanntes Bildformat.";
inline constexpr const char* kErrDamaged = "Die Bilddatei ist beschädigt.";
// Names the pixel limit, which the message has to follow.
inline constexpr const char* kErrTooLarge = "Das Bild ist zu groß (höchstens 400 Millionen Bildpunkte).";
static_assert(kMaxPixels == 400'000'000);
inline constexpr const char* kErrUnsupported = "Diese Variante des Bildformats wird nicht unterstützt.";
inline constexpr const char* kErrNoMemory = "Nicht genug Arbeitsspeicher für das Bild.";

inline uint16_t le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
inline uint32_t le32(const uint8_t* p) {
  return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}
inline void putLe16(uint8_t* p, uint16_t v) {
  p[0] = uint8_t(v);
  p[1] = uint8_t(v >> 8);
}
inline void putLe32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// Palette entries and the packed colours below are 0x00RRGGBB (the B, G, R
// byte order of a palette entry read as a little-endian word); COLORREF
// values are 0x00BBGGRR.
inline uint32_t packRgb(uint32_t r, uint32_t g, uint32_t b) { return b | g << 8 | r << 16; }
inline uint32_t rgbToColorref(uint32_t rgb) {
  return (rgb >> 16 & 0xFF) | (rgb & 0xFF00) | (rgb & 0xFF) << 16;
}
inline uint32_t colorrefToRgb(uint32_t c) { return rgbToColorref(c & 0xFFFFFF); }

// Memory row of picture row y (0 = top) for bottom-up and top-down bitmaps.
inline size_t memoryRow(const TPictureRec& pic, int y) {
  return size_t(pic.Header.biHeight > 0 ? pic.height() - 1 - y : y);
}
inline const uint8_t* rowAt(const TPictureRec& pic, int y) {
  return pic.pixels() + memoryRow(pic, y) * size_t(pic.RowBytes);
}

// True when the record's pixel buffer really holds height × RowBytes bytes
// of rows wide enough for its width and depth.
bool isConsistent(const TPictureRec& pic);

// Colour (0x00RRGGBB) of pixel x in a row of the picture's depth.
uint32_t pixelRgb(const TPictureRec& pic, const uint8_t* row, int x);

// Writes row y (0 = top) as width × B, G, R bytes, whatever the depth.
void readRowBgr(const TPictureRec& pic, int y, uint8_t* bgr);

// Blends a colour channel with coverage alpha over white paper.
inline uint8_t overWhite(uint32_t value, uint32_t alpha) {
  return uint8_t((value * alpha + 255 * (255 - alpha) + 127) / 255);
}

}  // namespace vendaro::dib
