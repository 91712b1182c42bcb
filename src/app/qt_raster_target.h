// qt_raster_target.h — the raster target the front end lends the core: a
// white QImage painted through a QtCanvas and handed back as a 24-bit
// device-independent bitmap, so pictures look as the screen draws them.
#pragma once

#include "platform/raster_target.h"

namespace vendaro {

class FontEngine;

class QtRasterTarget final : public RasterTarget {
 public:
  explicit QtRasterTarget(FontEngine& fonts) : fonts_(fonts) {}
  bool render(int width, int height, int dpi, const std::function<void(Canvas&)>& paint, TPictureRec& out) override;

 private:
  FontEngine& fonts_;
};

// Lends the program's own target to the program services (window program
// and --render-png alike).
void installRasterTarget();

}  // namespace vendaro
