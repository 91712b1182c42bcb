// font_engine.h — finds the font file that stands in for a Windows face name
// (through fontconfig) and measures code page 1252 text with GDI semantics:
// height = ascent + descent, width = sum of whole-pixel glyph advances.
// Results depend only on the font files, never on screen hinting. Not
// thread-safe: the engine and its caches belong to the one program thread.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace vendaro {

// What a caller asks for: a Windows LOGFONT in the terms the program uses.
struct FontSpec {
  std::string faceName;   // as the document names it ("Arial", "Times New Roman", …)
  int pixelSize = 0;      // em height in pixels (GDI's negative lfHeight)
  bool bold = false;      // weight 700 instead of 400
  bool italic = false;
  uint8_t charset = 1;    // Windows character set; 2 (SYMBOL_CHARSET) keeps byte codes as glyph codes
};

// The font file chosen for a face, so that painters (Qt, PDF) draw with
// exactly the glyphs that were measured.
struct ResolvedFace {
  std::string filePath;
  int faceIndex = 0;        // index inside a collection file
  std::string familyName;   // family of the chosen file, e.g. "Liberation Sans"
  bool symbolEncoding = false;  // byte codes address the font's symbol range, not Latin letters
  bool syntheticBold = false;   // no bold file exists: emboldening is simulated
  bool syntheticItalic = false; // no italic file exists: slanting is simulated
};

// Vertical metrics in whole pixels at the requested size.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;          // positive, below the baseline
  int height = 0;           // ascent + descent
  int internalLeading = 0;  // height − pixelSize, never negative
  int averageCharWidth = 0;
  int maxCharWidth = 0;
};

// Metrics in font design units scaled to 1000 units per em, for the PDF
// font descriptors.
struct FontDesignMetrics {
  int ascent = 0;
  int descent = 0;          // negative, as PDF wants it
  int capHeight = 0;
  int italicAngle = 0;
  int bboxLeft = 0, bboxBottom = 0, bboxRight = 0, bboxTop = 0;
  bool fixedPitch = false;
  bool serif = false;
  bool symbolic = false;
  int widths[256] = {};     // advance of each code page 1252 byte (or symbol code)
};

class FontEngine {
 public:
  FontEngine();
  ~FontEngine();
  FontEngine(const FontEngine&) = delete;
  FontEngine& operator=(const FontEngine&) = delete;

  // The program-wide engine; its caches are shared by every document.
  static FontEngine& shared();

  ResolvedFace resolve(const std::string& faceName, bool bold, bool italic);
  FontMetrics metrics(const FontSpec& spec);
  // Whole-pixel advance of one byte of code page 1252 text.
  int charWidth(const FontSpec& spec, uint8_t ch);
  // Sum of the whole-pixel advances of every byte.
  int textWidth(const FontSpec& spec, std::string_view cp1252Text);
  FontDesignMetrics designMetrics(const std::string& faceName, bool bold, bool italic, uint8_t charset);
  // The Unicode character that the byte stands for in this face: code page
  // 1252 for text faces, the font's own symbol mapping for Symbol/Wingdings.
  char32_t unicodeFor(const FontSpec& spec, uint8_t ch);
  // The glyph of the resolved font file that was measured for the byte
  // (0 = the font's missing-glyph box), so that painters and the PDF writer
  // draw exactly that glyph even where the font has no Unicode entry for it.
  uint32_t glyphIndex(const FontSpec& spec, uint8_t ch);

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace vendaro
