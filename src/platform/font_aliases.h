// font_aliases.h — the installed family that stands in for each Windows face
// name documents use, chosen for matching widths first and looks second.
// Faces not listed go to fontconfig's own matching.
#pragma once

#include <string_view>
#include <vector>

#include "platform/symbol_fonts.h"

namespace vendaro {

struct FaceAlias {
  std::string_view windowsName;
  std::string_view family;  // fontconfig family of the stand-in
  bool heavy = false;       // the stand-in's bold file serves even the regular face
  SymbolTable symbols = SymbolTable::None;
};

// The alias for a face name, compared without regard to ASCII case and
// surrounding blanks; nullptr when the face has none.
const FaceAlias* findFaceAlias(std::string_view faceName);
// The Windows face names the table knows, in table order: font lists offer
// them beside the installed families, since documents name these faces.
std::vector<std::string_view> aliasedFaceNames();

}  // namespace vendaro
