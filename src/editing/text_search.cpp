#include "editing/text_search.h"

#include <algorithm>

#include "document/caret_moves.h"
#include "document/text_case.h"
#include "spelling/wrapped_words.h"

namespace vendaro {
namespace {

char fold(char ch, bool matchCase) {
  return matchCase ? ch : static_cast<char>(toUpper1252(static_cast<uint8_t>(ch)));
}

TextPos lineStart(const TextPos& p) { return {p.field, p.line, 0}; }

}  // namespace

TextSearch::TextSearch(Document& doc, const SearchOptions& options)
    : doc_(doc), walk_(doc), matchCase_(options.matchCase), backwards_(options.backwards) {
  walk_.WalkAllFields = options.allFrames;
  for (const char ch : options.text) target_.push_back(fold(ch, matchCase_));
  enclosed_ = options.wholeWords && target_.find(' ') == std::string::npos;
  if (enclosed_) target_ = ' ' + target_ + ' ';
}

void TextSearch::startAt(const TextPos& from) {
  walk_.start(from);
  resetWindow(from);
}

void TextSearch::continueAt(const TextPos& from) {
  walk_.restart(from);
  resetWindow(from);
}

void TextSearch::resetWindow(const TextPos& from) {
  window_.clear();
  previous_.reset();
  if (enclosed_) seedContext(from);
}

// A whole word right at the start of the search needs the character on the
// far side of the start: the neighbouring cell of the text, or the blank
// supplied at a paragraph's edge.
void TextSearch::seedContext(const TextPos& from) {
  const TLineRec* line = lineAt(doc_, from);
  if (!line) return;
  const DocumentLines flow(doc_);
  std::optional<TextPos> neighbour;
  if (!backwards_ && from.cell > 0) {
    neighbour = TextPos{from.field, from.line, std::min(from.cell, line->CharCount()) - 1};
  } else if (backwards_ && from.cell < line->CharCount()) {
    neighbour = from;
  } else if (const auto other = backwards_ ? nextTextLine(flow, lineStart(from)) : previousTextLine(flow, lineStart(from))) {
    const TLineRec* otherLine = lineAt(doc_, *other);
    if (otherLine && !otherLine->Chars.empty())
      neighbour = TextPos{other->field, other->line, backwards_ ? 0 : otherLine->CharCount() - 1};
  }
  if (!neighbour || neighbour->field != from.field) {
    supplyBlank();
    return;
  }
  const TCharRec& cell = lineAt(doc_, *neighbour)->Chars[static_cast<size_t>(neighbour->cell)];
  if (cell.Kind == kCellChar) see(static_cast<char>(cell.Ch), *neighbour);
  previous_ = *neighbour;
}

std::optional<TextMatch> TextSearch::findNext() { return backwards_ ? walkBackward() : walkForward(); }

std::optional<TextMatch> TextSearch::walkForward() {
  bool more = walk_.cell() != nullptr || walk_.getnextchar();
  while (more) {
    if (examine(walk_.pos, *walk_.cell())) return currentMatch();
    more = walk_.getnextchar();
  }
  if (enclosed_ && supplyBlank()) return currentMatch();
  return std::nullopt;
}

std::optional<TextMatch> TextSearch::walkBackward() {
  while (walk_.getPrevsChar()) {
    if (!walk_.cell()) continue;
    if (examine(walk_.pos, *walk_.cell())) return currentMatch();
  }
  if (enclosed_ && supplyBlank()) return currentMatch();
  return std::nullopt;
}

bool TextSearch::examine(const TextPos& pos, const TCharRec& cell) {
  if (previous_) {
    const bool follows = backwards_ ? cellFollowsInText(doc_, pos, *previous_) : cellFollowsInText(doc_, *previous_, pos);
    // The text goes on over a soft line end, but not into another frame.
    if ((!follows || pos.field != previous_->field) && crossEdge()) return true;
  }
  previous_ = pos;
  // Fields, pictures and footnote marks are no text: nothing is found
  // across them.
  if (cell.Kind != kCellChar) {
    window_.clear();
    return false;
  }
  return see(static_cast<char>(cell.Ch), pos);
}

bool TextSearch::crossEdge() {
  if (enclosed_ && supplyBlank()) return true;
  window_.clear();
  if (enclosed_) supplyBlank();
  return false;
}

bool TextSearch::see(char ch, const TextPos& pos) {
  const Seen seen{fold(ch, matchCase_), pos};
  if (backwards_) {
    window_.push_front(seen);
    if (window_.size() > target_.size()) window_.pop_back();
  } else {
    window_.push_back(seen);
    if (window_.size() > target_.size()) window_.pop_front();
  }
  return matches();
}

bool TextSearch::matches() const {
  if (window_.size() != target_.size()) return false;
  return std::equal(window_.begin(), window_.end(), target_.begin(), [](const Seen& s, char c) { return s.ch == c; });
}

// The enclosing blanks of a whole word are no part of what was found.
TextMatch TextSearch::currentMatch() const {
  const size_t margin = enclosed_ ? 1 : 0;
  const TextPos& first = window_[margin].pos;
  const TextPos& last = window_[window_.size() - 1 - margin].pos;
  return {first, {last.field, last.line, last.cell + 1}};
}

}  // namespace vendaro
