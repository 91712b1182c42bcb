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
// be hyphenated in a word that runs on into the edit. Those lines and the
// rest of the paragraph are wrapped again, so that the result is the same
// as a complete layout; earlier lines keep their breaks.
void markLinesToWrapAgain(LineGapBuffer& lines) {
  for (size_t lower = 1; lower < lines.size(); ++lower) {
    const size_t step = static_cast<size_t>(rowStep(lines[lower]));
    if (step > lower) continue;
    TLineRec& upper = lines[lower - step];
    if (upper.Dirty && continuesSoftly(upper, lines[lower])) lines[lower].Dirty = 1;
  }
  for (size_t lower = lines.size(); lower-- > 1;) {
    const size_t step = static_cast<size_t>(rowStep(lines[lower]));
    if (step > lower || !lines[lower].Dirty || lines[lower - step].Dirty) continue;
    if (!continuesSoftly(lines[lower - step], lines[lower])) continue;
    size_t first = lower - step;
    if (step == 1) {
      // From the line above the edit up to the paragraph's start: the
      // earliest line whose break can see the edited text.
      bool wordRunsOn = true;
      for (size_t line = lower - 1; line > 0 && continuesSoftly(lines[line - 1], lines[line]); --line) {
        wordRunsOn = wordRunsOn && !endsTheWordFromAbove(lines[line]);
        if (wordRunsOn || looksFarAhead(lines[line - 1])) first = line - 1;
      }
    }
    for (size_t line = first; line < lower; line += step) lines[line].Dirty = 1;
  }
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
  TLineRec& upper = lines[upperIndex];
  TLineRec& lower = lines[lowerIndex];
  if (upper.LineEnd != kLineEndSoft) upper.Chars.push_back(breakCellFor(upper, lower));
  // A position marked at the start of the lower line is now the position
  // after the upper line's last cell (a break cell hands it back on split).
  if (lower.MouseMark) {
    if (upper.Chars.empty()) upper.MouseMark = 1;
    else SettingOpsB(upper.Chars.back().CharFlags, kFlagMouseMark, true);
  }
  const int32_t formerCount = upper.CharCount();
  upper.Dirty = 1;
  upper.LineEnd = lower.LineEnd;
  upper.CellLastLine = lower.CellLastLine;
  if (upper.AnchorID == 0) upper.AnchorID = lower.AnchorID;
  upper.Chars.insert(upper.Chars.end(), std::make_move_iterator(lower.Chars.begin()),
                     std::make_move_iterator(lower.Chars.end()));
  const int32_t length = upper.CharCount();
  run.positions.forEach([&](TextPos& p) {
    if (p.field != field || p.line != static_cast<int32_t>(lowerIndex)) return;
    p.line = static_cast<int32_t>(upperIndex);
    p.cell = std::min(p.cell + formerCount, length);
  });
  lines.erase(lowerIndex);
  run.positions.lineRemoved(field, static_cast<int32_t>(lowerIndex));
}

}  // namespace

void joinLines(LayoutRun& run, int32_t field, LineGapBuffer& lines) {
  markLinesToWrapAgain(lines);
  // From the last line up, so that each line has taken in everything below
  // it before it is itself joined onto the line above. A run of lines one
  // below the other (a paragraph, a cell of a one-column table) is joined
  // from its top instead, so that each of its cells moves only once.
  for (size_t lower = lines.size(); lower-- > 1;) {
    const size_t step = static_cast<size_t>(rowStep(lines[lower]));
    if (step > lower || !joinsOnto(lines[lower - step], lines[lower])) continue;
    if (step > 1) {
      joinOnto(run, field, lines, lower - step, lower);
      continue;
    }
    size_t top = lower - 1;
    while (top > 0 && rowStep(lines[top]) == 1 && joinsOnto(lines[top - 1], lines[top])) --top;
    for (size_t joined = top; joined < lower; ++joined) joinOnto(run, field, lines, top, top + 1);
    lower = top + 1;
  }
}

}  // namespace vendaro
