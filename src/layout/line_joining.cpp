// line_joining.cpp — a paragraph with a dirty line becomes one long line
// again, from the first line whose end the edit can move, before it is
// wrapped, and a table cell one line holding its paragraphs separated by
// break cells (13 paragraph end, 14 line break, 15 page break).
#include <algorithm>
#include <iterator>

#include "layout/layout_run.h"

namespace vendaro {
namespace {

bool continuesSoftly(const TLineRec& upper, const TLineRec& lower) {
  return !lower.CellFirstLine && !upper.CellLastLine && upper.LineEnd == kLineEndSoft;
}

bool joinsOnto(const TLineRec& upper, const TLineRec& lower) {
  if (lower.CellFirstLine || upper.CellLastLine) return false;
  return (upper.LineEnd == kLineEndSoft && upper.Dirty) || (upper.InTable && lower.InTable);
}

// A tab at a centred, right or decimal stop aligns the text after it up to
// the next tab, which may lie beyond the line after this one.
bool looksFarAhead(const TLineRec& line) {
  const auto& stops = line.Para.Tabs;
  if (std::none_of(stops.begin(), stops.end(), [](const TTabStop& stop) { return stop.TabAlign != 0; })) return false;
  return std::any_of(line.Chars.begin(), line.Chars.end(), isTabCell);
}

// Whether the word that the line above was broken in surely ends within this
// line: only a space after its first cell tells (the cells the line above
// had measured beyond its break hold none). When the line is shorter than
// those cells (less room, text flowing around an object) it holds none
// either, and the line above is wrapped again.
bool endsTheWordFromAbove(const TLineRec& line) {
  return std::any_of(line.Chars.begin() + std::min<ptrdiff_t>(1, line.CharCount()), line.Chars.end(), isSpaceCell);
}

// An edit changes where the lines above it may end as well as those below:
// the line above may take a shorter first word, and a line above that may
// be hyphenated in a word that runs on into the edit. Of the softly
// continued lines of a paragraph, up from `bottom`, those lines and all
// from the first dirty one on become dirty, so that wrapping them again
// gives what a complete layout does; earlier lines keep their breaks.
// Returns the paragraph's first line (how far up it was looked at).
size_t markRunToWrapAgain(LineGapBuffer& lines, size_t bottom) {
  size_t top = bottom;
  size_t firstDirty = lines[bottom].Dirty ? bottom : SIZE_MAX;
  while (top > 0 && rowStep(lines[top]) == 1 && continuesSoftly(lines[top - 1], lines[top]) &&
         !(lines[top - 1].InTable && lines[top].InTable)) {
    --top;
    if (lines[top].Dirty) firstDirty = top;
  }
  if (firstDirty == SIZE_MAX) return top;
  for (size_t line = firstDirty; line <= bottom; ++line) lines.set(line, &TLineRec::Dirty, 1);
  // From the line above the edit up to the run's start: the earliest line
  // whose break can see the edited text.
  size_t first = firstDirty > top ? firstDirty - 1 : top;
  bool wordRunsOn = true;
  for (size_t line = firstDirty - 1; line > top && line < firstDirty; --line) {
    wordRunsOn = wordRunsOn && !endsTheWordFromAbove(lines[line]);
    if (wordRunsOn || looksFarAhead(lines[line - 1])) first = line - 1;
  }
  for (size_t line = first; line < firstDirty; ++line) lines.set(line, &TLineRec::Dirty, 1);
  return top;
}

// The cells of a damaged table row (the cells of a column below each other
// continued softly) are wrapped again down the whole column.
void markColumnToWrapAgain(LineGapBuffer& lines, size_t bottom) {
  const auto lineAbove = [&lines](size_t line) {
    const size_t step = static_cast<size_t>(rowStep(lines[line]));
    return step <= line && continuesSoftly(lines[line - step], lines[line]) ? line - step : line;
  };
  size_t top = bottom;
  bool dirty = lines[bottom].Dirty;
  for (size_t above = lineAbove(top); above != top; above = lineAbove(top)) {
    top = above;
    dirty = dirty || lines[top].Dirty;
  }
  if (!dirty) return;
  for (size_t line = bottom; line != top; line = lineAbove(line)) lines.set(line, &TLineRec::Dirty, 1);
  lines.set(top, &TLineRec::Dirty, 1);
}

// The break cell that keeps a hard line end inside a joined table cell. A
// paragraph or page end carries the format of the paragraph after it, which
// the split restores.
TCharRec breakCellFor(const TLineRec& upper, const TLineRec& lower) {
  const int32_t end = upper.LineEnd >= kLineEndParagraph && upper.LineEnd <= kLineEndPage ? upper.LineEnd : kLineEndParagraph;
  TCharRec cell;
  cell.Kind = kCellChar;
  cell.Ch = static_cast<uint8_t>(12 + end);
  if (!upper.Chars.empty()) cell.FontIndex = upper.Chars.back().FontIndex;
  else if (!lower.Chars.empty()) cell.FontIndex = lower.Chars.front().FontIndex;
  if (end != kLineEndManual) cell.ParaRef = lower.Para;
  return cell;
}

void joinOnto(LayoutRun& run, int32_t field, LineGapBuffer& lines, size_t upperIndex, size_t lowerIndex) {
  TLineRec& upper = lines.edit(upperIndex);
  const TLineRec& lower = lines[lowerIndex];
  if (upper.LineEnd != kLineEndSoft) upper.Chars.push_back(breakCellFor(upper, lower));
  // A position marked at the start of the lower line is now the position
  // after the upper line's last cell (a break cell hands it back on split).
  if (lower.MouseMark) {
    if (upper.Chars.empty()) upper.MouseMark = 1;
    else SettingOpsB(upper.Chars.back().CharFlags, kFlagMouseMark, true);
  }
  const int32_t formerCount = upper.CharCount();
  if (lowerIndex > upperIndex + 1) run.noteCellsChangingRow(lower.Chars);
  upper.Dirty = 1;
  upper.LineEnd = lower.LineEnd;
  upper.CellLastLine = lower.CellLastLine;
  if (upper.AnchorID == 0) upper.AnchorID = lower.AnchorID;
  // Copied, not moved: an undo step may still hold the lower line.
  upper.Chars.insert(upper.Chars.end(), lower.Chars.begin(), lower.Chars.end());
  const int32_t length = upper.CharCount();
  run.positions.forEach([&](TextPos& p) {
    if (p.field != field || p.line != static_cast<int32_t>(lowerIndex)) return;
    p.line = static_cast<int32_t>(upperIndex);
    p.cell = std::min(p.cell + formerCount, length);
  });
  lines.erase(lowerIndex);
  run.positions.lineRemoved(field, static_cast<int32_t>(lowerIndex));
}

// The line that lines `top` to `lower` join onto grows once to hold them
// all (with a break cell per hard end) instead of once per line joined.
void reserveForJoin(LineGapBuffer& lines, size_t top, size_t lower) {
  size_t cells = 0;
  for (size_t line = top; line <= lower; ++line) cells += lines[line].Chars.size() + 1;
  lines.edit(top).Chars.reserve(cells);
}

// The last line of the run of softly continued lines that `line` is in.
size_t runBottom(const LineGapBuffer& lines, size_t line) {
  while (line + 1 < lines.size() && rowStep(lines[line + 1]) == 1 && continuesSoftly(lines[line], lines[line + 1]) &&
         !(lines[line].InTable && lines[line + 1].InTable))
    ++line;
  return line;
}

// One pass of joining up a frame from its last line.
class JoinPass {
 public:
  JoinPass(LayoutRun& run, int32_t field, LineGapBuffer& lines) : run_(run), field_(field), lines_(lines) {}

  // Joins what line `lower` takes in from the line above it; answers the
  // line the pass goes on above.
  size_t joinAt(size_t lower) {
    const TLineRec& line = lines_[lower];
    const size_t step = static_cast<size_t>(rowStep(line));
    if (step > lower) return lower;
    const TLineRec& above = lines_[lower - step];
    // Lines of a table cell are joined whatever they hold.
    const bool inCell = above.InTable && line.InTable;
    if (!inCell && above.LineEnd != kLineEndSoft) return lower;  // a hard line end: nothing to join
    if (!inCell && continuesSoftly(above, line)) {
      if (step > 1) markColumnToWrapAgain(lines_, lower);
      else if (lower - 1 < markedDownTo_) markedDownTo_ = markRunToWrapAgain(lines_, lower);
      // A run without an edit is not joined: on to the line above it. (The
      // marks went into the lines themselves: `line` and `above` may be the
      // undo steps' records, which marking does not change.)
      if (step == 1 && !lines_[lower].Dirty) return markedDownTo_ + 1;
    }
    if (!joinsOnto(lines_[lower - step], lines_[lower])) return lower;
    if (step > 1) {
      joinOnto(run_, field_, lines_, lower - step, lower);
      return lower;
    }
    size_t top = lower - 1;
    while (top > 0 && rowStep(lines_[top]) == 1 && joinsOnto(lines_[top - 1], lines_[top])) --top;
    reserveForJoin(lines_, top, lower);
    for (size_t joined = top; joined < lower; ++joined) joinOnto(run_, field_, lines_, top, top + 1);
    return top + 1;
  }

 private:
  LayoutRun& run_;
  int32_t field_;
  LineGapBuffer& lines_;
  size_t markedDownTo_ = SIZE_MAX;  // the lines from here down were marked
};

}  // namespace

void joinLines(LayoutRun& run, int32_t field, LineGapBuffer& lines) {
  // From the last line up, so that each line has taken in everything below
  // it before it is itself joined onto the line above. A run of lines one
  // below the other (a paragraph, a cell of a one-column table) is joined
  // from its top instead, so that each of its cells moves only once. Each
  // run of softly continued lines is marked once, from its last line,
  // before any of it is joined.
  //
  // Plain text lines unchanged since the last run join nothing by
  // themselves and are passed over unread; a changed line is then taken up
  // from the last line of its run, as if the pass had come up through it.
  JoinPass pass(run, field, lines);
  size_t reached = lines.size();  // the lowest line the pass has taken up
  for (size_t lower = lines.size(); lower-- > 0;) {
    if (lines.settledWith(lower, kLinePlainText)) continue;
    if (const size_t bottom = runBottom(lines, lower); bottom > lower && bottom < reached) lower = bottom;
    lower = reached = pass.joinAt(lower);
  }
}

}  // namespace vendaro
