// poster_plan.h — how one page is cut into printer sheets: the poster's size
// in printer pixels, the step between sheets, the row-by-row walk, each
// sheet's rectangle and its cut and glue lines. Pure geometry; printing it
// is poster_printing.h's work.
#pragma once

#include <string>
#include <vector>

#include "platform/drawing_tools.h"

namespace vendaro {

// The poster dialog's settings; the defaults are the dialog's.
struct PosterSettings {
  bool glueLines = true;     // "Klebelinen": along the right and bottom edge
  bool cutLines = true;      // "Schneidelinen": along the top and left edge
  bool noEdgeLines = true;   // "Keine Linen am Posterrand"
  bool glueMargin = true;    // "5 % Kleberand lassen": sheets overlap by 5 %
  bool allSheets = true;     // "Alle Seiten drucken", else "Eine Seite drucken"
  int column = 0;            // "X-Position:", 0-based
  int row = 0;               // "Y-Position:", 0-based

  bool operator==(const PosterSettings&) const = default;
};

struct PixelSize {
  int width = 0;
  int height = 0;
};

// One line of a cut or glue pair, in sheet pixels; the end point is not
// drawn, as with every canvas line.
struct SheetLine {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
  PenStyle style = PenStyle::solid;

  bool operator==(const SheetLine&) const = default;
};

// A printed sheet: the poster's pixel (x, y) lands at the sheet's top-left
// corner.
struct PosterSheet {
  int x = 0, y = 0;
  int column = 0, row = 0;
  // Inclusive pixel edges of the part of the sheet that belongs to it; the
  // rest is overlap shared with the next sheet.
  CanvasRect rect;
  bool lastColumn = false, lastRow = false;
  std::vector<SheetLine> lines;
};

struct PosterPlan {
  PixelSize poster;        // W × H
  PixelSize sheet;         // SW × SH: the printable area, or the paper
  PixelSize step;          // DX × DY
  // The page fits the paper: one sheet, placed on the paper as designed.
  bool fullPage = false;
  int columns = 0;         // of the last row
  int rows = 0;
  std::vector<PosterSheet> sheets;  // the printed ones, in printing order
};

// A page no larger than the paper (within this tolerance) is not tiled.
inline constexpr double kFullPageToleranceMm = 0.5;

// Cuts a page of pageWidthMm × pageHeightMm into sheets of a printer with
// `dpi` pixels per inch, `printable` its printable area and `paper` the
// whole sheet, both in its pixels. The step and the lines follow `settings`
// as they are; printing switches the glue lines on first when the sheets
// overlap (see printPoster).
PosterPlan planPoster(double pageWidthMm, double pageHeightMm, int dpi, PixelSize printable, PixelSize paper,
                      const PosterSettings& settings);

// "Es wurden 4 Seiten von 2 x 2 Seiten zum Drucker gesendet!"
std::string posterReport(int printedSheets, int columns, int rows);

}  // namespace vendaro
