// Random table commands, typing and layout on generated documents keep a
// table well formed: rows of whole groups numbered 0 … n − 1, first and last
// row lines consistent, one row width per group, positive weights, and text
// wrapped at the cell edges painting draws. A random command undone gives
// the document back exactly.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "layout/document_generator.h"
#include "layout/layout_run.h"
#include "layout/line_geometry.h"
#include "layout/table_tracks.h"
#include "shell/document_dump.h"
#include "support/property_seeds.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

using test::Generator;

// The first line where two dumps differ, empty when they are equal.
std::string firstDifference(const std::string& got, const std::string& wanted) {
  size_t at = 0;
  while (at < got.size() && at < wanted.size() && got[at] == wanted[at]) ++at;
  if (at == got.size() && at == wanted.size()) return "";
  const size_t start = got.rfind('\n', at) == std::string::npos ? 0 : got.rfind('\n', at) + 1;
  return got.substr(start, got.find('\n', at) - start) + " / wanted: " + wanted.substr(start, wanted.find('\n', at) - start);
}

std::string describe(size_t line, const char* what) { return "line " + std::to_string(line) + ": " + what; }

void expectWellFormedTables(const Document& doc) {
  const LineList& lines = doc.Fields[0].Lines;
  for (size_t i = 0; i < lines.size(); ++i) {
    const TLineRec& line = lines[i];
    if (!line.InTable) continue;
    ASSERT_TRUE(std::isfinite(line.CellWidthWeight) && line.CellWidthWeight > 0) << describe(i, "weight");
    ASSERT_EQ(rowGroupOf(lines, i).count, static_cast<size_t>(line.RowCells)) << describe(i, "group");
    if (line.CellIndex != 0) continue;
    for (int32_t k = 1; k < line.RowCells; ++k) {
      const TLineRec& cell = lines[i + static_cast<size_t>(k)];
      EXPECT_EQ(cell.CellFirstLine, line.CellFirstLine) << describe(i, "first line");
      EXPECT_EQ(cell.CellLastLine, line.CellLastLine) << describe(i, "last line");
      EXPECT_EQ(cell.RowLeft, line.RowLeft) << describe(i, "row left");
      EXPECT_EQ(cell.RowRight, line.RowRight) << describe(i, "row right");
    }
    // A row goes on until a group that ends it, and starts with one that starts it.
    const size_t next = i + static_cast<size_t>(line.RowCells);
    if (!line.CellLastLine) {
      ASSERT_LT(next, lines.size()) << describe(i, "open row at the end");
      EXPECT_TRUE(lines[next].InTable && !lines[next].CellFirstLine) << describe(i, "row continues");
    }
    if (!line.CellFirstLine) {
      ASSERT_GT(i, 0u) << describe(i, "row without start");
      EXPECT_TRUE(lines[i - 1].InTable && !lines[i - 1].CellLastLine) << describe(i, "row started above");
    }
  }
}

// Every cell but the first and spaces ends inside the box painting gives
// the line, so layout wrapped at the painted edges.
void expectTextInsidePaintedCells(const Document& doc) {
  const FrameGeometry geometry = frameGeometry(doc, 0);
  const LineList& lines = doc.Fields[0].Lines;
  for (const LineGeometry& g : geometry.lines) {
    const TLineRec& line = lines[static_cast<size_t>(g.line)];
    if (!line.InTable) continue;
    for (size_t c = 1; c < line.Chars.size(); ++c) {
      if (line.Chars[c].Ch == ' ') continue;
      EXPECT_LE(g.cellRight(c) - g.alignOffset, g.boxRight - line.Para.RightIndent + 1e-6) << describe(static_cast<size_t>(g.line), "overflows");
    }
  }
}

class TableSession {
 public:
  explicit TableSession(unsigned seed) : g(seed) {
    editor.FormCreate();
    LineList& body = editor.doc().Fields[0].Lines;
    body.clear();
    g.paragraphs(body, g.between(2, 6));
    for (int rows = g.between(0, 2); rows > 0; --rows) g.tableRow(body);
    g.paragraphs(body, g.between(1, 3));
    editor.CompleteRefresh();
    host.insertTableLines = host.insertTableCols = [this](InsertTableRowsDialog& d) {
      d.count = g.between(1, 3);
      d.after = g.chance(50);
      return true;
    };
    host.tableCell = [this](TTableCellForm& form) {
      form.lineColor = g.between(0, 0xFFFFFF);
      switch (g.between(0, 4)) {
        case 0: form.presetOhne(); break;
        case 1: form.presetKasten(); break;
        case 2: form.presetGitternetz(); break;
        case 3: form.toggle(g.between(0, kBorderSlots - 1)); break;
        default: form.setBackColor(g.between(0, 0xFFFFFF)); break;
      }
      return true;
    };
  }

  void placeCaret() {
    const LineList& lines = std::as_const(editor).doc().Fields[0].Lines;
    std::vector<int32_t> tableLines;
    for (size_t i = 0; i < lines.size(); ++i)
      if (lines[i].InTable) tableLines.push_back(static_cast<int32_t>(i));
    const auto anyLine = [&] { return g.between(0, static_cast<int>(lines.size()) - 1); };
    const int32_t line = !tableLines.empty() && g.chance(70) ? tableLines[static_cast<size_t>(g.between(0, static_cast<int>(tableLines.size()) - 1))] : anyLine();
    const TextPos caret{0, line, g.between(0, lines[static_cast<size_t>(line)].CharCount())};
    setCaret(editor.doc(), caret);
    setAnchor(editor.doc(), caret);
    if (g.chance(30)) {
      const int32_t other = std::clamp(line + g.between(-6, 6), 0, static_cast<int32_t>(lines.size()) - 1);
      setAnchor(editor.doc(), {0, other, 0});
    }
  }

  void dragAnEdge() {
    const TextPos caret = caretPos(editor.doc());
    if (!lineAt(editor.doc(), caret)->InTable) return;
    const int32_t side = g.between(0, 1);
    const double edge = tableEdgeMm(editor.doc(), caret.field, caret.line, side);
    FindAllTableTracks(editor.doc(), nullptr, editor.paintState().sideLists, caret.field, caret.line, side, edge);
    editor.SetTableTrack(edge + g.length(-60, 60));
  }

  void randomCommand() {
    switch (g.between(0, 12)) {
      case 0: editor.inserttableXY(g.between(1, 5), g.between(1, 4)); break;
      case 1: editor.insertTableLines(); break;
      case 2: editor.AddTableLines(); break;
      case 3: editor.InsertTableCols(g.chance(50)); break;
      case 4: editor.DeleteTableCells(g.between(0, 2)); break;
      case 5: editor.TabelleTeilen(); break;
      case 6: editor.VerteileTableCols(); break;
      case 7: editor.Zellenformatieren(); break;
      case 8: dragAnEdge(); break;
      case 9: editor.getkeysKeyDown(kKeyEnter, 0); break;
      case 10: editor.getkeysKeyDown(kKeyBackspace, 0); break;
      default:
        for (int n = g.between(1, 30); n > 0; --n) editor.getkeysKeyPress(static_cast<uint8_t>("ab c\t-"[g.between(0, 5)]));
        break;
    }
  }

  test::RecordingHost host;
  Editor editor{host};
  Generator g;
};

TEST(TableProperties, CommandsTypingAndLayoutKeepTablesWellFormed) {
  const unsigned commands = test::propertySteps(12);
  for (unsigned seed = 0; seed < test::propertySeeds(100); ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    TableSession session(seed);
    for (unsigned step = 0; step < commands; ++step) {
      session.placeCaret();
      const Document before = session.editor.doc();
      const int32_t steps = session.editor.undoHistory().UndoPos();
      session.randomCommand();
      expectWellFormedTables(session.editor.doc());
      expectTextInsidePaintedCells(session.editor.doc());
      const Document& doc = session.editor.doc();
      ASSERT_NE(lineAt(doc, caretPos(doc)), nullptr);
      if (::testing::Test::HasFailure()) return;
      // Now and then the command is taken back and must leave no trace.
      if (step % 4 == 3 && session.editor.undoHistory().UndoPos() == steps + 1) {
        session.editor.RestoreCopyFromUndo(0);
        // The font table (it only grows) and the caret's side of a soft line
        // end are no part of an undo step.
        Document wanted = before;
        wanted.Fonts = session.editor.doc().Fonts;
        wanted.CaretAtLineEnd = session.editor.doc().CaretAtLineEnd;
        EXPECT_EQ(firstDifference(dumpDocumentJson(session.editor.doc()), dumpDocumentJson(wanted)), "");
        session.editor.RestoreBeforeRestoreCopyFromUndo(0);
      }
    }
  }
}

}  // namespace
}  // namespace vendaro
