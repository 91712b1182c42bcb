// spell_marks.cpp — check while typing: the words of the lines as they are
// wrapped are judged, a word broken over a soft line end as one, and the
// cells of the rejected ones carry the misspelled mark. A line that was not
// laid out keeps the marks it got when it last was, for the same text; only
// where its last or first word runs on into a line laid out now is that
// word judged again.
#include <set>

#include "layout/layout_run.h"
#include "spelling/wrapped_words.h"

namespace vendaro {

void markSpelling(const LayoutRun& run, LineGapBuffer& lines) {
  if (run.ctx.checkEveryLine) {
    markEveryLine(lines, run.ctx.isWordCorrect);
    return;
  }
  const IndexedLines<LineGapBuffer> flow(lines);
  // The line before a laid-out one may have had its last word run on into
  // it, or have one now, when it ends softly; the line after may have
  // continued it.
  std::set<size_t> touched;
  for (size_t i : run.laidOutLines) {
    touched.insert(i);
    if (const auto previous = flow.step(i, -1); previous && lines[*previous].LineEnd == kLineEndSoft) {
      touched.insert(*previous);
    }
    if (const auto next = flow.step(i, 1)) touched.insert(*next);
  }
  for (size_t i : touched) markLineWords(flow, i, run.ctx.isWordCorrect, false);
}

}  // namespace vendaro
