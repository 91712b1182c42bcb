// styles.cpp — the document's styles ("Formatvorlagen"): the standard set of
// a new document, new styles from the caret, applying one, and the manager
// that renames and deletes them. Styles are no part of undo steps, so each
// change to them marks the document changed instead.
#include "document/caret_moves.h"
#include "document/paragraph_format.h"
#include "editing/editor.h"
#include "editing/format_dialog_rules.h"

namespace vendaro {
namespace {

struct StandardStyle {
  const char* name;  // code page 1252
  uint8_t kind;
  const char* face;
  double size;
  uint8_t styleBits;
};

// "Standardschrfitart" is spelled as stored documents have it.
constexpr StandardStyle kStandardStyles[] = {
    {"Standard", kParagraphStyle, "Times New Roman", 12, 0},
    {"\xDC" "berschrift 1", kParagraphStyle, "Arial", 14, 0b01},
    {"\xDC" "berschrift 2", kParagraphStyle, "Arial", 12, 0b11},
    {"\xDC" "berschrift 3", kParagraphStyle, "Arial", 12, 0},
    {"Standardschrfitart", kCharacterStyle, "Times New Roman", 12, 0},
};

ParagraphValues valuesOf(const TParaFormat& para) {
  ParagraphValues values;
  values.Para = para;
  values.BulletFontName = std::string(textOf(para.BulletFont));
  return values;
}

}  // namespace

void Editor::AddVorlage(const TStyleRec& style) { doc_.Styles.push_back(style); }

void Editor::FreeVorlagen() { doc_.Styles.clear(); }

void Editor::CreateStandartVorlagen() {
  const TLineRec* caretLine = lineAt(doc_, caretPos(doc_));
  const TParaFormat para = caretLine ? caretLine->Para : TParaFormat{};
  for (const StandardStyle& standard : kStandardStyles) {
    TFontRec font = doc_.CurFont;  // colours, transparency and attributes
    font.Color = 0;
    font.Charset = 1;
    SetPCharText(font.Name, standard.face);
    font.Size = standard.size;
    font.Style = standard.styleBits;
    TStyleRec style;
    style.Name = standard.name;
    style.Kind = standard.kind;
    style.Para = para;
    style.Char.FontIndex = doc_.GetNewFontIndex(font);
    AddVorlage(style);
  }
}

void Editor::NeueVorlage(uint8_t kind) {
  if (!formattingAllowed() || kind > kCharacterStyle) return;
  VorlagenNameDialog dialog;
  dialog.name = "Formatvorlage " + std::to_string(doc_.StyleCount() + 1);
  if (!host_.showVorlagenNameDialog(dialog) || !styleNameAcceptable(dialog.name)) return;
  const TextPos caret = caretPos(doc_);
  const TLineRec& line = *lineAt(doc_, caret);
  TStyleRec style;
  style.Name = dialog.name;
  style.Kind = kind;
  style.Para = line.Para;
  if (caret.cell < line.CharCount() - 1) {
    style.Char = line.Chars[static_cast<size_t>(caret.cell)];
  } else {
    style.Char.FontIndex = doc_.GetNewFontIndex(doc_.CurFont);
  }
  AddVorlage(style);
  SetFileChanged(true);
  ListAllVorlagen();
}

void Editor::useVorlage(int index) {
  if (ToolbarSyncGuard || index < 0 || index >= doc_.StyleCount() || !formattingAllowed()) return;
  const TStyleRec style = doc_.Styles[static_cast<size_t>(index)];
  // Taken before the paragraph format changes, so that one undo step
  // restores the paragraph and the characters together.
  MakeCopyForUndo("Zeichenformat");
  if (style.Kind == kParagraphStyle) setabsatzformat(doc_, valuesOf(style.Para), false, false);
  // A file may carry a style whose font the font table lacks: then only its
  // paragraph format applies.
  if (style.Char.FontIndex >= 0 && style.Char.FontIndex < static_cast<int32_t>(doc_.Fonts.size())) {
    doc_.CurFont = doc_.Fonts[style.Char.FontIndex];
    applyInputFont(CharacterApply::all());
  }
  RefreshDirtyContent();
  OvertakeFont();
}

void Editor::VorlagenVerwalten() {
  VorlagenVerwaltenDialog dialog;
  for (const TStyleRec& style : doc_.Styles) dialog.names.push_back(style.Name);
  dialog.selected = dialog.names.empty() ? -1 : 0;
  const bool ok = host_.showVorlagenVerwaltenDialog(dialog);
  // Renames and deletions happened while the dialog was open, whatever
  // button closed it.
  for (const VorlagenEdit& edit : dialog.edits) {
    if (edit.index < 0 || edit.index >= doc_.StyleCount()) continue;
    if (edit.kind == VorlagenEdit::rename) {
      if (!styleNameAcceptable(edit.name)) continue;
      doc_.Styles[static_cast<size_t>(edit.index)].Name = edit.name;
    } else {
      doc_.Styles.erase(doc_.Styles.begin() + edit.index);
    }
    SetFileChanged(true);
  }
  if (ok) useVorlage(dialog.selected);
  ListAllVorlagen();
}

}  // namespace vendaro
