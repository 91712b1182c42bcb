// table_commands.cpp — the commands of the table menu that change a table's
// shape: insert a table, insert and append rows and columns, delete cells,
// rows and columns, split a table and even out its column widths. Each is
// one undo step; a command that would change nothing takes none.
#include <algorithm>
#include <iterator>
#include <set>
#include <vector>

#include "document/caret_moves.h"
#include "document/selection.h"
#include "editing/editor.h"
#include "editing/line_breaks.h"
#include "layout/layout_run.h"
#include "layout/table_model.h"

namespace vendaro {
namespace {

constexpr int32_t kMaxTableColumns = 100;
constexpr int32_t kMaxTableRows = 10000;
constexpr int32_t kMaxInsertedColumns = 10000;
constexpr double kCellIndent = 2.5;  // mm of text distance from the cell's sides

// The lines of `rows` new rows of `cells` cells each, every cell copying
// the formats of the cell with its index in `models` (one line per cell).
std::vector<TLineRec> newRows(const std::vector<const TLineRec*>& models, int32_t rows) {
  const auto cells = static_cast<int32_t>(models.size());
  std::vector<TLineRec> added;
  added.reserve(static_cast<size_t>(rows) * models.size());
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < cells; ++c) {
      TLineRec line = newCellLine(*models[static_cast<size_t>(c)], cells, c);
      line.LineEnd = kLineEndParagraph;
      line.CellFirstLine = line.CellLastLine = 1;
      added.push_back(std::move(line));
    }
  }
  return added;
}

std::vector<const TLineRec*> groupLines(const Document& doc, const TableGroup& group) {
  const LineList& lines = doc.Fields[static_cast<size_t>(group.field)].Lines;
  std::vector<const TLineRec*> models;
  for (int32_t k = 0; k < group.cells; ++k) models.push_back(&lines[static_cast<size_t>(group.line + k)]);
  return models;
}

void insertLines(Document& doc, const TextPos& at, std::vector<TLineRec>&& added) {
  LineList& lines = doc.Fields[static_cast<size_t>(at.field)].Lines;
  lines.insert(lines.begin() + at.line, std::make_move_iterator(added.begin()), std::make_move_iterator(added.end()));
}

// An ordinary empty paragraph line with the section settings of `model`.
TLineRec plainLineLike(const TLineRec& model) {
  TLineRec line;
  line.LineEnd = kLineEndParagraph;
  line.ColumnCount = model.ColumnCount;
  line.ColumnLines = model.ColumnLines;
  line.ColumnGap = model.ColumnGap;
  line.Dirty = 1;
  return line;
}

// The records of the cell columns of `lines`: in every group of their rows
// (cells), the whole groups (rows), or in every group of the table
// (columns); each once, last first.
std::vector<TableGroup> recordsToDelete(const Document& doc, const std::vector<TextPos>& lines, int32_t mode) {
  std::vector<TableGroup> records;
  if (mode == 2) {
    std::set<int32_t> columns;
    for (const TextPos& p : lines) columns.insert(lineAt(doc, p)->CellIndex);
    for (const TableGroup& g : tableGroups(doc, lines.front()))
      for (const int32_t c : columns)
        if (c >= 0 && c < g.cells) records.push_back({g.field, g.line + c, 1});
  } else if (mode == 1) {
    for (const TableGroup& g : rowGroupsOf(doc, lines))
      for (int32_t k = 0; k < g.cells; ++k) records.push_back({g.field, g.line + k, 1});
  } else {
    for (const TextPos& p : lines) {
      const int32_t c = lineAt(doc, p)->CellIndex;
      for (const TableGroup& g : rowGroups(doc, p))
        if (c >= 0 && c < g.cells) records.push_back({g.field, g.line + c, 1});
    }
  }
  const ChainOrder order(doc, lines.front().field);
  const auto key = [&](const TableGroup& g) { return order.key(g.field, g.line); };
  std::sort(records.begin(), records.end(), [&](const TableGroup& a, const TableGroup& b) { return key(a) < key(b); });
  records.erase(std::unique(records.begin(), records.end()), records.end());
  return records;
}

// Removes the record at `index` from its group: the others lose a cell and
// those right of it move one to the left.
void removeCellRecord(LineGapBuffer& lines, size_t index) {
  const RowGroup group = rowGroupOf(lines, index);
  for (size_t k = 0; k < group.count; ++k) {
    const size_t at = group.start + k;
    if (at == index) continue;
    TLineRec& cell = lines.edit(at);
    cell.RowCells = std::max(cell.RowCells - 1, 1);
    if (at > index) --cell.CellIndex;
    cell.Dirty = 1;
  }
  lines.erase(index);
  // The last record of a row gone, the lines above and below it meet: a
  // paragraph the row interrupted is wrapped again as one.
  if (group.count == 1 && index > 0) lines.set(index - 1, &TLineRec::Dirty, 1);
}

}  // namespace

bool Editor::tableCellAtCaret(bool withMessage) {
  if (inTableAt(doc_, caretPos(doc_))) return true;
  if (withMessage) host_.showMessage("Es ist keine Tabellenzelle ausgewählt!", MessageIcon::error);
  return false;
}

void Editor::finishTableCommand(const TextPos& caret) {
  setCaret(doc_, caret);
  setAnchor(doc_, caret);
  OvertakeFont();
  RefreshDirtyContent();
}

void Editor::inserttable() {
  if (!formattingAllowed() || inTableAt(doc_, caretPos(doc_))) return;
  InsertTableDialog dialog;
  if (!host_.showInsertTableDialog(dialog)) return;
  inserttableXY(dialog.columns, dialog.rows);
}

void Editor::inserttableXY(int32_t cols, int32_t rows) {
  TextPos caret = caretPos(doc_);
  if (!lineAt(doc_, caret) || inTableAt(doc_, caret)) return;
  cols = std::clamp(cols, 1, kMaxTableColumns);
  rows = std::clamp(rows, 1, kMaxTableRows);
  MakeCopyForUndo("Tabelle einfügen");
  TLineRec model = lineSettingsOf(*lineAt(doc_, caret));
  model.Para.LeftIndent = model.Para.RightIndent = kCellIndent;
  model.RowLeft = model.RowRight = 0;
  model.CellWidthWeight = 1.0;
  model.CellDesign = TCellDesign{};
  // The paragraph is split at the caret; the table goes between its halves.
  doc_.CaretAtLineEnd = 0;
  splitLineAt(doc_, caret, kLineEndParagraph);
  std::vector<TLineRec> added = newRows(std::vector<const TLineRec*>(static_cast<size_t>(cols), &model), rows);
  for (TLineRec& line : added) line.LineEnd = kLineEndSoft;
  LineList& lines = doc_.Fields[static_cast<size_t>(caret.field)].Lines;
  TextPos at{caret.field, caret.line + 1, 0};
  if (lines[static_cast<size_t>(caret.line)].Chars.empty()) {
    at.line = caret.line;
    lines.erase(lines.begin() + caret.line);
    // The line above now stands before the table and is wrapped again: a
    // word it was hyphenated in may have run on into the erased line.
    if (caret.line > 0) lines[static_cast<size_t>(caret.line - 1)].Dirty = 1;
  }
  insertLines(doc_, at, std::move(added));
  caret.cell = std::min(caret.cell, lines[static_cast<size_t>(caret.line)].CharCount());
  finishTableCommand(caret);
}

void Editor::insertTableLines() {
  if (!tableCellAtCaret(true)) return;
  InsertTableRowsDialog dialog;
  if (!host_.showInsertTableLinesDialog(dialog)) return;
  const int32_t count = std::clamp(dialog.count, 1, kMaxTableRows);
  // Rows go before or after the whole row, never between its visual lines.
  const std::vector<TableGroup> row = rowGroups(doc_, caretPos(doc_));
  const TableGroup& model = dialog.after ? row.back() : row.front();
  const TextPos at{model.field, dialog.after ? model.line + model.cells : model.line, 0};
  std::vector<TLineRec> added = newRows(groupLines(doc_, model), count);
  MakeCopyForUndo("Tabellenzeilen einfügen");
  insertLines(doc_, at, std::move(added));
  finishTableCommand(at);
}

void Editor::AddTableLines() {
  if (!tableCellAtCaret(true)) return;
  const TableGroup last = tableGroups(doc_, caretPos(doc_)).back();
  TextPos at = last.pos();
  // A table that ends the text flow gets no row appended.
  if (!stepLines(doc_, at, last.cells)) return;
  std::vector<TLineRec> added = newRows(groupLines(doc_, last), 1);
  MakeCopyForUndo("Tabellenzeile anhängen");
  insertLines(doc_, at, std::move(added));
  finishTableCommand(at);
}

void Editor::InsertTableCols(bool append) {
  if (!inTableAt(doc_, caretPos(doc_))) return;
  InsertTableRowsDialog dialog;
  if (!append && !host_.showInsertTableColsDialog(dialog)) return;
  const int32_t count = append ? 1 : std::clamp(dialog.count, 1, kMaxInsertedColumns);
  const bool after = append || dialog.after;
  const int32_t position = lineAt(doc_, caretPos(doc_))->CellIndex + (dialog.after ? 1 : 0);
  const std::vector<TableGroup> groups =
      isThereAmarking(doc_) ? rowGroupsOf(doc_, selectedTableLines(doc_)) : tableGroups(doc_, caretPos(doc_));
  // A row stops growing at the largest table the insert dialog offers.
  const bool anyRoom = std::any_of(groups.begin(), groups.end(), [](const TableGroup& g) { return g.cells < kMaxTableColumns; });
  if (!anyRoom) return;
  MakeCopyForUndo("Tabellenspalten einfügen");
  TextPos caret = caretPos(doc_);
  editGroupsBackwards(doc_, groups, [&](LineGapBuffer& lines, const TableGroup& g) {
    const int32_t m = g.cells;
    const int32_t added = std::min(count, kMaxTableColumns - m);
    if (added <= 0) return;
    const int32_t at = append ? m : std::min(position, m);
    const int32_t neighbour = std::clamp(after ? at - 1 : at, 0, m - 1);
    TLineRec line = newCellLine(lines[static_cast<size_t>(g.line + neighbour)], m + added, 0);
    const TLineRec& model = lines[static_cast<size_t>(g.line + neighbour)];
    line.CellFirstLine = model.CellFirstLine;
    line.CellLastLine = model.CellLastLine;
    line.LineEnd = line.CellFirstLine ? kLineEndParagraph : kLineEndSoft;
    for (int32_t j = 0; j < added; ++j) lines.insert(static_cast<size_t>(g.line + at), line);
    for (int32_t k = 0; k < m + added; ++k) {
      TLineRec& cell = lines.edit(static_cast<size_t>(g.line + k));
      cell.RowCells = m + added;
      cell.CellIndex = k;
      cell.Dirty = 1;
    }
    applyShift(caret, {g.field, g.line + at, added});
  });
  caret.cell = 0;
  finishTableCommand(caret);
}

void Editor::DeleteTableCells(int32_t mode) {
  if (!inTableAt(doc_, caretPos(doc_)) || mode < 0 || mode > 2) return;
  const std::vector<TextPos> lines = selectedTableLines(doc_);
  if (lines.empty()) return;
  const std::vector<TableGroup> records = recordsToDelete(doc_, lines, mode);
  if (records.empty()) return;
  MakeCopyForUndo("Tabellenzellen löschen");
  const TLineRec lastRemoved = lineSettingsOf(*lineAt(doc_, records.front().pos()));
  std::set<int32_t> frames;
  editGroupsBackwards(doc_, records, [&](LineGapBuffer& buffer, const TableGroup& record) {
    removeCellRecord(buffer, static_cast<size_t>(record.line));
    frames.insert(record.field);
  });
  // A frame always keeps a line for the caret.
  for (const int32_t f : frames) {
    LineList& frameLines = doc_.Fields[static_cast<size_t>(f)].Lines;
    if (frameLines.empty()) frameLines.push_back(plainLineLike(lastRemoved));
  }
  TextPos caret = records.front().pos();
  GoToLine(doc_, caret.field, caret.line);
  if (!lineAt(doc_, caret)) {
    caret = records.front().pos();
    caret.line = doc_.Fields[static_cast<size_t>(caret.field)].LineCount() - 1;
  }
  finishTableCommand(caret);
}

void Editor::TabelleTeilen() {
  if (!tableCellAtCaret(true)) return;
  // The split goes above the whole row of the caret.
  const TableGroup first = rowGroups(doc_, caretPos(doc_)).front();
  MakeCopyForUndo("Tabelle teilen");
  LineList& lines = doc_.Fields[static_cast<size_t>(first.field)].Lines;
  const TLineRec line = plainLineLike(lines[static_cast<size_t>(first.line)]);
  lines.insert(lines.begin() + first.line, line);
  finishTableCommand(first.pos());
}

void Editor::VerteileTableCols() {
  if (!inTableAt(doc_, caretPos(doc_))) return;
  const std::vector<TableGroup> groups =
      isThereAmarking(doc_) ? rowGroupsOf(doc_, selectedTableLines(doc_)) : tableGroups(doc_, caretPos(doc_));
  const auto uneven = [&](const TableGroup& g) {
    const LineList& lines = std::as_const(doc_).Fields[static_cast<size_t>(g.field)].Lines;
    for (int32_t k = 0; k < g.cells; ++k)
      if (lines[static_cast<size_t>(g.line + k)].CellWidthWeight != 1.0) return true;
    return false;
  };
  if (!std::any_of(groups.begin(), groups.end(), uneven)) return;
  MakeCopyForUndo("Breite der Tabellenspalten");
  for (const TableGroup& g : groups) {
    if (!uneven(g)) continue;
    LineList& lines = doc_.Fields[static_cast<size_t>(g.field)].Lines;
    for (int32_t k = 0; k < g.cells; ++k) {
      TLineRec& cell = lines[static_cast<size_t>(g.line + k)];
      cell.CellWidthWeight = 1.0;
      cell.Dirty = 1;
    }
  }
  RefreshDirtyContent();
}

}  // namespace vendaro
