#include "formats/metafile_picture.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "formats/metafile_bitmaps.h"
#include "formats/metafile_painter.h"
#include "platform/null_canvas.h"

namespace vendaro {
namespace {

using metafile::Header;
using metafile::Kind;
using metafile::RecordRole;

constexpr double kTwipsPerInch = 1440;
// A WMF that names no size is taken to count in twips, as the mapping
// mode RTF and Word give most pictures does.
constexpr double kDefaultUnitsPerInch = 1440;

// The picture's size in inches, from the document or the file.
std::pair<double, double> displayInches(std::span<const uint8_t> bytes, const Header& header,
                                        const MetafileDisplaySize& display) {
  if (display.widthTwips > 0 && display.heightTwips > 0) {
    return {display.widthTwips / kTwipsPerInch, display.heightTwips / kTwipsPerInch};
  }
  if (header.kind == Kind::emf) {
    const double width = header.frame.width() / 2540.0, height = header.frame.height() / 2540.0;
    if (width > 0 && height > 0) return {width, height};
    const double perInchX = header.devicePixelsX > 0 && header.deviceMillimetresX > 0
                                ? header.devicePixelsX * 25.4 / header.deviceMillimetresX : 96;
    const double perInchY = header.devicePixelsY > 0 && header.deviceMillimetresY > 0
                                ? header.devicePixelsY * 25.4 / header.deviceMillimetresY : 96;
    return {(header.bounds.width() + 1) / perInchX, (header.bounds.height() + 1) / perInchY};
  }
  if (header.placeableBounds && header.unitsPerInch > 0) {
    return {std::abs(header.placeableBounds->width()) / double(header.unitsPerInch),
            std::abs(header.placeableBounds->height()) / double(header.unitsPerInch)};
  }
  double width = 0, height = 0;
  metafile::walkRecords(bytes, header, [&](const metafile::Record& record) {
    if (record.type != 0x020C || width != 0 || record.params.size() < 4) return;
    height = std::abs(int16_t(record.params[0] | record.params[1] << 8));
    width = std::abs(int16_t(record.params[2] | record.params[3] << 8));
  });
  return {width / kDefaultUnitsPerInch, height / kDefaultUnitsPerInch};
}

// The one bitmap of a metafile that draws nothing else, at its own size.
std::optional<TPictureRec> onlyBitmap(std::span<const uint8_t> bytes, const Header& header, FontEngine& fonts) {
  uint32_t bitmaps = 0;
  bool other = false;
  metafile::walkRecords(bytes, header, [&](const metafile::Record& record) {
    const RecordRole role = header.kind == Kind::wmf ? metafile::wmfRecordRole(record.type)
                                                     : metafile::emfRecordRole(record.type);
    if (role == RecordRole::bitmap) ++bitmaps;
    if (role == RecordRole::drawing) other = true;
  });
  if (bitmaps != 1 || other) return std::nullopt;
  // Played onto a surface that keeps the picture it is handed.
  struct Catcher final : NullCanvas {
    Catcher() : NullCanvas(96) {}
    void drawPicture(const CanvasRect&, const TPictureRec& picture) override { caught = picture; }
    void blendPicture(const CanvasRect&, const TPictureRec&, PictureBlend) override { blended = true; }
    std::optional<TPictureRec> caught;
    bool blended = false;
  } catcher;
  metafile::play(bytes, header, catcher, fonts, {0, 0, 1000, 1000});
  if (catcher.blended) return std::nullopt;
  return std::move(catcher.caught);
}

}  // namespace

PixelSize metafilePixelSize(std::span<const uint8_t> bytes, const MetafileDisplaySize& display) {
  const std::optional<Header> header = metafile::readHeader(bytes);
  if (!header) return {};
  auto [inchesX, inchesY] = displayInches(bytes, *header, display);
  double width = std::max(1.0, std::round(inchesX * kMetafileDpi));
  double height = std::max(1.0, std::round(inchesY * kMetafileDpi));
  if (!std::isfinite(width) || !std::isfinite(height)) return {1, 1};
  if (width * height > kMetafileMaxPixels) {
    const double shrink = std::sqrt(kMetafileMaxPixels / (width * height));
    width = std::max(1.0, std::floor(width * shrink));
    height = std::max(1.0, std::floor(height * shrink));
    // A side that would shrink below one pixel keeps one; the other gives way.
    width = std::min(width, std::floor(kMetafileMaxPixels / height));
    height = std::min(height, std::floor(kMetafileMaxPixels / width));
  }
  return {metafile::clampCoordinate(std::min<double>(width, kMetafileMaxPixels)),
          metafile::clampCoordinate(std::min<double>(height, kMetafileMaxPixels))};
}

bool metafileToPicture(std::span<const uint8_t> bytes, FontEngine& fonts, RasterTarget* raster, TPictureRec& out,
                       const MetafileDisplaySize& display, metafile::PlayReport* report) {
  const std::optional<Header> header = metafile::readHeader(bytes);
  if (!header) return false;
  if (std::optional<TPictureRec> bitmap = onlyBitmap(bytes, *header, fonts)) {
    out = std::move(*bitmap);
    return true;
  }
  if (raster == nullptr) return false;
  const PixelSize size = metafilePixelSize(bytes, display);
  metafile::PlayReport played;
  const bool drawn = raster->render(size.width, size.height, kMetafileDpi, [&](Canvas& canvas) {
    played = metafile::play(bytes, *header, canvas, fonts, {0, 0, size.width, size.height});
  }, out);
  if (report != nullptr) *report = std::move(played);
  return drawn;
}

}  // namespace vendaro
