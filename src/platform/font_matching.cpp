// font_matching.cpp — fontconfig queries behind FontEngine's face resolution.
#include "platform/font_matching.h"

#include <fontconfig/fontconfig.h>

#include <memory>
#include <strings.h>

namespace vendaro {
namespace {

struct PatternDeleter {
  void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct FontSetDeleter {
  void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;
using FontSetPtr = std::unique_ptr<FcFontSet, FontSetDeleter>;

const char* stringValue(const FcPattern* font, const char* object, int index = 0) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(font, object, index, &value) != FcResultMatch) return nullptr;
  return reinterpret_cast<const char*>(value);
}

int intValue(const FcPattern* font, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(font, object, 0, &value);
  return value;
}

bool hasFamily(const FcPattern* font, std::string_view family) {
  for (int i = 0; const char* name = stringValue(font, FC_FAMILY, i); ++i) {
    if (family.size() == std::char_traits<char>::length(name) &&
        strncasecmp(name, family.data(), family.size()) == 0) {
      return true;
    }
  }
  return false;
}

bool usable(const FcPattern* font) {
  FcBool scalable = FcFalse;
  FcPatternGetBool(font, FC_SCALABLE, 0, &scalable);
  return scalable == FcTrue && stringValue(font, FC_FILE) != nullptr;
}

// TrueType and CFF files first: Qt and the PDF writer embed them directly.
int formatRank(const FcPattern* font) {
  const char* format = stringValue(font, FC_FONTFORMAT);
  if (format == nullptr) return 2;
  if (std::string_view(format) == "TrueType") return 0;
  if (std::string_view(format) == "CFF") return 1;
  return 2;
}

bool sameFace(const FcPattern* a, const FcPattern* b) {
  const char* familyA = stringValue(a, FC_FAMILY);
  const char* familyB = stringValue(b, FC_FAMILY);
  return familyA != nullptr && familyB != nullptr && std::string_view(familyA) == familyB &&
         intValue(a, FC_WEIGHT, 0) == intValue(b, FC_WEIGHT, 0) &&
         intValue(a, FC_SLANT, 0) == intValue(b, FC_SLANT, 0) &&
         intValue(a, FC_WIDTH, 0) == intValue(b, FC_WIDTH, 0);
}

}  // namespace

void FontMatcher::ConfigCloser::operator()(FcConfig* config) const { FcConfigDestroy(config); }

FontMatcher::FontMatcher() = default;
FontMatcher::~FontMatcher() = default;

std::optional<MatchedFont> FontMatcher::match(std::string_view family, bool bold, bool italic,
                                              bool requireFamily) {
  if (!config_ && !loadFailed_) {
    config_.reset(FcInitLoadConfigAndFonts());
    loadFailed_ = !config_;
  }
  if (!config_) return std::nullopt;
  PatternPtr pattern(FcPatternCreate());
  const std::string familyName(family);
  if (!familyName.empty()) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(familyName.c_str()));
  }
  FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcConfigSubstitute(config_.get(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());

  FcResult result = FcResultNoMatch;
  FontSetPtr set(FcFontSort(config_.get(), pattern.get(), FcFalse, nullptr, &result));
  if (!set) return std::nullopt;

  // The sort puts the best face first; among the files of that face (URW
  // ships each design as OpenType and as Type 1) take the best format.
  const FcPattern* best = nullptr;
  for (int i = 0; i < set->nfont && best == nullptr; ++i) {
    if (usable(set->fonts[i])) best = set->fonts[i];
  }
  if (best == nullptr || (requireFamily && !hasFamily(best, family))) return std::nullopt;
  const FcPattern* chosen = best;
  for (int i = 0; i < set->nfont; ++i) {
    const FcPattern* font = set->fonts[i];
    if (usable(font) && sameFace(font, best) && formatRank(font) < formatRank(chosen)) chosen = font;
  }

  MatchedFont match;
  match.filePath = stringValue(chosen, FC_FILE);
  match.faceIndex = intValue(chosen, FC_INDEX, 0);
  const char* chosenFamily = stringValue(chosen, FC_FAMILY);
  match.familyName = chosenFamily != nullptr ? chosenFamily : "";
  match.isBold = intValue(chosen, FC_WEIGHT, FC_WEIGHT_REGULAR) >= FC_WEIGHT_DEMIBOLD;
  match.isItalic = intValue(chosen, FC_SLANT, FC_SLANT_ROMAN) != FC_SLANT_ROMAN;
  return match;
}

}  // namespace vendaro
