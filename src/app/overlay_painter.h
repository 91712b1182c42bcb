// overlay_painter.h — draws the view overlay (guide lines, rubber bands,
// outlines of a drag) over the page view's composed image, and tells which
// part of the view it covers so that only that part is drawn again.
#pragma once

#include <QPoint>
#include <QRegion>
#include <QSize>

#include "layout/view_overlay.h"

class QPainter;

namespace vendaro {

// `scroll` is the paint-box pixel at the view's top-left corner.
void drawOverlay(QPainter& painter, const ViewOverlay& overlay, QPoint scroll, QSize view);
QRegion overlayRegion(const ViewOverlay& overlay, QPoint scroll, QSize view);

}  // namespace vendaro
