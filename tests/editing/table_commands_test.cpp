// The table commands on a real editor with scripted dialogs: the shape of
// inserted tables, rows and columns, deletions down to an empty text box,
// splitting, even widths, the cell dialog and column-edge drags; each
// command undone gives back the document exactly, and the native file
// keeps every table field.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "formats/lpx_file.h"
#include "layout/layout_run.h"
#include "layout/table_cells.h"
#include "layout/table_tracks.h"
#include "shell/document_dump.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

class TableTest : public ::testing::Test {
 protected:
  void SetUp() override { editor.FormCreate(); }

  void type(std::string_view text) {
    for (char c : text) editor.getkeysKeyPress(static_cast<uint8_t>(c));
  }
  const LineList& lines(int32_t field = 0) const { return std::as_const(editor).doc().Fields[static_cast<size_t>(field)].Lines; }
  std::vector<int32_t> cellIndexes(int32_t field = 0) const {
    std::vector<int32_t> result;
    for (const TLineRec& line : lines(field)) result.push_back(line.InTable ? line.CellIndex : -1);
    return result;
  }
  void caretTo(int32_t line, int32_t cell = 0, int32_t field = 0) {
    setCaret(editor.doc(), {field, line, cell});
    setAnchor(editor.doc(), {field, line, cell});
  }
  void select(TextPos from, TextPos to) {
    setAnchor(editor.doc(), from);
    setCaret(editor.doc(), to);
  }
  std::string dump() const { return dumpDocumentJson(editor.doc()); }
  // Runs `command`, then undoes it: the document must read as before.
  template <typename Command>
  void expectUndoRestores(Command command) {
    const std::string before = dump();
    const int32_t steps = editor.undoHistory().UndoPos();
    command();
    ASSERT_EQ(editor.undoHistory().UndoPos(), steps + 1);
    editor.RestoreCopyFromUndo(0);
    EXPECT_EQ(dump(), before);
  }
  double textWidth() const { return frameTextWidth(editor.doc(), editor.doc().Fields[0]); }
  // The lines of the page text are those a complete layout of a copy makes.
  void expectCompleteLayout() {
    test::RecordingHost otherHost;
    Editor complete(otherHost);
    complete.doc() = editor.doc();
    complete.CompleteRefresh();
    const LineList& wanted = std::as_const(complete.doc()).Fields[0].Lines;
    ASSERT_EQ(lines().size(), wanted.size());
    for (size_t i = 0; i < wanted.size(); ++i) EXPECT_TRUE(lines()[i] == wanted[i]) << "line " << i;
  }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(TableTest, InsertedTableTakesAnEmptyCaretLineAndSplitsText) {
  editor.inserttableXY(3, 2);
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, 2, 0, 1, 2, -1}));
  for (size_t i = 0; i < 6; ++i) {
    const TLineRec& cell = lines()[i];
    EXPECT_EQ(cell.RowCells, 3);
    EXPECT_TRUE(cell.CellFirstLine && cell.CellLastLine);
    EXPECT_EQ(cell.Para.LeftIndent, 2.5);
    EXPECT_EQ(cell.Para.RightIndent, 2.5);
    EXPECT_EQ(cell.CellDesign, TCellDesign{});
  }
  EXPECT_EQ(editor.undoHistory().step(editor.undoHistory().UndoPos() - 1).Caption, "Tabelle einfügen");

  // Inside a table nothing happens, not even the dialog.
  host.insertTable = [](InsertTableDialog&) { return true; };
  const std::string inTable = dump();
  editor.inserttable();
  EXPECT_EQ(host.dialogsShown, 0);
  EXPECT_EQ(dump(), inTable);

  // In the middle of a paragraph the table goes between its halves.
  editor.FormCreate();
  type("abcdef");
  caretTo(0, 3);
  host.insertTable = [](InsertTableDialog& d) {
    EXPECT_EQ(d.columns, 2);
    EXPECT_EQ(d.rows, 2);
    d.columns = 2;
    d.rows = 1;
    return true;
  };
  expectUndoRestores([&] { editor.inserttable(); });
  editor.inserttable();
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{-1, 0, 1, -1}));
  EXPECT_EQ(lines()[0].CharCount(), 3);
  EXPECT_EQ(lines()[3].CharCount(), 3);
}

TEST_F(TableTest, RowsGoAroundTheWholeRowAndAppendStopsAtTheEndOfTheFlow) {
  editor.inserttableXY(2, 2);
  editor.doc().Fields[0].Lines[3].CellDesign.BackColor = 0x00FF00;
  // The last row ends the flow after the empty line below is gone.
  LineList& body = editor.doc().Fields[0].Lines;
  body.erase(body.begin() + 4);
  ASSERT_EQ(lines().size(), 4u);
  caretTo(3);
  const std::string atEnd = dump();
  const int32_t steps = editor.undoHistory().UndoPos();
  editor.AddTableLines();
  EXPECT_EQ(dump(), atEnd);
  EXPECT_EQ(editor.undoHistory().UndoPos(), steps);

  host.insertTableLines = [](InsertTableRowsDialog& d) {
    d.count = 2;
    d.after = false;
    return true;
  };
  caretTo(3);
  expectUndoRestores([&] { editor.insertTableLines(); });
  editor.insertTableLines();
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, 0, 1, 0, 1, 0, 1}));
  EXPECT_EQ(editor.doc().CurLine, 2);
  // New cells copy the design of the cell of their column in the row they border.
  EXPECT_EQ(lines()[3].CellDesign.BackColor, 0x00FF00);
  EXPECT_EQ(lines()[5].CellDesign.BackColor, 0x00FF00);
  EXPECT_EQ(lines()[2].CellDesign.BackColor, 0xFFFFFF);
  EXPECT_EQ(lines()[2].LineEnd, kLineEndParagraph);

  // Outside a table the commands say so.
  editor.FormCreate();
  editor.insertTableLines();
  editor.AddTableLines();
  editor.TabelleTeilen();
  editor.Zellenformatieren();
  ASSERT_EQ(host.messages.size(), 4u);
  EXPECT_EQ(host.messages[0].text, "Es ist keine Tabellenzelle ausgewählt!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::error);
}

TEST_F(TableTest, ColumnsAreAddedToRowsOfEveryWidthAndStopAtAHundred) {
  editor.inserttableXY(2, 1);
  caretTo(2);
  editor.inserttableXY(3, 1);  // a second row of three cells right below
  ASSERT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, 0, 1, 2, -1}));
  caretTo(0);
  expectUndoRestores([&] { editor.InsertTableCols(true); });
  editor.InsertTableCols(true);
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, 2, 0, 1, 2, 3, -1}));
  EXPECT_EQ(lines()[0].RowCells, 3);
  EXPECT_EQ(lines()[3].RowCells, 4);

  host.insertTableCols = [](InsertTableRowsDialog& d) {
    d.count = 10000;
    return true;
  };
  caretTo(1);
  editor.InsertTableCols(false);
  EXPECT_EQ(lines()[0].RowCells, 100);
  EXPECT_EQ(lines()[100].RowCells, 100);
  EXPECT_EQ(lines().size(), 201u);
  // The caret stays on its cell (the second of three), which moved right.
  EXPECT_EQ(lines()[static_cast<size_t>(editor.doc().CurLine)].CellIndex, 98);
  // Full rows take nothing more, and no undo step either.
  const int32_t steps = editor.undoHistory().UndoPos();
  editor.InsertTableCols(true);
  EXPECT_EQ(editor.undoHistory().UndoPos(), steps);
}

TEST_F(TableTest, DeletingCellsRowsAndColumns) {
  editor.inserttableXY(3, 3);
  caretTo(4);  // middle cell
  expectUndoRestores([&] { editor.DeleteTableCells(0); });
  expectUndoRestores([&] { editor.DeleteTableCells(1); });
  expectUndoRestores([&] { editor.DeleteTableCells(2); });
  editor.DeleteTableCells(2);
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, 0, 1, 0, 1, -1}));
  EXPECT_EQ(lines()[0].RowCells, 2);
  editor.DeleteTableCells(1);
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, 0, 1, -1}));
  EXPECT_EQ(editor.doc().CurLine, 0);
  editor.DeleteTableCells(0);
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 0, 1, -1}));
  EXPECT_EQ(lines()[0].RowCells, 1);
}

// A table put in at the start of a paragraph's second line leaves the first
// line ending softly above it, here shortened by a word; once the table is
// gone, the two halves are one paragraph again, wrapped as a complete
// layout wraps it.
TEST_F(TableTest, DeletingATableJoinsTheParagraphItInterrupted) {
  for (int word = 0; word < 12; ++word) type("Tabelle ");
  ASSERT_GE(lines().size(), 2u);
  caretTo(1);
  editor.inserttableXY(1, 1);
  ASSERT_TRUE(lines()[1].InTable);
  caretTo(0, 8);
  for (int key = 0; key < 8; ++key) editor.getkeysKeyDown(kKeyBackspace, 0);
  caretTo(1);
  editor.DeleteTableCells(1);
  expectCompleteLayout();
}

// A line hyphenated in a word that ran on into the next line no longer is
// once a table is put in at the start of that next line.
TEST_F(TableTest, ATableAtTheStartOfALineEndsTheHyphenatedWordAboveIt) {
  editor.doc().AutoHyphenate = 1;
  editor.doc().CurFont.Size = 28;
  type("Die Silbentrennung der Zeilen ");
  ASSERT_EQ(lines()[0].Hyphenated, 1);
  caretTo(1);
  editor.inserttableXY(1, 1);
  ASSERT_TRUE(lines()[1].InTable);
  EXPECT_EQ(lines()[0].Hyphenated, 0);
  expectCompleteLayout();
}

TEST_F(TableTest, DeletingEveryRowOfATextBoxTableLeavesItALine) {
  TFieldRec& box = editor.doc().NewPage(false);
  box.FieldType = kFieldTextBox;
  box.Left = 20, box.Top = 20, box.Right = 120, box.Bottom = 80;
  box.Lines.push_back(TLineRec{});
  const int32_t boxIndex = editor.doc().FieldCount() - 1;
  caretTo(0, 0, boxIndex);
  editor.inserttableXY(2, 2);
  LineList& boxLines = editor.doc().Fields[static_cast<size_t>(boxIndex)].Lines;
  boxLines.erase(boxLines.end() - 1);  // the table fills the box
  editor.MakeSoftEnters();
  select({boxIndex, 0, 0}, {boxIndex, 3, 0});
  editor.DeleteTableCells(1);
  ASSERT_EQ(lines(boxIndex).size(), 1u);
  EXPECT_FALSE(lines(boxIndex)[0].InTable);
  EXPECT_EQ(caretPos(editor.doc()), (TextPos{boxIndex, 0, 0}));
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(lines(boxIndex).size(), 4u);
}

TEST_F(TableTest, SplitAndEvenWidths) {
  editor.inserttableXY(2, 3);
  for (size_t i = 0; i < 6; ++i) editor.doc().Fields[0].Lines[i].CellWidthWeight = 0.5 + static_cast<double>(i);
  caretTo(3);
  expectUndoRestores([&] { editor.TabelleTeilen(); });
  editor.TabelleTeilen();
  EXPECT_EQ(cellIndexes(), (std::vector<int32_t>{0, 1, -1, 0, 1, 0, 1, -1}));
  EXPECT_EQ(editor.doc().CurLine, 2);
  caretTo(3);
  editor.VerteileTableCols();  // the lower table only
  EXPECT_EQ(lines()[0].CellWidthWeight, 0.5);
  for (size_t i = 3; i < 7; ++i) EXPECT_EQ(lines()[i].CellWidthWeight, 1.0);
  const int32_t steps = editor.undoHistory().UndoPos();
  editor.VerteileTableCols();  // already even: no step
  EXPECT_EQ(editor.undoHistory().UndoPos(), steps);
}

TEST_F(TableTest, CellDialogKastenOnTwoByTwo) {
  editor.inserttableXY(3, 3);
  select({0, 0, 0}, {0, 4, 0});  // the top-left 2 × 2 block
  host.tableCell = [](TTableCellForm& form) {
    // Standard cells: every slot alike, all borders on.
    for (const BorderSlot& slot : form.borders) EXPECT_TRUE(slot.uniform && slot.visible);
    form.lineColor = 0x0000FF;
    form.setLineWidth(1.5);
    form.presetKasten();
    return true;
  };
  expectUndoRestores([&] { editor.Zellenformatieren(); });
  editor.Zellenformatieren();
  EXPECT_EQ(editor.undoHistory().step(editor.undoHistory().UndoPos() - 1).Caption, "Zellen formatieren");
  const auto present = [&](size_t line) { return lines()[line].CellDesign.BorderPresent; };
  // Design order left, top, bottom, right.
  EXPECT_EQ(present(0), (std::array<uint8_t, 4>{1, 1, 0, 0}));
  EXPECT_EQ(present(1), (std::array<uint8_t, 4>{0, 1, 0, 1}));
  EXPECT_EQ(present(3), (std::array<uint8_t, 4>{1, 0, 1, 0}));
  EXPECT_EQ(present(4), (std::array<uint8_t, 4>{0, 0, 1, 1}));
  EXPECT_EQ(lines()[0].CellDesign.BorderColor[0], 0x0000FF);
  EXPECT_EQ(lines()[0].CellDesign.BorderWidth[1], 1.5);
  EXPECT_EQ(lines()[2].CellDesign, TCellDesign{});  // outside the block

  // Mixed borders are left alone unless set; a cancelled dialog changes nothing.
  host.tableCell = [](TTableCellForm& form) {
    EXPECT_FALSE(form.borders[kSlotInnerVertical].uniform);
    EXPECT_TRUE(form.borders[kSlotTop].uniform);
    form.setBackColor(0x00FFFF);
    return true;
  };
  select({0, 0, 0}, {0, 7, 0});
  editor.Zellenformatieren();
  EXPECT_EQ(present(1), (std::array<uint8_t, 4>{0, 1, 0, 1}));
  EXPECT_EQ(lines()[7].CellDesign.BackColor, 0x00FFFF);
  const int32_t steps = editor.undoHistory().UndoPos();
  host.tableCell = nullptr;
  editor.Zellenformatieren();
  EXPECT_EQ(editor.undoHistory().UndoPos(), steps);
}

TEST(TableCellForm, PreviewClicksAndPresets) {
  // Edges first, then the middle lines; the centre is the vertical one.
  EXPECT_EQ(previewBorderAt(100, 60, 200, 120), kSlotInnerVertical);
  EXPECT_EQ(previewBorderAt(9, 60, 200, 120), kSlotLeft);
  EXPECT_EQ(previewBorderAt(10, 60, 200, 120), kSlotInnerHorizontal);
  EXPECT_EQ(previewBorderAt(190, 5, 200, 120), kSlotRight);
  EXPECT_EQ(previewBorderAt(50, 5, 200, 120), kSlotTop);
  EXPECT_EQ(previewBorderAt(50, 110, 200, 120), kSlotBottom);
  EXPECT_EQ(previewBorderAt(50, 30, 200, 120), -1);
  EXPECT_EQ(previewBorderAt(110, 30, 200, 120), -1);  // 10 pixels off the centre is outside
  TTableCellForm form;
  form.setLineWidth(3);
  form.presetGitternetz();
  EXPECT_EQ(form.borders[kSlotTop].width, 3);
  EXPECT_EQ(form.borders[kSlotInnerVertical].width, 0.75);
  form.toggle(kSlotTop);
  EXPECT_FALSE(form.borders[kSlotTop].visible);
  form.setBackColor(0x000080);
  EXPECT_FALSE(form.transparentEnabled());
}

TEST_F(TableTest, DraggedInnerEdgeKeepsFiveMillimetresAndTheRowWidth) {
  editor.inserttableXY(3, 2);
  const std::vector<double> before = tableRowEdges(editor.doc(), 0, 0);
  // Both rows line up, so the edge of either moves in both.
  FindAllTableTracks(editor.doc(), nullptr, editor.paintState().sideLists, 0, 0, 1, before[1]);
  EXPECT_EQ(editor.paintState().sideLists.TableTracks.size(), 2u);
  expectUndoRestores([&] { editor.SetTableTrack(before[2] - 2.0); });
  editor.SetTableTrack(before[2] - 2.0);
  for (int32_t row : {0, 3}) {
    const std::vector<double> after = tableRowEdges(editor.doc(), 0, row);
    EXPECT_NEAR(after[1], before[2] - 5.0, 1e-9);
    EXPECT_NEAR(after[2], before[2], 1e-9);
    EXPECT_NEAR(after[3], before[3], 1e-9);
    EXPECT_NEAR(after[0], before[0], 1e-9);
  }
  // The outer edges keep a row 10 mm wide and never cross.
  auto& tracks = editor.paintState().sideLists.TableTracks;
  tracks = {{0, 0, 0}};
  editor.SetTableTrack(textWidth() + 50);
  EXPECT_NEAR(tableRowEdges(editor.doc(), 0, 0)[0], textWidth() - kMinimumRowWidth, 1e-9);
  tracks = {{0, 2, 1}};
  editor.SetTableTrack(-40);
  const std::vector<double> squeezed = tableRowEdges(editor.doc(), 0, 0);
  EXPECT_NEAR(squeezed[3] - squeezed[0], kMinimumRowWidth, 1e-9);
  // Cells too narrow for the 5 mm rule keep their edge.
  tracks = {{0, 0, 1}};
  const int32_t steps = editor.undoHistory().UndoPos();
  editor.SetTableTrack(squeezed[0] + 1);
  EXPECT_EQ(editor.undoHistory().UndoPos(), steps);
  for (size_t i = 0; i < 3; ++i) EXPECT_GT(lines()[i].CellWidthWeight, 0);
}

TEST_F(TableTest, DamagedWeightsCountAsOneAndRelativeRowsWrapWhereTheyArePainted) {
  editor.inserttableXY(2, 1);
  TLineRec& first = editor.doc().Fields[0].Lines[0];
  first.CellWidthWeight = -3;
  first.RowRight = kRelativeRowRight + 80;  // an imported row 80 mm wide
  editor.doc().Fields[0].Lines[1].RowRight = kRelativeRowRight + 80;
  const std::vector<double> edges = tableRowEdges(editor.doc(), 0, 0);
  EXPECT_NEAR(edges[1] - edges[0], 40, 1e-9);
  EXPECT_NEAR(edges[2] - edges[0], 80, 1e-9);
  caretTo(0);
  type("Wo");
  // The letters fit the 35 mm a 40 mm cell leaves between its indents; a
  // cell wrapped at the raw insets would put each on a line of its own.
  EXPECT_EQ(lines()[0].CharCount(), 2);
  EXPECT_EQ(lines().size(), 3u);
  EXPECT_EQ(lines()[0].RowCells, 2);
}

TEST_F(TableTest, SavedAndReopenedTablesKeepEveryField) {
  editor.inserttableXY(3, 2);
  TLineRec& cell = editor.doc().Fields[0].Lines[4];
  cell.CellWidthWeight = 1.75;
  cell.RowLeft = 3.5;
  cell.RowRight = 7.25;
  cell.CellDesign.BorderPresent = {0, 1, 0, 1};
  cell.CellDesign.BackColor = 0x123456;
  cell.CellDesign.BackTransparent = 0;
  const std::vector<uint8_t> bytes = encodeLpx(editor.doc());
  Document reopened;
  ASSERT_TRUE(decodeLpx(bytes.data(), bytes.size(), reopened));
  for (size_t i = 0; i < lines().size(); ++i) {
    const TLineRec& a = lines()[i];
    const TLineRec& b = std::as_const(reopened).Fields[0].Lines[i];
    EXPECT_EQ(std::tie(a.InTable, a.RowCells, a.CellIndex, a.CellFirstLine, a.CellLastLine, a.CellWidthWeight, a.RowLeft, a.RowRight),
              std::tie(b.InTable, b.RowCells, b.CellIndex, b.CellFirstLine, b.CellLastLine, b.CellWidthWeight, b.RowLeft, b.RowRight));
    EXPECT_EQ(a.CellDesign, b.CellDesign);
  }
}

}  // namespace
}  // namespace vendaro
