// word_sprms.cpp — operand lengths of Word's property modifiers and what the
// ones this program can show change.
#include "formats/word_sprms.h"

#include <algorithm>

namespace vendaro::word {
namespace {

constexpr uint16_t kDefTable = 0xD608, kChangeTabs = 0xC615;

int16_t s16(Bytes b, size_t at = 0) { return static_cast<int16_t>(le16(b, at)); }
uint8_t u8(Bytes b, size_t at = 0) { return at < b.size() ? b[at] : 0; }

// The operand length at `at` (after the opcode), or nothing when unknown.
std::optional<size_t> operandLength(Bytes list, size_t at, uint16_t opcode) {
  if (opcode == kDefTable) return at + 2 <= list.size() ? std::optional<size_t>(size_t(le16(list, at)) + 1) : std::nullopt;
  switch (opcode >> 13) {
    case 0: case 1: return 1;
    case 2: case 4: case 5: return 2;
    case 3: return 4;
    case 7: return 3;
    default: break;
  }
  if (at >= list.size()) return std::nullopt;
  const size_t length = list[at];
  if (opcode == kChangeTabs && length == 255 && at + 1 < list.size()) {
    // Deletions carry a tolerance each: count, positions, tolerances, then
    // the additions as usual.
    const size_t deleted = list[at + 1];
    const size_t addAt = at + 2 + 4 * deleted;
    if (addAt >= list.size()) return std::nullopt;
    return 1 + 1 + 4 * deleted + 1 + 3 * size_t(list[addAt]);
  }
  return 1 + length;
}

bool toggle(uint8_t operand, bool current, bool style) {
  switch (operand) {
    case 0: return false;
    case 1: return true;
    case 0x80: return style;
    case 0x81: return !style;
    default: return current;
  }
}

// Tab changes: deletions (positions), then additions (positions, then a
// descriptor each), kept in ascending order and at most 64.
void changeTabs(Bytes op, bool withTolerances, std::vector<TabStop>& tabs) {
  size_t at = 1;  // after the length byte
  const size_t deleted = u8(op, at);
  for (size_t i = 0; i < deleted; ++i) {
    const int16_t pos = s16(op, at + 1 + 2 * i);
    std::erase_if(tabs, [pos](const TabStop& t) { return t.position == pos; });
  }
  at += 1 + 2 * deleted * (withTolerances ? 2 : 1);
  const size_t added = u8(op, at);
  if (at + 1 + 3 * added > op.size()) return;
  for (size_t i = 0; i < added; ++i) {
    const TabStop stop{s16(op, at + 1 + 2 * i), op[at + 1 + 2 * added + i]};
    auto place = std::lower_bound(tabs.begin(), tabs.end(), stop.position,
                                  [](const TabStop& t, int16_t p) { return t.position < p; });
    if (place != tabs.end() && place->position == stop.position) {
      place->descriptor = stop.descriptor;
    } else if (tabs.size() < 64) {
      tabs.insert(place, stop);
    }
  }
}

}  // namespace

void forEachSprm(Bytes list, const std::function<void(const Sprm&)>& apply) {
  size_t at = 0;
  while (at + 2 <= list.size()) {
    const uint16_t opcode = le16(list, at);
    const std::optional<size_t> length = operandLength(list, at + 2, opcode);
    if (!length || *length > list.size() - (at + 2)) return;
    apply(Sprm{opcode, list.subspan(at + 2, *length)});
    at += 2 + *length;
  }
}

Shading shadingOf(uint16_t d) {
  return {static_cast<uint8_t>(d & 0x1F), static_cast<uint8_t>(d >> 5 & 0x1F), static_cast<uint8_t>(d >> 10 & 0x3F)};
}

void applyCharSprm(const Sprm& s, CharProps& chp, const CharProps& style, const std::function<void(uint16_t)>& applyStyle) {
  const Bytes op = s.operand;
  switch (s.opcode) {
    case 0x0835: chp.bold = toggle(u8(op), chp.bold, style.bold); break;
    case 0x0836: chp.italic = toggle(u8(op), chp.italic, style.italic); break;
    case 0x0837: chp.strike = toggle(u8(op), chp.strike, style.strike); break;
    case 0x0839: chp.shadow = toggle(u8(op), chp.shadow, style.shadow); break;
    case 0x083A: chp.smallCaps = toggle(u8(op), chp.smallCaps, style.smallCaps); break;
    case 0x083B: chp.caps = toggle(u8(op), chp.caps, style.caps); break;
    case 0x0855: chp.special = u8(op) != 0; break;
    case 0x2A0C: chp.highlight = u8(op) & 0x1F; chp.highlighted = chp.highlight != 0; break;
    case 0x2A32:
      chp.bold = chp.italic = chp.smallCaps = chp.caps = false;
      chp.underline = chp.color = 0;
      break;
    case 0x2A33: {
      const bool special = chp.special;
      chp = style;
      chp.special = special;
      break;
    }
    case 0x2A3E: chp.underline = u8(op); break;
    case 0x2A42: chp.color = u8(op); break;
    case 0x2A48: chp.position = u8(op); break;
    case 0x4866: chp.shading = shadingOf(le16(op, 0)); break;
    case 0x4A30: applyStyle(le16(op, 0)); break;
    case 0x4A43: chp.halfPoints = le16(op, 0); break;
    case 0x4A4F: chp.font = le16(op, 0); break;
    case 0x6A03: chp.pictureAt = le32(op, 0); chp.special = true; break;
    default: break;
  }
}

void applyParaSprm(const Sprm& s, ParaProps& pap) {
  const Bytes op = s.operand;
  switch (s.opcode) {
    case 0x2403: case 0x2461: pap.alignment = u8(op); break;
    case 0x2416: pap.inTable = u8(op) != 0; break;
    case 0x2417: pap.rowEnd = u8(op) != 0; break;
    case 0x2407: pap.pageBreakBefore = u8(op) != 0; break;
    case 0x240C: pap.noNumbering = u8(op) != 0; break;
    case 0x460B: pap.list = s16(op); break;
    case 0x260A: pap.listLevel = u8(op); break;
    case 0x4610: pap.left = std::max(0, pap.left + s16(op)); break;
    case 0x6412: pap.lineSpacing = s16(op, 0); pap.lineMultiple = le16(op, 2) != 0; break;
    case 0x840E: case 0x845D: pap.right = s16(op); break;
    case 0x840F: case 0x845E: pap.left = s16(op); break;
    case 0x8411: case 0x8460: pap.firstLine = s16(op); break;
    case 0xA413: pap.before = le16(op, 0); break;
    case 0xA414: pap.after = le16(op, 0); break;
    case 0xC60D: changeTabs(op, false, pap.tabs); break;
    case kChangeTabs: changeTabs(op, op.size() > 0 && op[0] == 255, pap.tabs); break;
    case 0x6649: pap.inTable = pap.inTable || le32(op, 0) > 0; break;
    default: break;
  }
}

void applySectionSprm(const Sprm& s, SectionProps& sep) {
  const Bytes op = s.operand;
  switch (s.opcode) {
    case 0x3009: sep.breakKind = u8(op); break;
    case 0x300A: sep.titlePage = u8(op) != 0; break;
    case 0x3019: sep.lineBetween = u8(op) != 0; break;
    case 0x500B: sep.columnsLess1 = s16(op); break;
    case 0x900C: sep.columnGap = s16(op); break;
    case 0xB017: sep.headerDistance = le16(op, 0); break;
    case 0xB018: sep.footerDistance = le16(op, 0); break;
    case 0xB01F: sep.pageWidth = le16(op, 0); break;
    case 0xB020: sep.pageHeight = le16(op, 0); break;
    case 0xB021: sep.left = le16(op, 0); break;
    case 0xB022: sep.right = le16(op, 0); break;
    case 0x9023: sep.top = s16(op); break;
    case 0x9024: sep.bottom = s16(op); break;
    case 0xB023: sep.top = s16(op); break;
    case 0xB024: sep.bottom = s16(op); break;
    default: break;
  }
}

void applyRowSprm(const Sprm& s, RowProps& row) {
  const Bytes op = s.operand;
  if (s.opcode == kDefTable) {
    // After the two length bytes: the cell count, then its boundaries.
    const size_t cells = u8(op, 2);
    if (cells > kMaxRowCells || 3 + 2 * (cells + 1) > op.size()) return;
    row.cells = static_cast<int32_t>(cells);
    row.boundaries.resize(cells + 1);
    for (size_t i = 0; i <= cells; ++i) row.boundaries[i] = s16(op, 3 + 2 * i);
    row.shading.assign(cells, Shading{});
  } else if (s.opcode == 0xD609) {
    const size_t count = std::min<size_t>(op.empty() ? 0 : op[0] / 2, kMaxRowCells);
    if (row.shading.size() < count) row.shading.resize(count);
    for (size_t i = 0; i < count; ++i) row.shading[i] = shadingOf(le16(op, 1 + 2 * i));
  }
}

}  // namespace vendaro::word
