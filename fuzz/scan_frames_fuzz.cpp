// scan_frames_fuzz.cpp — feeds made-up scanner frames (any layout a driver
// might state, any amount of data) to the assembly into a bitmap and checks
// that what it builds is a sound bitmap of the stated width.
//
// Input: a dpi word, then per frame (at most three) five layout words
// (format, bytes per line, pixels per line, lines, depth), a 16-bit data
// length and the data; all little-endian.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/dib_support.h"
#include "platform/scan_frames.h"

namespace {

struct Reader {
  const uint8_t* data;
  size_t size;
  bool take(size_t n, const uint8_t*& out) {
    if (size < n) return false;
    out = data;
    data += n;
    size -= n;
    return true;
  }
  bool word(int32_t& value) {
    const uint8_t* p;
    if (!take(4, p)) return false;
    value = int32_t(vendaro::dib::le32(p));
    return true;
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vendaro;
  Reader in{data, size};
  int32_t dpi = 0;
  if (!in.word(dpi)) return 0;
  std::vector<ScanFrame> frames;
  while (frames.size() < 3) {
    ScanFrame frame;
    ScanFrameLayout& l = frame.layout;
    const uint8_t* length;
    const uint8_t* bytes;
    if (!in.word(l.format) || !in.word(l.bytesPerLine) || !in.word(l.pixelsPerLine) || !in.word(l.lines) ||
        !in.word(l.depth) || !in.take(2, length) || !in.take(dib::le16(length), bytes))
      break;
    frame.bytes.assign(bytes, bytes + dib::le16(length));
    frames.push_back(std::move(frame));
  }
  TPictureRec pic;
  if (!assembleScan(frames, dpi / 16.0, pic)) {
    if (pic.hasPixels() || pic.ErrorText.empty()) __builtin_trap();
    return 0;
  }
  if (!dib::isConsistent(pic) || pic.width() != frames[0].layout.pixelsPerLine || pic.height() <= 0 ||
      pic.Header.biXPelsPerMeter <= 0)
    __builtin_trap();
  // Every byte kept must have come from the frames: whole rows only.
  if (uint64_t(pic.height()) * uint64_t(frames[0].layout.bytesPerLine) > frames[0].bytes.size()) __builtin_trap();
  getpixel(pic, pic.width() - 1, pic.height() - 1);
  return 0;
}
