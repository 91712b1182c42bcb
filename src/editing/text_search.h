// text_search.h — finds a text in the document by walking it cell by cell,
// forwards or backwards, with a window of the last characters seen. Matches
// never reach across a paragraph end, a table cell, a frame or a cell that
// is not a plain character; soft line ends are no obstacle.
#pragma once

#include <deque>
#include <optional>
#include <string>

#include "document/document.h"
#include "document/text_pos.h"
#include "document/text_walk.h"
#include "editing/editor_host.h"

namespace vendaro {

struct TextMatch {
  TextPos first;  // the gap before the first matched cell
  TextPos last;   // the gap behind the last matched cell
};

class TextSearch {
 public:
  // `options.text` must not be empty.
  TextSearch(Document& doc, const SearchOptions& options);

  // Where the next search begins (a gap between cells): the first search
  // clears every frame's Visited flag, a later one (the text may have
  // changed meanwhile) keeps the frames visited so far visited, so that a
  // walk over every frame still ends.
  void startAt(const TextPos& from);
  void continueAt(const TextPos& from);
  // Walks from the position set until the text is found; nothing at the
  // end of the walk.
  std::optional<TextMatch> findNext();

 private:
  struct Seen {
    char ch;      // folded unless case matters
    TextPos pos;  // of its cell; meaningless for a supplied blank
  };
  void resetWindow(const TextPos& from);
  void seedContext(const TextPos& from);
  std::optional<TextMatch> walkForward();
  std::optional<TextMatch> walkBackward();
  // One cell reached by the walk; true when the window then matches.
  bool examine(const TextPos& pos, const TCharRec& cell);
  // A paragraph end, table cell or frame between two cells; true when the
  // blank supplied for the edge before it completes a match.
  bool crossEdge();
  bool see(char ch, const TextPos& pos);
  bool supplyBlank() { return see(' ', {}); }
  bool matches() const;
  TextMatch currentMatch() const;

  Document& doc_;
  TextWalk walk_;
  std::string target_;  // folded unless case matters; enclosed in blanks for whole words
  bool enclosed_ = false;
  bool matchCase_ = false;
  bool backwards_ = false;
  std::deque<Seen> window_;          // in text order
  std::optional<TextPos> previous_;  // the cell examined last
};

}  // namespace vendaro
