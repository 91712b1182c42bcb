#include "output/pdf_poster_printer.h"

#include <cmath>
#include <utility>

#include "document/records.h"
#include "editing/editor.h"
#include "output/pdf_page_painter.h"

namespace vendaro {
namespace {

constexpr int kPointsPerInch = 72;
constexpr char kNotCreatedMessage[] = "Die PDF-Datei konnte nicht erstellt werden!";

int toPoints(double mm) { return static_cast<int>(std::lround(mm / kMmPerInch * kPointsPerInch)); }

}  // namespace

PdfPosterPrinter::PdfPosterPrinter(std::filesystem::path target, FontEngine& fonts, double paperWidthMm,
                                   double paperHeightMm, double marginMm)
    : target_(std::move(target)),
      canvas_(fonts),
      paper_{toPoints(paperWidthMm), toPoints(paperHeightMm)},
      margin_(toPoints(marginMm)) {
  canvas_.PageWidthPt = paper_.width;
  canvas_.PageHeightPt = paper_.height;
}

int PdfPosterPrinter::resolution() const { return kPointsPerInch; }

PixelSize PdfPosterPrinter::printableSize() const {
  return {paper_.width - 2 * margin_, paper_.height - 2 * margin_};
}

bool PdfPosterPrinter::begin(const std::string& /*title*/, bool fullPage) {
  const int inset = fullPage ? 0 : margin_;
  const PixelSize sheet = fullPage ? paper_ : printableSize();
  sheetArea_ = {inset, inset, inset + sheet.width, inset + sheet.height};
  return canvas_.BeginDoc(target_);
}

bool PdfPosterPrinter::newPage() {
  canvas_.NewPage();
  return !canvas_.error();
}

bool PdfPosterPrinter::end() { return canvas_.EndDoc(); }

// Only a failed write ends a job early, and a failed file is never
// committed: ending it throws it away.
void PdfPosterPrinter::abort() { canvas_.EndDoc(); }

std::string PdfPosterPrinter::failureMessage() const { return kNotCreatedMessage; }

void PdfPosterPrinter::drawSheet(Editor& editor, const PosterSheet& sheet) {
  const int left = sheetArea_.left;
  const int top = sheetArea_.top;
  DrawPagesPDF(canvas_, editor.doc(), 0, left - sheet.x, top - sheet.y, sheetArea_);
  for (const SheetLine& line : sheet.lines) {
    canvas_.Pen = CanvasPen{line.style, 1, 0x000000};
    canvas_.MoveTo(left + line.x1, top + line.y1);
    canvas_.LineTo(left + line.x2, top + line.y2);
  }
}

}  // namespace vendaro
