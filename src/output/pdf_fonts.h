// pdf_fonts.h — the fonts of a PDF document: one entry per face name and
// style set, numbered from 1 in order of first use, and the font object that
// declares each one as a TrueType font in Windows ANSI encoding with the
// metrics and glyph widths the font engine measures at 72 pixels per inch.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/drawing_tools.h"

namespace vendaro {

class FontEngine;

enum PdfFontStyle : uint8_t {
  kPdfFontBold = 1,
  kPdfFontItalic = 2,
  kPdfFontUnderline = 4,
  kPdfFontStrikeOut = 8,
};

uint8_t pdfFontStyles(const CanvasFont& font);

struct PdfFontEntry {
  std::string faceName;
  uint8_t styles = 0;
};

class PdfFontList {
 public:
  // The 1-based number of the face and style set, appended when new. Face
  // names compare exactly, case included.
  int numberFor(const std::string& faceName, uint8_t styles);
  const std::vector<PdfFontEntry>& entries() const { return entries_; }
  void clear() { entries_.clear(); }

 private:
  std::vector<PdfFontEntry> entries_;
};

// The character codes every font object gives widths for.
constexpr int kPdfFirstChar = 32;
constexpr int kPdfLastChar = 255;

// The lines of a font object between "n 0 obj" and "endobj".
std::string pdfFontObjectBody(const PdfFontEntry& font, FontEngine& engine);

}  // namespace vendaro
