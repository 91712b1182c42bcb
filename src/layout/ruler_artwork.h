// ruler_artwork.h — the images of the rulers: the three indent markers and
// the four tab stop kinds, as small pixel drawings painted through any
// Canvas (the ruler, the tab-kind selector, the tests' recording canvas).
#pragma once

#include <cstdint>

#include "platform/canvas.h"

namespace vendaro {

enum class RulerImage : uint8_t {
  firstLineMarker, leftIndentMarker, rightIndentMarker, tabLeft, tabCentred, tabRight, tabDecimal
};

inline RulerImage tabImage(int32_t kind) {
  return static_cast<RulerImage>(static_cast<int>(RulerImage::tabLeft) + (kind >= 0 && kind < 4 ? kind : 0));
}

// The column of a tab image that stands on the stop's pixel.
int tabHotSpot(int32_t kind);
int rulerImageWidth(RulerImage image);
int rulerImageHeight(RulerImage image);

// Draws the image with its top-left corner at (x, y); its transparent
// pixels leave the canvas as it was.
void drawRulerImage(Canvas& canvas, RulerImage image, int x, int y);

}  // namespace vendaro
