// Backspace, Delete, Enter and deleting selections on a real editor: soft
// wraps, lists, paragraph joins, table row groups and column blocks.
#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

using test::flowText;
using test::typeKeys;

struct DeletingTest : ::testing::Test {
  DeletingTest() {
    editor.FormCreate();
    SetPCharText(editor.doc().CurFont.Name, "Times New Roman");
    editor.doc().CurFont.Size = 12;
  }
  Document& doc() { return editor.doc(); }
  TLineRec& line(int32_t index) { return doc().Fields[0].Lines.at(static_cast<size_t>(index)); }
  TextPos caret() { return caretPos(doc()); }
  std::string tail(size_t n) {
    const std::string text = flowText(doc());
    return text.substr(text.size() - std::min(n, text.size()));
  }
  void at(const TextPos& pos) {
    setCaret(doc(), pos);
    setAnchor(doc(), pos);
  }
  void press(int32_t key, ShiftState shift = 0) { editor.getkeysKeyDown(key, shift); }

  // Puts a table row of `cells` cells (one line group) before line `at`,
  // then lays everything out.
  void addTableRow(int32_t at, const std::vector<std::string>& cells) {
    auto& lines = doc().Fields[0].Lines;
    for (size_t c = 0; c < cells.size(); ++c) {
      TLineRec row;
      row.InTable = 1;
      row.RowCells = static_cast<int32_t>(cells.size());
      row.CellIndex = static_cast<int32_t>(c);
      row.CellFirstLine = row.CellLastLine = 1;
      row.LineEnd = kLineEndParagraph;
      lines.insert(lines.begin() + at + static_cast<std::ptrdiff_t>(c), row);
      this->at({0, at + static_cast<int32_t>(c), 0});
      editor.TypingBatch = true;
      typeKeys(editor, cells[c]);
      editor.TypingBatch = false;
    }
    editor.RefreshContent();
  }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(DeletingTest, BackspaceAndDeleteJoinLinesAndParagraphs) {
  for (int i = 0; i < 30; ++i) typeKeys(editor, "Wort ");
  ASSERT_GE(doc().Fields[0].LineCount(), 2);
  const int32_t firstLength = line(0).CharCount();
  at({0, 1, 0});
  press(kKeyBackspace);  // the start of a wrapped line: the last character above goes
  EXPECT_EQ(flowText(doc()).size(), 149u);
  EXPECT_EQ(flowText(doc())[static_cast<size_t>(firstLength) - 1], 'W');

  press(kKeyEnd, kCtrl);
  typeKeys(editor, "\nzwei");
  press(kKeyHome);
  press(kKeyBackspace);  // joins the paragraphs
  EXPECT_EQ(tail(9), "Wort zwei");
  typeKeys(editor, "\n");
  press(kKeyUp);
  press(kKeyEnd);
  press(kKeyDelete);  // joins them again
  EXPECT_EQ(tail(9), "Wort zwei");
  press(kKeyEnd, kCtrl);
  const std::string before = flowText(doc());
  press(kKeyDelete);  // the end of the flow
  EXPECT_EQ(flowText(doc()), before);
}

TEST_F(DeletingTest, BackspaceAtAListParagraphsStartEndsTheList) {
  typeKeys(editor, "eins\nzwei");
  editor.aufzaehlung(1);
  EXPECT_EQ(line(1).Para.ListKind, 1);
  press(kKeyHome);
  press(kKeyBackspace);
  EXPECT_EQ(line(1).Para.ListKind, 0);
  EXPECT_EQ(flowText(doc()), "eins\nzwei");
  press(kKeyBackspace);  // now an ordinary paragraph start: the paragraphs join
  EXPECT_EQ(flowText(doc()), "einszwei");
  editor.aufzaehlung(2);
  press(kKeyHome, kCtrl);
  press(kKeyBackspace);  // the first line of the flow
  EXPECT_EQ(line(0).Para.ListKind, 0);
}

TEST_F(DeletingTest, EnterInATableCellGrowsTheWholeRow) {
  typeKeys(editor, "vor\nnach");
  addTableRow(1, {"a1", "b1b2", "c1"});
  const std::string table = "vor\na1\nb1b2\nc1\nnach";
  ASSERT_EQ(flowText(doc()), table);
  at({0, 1, 0});
  press(kKeyBackspace);  // a row's start is not joined to the text above
  at({0, 3, 2});
  press(kKeyDelete);  // nor is a row's end to the text below
  EXPECT_EQ(flowText(doc()), table);

  at({0, 2, 2});
  press(kKeyEnter);
  ASSERT_EQ(doc().Fields[0].LineCount(), 8);
  for (int32_t i = 1; i <= 6; ++i) {
    EXPECT_EQ(line(i).RowCells, 3);
    EXPECT_EQ(line(i).CellIndex, (i - 1) % 3);
    EXPECT_EQ(line(i).CellFirstLine, i <= 3 ? 1 : 0);
    EXPECT_EQ(line(i).CellLastLine, i >= 4 ? 1 : 0);
  }
  EXPECT_EQ(flowText(doc()), "vor\na1\nb1\nc1\nb2\nnach");
  EXPECT_EQ(caret(), (TextPos{0, 5, 0}));
  press(kKeyBackspace);  // joins the cell's paragraphs again
  EXPECT_EQ(line(2).CharCount(), 4);
  EXPECT_EQ(line(5).CharCount(), 0);

  at({0, 0, 3});
  typeKeys(editor, "\b\b\b");
  press(kKeyDelete);  // an empty paragraph before a table goes
  EXPECT_EQ(line(0).InTable, 1);
  EXPECT_EQ(flowText(doc()).substr(0, 8), "a1\nb1b2\n");
  EXPECT_EQ(caret(), (TextPos{0, 0, 0}));
}

TEST_F(DeletingTest, DeletingSelectionsAcrossLinesAndColumnBlocks) {
  typeKeys(editor, "erste Zeile\nzweite\ndritte Zeile\nEnde");
  setAnchor(doc(), {0, 0, 5});
  setCaret(doc(), {0, 2, 6});
  typeKeys(editor, "X");  // typing replaces the selection
  EXPECT_EQ(flowText(doc()), "ersteX Zeile\nEnde");
  EXPECT_EQ(caret(), (TextPos{0, 0, 6}));

  addTableRow(1, {"a", "b", "c"});
  addTableRow(4, {"d", "e", "f"});
  ASSERT_EQ(flowText(doc()), "ersteX Zeile\na\nb\nc\nd\ne\nf\nEnde");
  setAnchor(doc(), {0, 1, 1});  // from cell "a" …
  setCaret(doc(), {0, 5, 0});   // … to cell "e": columns 0 and 1 of both rows
  editor.DeleteColumnsMode = true;
  press(kKeyDelete);
  EXPECT_EQ(flowText(doc()), "ersteX Zeile\nc\nf\nEnde");
  EXPECT_EQ(line(1).RowCells, 1);
  EXPECT_EQ(line(1).CellIndex, 0);
  EXPECT_EQ(line(2).CellFirstLine, 1);
  EXPECT_EQ(editor.undoHistory().undoPopup()[0], "Löschen");
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(flowText(doc()), "ersteX Zeile\na\nb\nc\nd\ne\nf\nEnde");
}

}  // namespace
}  // namespace vendaro
