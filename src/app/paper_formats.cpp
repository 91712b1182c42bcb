#include "app/paper_formats.h"

#include <QPageSize>
#include <QPrinterInfo>
#include <QSizeF>

#include <cmath>

namespace vendaro {
namespace {

// Edits show hundredths of a centimetre; sizes within half of that match.
constexpr double kSizeTolerance = 0.005;

bool sameSize(double a, double b) { return std::fabs(a - b) < kSizeTolerance; }

}  // namespace

const std::vector<PaperFormat>& fixedPaperFormats() {
  static const std::vector<PaperFormat> formats = {
      {"A0", 8410, 11890}, {"A1", 5940, 8410}, {"A2", 4200, 5940}, {"A3", 2970, 4200}, {"A4", 2100, 2970},
      {"A5", 1480, 2100},  {"A6", 1050, 1480}, {"B0", 10000, 14140}, {"B1", 7070, 10000}, {"B2", 5000, 7070},
      {"B3", 3530, 5000},  {"B4", 2500, 3530}, {"B5", 1760, 2500},  {"B6", 1250, 1760}, {"Letter", 2159, 2794},
      {"Legal", 2159, 3556},
  };
  return formats;
}

std::vector<PaperFormat> printerPaperFormats() {
  const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
  std::vector<PaperFormat> formats;
  if (!printer.isNull()) {
    for (const QPageSize& size : printer.supportedPageSizes()) {
      const QSizeF mm = size.size(QPageSize::Millimeter);
      const auto tenths = [](double v) { return static_cast<int32_t>(std::lround(v * 10.0)); };
      if (mm.width() <= 0 || mm.height() <= 0) continue;
      formats.push_back({size.name().toStdString(), tenths(mm.width()), tenths(mm.height())});
    }
  }
  if (formats.empty()) formats = fixedPaperFormats();
  return formats;
}

size_t paperIndexForSize(const std::vector<PaperFormat>& formats, double widthCm, double heightCm, bool landscape) {
  for (size_t i = 0; i < formats.size(); ++i) {
    double w = formats[i].width / 100.0, h = formats[i].height / 100.0;
    if (landscape) std::swap(w, h);
    if (sameSize(w, widthCm) && sameSize(h, heightCm)) return i;
  }
  return formats.size();
}

}  // namespace vendaro
