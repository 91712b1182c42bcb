#include "output/pdf_images.h"

#include <array>
#include <cstring>
#include <string>
#include <vector>

#include "output/pdf_file.h"
#include "output/pdf_format.h"

namespace vendaro {

namespace {

using Bgr = std::array<uint8_t, 3>;

// B, G, R of every palette index the bitmap's depth can address.
std::vector<Bgr> paletteColours(const TPictureRec& source, int bitCount) {
  const size_t count = size_t{1} << bitCount;
  std::vector<Bgr> colours(count, Bgr{0, 0, 0});
  if (bitCount == 1 && source.Palette.size() < 2) {
    colours[1] = {255, 255, 255};
    return colours;
  }
  for (size_t i = 0; i < count && i < source.Palette.size(); ++i) {
    const uint32_t entry = source.Palette[i];
    colours[i] = {static_cast<uint8_t>(entry & 0xFF), static_cast<uint8_t>((entry >> 8) & 0xFF),
                  static_cast<uint8_t>((entry >> 16) & 0xFF)};
  }
  return colours;
}

int paletteIndex(const uint8_t* row, int x, int bitCount) {
  switch (bitCount) {
    case 8: return row[x];
    case 4: return (x & 1) ? (row[x >> 1] & 15) : (row[x >> 1] >> 4);
    default: return (row[x >> 3] >> (7 - (x & 7))) & 1;
  }
}

void writePlaceholder(PdfFile& file) {
  file.writeLine(
      "<< /Type /XObject /Subtype /Image /Width 1 /Height 1 /BitsPerComponent 8 "
      "/ColorSpace /DeviceRGB /Length 3 >>");
  file.writeLine("stream");
  file.write("\xFF\xFF\xFF");
  file.writeLine("endstream");
}

}  // namespace

bool showableAsTrueColour(const TPictureRec& source) {
  const int bitCount = source.Header.biBitCount;
  const int width = source.width();
  const int height = source.height();
  if (!source.hasPixels() || width <= 0 || height <= 0 || source.RowBytes <= 0 ||
      source.RowBytes < dibRowBytes(width, bitCount) ||
      source.pixelBytes() / static_cast<size_t>(source.RowBytes) < static_cast<size_t>(height)) {
    return false;
  }
  return bitCount >= 24 || bitCount == 1 || bitCount == 4 || bitCount == 8;
}

TrueColourResult toTrueColour(const TPictureRec& source, TPictureRec& out) {
  if (!showableAsTrueColour(source)) return TrueColourResult::unsupported;
  const int bitCount = source.Header.biBitCount;
  const int width = source.width();
  const int height = source.height();
  if (bitCount >= 24) {
    out = source;  // shares the pixel rows
    return TrueColourResult::ready;
  }

  if (!newdib(out, width, height, 24)) return TrueColourResult::outOfMemory;
  const std::vector<Bgr> colours = paletteColours(source, bitCount);
  const bool flip = (source.Header.biHeight < 0) != (out.Header.biHeight < 0);
  const uint8_t* sourcePixels = source.pixels();
  uint8_t* outPixels = out.mutablePixels();
  for (int y = 0; y < height; ++y) {
    const uint8_t* from = sourcePixels + static_cast<size_t>(y) * source.RowBytes;
    const int outRow = flip ? height - 1 - y : y;
    uint8_t* to = outPixels + static_cast<size_t>(outRow) * out.RowBytes;
    for (int x = 0; x < width; ++x) {
      std::memcpy(to + 3 * x, colours[paletteIndex(from, x, bitCount)].data(), 3);
    }
  }
  return TrueColourResult::ready;
}

bool isSamePicture(const TPictureRec& a, const TPictureRec& b) {
  const BitmapInfoHeader& x = a.Header;
  const BitmapInfoHeader& y = b.Header;
  return a.Bits == b.Bits && x.biWidth == y.biWidth && x.biHeight == y.biHeight &&
         x.biBitCount == y.biBitCount && a.RowBytes == b.RowBytes && a.Palette == b.Palette;
}

bool writeImageObjectBody(PdfFile& file, const TPictureRec& source) {
  TPictureRec picture;
  const TrueColourResult widened = toTrueColour(source, picture);
  std::vector<uint8_t> jpeg;
  if (widened != TrueColourResult::ready || !EncodeDibJpeg(picture, jpeg) || jpeg.empty()) {
    writePlaceholder(file);
    return widened != TrueColourResult::outOfMemory;
  }
  std::string dictionary = "<< /Type /XObject /Subtype /Image /Width ";
  appendInt(dictionary, picture.width());
  dictionary += " /Height ";
  appendInt(dictionary, picture.height());
  dictionary += " /BitsPerComponent 8 /ColorSpace /DeviceRGB /Length ";
  appendInt(dictionary, static_cast<long long>(jpeg.size()));
  dictionary += " /Filter /DCTDecode >>";
  file.writeLine(dictionary);
  file.writeLine("stream");
  file.write(std::string_view(reinterpret_cast<const char*>(jpeg.data()), jpeg.size()));
  file.writeLine("endstream");
  return true;
}

}  // namespace vendaro
