#include "app/main_menus.h"

#include <QAction>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>

#include "app/editor_window.h"
#include "app/field_menu_entries.h"
#include "app/main_window.h"
#include "app/mdi_arrangement.h"
#include "editing/editor.h"

namespace vendaro {

MainMenus::MainMenus(MainWindow& main) : QObject(&main), main_(main) {
  buildFileMenu();
  buildEditMenu();
  buildViewMenu();
  buildInsertMenu();
  buildFormatMenu();
  buildExtrasMenu();
  buildWindowMenu();
  addFieldMenuEntries(*this, main_);
  refresh();
}

void MainMenus::buildFileMenu() {
  fileMenu = main_.menuBar()->addMenu(QStringLiteral("&Datei"));
  newAction = fileMenu->addAction(QStringLiteral("&Neu"), &main_, &MainWindow::FileNew1Execute);
  newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
  openAction = fileMenu->addAction(QStringLiteral("Ö&ffnen"), &main_, &MainWindow::FileOpen1Execute);
  openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  closeAction = fileMenu->addAction(QStringLiteral("S&chließen"), this, [this] {
    if (EditorWindow* window = main_.activeEditorWindow()) window->close();
  });
  saveAction = fileMenu->addAction(QStringLiteral("&Speichern"), &main_, &MainWindow::FileSave1Execute);
  saveAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  saveAsAction = fileMenu->addAction(QStringLiteral("Speichern &unter..."), &main_, &MainWindow::FileSaveAs1Execute);
  pdfExportAction = fileMenu->addAction(QStringLiteral("PDF-Export..."), &main_, &MainWindow::PDFExport1Execute);
  fileMenu->addSeparator();
  pageSetupAction = fileMenu->addAction(QStringLiteral("Seite ein&richten..."), &main_, &MainWindow::SeiteeinrichtenM1Click);
  pageViewAction = fileMenu->addAction(QStringLiteral("Seitenansic&ht"), &main_, &MainWindow::SeitenansichtM1Click);
  fileMenu->addSeparator();
  printerSetupAction =
      fileMenu->addAction(QStringLiteral("Drucker einrichten..."), &main_, &MainWindow::Druckereinrichten1Click);
  printAction = fileMenu->addAction(QStringLiteral("&Drucken..."), &main_, &MainWindow::DruckenM1Click);
  printAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
  fileMenu->addSeparator();
  exitAction = fileMenu->addAction(QStringLiteral("&Beenden"), &main_, &QWidget::close);
  exitAction->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
  connect(fileMenu, &QMenu::aboutToShow, this, &MainMenus::File1Click);
}

void MainMenus::buildEditMenu() {
  editMenu = main_.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  undoAction = editMenu->addAction(QStringLiteral("&Rückgängig"), this, [this] {
    if (ShellDocument* document = main_.activeDocument()) document->editor().RestoreCopyFromUndo(0);
  });
  undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redoAction = editMenu->addAction(QStringLiteral("&Wiederholen"), this, [this] {
    if (ShellDocument* document = main_.activeDocument()) document->editor().RestoreBeforeRestoreCopyFromUndo(0);
  });
  redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  editMenu->addSeparator();
  deleteSelectionAction = editMenu->addAction(QStringLiteral("Markierung &löschen"), this,
                                              [this] { sendKey(kKeyDelete, 0); });
  deleteSelectionAction->setShortcut(QKeySequence(Qt::Key_Delete));
  selectAllAction = editMenu->addAction(QStringLiteral("&Alles markieren"), this, [this] { sendKey(kKeyA, kCtrl); });
  selectAllAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  editMenu->addSeparator();
  searchAction = editMenu->addAction(QStringLiteral("&Suchen..."), this,
                                     [this] { formatCommand([](Editor& e) { e.SuchenErsetzen(0); }); });
  searchAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F));
  replaceAction = editMenu->addAction(QStringLiteral("&Ersetzen..."), this,
                                      [this] { formatCommand([](Editor& e) { e.SuchenErsetzen(1); }); });
  replaceAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_H));
  goToAction = editMenu->addAction(QStringLiteral("&Gehe zu..."), this,
                                   [this] { formatCommand([](Editor& e) { e.SuchenErsetzen(2); }); });
  goToAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
  connect(editMenu, &QMenu::aboutToShow, this, &MainMenus::Edit1Click);
}

void MainMenus::buildViewMenu() {
  viewMenu = main_.menuBar()->addMenu(QStringLiteral("&Ansicht"));
  rulerAction = viewMenu->addAction(QStringLiteral("&Lineal"), &main_, &MainWindow::toggleRuler);
  rulerAction->setCheckable(true);
}

void MainMenus::buildInsertMenu() {
  insertMenu = main_.menuBar()->addMenu(QStringLiteral("&Einfügen"));
  specialCharacterAction = insertMenu->addAction(QStringLiteral("&Sonderzeichen..."), this,
                                                 [this] { formatCommand([](Editor& e) { e.SonderzeichenEinfuegen(); }); });
  connect(insertMenu, &QMenu::aboutToShow, this, &MainMenus::Format1Click);
}

void MainMenus::buildFormatMenu() {
  formatMenu = main_.menuBar()->addMenu(QStringLiteral("F&ormat"));
  characterAction = formatMenu->addAction(QStringLiteral("&Zeichen..."), this,
                                          [this] { formatCommand([](Editor& e) { e.zeichenformatieren(); }); });
  paragraphAction = formatMenu->addAction(QStringLiteral("&Absatz..."), this,
                                          [this] { formatCommand([](Editor& e) { e.absatzformatieren(); }); });
  numberingAction = formatMenu->addAction(QStringLiteral("&Nummerierung und Aufzählungen...."), this, [this] {
    formatCommand([](Editor& e) { e.NummerierungundAufzaehlungen(); });
  });
  columnsAction = formatMenu->addAction(QStringLiteral("&Spalten..."), this,
                                        [this] { formatCommand([](Editor& e) { e.spaltenformat(); }); });
  tabStopsAction = formatMenu->addAction(QStringLiteral("&Tabulator..."), this,
                                         [this] { formatCommand([](Editor& e) { e.tabulator(); }); });
  formatMenu->addSeparator();
  stylesMenu = formatMenu->addMenu(QStringLiteral("Format&vorlagen"));
  newParagraphStyleAction = stylesMenu->addAction(QStringLiteral("Neue &Absatzvorlage..."), this, [this] {
    formatCommand([](Editor& e) { e.NeueVorlage(kParagraphStyle); });
  });
  newCharacterStyleAction = stylesMenu->addAction(QStringLiteral("Neue &Zeichenvorlage"), this, [this] {
    formatCommand([](Editor& e) { e.NeueVorlage(kCharacterStyle); });
  });
  manageStylesAction = stylesMenu->addAction(QStringLiteral("&Vorlagen verwalten..."), this,
                                             [this] { formatCommand([](Editor& e) { e.VorlagenVerwalten(); }); });
  connect(formatMenu, &QMenu::aboutToShow, this, &MainMenus::Format1Click);
}

template <typename Command>
void MainMenus::formatCommand(const Command& command) {
  ShellDocument* document = main_.activeDocument();
  if (!document) return;
  command(document->editor());
  if (main_.activeDocument() == document) document->editor().SmallOvertakeFont();
}

void MainMenus::buildExtrasMenu() {
  extrasMenu = main_.menuBar()->addMenu(QStringLiteral("E&xtras"));
  QMenu* spelling = extrasMenu->addMenu(QStringLiteral("&Rechtschreibung"));
  spellWholeAction = spelling->addAction(QStringLiteral("&Gesamtes Dokument..."), this,
                                         [this] { main_.spellCheckDocument(true); });
  spellWholeAction->setShortcut(Qt::Key_F7);
  spellFromCaretAction = spelling->addAction(QStringLiteral("Ab &Schreibmarke..."), this,
                                             [this] { main_.spellCheckDocument(false); });
  userDictionaryAction =
      spelling->addAction(QStringLiteral("&Benutzerwörterbuch..."), &main_, &MainWindow::UserDictionary1Click);
  checkWhileTypingAction =
      spelling->addAction(QStringLiteral("Beim &Eingeben überprüfen"), &main_, &MainWindow::toggleCheckWhileTyping);
  checkWhileTypingAction->setCheckable(true);
  extrasMenu->addSeparator();
  optionsAction = extrasMenu->addAction(QStringLiteral("&Optionen..."), &main_, &MainWindow::Optionen1Click);
  connect(extrasMenu, &QMenu::aboutToShow, this, &MainMenus::refresh);
}

void MainMenus::buildWindowMenu() {
  windowMenu = main_.menuBar()->addMenu(QStringLiteral("&Fenster"));
  struct Item {
    const char* caption;
    MdiArrangement arrangement;
  };
  static constexpr Item kItems[] = {{"Ü&berlappend", MdiArrangement::cascade},
                                    {"Hori&zontal anordnen", MdiArrangement::horizontal},
                                    {"&Vertikal anordnen", MdiArrangement::vertical},
                                    {"&Alle verkleinern", MdiArrangement::minimizeAll},
                                    {"Alle an&ordnen", MdiArrangement::arrangeIcons}};
  for (const Item& item : kItems) {
    const MdiArrangement arrangement = item.arrangement;
    windowMenu->addAction(QString::fromUtf8(item.caption), this,
                          [this, arrangement] { arrangeSubWindows(main_.documentArea(), arrangement); });
  }
}

void MainMenus::sendKey(int key, unsigned shift) {
  if (ShellDocument* document = main_.activeDocument()) document->editor().getkeysKeyDown(key, shift);
}

void MainMenus::File1Click() {
  ShellDocument* document = main_.activeDocument();
  const bool open = document != nullptr;
  closeAction->setEnabled(open);
  saveAsAction->setEnabled(open);
  pdfExportAction->setEnabled(open);
  pageSetupAction->setEnabled(open);
  pageViewAction->setEnabled(open);
  printAction->setEnabled(open);
  saveAction->setEnabled(open && (document->editor().doc().DocFileName.empty() || document->editor().doc().Modified));

  for (QAction* action : recentActions) {
    fileMenu->removeAction(action);
    action->deleteLater();
  }
  recentActions.clear();
  const std::vector<std::string> captions = main_.shell().File1Click();
  if (captions.empty()) return;
  recentActions.push_back(fileMenu->addSeparator());
  for (size_t i = 0; i < captions.size(); ++i) {
    recentActions.push_back(fileMenu->addAction(QString::fromStdString(captions[i]), this, [this, i] {
      main_.openRecentFile(i);
    }));
  }
}

void MainMenus::Edit1Click() {
  ShellDocument* document = main_.activeDocument();
  const UndoHistory none;
  const UndoHistory& history = document ? document->editor().undoHistory() : none;
  const UndoControl undo = history.undoMenuItem();
  const UndoControl redo = history.redoMenuItem();
  undoAction->setText(QString::fromStdString(undo.text));
  undoAction->setEnabled(document && undo.enabled);
  redoAction->setText(QString::fromStdString(redo.text));
  redoAction->setEnabled(document && redo.enabled);
  deleteSelectionAction->setEnabled(document != nullptr);
  selectAllAction->setEnabled(document != nullptr);
  for (QAction* action : {searchAction, replaceAction, goToAction}) action->setEnabled(document != nullptr);
}

void MainMenus::Format1Click() {
  ShellDocument* document = main_.activeDocument();
  bool inText = false;
  if (document) {
    const Document& doc = document->editor().doc();
    // Drawing shapes and picture frames hold no text to format.
    inText = doc.CurField >= 0 && static_cast<size_t>(doc.CurField) < doc.Fields.size() &&
             doc.Fields[static_cast<size_t>(doc.CurField)].FieldType <= kFieldTextBox;
  }
  specialCharacterAction->setEnabled(inText);
  for (QAction* action : {characterAction, paragraphAction, numberingAction, columnsAction, tabStopsAction,
                          stylesMenu->menuAction()})
    action->setEnabled(inText);
}

void MainMenus::refresh() {
  // The document menus show only while there is a document to act on.
  const bool open = main_.activeDocument() != nullptr;
  editMenu->menuAction()->setVisible(open);
  viewMenu->menuAction()->setVisible(open);
  insertMenu->menuAction()->setVisible(open);
  formatMenu->menuAction()->setVisible(open);
  extrasMenu->menuAction()->setVisible(open);
  File1Click();
  Edit1Click();
  Format1Click();
  checkWhileTypingAction->setChecked(main_.shell().settings().CheckWhileTyping);
  rulerAction->setChecked(main_.shell().settings().ShowRuler);
}

}  // namespace vendaro
