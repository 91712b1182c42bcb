// rtf_text_output.cpp — how the RTF reader writes text: cells appended at
// the caret in the font the character state names, paragraph and line
// ends, and the paragraph state carried into the line's format.
#include <algorithm>
#include <array>
#include <cassert>

#include "formats/rtf_reader_state.h"

namespace vendaro::rtf {
namespace {

constexpr double kTabCellWidthMm = 12.5;
constexpr char kFallbackFont[] = "Times New Roman";
constexpr int32_t kWhite = 0xFFFFFF;

// Highlight colours by index, 0x00BBGGRR.
constexpr std::array<int32_t, 17> kHighlightColours = {
    0,        0x000000, 0xFF0000, 0xFFFF00, 0x00FF00, 0xFF00FF, 0x0000FF, 0x00FFFF, 0xFFFFFF,
    0x800000, 0x808000, 0x008000, 0x800080, 0x000080, 0x008080, 0x808080, 0xC0C0C0};

// RTF orders alignments left, right, centred, justified.
constexpr std::array<uint8_t, 4> kAlignment = {0, 2, 1, 3};

}  // namespace

TLineRec& Reader::caretLine() {
  TFieldRec& frame = doc_.Fields[static_cast<size_t>(doc_.CurField)];
  if (frame.Lines.empty()) Document::InitNewLine(frame.Lines, 0);
  doc_.CurLine = std::clamp(doc_.CurLine, 0, frame.LineCount() - 1);
  return frame.Lines[static_cast<size_t>(doc_.CurLine)];
}

void Reader::continueInFrame(int32_t frame) {
  if (frame < 0 || frame >= doc_.FieldCount()) return;
  doc_.CurField = frame;
  doc_.CurLine = std::max(doc_.Fields[static_cast<size_t>(frame)].LineCount() - 1, 0);
  doc_.CurChar = caretLine().CharCount();
}

int32_t Reader::fontIndexForState() {
  const CharState& chars = state_.chars;
  if (cachedFontIndex_ >= 0 && chars == cachedChars_) return cachedFontIndex_;
  TFontRec font = defaultCurFont();
  font.Style = 0;
  font.Attr = 0;
  const int32_t number = chars.font < 0 ? defaultFont_ : chars.font;
  const auto named = fontNames_.find(number);
  const bool useName = named != fontNames_.end() && !named->second.empty() && named->second != "default";
  SetPCharText(font.Name, useName ? named->second : std::string(kFallbackFont));
  const auto colourAt = [&](int32_t index) { return colours_[static_cast<size_t>(index)]; };
  const auto inTable = [&](int32_t index) { return index >= 1 && index < static_cast<int32_t>(colours_.size()); };
  font.Color = inTable(chars.colour) ? colourAt(chars.colour) : 0;
  if (chars.highlight >= 1 && chars.highlight <= 16) {
    font.BackColor = kHighlightColours[static_cast<size_t>(chars.highlight)];
    font.BackTransparent = 0;
  } else if (inTable(chars.background)) {
    font.BackColor = colourAt(chars.background);
    font.BackTransparent = 0;
  } else {
    font.BackColor = kWhite;
    font.BackTransparent = 1;
  }
  font.Size = chars.halfPoints > 0 ? chars.halfPoints / 2.0 : 12.0;
  SettingOpsB(font.Style, kAttrBold, chars.bold != 0);
  SettingOpsB(font.Style, kAttrItalic, chars.italic != 0);
  SettingOpsB(font.Style, kAttrStrikeOut, chars.strike != 0);
  const bool single = chars.underline == 1 || chars.underline == 3;
  SettingOpsB(font.Style, kAttrUnderline, single);
  SettingOps(font.Attr, kAttrUnderline, single);
  SettingOps(font.Attr, kAttrDoubleUnderline, chars.underline == 2);
  SettingOps(font.Attr, kAttrWordUnderline, chars.underline == 3);
  SettingOps(font.Attr, kAttrShadow, chars.shadow);
  SettingOps(font.Attr, kAttrSuperscript, chars.superscript);
  SettingOps(font.Attr, kAttrSubscript, !chars.superscript && chars.subscript);
  SettingOps(font.Attr, kAttrSmallCaps, chars.smallCaps);
  SettingOps(font.Attr, kAttrAllCaps, !chars.smallCaps && chars.caps);
  cachedChars_ = chars;
  cachedFontIndex_ = doc_.GetNewFontIndex(font);
  return cachedFontIndex_;
}

TCharRec* Reader::appendCell(uint8_t ch) {
  caretLine();
  doc_.CurChar = std::clamp(doc_.CurChar, 0, caretLine().CharCount());
  const int32_t font = fontIndexForState();
  if (font != currentFontIndex_) {
    doc_.CurFont = doc_.Fonts[font];
    currentFontIndex_ = font;
  }
  TCharRec* cell = doc_.NewChar();
  assert(cell != nullptr);  // the caret stays at the end of a line of the records
  cell->Ch = ch;
  cell->FontIndex = font;
  ++doc_.CurChar;
  return cell;
}

void Reader::writeCharacter(uint8_t ch) {
  if (ch != kTabChar && ch < 32) return;
  paragraphFormatKept_ = false;
  TCharRec* cell = appendCell(ch);
  doc_.RenderChar(*cell);
  if (ch == kTabChar) {
    cell->CharWidth = kTabCellWidthMm;
    cell->CharHeight = -1.0;
  }
}

void Reader::applyTabAndSpacing(TParaFormat& para) const {
  const ParaState& state = state_.para;
  para.Alignment = kAlignment[static_cast<size_t>(std::clamp(state.alignment, 0, 3))];
  para.SpaceBefore = twipsToMm(state.spaceBefore);
  para.SpaceAfter = twipsToMm(state.spaceAfter);
  para.LineSpacing = state.lineSpacing;
  para.LineSpacingMode = 0;
  para.DefaultTabWidth = defaultTabMm_;
  para.Tabs = state.tabs;
}

void Reader::applyParagraphState(TLineRec& line) const {
  const ParaState& state = state_.para;
  applyTabAndSpacing(line.Para);
  line.Para.LeftIndent = twipsToMm(state.leftIndent);
  line.Para.RightIndent = twipsToMm(state.rightIndent);
  line.Para.FirstLineIndent = twipsToMm(state.firstIndent);
  line.ColumnCount = columns_;
  line.ColumnGap = columnGapMm_;
  line.ColumnLines = lineBetweenColumns_ ? 1 : 0;
}

void Reader::endLine(int32_t kind) {
  TLineRec& line = caretLine();
  line.LineEnd = kind;
  doc_.InsertNewLine(doc_.CurField, doc_.CurLine + 1);
  ++doc_.CurLine;
  doc_.CurChar = 0;
}

void Reader::writeBreak(int32_t kind) {
  if (state_.destination != Destination::text) return;
  paragraphFormatKept_ = false;
  if (row_.open && row_.frame == doc_.CurField) {
    // A cell's paragraphs share its line; break cells carry the format of
    // the paragraph after them, which layout gives the line it splits off.
    setCellParagraph();
    TCharRec* cell = appendCell(static_cast<uint8_t>(12 + kind));
    if (kind == kLineEndManual) return;
    cell->ParaRef = caretLine().Para;
    row_.lastBreakCell = doc_.CurChar - 1;
    return;
  }
  applyParagraphState(caretLine());
  endLine(kind);
  if (kind == kLineEndManual) applyParagraphState(caretLine());
}

}  // namespace vendaro::rtf
