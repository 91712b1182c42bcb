// main_menus.h — the main window's menu bar: Datei, Bearbeiten, Ansicht,
// Einfügen, Format, Extras and Fenster with their shortcuts, the recent files at the
// end of the File menu, and the captions and enabled states computed as a
// menu opens.
#pragma once

#include <QObject>

#include <vector>

class QAction;
class QMenu;

namespace vendaro {

class MainWindow;
class TableMenu;

class MainMenus : public QObject {
  Q_OBJECT

 public:
  explicit MainMenus(MainWindow& main);

  // The File menu opens: enabled states and the recent files.
  void File1Click();
  // The Edit menu opens: the undo and redo captions.
  void Edit1Click();
  // The Insert and Format menus open: text formatting needs the caret in text.
  void Format1Click();
  // Everything a menu opening computes, for shortcuts between openings,
  // and which menus show: Bearbeiten and Extras only with a document.
  void refresh();

  QMenu* fileMenu = nullptr;
  QMenu* editMenu = nullptr;
  QMenu* viewMenu = nullptr;
  QMenu* insertMenu = nullptr;
  QMenu* formatMenu = nullptr;
  QMenu* extrasMenu = nullptr;
  QMenu* windowMenu = nullptr;
  TableMenu* tableMenu = nullptr;  // "Tabe&lle", built in table_menu.cpp

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
  QAction* deleteSelectionAction = nullptr;
  QAction* selectAllAction = nullptr;
  QAction* searchAction = nullptr;
  QAction* replaceAction = nullptr;
  QAction* goToAction = nullptr;
  QAction* rulerAction = nullptr;
  QAction* specialCharacterAction = nullptr;
  QAction* characterAction = nullptr;
  QAction* paragraphAction = nullptr;
  QAction* numberingAction = nullptr;
  QAction* columnsAction = nullptr;
  QAction* tabStopsAction = nullptr;
  QMenu* stylesMenu = nullptr;
  QAction* newParagraphStyleAction = nullptr;
  QAction* newCharacterStyleAction = nullptr;
  QAction* manageStylesAction = nullptr;
  QAction* optionsAction = nullptr;
  QAction* spellWholeAction = nullptr;
  QAction* spellFromCaretAction = nullptr;
  QAction* userDictionaryAction = nullptr;
  QAction* checkWhileTypingAction = nullptr;
  // Separator and entries of the recent files, rebuilt as the menu opens.
  std::vector<QAction*> recentActions;

 private:
  void buildFileMenu();
  void buildEditMenu();
  void buildViewMenu();
  void buildInsertMenu();
  void buildFormatMenu();
  void buildExtrasMenu();
  void buildWindowMenu();
  // Sends a key to the active document's keyboard handler.
  void sendKey(int key, unsigned shift);
  // Runs `command` on the active document's editor, then brings the
  // formatting tool bar in line with what it did.
  template <typename Command>
  void formatCommand(const Command& command);

  MainWindow& main_;
};

}  // namespace vendaro
