// font_matching.h — asks fontconfig for the installed font file that best
// serves a family, weight and slant, preferring TrueType and OpenType files
// (which every painter and the PDF writer can use) over Type 1 copies.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

struct _FcConfig;  // fontconfig's FcConfig

namespace vendaro {

struct MatchedFont {
  std::string filePath;
  int faceIndex = 0;
  std::string familyName;
  bool isBold = false;    // the file's own weight is semibold or heavier
  bool isItalic = false;  // the file's own slant is italic or oblique
};

// Owns its own fontconfig configuration (loaded on first use, released with
// the matcher) so that it neither depends on nor disturbs the process-wide
// one that Qt uses.
class FontMatcher {
 public:
  FontMatcher();
  ~FontMatcher();
  FontMatcher(const FontMatcher&) = delete;
  FontMatcher& operator=(const FontMatcher&) = delete;

  // The best scalable font for the request. With `requireFamily`, a match
  // of another family counts as none (the caller then falls back); without
  // it, any installed font will do. Empty only when no usable font exists.
  std::optional<MatchedFont> match(std::string_view family, bool bold, bool italic,
                                   bool requireFamily);

 private:
  struct ConfigCloser {
    void operator()(_FcConfig* config) const;
  };
  std::unique_ptr<_FcConfig, ConfigCloser> config_;
  bool loadFailed_ = false;
};

}  // namespace vendaro
