// word_pictures.h — the pictures of a Word 97–2003 file: the picture header
// in the "Data" stream, the drawing records after it and the embedded JPEG,
// PNG, bitmap or (compressed) metafile, all decoded from memory.
#pragma once

#include <optional>

#include "formats/word_fib.h"
#include "platform/dib.h"
#include "platform/font_engine.h"
#include "platform/raster_target.h"

namespace vendaro::word {

// An inflated metafile larger than this is skipped.
inline constexpr size_t kMaxMetafileBytes = size_t(64) << 20;

struct WordPicture {
  TPictureRec picture;
  double widthMm = 0, heightMm = 0;  // the size it is shown at
};

// The picture whose header starts at `at` in the data stream; nothing when
// it is no picture this program can decode.
std::optional<WordPicture> readPicture(Bytes data, uint32_t at, FontEngine& fonts, RasterTarget* raster);

}  // namespace vendaro::word
