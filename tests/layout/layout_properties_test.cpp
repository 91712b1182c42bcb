// Properties of every layout run on generated documents (paragraphs with
// tabs, soft hyphens, lists and spacing, a column section, table rows, a
// footnote and two linked text boxes), also after random edits: each chain
// reads the same, lines fit their width where the rules demand it, the caret
// stays before the same character, a second run changes nothing, and a run
// after an edit ends exactly where a complete layout of the same text does.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "layout/document_generator.h"
#include "layout/layout_fixture.h"
#include "support/property_seeds.h"

namespace vendaro {
namespace {

using test::LayoutFixture;

using test::Generator;

// Frames 1 and 2 are linked text boxes of equal width; frame 3 a footnote.
void buildDocument(LayoutFixture& f, Generator& g) {
  LineList& body = f.body().Lines;
  g.paragraphs(body, g.between(3, 10));
  for (int rows = g.between(0, 2); rows > 0; --rows) g.tableRow(body);
  g.paragraphs(body, g.between(0, 5));
  const size_t from = static_cast<size_t>(g.between(0, static_cast<int>(body.size()) - 1));
  const int32_t columns = g.between(2, 3);
  for (size_t i = from; i < std::min(body.size(), from + 8); ++i) body[i].ColumnCount = columns;
  TCharRec reference = g.cell();
  reference.Kind = kCellNoteRef;
  reference.NoteID = 1;
  body[0].Chars.push_back(reference);

  const int32_t top = f.addTextBox(10, 10, 70, 40);
  const int32_t bottom = f.addTextBox(10, 60, 70, 160);
  const bool reversed = g.chance(50);  // a chain may run against the frame list
  const int32_t head = reversed ? bottom : top, next = reversed ? top : bottom;
  f.link(head, next);
  g.paragraphs(f.frame(head).Lines, g.between(1, 10));
  f.frame(next).Lines = {TLineRec{}};
  TFieldRec& area = f.doc.NewPage(false);
  area.FieldType = kFieldFooter;
  area.FootnoteNo = 1;
  area.TopFromBottom = area.BottomFromBottom = 1;
  g.paragraphs(area.Lines, 1);
}

// Every cell and hard line end of a chain in reading order (a table row
// cell by cell), with where each line starts.
struct Reading {
  std::vector<std::pair<int, int>> tokens;
  std::map<std::pair<int32_t, size_t>, size_t> lineStart;

  void add(int32_t field, size_t index, const TLineRec& line) {
    lineStart[{field, index}] = tokens.size();
    for (const TCharRec& c : line.Chars) tokens.push_back({c.Kind, c.Ch});
    if (line.LineEnd != kLineEndSoft) tokens.push_back({-1, line.LineEnd});
  }
};

Reading readChain(const Document& doc, int32_t field) {
  while (doc.Fields[static_cast<size_t>(field)].PrevField >= 0) field = doc.Fields[static_cast<size_t>(field)].PrevField;
  Reading r;
  for (; field >= 0; field = doc.Fields[static_cast<size_t>(field)].NextField) {
    const auto& lines = doc.Fields[static_cast<size_t>(field)].Lines;
    for (size_t i = 0; i < lines.size();) {
      const size_t cells = static_cast<size_t>(std::max(1, lines[i].RowCells));
      size_t end = i + cells;
      while (cells > 1 && !lines[end - cells].CellLastLine) end += cells;
      for (size_t c = 0; c < cells; ++c)
        for (size_t row = i; row < end; row += cells) r.add(field, row + c, lines[row + c]);
      i = end;
    }
  }
  return r;
}

size_t caretOffset(const Document& doc) {
  const TLineRec& line = doc.Fields[static_cast<size_t>(doc.CurField)].Lines.at(static_cast<size_t>(doc.CurLine));
  EXPECT_LE(doc.CurChar, line.CharCount());
  return readChain(doc, doc.CurField).lineStart.at({doc.CurField, doc.CurLine}) + static_cast<size_t>(doc.CurChar);
}

// Every cell but the first, spaces and footnote marks (renumbered after
// wrapping) lies within its line's width.
void expectLinesFit(const Document& doc) {
  for (const TFieldRec& frame : doc.Fields) {
    if (frame.FieldType > kFieldTextBox) continue;
    const FrameBounds b = doc.fieldBounds(frame);
    for (size_t i = 0; i < frame.Lines.size(); ++i) {
      const TLineRec& line = frame.Lines[i];
      const int32_t n = std::max(1, line.ColumnCount);
      double width = (b.x2 - b.x1 - frame.MarginLeft - frame.MarginRight - (n - 1) * line.ColumnGap) / n;
      if (line.RowCells > 1) {
        double weights = 0;
        for (int32_t c = 0; c < line.RowCells; ++c) weights += frame.Lines[i - line.CellIndex + c].CellWidthWeight;
        width = (width - line.RowLeft - line.RowRight) * line.CellWidthWeight / weights;
      }
      const size_t step = static_cast<size_t>(std::max(1, line.RowCells));
      const TLineRec* above = i >= step ? &frame.Lines[i - step] : nullptr;
      if (!above && frame.PrevField >= 0) above = &doc.Fields[static_cast<size_t>(frame.PrevField)].Lines.back();
      const bool start = line.CellFirstLine || !above || above->CellLastLine || above->LineEnd == kLineEndParagraph ||
                         above->LineEnd == kLineEndPage;
      double x = line.Para.LeftIndent + (start ? line.Para.FirstLineIndent + (line.Para.ListKind ? line.Para.ListIndent : 0) : 0);
      for (size_t c = 0; c < line.Chars.size(); ++c) {
        x += line.Chars[c].FlowShift + line.Chars[c].CharWidth;
        if (c > 0 && line.Chars[c].Ch != ' ' && line.Chars[c].Kind != kCellNoteRef) {
          EXPECT_LE(x, width - line.Para.RightIndent + 1e-9) << "frame type " << int(frame.FieldType) << " line " << i;
        }
      }
    }
  }
}

void runChecked(LayoutFixture& f) {
  const Reading body = readChain(f.doc, 0), boxes = readChain(f.doc, 1);
  const size_t caret = caretOffset(f.doc);
  const bool caretInBody = f.doc.CurField == 0;
  f.run();
  EXPECT_EQ(readChain(f.doc, 0).tokens, body.tokens);
  EXPECT_EQ(readChain(f.doc, 1).tokens, boxes.tokens);
  EXPECT_EQ(f.doc.CurField == 0, caretInBody);
  EXPECT_EQ(caretOffset(f.doc), caret);
  expectLinesFit(f.doc);
  const Document laidOut = f.doc;
  f.run();
  EXPECT_TRUE(f.doc.Fields == laidOut.Fields);
  EXPECT_EQ(f.doc.CurLine, laidOut.CurLine);
  EXPECT_EQ(f.doc.CurChar, laidOut.CurChar);
}

// Anywhere in the text; an empty box waiting for text is no place in it.
void placeCaretAnywhere(LayoutFixture& f, Generator& g) {
  int32_t field = g.between(0, 2);
  if (f.frame(field).PrevField >= 0 && f.frame(field).LineCount() == 1 && f.frame(field).Lines[0].Chars.empty()) field = 0;
  const int32_t line = g.between(0, f.frame(field).LineCount() - 1);
  f.placeCaret(field, line, g.between(0, f.frame(field).Lines[static_cast<size_t>(line)].CharCount()));
  f.doc.CaretAtLineEnd = static_cast<uint8_t>(g.chance(50));
}

TEST(LayoutProperties, HoldOnGeneratedDocumentsAndAfterEdits) {
  for (unsigned seed = 1; seed <= 100 && !HasFailure(); ++seed) {
    SCOPED_TRACE(seed);
    LayoutFixture f;
    Generator g(seed);
    buildDocument(f, g);
    placeCaretAnywhere(f, g);
    runChecked(f);
    for (int edit = 0; edit < 5 && !HasFailure(); ++edit) {
      // Type or delete a few cells somewhere; the touched line is dirty.
      auto& lines = f.frame(g.between(0, 2)).Lines;
      TLineRec& line = lines[static_cast<size_t>(g.between(0, static_cast<int>(lines.size()) - 1))];
      const int at = g.between(0, line.CharCount());
      if (g.chance(60)) {
        for (int n = g.between(1, 6); n > 0; --n) line.Chars.insert(line.Chars.begin() + at, g.cell());
      } else {
        line.Chars.erase(line.Chars.begin() + at, line.Chars.begin() + std::min(line.CharCount(), at + g.between(1, 8)));
      }
      line.Dirty = 1;
      placeCaretAnywhere(f, g);
      runChecked(f);
    }
  }
}

// One random edit the way the editor makes it: cells typed or deleted,
// a line split by Enter, or a paragraph end deleted; touched lines are dirty.
void editSomewhere(LayoutFixture& f, Generator& g) {
  auto& lines = f.frame(g.between(0, 2)).Lines;
  const size_t index = static_cast<size_t>(g.between(0, static_cast<int>(lines.size()) - 1));
  TLineRec& line = lines[index];
  const int at = g.between(0, line.CharCount());
  const int kind = g.between(1, 100);
  const bool plain = !line.InTable && line.RowCells < 2;
  if (plain && kind <= 15) {
    TLineRec tail = line;
    tail.Chars.assign(line.Chars.begin() + at, line.Chars.end());
    line.Chars.erase(line.Chars.begin() + at, line.Chars.end());
    line.LineEnd = kLineEndParagraph;
    line.Dirty = tail.Dirty = 1;
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(index) + 1, std::move(tail));
  } else if (plain && kind <= 30 && index + 1 < lines.size() && !lines[index + 1].InTable && lines[index + 1].RowCells < 2) {
    TLineRec& next = lines[index + 1];
    line.Chars.insert(line.Chars.end(), next.Chars.begin(), next.Chars.end());
    line.LineEnd = next.LineEnd;
    line.Dirty = 1;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index) + 1);
  } else if (kind <= 75) {
    for (int n = g.between(1, 6); n > 0; --n) line.Chars.insert(line.Chars.begin() + at, g.cell());
    line.Dirty = 1;
  } else {
    line.Chars.erase(line.Chars.begin() + at, line.Chars.begin() + std::min(line.CharCount(), at + g.between(1, 8)));
    line.Dirty = 1;
  }
}

// Line by line, with what differs first.
void expectSameLayout(const Document& actual, const Document& expected) {
  ASSERT_EQ(actual.FieldCount(), expected.FieldCount());
  for (size_t field = 0; field < actual.Fields.size(); ++field) {
    const auto& lines = actual.Fields[field].Lines;
    const auto& wanted = expected.Fields[field].Lines;
    ASSERT_EQ(test::frameTexts(actual.Fields[field]), test::frameTexts(expected.Fields[field])) << "frame " << field;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].LineEnd, wanted[i].LineEnd) << "frame " << field << " line " << i;
      EXPECT_EQ(lines[i].Hyphenated, wanted[i].Hyphenated) << "frame " << field << " line " << i;
      EXPECT_EQ(lines[i].LineHeight, wanted[i].LineHeight) << "frame " << field << " line " << i;
      EXPECT_TRUE(lines[i] == wanted[i]) << "frame " << field << " line " << i;
    }
  }
  EXPECT_TRUE(actual.Fields == expected.Fields);
  // At a soft line end the caret may stand at either line's side of it.
  EXPECT_EQ(caretOffset(actual), caretOffset(expected));
}

TEST(LayoutProperties, ARunAfterEditsEndsWhereACompleteLayoutDoes) {
  const unsigned seeds = test::propertySeeds(100), edits = test::propertySteps(8);
  for (unsigned seed = 1; seed <= seeds && !HasFailure(); ++seed) {
    SCOPED_TRACE(seed);
    LayoutFixture f;
    Generator g(seed);
    buildDocument(f, g);
    f.doc.AutoHyphenate = static_cast<uint8_t>(g.chance(70));
    // The footnote reference is measured with its number by the first run;
    // the second wraps its line with that size, as typing it would have.
    f.run();
    f.doc.SetAllDirtyFlags();
    f.run();
    for (unsigned edit = 0; edit < edits && !HasFailure(); ++edit) {
      for (int n = g.between(1, 3); n > 0; --n) editSomewhere(f, g);
      placeCaretAnywhere(f, g);
      LayoutFixture complete;
      complete.doc = f.doc;
      complete.doc.SetAllDirtyFlags();
      complete.run();
      f.run();
      expectSameLayout(f.doc, complete.doc);
    }
  }
}

}  // namespace
}  // namespace vendaro
