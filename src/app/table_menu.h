// table_menu.h — the "Tabe&lle" menu of the main window and the table
// entries of the editor's context menu, enabled as the menu opens: inserting
// a table needs the caret in text outside a table, every other entry the
// caret in a table cell.
#pragma once

#include <QObject>

class QAction;
class QMenu;

namespace vendaro {

class Editor;
class MainWindow;

class TableMenu : public QObject {
  Q_OBJECT

 public:
  // Adds the menu to the main window's menu bar.
  explicit TableMenu(MainWindow& main);

  // The menu opens: entries enabled for the active document's caret.
  void Tabelle1Click();
  // "Zellen &formatieren...", "Zeilen e&infügen...", "Spalten ein&fügen..."
  // and the three delete entries, in the context menu's order.
  void addContextEntries(QMenu& menu);

  QMenu* menu = nullptr;
  QAction* insertTableAction = nullptr;
  QAction* insertRowsAction = nullptr;
  QAction* appendRowAction = nullptr;
  QAction* insertColumnsAction = nullptr;
  QAction* appendColumnAction = nullptr;
  QAction* deleteCellsAction = nullptr;
  QAction* deleteRowsAction = nullptr;
  QAction* deleteColumnsAction = nullptr;
  QAction* splitAction = nullptr;
  QAction* formatCellsAction = nullptr;
  QAction* distributeAction = nullptr;
  QAction* gridLinesAction = nullptr;

 private:
  template <typename Command>
  QAction* addCommand(const char* caption, Command command);
  // Grid lines are shown in every window or in none.
  void Gitternetzlinien1Click();

  MainWindow& main_;
};

}  // namespace vendaro
