// pdf_poster_printer.h — a poster printer without a printer: each sheet is a
// page of one PDF file, drawn by the PDF page painter moved to the sheet's
// part of the page and held inside the sheet's printable area (the paper
// less a margin). Its pixels are points.
#pragma once

#include <filesystem>
#include <string>

#include "output/pdf_canvas.h"
#include "output/poster_printing.h"

namespace vendaro {

class FontEngine;

class PdfPosterPrinter final : public PosterPrinter {
 public:
  PdfPosterPrinter(std::filesystem::path target, FontEngine& fonts, double paperWidthMm, double paperHeightMm,
                   double marginMm);

  int resolution() const override;
  PixelSize printableSize() const override;
  PixelSize paperSize() const override { return paper_; }
  bool begin(const std::string& title, bool fullPage) override;
  bool newPage() override;
  bool end() override;
  void abort() override;
  std::string failureMessage() const override;
  void drawSheet(Editor& editor, const PosterSheet& sheet) override;

 private:
  std::filesystem::path target_;
  TPDFCanvas canvas_;
  PixelSize paper_;
  int margin_;
  // Where the current job's sheets lie on each PDF page.
  CanvasRect sheetArea_;
};

}  // namespace vendaro
