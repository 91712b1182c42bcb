// qt_pictures.h — the document's pictures as Qt images. A bottom-up Windows
// bitmap is converted once and the result kept while its pixel rows are in
// use, so repainting a large picture costs only the drawing.
#pragma once

#include <QImage>
#include <QSize>

#include "platform/dib.h"

namespace vendaro {

// The picture as a 32-bit RGB image, top row first; a null image when the
// record holds no pixels or an inconsistent or unsupported bitmap.
QImage convertPicture(const TPictureRec& picture);

// The part `source` of the picture (in its pixels, top row first) sampled
// into an image of `size`: a picture far larger than where it is shown costs
// time and memory in proportion to the view, not to its own pixels.
QImage sampledPicture(const TPictureRec& picture, const QRectF& source, QSize size);

// convertPicture through a cache keyed by the shared pixel rows. The cache
// holds a reference to the rows, so a later write through mutablePixels()
// detaches them and the next call converts the changed picture afresh.
QImage pictureImage(const TPictureRec& picture);

// The picture smoothly reduced to `size`, kept beside the converted image so
// that repainting at the same zoom only copies pixels.
QImage reducedPictureImage(const TPictureRec& picture, QSize size);

}  // namespace vendaro
