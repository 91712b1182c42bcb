// dib_png.h — PNG through libpng. Palette pictures keep their palette
// (2-bit ones widened to 8 bits), greyscale becomes 8-bit grey (1-bit stays
// black and white), colour becomes 24-bit. Transparency is blended over white
// paper, as the picture would print; gamma chunks are not applied.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/dib.h"

namespace vendaro::dib {

// Fills `out` (bottom-up) or sets `error` to a German message. A file that
// ends before its IEND chunk is refused.
bool readPng(const uint8_t* data, size_t size, TPictureRec& out, std::string& error);

}  // namespace vendaro::dib
