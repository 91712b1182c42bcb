// rtf_formats.cpp — what opens a paragraph (row definition, paragraph
// format, list prefix) and the character format, which is written only
// where it changes.
#include <algorithm>
#include <array>

#include "document/line_cells.h"
#include "formats/rtf_export.h"

namespace vendaro {
namespace {

constexpr int32_t kWhite = 0xFFFFFF;
constexpr double kPrefixPoints = 12.0;
constexpr char kNumberFont[] = "Times New Roman";

// The format of a bullet or number that has no cell of its own.
TFontRec prefixFont(std::string_view name) {
  TFontRec font;
  font.Name = NullableString(std::string(name));
  font.Size = kPrefixPoints;
  font.BackColor = kWhite;
  font.BackTransparent = 1;
  return font;
}

const char* onOff(bool on) { return on ? "1" : "0"; }

const char* underlineWord(uint16_t attr) {
  if (GettingOps(attr, kAttrDoubleUnderline)) return "\\uldb";
  if (GettingOps(attr, kAttrWordUnderline)) return "\\ulw";
  if (GettingOps(attr, kAttrUnderline)) return "\\ul";
  return "\\ulnone";
}

const char* raiseWord(uint16_t attr) {
  if (GettingOps(attr, kAttrSuperscript)) return "\\super";
  if (GettingOps(attr, kAttrSubscript)) return "\\sub";
  return "\\nosupersub";
}

}  // namespace

void RtfExport::writeParagraphFormat(const TLineRec& line) {
  static constexpr std::array<const char*, 4> kAlignments = {"\\ql", "\\qc", "\\qr", "\\qj"};
  static constexpr std::array<const char*, 4> kTabAlignments = {"", "\\tqc", "\\tqr", "\\tqdec"};
  static constexpr std::array<const char*, 4> kLeaders = {"", "\\tlhyph", "\\tldot", "\\tlul"};
  const TParaFormat& para = line.Para;
  out_.raw("\\pard\\plain ");
  formatValid_ = false;
  if (line.InTable) out_.raw("\\intbl");
  if (para.Alignment < kAlignments.size()) out_.raw(kAlignments[para.Alignment]);
  // A cell's indents count from the row's gap.
  const double inset = line.InTable ? kRtfCellInsetMm : 0.0;
  const std::array<std::pair<const char*, double>, 5> spacing = {{{"\\fi", para.FirstLineIndent},
                                                                   {"\\li", para.LeftIndent - inset},
                                                                   {"\\ri", para.RightIndent - inset},
                                                                   {"\\sb", para.SpaceBefore},
                                                                   {"\\sa", para.SpaceAfter}}};
  for (const auto& [control, mm] : spacing)
    if (const int32_t twips = mmToTwips(mm); twips != 0) out_.word(control, twips);
  // At-least and exact spacing have no counterpart that readers share.
  if (para.LineSpacingMode == 0) out_.word("\\sl", roundedToInt32(240.0 * para.LineSpacing)).raw("\\slmult1");
  out_.word("\\deftab", mmToTwips(para.DefaultTabWidth));
  for (const TTabStop& tab : para.Tabs) {
    if (tab.TabAlign >= 0 && tab.TabAlign < 4) out_.raw(kTabAlignments[static_cast<size_t>(tab.TabAlign)]);
    if (tab.Leader >= 0 && tab.Leader < 4) out_.raw(kLeaders[static_cast<size_t>(tab.Leader)]);
    out_.word("\\tx", mmToTwips(tab.Pos));
  }
  out_.raw(" ");
}

// The cell edges painting gives the row (relative widths resolved, the
// row kept at least as wide as painting keeps it), for the row's cells that
// lie within the frame's lines.
void RtfExport::writeRowDefinition(const std::vector<RtfLineRef>& lines, size_t at) {
  const size_t cells = std::min(static_cast<size_t>(rowStep(*lines[at].record)), lines.size() - at);
  out_.word("\\trowd\\trgaph", mmToTwips(kRtfCellInsetMm)).word("\\trleft", mmToTwips(cellEdges(lines[at]).first));
  for (size_t k = 0; k < cells; ++k) {
    writeCellDesign(lines[at + k].record->CellDesign);
    out_.word("\\cellx", mmToTwips(cellEdges(lines[at + k]).second));
  }
}

void RtfExport::writeCellDesign(const TCellDesign& design) {
  static constexpr std::array<const char*, 4> kBorders = {"\\clbrdrl", "\\clbrdrt", "\\clbrdrb", "\\clbrdrr"};
  for (size_t side = 0; side < kBorders.size(); ++side) {
    if (!design.BorderPresent[side]) continue;
    out_.raw(kBorders[side]).raw("\\brdrs").word("\\brdrcf", colours_.indexOf(design.BorderColor[side]));
    out_.word("\\brdrw", pointsToTwips(design.BorderWidth[side]));
  }
  // A transparent cell has no background, whatever colour it keeps.
  if (!design.BackTransparent) out_.word("\\clcbpat", colours_.backgroundIndexOf(design.BackColor));
}

std::pair<double, double> RtfExport::cellEdges(const RtfLineRef& ref) {
  auto found = geometry_.find(ref.field);
  if (found == geometry_.end()) found = geometry_.emplace(ref.field, frameGeometry(doc_, ref.field)).first;
  const LineGeometry& g = found->second.lines[static_cast<size_t>(ref.line)];
  const double columnLeft = ref.record->ColumnCount > 1 ? ref.record->ColumnX : 0.0;
  return {g.boxLeft - columnLeft, g.boxRight - columnLeft};
}

void RtfExport::writeListPrefix(const TLineRec& line) {
  const TParaFormat& para = line.Para;
  if (para.ListKind == 1) {
    writeCharacterFormat(prefixFont(bulletFontOf(para)), -1);
    out_.hexByte(para.BulletChar).raw("\\tab\\plain ");
  } else {
    const int32_t index = line.Chars.empty() ? -1 : line.Chars.front().FontIndex;
    if (index >= 0 && index < doc_.FontCount()) writeCharacterFormat(doc_.Fonts[index], index);
    else writeCharacterFormat(prefixFont(kNumberFont), -1);
    out_.number(para.ListNumber).raw(".\\tab\\plain ");
  }
  formatValid_ = false;
}

void RtfExport::writeCellFormat(const TCharRec& cell) {
  if (cell.FontIndex >= 0 && cell.FontIndex < doc_.FontCount()) writeCharacterFormat(doc_.Fonts[cell.FontIndex], cell.FontIndex);
}

void RtfExport::writeCharacterFormat(const TFontRec& font, int32_t fontIndex) {
  if (formatValid_ && fontIndex >= 0 && fontIndex == lastFontIndex_) return;
  const TFontRec* last = formatValid_ ? &lastFormat_ : nullptr;
  bool appended = false;
  const auto part = [&](bool differs) {
    appended = appended || differs;
    return differs;
  };
  if (part(!last || last->name() != font.name())) out_.word("\\f", fonts_.indexOf(font.name()));
  if (part(!last || last->Size != font.Size)) out_.word("\\fs", pointsToHalfPoints(font.Size));
  if (part(!last || last->Style != font.Style)) {
    out_.raw("\\b").raw(onOff(GettingOpsB(font.Style, 0))).raw("\\i").raw(onOff(GettingOpsB(font.Style, 1)));
    out_.raw("\\strike").raw(onOff(GettingOpsB(font.Style, 3)));
  }
  if (part(!last || last->Attr != font.Attr)) {
    out_.raw("\\shad").raw(onOff(GettingOps(font.Attr, kAttrShadow)));
    out_.raw("\\scaps").raw(onOff(GettingOps(font.Attr, kAttrSmallCaps)));
    out_.raw("\\caps").raw(onOff(GettingOps(font.Attr, kAttrAllCaps)));
    out_.raw(underlineWord(font.Attr)).raw(raiseWord(font.Attr));
  }
  if (part(!last || last->Color != font.Color)) out_.word("\\cf", colours_.indexOf(font.Color));
  if (part(!last || last->BackColor != font.BackColor || last->BackTransparent != font.BackTransparent)) {
    // Index 0 reads back as no background, so transparent is always index
    // 0, whatever colour it keeps; "\chcbpat0" rather than "\cb0", which some
    // readers paint as black.
    out_.word("\\chcbpat", font.BackTransparent ? 0 : colours_.backgroundIndexOf(font.BackColor));
  }
  lastFormat_ = font;
  lastFontIndex_ = fontIndex;
  formatValid_ = true;
  if (appended) out_.raw(" ");
}

}  // namespace vendaro
