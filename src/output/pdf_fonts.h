// pdf_fonts.h — the fonts of a PDF document: one entry per face name, style
// and character set, numbered from 1 in order of first use, with the codes
// the pages show in it, so that only their glyphs are embedded.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_tools.h"

namespace vendaro {

// What selects a different font program. Underline and strike-out do not:
// the page draws their lines itself.
enum PdfFontStyle : uint8_t {
  kPdfFontBold = 1,
  kPdfFontItalic = 2,
  kPdfFontSymbolCharset = 4,  // bytes are glyph codes of a symbol font
};

uint8_t pdfFontStyles(const CanvasFont& font);

struct PdfFontEntry {
  std::string faceName;
  uint8_t styles = 0;
  std::array<bool, 256> used{};

  bool bold() const { return (styles & kPdfFontBold) != 0; }
  bool italic() const { return (styles & kPdfFontItalic) != 0; }
  uint8_t charset() const;
};

class PdfFontList {
 public:
  // The 1-based number of the face and style set, appended when new. Face
  // names compare exactly, case included.
  int numberFor(const std::string& faceName, uint8_t styles);
  PdfFontEntry& entry(int number) { return entries_[static_cast<size_t>(number) - 1]; }
  const std::vector<PdfFontEntry>& entries() const { return entries_; }
  void clear() { entries_.clear(); }

 private:
  std::vector<PdfFontEntry> entries_;
};

// The character codes every font object gives widths for.
constexpr int kPdfFirstChar = 32;
constexpr int kPdfLastChar = 255;

}  // namespace vendaro
