// wrapped_words.h — words as the spelling check reads them: a run of word
// cells goes on over a soft line end (a word the layout wrapped or
// hyphenated), in a table cell down the cell's column, but not over a
// paragraph end or into another cell. The lines are reached through a flow:
// a frame's lines by index while layout marks them, or the document's text
// chains for the editor.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "spelling/line_words.h"

namespace vendaro {

// Whether `next`, the line one text step after `line` (the next line, in a
// table the same cell's line in the next row group), continues its text.
bool continuesOverSoftEnd(const TLineRec& line, const TLineRec& next);

// A frame's lines by index: a line vector or the layout's buffer. Lines are
// read through `line` and changed through `editLine`, which copies a line
// an undo step shares.
template <typename Lines>
class IndexedLines {
 public:
  using LineId = size_t;
  explicit IndexedLines(Lines& lines) : lines_(lines) {}
  const TLineRec* line(size_t id) const { return id < std::as_const(lines_).size() ? &std::as_const(lines_)[id] : nullptr; }
  TLineRec& editLine(size_t id) const {
    if constexpr (requires { lines_.edit(id); }) return lines_.edit(id);
    else return lines_[id];
  }
  // The line one text step before (`direction` < 0) or after `id`.
  std::optional<size_t> step(size_t id, int direction) const {
    const auto by = static_cast<size_t>(rowStep(lines_[id]));
    if (direction < 0) return id >= by ? std::optional<size_t>(id - by) : std::nullopt;
    return id + by < lines_.size() ? std::optional<size_t>(id + by) : std::nullopt;
  }

 private:
  Lines& lines_;
};

// The document's lines along its text chains (a line is a TextPos at cell 0).
class DocumentLines {
 public:
  using LineId = TextPos;
  explicit DocumentLines(const Document& doc) : doc_(doc) {}
  const TLineRec* line(const TextPos& id) const { return lineAt(doc_, id); }
  std::optional<TextPos> step(TextPos id, int direction) const {
    const TLineRec* here = lineAt(doc_, id);
    if (!here || !stepLines(doc_, id, direction * rowStep(*here))) return std::nullopt;
    return id;
  }

 private:
  const Document& doc_;
};

template <typename Flow>
std::optional<typename Flow::LineId> nextTextLine(const Flow& flow, const typename Flow::LineId& id) {
  const auto next = flow.step(id, 1);
  if (next && continuesOverSoftEnd(*flow.line(id), *flow.line(*next))) return next;
  return std::nullopt;
}

template <typename Flow>
std::optional<typename Flow::LineId> previousTextLine(const Flow& flow, const typename Flow::LineId& id) {
  const auto previous = flow.step(id, -1);
  if (previous && continuesOverSoftEnd(*flow.line(*previous), *flow.line(id))) return previous;
  return std::nullopt;
}

// Whether the cell at `later` comes straight after the one at `earlier` in
// the text: the next cell of its line, or over a soft line end (down a
// table cell's column, on into a chained frame) the first of the next line.
bool cellFollowsInText(const Document& doc, const TextPos& earlier, const TextPos& later);

template <typename LineId>
struct WrappedWord {
  LineId line;       // where its first cell stands
  int32_t cell = 0;
  std::string text;  // code page 1252, one character per cell
};

namespace wrapped_detail {

// A word longer than this many lines is cut: a damaged chain that loops
// cannot make the search run for ever.
inline constexpr int kMaxWordLines = 256;

inline bool wordCellAt(const TLineRec& line, int32_t cell) {
  return cell >= 0 && cell < line.CharCount() && isWordCell(line.Chars[static_cast<size_t>(cell)]);
}

}  // namespace wrapped_detail

// The word that holds cell `cell` of line `id`; none when that is no word cell.
template <typename Flow>
std::optional<WrappedWord<typename Flow::LineId>> wrappedWordAt(const Flow& flow, typename Flow::LineId id,
                                                                int32_t cell) {
  using wrapped_detail::wordCellAt;
  const TLineRec* line = flow.line(id);
  if (!line || !wordCellAt(*line, cell)) return std::nullopt;
  for (int crossed = 0;; ++crossed) {  // back to the word's first cell
    while (wordCellAt(*line, cell - 1)) --cell;
    const auto previous = cell == 0 && crossed < wrapped_detail::kMaxWordLines ? previousTextLine(flow, id) : std::nullopt;
    if (!previous || !wordCellAt(*flow.line(*previous), flow.line(*previous)->CharCount() - 1)) break;
    id = *previous;
    line = flow.line(id);
    cell = line->CharCount() - 1;
  }
  WrappedWord<typename Flow::LineId> word{id, cell, {}};
  for (int crossed = 0;; ++crossed) {
    for (; wordCellAt(*line, cell); ++cell) word.text.push_back(static_cast<char>(line->Chars[static_cast<size_t>(cell)].Ch));
    const bool atEnd = cell == line->CharCount() && crossed < wrapped_detail::kMaxWordLines;
    const auto next = atEnd ? nextTextLine(flow, id) : std::nullopt;
    if (!next || !wordCellAt(*flow.line(*next), 0)) break;
    id = *next;
    line = flow.line(id);
    cell = 0;
  }
  return word;
}

// Calls `visit(line, cell, index)` for each cell of `word` in order.
template <typename Flow, typename Visit>
void forEachCellOf(const Flow& flow, const WrappedWord<typename Flow::LineId>& word, Visit visit) {
  typename Flow::LineId id = word.line;
  int32_t cell = word.cell;
  for (size_t i = 0; i < word.text.size(); ++i, ++cell) {
    if (cell == flow.line(id)->CharCount()) {
      id = *nextTextLine(flow, id);  // the word was found going on there
      cell = 0;
    }
    visit(id, cell, i);
  }
}

// Every word with a cell in line `id`, in reading order.
template <typename Flow>
std::vector<WrappedWord<typename Flow::LineId>> wrappedWordsOfLine(const Flow& flow, const typename Flow::LineId& id) {
  std::vector<WrappedWord<typename Flow::LineId>> words;
  const TLineRec* line = flow.line(id);
  for (int32_t cell = 0; line && cell < line->CharCount();) {
    if (auto word = wrappedWordAt(flow, id, cell)) words.push_back(std::move(*word));
    const int32_t from = cell;
    while (wrapped_detail::wordCellAt(*line, cell)) ++cell;
    if (cell == from) ++cell;
  }
  return words;
}

// Gives a cell the misspelled mark or takes it; its line is written only
// when the mark changes.
template <typename Flow>
void setMisspelled(const Flow& flow, const typename Flow::LineId& id, size_t cell, bool marked) {
  if (GettingOpsB(flow.line(id)->Chars[cell].CharFlags, kFlagMisspelled) == marked) return;
  SettingOpsB(flow.editLine(id).Chars[cell].CharFlags, kFlagMisspelled, marked);
}

// Gives each cell of `word` the misspelled mark when its piece is rejected,
// and takes it from the others.
template <typename Flow>
void markWrappedWord(const Flow& flow, const WrappedWord<typename Flow::LineId>& word, const WordJudge& isCorrect) {
  const std::vector<WordPiece> rejected = rejectedPieces(word.text, isCorrect);
  size_t piece = 0;  // the first rejected piece not yet behind the cell
  forEachCellOf(flow, word, [&](const typename Flow::LineId& id, int32_t cell, size_t index) {
    while (piece < rejected.size() && index >= rejected[piece].offset + rejected[piece].length) ++piece;
    const bool marked = piece < rejected.size() && index >= rejected[piece].offset;
    setMisspelled(flow, id, static_cast<size_t>(cell), marked);
  });
}

// Judges again the word that holds cell `cell` of line `id`, if there is one.
template <typename Flow>
void markWordAt(const Flow& flow, const typename Flow::LineId& id, int32_t cell, const WordJudge& isCorrect) {
  if (const auto word = wrappedWordAt(flow, id, cell)) markWrappedWord(flow, *word, isCorrect);
}

// Gives line `id` its marks anew: cells outside words lose theirs, and every
// word with a cell in the line is judged whole, its cells on neighbouring
// lines included. With `leaveEarlierWords` a word coming from the line
// before is left to that line (a pass over every line judges each word once).
template <typename Flow>
void markLineWords(const Flow& flow, const typename Flow::LineId& id, const WordJudge& isCorrect,
                   bool leaveEarlierWords) {
  for (size_t cell = 0; cell < flow.line(id)->Chars.size(); ++cell) {
    if (!isWordCell(flow.line(id)->Chars[cell])) setMisspelled(flow, id, cell, false);
  }
  for (const auto& word : wrappedWordsOfLine(flow, id)) {
    if (leaveEarlierWords && !(word.line == id)) continue;
    markWrappedWord(flow, word, isCorrect);
  }
}

// The check of every line of a frame.
template <typename Lines>
void markEveryLine(Lines& lines, const WordJudge& isCorrect) {
  const IndexedLines<Lines> flow(lines);
  for (size_t i = 0; i < lines.size(); ++i) markLineWords(flow, i, isCorrect, true);
}

}  // namespace vendaro
