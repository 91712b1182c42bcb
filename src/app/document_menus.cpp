// document_menus.cpp — the menus that act on the text and objects of the
// active document: Einfügen, Format, Extras and Tabelle.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "app/main_menus.h"
#include "app/main_window.h"
#include "editing/editor.h"

namespace vendaro {

CommandRegistry::Handler MainMenus::insertModeCommand(int32_t mode) {
  return [this, mode] { editorCommand([mode](Editor& e) { e.SetInsertObjMode(mode); }); };
}

void MainMenus::buildInsertMenu() {
  using N = CommandNeed;
  insertMenu = main_.menuBar()->addMenu(QStringLiteral("&Einfügen"));
  QMenu* m = insertMenu;
  commands_.command(m, "&Datum und Uhrzeit...", N::textFrame, editorCommand(&Editor::DateTimeEinfuegen));
  commands_.command(m, "F&eld...", N::textFrame, editorCommand(&Editor::FeldEinfuegen));
  commands_.command(m, "F&ormularfeld...", N::textFrame, editorCommand(&Editor::FormularFeldEinfuegen));
  specialCharacterAction =
      commands_.command(m, "&Sonderzeichen...", N::textFrame, editorCommand(&Editor::SonderzeichenEinfuegen));
  commands_.command(m, "&Fußnote", N::textFrame, editorCommand(&Editor::FussnoteEinfuegen));
  m->addSeparator();
  commands_.command(m, "&Grafik...", N::textFrame, editorCommand(&Editor::GrafikEinfuegen));
  for (const InsertModeEntry& entry : kInsertModes)
    commands_.command(m, entry.menuCaption, N::document, insertModeCommand(entry.mode));
  m->addSeparator();
  linkTextBoxAction =
      commands_.command(m, "Textfeld &verknüpfen...", N::textBox, editorCommand(&Editor::Textfeldverknuepfen));
  objectFrontAction = commands_.command(m, "Objekt nach v&orne", N::objectFrame, editorCommand(&Editor::Objektnachvorne));
  objectBackAction = commands_.command(m, "Objekt nach h&inten", N::objectFrame, editorCommand(&Editor::Objektnachhinten));
}

void MainMenus::buildFormatMenu() {
  using N = CommandNeed;
  formatMenu = main_.menuBar()->addMenu(QStringLiteral("F&ormat"));
  QMenu* m = formatMenu;
  characterAction = commands_.command(m, "&Zeichen...", N::textFrame, editorCommand(&Editor::zeichenformatieren));
  paragraphAction = commands_.command(m, "&Absatz...", N::textFrame, editorCommand(&Editor::absatzformatieren));
  numberingAction = commands_.command(m, "&Nummerierung und Aufzählungen....", N::textFrame,
                                      editorCommand(&Editor::NummerierungundAufzaehlungen));
  columnsAction = commands_.command(m, "&Spalten...", N::textFrame, editorCommand(&Editor::spaltenformat));
  tabStopsAction = commands_.command(m, "&Tabulator...", N::textFrame, editorCommand(&Editor::tabulator));
  m->addSeparator();
  stylesMenu = m->addMenu(QStringLiteral("Format&vorlagen"));
  commands_.add(stylesMenu->menuAction(), N::textFrame);
  newParagraphStyleAction = commands_.command(stylesMenu, "Neue &Absatzvorlage...", N::textFrame,
                                              [this] { editorCommand([](Editor& e) { e.NeueVorlage(kParagraphStyle); }); });
  newCharacterStyleAction = commands_.command(stylesMenu, "Neue &Zeichenvorlage", N::textFrame,
                                              [this] { editorCommand([](Editor& e) { e.NeueVorlage(kCharacterStyle); }); });
  manageStylesAction =
      commands_.command(stylesMenu, "&Vorlagen verwalten...", N::textFrame, editorCommand(&Editor::VorlagenVerwalten));
  m->addSeparator();
  frameFormatAction = commands_.command(m, "&Feld/Seite/Objekt...", N::document, editorCommand(&Editor::feldformatieren));
  pictureFormatAction = commands_.command(m, "&Grafik...", N::pictureCell, editorCommand(&Editor::GrafikFormatieren));
}

void MainMenus::buildExtrasMenu() {
  using N = CommandNeed;
  extrasMenu = main_.menuBar()->addMenu(QStringLiteral("E&xtras"));
  QMenu* spelling = extrasMenu->addMenu(QStringLiteral("&Rechtschreibung"));
  spellWholeAction = commands_.command(spelling, "&Gesamtes Dokument...", N::document,
                                       [this] { main_.spellCheckDocument(true); }, Qt::Key_F7);
  spellFromCaretAction = commands_.command(spelling, "Ab &Schreibmarke...", N::document,
                                           [this] { main_.spellCheckDocument(false); });
  userDictionaryAction =
      commands_.command(spelling, "&Benutzerwörterbuch...", N::document, [this] { main_.UserDictionary1Click(); });
  checkWhileTypingAction =
      checkEntry(spelling, "Beim &Eingeben überprüfen", N::nothing, [this] { main_.toggleCheckWhileTyping(); });
  QMenu* language = extrasMenu->addMenu(QStringLiteral("&Sprache"));
  germanAction = checkEntry(language, "&Deutsch", N::document,
                            [this] { editorCommand([](Editor& e) { e.setDocumentLanguage(0); }); });
  englishAction = checkEntry(language, "&Englisch", N::document,
                             [this] { editorCommand([](Editor& e) { e.setDocumentLanguage(1); }); });
  hyphenateAction =
      checkEntry(language, "&Automatische Silbentrennung", N::document, editorCommand(&Editor::toggleAutoHyphenate));
  extrasMenu->addSeparator();
  commands_.command(extrasMenu, "&Wörter zählen...", N::document,
                    [this] { editorCommand([](Editor& e) { e.DokumentEigenschaften(1); }); });
  commands_.command(extrasMenu, "&Formulardialog...", N::document, editorCommand(&Editor::Formulardialog));
  extrasMenu->addSeparator();
  optionsAction = commands_.command(extrasMenu, "&Optionen...", N::nothing, [this] { main_.Optionen1Click(); });
}

void MainMenus::buildTableMenu() {
  using N = CommandNeed;
  tableMenu = main_.menuBar()->addMenu(QStringLiteral("Tabe&lle"));
  QMenu* m = tableMenu;
  commands_.command(m, "&Tabelle einfügen...", N::outsideTable, editorCommand(&Editor::inserttable));
  insertRowsAction = commands_.command(m, "Zeilen e&infügen...", N::insideTable, editorCommand(&Editor::insertTableLines));
  commands_.command(m, "Zeile &anhängen", N::insideTable, editorCommand(&Editor::AddTableLines));
  insertColumnsAction = commands_.command(m, "Spalten ein&fügen...", N::insideTable,
                                          [this] { editorCommand([](Editor& e) { e.InsertTableCols(false); }); });
  commands_.command(m, "Spalte a&nhängen", N::insideTable,
                    [this] { editorCommand([](Editor& e) { e.InsertTableCols(true); }); });
  m->addSeparator();
  deleteCellsAction = commands_.command(m, "Zellen &löschen", N::insideTable,
                                        [this] { editorCommand([](Editor& e) { e.DeleteTableCells(0); }); });
  deleteRowsAction = commands_.command(m, "Zeilen lösc&hen", N::insideTable,
                                       [this] { editorCommand([](Editor& e) { e.DeleteTableCells(1); }); });
  deleteColumnsAction = commands_.command(m, "Spalten lö&schen", N::insideTable,
                                          [this] { editorCommand([](Editor& e) { e.DeleteTableCells(2); }); });
  m->addSeparator();
  commands_.command(m, "Tabelle &teilen", N::insideTable, editorCommand(&Editor::TabelleTeilen));
  formatCellsAction = commands_.command(m, "Zellen &formatieren...", N::insideTable, editorCommand(&Editor::Zellenformatieren));
  commands_.command(m, "Spalten gleichmäßig &verteilen", N::insideTable, editorCommand(&Editor::VerteileTableCols));
  m->addSeparator();
  gridLinesAction = checkEntry(m, "&Gitternetzlinien", N::document, [this] {
    editorCommand([](Editor& e) {
      e.viewOptions().GridLines = !e.viewOptions().GridLines;
      e.host().requestRepaint();
    });
  });
}

}  // namespace vendaro
