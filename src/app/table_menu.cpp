#include "app/table_menu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/editor_window.h"
#include "app/main_window.h"
#include "document/caret_moves.h"
#include "editing/editor.h"

namespace vendaro {

template <typename Command>
QAction* TableMenu::addCommand(const char* caption, Command command) {
  return menu->addAction(QString::fromUtf8(caption), this, [this, command] {
    ShellDocument* document = main_.activeDocument();
    if (!document) return;
    command(document->editor());
    if (main_.activeDocument() == document) document->editor().SmallOvertakeFont();
  });
}

TableMenu::TableMenu(MainWindow& main) : QObject(&main), main_(main) {
  menu = new QMenu(QStringLiteral("Tabe&lle"), &main);
  insertTableAction = addCommand("&Tabelle einfügen...", [](Editor& e) { e.inserttable(); });
  menu->addSeparator();
  insertRowsAction = addCommand("Zeilen e&infügen...", [](Editor& e) { e.insertTableLines(); });
  appendRowAction = addCommand("Zeile &anhängen", [](Editor& e) { e.AddTableLines(); });
  insertColumnsAction = addCommand("Spalten ein&fügen...", [](Editor& e) { e.InsertTableCols(false); });
  appendColumnAction = addCommand("Spalte a&nhängen", [](Editor& e) { e.InsertTableCols(true); });
  menu->addSeparator();
  deleteCellsAction = addCommand("Zellen &löschen", [](Editor& e) { e.DeleteTableCells(0); });
  deleteRowsAction = addCommand("Zeilen lösc&hen", [](Editor& e) { e.DeleteTableCells(1); });
  deleteColumnsAction = addCommand("Spalten lö&schen", [](Editor& e) { e.DeleteTableCells(2); });
  menu->addSeparator();
  splitAction = addCommand("Tabelle &teilen", [](Editor& e) { e.TabelleTeilen(); });
  formatCellsAction = addCommand("Zellen &formatieren...", [](Editor& e) { e.Zellenformatieren(); });
  distributeAction = addCommand("Spalten gleichmäßig &verteilen", [](Editor& e) { e.VerteileTableCols(); });
  menu->addSeparator();
  gridLinesAction = menu->addAction(QStringLiteral("&Gitternetzlinien"), this, &TableMenu::Gitternetzlinien1Click);
  gridLinesAction->setCheckable(true);
  gridLinesAction->setChecked(true);
  connect(menu, &QMenu::aboutToShow, this, &TableMenu::Tabelle1Click);
}

void TableMenu::Tabelle1Click() {
  ShellDocument* document = main_.activeDocument();
  bool inText = false, inTable = false;
  if (document) {
    Editor& editor = document->editor();
    const Document& doc = editor.doc();
    inText = doc.CurField >= 0 && doc.CurField < doc.FieldCount() &&
             doc.Fields[static_cast<size_t>(doc.CurField)].FieldType <= kFieldTextBox;
    const TLineRec* line = lineAt(doc, caretPos(doc));
    inTable = inText && line && line->InTable;
    editor.viewOptions().GridLines = gridLinesAction->isChecked();
  }
  insertTableAction->setEnabled(inText && !inTable);
  for (QAction* action : {insertRowsAction, appendRowAction, insertColumnsAction, appendColumnAction, deleteCellsAction,
                          deleteRowsAction, deleteColumnsAction, splitAction, formatCellsAction, distributeAction})
    action->setEnabled(inTable);
  gridLinesAction->setEnabled(document != nullptr);
}

void TableMenu::Gitternetzlinien1Click() {
  for (EditorWindow* window : main_.editorWindows()) {
    Editor* editor = window->editor();
    if (!editor) continue;
    editor->viewOptions().GridLines = gridLinesAction->isChecked();
    editor->host().requestRepaint();
  }
}

void TableMenu::addContextEntries(QMenu& target) {
  Tabelle1Click();
  target.addAction(formatCellsAction);
  target.addSeparator();
  target.addAction(insertRowsAction);
  target.addAction(insertColumnsAction);
  target.addSeparator();
  target.addAction(deleteCellsAction);
  target.addAction(deleteRowsAction);
  target.addAction(deleteColumnsAction);
}

}  // namespace vendaro
