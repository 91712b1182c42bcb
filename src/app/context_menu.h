// context_menu.h — the editor's pop-up menu (right mouse button): for a
// misspelt word at the caret its suggestions, "Wort ignorieren" and "Wort
// lernen" on top, then the main window's editing commands.
#pragma once

class QMenu;
class QPoint;
class QWidget;

namespace vendaro {

class Editor;
class MainWindow;

void fillEditorContextMenu(QMenu& menu, MainWindow& main, Editor& editor);
void showEditorContextMenu(MainWindow& main, Editor& editor, QWidget* parent, const QPoint& globalPos);

}  // namespace vendaro
