#include "output/poster_plan.h"

#include <algorithm>
#include <cmath>

#include "document/records.h"

namespace vendaro {
namespace {

// The overlap leaves 5 % of each sheet for glueing onto its neighbour.
constexpr int kOverlapStepPercent = 95;

int toPixels(double mm, int dpi) { return static_cast<int>(std::lround(mm / kMmPerInch * dpi)); }

bool fitsOnPaper(double pageWidthMm, double pageHeightMm, int dpi, PixelSize paper) {
  const double paperWidthMm = static_cast<double>(paper.width) / dpi * kMmPerInch;
  const double paperHeightMm = static_cast<double>(paper.height) / dpi * kMmPerInch;
  return pageWidthMm <= paperWidthMm + kFullPageToleranceMm && pageHeightMm <= paperHeightMm + kFullPageToleranceMm;
}

int stepOf(int sheetSize, bool overlap) {
  // A sheet too small to step by 95 % of it still moves on by a pixel.
  return overlap ? std::max(1, sheetSize * kOverlapStepPercent / 100) : sheetSize;
}

// A horizontal or vertical pair of adjacent 1-pixel lines.
void addHorizontalPair(std::vector<SheetLine>& lines, int y1, int y2, const CanvasRect& r, PenStyle style) {
  lines.push_back({r.left, y1, r.right, y1, style});
  lines.push_back({r.left, y2, r.right, y2, style});
}

void addVerticalPair(std::vector<SheetLine>& lines, int x1, int x2, const CanvasRect& r, PenStyle style) {
  lines.push_back({x1, r.top, x1, r.bottom, style});
  lines.push_back({x2, r.top, x2, r.bottom, style});
}

// Cut lines (dotted) along the top and left edge, glue lines (dash-dot)
// inside the right and bottom edge; the poster's own outer edges carry
// none when the settings say so.
std::vector<SheetLine> sheetLines(const PosterSheet& sheet, const PosterSettings& settings) {
  std::vector<SheetLine> lines;
  const CanvasRect& r = sheet.rect;
  const bool skipEdges = settings.noEdgeLines;
  if (settings.cutLines) {
    if (!(skipEdges && sheet.y == 0)) addHorizontalPair(lines, r.top, r.top + 1, r, PenStyle::dot);
    if (!(skipEdges && sheet.x == 0)) addVerticalPair(lines, r.left, r.left + 1, r, PenStyle::dot);
  }
  if (settings.glueLines) {
    if (!(skipEdges && sheet.lastRow)) addHorizontalPair(lines, r.bottom - 1, r.bottom - 2, r, PenStyle::dashDot);
    if (!(skipEdges && sheet.lastColumn)) addVerticalPair(lines, r.right - 1, r.right - 2, r, PenStyle::dashDot);
  }
  return lines;
}

bool isPrinted(int column, int row, const PosterSettings& settings) {
  return settings.allSheets || (column == settings.column && row == settings.row);
}

// Rows from the top while the poster goes on, columns from the left within
// each; a sheet where the poster ends (its last pixel within the sheet, or
// exactly at its edge) is the last of its row or column and the walk moves
// on by a whole sheet, which ends it.
void walkSheets(PosterPlan& plan, const PosterSettings& settings) {
  const PixelSize& size = plan.poster;
  const PixelSize& sheet = plan.sheet;
  int row = 0;
  int columns = 0;
  for (int y = 0; y < size.height; ++row) {
    const bool lastRow = size.height <= sheet.height + y;
    int column = 0;
    for (int x = 0; x < size.width; ++column) {
      const bool lastColumn = size.width <= sheet.width + x;
      if (isPrinted(column, row, settings)) {
        PosterSheet printed{x, y, column, row, {0, 0, plan.step.width - 1, plan.step.height - 1}, lastColumn, lastRow, {}};
        if (lastColumn) printed.rect.right = sheet.width - 1;
        if (lastRow) printed.rect.bottom = sheet.height - 1;
        printed.lines = sheetLines(printed, settings);
        plan.sheets.push_back(std::move(printed));
      }
      x += lastColumn ? sheet.width : plan.step.width;
    }
    columns = column;
    y += lastRow ? sheet.height : plan.step.height;
  }
  plan.columns = columns;
  plan.rows = row;
}

}  // namespace

PosterPlan planPoster(double pageWidthMm, double pageHeightMm, int dpi, PixelSize printable, PixelSize paper,
                      const PosterSettings& settings) {
  PosterPlan plan;
  plan.poster = {toPixels(pageWidthMm, dpi), toPixels(pageHeightMm, dpi)};
  plan.fullPage = fitsOnPaper(pageWidthMm, pageHeightMm, dpi, paper);
  plan.sheet = plan.fullPage ? paper : printable;
  if (plan.sheet.width <= 0 || plan.sheet.height <= 0 || plan.poster.width <= 0 || plan.poster.height <= 0)
    return plan;
  if (plan.fullPage) {
    // Within the tolerance the page may stand out by a pixel or two; it is
    // still one sheet, and the paper's edge is the sheet's.
    plan.poster = {std::min(plan.poster.width, paper.width), std::min(plan.poster.height, paper.height)};
  }
  plan.step = {stepOf(plan.sheet.width, settings.glueMargin), stepOf(plan.sheet.height, settings.glueMargin)};
  walkSheets(plan, settings);
  return plan;
}

std::string posterReport(int printedSheets, int columns, int rows) {
  return "Es wurden " + std::to_string(printedSheets) + " Seiten von " + std::to_string(columns) + " x " +
         std::to_string(rows) + " Seiten zum Drucker gesendet!";
}

}  // namespace vendaro
