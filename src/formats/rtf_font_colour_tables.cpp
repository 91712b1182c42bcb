// rtf_font_colour_tables.cpp — gathering and writing the font and colour tables.
#include "formats/rtf_font_colour_tables.h"

#include "formats/rtf_output.h"

namespace vendaro {
namespace {

constexpr int32_t kBlack = 0x000000;
constexpr int32_t kWhite = 0xFFFFFF;

}  // namespace

std::string_view bulletFontOf(const TParaFormat& para) {
  const std::string_view name = textOf(para.BulletFont);
  return name.empty() ? std::string_view(kDefaultBulletFont) : name;
}

RtfFontNames::RtfFontNames(const Document& doc) {
  for (const TFontRec& font : doc.Fonts.entries()) add(font.name());
  for (const TFieldRec& frame : doc.Fields)
    for (const TLineRec& line : frame.Lines)
      if (line.Para.ListKind == 1) add(bulletFontOf(line.Para));
}

void RtfFontNames::add(std::string_view name) {
  const auto [at, added] = index_.try_emplace(std::string(name), static_cast<int32_t>(names_.size()));
  if (added) names_.push_back(at->first);
}

int32_t RtfFontNames::indexOf(std::string_view name) const {
  const auto at = index_.find(std::string(name));
  return at == index_.end() ? 0 : at->second;
}

void RtfFontNames::write(RtfOutput& out) const {
  out.raw("{\\fonttbl");
  for (size_t i = 0; i < names_.size(); ++i) {
    out.word("{\\f", static_cast<int64_t>(i)).raw("\\fnil ").fontName(names_[i]).raw(";}");
    out.endLine();
  }
  out.raw("}");
  out.endLine();
}

RtfColours::RtfColours(const Document& doc) {
  add(kBlack);
  add(kWhite);
  for (const TFontRec& font : doc.Fonts.entries()) {
    for (const int32_t colour : {font.Color, font.BackColor, font.ShadowColor, font.OutlineColor}) add(colour);
    noteBackground(font.BackColor, font.BackTransparent != 0);
  }
  for (const TFieldRec& frame : doc.Fields) {
    add(frame.BackColor);
    add(frame.BorderColor);
  }
  for (const TFieldRec& frame : doc.Fields) {
    for (const TLineRec& line : frame.Lines) {
      if (!line.InTable) continue;
      for (const int32_t colour : line.CellDesign.BorderColor) add(colour);
      add(line.CellDesign.BackColor);
      noteBackground(line.CellDesign.BackColor, line.CellDesign.BackTransparent != 0);
    }
  }
  if (opaqueBlackBackground_) colours_.push_back(kBlack);
}

void RtfColours::add(int32_t colour) {
  if (index_.try_emplace(colour, static_cast<int32_t>(colours_.size())).second) colours_.push_back(colour);
}

void RtfColours::noteBackground(int32_t colour, bool transparent) {
  if (!transparent && colour == kBlack) opaqueBlackBackground_ = true;
}

int32_t RtfColours::indexOf(int32_t colour) const {
  const auto at = index_.find(colour);
  return at == index_.end() ? 0 : at->second;
}

int32_t RtfColours::backgroundIndexOf(int32_t colour) const {
  if (colour == kBlack && opaqueBlackBackground_) return static_cast<int32_t>(colours_.size()) - 1;
  return indexOf(colour);
}

void RtfColours::write(RtfOutput& out) const {
  out.raw("{\\colortbl");
  for (const int32_t colour : colours_) {
    out.word("\\red", colour & 0xFF).word("\\green", (colour >> 8) & 0xFF).word("\\blue", (colour >> 16) & 0xFF);
    out.raw(";");
  }
  out.raw("}");
  out.endLine();
}

}  // namespace vendaro
