// main_menus.h — the main window's menu bar: Datei, Bearbeiten, Ansicht,
// Einfügen, Format, Extras, Tabelle, Fenster and Hilfe with their shortcuts,
// the recent files at the end of the File menu, and the captions, check
// marks and enabled states computed as a menu opens.
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>
#include <vector>

#include "app/command_registry.h"

class QAction;
class QMenu;

namespace vendaro {

class Editor;
class MainWindow;

// The objects drawn with the mouse, as the insert menu and the drawing tool
// bar offer them, with the editor's insert mode of each.
struct InsertModeEntry {
  const char* menuCaption;
  const char* tip;
  int32_t mode;
};
inline constexpr InsertModeEntry kInsertModes[] = {
    {"Gr&afikfeld...", "Grafikfeld", 7},          {"Te&xtfeld", "Textfeld", 1},
    {"&Rechteck", "Rechteck", 2},                 {"Elli&pse", "Ellipse", 3},
    {"Schräge &Linie", "Schräge Linie", 4},       {"H&orizontale Linie", "Horizontale Linie", 5},
    {"V&ertikale Linie", "Vertikale Linie", 6}};

class MainMenus : public QObject {
  Q_OBJECT

 public:
  explicit MainMenus(MainWindow& main);

  // The File menu opens: enabled states and the recent files.
  void File1Click();
  // The Edit menu opens: the undo and redo captions.
  void Edit1Click();
  // Everything a menu opening computes, for shortcuts and buttons between
  // openings: which menus show (the document menus only with a document),
  // what is enabled, and the check marks.
  void refresh();
  // Every entry and tool button with its need; the tool bars add theirs.
  CommandRegistry& commands() { return commands_; }
  // Runs `command` on the active document's editor, then brings the
  // formatting tool bar in line with what it did.
  void editorCommand(const std::function<void(Editor&)>& command);
  CommandRegistry::Handler editorCommand(void (Editor::*command)());
  // Sets the editor's insert mode: the next drag on the page draws that object.
  CommandRegistry::Handler insertModeCommand(int32_t mode);

  QMenu* fileMenu = nullptr;
  QMenu* editMenu = nullptr;
  QMenu* viewMenu = nullptr;
  QMenu* insertMenu = nullptr;
  QMenu* formatMenu = nullptr;
  QMenu* extrasMenu = nullptr;
  QMenu* tableMenu = nullptr;
  QMenu* windowMenu = nullptr;
  QMenu* helpMenu = nullptr;

  QAction* newAction = nullptr;
  QAction* openAction = nullptr;
  QAction* closeAction = nullptr;
  QAction* saveAction = nullptr;
  QAction* saveAsAction = nullptr;
  QAction* pdfExportAction = nullptr;
  QAction* pageSetupAction = nullptr;
  QAction* pageViewAction = nullptr;
  QAction* printerSetupAction = nullptr;
  QAction* printAction = nullptr;
  QAction* exitAction = nullptr;
  QAction* undoAction = nullptr;
  QAction* redoAction = nullptr;
  QAction* cutAction = nullptr;
  QAction* copyAction = nullptr;
  QAction* pasteAction = nullptr;
  QAction* deleteSelectionAction = nullptr;
  QAction* selectAllAction = nullptr;
  QAction* searchAction = nullptr;
  QAction* replaceAction = nullptr;
  QAction* goToAction = nullptr;
  QAction* pageWidthAction = nullptr;
  QAction* wholePageAction = nullptr;
  QAction* zoom100Action = nullptr;
  QAction* zoomAction = nullptr;
  QAction* toolbarActions[4] = {};  // Formatleiste, Standartleiste, Zeichnenleiste, Format erweitert
  QAction* rulerAction = nullptr;
  QAction* statusBarAction = nullptr;
  QAction* specialCharacterAction = nullptr;
  QAction* objectFrontAction = nullptr;
  QAction* objectBackAction = nullptr;
  QAction* linkTextBoxAction = nullptr;
  QAction* characterAction = nullptr;
  QAction* paragraphAction = nullptr;
  QAction* numberingAction = nullptr;
  QAction* columnsAction = nullptr;
  QAction* tabStopsAction = nullptr;
  QMenu* stylesMenu = nullptr;
  QAction* newParagraphStyleAction = nullptr;
  QAction* newCharacterStyleAction = nullptr;
  QAction* manageStylesAction = nullptr;
  QAction* frameFormatAction = nullptr;
  QAction* pictureFormatAction = nullptr;
  QAction* optionsAction = nullptr;
  QAction* spellWholeAction = nullptr;
  QAction* spellFromCaretAction = nullptr;
  QAction* userDictionaryAction = nullptr;
  QAction* checkWhileTypingAction = nullptr;
  QAction* germanAction = nullptr;
  QAction* englishAction = nullptr;
  QAction* hyphenateAction = nullptr;
  QAction* insertRowsAction = nullptr;
  QAction* insertColumnsAction = nullptr;
  QAction* deleteCellsAction = nullptr;
  QAction* deleteRowsAction = nullptr;
  QAction* deleteColumnsAction = nullptr;
  QAction* formatCellsAction = nullptr;
  QAction* gridLinesAction = nullptr;
  QAction* helpContentsAction = nullptr;
  QAction* aboutAction = nullptr;
  // Separator and entries of the recent files, rebuilt as the menu opens.
  std::vector<QAction*> recentActions;

 private:
  void buildFileMenu();
  void buildEditMenu();
  void buildViewMenu();
  void buildInsertMenu();
  void buildFormatMenu();
  void buildExtrasMenu();
  void buildTableMenu();
  void buildWindowMenu();
  void buildHelpMenu();
  // A check entry that runs `handler`; its mark is set by refresh.
  QAction* checkEntry(QMenu* menu, const char* caption, CommandNeed need, CommandRegistry::Handler handler);
  // Sends a key to the active document's keyboard handler.
  void sendKey(int key, unsigned shift);
  void showCheckMarks();
  void rebuildRecentFiles();
  // Whether the clipboard holds something to paste, as last asked.
  void askClipboard();

  // Until asked, pasting is offered: with nothing to paste it does nothing.
  bool clipboardOffersData_ = true;

  MainWindow& main_;
  CommandRegistry commands_;
};

}  // namespace vendaro
