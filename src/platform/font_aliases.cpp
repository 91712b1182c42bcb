// font_aliases.cpp — the table of Windows faces and their stand-ins. Only
// families of the packages the set-up script installs are named here
// (fonts-liberation, fonts-dejavu-core, fonts-urw-base35, fonts-opensymbol).
#include "platform/font_aliases.h"

#include <algorithm>
#include <array>

namespace vendaro {
namespace {

constexpr std::array kAliases = {
    // Metric twins: same advance widths, so lines break where Windows breaks them.
    FaceAlias{"Arial", "Liberation Sans"},
    FaceAlias{"Arial Narrow", "Liberation Sans Narrow"},
    FaceAlias{"Helvetica", "Liberation Sans"},  // Arial was drawn to Helvetica's widths
    FaceAlias{"Times New Roman", "Liberation Serif"},
    FaceAlias{"Times", "Liberation Serif"},  // Times New Roman shares Times' widths
    FaceAlias{"Courier New", "Liberation Mono"},
    FaceAlias{"Courier", "Liberation Mono"},  // same 0.6 em cell as Courier New

    // Windows' dialog and UI sans faces have no twin here; their Latin widths
    // lie closest to Arial's among what is installed.
    FaceAlias{"Microsoft Sans Serif", "Liberation Sans"},
    FaceAlias{"MS Sans Serif", "Liberation Sans"},
    FaceAlias{"MS Shell Dlg", "Liberation Sans"},
    FaceAlias{"MS Shell Dlg 2", "Liberation Sans"},
    FaceAlias{"Tahoma", "Liberation Sans"},  // narrow lower case, nearer Arial than DejaVu
    FaceAlias{"Segoe UI", "Liberation Sans"},
    FaceAlias{"Calibri", "Liberation Sans"},  // its twin Carlito is not part of our set
    FaceAlias{"Trebuchet MS", "Liberation Sans"},
    // DejaVu descends from Bitstream Vera, which has Verdana's wide
    // proportions and large x-height.
    FaceAlias{"Verdana", "DejaVu Sans"},

    // Arial Black has no metric twin. DejaVu Sans Bold is the heaviest and
    // widest sans of our set, so headlines keep roughly their weight and
    // length; its bold file is used for the regular face too.
    FaceAlias{"Arial Black", "DejaVu Sans", true},

    FaceAlias{"MS Serif", "Liberation Serif"},
    FaceAlias{"Cambria", "Liberation Serif"},  // its twin Caladea is not part of our set
    FaceAlias{"Georgia", "DejaVu Serif"},      // wide with a large x-height, like Georgia
    FaceAlias{"Lucida Console", "DejaVu Sans Mono"},  // a sans mono with the same 0.6 em cell
    FaceAlias{"Consolas", "DejaVu Sans Mono"},

    // Monotype's versions of the classic PostScript designs; URW's clones of
    // those designs keep their widths.
    FaceAlias{"Book Antiqua", "P052"},
    FaceAlias{"Palatino Linotype", "P052"},
    FaceAlias{"Palatino", "P052"},
    FaceAlias{"Bookman Old Style", "URW Bookman"},
    FaceAlias{"Century Gothic", "URW Gothic"},  // drawn to ITC Avant Garde's widths
    FaceAlias{"Century Schoolbook", "C059"},
    FaceAlias{"Monotype Corsiva", "Z003"},  // the one chancery script installed

    // Symbol faces: bytes are pictures, not letters. Standard Symbols PS is
    // URW's metric-compatible Symbol; Wingdings has no clone, OpenSymbol
    // carries most of its common bullets, arrows and check marks.
    FaceAlias{"Symbol", "Standard Symbols PS", false, SymbolTable::AdobeSymbol},
    FaceAlias{"Wingdings", "OpenSymbol", false, SymbolTable::Wingdings},
};

std::string_view trimBlanks(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace

const FaceAlias* findFaceAlias(std::string_view faceName) {
  const std::string_view name = trimBlanks(faceName);
  for (const FaceAlias& alias : kAliases) {
    if (equalIgnoringCase(alias.windowsName, name)) return &alias;
  }
  return nullptr;
}

std::vector<std::string_view> aliasedFaceNames() {
  std::vector<std::string_view> names;
  names.reserve(kAliases.size());
  for (const FaceAlias& alias : kAliases) names.push_back(alias.windowsName);
  return names;
}

}  // namespace vendaro
