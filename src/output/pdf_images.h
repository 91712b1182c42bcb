// pdf_images.h — bitmaps on PDF pages. A page shows bitmaps of 24 or more
// bits per pixel; palette bitmaps are widened to 24 bits first. At the end of
// the document each distinct bitmap becomes one JPEG image object.
#pragma once

#include "platform/dib.h"

namespace vendaro {

class PdfFile;

enum class TrueColourResult { ready, unsupported, outOfMemory };

// Whether the bitmap can be shown: 1, 4, 8 or 24 and more bits per pixel,
// with as many pixel bytes as its size says.
bool showableAsTrueColour(const TPictureRec& source);

// Fills `out` with a bitmap of 24 or more bits per pixel showing `source`:
// the same pixels for deep bitmaps, 1-, 4- and 8-bit ones through their
// palette (1-bit without palette as black and white). Other depths, and
// bitmaps whose pixel data is shorter than their size says, are unsupported.
TrueColourResult toTrueColour(const TPictureRec& source, TPictureRec& out);

// Whether two records show one picture: the same pixel rows (shared, not
// merely equal), size, depth and palette.
bool isSamePicture(const TPictureRec& a, const TPictureRec& b);

// Writes the image object's dictionary and stream (between "n 0 obj" and
// "endobj"), widening a palette bitmap for the time it is encoded. A bitmap
// that cannot be encoded becomes one white pixel, so the object still exists
// for the page resources that name it. False when memory ran out.
bool writeImageObjectBody(PdfFile& file, const TPictureRec& picture);

}  // namespace vendaro
