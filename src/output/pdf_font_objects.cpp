#include "output/pdf_font_objects.h"

#include <optional>
#include <string>
#include <vector>

#include "output/pdf_cmaps.h"
#include "output/pdf_file.h"
#include "output/pdf_font_subset.h"
#include "output/pdf_fonts.h"
#include "output/pdf_format.h"
#include "output/pdf_objects.h"
#include "output/pdf_win_ansi_names.h"
#include "platform/font_engine.h"
#include "platform/symbol_fonts.h"

namespace vendaro {

namespace {

constexpr int kMeasureSize = 12;  // any size: only glyphs and characters are asked for

// Font descriptor flags.
constexpr int kFixedPitchFlag = 1;
constexpr int kSerifFlag = 2;
constexpr int kSymbolicFlag = 4;
constexpr int kNonsymbolicFlag = 32;
constexpr int kItalicFlag = 64;

// The dominant stem width is not stored in TrueType files; PDF producers
// estimate it from the weight class as 50 + (weight / 65)².
int estimatedStemV(bool bold) {
  const double weight = bold ? 700 : 400;
  return static_cast<int>(50 + (weight / 65) * (weight / 65));
}

// Where the Windows ANSI glyph name of a code stands for another character
// than code page 1252 does: viewers look that one up in the font's map.
char32_t winAnsiNameCharacter(uint8_t code) {
  switch (code) {
    case 0xA0: return U' ';
    case 0xAD: return U'-';
    case 0x7F: case 0x81: case 0x8D: case 0x8F: case 0x90: case 0x9D: return U'\u2022';
    default: return 0;
  }
}

struct FontFacts {
  FontSpec spec;
  ResolvedFace resolved;
  FontDesignMetrics design;
  bool symbolic = false;  // codes select pictures, not Windows ANSI letters
};

FontFacts factsOf(const PdfFontEntry& font, FontEngine& engine) {
  FontFacts facts;
  facts.spec = FontSpec{font.faceName, kMeasureSize, font.bold(), font.italic(), font.charset()};
  facts.resolved = engine.resolve(font.faceName, font.bold(), font.italic());
  facts.design = engine.designMetrics(font.faceName, font.bold(), font.italic(), font.charset());
  facts.symbolic = facts.design.symbolic || (font.styles & kPdfFontSymbolCharset) != 0;
  return facts;
}

std::optional<FontSubset> subsetFor(const PdfFontEntry& font, FontFacts& facts, FontEngine& engine) {
  if (facts.resolved.filePath.empty()) return std::nullopt;
  FontSubsetRequest request;
  request.filePath = facts.resolved.filePath;
  request.faceIndex = facts.resolved.faceIndex;
  request.used = font.used;
  request.symbolCmap = facts.symbolic;
  for (int code = 0; code < 256; ++code) {
    if (!font.used[code]) continue;
    const auto byte = static_cast<uint8_t>(code);
    request.glyphs[code] = engine.glyphIndex(facts.spec, byte);
    request.cmapKeys.push_back(
        {byte, facts.symbolic ? kSymbolPrivateBase + byte : engine.unicodeFor(facts.spec, byte)});
  }
  if (!facts.symbolic) {
    for (int code = 0; code < 256; ++code) {
      const char32_t alias = winAnsiNameCharacter(static_cast<uint8_t>(code));
      if (font.used[code] && alias != 0) request.cmapKeys.push_back({static_cast<uint8_t>(code), alias});
    }
  }
  return subsetFont(request);
}

int writeStream(PdfFile& file, PdfObjectTable& objects, std::string_view data, std::string_view extraKeys) {
  const std::string compressed = deflateBytes(data);
  // Without memory for compression the data goes in as it is.
  const bool packed = !compressed.empty() || data.empty();
  const std::string_view stored = packed ? std::string_view(compressed) : data;
  const int number = objects.beginObject(file);
  std::string dictionary = "<< /Length ";
  appendInt(dictionary, static_cast<long long>(stored.size()));
  if (packed) dictionary += " /Filter /FlateDecode";
  dictionary += extraKeys;
  dictionary += " >>";
  file.writeLine(dictionary);
  file.writeLine("stream");
  file.write(stored);
  file.writeLine("");
  file.writeLine("endstream");
  objects.endObject(file);
  return number;
}

int writeProgram(PdfFile& file, PdfObjectTable& objects, const FontSubset& subset) {
  std::string keys;
  if (subset.kind == FontProgramKind::trueType) {
    keys = " /Length1 ";
    appendInt(keys, static_cast<long long>(subset.program.size()));
  } else {
    keys = " /Subtype /Type1C";
  }
  return writeStream(file, objects, subset.program, keys);
}

int writeToUnicode(PdfFile& file, PdfObjectTable& objects, const PdfFontEntry& font, FontFacts& facts,
                   FontEngine& engine) {
  std::vector<CodeCharacter> codes;
  for (int code = 0; code < 256; ++code) {
    if (font.used[code]) {
      codes.push_back({static_cast<uint8_t>(code), engine.unicodeFor(facts.spec, static_cast<uint8_t>(code))});
    }
  }
  return writeStream(file, objects, toUnicodeCMap(codes), "");
}

// Subset fonts are named with a tag of six capital letters that differs
// with the glyphs chosen.
std::string subsetTag(const PdfFontEntry& font, const std::string& postScriptName) {
  uint64_t hash = 14695981039346656037ull;
  const auto mix = [&hash](uint8_t byte) { hash = (hash ^ byte) * 1099511628211ull; };
  for (char ch : postScriptName) mix(static_cast<uint8_t>(ch));
  for (char ch : font.faceName) mix(static_cast<uint8_t>(ch));
  mix(font.styles);
  for (bool used : font.used) mix(used ? 1 : 0);
  std::string tag;
  for (int i = 0; i < 6; ++i, hash /= 26) tag += static_cast<char>('A' + hash % 26);
  return tag;
}

std::string baseFontName(const PdfFontEntry& font, const std::optional<FontSubset>& subset) {
  if (subset && !subset->postScriptName.empty()) {
    return subsetTag(font, subset->postScriptName) + '+' + escapeFaceName(subset->postScriptName);
  }
  std::string name = escapeFaceName(font.faceName);
  if (font.bold() && font.italic()) {
    name += ",BoldItalic";
  } else if (font.italic()) {
    name += ",Italic";
  } else if (font.bold()) {
    name += ",Bold";
  }
  return name;
}

void appendValue(std::string& out, std::string_view key, long long value) {
  out += key;
  appendInt(out, value);
}

void appendReference(std::string& out, std::string_view key, int object) {
  appendValue(out, key, object);
  out += " 0 R";
}

int writeObject(PdfFile& file, PdfObjectTable& objects, std::string_view body) {
  const int number = objects.beginObject(file);
  file.write(body);
  objects.endObject(file);
  return number;
}

int writeDescriptor(PdfFile& file, PdfObjectTable& objects, const FontFacts& facts, const std::string& baseFont,
                    const std::optional<FontSubset>& subset, int programObject) {
  const FontDesignMetrics& design = facts.design;
  int flags = facts.symbolic ? kSymbolicFlag : kNonsymbolicFlag;
  if (design.fixedPitch) flags |= kFixedPitchFlag;
  if (design.serif) flags |= kSerifFlag;
  if (design.italicAngle != 0) flags |= kItalicFlag;

  std::string out = "<< /Type /FontDescriptor /FontName /" + baseFont;
  appendValue(out, "\n/Flags ", flags);
  appendValue(out, " /FontBBox [", design.bboxLeft);
  appendValue(out, " ", design.bboxBottom);
  appendValue(out, " ", design.bboxRight);
  appendValue(out, " ", design.bboxTop);
  appendValue(out, "] /ItalicAngle ", design.italicAngle);
  appendValue(out, "\n/Ascent ", design.ascent);
  appendValue(out, " /Descent ", design.descent);
  appendValue(out, " /CapHeight ", design.capHeight != 0 ? design.capHeight : design.ascent);
  appendValue(out, " /StemV ", estimatedStemV(facts.spec.bold));
  if (subset) {
    appendReference(out, subset->kind == FontProgramKind::trueType ? "\n/FontFile2 " : "\n/FontFile3 ",
                    programObject);
  }
  out += " >>\n";
  return writeObject(file, objects, out);
}

// CFF glyphs are reached by name: the Windows ANSI names, and for each code
// shown whose glyph is named otherwise, that name.
void appendNamedEncoding(std::string& out, const PdfFontEntry& font, const FontSubset& subset) {
  std::string differences;
  int previous = -2;
  for (int code = 0; code < 256; ++code) {
    const std::string& name = subset.glyphNames[code];
    if (!font.used[code] || name == winAnsiGlyphName(static_cast<uint8_t>(code))) continue;
    if (code != previous + 1) {
      differences += ' ';
      appendInt(differences, code);
    }
    differences += " /" + escapeFaceName(name);
    previous = code;
  }
  if (differences.empty()) {
    out += "/WinAnsiEncoding";
    return;
  }
  out += "<< /Type /Encoding /BaseEncoding /WinAnsiEncoding /Differences [" + differences + " ] >>";
}

void appendEncoding(std::string& out, const PdfFontEntry& font, const FontFacts& facts,
                    const std::optional<FontSubset>& subset) {
  if (subset && subset->kind == FontProgramKind::cff) {
    out += "/Encoding ";
    appendNamedEncoding(out, font, *subset);
    out += '\n';
  } else if (!facts.symbolic || !subset) {
    // An embedded symbol font maps codes through its own (3,0) table.
    out += "/Encoding /WinAnsiEncoding\n";
  }
}

}  // namespace

int writePdfFont(PdfFile& file, PdfObjectTable& objects, const PdfFontEntry& font, FontEngine& engine) {
  FontFacts facts = factsOf(font, engine);
  const std::optional<FontSubset> subset = subsetFor(font, facts, engine);
  const int programObject = subset ? writeProgram(file, objects, *subset) : 0;
  // Symbol codes and CFF glyph names say nothing reliable about the text.
  const bool needsToUnicode = facts.symbolic || (subset && subset->kind == FontProgramKind::cff);
  const int toUnicodeObject = needsToUnicode ? writeToUnicode(file, objects, font, facts, engine) : 0;
  const std::string baseFont = baseFontName(font, subset);
  const int descriptorObject = writeDescriptor(file, objects, facts, baseFont, subset, programObject);

  std::string out = "<<\n/Type /Font\n/Subtype /";
  out += subset && subset->kind == FontProgramKind::cff ? "Type1" : "TrueType";
  out += "\n/BaseFont /" + baseFont + '\n';
  appendEncoding(out, font, facts, subset);
  appendReference(out, "/FontDescriptor ", descriptorObject);
  out += '\n';
  if (toUnicodeObject != 0) {
    appendReference(out, "/ToUnicode ", toUnicodeObject);
    out += '\n';
  }
  appendValue(out, "/FirstChar ", kPdfFirstChar);
  appendValue(out, "\n/LastChar ", kPdfLastChar);
  out += "\n/Widths [";
  for (int code = kPdfFirstChar; code <= kPdfLastChar; ++code) {
    appendInt(out, facts.design.widths[code]);
    out += ' ';
  }
  out += "]\n>>\n";
  return writeObject(file, objects, out);
}

}  // namespace vendaro
