// toolbar_commands.cpp — what the colour and line width buttons, the
// language entries and the zoom box do to the active document.
#include <cmath>
#include <string>

#include "editing/decimal_text.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

constexpr char kObjectFormatUndo[] = "Feld formatieren";
constexpr double kMinZoom = 1.0;
constexpr double kMaxZoom = 250.0;

}  // namespace

void Editor::applyTextColor(int32_t colour) {
  if (ToolbarSyncGuard || !formattingAllowed()) return;
  doc_.CurFont.Color = colour;
  CharacterApply apply;
  apply.color = true;
  formatieren(apply);
}

void Editor::applyTextBackColor(int32_t colour, bool transparent) {
  if (ToolbarSyncGuard || !formattingAllowed()) return;
  doc_.CurFont.BackColor = colour;
  doc_.CurFont.BackTransparent = transparent ? 1 : 0;
  CharacterApply apply;
  apply.backColor = true;
  formatieren(apply);
}

template <typename Change>
void Editor::changeCaretObject(const Change& change) {
  if (doc_.CurField < 0 || doc_.CurField >= doc_.FieldCount()) return;
  if (doc_.Fields[static_cast<size_t>(doc_.CurField)].FieldType < kFieldTextBox) return;
  MakeCopyForUndo(kObjectFormatUndo);
  change(doc_.Fields[static_cast<size_t>(doc_.CurField)]);
  host_.requestRepaint();
}

void Editor::applyObjectFill(int32_t colour, bool none) {
  changeCaretObject([&](TFieldRec& frame) {
    frame.BackColor = colour;
    frame.Transparent = none ? 1 : 0;
  });
}

void Editor::applyObjectLineColor(int32_t colour) {
  changeCaretObject([&](TFieldRec& frame) { frame.BorderColor = colour; });
}

void Editor::applyObjectLineWidth(double points) {
  changeCaretObject([&](TFieldRec& frame) { frame.BorderWidth = points; });
}

// The file keeps language and hyphenation, undo steps do not: the change is
// marked in the document, and the whole text follows it at once.
void Editor::setDocumentLanguage(int32_t language) {
  if (language == doc_.DocLanguage) return;
  SetNewDokumentSprache(language);
  relayoutForLanguage();
}

void Editor::toggleAutoHyphenate() {
  doc_.AutoHyphenate = doc_.AutoHyphenate ? 0 : 1;
  relayoutForLanguage();
}

void Editor::relayoutForLanguage() {
  recheckSpelling();
  SetFileChanged(true);
  RefreshContent();
}

Editor::ZoomChoice Editor::applyZoomText(std::string_view text) {
  if (text == "Seitenbreite" || text == "Ganze Seite") {
    doc_.ZoomMode = text == "Seitenbreite" ? kZoomPageWidth : kZoomWholePage;
    return ZoomChoice::fitting;
  }
  if (!text.empty() && text.back() == '%') text.remove_suffix(1);
  const std::optional<double> percent = parseDecimal(text);
  if (!percent || *percent < kMinZoom || *percent > kMaxZoom) return ZoomChoice::ignored;
  doc_.ZoomMode = kZoomFixed;
  if (*percent != doc_.ZoomPercent) {
    doc_.ZoomPercent = *percent;
    host_.zoomChanged();
    host_.requestRepaint();
  }
  return ZoomChoice::fixed;
}

std::string zoomBoxText(double percent) { return formatDecimal(percent) + "%"; }

}  // namespace vendaro
