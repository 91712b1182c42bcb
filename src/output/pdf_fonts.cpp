#include "output/pdf_fonts.h"

namespace vendaro {

namespace {

constexpr uint8_t kDefaultCharset = 1;
constexpr uint8_t kSymbolCharset = 2;

}  // namespace

uint8_t pdfFontStyles(const CanvasFont& font) {
  return static_cast<uint8_t>((font.bold ? kPdfFontBold : 0) | (font.italic ? kPdfFontItalic : 0) |
                              (font.charset == kSymbolCharset ? kPdfFontSymbolCharset : 0));
}

uint8_t PdfFontEntry::charset() const {
  return (styles & kPdfFontSymbolCharset) != 0 ? kSymbolCharset : kDefaultCharset;
}

int PdfFontList::numberFor(const std::string& faceName, uint8_t styles) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].styles == styles && entries_[i].faceName == faceName) {
      return static_cast<int>(i) + 1;
    }
  }
  entries_.push_back({faceName, styles, {}});
  return static_cast<int>(entries_.size());
}

}  // namespace vendaro
