// character_style.cpp — character formatting: the input font takes the
// chosen values, and the selection or, without one, the word at the caret
// takes those of them the command applies; every other property of each
// cell's font stays. Bold, italic, underline and the tool bar's font boxes.
#include <algorithm>
#include <string>
#include <vector>

#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "document/selection.h"
#include "document/text_walk.h"
#include "editing/decimal_text.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "spelling/line_words.h"

namespace vendaro {
namespace {

// Gives cells the font `change` makes of their own, measured anew. Cells of
// one font all get the same new one, so each font is changed once.
template <typename Change>
class CellRestyler {
 public:
  CellRestyler(Document& doc, const Change& change) : doc_(doc), change_(change), newIndex_(static_cast<size_t>(doc.Fonts.size()), -1) {}

  void restyle(TCharRec& cell) {
    if (cell.Kind == kCellPicture || cell.Kind > kCellField) return;
    cell.FontIndex = newIndexOf(cell.FontIndex);
    if (cell.Kind == kCellField) doc_.RenderChar(cell, false, textOf(cell.Text));
    else if (cell.Kind != kCellChar) doc_.RenderChar(cell, false, std::to_string(cell.ShownNumber));
    else if (!isTabCell(cell)) doc_.RenderChar(cell);  // a tab's width and height come from layout
  }

 private:
  int32_t newIndexOf(int32_t old) {
    if (old < 0 || old >= doc_.Fonts.size()) return old;  // a damaged cell keeps what it has
    const bool remembered = static_cast<size_t>(old) < newIndex_.size();
    if (remembered && newIndex_[static_cast<size_t>(old)] >= 0) return newIndex_[static_cast<size_t>(old)];
    TFontRec font = doc_.Fonts[old];
    change_(font);
    const int32_t index = doc_.GetNewFontIndex(font);
    if (remembered) newIndex_[static_cast<size_t>(old)] = index;
    return index;
  }

  Document& doc_;
  const Change& change_;
  std::vector<int32_t> newIndex_;
};

bool isWordLetter(const TCharRec& cell) { return cell.Kind == kCellChar && cell.Ch != '-' && isWordCharacter(cell.Ch); }

// The word at the caret: letters and digits on both sides of it, across
// soft line ends but not across a paragraph's end.
template <typename Visit>
void forEachCellOfWordAtCaret(Document& doc, const Visit& visit) {
  const size_t budget = lineBudget(doc);
  TextPos p = caretPos(doc);
  int32_t index = p.cell - 1;
  for (size_t lines = budget; lines-- > 0;) {
    TLineRec& line = *editLine(doc, p);
    index = std::min(index, line.CharCount() - 1);
    while (index >= 0 && isWordLetter(line.Chars[static_cast<size_t>(index)])) visit(line, index--);
    if (index >= 0 || line.CellFirstLine || !lineAbove(doc, p)) break;
    const TLineRec& above = *lineAt(doc, p);
    if (above.LineEnd != kLineEndSoft || above.CellLastLine) break;
    index = above.CharCount() - 1;
  }
  p = caretPos(doc);
  index = p.cell;
  for (size_t lines = budget; lines-- > 0;) {
    TLineRec& line = *editLine(doc, p);
    while (index >= 0 && index < line.CharCount() && isWordLetter(line.Chars[static_cast<size_t>(index)])) visit(line, index++);
    if (index < line.CharCount() || line.LineEnd != kLineEndSoft || line.CellLastLine || !lineBelow(doc, p)) break;
    if (lineAt(doc, p)->CellFirstLine) break;
    index = 0;
  }
}

}  // namespace

bool Editor::formattingAllowed() const {
  const TextPos caret = caretPos(doc_);
  if (!lineAt(doc_, caret)) return false;
  // Shapes and pictures hold no text to format; their menus are disabled,
  // but shortcuts still arrive.
  return doc_.Fields[static_cast<size_t>(caret.field)].FieldType < kFieldRectangle;
}

void Editor::formatieren(const CharacterApply& apply) {
  if (!formattingAllowed()) return;
  MakeCopyForUndo("Zeichenformat");
  applyInputFont(apply);
  RefreshDirtyContent();
}

void Editor::applyInputFont(const CharacterApply& apply) {
  const TFontRec from = doc_.CurFont;
  const auto change = [&](TFontRec& font) { applyCharacterProperties(font, from, apply); };
  CellRestyler<decltype(change)> restyler(doc_, change);
  if (isThereAmarking(doc_)) {
    TextWalk walk(doc_);
    walk.startAtSelection();
    // A selection that starts at a line's end has its first cell further on.
    for (bool more = walk.atMarkedCell() || walk.getnextmarkedchar(); more; more = walk.getnextmarkedchar()) {
      TLineRec& line = *editLine(doc_, walk.pos);
      restyler.restyle(line.Chars[static_cast<size_t>(walk.pos.cell)]);
      line.Dirty = 1;
    }
  } else {
    forEachCellOfWordAtCaret(doc_, [&](TLineRec& line, int32_t index) {
      restyler.restyle(line.Chars[static_cast<size_t>(index)]);
      line.Dirty = 1;
    });
  }
}

void Editor::toggleCharacterStyle(int styleBit) {
  if (styleBit < 0 || styleBit > 2 || !formattingAllowed()) return;
  const bool on = !GettingOpsB(doc_.CurFont.Style, styleBit);
  SettingOpsB(doc_.CurFont.Style, styleBit, on);
  CharacterApply apply;
  apply.styleBit(styleBit) = true;
  // Underline is both a style bit and a character attribute.
  if (styleBit == 2) {
    SettingOps(doc_.CurFont.Attr, kAttrUnderline, on);
    SettingOps(apply.attributes, kAttrUnderline, true);
  }
  formatieren(apply);
}

std::optional<double> fontSizeFromText(std::string_view text) {
  const std::optional<double> size = parseDecimal(text);
  if (!size || *size < 1 || *size > 999) return std::nullopt;
  return size;
}

std::string Editor::setFontSizeFromBox(std::string_view text) {
  if (ToolbarSyncGuard) return formatDecimal(doc_.CurFont.Size);
  if (const std::optional<double> size = fontSizeFromText(text); size && formattingAllowed()) {
    doc_.CurFont.Size = *size;
    CharacterApply apply;
    apply.size = true;
    formatieren(apply);
  }
  return formatDecimal(doc_.CurFont.Size);
}

void Editor::setFontNameFromBox(std::string_view cp1252Name) {
  if (ToolbarSyncGuard || cp1252Name.empty() || !formattingAllowed()) return;
  SetPCharText(doc_.CurFont.Name, cp1252Name);
  CharacterApply apply;
  apply.name = true;
  formatieren(apply);
}

}  // namespace vendaro
