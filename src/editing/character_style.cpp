// character_style.cpp — bold, italic and underline switched from the
// keyboard: the input font changes, and so does the selection or, without
// one, the word at the caret; every other property of each cell's font stays.
#include <algorithm>
#include <string>

#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "document/selection.h"
#include "document/text_walk.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "spelling/line_words.h"

namespace vendaro {
namespace {

// Gives `cell` the font `change` makes of its own, measured anew.
template <typename Change>
void restyleCell(Document& doc, TCharRec& cell, const Change& change) {
  if (cell.Kind == kCellPicture || cell.Kind > kCellField) return;
  TFontRec font = doc.Fonts[cell.FontIndex];
  change(font);
  cell.FontIndex = doc.GetNewFontIndex(font);
  if (cell.Kind == kCellField) doc.RenderChar(cell, false, textOf(cell.Text));
  else if (cell.Kind != kCellChar) doc.RenderChar(cell, false, std::to_string(cell.ShownNumber));
  else if (!isTabCell(cell)) doc.RenderChar(cell);  // a tab's width and height come from layout
}

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

void Editor::toggleCharacterStyle(int styleBit) {
  if (styleBit < 0 || styleBit > 2) return;
  const TLineRec* caretLine = lineAt(doc_, caretPos(doc_));
  MakeCopyForUndo("Zeichenformat");
  const bool on = !GettingOpsB(doc_.CurFont.Style, styleBit);
  // Underline is both a style bit and a character attribute.
  const auto change = [styleBit, on](TFontRec& font) {
    SettingOpsB(font.Style, styleBit, on);
    if (styleBit == 2) SettingOps(font.Attr, kAttrUnderline, on);
  };
  change(doc_.CurFont);
  if (!caretLine) return;

  if (isThereAmarking(doc_)) {
    TextWalk walk(doc_);
    walk.startAtSelection();
    // A selection that starts at a line's end has its first cell further on.
    for (bool more = walk.atMarkedCell() || walk.getnextmarkedchar(); more; more = walk.getnextmarkedchar()) {
      TLineRec& line = *editLine(doc_, walk.pos);
      restyleCell(doc_, line.Chars[static_cast<size_t>(walk.pos.cell)], change);
      line.Dirty = 1;
    }
  } else {
    forEachCellOfWordAtCaret(doc_, [&](TLineRec& line, int32_t index) {
      restyleCell(doc_, line.Chars[static_cast<size_t>(index)], change);
      line.Dirty = 1;
    });
  }
  RefreshDirtyContent();
}

}  // namespace vendaro
