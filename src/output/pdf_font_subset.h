// pdf_font_subset.h — cuts the glyphs a PDF font uses out of its font file
// with HarfBuzz's subsetter. TrueType outlines come back as a complete font
// file with a character map of the caller's choosing; CFF outlines as the
// bare CFF program with the names of the glyphs kept.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vendaro {

struct FontSubsetRequest {
  std::string filePath;
  int faceIndex = 0;
  // The glyph of the original file each code shows (0 = not used).
  std::array<uint32_t, 256> glyphs{};
  std::array<bool, 256> used{};
  // TrueType only: the 'cmap' keys that lead a viewer from a code to its
  // glyph (Unicode characters, or 0xF000 + code with `symbolCmap`). Where
  // two codes name the same key, the earlier one keeps it.
  struct CmapKey {
    uint8_t code;
    char32_t key;
  };
  std::vector<CmapKey> cmapKeys;
  bool symbolCmap = false;
};

enum class FontProgramKind { trueType, cff };

struct FontSubset {
  FontProgramKind kind = FontProgramKind::trueType;
  std::string program;
  std::string postScriptName;
  // CFF only: the name of each used code's glyph in the program.
  std::array<std::string, 256> glyphNames;
};

// Empty when the file cannot be read or subset, or holds neither TrueType
// nor name-keyed CFF outlines.
std::optional<FontSubset> subsetFont(const FontSubsetRequest& request);

}  // namespace vendaro
