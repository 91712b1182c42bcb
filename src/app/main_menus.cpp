#include "app/main_menus.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/mdi_arrangement.h"
#include "app/qt_clipboard.h"
#include "app/scan_commands.h"
#include "app/standard_toolbar.h"
#include "editing/clipboard_enabling.h"
#include "editing/editor.h"

namespace vendaro {

MainMenus::MainMenus(MainWindow& main) : QObject(&main), main_(main) {
  commands_.setOwner(this);
  buildFileMenu();
  buildEditMenu();
  buildViewMenu();
  buildInsertMenu();
  buildFormatMenu();
  buildExtrasMenu();
  buildTableMenu();
  buildWindowMenu();
  buildHelpMenu();
  // The clipboard is asked only when the Edit menu opens or its owner
  // changes, never on a paint or a key: an owner that does not answer
  // would freeze the window.
  connect(editMenu, &QMenu::aboutToShow, this, &MainMenus::askClipboard);
  connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this, [this] {
    askClipboard();
    refresh();
  });
  for (QMenu* menu : {editMenu, viewMenu, insertMenu, formatMenu, extrasMenu, tableMenu})
    connect(menu, &QMenu::aboutToShow, this, &MainMenus::refresh);
}

void MainMenus::askClipboard() {
  ShellDocument* document = main_.activeDocument();
  const Document* active = document ? &document->editor().doc() : nullptr;
  clipboardOffersData_ = clipboardCommandsEnabled(active, QtClipboard::formats()).paste || !active;
}

void MainMenus::editorCommand(const std::function<void(Editor&)>& command) {
  ShellDocument* document = main_.activeDocument();
  if (!document) return;
  command(document->editor());
  if (main_.activeDocument() == document) document->editor().SmallOvertakeFont();
}

CommandRegistry::Handler MainMenus::editorCommand(void (Editor::*command)()) {
  return [this, command] { editorCommand([command](Editor& e) { (e.*command)(); }); };
}

QAction* MainMenus::checkEntry(QMenu* menu, const char* caption, CommandNeed need, CommandRegistry::Handler handler) {
  QAction* action = commands_.command(menu, caption, need, std::move(handler));
  action->setCheckable(true);
  return action;
}

void MainMenus::buildFileMenu() {
  using N = CommandNeed;
  fileMenu = main_.menuBar()->addMenu(QStringLiteral("&Datei"));
  QMenu* m = fileMenu;
  newAction = commands_.command(m, "&Neu", N::nothing, [this] { main_.FileNew1Execute(); }, Qt::CTRL | Qt::Key_N);
  openAction = commands_.command(m, "Ö&ffnen", N::nothing, [this] { main_.FileOpen1Execute(); }, Qt::CTRL | Qt::Key_O);
  closeAction = commands_.command(m, "S&chließen", N::document, [this] {
    if (EditorWindow* window = main_.activeEditorWindow()) window->close();
  });
  saveAction = commands_.command(m, "&Speichern", N::unsavedChanges, [this] { main_.FileSave1Execute(); },
                                 Qt::CTRL | Qt::Key_S);
  saveAsAction = commands_.command(m, "Speichern &unter...", N::document, [this] { main_.FileSaveAs1Execute(); });
  pdfExportAction = commands_.command(m, "PDF-Export...", N::document, [this] { main_.PDFExport1Execute(); });
  m->addSeparator();
  auto* scanning = new ScanCommands(main_, this);
  commands_.command(m, "Bild scannen (TWAIN)...", N::document, [scanning] { scanning->BildScannen(); });
  commands_.command(m, "Scanner wählen (TWAIN)...", N::document, [scanning] { scanning->ScannerWaehlen(); });
  m->addSeparator();
  pageSetupAction = commands_.command(m, "Seite ein&richten...", N::document, [this] { main_.SeiteeinrichtenM1Click(); });
  pageViewAction = commands_.command(m, "Seitenansic&ht", N::document, [this] { main_.SeitenansichtM1Click(); });
  m->addSeparator();
  printerSetupAction =
      commands_.command(m, "Drucker einrichten...", N::nothing, [this] { main_.Druckereinrichten1Click(); });
  printAction = commands_.command(m, "&Drucken...", N::document, [this] { main_.DruckenM1Click(); },
                                  Qt::CTRL | Qt::Key_P);
  m->addSeparator();
  commands_.command(m, "&Eigenschaften...", N::document,
                    [this] { editorCommand([](Editor& e) { e.DokumentEigenschaften(0); }); });
  m->addSeparator();
  exitAction = commands_.command(m, "&Beenden", N::nothing, [this] { main_.close(); }, Qt::ALT | Qt::Key_F4);
  connect(fileMenu, &QMenu::aboutToShow, this, &MainMenus::File1Click);
}

void MainMenus::buildEditMenu() {
  using N = CommandNeed;
  editMenu = main_.menuBar()->addMenu(QStringLiteral("&Bearbeiten"));
  QMenu* m = editMenu;
  // The history decides further whether there is a step (Edit1Click).
  undoAction = commands_.command(m, "&Rückgängig", N::document,
                                 [this] { editorCommand([](Editor& e) { e.RestoreCopyFromUndo(0); }); },
                                 Qt::CTRL | Qt::Key_Z);
  redoAction = commands_.command(m, "&Wiederholen", N::document,
                                 [this] { editorCommand([](Editor& e) { e.RestoreBeforeRestoreCopyFromUndo(0); }); },
                                 Qt::CTRL | Qt::Key_Y);
  m->addSeparator();
  cutAction = commands_.command(m, "&Ausschneiden", N::selection,
                                [this] { editorCommand([](Editor& e) { e.KopierenInZwischenAblage(true); }); },
                                Qt::CTRL | Qt::Key_X);
  copyAction = commands_.command(m, "&Kopieren", N::selection,
                                 [this] { editorCommand([](Editor& e) { e.KopierenInZwischenAblage(false); }); },
                                 Qt::CTRL | Qt::Key_C);
  pasteAction = commands_.command(m, "&Einfügen", N::clipboardData,
                                  [this] { editorCommand([](Editor& e) { e.EinfuegenAusZwischenAblage(0); }); },
                                  Qt::CTRL | Qt::Key_V);
  commands_.command(m, "&Inhalte einfügen...", N::clipboardData,
                    [this] { editorCommand([](Editor& e) { e.InhalteEinfuegenAusZwischenAblage(); }); });
  m->addSeparator();
  deleteSelectionAction = commands_.command(m, "Markierung &löschen", N::document,
                                            [this] { sendKey(kKeyDelete, 0); }, QKeySequence(Qt::Key_Delete));
  selectAllAction = commands_.command(m, "&Alles markieren", N::document, [this] { sendKey(kKeyA, kCtrl); },
                                      Qt::CTRL | Qt::Key_A);
  m->addSeparator();
  searchAction = commands_.command(m, "&Suchen...", N::document,
                                   [this] { editorCommand([](Editor& e) { e.SuchenErsetzen(0); }); },
                                   Qt::CTRL | Qt::Key_F);
  replaceAction = commands_.command(m, "&Ersetzen...", N::document,
                                    [this] { editorCommand([](Editor& e) { e.SuchenErsetzen(1); }); },
                                    Qt::CTRL | Qt::Key_H);
  goToAction = commands_.command(m, "&Gehe zu...", N::document,
                                 [this] { editorCommand([](Editor& e) { e.SuchenErsetzen(2); }); },
                                 Qt::CTRL | Qt::Key_G);
  connect(editMenu, &QMenu::aboutToShow, this, &MainMenus::Edit1Click);
}

void MainMenus::buildViewMenu() {
  using N = CommandNeed;
  viewMenu = main_.menuBar()->addMenu(QStringLiteral("&Ansicht"));
  QMenu* m = viewMenu;
  pageWidthAction = commands_.command(m, "Seiten&breite", N::document, [this] { main_.setFittingZoom(kZoomPageWidth); });
  wholePageAction = commands_.command(m, "&Ganze Seite", N::document, [this] { main_.setFittingZoom(kZoomWholePage); });
  zoom100Action = commands_.command(m, "Zoom &100%", N::document, [this] { main_.applyZoomText(QStringLiteral("100%")); });
  zoomAction = commands_.command(m, "&Zoom...", N::document, [this] { main_.showZoomDialog(); });
  m->addSeparator();
  QMenu* bars = m->addMenu(QStringLiteral("&Symbolleisten"));
  static const char* const kBars[] = {"Formatleiste", "Standartleiste", "Zeichnenleiste", "Format erweitert"};
  for (int bar = 0; bar < 4; ++bar)
    toolbarActions[bar] = checkEntry(bars, kBars[bar], N::nothing, [this, bar] { main_.toggleToolBar(bar); });
  rulerAction = checkEntry(m, "&Lineal", N::document, [this] { main_.toggleRuler(); });
  statusBarAction = checkEntry(m, "S&tatuszeile", N::document, [this] { main_.toggleStatusBar(); });
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
    commands_.command(windowMenu, item.caption, CommandNeed::document,
                      [this, arrangement] { arrangeSubWindows(main_.documentArea(), arrangement); });
  }
}

void MainMenus::buildHelpMenu() {
  helpMenu = main_.menuBar()->addMenu(QStringLiteral("&Hilfe"));
  helpContentsAction = commands_.command(helpMenu, "&Inhalt", CommandNeed::nothing, [this] { main_.Inhalt1Click(); });
  aboutAction = commands_.command(helpMenu, "&Info...", CommandNeed::nothing, [this] { main_.HelpAbout1Execute(); });
}

void MainMenus::sendKey(int key, unsigned shift) {
  if (ShellDocument* document = main_.activeDocument()) document->editor().getkeysKeyDown(key, shift);
}

void MainMenus::File1Click() {
  refresh();
  rebuildRecentFiles();
}

void MainMenus::rebuildRecentFiles() {
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
}

void MainMenus::refresh() {
  ShellDocument* document = main_.activeDocument();
  // The document menus show only while there is a document to act on.
  for (QMenu* menu : {editMenu, viewMenu, insertMenu, formatMenu, extrasMenu, tableMenu})
    menu->menuAction()->setVisible(document != nullptr);
  for (int bar : {0, 2, 3})
    if (QToolBar* documentBar = main_.toolBar(bar)) documentBar->setEnabled(document != nullptr);
  CommandContext context = commandContext(document ? &document->editor().doc() : nullptr);
  context.clipboardData = clipboardOffersData_;
  commands_.update(context);
  Edit1Click();
  if (!document && main_.toolBar(1)) main_.standardToolbar().showUndoHints({}, {});
  showCheckMarks();
}

void MainMenus::showCheckMarks() {
  const ProgramSettings& settings = main_.shell().settings();
  checkWhileTypingAction->setChecked(settings.CheckWhileTyping);
  rulerAction->setChecked(settings.ShowRuler);
  statusBarAction->setChecked(settings.ShowStatusBar);
  for (int bar = 0; bar < 4; ++bar) toolbarActions[bar]->setChecked(main_.toolBarShown(bar));
  if (main_.toolBar(1)) main_.standardToolbar().notPrintableAction()->setChecked(settings.ShowAllMarks);
  ShellDocument* document = main_.activeDocument();
  if (!document) return;
  Editor& editor = document->editor();
  germanAction->setChecked(editor.doc().DocLanguage == 0);
  englishAction->setChecked(editor.doc().DocLanguage == 1);
  hyphenateAction->setChecked(editor.doc().AutoHyphenate != 0);
  gridLinesAction->setChecked(editor.viewOptions().GridLines);
}

}  // namespace vendaro
