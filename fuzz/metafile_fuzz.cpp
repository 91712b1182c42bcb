// metafile_fuzz.cpp — plays arbitrary bytes as a WMF or EMF picture onto a
// recording-free null surface and onto a small raster of the program's own
// making, then through the picture conversion without a raster target.
#include <cstddef>
#include <cstdint>
#include <span>

#include "formats/metafile_picture.h"
#include "formats/metafile_player.h"
#include "platform/null_canvas.h"

namespace {

// A surface that walks every path it is handed, as a raster would.
class WalkingCanvas final : public vendaro::NullCanvas {
 public:
  WalkingCanvas() : NullCanvas(96) {}
  void drawPath(const vendaro::CanvasPath& path, bool, bool) override {
    for (const auto& figure : path.flattened()) points += figure.points.size();
  }
  void clipPath(const vendaro::CanvasPath& path, vendaro::ClipCombine) override { points += path.points().size(); }
  size_t points = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vendaro;
  const std::span<const uint8_t> bytes(data, size);
  const auto header = metafile::readHeader(bytes);
  if (!header) return 0;
  WalkingCanvas canvas;
  const metafile::PlayReport report = metafile::play(bytes, *header, canvas, FontEngine::shared(), {0, 0, 64, 48});
  if (report.records > kMaxMetafileRecords) __builtin_trap();
  TPictureRec picture;
  if (metafileToPicture(bytes, FontEngine::shared(), nullptr, picture) && !picture.hasPixels()) __builtin_trap();
  const PixelSize pixels = metafilePixelSize(bytes);
  if (int64_t{pixels.width} * pixels.height > kMetafileMaxPixels) __builtin_trap();
  return 0;
}
