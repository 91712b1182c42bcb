// dib_test_images.h — picture files and bitmaps made in code for the imaging
// tests: hand-assembled BMPs (every header variant we read), PNGs written with
// libpng and JPEGs written with libjpeg directly, plus a colourful test pattern.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/dib.h"

namespace vendaro::test {

// Largest difference of the red, green and blue values of two colours.
int channelDistance(uint32_t a, uint32_t b);

// 0x00BBGGRR colour of the test pattern at (x, y).
uint32_t patternColour(int x, int y);
// A bitmap of the given depth filled through setpixel with the pattern (palette
// depths get a colourful palette first).
TPictureRec patternBitmap(int width, int height, int bitCount);

struct BmpSpec {
  BmpSpec(int32_t w, int32_t h, uint16_t bits = 24, uint32_t compressionScheme = 0)
      : width(w), height(h), bitCount(bits), compression(compressionScheme) {}
  int32_t width, height;
  uint16_t bitCount;
  uint32_t compression;
  uint32_t infoSize = 40;               // 12 writes an OS/2 core header
  std::vector<uint32_t> palette;         // 0x00RRGGBB, all written
  uint32_t clrUsed = 0;
  std::vector<uint32_t> masks;           // behind a 40-byte header, inside larger ones
  std::vector<uint8_t> pixels;           // as stored in the file
};
std::vector<uint8_t> makeBmp(const BmpSpec& spec);

struct PngSpec {
  PngSpec(uint32_t w, uint32_t h, int colour, int depth = 8)
      : width(w), height(h), colourType(colour), bitDepth(depth) {}
  uint32_t width, height;
  int colourType, bitDepth;
  bool interlaced = false;
  std::vector<uint32_t> palette;         // 0x00RRGGBB
  std::vector<uint8_t> paletteAlpha;     // tRNS for palette pictures
  std::vector<std::vector<uint8_t>> rows;  // packed as PNG stores them
};
std::vector<uint8_t> makePng(const PngSpec& spec);

// A greyscale or CMYK (Adobe-inverted) JPEG filled with one sample value set.
std::vector<uint8_t> makeJpeg(int width, int height, int components, const std::vector<uint8_t>& pixel,
                              bool progressive = false);

}  // namespace vendaro::test
