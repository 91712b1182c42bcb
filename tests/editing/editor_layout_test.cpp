// The editor's layout wrappers with the program's real fonts and German
// hyphenation patterns, what they ask of the window, and that the layout
// after each key or command equals a complete layout of the same text.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/property_seeds.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

TEST(EditorLayout, WrappersLayOutRepaintAndShowTheCaret) {
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  EXPECT_EQ(host.repaints, 1);
  EXPECT_EQ(host.caretScrolls, 1);
  Document& doc = editor.doc();
  for (char c : std::string("Die Silbentrennung der Zeilen")) {
    TCharRec* cell = doc.NewChar();
    cell->Ch = static_cast<uint8_t>(c);
    doc.RenderChar(*cell);
    doc.MarkChar = ++doc.CurChar;
  }
  doc.Fields[0].Lines[0].Dirty = 1;
  editor.RefreshDirtyContent();
  EXPECT_EQ(host.repaints, 2);
  EXPECT_EQ(host.caretScrolls, 2);
  const auto& lines = doc.Fields[0].Lines;
  ASSERT_GE(lines.size(), 2u);
  std::string first;
  for (const TCharRec& cell : lines[0].Chars) first.push_back(static_cast<char>(cell.Ch));
  EXPECT_TRUE(first == "Die Sil" || first == "Die Silben" || first == "Die Silbentren") << first;
  EXPECT_EQ(lines[0].Hyphenated, 1);
  EXPECT_EQ(doc.CurLine, static_cast<int32_t>(lines.size()) - 1);  // behind the last character typed
  EXPECT_EQ(doc.CurChar, lines.back().CharCount());

  // Every line is laid out again; only CompleteRefresh shows the caret.
  doc.Fields[5].Lines[0].LineHeight = 0;
  editor.RefreshContent();
  EXPECT_GT(doc.Fields[5].Lines[0].LineHeight, 0);
  EXPECT_EQ(host.repaints, 3);
  EXPECT_EQ(host.caretScrolls, 2);
  editor.CompleteRefresh();
  EXPECT_EQ(host.caretScrolls, 3);
}

TextPos randomPos(const Document& doc, std::mt19937& random) {
  const LineList& lines = doc.Fields[0].Lines;
  const auto line = static_cast<int32_t>(random() % lines.size());
  return {0, line, static_cast<int32_t>(random() % (lines[static_cast<size_t>(line)].Chars.size() + 1))};
}

// Undo, redo, pasting a random selection, a table command at the caret or
// a field: the commands that replace or insert lines wholesale.
void randomCommand(Editor& editor, std::mt19937& random) {
  Document& doc = editor.doc();
  switch (random() % 7) {
    case 0: editor.RestoreCopyFromUndo(static_cast<int32_t>(random() % 2)); break;
    case 1: editor.RestoreBeforeRestoreCopyFromUndo(0); break;
    case 2:
      setAnchor(doc, randomPos(doc, random));
      setCaret(doc, randomPos(doc, random));
      editor.KopierenInZwischenAblage(random() % 4 == 0);
      setCaret(doc, randomPos(doc, random));
      setAnchor(doc, caretPos(doc));
      editor.EinfuegenAusZwischenAblage(0);
      break;
    case 3: editor.inserttableXY(1 + static_cast<int32_t>(random() % 3), 1); break;
    case 4: editor.AddTableLines(); break;
    case 5: editor.DeleteTableCells(static_cast<int32_t>(random() % 3)); break;
    default: editor.InsertField(random() % 2 ? "page" : "autonumber"); break;
  }
}

// A line its frame takes as unchanged since layout is clean and noted as
// reading it notes it: passes that skip such lines miss nothing.
void expectUnchangedLinesAsNoted(const Document& doc) {
  for (size_t field = 0; field < doc.Fields.size(); ++field) {
    const LineList& lines = doc.Fields[field].Lines;
    for (size_t i = 0; i < lines.size(); ++i) {
      if (lines.changed(i)) continue;
      EXPECT_EQ(lines[i].Dirty, 0) << "frame " << field << " line " << i;
      EXPECT_EQ(lines.marks(i), lineMarksOf(lines[i])) << "frame " << field << " line " << i;
    }
  }
}

// Random typing, deleting, Enter, caret moves and commands in 28 point text
// with automatic hyphenation, in paragraphs and (every other seed) in the
// cells of table rows between them: after every key the lines of every frame
// are those a complete layout of a copy makes (cells, line ends,
// hyphenation, heights).
TEST(EditorLayout, EveryKeyLeavesTheLayoutACompleteLayoutMakes) {
  const std::string letters = "eeennirstaudhlgcmobwfkz\xFC\xE4\xF6\xDF";
  const int32_t keys[] = {kKeyBackspace, kKeyDelete, kKeyEnter, kKeyLeft, kKeyRight, kKeyUp, kKeyDown, kKeyHome, kKeyEnd};
  test::RecordingHost host, copyHost;
  const unsigned seeds = test::propertySeeds(100), steps = test::propertySteps(60);
  for (unsigned seed = 1; seed <= seeds && !HasFailure(); ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    const auto below = [&](size_t n) { return static_cast<size_t>(random() % n); };
    Editor editor(host);
    editor.FormCreate();
    editor.doc().CurFont.Size = 28;
    editor.doc().AutoHyphenate = 1;
    if (seed % 2 == 0) {
      Document& doc = editor.doc();
      test::appendTextLine(doc, 0, "Vor der Tabelle");
      test::appendTableRow(doc, {{"links oben", 2.0}, {"rechts", 1.0}});
      test::appendTableRow(doc, {{"a", 1.0}, {"mitte", 1.0}, {"b", 1.0}});
      test::appendTextLine(doc, 0, "Danach");
      // The caret starts in a random line, a table cell most of the time.
      doc.CurLine = doc.MarkLine = static_cast<int32_t>(below(doc.Fields[0].Lines.size()));
      doc.CurChar = doc.MarkChar = 0;
    }
    editor.CompleteRefresh();
    for (unsigned step = 0; step < steps && !HasFailure(); ++step) {
      SCOPED_TRACE(step);
      const size_t kind = below(100);
      if (kind < 55) {
        for (size_t n = 1 + below(8); n > 0; --n) editor.getkeysKeyPress(static_cast<uint8_t>(letters[below(letters.size())]));
        editor.getkeysKeyPress(' ');
      } else if (kind < 82) {
        editor.getkeysKeyDown(keys[below(std::size(keys))], 0);
      } else {
        randomCommand(editor, random);
      }
      expectUnchangedLinesAsNoted(editor.doc());
      Editor complete(copyHost);
      complete.doc() = editor.doc();
      complete.CompleteRefresh();
      ASSERT_EQ(test::flowText(editor.doc()), test::flowText(complete.doc()));
      ASSERT_EQ(editor.doc().FieldCount(), complete.doc().FieldCount());
      for (size_t field = 0; field < editor.doc().Fields.size(); ++field) {
        const auto& lines = std::as_const(editor.doc().Fields[field].Lines);
        const auto& wanted = std::as_const(complete.doc().Fields[field].Lines);
        ASSERT_EQ(lines.size(), wanted.size()) << "frame " << field;
        for (size_t i = 0; i < lines.size(); ++i) EXPECT_TRUE(lines[i] == wanted[i]) << "frame " << field << " line " << i;
      }
    }
  }
}

}  // namespace
}  // namespace vendaro
