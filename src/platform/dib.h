// dib.h — device-independent bitmaps: the imaging calls the program makes
// (create, free, load, save, pixel access, halftoning). Pixels are held the
// Windows way: rows bottom-up, each padded to a multiple of four bytes, 24-bit
// pixels as B, G, R; palettes as B, G, R, 0 entries.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace vendaro {

// BITMAPINFOHEADER, 40 bytes on disk and in the native file.
struct BitmapInfoHeader {
  uint32_t biSize = 40;
  int32_t biWidth = 0;
  int32_t biHeight = 0;
  uint16_t biPlanes = 1;
  uint16_t biBitCount = 0;
  uint32_t biCompression = 0;
  uint32_t biSizeImage = 0;
  int32_t biXPelsPerMeter = 0;
  int32_t biYPelsPerMeter = 0;
  uint32_t biClrUsed = 0;
  uint32_t biClrImportant = 0;

  static constexpr int kSize = 40;
  void writeTo(uint8_t* out40) const;          // little-endian
  static BitmapInfoHeader readFrom(const uint8_t* in40);
};

// One picture. Copies share the pixel rows until one of them writes, so
// undo snapshots of a document with large pictures stay cheap.
struct TPictureRec {
  BitmapInfoHeader Header;
  std::vector<uint32_t> Palette;              // 0x00RRGGBB as stored (B, G, R, 0 bytes)
  std::shared_ptr<std::vector<uint8_t>> Bits; // null when no bitmap is held
  int32_t RowBytes = 0;                       // bytes of one pixel row
  std::string ErrorText;                      // filled when loading failed

  bool hasPixels() const { return Bits != nullptr; }
  int width() const { return Header.biWidth; }
  int height() const { return Header.biHeight < 0 ? -Header.biHeight : Header.biHeight; }
  const uint8_t* pixels() const { return Bits ? Bits->data() : nullptr; }
  uint8_t* mutablePixels();                   // detaches shared rows first
  size_t pixelBytes() const { return Bits ? Bits->size() : 0; }
};

// Row length of a bitmap: whole 32-bit words.
int32_t dibRowBytes(int width, int bitCount);

// Picture file formats of OpenDib/SaveDib: 0 detect from the contents.
enum DibFormat : int { kDibAuto = 0, kDibBmp = 1, kDibJpeg = 7, kDibPng = 14 };

// Creates a zero-filled bitmap. `paletteBlock` (optional) is a header of 40
// bytes followed by `paletteCount` B, G, R, 0 entries whose palette is taken
// over; otherwise 1, 4 and 8-bit bitmaps get a grey ramp. Returns false, with
// ErrorText filled and no pixels, when the size is impossible.
bool newdib(TPictureRec& out, int width, int height, int bitCount,
            const uint8_t* paletteBlock = nullptr, uint32_t paletteCount = 0);
void deldib(TPictureRec& pic);

// Loads BMP (1, 4, 8, 16, 24, 32 bits; RLE, bit fields, OS/2), JPEG or PNG,
// always as a bottom-up bitmap. The contents decide the reader; `format` is
// only what the caller expects. Greyscale JPEG and PNG give 8-bit grey,
// palette PNG keeps its palette, transparency is blended over white. A
// damaged, oversized or unknown file leaves no pixels and fills ErrorText
// with a German message.
bool OpenDib(TPictureRec& out, const std::string& path, int format = kDibAuto);
bool OpenDibFromMemory(TPictureRec& out, const uint8_t* data, size_t size, int format = kDibAuto);
// Format 7 writes JPEG, anything else BMP. Returns 1 on success, 0 otherwise.
int SaveDib(const TPictureRec& pic, const std::string& path, int format, int quality = 0);
// JPEG into memory (PDF images); returns false when it cannot be encoded,
// which includes pictures wider or higher than JPEG's 65500 pixels.
bool EncodeDibJpeg(const TPictureRec& pic, std::vector<uint8_t>& out, int quality = 90);

// Colours are 0x00BBGGRR for every depth: a palette bitmap answers the
// palette colour and setpixel picks the nearest palette entry. (x, y) counts
// from the top-left corner of the picture, so y = 0 is the last row in memory
// of a bottom-up bitmap. Outside the bitmap getpixel answers 0 and setpixel
// does nothing.
uint32_t getpixel(const TPictureRec& pic, int x, int y);
void setpixel(TPictureRec& pic, int x, int y, uint32_t color);

// 8-bit halftoned copy with a fixed colour cube palette; the XY variant
// scales to x × y pixels on the way.
bool DIBHalftoneDIB(TPictureRec& out, const TPictureRec& src);
bool DIBHalftoneDIBXY(TPictureRec& out, const TPictureRec& src, int x, int y);

// Filter of the picture open dialog, in Qt's "Name (*.ext);;…" form.
std::string GetDIBOpenFilter();

}  // namespace vendaro
