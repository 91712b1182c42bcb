// word_sprms.h — Word's property modifiers (SPRMs) and the character,
// paragraph, section and table-row properties they change. Each list is
// walked only while its operands lie inside its bytes.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "formats/word_fib.h"

namespace vendaro::word {

struct Sprm {
  uint16_t opcode = 0;
  Bytes operand;
};
// Calls `apply` for each modifier of the list, in order, and stops at the
// first whose operand would run past the list.
void forEachSprm(Bytes list, const std::function<void(const Sprm&)>& apply);

struct Shading {
  uint8_t fore = 0, back = 0, pattern = 0;
  bool present() const { return fore != 0 || back != 0; }
  bool operator==(const Shading&) const = default;
};
Shading shadingOf(uint16_t descriptor);

struct CharProps {
  bool bold = false, italic = false, strike = false, shadow = false, smallCaps = false, caps = false;
  bool special = false;
  uint8_t underline = 0, color = 0, highlight = 0, position = 0;  // position: 1 super, 2 sub
  bool highlighted = false;
  Shading shading;
  int32_t halfPoints = 20;
  int32_t font = 0;
  uint32_t pictureAt = 0;
  bool operator==(const CharProps&) const = default;
};

struct TabStop {
  int16_t position = 0;
  uint8_t descriptor = 0;  // bits 0–2 alignment, 3–5 leader
};

struct ParaProps {
  uint16_t style = 0;
  uint8_t alignment = 0;
  bool inTable = false, rowEnd = false, noNumbering = false, pageBreakBefore = false;
  int16_t list = 0;
  uint8_t listLevel = 0;
  int32_t left = 0, right = 0, firstLine = 0, before = 0, after = 0;
  int16_t lineSpacing = 240;
  bool lineMultiple = true;
  std::vector<TabStop> tabs;  // ascending, at most 64
};

struct SectionProps {
  uint8_t breakKind = 2;
  bool titlePage = false, lineBetween = false;
  int32_t columnsLess1 = 0, columnGap = 720;
  int32_t headerDistance = 720, footerDistance = 720;
  int32_t pageWidth = 12240, pageHeight = 15840;
  int32_t left = 1800, right = 1800, top = 1440, bottom = 1440;
};

inline constexpr size_t kMaxRowCells = 64;
struct RowProps {
  int32_t cells = 0;
  std::vector<int16_t> boundaries;  // cells + 1, twips
  std::vector<Shading> shading;     // per cell
};

// `style` gives the values the toggles 0x80 and 0x81 refer to; `applyStyle`
// is called for sprmCIstd with the character style's index.
void applyCharSprm(const Sprm& sprm, CharProps& chp, const CharProps& style,
                   const std::function<void(uint16_t)>& applyStyle);
void applyParaSprm(const Sprm& sprm, ParaProps& pap);
void applySectionSprm(const Sprm& sprm, SectionProps& sep);
void applyRowSprm(const Sprm& sprm, RowProps& row);

}  // namespace vendaro::word
