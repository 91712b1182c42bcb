// dib_halftone.h — the fixed palette of halftoned bitmaps. Colours are
// dithered (8 × 8 ordered dither) onto a 6 × 6 × 6 colour cube; pure greys
// use a finer 46-step grey scale made of the cube's six greys and 40 more.
#pragma once

#include <array>
#include <cstdint>

namespace vendaro {

// Entries 0–215: the cube, index = 36 × red + 6 × green + blue steps of 51;
// entries 216–255: the extra greys. As palette entries, 0x00RRGGBB.
const std::array<uint32_t, 256>& halftonePalette();

}  // namespace vendaro
