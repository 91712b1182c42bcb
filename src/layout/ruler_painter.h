// ruler_painter.h — draws the horizontal ruler (column, 5 mm ticks,
// centimetre numbers, indent markers, tab stops), the vertical ruler (the
// frame's text height) and the tab-kind selector onto any Canvas.
#pragma once

#include <cstdint>

#include "layout/paint_state.h"
#include "layout/ruler_markers.h"
#include "platform/canvas.h"
#include "platform/font_engine.h"

namespace vendaro {

// The band behind the ticks, RGB(172, 168, 153).
inline constexpr uint32_t kRulerBandColor = 0x99A8AC;

// `face` is the system's button-face colour (0x00BBGGRR). Without markers
// to show (no geometry, no column width) only the band is drawn.
void PaintBox3Paint(Canvas& canvas, FontEngine& fonts, int width, int height, const RulerMarkers& markers,
                    uint32_t face);
void PaintBox4Paint(Canvas& canvas, FontEngine& fonts, int width, int height, const RulerGeometry& geometry,
                    uint32_t face);
void PaintBox2Paint(Canvas& canvas, int width, int height, int32_t tabKind, uint32_t face);

}  // namespace vendaro
