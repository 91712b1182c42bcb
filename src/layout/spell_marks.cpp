// spell_marks.cpp — check while typing: the words of the lines as they are
// wrapped are judged, a word broken over a soft line end as one, and the
// cells of the rejected ones carry the misspelled mark. A line that was not
// laid out keeps the marks it got when it last was, for the same text; only
// where its last or first word runs on into a line laid out now is that
// word judged again.
#include "layout/layout_run.h"
#include "spelling/wrapped_words.h"

namespace vendaro {

void markSpelling(const LayoutRun& run, LineGapBuffer& lines) {
  if (run.ctx.checkEveryLine) {
    markEveryLine(lines, run.ctx.isWordCorrect);
    return;
  }
  const IndexedLines<LineGapBuffer> flow(lines);
  for (size_t i : run.laidOutLines) {
    markLineWords(flow, i, run.ctx.isWordCorrect, false);
    // The last word of the line before may have run on into this one, or
    // do so now, when that line ends softly; the line after may have
    // continued this one's last word.
    if (const auto previous = flow.step(i, -1); previous && lines[*previous].LineEnd == kLineEndSoft) {
      markWordAt(flow, *previous, lines[*previous].CharCount() - 1, run.ctx.isWordCorrect);
    }
    if (const auto next = flow.step(i, 1)) markWordAt(flow, *next, 0, run.ctx.isWordCorrect);
  }
}

}  // namespace vendaro
