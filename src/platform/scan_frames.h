// scan_frames.h — turns the frames a scanner delivered (raw sample bytes with
// the layout the scanner stated) into a bitmap record. Pure: no device is
// touched, so the assembly can be tested and fuzzed on made-up frames. The
// layout comes from the scanner driver and is checked like file data.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/dib.h"

namespace vendaro {

// The kinds of frame a scanner sends, numbered as SANE numbers them.
enum class ScanFrameFormat : int { gray = 0, rgb = 1, red = 2, green = 3, blue = 4 };

// What the scanner says about one frame. `lines` is -1 while the height is
// unknown (hand scanners); the rows then last until the data ends.
struct ScanFrameLayout {
  int format = 0;
  int bytesPerLine = 0;
  int pixelsPerLine = 0;
  int lines = 0;
  int depth = 0;  // bits per sample: 1, 8 or 16 (16-bit samples in host byte order)
};

struct ScanFrame {
  ScanFrameLayout layout;
  std::vector<uint8_t> bytes;
};

inline constexpr const char* kScanErrBadData = "Der Scanner hat unbrauchbare Bilddaten geliefert.";

// German message for a layout that cannot be taken in, or null when it is
// sound. Refuses unknown formats and depths, rows shorter than their pixels
// and pictures beyond the bitmap size limit.
const char* scanLayoutError(const ScanFrameLayout& layout);

// How many bytes of one frame are worth keeping: the stated rows, or as many
// rows as the size limit allows when the height is unknown. 0 for a layout
// that scanLayoutError refuses.
uint64_t scanFrameByteLimit(const ScanFrameLayout& layout);

// Builds the bitmap from one grey or colour frame, or from the red, green
// and blue frames of a three-pass scanner in any order. Grey becomes an
// 8-bit (1-bit for line art) grey bitmap, colour a 24-bit one; 16-bit
// samples keep their upper 8 bits. Only complete rows are taken. The
// resolution in dots per inch sets the pels per metre (96 dpi when it is not
// a sensible value). On failure `out` holds no pixels and a German
// ErrorText, and false is returned.
bool assembleScan(const std::vector<ScanFrame>& frames, double dotsPerInch, TPictureRec& out);

}  // namespace vendaro
