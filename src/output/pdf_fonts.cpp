#include "output/pdf_fonts.h"

#include <cmath>

#include "output/pdf_format.h"
#include "platform/font_engine.h"

namespace vendaro {

namespace {

// Fonts are measured at 12 pixels per em, so one em is 12 units and a
// measured value v is v × 1000 / 12 thousandths of an em.
constexpr int kMeasureSize = 12;
constexpr double kThousandthsPerUnit = 1000.0 / kMeasureSize;
constexpr uint8_t kDefaultCharset = 1;

long long toThousandths(int value) {
  return static_cast<long long>(std::nearbyint(value * kThousandthsPerUnit));
}

void appendValue(std::string& out, std::string_view key, long long value) {
  out += key;
  appendInt(out, value);
}

// Every face the engine picks is an outline font, so the descriptor always
// carries the design box and vertical metrics (in thousandths of an em
// already). The italic angle is in degrees, as PDF wants it.
void appendDescriptor(std::string& out, const FontSpec& spec, FontEngine& engine) {
  const FontDesignMetrics design =
      engine.designMetrics(spec.faceName, spec.bold, spec.italic, spec.charset);
  out += "/FontDescriptor <</Type/FontDescriptor\n";
  appendValue(out, "/FontBBox[", design.bboxLeft);
  appendValue(out, " ", design.bboxBottom);
  appendValue(out, " ", design.bboxRight);
  appendValue(out, " ", design.bboxTop);
  appendValue(out, "]\n/Flags 4/Ascent ", design.ascent);
  appendValue(out, "/Descent ", design.descent);
  appendValue(out, "/ItalicAngle ", design.italicAngle);
  out += ">>\n";
}

}  // namespace

uint8_t pdfFontStyles(const CanvasFont& font) {
  return static_cast<uint8_t>((font.bold ? kPdfFontBold : 0) | (font.italic ? kPdfFontItalic : 0) |
                              (font.underline ? kPdfFontUnderline : 0) |
                              (font.strikeOut ? kPdfFontStrikeOut : 0));
}

int PdfFontList::numberFor(const std::string& faceName, uint8_t styles) {
  for (size_t i = 0; i < entries_.size(); ++i) {
    if (entries_[i].styles == styles && entries_[i].faceName == faceName) {
      return static_cast<int>(i) + 1;
    }
  }
  entries_.push_back({faceName, styles});
  return static_cast<int>(entries_.size());
}

std::string pdfFontObjectBody(const PdfFontEntry& font, FontEngine& engine) {
  FontSpec spec;
  spec.faceName = font.faceName;
  spec.pixelSize = kMeasureSize;
  spec.bold = (font.styles & kPdfFontBold) != 0;
  spec.italic = (font.styles & kPdfFontItalic) != 0;
  spec.charset = kDefaultCharset;

  std::string out = "<<\n/Type /Font\n/Subtype /TrueType\n/Encoding /WinAnsiEncoding\n/BaseFont /";
  out += escapeFaceName(font.faceName);
  if (spec.bold && spec.italic) {
    out += ",BoldItalic";
  } else if (spec.italic) {
    out += ",Italic";
  } else if (spec.bold) {
    out += ",Bold";
  }
  out += '\n';
  appendDescriptor(out, spec, engine);
  appendValue(out, "/FirstChar ", kPdfFirstChar);
  appendValue(out, "\n/LastChar ", kPdfLastChar);
  out += "\n/Widths [";
  for (int code = kPdfFirstChar; code <= kPdfLastChar; ++code) {
    appendInt(out, toThousandths(engine.charWidth(spec, static_cast<uint8_t>(code))));
    out += ' ';
  }
  out += "]\n>>\n";
  return out;
}

}  // namespace vendaro
