// scan_frames.cpp — checks scanner frame layouts and copies their samples
// into a bottom-up bitmap: grey as an 8-bit (or 1-bit) grey ramp, colour as
// B, G, R bytes, whether it came interleaved or as three separate bands.
#include "platform/scan_frames.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>

#include "platform/dib_support.h"

namespace vendaro {

using namespace dib;

namespace {

// A frame is held in memory before it becomes a bitmap; like a picture
// file, it may not take more than 2 GiB.
constexpr uint64_t kMaxFrameBytes = uint64_t(1) << 31;
constexpr double kMaxDotsPerInch = 100000;

constexpr const char* kErrNoImage = "Der Scanner hat kein Bild geliefert.";

bool isBand(int format) {
  return format == int(ScanFrameFormat::red) || format == int(ScanFrameFormat::green) ||
         format == int(ScanFrameFormat::blue);
}

int samplesPerPixel(const ScanFrameLayout& layout) {
  return layout.format == int(ScanFrameFormat::rgb) ? 3 : 1;
}

uint64_t maxRows(const ScanFrameLayout& layout) {
  return std::min(kMaxPixels / uint64_t(layout.pixelsPerLine), kMaxFrameBytes / uint64_t(layout.bytesPerLine));
}

bool fail(TPictureRec& out, const char* message) {
  out = TPictureRec{};
  out.ErrorText = message;
  return false;
}

// Complete rows a frame holds, within what its layout states and allows.
int completeRows(const ScanFrame& frame) {
  uint64_t rows = std::min<uint64_t>(frame.bytes.size() / uint64_t(frame.layout.bytesPerLine), maxRows(frame.layout));
  if (frame.layout.lines >= 0) rows = std::min<uint64_t>(rows, uint64_t(frame.layout.lines));
  return int(rows);
}

// Sample `index` of a row (pixel × samples per pixel + channel) as 0..255.
// Line-art grey counts a set bit as black; in colour a set bit is full
// intensity.
uint8_t sampleAt(const ScanFrameLayout& layout, const uint8_t* row, size_t index) {
  switch (layout.depth) {
    case 1: {
      const bool set = (row[index / 8] >> (7 - index % 8)) & 1;
      const bool black = layout.format == int(ScanFrameFormat::gray) ? set : !set;
      return black ? 0 : 255;
    }
    case 8:
      return row[index];
    default: {
      uint16_t wide;
      std::memcpy(&wide, row + 2 * index, sizeof wide);
      return uint8_t(wide >> 8);
    }
  }
}

const uint8_t* frameRow(const ScanFrame& frame, int y) {
  return frame.bytes.data() + size_t(y) * size_t(frame.layout.bytesPerLine);
}

// One bitmap row (0 = top) to write.
uint8_t* bitmapRow(TPictureRec& pic, uint8_t* pixels, int y) {
  return pixels + memoryRow(pic, y) * size_t(pic.RowBytes);
}

void copyLineArt(const ScanFrame& frame, TPictureRec& pic, uint8_t* pixels) {
  // The bitmap's palette has black at 0, the scanner sets a bit for black.
  const size_t bytes = (size_t(frame.layout.pixelsPerLine) + 7) / 8;
  for (int y = 0; y < pic.height(); ++y) {
    const uint8_t* in = frameRow(frame, y);
    uint8_t* out = bitmapRow(pic, pixels, y);
    for (size_t i = 0; i < bytes; ++i) out[i] = uint8_t(~in[i]);
  }
}

void copyGrey(const ScanFrame& frame, TPictureRec& pic, uint8_t* pixels) {
  for (int y = 0; y < pic.height(); ++y) {
    const uint8_t* in = frameRow(frame, y);
    uint8_t* out = bitmapRow(pic, pixels, y);
    for (int x = 0; x < pic.width(); ++x) out[x] = sampleAt(frame.layout, in, size_t(x));
  }
}

// The frame that carries each of red, green and blue, with the sample of
// that colour within a pixel.
struct ColourSource {
  const ScanFrame* frame = nullptr;
  int sample = 0;
};

void copyColour(const std::array<ColourSource, 3>& rgb, TPictureRec& pic, uint8_t* pixels) {
  for (int y = 0; y < pic.height(); ++y) {
    uint8_t* out = bitmapRow(pic, pixels, y);
    for (int channel = 0; channel < 3; ++channel) {
      const ScanFrame& frame = *rgb[size_t(channel)].frame;
      const uint8_t* in = frameRow(frame, y);
      const size_t stride = size_t(samplesPerPixel(frame.layout));
      uint8_t* target = out + (2 - channel);  // B, G, R
      for (int x = 0; x < pic.width(); ++x)
        target[3 * size_t(x)] = sampleAt(frame.layout, in, size_t(x) * stride + size_t(rgb[size_t(channel)].sample));
    }
  }
}

// Finds where red, green and blue come from; false when the frames do not
// make one picture.
bool colourSources(const std::vector<ScanFrame>& frames, std::array<ColourSource, 3>& rgb) {
  if (frames.size() == 1) {
    if (frames[0].layout.format != int(ScanFrameFormat::rgb)) return false;
    for (int channel = 0; channel < 3; ++channel) rgb[size_t(channel)] = {&frames[0], channel};
    return true;
  }
  if (frames.size() != 3) return false;
  for (const ScanFrame& frame : frames) {
    const ScanFrameLayout& first = frames[0].layout;
    if (!isBand(frame.layout.format) || frame.layout.pixelsPerLine != first.pixelsPerLine) return false;
    ColourSource& source = rgb[size_t(frame.layout.format - int(ScanFrameFormat::red))];
    if (source.frame) return false;  // a band twice
    source.frame = &frame;
  }
  return true;
}

int32_t pelsPerMetre(double dotsPerInch) {
  if (!std::isfinite(dotsPerInch) || dotsPerInch < 1 || dotsPerInch > kMaxDotsPerInch) return kDefaultPelsPerMeter;
  return int32_t(std::lround(dotsPerInch / 0.0254));
}

}  // namespace

const char* scanLayoutError(const ScanFrameLayout& layout) {
  if (layout.format < int(ScanFrameFormat::gray) || layout.format > int(ScanFrameFormat::blue)) return kErrUnsupported;
  if (layout.depth != 1 && layout.depth != 8 && layout.depth != 16) return kErrUnsupported;
  if (layout.pixelsPerLine <= 0 || layout.bytesPerLine <= 0 || layout.lines < -1) return kScanErrBadData;
  const uint64_t rowBits = uint64_t(layout.pixelsPerLine) * uint64_t(samplesPerPixel(layout)) * uint64_t(layout.depth);
  if ((rowBits + 7) / 8 > uint64_t(layout.bytesPerLine)) return kScanErrBadData;
  if (uint64_t(layout.pixelsPerLine) > kMaxPixels) return kErrTooLarge;
  if (layout.lines >= 0 && uint64_t(layout.lines) > maxRows(layout)) return kErrTooLarge;
  return nullptr;
}

uint64_t scanFrameByteLimit(const ScanFrameLayout& layout) {
  if (scanLayoutError(layout)) return 0;
  const uint64_t rows = layout.lines >= 0 ? uint64_t(layout.lines) : maxRows(layout);
  return rows * uint64_t(layout.bytesPerLine);
}

bool assembleScan(const std::vector<ScanFrame>& frames, double dotsPerInch, TPictureRec& out) {
  if (frames.empty()) return fail(out, kErrNoImage);
  for (const ScanFrame& frame : frames)
    if (const char* error = scanLayoutError(frame.layout)) return fail(out, error);

  const ScanFrameLayout& first = frames[0].layout;
  const bool grey = first.format == int(ScanFrameFormat::gray);
  std::array<ColourSource, 3> rgb{};
  if (grey ? frames.size() != 1 : !colourSources(frames, rgb)) return fail(out, kScanErrBadData);

  int height = std::numeric_limits<int>::max();
  for (const ScanFrame& frame : frames) height = std::min(height, completeRows(frame));
  if (height == 0) return fail(out, kErrNoImage);

  const bool lineArt = grey && first.depth == 1;
  if (!newdib(out, first.pixelsPerLine, height, lineArt ? 1 : grey ? 8 : 24)) return false;
  uint8_t* pixels = out.mutablePixels();
  if (lineArt) copyLineArt(frames[0], out, pixels);
  else if (grey) copyGrey(frames[0], out, pixels);
  else copyColour(rgb, out, pixels);
  out.Header.biXPelsPerMeter = out.Header.biYPelsPerMeter = pelsPerMetre(dotsPerInch);
  return true;
}

}  // namespace vendaro
