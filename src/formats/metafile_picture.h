// metafile_picture.h — turns a WMF or EMF file into the bitmap the document
// stores: a metafile that only stretches one bitmap gives that bitmap at its
// own size; any other is drawn on the host's raster target at 150 dpi of its
// display size (at most 16 megapixels) on white.
#pragma once

#include <cstdint>
#include <span>

#include "formats/metafile_player.h"
#include "platform/dib.h"
#include "platform/font_engine.h"
#include "platform/raster_target.h"

namespace vendaro {

// The size the document shows the picture at, when it knows one (RTF's
// goal sizes, Word's picture header); otherwise the file's own is taken.
struct MetafileDisplaySize {
  int widthTwips = 0;
  int heightTwips = 0;
};

inline constexpr int kMetafileDpi = 150;
inline constexpr int64_t kMetafileMaxPixels = 16'000'000;

// The pixel size a drawn metafile gets; {0, 0} when the bytes are no
// metafile.
struct PixelSize {
  int width = 0;
  int height = 0;
};
PixelSize metafilePixelSize(std::span<const uint8_t> bytes, const MetafileDisplaySize& display = {});

// False when the bytes are no metafile, when it must be drawn and there is
// no raster target, or when the target fails. `report`, when given, tells
// how the records played.
bool metafileToPicture(std::span<const uint8_t> bytes, FontEngine& fonts, RasterTarget* raster, TPictureRec& out,
                       const MetafileDisplaySize& display = {}, metafile::PlayReport* report = nullptr);

}  // namespace vendaro
