// spell_marks.cpp — check while typing: every word of a line as it is
// wrapped (letters, digits and hyphens; words end at the line's end, so a
// word broken across lines is judged as two) is asked about, and the cells
// of the words that are not accepted carry the misspelled mark. A line
// that was not laid out is checked again only when asked for: its text is
// the text it was checked as.
#include "layout/layout_run.h"
#include "spelling/line_words.h"

namespace vendaro {

namespace {

void markLine(const LayoutContext& ctx, TLineRec& line) {
  for (TCharRec& cell : line.Chars) SettingOpsB(cell.CharFlags, kFlagMisspelled, false);
  for (const LineWord& word : lineWords(line)) {
    if (ctx.isWordCorrect(word.text)) continue;
    for (int32_t c = word.first; c < word.first + word.count; ++c)
      SettingOpsB(line.Chars[static_cast<size_t>(c)].CharFlags, kFlagMisspelled, true);
  }
}

}  // namespace

void markSpelling(const LayoutRun& run, LineGapBuffer& lines) {
  if (run.ctx.checkEveryLine) {
    for (size_t i = 0; i < lines.size(); ++i) markLine(run.ctx, lines[i]);
    return;
  }
  for (size_t i : run.laidOutLines) markLine(run.ctx, lines[i]);
}

}  // namespace vendaro
