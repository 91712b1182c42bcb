// font_file.cpp — reads a font file's design figures through FreeType.
#include "platform/font_file.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_TRUETYPE_TABLES_H
#include FT_TYPE1_TABLES_H

#include <algorithm>
#include <cctype>
#include <string_view>

namespace vendaro {
namespace {

bool selectCharmap(FT_Face face, FT_Encoding encoding) {
  if (face->charmap != nullptr && face->charmap->encoding == encoding) return true;
  return FT_Select_Charmap(face, encoding) == 0;
}

bool containsIgnoringCase(std::string_view text, std::string_view word) {
  auto it = std::search(text.begin(), text.end(), word.begin(), word.end(), [](char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
  });
  return it != text.end();
}

// The PANOSE serif style says it when the font fills it in; else the family
// name usually does ("Liberation Serif", "DejaVu Serif").
bool looksSerif(FT_Face face, const TT_OS2* os2) {
  if (os2 != nullptr && os2->panose[0] == 2 && os2->panose[1] >= 2) return os2->panose[1] <= 10;
  const std::string_view family = face->family_name != nullptr ? face->family_name : "";
  return containsIgnoringCase(family, "serif") && !containsIgnoringCase(family, "sans");
}

}  // namespace

struct FontFile::Key {};

void FontFile::FaceCloser::operator()(FT_FaceRec_* face) const { FT_Done_Face(face); }

FontFile::FontFile(Key) {}
FontFile::~FontFile() = default;

std::unique_ptr<FontFile> FontFile::open(FT_LibraryRec_* library, const std::string& path,
                                         int faceIndex) {
  FT_Face face = nullptr;
  if (FT_New_Face(library, path.c_str(), faceIndex, &face) != 0) return nullptr;
  auto file = std::make_unique<FontFile>(Key{});
  file->face_.reset(face);
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) return nullptr;
  file->readFigures();
  return file;
}

std::unique_ptr<FontFile> FontFile::lastResort() {
  auto file = std::make_unique<FontFile>(Key{});
  FontFigures& f = file->figures_;
  f.unitsPerEm = 1000;
  f.ascent = 800;
  f.descent = 200;
  f.averageWidth = f.maxAdvance = 500;
  f.capHeight = 700;
  f.bboxBottom = -200;
  f.bboxRight = 500;
  f.bboxTop = 800;
  f.fixedPitch = true;
  return file;
}

void FontFile::readFigures() {
  FT_Face face = face_.get();
  FontFigures& f = figures_;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const bool hasOs2 = os2 != nullptr && os2->version != 0xFFFF;

  f.unitsPerEm = face->units_per_EM;
  // GDI's cell: the Windows ascent and descent of the OS/2 table; fonts
  // without them (Type 1, old Mac fonts) have only the hhea figures.
  if (hasOs2 && os2->usWinAscent + os2->usWinDescent > 0) {
    f.ascent = os2->usWinAscent;
    f.descent = os2->usWinDescent;
  } else if (face->ascender - face->descender > 0) {
    f.ascent = face->ascender;
    f.descent = -face->descender;
  } else {
    f.ascent = static_cast<int>(face->bbox.yMax);
    f.descent = static_cast<int>(-face->bbox.yMin);
  }

  f.maxAdvance = face->max_advance_width;
  if (hasOs2 && os2->xAvgCharWidth > 0) {
    f.averageWidth = os2->xAvgCharWidth;
  } else {
    const uint32_t x = glyphForUnicode(U'x');
    f.averageWidth = x != 0 ? advance(x) : f.unitsPerEm / 2;
  }

  f.capHeight = hasOs2 && os2->version >= 2 ? os2->sCapHeight : 0;
  if (f.capHeight <= 0) {
    const uint32_t h = glyphForUnicode(U'H');
    if (h != 0 && FT_Load_Glyph(face, h, FT_LOAD_NO_SCALE) == 0) {
      f.capHeight = static_cast<int>(face->glyph->metrics.horiBearingY);
    }
  }
  if (f.capHeight <= 0) f.capHeight = f.ascent;

  PS_FontInfoRec psInfo;
  if (const auto* post = static_cast<const TT_Postscript*>(FT_Get_Sfnt_Table(face, FT_SFNT_POST))) {
    // 16.16 fixed point, rounded to whole degrees
    const FT_Fixed half = post->italicAngle < 0 ? -0x8000 : 0x8000;
    f.italicAngle = static_cast<int>((post->italicAngle + half) / 0x10000);
  } else if (FT_Get_PS_Font_Info(face, &psInfo) == 0) {
    f.italicAngle = static_cast<int>(psInfo.italic_angle);
  }

  f.bboxLeft = static_cast<int>(face->bbox.xMin);
  f.bboxBottom = static_cast<int>(face->bbox.yMin);
  f.bboxRight = static_cast<int>(face->bbox.xMax);
  f.bboxTop = static_cast<int>(face->bbox.yMax);
  f.fixedPitch = FT_IS_FIXED_WIDTH(face);
  f.serif = looksSerif(face, hasOs2 ? os2 : nullptr);

  for (int i = 0; i < face->num_charmaps; ++i) {
    if (face->charmaps[i]->encoding == FT_ENCODING_MS_SYMBOL) hasSymbolTable_ = true;
  }
  unicodeBeyondLatin1_ = false;
  if (selectCharmap(face, FT_ENCODING_UNICODE)) {
    FT_UInt glyph = 0;
    for (FT_ULong code = FT_Get_First_Char(face, &glyph); glyph != 0;
         code = FT_Get_Next_Char(face, code, &glyph)) {
      if (code > 0xFF) {
        unicodeBeyondLatin1_ = true;
        break;
      }
    }
  }
}

uint32_t FontFile::glyphForUnicode(char32_t code) {
  FT_Face face = face_.get();
  if (face == nullptr || !selectCharmap(face, FT_ENCODING_UNICODE)) return 0;
  return FT_Get_Char_Index(face, code);
}

uint32_t FontFile::glyphForSymbolByte(uint8_t byte) {
  FT_Face face = face_.get();
  if (face == nullptr || !selectCharmap(face, FT_ENCODING_MS_SYMBOL)) return 0;
  const uint32_t glyph = FT_Get_Char_Index(face, 0xF000 + byte);
  return glyph != 0 ? glyph : FT_Get_Char_Index(face, byte);
}

int FontFile::advance(uint32_t glyph) {
  FT_Face face = face_.get();
  if (face == nullptr) return figures_.averageWidth;
  // Unscaled advances come straight from the metrics table: no hinting, no
  // rounding, the same figures on every machine.
  FT_Fixed units = 0;
  if (FT_Get_Advance(face, glyph, FT_LOAD_NO_SCALE, &units) != 0) return 0;
  return static_cast<int>(units);
}

}  // namespace vendaro
