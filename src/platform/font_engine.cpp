// font_engine.cpp — face resolution, byte-to-glyph tables and the caches
// that make measuring a cell a table look-up.
//
// How measuring works, and why:
// - Widths come from the fonts' unscaled advances (font units), scaled to the
//   pixel size and rounded half up to whole pixels per glyph. Nothing is
//   hinted, so the figures depend only on the font file, never on FreeType's
//   hinting engine or screen settings. At the printer sizes the layout uses
//   (hundreds of pixels per em) this agrees with hinted advances to within
//   rounding.
// - Ascent and descent are the OS/2 Windows figures scaled and rounded the
//   same way; the cell height is their sum, as GDI's tmHeight.
// - A face without a bold file is emboldened the way FreeType emboldens
//   outlines: every advance grows by 1/24 em (the strength of
//   FT_GlyphSlot_Embolden), so painters that embolden with FreeType draw
//   exactly the measured widths. A missing italic is a slant by 12°, which
//   leaves advances unchanged.
#include "platform/font_engine.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <optional>
#include <unordered_map>

#include "platform/code_pages.h"
#include "platform/font_aliases.h"
#include "platform/font_file.h"
#include "platform/font_matching.h"
#include "platform/symbol_fonts.h"

namespace vendaro {
namespace {

constexpr int kSyntheticItalicAngle = -12;
constexpr double kSyntheticItalicShear = 0.21256;  // tan 12°
constexpr int kBoldStrengthDivisor = 24;           // emboldening adds 1/24 em
constexpr uint8_t kSymbolCharset = 2;

// numerator / denominator rounded half away from zero; denominator > 0.
int scaleRounded(int64_t numerator, int64_t denominator) {
  const int64_t magnitude = (2 * std::llabs(numerator) + denominator) / (2 * denominator);
  return static_cast<int>(numerator < 0 ? -magnitude : magnitude);
}

// How a font file's glyphs are reached from the bytes of the text.
enum class GlyphKeying {
  Unicode,    // through the character each byte stands for
  MsSymbol,   // a Windows symbol font: through U+F000 + byte
  ByteCodes,  // a symbol font whose Unicode table is keyed by the bytes themselves
};

enum StyleFlag : uint8_t { kBold = 1, kItalic = 2, kSymbolBytes = 4, kStyleCount = 8 };

uint8_t styleFlags(bool bold, bool italic, uint8_t charset) {
  return static_cast<uint8_t>((bold ? kBold : 0) | (italic ? kItalic : 0) |
                              (charset == kSymbolCharset ? kSymbolBytes : 0));
}

struct FtLibraryCloser {
  void operator()(FT_Library library) const { FT_Done_FreeType(library); }
};

struct SizedFace;

// A face name in one style and character set: its font file and what each
// of the 256 bytes becomes in it.
struct StyledFace {
  ResolvedFace resolved;
  FontFile* file = nullptr;
  SymbolTable symbols = SymbolTable::None;
  std::array<char32_t, 256> unicode{};
  std::array<uint32_t, 256> glyph{};
  // Advances in 1/24 font units so that the synthetic bold strength of
  // 1/24 em stays exact.
  std::array<int64_t, 256> advance24{};
  int64_t unitsPerEm24 = 0;
  int64_t boldExtra24 = 0;
  std::unordered_map<int, std::unique_ptr<SizedFace>> sizes;
};

// A styled face at one pixel size: whole-pixel widths and GDI's metrics.
struct SizedFace {
  std::array<int, 256> widths{};
  FontMetrics metrics;
};

struct NameHash {
  using is_transparent = void;
  size_t operator()(std::string_view name) const { return std::hash<std::string_view>{}(name); }
};

using StyleSlots = std::array<std::unique_ptr<StyledFace>, kStyleCount>;

}  // namespace

struct FontEngine::Impl {
  // Declared first so that it is destroyed last, after every face.
  std::unique_ptr<FT_LibraryRec_, FtLibraryCloser> library;
  FontMatcher matcher;
  std::unordered_map<std::string, std::unique_ptr<FontFile>> files;
  std::unique_ptr<FontFile> lastResortFile;
  std::unordered_map<std::string, StyleSlots, NameHash, std::equal_to<>> styles;

  // The document store measures cell after cell in the same font, so the
  // last answer is checked before any hashing.
  std::string lastName;
  int lastPixelSize = 0;
  uint8_t lastFlags = 0;
  SizedFace* lastSized = nullptr;

  Impl() {
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) == 0) library.reset(raw);
  }

  SizedFace& sized(const FontSpec& spec);
  StyledFace& styled(std::string_view faceName, uint8_t flags);
  std::unique_ptr<StyledFace> createStyled(std::string_view faceName, uint8_t flags);
  FontFile* openFile(const MatchedFont& match);
  FontFile* fallbackFile();
  std::unique_ptr<SizedFace> createSized(const StyledFace& style, int pixelSize) const;
};

SizedFace& FontEngine::Impl::sized(const FontSpec& spec) {
  const uint8_t flags = styleFlags(spec.bold, spec.italic, spec.charset);
  if (lastSized != nullptr && spec.pixelSize == lastPixelSize && flags == lastFlags &&
      spec.faceName == lastName) {
    return *lastSized;
  }
  StyledFace& style = styled(spec.faceName, flags);
  auto& slot = style.sizes[spec.pixelSize];
  if (!slot) slot = createSized(style, spec.pixelSize);
  lastName = spec.faceName;
  lastPixelSize = spec.pixelSize;
  lastFlags = flags;
  lastSized = slot.get();
  return *slot;
}

StyledFace& FontEngine::Impl::styled(std::string_view faceName, uint8_t flags) {
  auto it = styles.find(faceName);
  if (it == styles.end()) it = styles.emplace(std::string(faceName), StyleSlots{}).first;
  auto& slot = it->second[flags];
  if (!slot) slot = createStyled(faceName, flags);
  return *slot;
}

FontFile* FontEngine::Impl::openFile(const MatchedFont& match) {
  const std::string key = match.filePath + '\n' + std::to_string(match.faceIndex);
  auto it = files.find(key);
  if (it == files.end()) {
    auto file = library ? FontFile::open(library.get(), match.filePath, match.faceIndex) : nullptr;
    if (!file) return nullptr;  // listed by fontconfig but unreadable: try the next choice
    it = files.emplace(key, std::move(file)).first;
  }
  return it->second.get();
}

FontFile* FontEngine::Impl::fallbackFile() {
  if (!lastResortFile) lastResortFile = FontFile::lastResort();
  return lastResortFile.get();
}

// Resolution order: the alias's stand-in family when it is installed, else
// fontconfig's best match for the name as written (its own rules know many
// more faces), else the built-in last resort.
std::unique_ptr<StyledFace> FontEngine::Impl::createStyled(std::string_view faceName, uint8_t flags) {
  const bool italic = (flags & kItalic) != 0;
  const FaceAlias* alias = findFaceAlias(faceName);
  const bool bold = (flags & kBold) != 0 || (alias != nullptr && alias->heavy);

  auto style = std::make_unique<StyledFace>();
  std::optional<MatchedFont> match;
  if (alias != nullptr) {
    match = matcher.match(alias->family, bold, italic, true);
    if (match) style->file = openFile(*match);
  }
  if (style->file == nullptr) {
    match = matcher.match(faceName, bold, italic, false);
    if (match) style->file = openFile(*match);
  }
  ResolvedFace& resolved = style->resolved;
  if (style->file != nullptr) {
    resolved.filePath = match->filePath;
    resolved.faceIndex = match->faceIndex;
    resolved.familyName = match->familyName;
    resolved.syntheticBold = bold && !match->isBold;
    resolved.syntheticItalic = italic && !match->isItalic;
  } else {
    style->file = fallbackFile();
    resolved.syntheticBold = bold;
    resolved.syntheticItalic = italic;
  }

  FontFile& file = *style->file;
  style->symbols = alias != nullptr ? alias->symbols : SymbolTable::None;
  GlyphKeying keying = GlyphKeying::Unicode;
  if (file.hasSymbolTable()) {
    keying = GlyphKeying::MsSymbol;
  } else if (style->symbols != SymbolTable::None && !file.unicodeBeyondLatin1()) {
    keying = GlyphKeying::ByteCodes;
  }
  resolved.symbolEncoding = style->symbols != SymbolTable::None || keying != GlyphKeying::Unicode;

  const int unitsPerEm = file.figures().unitsPerEm;
  style->unitsPerEm24 = int64_t{kBoldStrengthDivisor} * unitsPerEm;
  style->boldExtra24 = resolved.syntheticBold ? unitsPerEm : 0;
  for (int byte = 0; byte < 256; ++byte) {
    const auto ch = static_cast<uint8_t>(byte);
    const char32_t symbol = symbolCharacter(style->symbols, ch);
    char32_t& unicode = style->unicode[byte];
    uint32_t& glyph = style->glyph[byte];
    if (style->symbols != SymbolTable::None) {
      unicode = symbol != 0 ? symbol : kSymbolPrivateBase + ch;
    } else if (keying == GlyphKeying::MsSymbol) {
      unicode = kSymbolPrivateBase + ch;
    } else if ((flags & kSymbolBytes) != 0) {
      unicode = ch;  // a text font asked for symbol bytes: the byte is the code point
    } else {
      unicode = cp1252ToUnicode(ch);
    }
    switch (keying) {
      case GlyphKeying::MsSymbol:
        glyph = file.glyphForSymbolByte(ch);
        break;
      case GlyphKeying::ByteCodes:
        glyph = file.glyphForUnicode(ch);
        break;
      case GlyphKeying::Unicode:
        // A symbol byte without a character has no picture in a Unicode
        // font; looking up its private code could hit an unrelated glyph.
        glyph = style->symbols != SymbolTable::None && symbol == 0 ? 0 : file.glyphForUnicode(unicode);
        break;
    }
    style->advance24[byte] = int64_t{kBoldStrengthDivisor} * file.advance(glyph) + style->boldExtra24;
  }
  return style;
}

std::unique_ptr<SizedFace> FontEngine::Impl::createSized(const StyledFace& style, int pixelSize) const {
  auto sizedFace = std::make_unique<SizedFace>();
  const int64_t size = std::abs(pixelSize);
  const int64_t em24 = style.unitsPerEm24;
  for (int byte = 0; byte < 256; ++byte) {
    sizedFace->widths[byte] = scaleRounded(style.advance24[byte] * size, em24);
  }
  const FontFigures& figures = style.file->figures();
  const int64_t em = figures.unitsPerEm;
  FontMetrics& metrics = sizedFace->metrics;
  metrics.ascent = scaleRounded(figures.ascent * size, em);
  metrics.descent = scaleRounded(figures.descent * size, em);
  metrics.height = metrics.ascent + metrics.descent;
  metrics.internalLeading = std::max<int>(0, metrics.height - static_cast<int>(size));
  metrics.averageCharWidth =
      scaleRounded((kBoldStrengthDivisor * figures.averageWidth + style.boldExtra24) * size, em24);
  metrics.maxCharWidth =
      scaleRounded((kBoldStrengthDivisor * figures.maxAdvance + style.boldExtra24) * size, em24);
  return sizedFace;
}

FontEngine::FontEngine() : impl_(std::make_unique<Impl>()) {}

FontEngine::~FontEngine() = default;

FontEngine& FontEngine::shared() {
  static FontEngine engine;
  return engine;
}

ResolvedFace FontEngine::resolve(const std::string& faceName, bool bold, bool italic) {
  return impl_->styled(faceName, styleFlags(bold, italic, 0)).resolved;
}

FontMetrics FontEngine::metrics(const FontSpec& spec) { return impl_->sized(spec).metrics; }

int FontEngine::charWidth(const FontSpec& spec, uint8_t ch) { return impl_->sized(spec).widths[ch]; }

int FontEngine::textWidth(const FontSpec& spec, std::string_view cp1252Text) {
  const std::array<int, 256>& widths = impl_->sized(spec).widths;
  int total = 0;
  for (char ch : cp1252Text) total += widths[static_cast<uint8_t>(ch)];
  return total;
}

char32_t FontEngine::unicodeFor(const FontSpec& spec, uint8_t ch) {
  return impl_->styled(spec.faceName, styleFlags(spec.bold, spec.italic, spec.charset)).unicode[ch];
}

uint32_t FontEngine::glyphIndex(const FontSpec& spec, uint8_t ch) {
  return impl_->styled(spec.faceName, styleFlags(spec.bold, spec.italic, spec.charset)).glyph[ch];
}

FontDesignMetrics FontEngine::designMetrics(const std::string& faceName, bool bold, bool italic,
                                            uint8_t charset) {
  const StyledFace& style = impl_->styled(faceName, styleFlags(bold, italic, charset));
  const FontFigures& figures = style.file->figures();
  const int64_t em = figures.unitsPerEm;
  const auto perMille = [em](int64_t units) { return scaleRounded(units * 1000, em); };

  FontDesignMetrics design;
  design.ascent = perMille(figures.ascent);
  design.descent = -perMille(figures.descent);
  design.capHeight = perMille(figures.capHeight);
  design.italicAngle = style.resolved.syntheticItalic ? kSyntheticItalicAngle : figures.italicAngle;
  design.bboxLeft = perMille(figures.bboxLeft);
  design.bboxBottom = perMille(figures.bboxBottom);
  design.bboxRight = perMille(figures.bboxRight);
  design.bboxTop = perMille(figures.bboxTop);
  if (style.resolved.syntheticBold) {
    const int strength = scaleRounded(1000, kBoldStrengthDivisor);
    design.bboxRight += strength;
    design.bboxTop += strength;
  }
  if (style.resolved.syntheticItalic) {
    // The slant shifts every point right by its height times tan 12°.
    design.bboxLeft += static_cast<int>(std::lround(design.bboxBottom * kSyntheticItalicShear));
    design.bboxRight += static_cast<int>(std::lround(design.bboxTop * kSyntheticItalicShear));
  }
  design.fixedPitch = figures.fixedPitch;
  design.serif = figures.serif;
  design.symbolic = style.resolved.symbolEncoding;
  for (int byte = 0; byte < 256; ++byte) {
    design.widths[byte] = scaleRounded(style.advance24[byte] * 1000, style.unitsPerEm24);
  }
  return design;
}

}  // namespace vendaro
