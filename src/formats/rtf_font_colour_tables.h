// rtf_font_colour_tables.h — the font and colour tables of an RTF file, gathered from
// the document before anything is written: distinct entries in the order
// first met, looked up through hash maps so that documents with very many
// formats stay fast.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "document/document.h"

namespace vendaro {

class RtfOutput;

inline constexpr char kDefaultBulletFont[] = "Wingdings";

class RtfFontNames {
 public:
  // Every font table entry's name, then the bullet font of every bullet
  // paragraph.
  explicit RtfFontNames(const Document& doc);
  // 0 for a name that is not in the table.
  int32_t indexOf(std::string_view name) const;
  // "{\fonttbl{\f0\fnil Name;}…}", one entry per output line.
  void write(RtfOutput& out) const;

 private:
  void add(std::string_view name);
  std::vector<std::string> names_;
  std::unordered_map<std::string, int32_t> index_;
};

// The bullet font of a paragraph, "Wingdings" when it names none.
std::string_view bulletFontOf(const TParaFormat& para);

class RtfColours {
 public:
  // Black and white first, then the colours of fonts, frames and table
  // cells; one more black at the end when some background is opaque black.
  explicit RtfColours(const Document& doc);
  // 0 for a colour that is not in the table.
  int32_t indexOf(int32_t colour) const;
  // For backgrounds: readers take index 0 as no background, so opaque
  // black gets its second entry.
  int32_t backgroundIndexOf(int32_t colour) const;
  // "{\colortbl\red0\green0\blue0;…}" on one output line.
  void write(RtfOutput& out) const;

 private:
  void add(int32_t colour);
  void noteBackground(int32_t colour, bool transparent);
  std::vector<int32_t> colours_;
  std::unordered_map<int32_t, int32_t> index_;
  bool opaqueBlackBackground_ = false;
};

}  // namespace vendaro
