// text_walk.h — walks the text one cell at a time in reading order: down a
// table cell's column before the next cell, along chained frames and, when
// asked, on into every frame not yet visited. Search, spell checking and the
// commands that act on each selected cell or line walk through it.
#pragma once

#include <cstddef>

#include "document/document.h"
#include "document/selection.h"
#include "document/text_pos.h"

namespace vendaro {

class TextWalk {
 public:
  explicit TextWalk(Document& doc);

  // The walk position; a step moves it to the next cell (a cell index below
  // the line's CharCount), or to cell 0 of an empty line in line mode.
  TextPos pos;
  // Also stop on empty lines.
  bool WalkLineMode = false;
  // At the end of a chain, go on with the first frame (in index order;
  // backwards the last) whose Visited flag is clear.
  bool WalkAllFields = false;

  // Starts at `at`: every frame's Visited flag is cleared, the start
  // frame's set.
  void start(const TextPos& at);
  // Moves to `at` after the text changed under the walk: the frames
  // visited so far stay visited, so that a walk over every frame still
  // ends.
  void restart(const TextPos& at);
  // Starts at the start of the normalised selection, which the marked steps
  // then follow.
  void startAtSelection();

  // Each step returns false, leaving the position alone, at the end of
  // everything.
  bool getnextchar();
  bool getPrevsChar();
  // Treats table lines like ordinary lines: line after line.
  bool getnextcharTableBlind();
  // To the next cell inside the selection; false past its end.
  bool getnextmarkedchar();
  bool getnextmarkedcharTableBlind();
  // To the first selected cell of the next line that has one (an empty
  // line counts by its only position); false past the selection's end.
  bool getnextmarkedline();
  bool getnextmarkedlineTableBlind();

  // The cell at the walk position; null at a line's end.
  const TCharRec* cell() const;
  // Whether the walk position is a cell inside the selection.
  bool atMarkedCell();
  const SelectionRange& selection();

 private:
  bool advance(bool tableBlind);
  bool retreat();
  bool nextLine(bool tableBlind);
  bool prevLine();
  bool nextLineInOrder(TextPos& p, bool tableBlind) const;
  bool prevLineInOrder(TextPos& p) const;
  bool enterUnvisitedFrame(bool forward);
  void enter(const TextPos& p);
  bool nextMarkedChar(bool tableBlind);
  bool nextMarkedLine(bool tableBlind);
  bool pastSelection();
  bool spendLineMove(int mode);

  Document& doc_;
  SelectionRange sel_;
  bool haveSelection_ = false;
  // Line moves left before the walk counts as ended, so that a damaged
  // table or chain cannot make it run for ever. A walk in one direction
  // enters each line once; the count starts afresh when the direction or
  // table mode changes or the position was set from outside.
  size_t budget_ = 0;
  int budgetMode_ = -1;
  TextPos budgetLine_;  // the line the last line move reached
};

}  // namespace vendaro
