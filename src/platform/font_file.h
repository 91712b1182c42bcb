// font_file.h — one opened font file: its glyph lookup and the design
// figures (in font units) that FontEngine measures with — GDI's ascent and
// descent, advances, cap height, bounding box, pitch and serif flags.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

struct FT_FaceRec_;
struct FT_LibraryRec_;

namespace vendaro {

struct FontFigures {
  int unitsPerEm = 1000;
  int ascent = 0;         // above the baseline, as GDI counts it
  int descent = 0;        // below the baseline, positive
  int averageWidth = 0;
  int maxAdvance = 0;
  int capHeight = 0;
  int italicAngle = 0;    // degrees, negative when leaning right
  int bboxLeft = 0, bboxBottom = 0, bboxRight = 0, bboxTop = 0;
  bool fixedPitch = false;
  bool serif = false;
};

class FontFile {
 public:
  // nullptr when FreeType cannot open the file or it is not scalable.
  static std::unique_ptr<FontFile> open(FT_LibraryRec_* library, const std::string& path,
                                        int faceIndex);
  // Fixed proportions for a system without any usable font, so that
  // measuring never fails and never divides by zero.
  static std::unique_ptr<FontFile> lastResort();

  struct Key;  // keeps construction to open() and lastResort()
  explicit FontFile(Key);
  ~FontFile();
  FontFile(const FontFile&) = delete;
  FontFile& operator=(const FontFile&) = delete;

  const FontFigures& figures() const { return figures_; }
  // Glyph lookups; 0 is the missing-glyph box.
  uint32_t glyphForUnicode(char32_t code);
  // Through a Microsoft symbol table (codes U+F020…U+F0FF or the bare byte).
  uint32_t glyphForSymbolByte(uint8_t byte);
  bool hasSymbolTable() const { return hasSymbolTable_; }
  // False for symbol fonts whose Unicode table merely lists byte codes.
  bool unicodeBeyondLatin1() const { return unicodeBeyondLatin1_; }
  // Advance in font units.
  int advance(uint32_t glyph);

 private:
  void readFigures();

  struct FaceCloser {
    void operator()(FT_FaceRec_* face) const;
  };
  std::unique_ptr<FT_FaceRec_, FaceCloser> face_;
  FontFigures figures_;
  bool hasSymbolTable_ = false;
  bool unicodeBeyondLatin1_ = true;
};

}  // namespace vendaro
