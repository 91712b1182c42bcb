#include "document/caret_text.h"

#include <algorithm>

#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "document/paragraph_format.h"

namespace vendaro {
namespace {

// Word selection lets pictures and fields be part of a word; the word read
// for spell checking ends at them.
enum class WordRule { selecting, reading };

// An upper bound for the walks below, which move a cell at a time.
size_t positionBudget(const Document& doc) {
  size_t n = doc.Fields.size() + 1;
  for (const TFieldRec& f : doc.Fields)
    for (const TLineRec& line : f.Lines) n += line.Chars.size() + 1;
  return n;
}

const TLineRec& lineOf(const Document& doc, const TextPos& p) { return *lineAt(doc, p); }

bool atHardLineEnd(const Document& doc, const TextPos& p) {
  const TLineRec& line = lineOf(doc, p);
  return p.cell >= line.CharCount() && line.LineEnd != kLineEndSoft;
}

bool isSeparator(const Document& doc, const TextPos& p, WordRule rule) {
  const TLineRec& line = lineOf(doc, p);
  if (p.cell >= line.CharCount()) return line.LineEnd != kLineEndSoft;
  const TCharRec& cell = line.Chars[static_cast<size_t>(p.cell)];
  if (cell.Kind != kCellChar) return rule == WordRule::reading;
  return isSpaceCell(cell) || isTabCell(cell);
}

// The next cell in reading order; the end of a soft-wrapped line is the
// same position as the next line's start, so that line's cell 0 follows
// the wrapped line's last cell. False at the flow's end and at the edge of a
// table cell.
bool nextCell(const Document& doc, TextPos& p) {
  const TLineRec& line = lineOf(doc, p);
  if (p.cell + 1 < line.CharCount() || (p.cell + 1 == line.CharCount() && line.LineEnd != kLineEndSoft)) {
    ++p.cell;
    return true;
  }
  TextPos next = p;
  next.cell = line.CharCount();
  if (!moveCharRight(doc, next)) return false;
  if (line.LineEnd == kLineEndSoft) next.cell = 0;
  p = next;
  return true;
}

// Back over the word before `p` (and over the separators `p` stands on),
// not beyond a paragraph start or the edge of a table cell.
TextPos wordStart(const Document& doc, TextPos p, WordRule rule) {
  for (size_t budget = positionBudget(doc); budget-- > 0;) {
    TextPos prev = p;
    if (!moveCharLeft(doc, prev)) break;
    if (p.cell == 0 && lineOf(doc, prev).LineEnd == kLineEndParagraph) break;
    if (isSeparator(doc, prev, rule) && !isSeparator(doc, p, rule)) break;
    p = prev;
  }
  return p;
}

// The last cell of the word at `p` and of the separators after it; stays
// before a hard line end.
TextPos wordAndSpacesEnd(const Document& doc, TextPos p) {
  for (size_t budget = positionBudget(doc); budget-- > 0 && !atHardLineEnd(doc, p);) {
    TextPos next = p;
    if (!nextCell(doc, next) || atHardLineEnd(doc, next)) break;
    if (isSeparator(doc, p, WordRule::selecting) && !isSeparator(doc, next, WordRule::selecting)) break;
    p = next;
  }
  return p;
}

bool caretValid(const Document& doc) { return lineAt(doc, caretPos(doc)) != nullptr; }

TextPos clampedCaret(const Document& doc) {
  TextPos p = caretPos(doc);
  p.cell = std::clamp(p.cell, 0, lineOf(doc, p).CharCount());
  return p;
}

}  // namespace

void WortMarkieren(Document& doc) {
  if (!caretValid(doc)) return;
  const TextPos caret = clampedCaret(doc);
  setAnchor(doc, wordStart(doc, caret, WordRule::selecting));
  TextPos end = wordAndSpacesEnd(doc, caret);
  if (!atHardLineEnd(doc, end)) moveCharRight(doc, end);  // after the run's last cell
  setCaret(doc, end);
}

void AbsatzMarkieren(Document& doc) {
  const TextPos anchor = anchorPos(doc);
  if (!lineAt(doc, anchor)) return;
  const LinePos first = paragraphStart(doc, {anchor.field, anchor.line});
  const LinePos last = paragraphLines(doc, {anchor.field, anchor.line}).back();
  setAnchor(doc, {first.field, first.line, 0});
  const TextPos end{last.field, last.line, lineOf(doc, {last.field, last.line, 0}).CharCount()};
  TextPos afterMark = end;
  // The paragraph mark is included, but the selection never runs on into
  // another table cell.
  setCaret(doc, moveCharRight(doc, afterMark) ? afterMark : end);
}

std::string GetActualWord(Document& doc, bool select) {
  if (!caretValid(doc)) return {};
  const TextPos start = wordStart(doc, clampedCaret(doc), WordRule::reading);
  std::string word;
  TextPos p = start;
  for (size_t budget = positionBudget(doc); budget-- > 0;) {
    if (p.cell < lineOf(doc, p).CharCount()) {
      if (isSeparator(doc, p, WordRule::reading)) break;
      word.push_back(static_cast<char>(lineOf(doc, p).Chars[static_cast<size_t>(p.cell)].Ch));
    } else if (lineOf(doc, p).LineEnd != kLineEndSoft) {
      break;
    }
    if (!nextCell(doc, p)) break;
  }
  if (select) {
    setCaret(doc, start);
    setAnchor(doc, start);
  }
  return word;
}

std::optional<TFontRec> fontBeforeCaret(const Document& doc) {
  if (!caretValid(doc)) return std::nullopt;
  TextPos p = clampedCaret(doc);
  for (size_t budget = positionBudget(doc); lineOf(doc, p).Chars.empty();) {
    if (budget-- == 0 || !stepLines(doc, p, -1)) return std::nullopt;
    p.cell = lineOf(doc, p).CharCount();
  }
  const TCharRec& cell = lineOf(doc, p).Chars[static_cast<size_t>(std::max(p.cell - 1, 0))];
  if (cell.FontIndex < 0 || cell.FontIndex >= doc.FontCount()) return std::nullopt;
  TFontRec font = doc.Fonts[cell.FontIndex];
  if (cell.Kind == kCellNoteRef || cell.Kind == kCellNoteNumber) SettingOps(font.Attr, kAttrSuperscript, false);
  return font;
}

}  // namespace vendaro
