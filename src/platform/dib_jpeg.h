// dib_jpeg.h — JPEG through libjpeg. Colour pictures load as 24-bit,
// greyscale ones as 8-bit with a grey palette, CMYK (also Adobe's inverted
// CMYK) is turned into RGB. The encoder always writes three-component RGB
// JPEGs so callers can describe every result as DeviceRGB.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/dib.h"

namespace vendaro::dib {

// Fills `out` (bottom-up) or sets `error` to a German message. Truncated
// data and corrupt entropy codes are refused rather than shown half grey.
bool readJpeg(const uint8_t* data, size_t size, TPictureRec& out, std::string& error);

}  // namespace vendaro::dib
