// format_dialogs.cpp — the formatting dialogs' commands: each fills its
// dialog from the input font or the caret's paragraph, shows it, and on OK
// applies only what the user changed, so that a selection of mixed formats
// keeps everything else. Lengths are shown in centimetres.
#include <algorithm>
#include <cmath>

#include "document/paragraph_format.h"
#include "editing/colour_choices.h"
#include "editing/decimal_text.h"
#include "editing/editor.h"
#include "editing/format_dialog_rules.h"

namespace vendaro {
namespace {

std::string centimetres(double mm) { return formatDecimal(mm / 10.0); }

// Takes a changed length field: the text as millimetres into `mm`, and its
// flag into `fields`. Unreadable text leaves the value as it was.
void takeLength(const std::string& shown, const std::string& typed, double& mm, uint32_t flag, uint32_t& fields) {
  if (typed == shown) return;
  if (const std::optional<double> cm = parseDecimal(typed)) {
    mm = *cm * 10.0;
    fields |= flag;
  }
}

ZeichenDialog zeichenDialogFrom(const TFontRec& font) {
  ZeichenDialog dialog;
  dialog.fontName = std::string(font.name());
  dialog.size = formatDecimal(font.Size);
  dialog.color = font.Color;
  dialog.backColor = font.BackColor;
  dialog.transparent = font.BackTransparent != 0;
  dialog.shadowColor = font.ShadowColor;
  dialog.outlineColor = font.OutlineColor;
  for (int bit = 0; bit < kCharacterAttributeCount; ++bit)
    dialog.attributes[static_cast<size_t>(bit)] = GettingOps(font.Attr, bit) || (bit < 4 && GettingOpsB(font.Style, bit));
  return dialog;
}

// The dialog's values into the input font, and the flags of what changed.
CharacterApply takeZeichenDialog(const ZeichenDialog& dialog, TFontRec& font) {
  CharacterApply apply;
  const auto& changed = dialog.changed;
  if (!dialog.fontName.empty()) {
    SetPCharText(font.Name, dialog.fontName);
    apply.name = changed.fontName;
  }
  if (const std::optional<double> size = fontSizeFromText(dialog.size)) {
    font.Size = *size;
    apply.size = changed.size;
  }
  font.Color = dialog.color;
  font.BackColor = dialog.backColor;
  font.BackTransparent = dialog.transparent && transparencyAllowed(dialog.backColor) ? 1 : 0;
  font.ShadowColor = dialog.shadowColor;
  font.OutlineColor = dialog.outlineColor;
  apply.color = changed.color;
  apply.backColor = changed.backColor || changed.transparent;
  apply.shadowColor = changed.shadowColor;
  apply.outlineColor = changed.outlineColor;
  for (int bit = 0; bit < kCharacterAttributeCount; ++bit) {
    const bool on = dialog.attributes[static_cast<size_t>(bit)];
    const bool userChanged = changed.attributes[static_cast<size_t>(bit)];
    SettingOps(font.Attr, bit, on);
    if (userChanged) SettingOps(apply.attributes, bit, true);
    if (bit < 4) {
      SettingOpsB(font.Style, bit, on);
      if (userChanged) apply.styleBit(bit) = true;
    }
  }
  return apply;
}

AbsatzDialog absatzDialogFrom(const TParaFormat& para) {
  AbsatzDialog dialog;
  dialog.alignment = para.Alignment;
  dialog.spacingChoice = lineSpacingChoice(para);
  dialog.measure = formatDecimal(para.LineSpacing);
  dialog.spaceBefore = centimetres(para.SpaceBefore);
  dialog.spaceAfter = centimetres(para.SpaceAfter);
  dialog.leftIndent = centimetres(para.LeftIndent);
  dialog.rightIndent = centimetres(para.RightIndent);
  dialog.firstLineIndent = centimetres(para.FirstLineIndent);
  return dialog;
}

uint32_t takeAbsatzDialog(const AbsatzDialog& shown, const AbsatzDialog& dialog, TParaFormat& para) {
  uint32_t fields = 0;
  if (dialog.alignment != shown.alignment && dialog.alignment >= 0 && dialog.alignment <= 3) {
    para.Alignment = static_cast<uint8_t>(dialog.alignment);
    fields |= kParaAlignment;
  }
  const bool spacingValid = dialog.spacingChoice >= kSpacingSingle && dialog.spacingChoice <= kSpacingMultiple;
  if (spacingValid && (dialog.spacingChoice != shown.spacingChoice || dialog.measure != shown.measure)) {
    const auto choice = static_cast<LineSpacingChoice>(dialog.spacingChoice);
    const std::optional<double> measure = parseDecimal(dialog.measure);
    // The three named multiples need no measure; the others a positive one.
    if (measureForSpacingChoice(choice) || (measure && *measure > 0)) {
      applyLineSpacingChoice(para, choice, measure.value_or(para.LineSpacing));
      fields |= kParaLineSpacing;
    }
  }
  takeLength(shown.spaceBefore, dialog.spaceBefore, para.SpaceBefore, kParaSpaceBefore, fields);
  takeLength(shown.spaceAfter, dialog.spaceAfter, para.SpaceAfter, kParaSpaceAfter, fields);
  takeLength(shown.leftIndent, dialog.leftIndent, para.LeftIndent, kParaLeftIndent, fields);
  takeLength(shown.rightIndent, dialog.rightIndent, para.RightIndent, kParaRightIndent, fields);
  takeLength(shown.firstLineIndent, dialog.firstLineIndent, para.FirstLineIndent, kParaFirstLineIndent, fields);
  return fields;
}

bool sameStops(const std::vector<TabDialogStop>& a, const std::vector<TabDialogStop>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TabDialogStop& x, const TabDialogStop& y) {
    return x.position == y.position && x.align == y.align && x.leader == y.leader;
  });
}

// The dialog's stops as the paragraph's: in order, in range, and a stop the
// dialog showed unchanged keeps its exact millimetres.
std::vector<TTabStop> tabStopsFrom(const std::vector<TabDialogStop>& stops, const std::vector<TTabStop>& before) {
  std::vector<TTabStop> tabs;
  for (const TabDialogStop& stop : stops) {
    if (!(stop.position > 0 && stop.position <= 100)) continue;
    double mm = stop.position * 10.0;
    for (const TTabStop& old : before)
      if (old.Pos / 10.0 == stop.position) mm = old.Pos;
    tabs.push_back({mm, std::clamp(stop.align, 0, 3), std::clamp(stop.leader, 0, 3)});
  }
  std::stable_sort(tabs.begin(), tabs.end(), [](const TTabStop& a, const TTabStop& b) { return a.Pos < b.Pos; });
  tabs.erase(std::unique(tabs.begin(), tabs.end(), [](const TTabStop& a, const TTabStop& b) { return a.Pos == b.Pos; }), tabs.end());
  return tabs;
}

constexpr const char* kDefaultBulletFontName = "Wingdings";

}  // namespace

void Editor::zeichenformatieren() {
  if (!formattingAllowed()) return;
  ZeichenDialog dialog = zeichenDialogFrom(doc_.CurFont);
  if (!host_.showZeichenDialog(dialog)) return;
  const CharacterApply apply = takeZeichenDialog(dialog, doc_.CurFont);
  formatieren(apply);
  SmallOvertakeFont();
}

void Editor::absatzformatieren() {
  if (!formattingAllowed()) return;
  ParagraphValues values = getabsatzformat(doc_);
  const AbsatzDialog shown = absatzDialogFrom(values.Para);
  AbsatzDialog dialog = shown;
  if (!host_.showAbsatzDialog(dialog)) return;
  writeParagraphFields(values, takeAbsatzDialog(shown, dialog, values.Para));
}

void Editor::tabulator() {
  if (!formattingAllowed()) return;
  ParagraphValues values = getabsatzformat(doc_);
  TabulatorDialog shown;
  shown.defaultTabWidth = centimetres(values.Para.DefaultTabWidth);
  for (const TTabStop& tab : values.Para.Tabs) shown.stops.push_back({tab.Pos / 10.0, tab.TabAlign, tab.Leader});
  TabulatorDialog dialog = shown;
  if (!host_.showTabulatorDialog(dialog)) return;
  uint32_t fields = 0;
  if (dialog.defaultTabWidth != shown.defaultTabWidth) {
    // A zero or negative default width would put endless stops on a line.
    if (const std::optional<double> cm = parseDecimal(dialog.defaultTabWidth); cm && *cm > 0) {
      values.Para.DefaultTabWidth = *cm * 10.0;
      fields |= kParaDefaultTabWidth;
    }
  }
  if (!sameStops(dialog.stops, shown.stops)) {
    values.Para.Tabs = tabStopsFrom(dialog.stops, values.Para.Tabs);
    fields |= kParaTabs;
  }
  writeParagraphFields(values, fields);
}

void Editor::NummerierungundAufzaehlungen() {
  if (!formattingAllowed()) return;
  ParagraphValues values = getabsatzformat(doc_);
  NummerierungDialog shown;
  shown.listKind = values.Para.ListKind;
  shown.listIndent = centimetres(values.Para.ListIndent);
  shown.bullet = std::string(1, static_cast<char>(values.Para.BulletChar));
  shown.bulletFont = values.BulletFontName.empty() ? kDefaultBulletFontName : values.BulletFontName;
  NummerierungDialog dialog = shown;
  if (!host_.showNummerierungDialog(dialog)) return;
  uint32_t fields = 0;
  if (dialog.listKind != shown.listKind && dialog.listKind >= 0 && dialog.listKind <= 2) {
    values.Para.ListKind = static_cast<uint8_t>(dialog.listKind);
    fields |= kParaListKind;
  }
  takeLength(shown.listIndent, dialog.listIndent, values.Para.ListIndent, kParaListIndent, fields);
  if (dialog.bullet != shown.bullet) {
    values.Para.BulletChar = dialog.bullet.empty() ? kDefaultBulletChar : static_cast<uint8_t>(dialog.bullet[0]);
    fields |= kParaBulletChar;
  }
  if (dialog.bulletFont != shown.bulletFont) {
    values.BulletFontName = dialog.bulletFont == kDefaultBulletFontName ? std::string() : dialog.bulletFont;
    fields |= kParaBulletFont;
  }
  writeParagraphFields(values, fields);
}

void Editor::spaltenformat() {
  if (!formattingAllowed()) return;
  ParagraphValues values = getabsatzformat(doc_);
  SpaltenDialog shown;
  shown.count = std::to_string(values.ColumnCount);
  shown.lines = values.ColumnLines != 0;
  shown.gap = centimetres(values.ColumnGap);
  SpaltenDialog dialog = shown;
  if (!host_.showSpaltenDialog(dialog)) return;
  uint32_t fields = 0;
  const std::optional<double> count = parseDecimal(dialog.count);
  const double whole = count ? std::trunc(*count) : 0;
  // A count of 0, or one out of range, keeps the old settings.
  const bool changed = dialog.count != shown.count || dialog.lines != shown.lines || dialog.gap != shown.gap;
  if (changed && whole >= 1 && whole <= 10) {
    values.ColumnCount = static_cast<int32_t>(whole);
    values.ColumnLines = dialog.lines ? 1 : 0;
    if (const std::optional<double> gap = parseDecimal(dialog.gap); gap && *gap >= 0 && dialog.gap != shown.gap)
      values.ColumnGap = *gap * 10.0;
    fields |= kParaColumns;
  }
  writeParagraphFields(values, fields);
}

}  // namespace vendaro
