// raster_target.h — a surface the host lends the core for drawing pictures
// into pixels (metafiles): the core paints on a Canvas, the host's surface
// turns the result into a device-independent bitmap. Without one, such
// pictures cannot be made.
#pragma once

#include <functional>

#include "platform/canvas.h"
#include "platform/dib.h"

namespace vendaro {

class RasterTarget {
 public:
  virtual ~RasterTarget() = default;
  // Paints through `paint` on a white surface of width × height pixels at
  // `dpi` and yields it as a 24-bit bottom-up bitmap. False when the
  // surface cannot be had (size, memory).
  virtual bool render(int width, int height, int dpi, const std::function<void(Canvas&)>& paint, TPictureRec& out) = 0;
};

}  // namespace vendaro
