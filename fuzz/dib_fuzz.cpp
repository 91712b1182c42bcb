// dib_fuzz.cpp — feeds arbitrary bytes to the picture readers under every
// format label the program passes, then uses what loaded the way the program
// does: pixel access, halftoning and JPEG encoding.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dib.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vendaro;
  static const int kFormats[] = {kDibAuto, kDibBmp, kDibJpeg, kDibPng};
  TPictureRec pic;
  if (!OpenDibFromMemory(pic, data, size, kFormats[size % 4])) {
    if (pic.hasPixels() || pic.ErrorText.empty()) __builtin_trap();
    return 0;
  }
  int w = pic.width(), h = pic.height();
  if (w <= 0 || h <= 0 || pic.pixelBytes() < size_t(pic.RowBytes) * size_t(h)) __builtin_trap();
  uint32_t sum = getpixel(pic, 0, 0) ^ getpixel(pic, w - 1, h - 1) ^ getpixel(pic, w / 2, h / 2);
  setpixel(pic, w - 1, 0, sum);
  // Run-length BMPs can describe huge blank pictures in a few bytes; the
  // whole-picture passes are kept to sizes that keep the fuzzer fast.
  if (uint64_t(w) * uint64_t(h) <= 1u << 20) {
    TPictureRec halftone;
    if (!DIBHalftoneDIBXY(halftone, pic, 7, 5)) __builtin_trap();
    std::vector<uint8_t> jpeg;
    bool encodable = w <= 65500 && h <= 65500;  // JPEG's own size limit
    if (EncodeDibJpeg(pic, jpeg) != encodable) __builtin_trap();
  }
  return 0;
}
