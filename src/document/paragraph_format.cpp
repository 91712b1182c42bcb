#include "document/paragraph_format.h"

#include <algorithm>
#include <utility>

namespace vendaro {
namespace {

const TLineRec& lineAt(const Document& doc, LinePos p) {
  return doc.Fields[static_cast<size_t>(p.field)].Lines[static_cast<size_t>(p.line)];
}

TLineRec& lineAt(Document& doc, LinePos p) {
  return doc.Fields[static_cast<size_t>(p.field)].Lines[static_cast<size_t>(p.line)];
}

bool validLink(const Document& doc, int32_t field) { return field >= 0 && field < doc.FieldCount(); }

int32_t stepOf(const TLineRec& line) { return std::max(1, line.RowCells); }

// Total number of lines: a bound for every walk, so that a damaged chain
// that loops cannot hang the program.
size_t lineBudget(const Document& doc) {
  size_t n = 1;
  for (const TFieldRec& f : doc.Fields) n += f.Lines.size();
  return n;
}

// The line `step` lines before `pos`, continuing at the end of the previous
// frame of the chain; false at the start of the chain.
bool stepBack(const Document& doc, LinePos& pos, int32_t step) {
  if (pos.line - step >= 0) {
    pos.line -= step;
    return true;
  }
  int32_t prev = doc.Fields[static_cast<size_t>(pos.field)].PrevField;
  while (validLink(doc, prev) && doc.Fields[static_cast<size_t>(prev)].Lines.empty())
    prev = doc.Fields[static_cast<size_t>(prev)].PrevField;
  if (!validLink(doc, prev)) return false;
  pos = {prev, doc.Fields[static_cast<size_t>(prev)].LineCount() - 1};
  return true;
}

bool stepForward(const Document& doc, LinePos& pos, int32_t step) {
  if (pos.line + step < doc.Fields[static_cast<size_t>(pos.field)].LineCount()) {
    pos.line += step;
    return true;
  }
  int32_t next = doc.Fields[static_cast<size_t>(pos.field)].NextField;
  while (validLink(doc, next) && doc.Fields[static_cast<size_t>(next)].Lines.empty())
    next = doc.Fields[static_cast<size_t>(next)].NextField;
  if (!validLink(doc, next)) return false;
  pos = {next, 0};
  return true;
}

bool endsParagraph(const TLineRec& line) {
  return line.LineEnd == kLineEndParagraph || line.LineEnd == kLineEndPage;
}

constexpr uint32_t kWholeParaFormat = (kParaColumns - 1);

void writeSection(TLineRec& line, const ParagraphValues& v) {
  line.ColumnCount = v.ColumnCount;
  line.ColumnLines = v.ColumnLines;
  line.ColumnGap = v.ColumnGap;
  line.Dirty = 1;
}

void writeBulletFont(TParaFormat& para, const ParagraphValues& v) {
  if (v.BulletFontName.empty()) para.BulletFont.reset();
  else SetPCharText(para.BulletFont, v.BulletFontName);
}

void writeFields(TParaFormat& to, const ParagraphValues& v, uint32_t fields) {
  const TParaFormat& from = v.Para;
  if ((fields & kWholeParaFormat) == kWholeParaFormat) {
    to = from;
    writeBulletFont(to, v);
    return;
  }
  if (fields & kParaAlignment) to.Alignment = from.Alignment;
  if (fields & kParaLineSpacing) {
    to.LineSpacing = from.LineSpacing;
    to.LineSpacingMode = from.LineSpacingMode;
  }
  if (fields & kParaSpaceBefore) to.SpaceBefore = from.SpaceBefore;
  if (fields & kParaSpaceAfter) to.SpaceAfter = from.SpaceAfter;
  if (fields & kParaLeftIndent) to.LeftIndent = from.LeftIndent;
  if (fields & kParaRightIndent) to.RightIndent = from.RightIndent;
  if (fields & kParaFirstLineIndent) to.FirstLineIndent = from.FirstLineIndent;
  if (fields & kParaDefaultTabWidth) to.DefaultTabWidth = from.DefaultTabWidth;
  if (fields & kParaTabs) to.Tabs = from.Tabs;
  if (fields & kParaListIndent) to.ListIndent = from.ListIndent;
  if (fields & kParaListKind) to.ListKind = from.ListKind;
  if (fields & kParaBulletChar) to.BulletChar = from.BulletChar;
  if (fields & kParaBulletFont) writeBulletFont(to, v);
}

// A line whose format stays as it is is not written: it stays clean for the
// layout and shared with the undo steps. The alignment alone leaves the
// line breaks where they are (painting places the text).
void writeLine(Document& doc, LinePos p, const ParagraphValues& v, uint32_t fields) {
  const TLineRec& current = std::as_const(doc).Fields[static_cast<size_t>(p.field)].Lines[static_cast<size_t>(p.line)];
  TParaFormat para = current.Para;
  writeFields(para, v, fields);
  if (para == current.Para && !(fields & kParaColumns)) return;
  TLineRec& line = lineAt(doc, p);
  line.Para = std::move(para);
  if (fields & kParaColumns) writeSection(line, v);
  if (fields != kParaAlignment) line.Dirty = 1;
}

// Position order along the text: lines of one frame by index, frames by
// their place in the chain.
int32_t chainRank(const Document& doc, int32_t field) {
  int32_t rank = 0;
  size_t budget = doc.Fields.size();
  for (int32_t f = doc.Fields[static_cast<size_t>(field)].PrevField; validLink(doc, f) && budget--;
       f = doc.Fields[static_cast<size_t>(f)].PrevField)
    ++rank;
  return rank;
}

// The selected lines from the earlier to the later end of the selection,
// when both ends lie in one text chain. A selection that ends at cell 0 of
// a line selects nothing of it (a selection to a paragraph's end takes its
// mark and stops there), so that line is left out.
std::vector<LinePos> selectedLines(const Document& doc) {
  LinePos a{doc.MarkField, doc.MarkLine}, b{doc.CurField, doc.CurLine};
  int32_t endCell = doc.CurChar;
  if (!validLink(doc, a.field) || !validLink(doc, b.field)) return {};
  if (chainRank(doc, a.field) > chainRank(doc, b.field) || (a.field == b.field && a.line > b.line)) {
    std::swap(a, b);
    endCell = doc.MarkChar;
  }
  std::vector<LinePos> lines;
  LinePos p = a;
  size_t budget = lineBudget(doc);
  while (budget--) {
    if (p.line < 0 || p.line >= doc.Fields[static_cast<size_t>(p.field)].LineCount()) return {};
    lines.push_back(p);
    if (p == b || !stepForward(doc, p, 1)) break;
  }
  if (lines.empty() || !(lines.back() == b)) return {b};  // not one chain: the caret's line only
  if (endCell <= 0 && lines.size() > 1) lines.pop_back();
  return lines;
}

bool hasSelection(const Document& doc) {
  return doc.MarkField != doc.CurField || doc.MarkLine != doc.CurLine || doc.MarkChar != doc.CurChar;
}

bool caretLineValid(const Document& doc) {
  return validLink(doc, doc.CurField) && doc.CurLine >= 0 &&
         doc.CurLine < doc.Fields[static_cast<size_t>(doc.CurField)].LineCount();
}

}  // namespace

LinePos paragraphStart(const Document& doc, LinePos pos) {
  size_t budget = lineBudget(doc);
  while (budget--) {
    const TLineRec& line = lineAt(doc, pos);
    if (line.CellFirstLine) break;
    LinePos prev = pos;
    if (!stepBack(doc, prev, stepOf(line))) break;
    const TLineRec& before = lineAt(doc, prev);
    if (endsParagraph(before)) break;
    if (before.CellLastLine && !line.InTable) break;
    pos = prev;
  }
  return pos;
}

std::vector<LinePos> paragraphLines(const Document& doc, LinePos pos) {
  std::vector<LinePos> lines;
  LinePos p = paragraphStart(doc, pos);
  size_t budget = lineBudget(doc);
  while (budget--) {
    lines.push_back(p);
    const TLineRec& line = lineAt(doc, p);
    if (endsParagraph(line) || line.CellLastLine) break;
    LinePos next = p;
    if (!stepForward(doc, next, stepOf(line))) break;
    if (lineAt(doc, next).CellFirstLine && !line.InTable) break;
    p = next;
  }
  return lines;
}

ParagraphValues getabsatzformat(const Document& doc) {
  ParagraphValues v;
  if (!caretLineValid(doc)) return v;
  const TLineRec& line = lineAt(doc, {doc.CurField, doc.CurLine});
  v.Para = line.Para;
  v.BulletFontName = std::string(textOf(line.Para.BulletFont));
  v.ColumnCount = line.ColumnCount;
  v.ColumnLines = line.ColumnLines;
  v.ColumnGap = line.ColumnGap;
  return v;
}

void setabsatzformat(Document& doc, const ParagraphValues& values, bool withSection, bool onlyCaretLine) {
  setParagraphFields(doc, values, kWholeParaFormat | (withSection ? kParaColumns : 0u), onlyCaretLine);
}

void setParagraphFields(Document& doc, const ParagraphValues& values, uint32_t fields, bool onlyCaretLine) {
  if (!caretLineValid(doc)) return;
  LinePos caret{doc.CurField, doc.CurLine};
  if (onlyCaretLine) {
    writeLine(doc, caret, values, fields);
    return;
  }
  std::vector<LinePos> touched = hasSelection(doc) ? selectedLines(doc) : std::vector<LinePos>{caret};
  // One mark per line written, so that each paragraph is walked and written
  // once however many of its lines the selection touches.
  std::vector<std::vector<bool>> done(doc.Fields.size());
  const auto isDone = [&](LinePos p) {
    const auto& marks = done[static_cast<size_t>(p.field)];
    return !marks.empty() && marks[static_cast<size_t>(p.line)];
  };
  for (LinePos start : touched) {
    if (isDone(start)) continue;
    for (LinePos p : paragraphLines(doc, start)) {
      auto& marks = done[static_cast<size_t>(p.field)];
      if (marks.empty()) marks.resize(doc.Fields[static_cast<size_t>(p.field)].Lines.size());
      if (marks[static_cast<size_t>(p.line)]) continue;
      marks[static_cast<size_t>(p.line)] = true;
      writeLine(doc, p, values, fields);
      const TLineRec& line = std::as_const(doc).Fields[static_cast<size_t>(p.field)].Lines[static_cast<size_t>(p.line)];
      if ((fields & kParaColumns) && line.InTable && line.RowCells >= 2) {
        // A row is one section: its cells' lines must all carry the settings.
        for (LinePos cell : tableRowLines(doc, p)) writeSection(lineAt(doc, cell), values);
      }
    }
  }
}

std::vector<LinePos> tableRowLines(const Document& doc, LinePos pos) {
  const auto& lines = doc.Fields[static_cast<size_t>(pos.field)].Lines;
  int32_t first = pos.line;
  while (first > 0 && lines[static_cast<size_t>(first)].InTable &&
         !(lines[static_cast<size_t>(first)].CellFirstLine && lines[static_cast<size_t>(first)].CellIndex == 0))
    --first;
  int32_t last = pos.line;
  const int32_t count = static_cast<int32_t>(lines.size());
  while (last + 1 < count && lines[static_cast<size_t>(last + 1)].InTable &&
         !(lines[static_cast<size_t>(last + 1)].CellFirstLine && lines[static_cast<size_t>(last + 1)].CellIndex == 0))
    ++last;
  std::vector<LinePos> row;
  for (int32_t i = first; i <= last; ++i) row.push_back({pos.field, i});
  return row;
}

bool sameSection(const TLineRec& a, const TLineRec& b) {
  return a.ColumnCount == b.ColumnCount && a.ColumnLines == b.ColumnLines && a.ColumnGap == b.ColumnGap;
}

bool isfirstSpaltenrow(const Document& doc, int32_t field, int32_t line) {
  const auto& lines = doc.Fields[static_cast<size_t>(field)].Lines;
  return line == 0 || !sameSection(lines[static_cast<size_t>(line - 1)], lines[static_cast<size_t>(line)]);
}

const char* const kLineSpacingNames[6] = {"Einfach", "1,5 Zeilen", "Doppelt", "Mindestens", "Genau", "Mehrfach"};

LineSpacingChoice lineSpacingChoice(const TParaFormat& para) {
  if (para.LineSpacingMode == 1) return kSpacingAtLeast;
  if (para.LineSpacingMode == 2) return kSpacingExactly;
  if (para.LineSpacing == 1.0) return kSpacingSingle;
  if (para.LineSpacing == 1.5) return kSpacingOneAndHalf;
  if (para.LineSpacing == 2.0) return kSpacingDouble;
  return kSpacingMultiple;
}

void applyLineSpacingChoice(TParaFormat& para, LineSpacingChoice choice, double measure) {
  switch (choice) {
    case kSpacingSingle: para.LineSpacingMode = 0; para.LineSpacing = 1.0; break;
    case kSpacingOneAndHalf: para.LineSpacingMode = 0; para.LineSpacing = 1.5; break;
    case kSpacingDouble: para.LineSpacingMode = 0; para.LineSpacing = 2.0; break;
    case kSpacingAtLeast: para.LineSpacingMode = 1; para.LineSpacing = measure; break;
    case kSpacingExactly: para.LineSpacingMode = 2; para.LineSpacing = measure; break;
    case kSpacingMultiple: para.LineSpacingMode = 0; para.LineSpacing = measure; break;
  }
}

void toggleListKind(TParaFormat& para, uint8_t kind) {
  para.ListKind = para.ListKind == kind ? 0 : kind;
  para.BulletChar = kDefaultBulletChar;
}

}  // namespace vendaro
