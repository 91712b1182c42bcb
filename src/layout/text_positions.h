// text_positions.h — the caret and the selection anchor during a layout
// run: every step that moves lines or cells tells them, so that each stays
// before the same character.
#pragma once

#include <array>
#include <cstdint>

#include "document/document.h"
#include "document/text_pos.h"

namespace vendaro {

class TextPositions {
 public:
  static constexpr size_t kCaret = 0;
  static constexpr size_t kAnchor = 1;

  explicit TextPositions(const Document& doc)
      : pos_{TextPos{doc.CurField, doc.CurLine, doc.CurChar}, TextPos{doc.MarkField, doc.MarkLine, doc.MarkChar}} {}

  void store(Document& doc) const {
    doc.CurField = pos_[kCaret].field;
    doc.CurLine = pos_[kCaret].line;
    doc.CurChar = pos_[kCaret].cell;
    doc.MarkField = pos_[kAnchor].field;
    doc.MarkLine = pos_[kAnchor].line;
    doc.MarkChar = pos_[kAnchor].cell;
  }

  TextPos& operator[](size_t i) { return pos_[i]; }
  const TextPos& caret() const { return pos_[kCaret]; }

  template <typename Fn>
  void forEach(Fn fn) {
    for (TextPos& p : pos_) fn(p);
  }

  // `count` lines were inserted at `at` in `field`.
  void linesInserted(int32_t field, int32_t at, int32_t count) {
    for (TextPos& p : pos_)
      if (p.field == field && p.line >= at) p.line += count;
  }
  // Line `at` of `field` was removed; positions on it must have been moved
  // off it already.
  void lineRemoved(int32_t field, int32_t at) {
    for (TextPos& p : pos_)
      if (p.field == field && p.line > at) --p.line;
  }
  // `count` cells were inserted at the front of a line.
  void cellsPrepended(int32_t field, int32_t line, int32_t count) {
    for (TextPos& p : pos_)
      if (p.field == field && p.line == line) p.cell += count;
  }

 private:
  std::array<TextPos, 2> pos_;
};

}  // namespace vendaro
