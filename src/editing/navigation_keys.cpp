// navigation_keys.cpp — the keys that move the caret: Home and End, the
// arrows (by character, line or word), Page Up and Page Down. With Shift
// they extend the selection; without, a selection first collapses to the
// side the key points to.
#include <algorithm>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"
#include "spelling/line_words.h"

namespace vendaro {
namespace {

constexpr int kPageLines = 20;
constexpr int kPageScrollPixels = 8;

// Word moves read every special cell (picture, field, footnote mark) as a
// full stop, and a position without a character (a paragraph's start) as
// a space.
uint8_t wordMoveChar(const TCharRec& cell) { return cell.Kind == kCellChar ? cell.Ch : '.'; }

bool isAlphaNumeric(uint8_t ch) { return ch != '-' && isWordCharacter(ch); }

uint8_t charAt(const Document& doc, const TextPos& pos) {
  const TLineRec* line = lineAt(doc, pos);
  if (!line || pos.cell < 0 || pos.cell >= line->CharCount()) return ' ';
  return wordMoveChar(line->Chars[static_cast<size_t>(pos.cell)]);
}

uint8_t charBefore(const Document& doc, const TextPos& pos) {
  const TCharRec* cell = cellBefore(doc, pos);
  return cell ? wordMoveChar(*cell) : ' ';
}

// Where a word move stops: after spaces, where a word of letters and digits
// meets punctuation, and after any punctuation that is not followed by a
// space.
bool wordBoundary(uint8_t before, uint8_t at) {
  if (before == ' ') return at != ' ';
  if (isAlphaNumeric(before)) return !isAlphaNumeric(at) && at != ' ';
  return at != ' ';
}

bool atLineEnd(const Document& doc) {
  const TLineRec* line = lineAt(doc, caretPos(doc));
  return !line || doc.CurChar >= line->CharCount();
}

// Every caret position of the document: a bound for the word moves, so
// that a damaged chain that loops cannot hang them.
size_t positionBudget(const Document& doc) {
  size_t n = doc.Fields.size() + 1;
  for (const TFieldRec& frame : doc.Fields)
    for (const TLineRec& line : frame.Lines) n += line.Chars.size() + 1;
  return n;
}

bool atWordBoundary(const Document& doc) { return wordBoundary(charBefore(doc, caretPos(doc)), charAt(doc, caretPos(doc))); }

}  // namespace

bool Editor::navigationKey(int32_t key, ShiftState shift) {
  const TLineRec* caretLine = lineAt(doc_, caretPos(doc_));
  if (!caretLine) return false;
  const bool ctrl = ctrlHeld(shift);
  const bool extend = shiftHeld(shift);
  const bool collapse = isThereAmarking(doc_) && !extend;
  switch (key) {
    case kKeyHome: case kKeyEnd: case kKeyUp: case kKeyDown:
    case kKeyPageUp: case kKeyPageDown: case kKeyLeft: case kKeyRight:
      break;
    default:
      return false;
  }
  closeUndoMerge();
  if (key != kKeyEnd) doc_.CaretAtLineEnd = 0;

  switch (key) {
    case kKeyHome:
      if (ctrl) {
        doc_.CurField = chainHead(doc_, doc_.CurField);
        doc_.CurLine = 0;
      }
      doc_.CurChar = 0;
      break;
    case kKeyEnd:
      if (ctrl) {
        doc_.CurField = chainTail(doc_, doc_.CurField);
        const TFieldRec& tail = doc_.Fields[static_cast<size_t>(doc_.CurField)];
        doc_.CurLine = tail.LineCount() > 0 ? tail.LineCount() - 1 : 0;
        doc_.CurChar = tail.LineCount() > 0 ? tail.Lines.back().CharCount() : 0;
      } else {
        doc_.CurChar = caretLine->CharCount();
        // Selecting to the end of a paragraph takes its mark along. The end
        // of a wrapped line is already the start of the next one, so there
        // the selection stops; a cell's last line has nowhere to go.
        if (extend && !caretLine->CellLastLine && caretLine->LineEnd != kLineEndSoft) GoCharRight(doc_);
      }
      doc_.CaretAtLineEnd = 1;
      break;
    case kKeyUp:
      if (collapse) setCaret(doc_, FindMarkingStart(doc_).start());
      GoLineUp(doc_);
      break;
    case kKeyDown:
      if (collapse) {
        setCaret(doc_, FindMarkingStart(doc_).end());
        if (doc_.CurChar == 0) GoCharLeft(doc_);
      }
      GoLineDown(doc_);
      break;
    case kKeyPageUp:
      for (int step = 0; step < kPageLines; ++step) {
        if (GoLineUp(doc_)) continue;
        if (doc_.CurChar != 0) doc_.CurChar = 0;
        else host_.scrollViewBy(-kPageScrollPixels);
      }
      break;
    case kKeyPageDown:
      for (int step = 0; step < kPageLines; ++step) {
        if (GoLineDown(doc_)) continue;
        const int32_t end = lineAt(doc_, caretPos(doc_))->CharCount();
        if (doc_.CurChar != end) doc_.CurChar = end;
        else host_.scrollViewBy(kPageScrollPixels);
      }
      break;
    case kKeyLeft:
      if (ctrl) wordLeft(shift);
      else if (collapse) setCaret(doc_, FindMarkingStart(doc_).start());
      else GoCharLeft(doc_);
      break;
    case kKeyRight:
      if (ctrl) wordRight(shift);
      else if (collapse) setCaret(doc_, FindMarkingStart(doc_).end());
      else GoCharRight(doc_);
      break;
    default:
      break;
  }
  finishNavigation(shift);
  return true;
}

void Editor::wordLeft(ShiftState shift) {
  if (isThereAmarking(doc_) && !shiftHeld(shift)) setCaret(doc_, FindMarkingStart(doc_).start());
  for (size_t budget = positionBudget(doc_); budget-- > 0;)
    if (!GoCharLeft(doc_) || atLineEnd(doc_) || atWordBoundary(doc_)) break;
}

void Editor::wordRight(ShiftState shift) {
  if (isThereAmarking(doc_) && !shiftHeld(shift)) setCaret(doc_, FindMarkingStart(doc_).end());
  const TLineRec* line = lineAt(doc_, caretPos(doc_));
  if (!line) return;
  if (doc_.CurChar >= line->CharCount() && line->LineEnd != kLineEndSoft) {
    GoCharRight(doc_);
    return;
  }
  // The end of a wrapped line is the next line's start.
  for (size_t budget = lineBudget(doc_); budget-- > 0 && line->LineEnd == kLineEndSoft && atLineEnd(doc_);) {
    TextPos next = caretPos(doc_);
    if (!moveCharRight(doc_, next)) break;
    next.cell = 0;
    setCaret(doc_, next);
    line = lineAt(doc_, next);
  }
  for (size_t budget = positionBudget(doc_); budget-- > 0;)
    if (!GoCharRight(doc_) || atLineEnd(doc_) || atWordBoundary(doc_)) break;
}

}  // namespace vendaro
