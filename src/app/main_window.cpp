#include "app/main_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QStatusBar>

#include <utility>

#include "app/dialog_conventions.h"
#include "app/editor_window.h"
#include "app/file_dialogs.h"
#include "app/field_forms.h"
#include "app/format_dialogs.h"
#include "app/format_toolbar.h"
#include "app/main_menus.h"
#include "app/mdi_arrangement.h"
#include "app/message_boxes.h"
#include "app/options_dialog.h"
#include "app/page_printing.h"
#include "app/page_setup_dialog.h"
#include "app/paper_formats.h"
#include "app/poster_print_dialog.h"
#include "app/search_form.h"
#include "app/spell_check_form.h"
#include "app/user_dictionary_form.h"
#include "editing/spelling_check.h"
#include "spelling/spell_check.h"

namespace vendaro {
namespace {

constexpr int kPanelWidths[4] = {150, 150, 30, 50};

}  // namespace

MainWindow::MainWindow(std::vector<std::string> arguments)
    : arguments_(std::move(arguments)), shell_(*this), documents_(new QMdiArea(this)) {
  setWindowTitle(QStringLiteral("TOR-MEL Vendaro"));
  DialogConventions::install();
  documents_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  documents_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setCentralWidget(documents_);
  for (int i = 0; i < 4; ++i) {
    panels_[i] = new QLabel(this);
    panels_[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panels_[i]->setMinimumWidth(kPanelWidths[i]);
    if (i < 3) panels_[i]->setMaximumWidth(kPanelWidths[i]);
    statusBar()->addWidget(panels_[i], i == 3 ? 1 : 0);
  }
  panels_[0]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  panels_[2]->setAlignment(Qt::AlignCenter);
  menus_ = std::make_unique<MainMenus>(*this);
  formatDialogs_ = std::make_unique<FormatDialogs>(*this);
  fieldForms_ = std::make_unique<FieldForms>(*this);
  addToolBars();
  connect(documents_, &QMdiArea::subWindowActivated, this, &MainWindow::subWindowActivated);
  connect(&AutoSaveTimer, &QTimer::timeout, this, [this] { shell_.AutoSaveTimerTimer(); });

  shell_.OpenSettings();
  statusBar()->setVisible(shell_.settings().ShowStatusBar);
  showToolBarsFromSettings();
  resetRecoveryTimer();
  resize(1024, 768);
}

MainWindow::~MainWindow() {
  // The document windows go after the menus and the shell: nothing they do
  // while going (Qt hides them) may reach either.
  disconnect(documents_, nullptr, this, nullptr);
  for (EditorWindow* window : editorWindows()) window->detach();
}

std::vector<EditorWindow*> MainWindow::editorWindows() const {
  std::vector<EditorWindow*> windows;
  for (QMdiSubWindow* window : documents_->subWindowList(QMdiArea::CreationOrder))
    if (auto* editorWindow = qobject_cast<EditorWindow*>(window); editorWindow && editorWindow->document())
      windows.push_back(editorWindow);
  return windows;
}

EditorWindow* MainWindow::activeEditorWindow() const {
  auto* window = qobject_cast<EditorWindow*>(documents_->currentSubWindow());
  return window && window->document() ? window : nullptr;
}

ShellDocument* MainWindow::activeDocument() const {
  EditorWindow* window = activeEditorWindow();
  return window ? window->document() : nullptr;
}

PageSetupDialog& MainWindow::pageSetupDialog() {
  if (!pageSetupDialog_) pageSetupDialog_ = new PageSetupDialog(printerPaperFormats(), this);
  return *pageSetupDialog_;
}

PosterPrintDialog& MainWindow::posterPrintDialog() {
  if (!posterPrintDialog_) posterPrintDialog_ = new PosterPrintDialog(this);
  return *posterPrintDialog_;
}

QPrinter& MainWindow::printer() {
  if (!printer_) printer_ = makeProgramPrinter();
  return *printer_;
}

OptionsDialog& MainWindow::optionsDialog() {
  if (!optionsDialog_) optionsDialog_ = new OptionsDialog(this);
  return *optionsDialog_;
}

SearchForm& MainWindow::searchForm() {
  if (!searchForm_) searchForm_ = new SearchForm(this);
  return *searchForm_;
}

SpellCheckForm& MainWindow::spellCheckForm() {
  if (!spellCheckForm_) spellCheckForm_ = new SpellCheckForm(this);
  return *spellCheckForm_;
}

UserDictionaryForm& MainWindow::userDictionaryForm() {
  if (!userDictionaryForm_) userDictionaryForm_ = new UserDictionaryForm(this);
  return *userDictionaryForm_;
}

// --- commands --------------------------------------------------------------------

void MainWindow::FileNew1Execute() { shell_.NewClick(); }

void MainWindow::FileOpen1Execute() { shell_.OpenClick(); }

void MainWindow::FileSave1Execute() { shell_.SaveFileClick(activeDocument()); }

void MainWindow::FileSaveAs1Execute() { shell_.SaveAsClick(activeDocument()); }

void MainWindow::PDFExport1Execute() { shell_.PDFExport1Click(activeDocument()); }

void MainWindow::SeiteeinrichtenM1Click() {
  if (EditorWindow* window = activeEditorWindow()) {
    window->PageSetup();
    window->FormResize();
  }
}

void MainWindow::SeitenansichtM1Click() {
  if (EditorWindow* window = activeEditorWindow()) window->Seitenansicht();
}

void MainWindow::DruckenM1Click() {
  if (EditorWindow* window = activeEditorWindow()) window->PrintOut();
}

void MainWindow::Druckereinrichten1Click() {
  showPrinterSetup(printer(), this);
}

void MainWindow::spellCheckDocument(bool wholeDocument) {
  if (EditorWindow* window = activeEditorWindow()) Rechtschreibpruefung(window->document()->editor(), wholeDocument);
}

void MainWindow::UserDictionary1Click() {
  if (EditorWindow* window = activeEditorWindow()) UserDictionary(window->document()->editor());
}

void MainWindow::Optionen1Click() {
  OptionsDialog& dialog = optionsDialog();
  dialog.setSettings(shell_.settings());
  if (dialog.exec() != QDialog::Accepted) return;
  dialog.applyTo(shell_.settings());
  applySettings();
}

void MainWindow::applySettings() {
  resetRecoveryTimer();
  shell_.settingsChanged();
  for (EditorWindow* window : editorWindows()) connectSpelling(*window->editor());
  statusBar()->setVisible(shell_.settings().ShowStatusBar);
  if (ShellDocument* document = activeDocument()) document->editor().CompleteRefresh();
  menus_->refresh();
}

void MainWindow::toggleCheckWhileTyping() {
  shell_.settings().CheckWhileTyping = !shell_.settings().CheckWhileTyping;
  applySettings();
}

void MainWindow::toggleRuler() {
  shell_.settings().ShowRuler = !shell_.settings().ShowRuler;
  shell_.settingsChanged();
  for (EditorWindow* window : editorWindows()) window->rulers().setRulersVisible(shell_.settings().ShowRuler);
  menus_->refresh();
}

RulerTabKindSource MainWindow::rulerTabKind() {
  return {[this] { return RulerTabKind; },
          [this] {
            RulerTabKind = nextRulerTabKind(RulerTabKind);
            for (EditorWindow* window : editorWindows()) window->rulers().showTabKind();
          }};
}

void MainWindow::toggleStatusBar() {
  shell_.settings().ShowStatusBar = !shell_.settings().ShowStatusBar;
  statusBar()->setVisible(shell_.settings().ShowStatusBar);
  shell_.settingsChanged();
  menus_->refresh();
}

void MainWindow::toggleShowAllMarks() {
  shell_.settings().ShowAllMarks = !shell_.settings().ShowAllMarks;
  shell_.settingsChanged();
  if (ShellDocument* document = activeDocument()) document->editor().host().requestRepaint();
  menus_->refresh();
}

void MainWindow::openRecentFile(size_t index) { shell_.openRecentFile(index); }

void MainWindow::resetRecoveryTimer() {
  const int interval = shell_.recoveryIntervalMs();
  if (interval <= 0) {
    AutoSaveTimer.stop();
    return;
  }
  AutoSaveTimer.start(interval);
}

// Check while typing asks the word list of the document's language. Marks
// left from before it was switched off are not painted meanwhile.
void MainWindow::connectSpelling(Editor& editor) const {
  if (!shell_.settings().CheckWhileTyping) {
    editor.setSpellingHook({});
    return;
  }
  editor.setSpellingHook([&editor](std::string_view word) {
    const WordList* words = editor.hyphenation().currentWords();
    return words && istwortkorrekt(*words, word, true);
  });
  // Every line is checked in the next layout pass: run it now.
  editor.MakeSoftEnters();
  editor.host().requestRepaint();
}

// --- ShellHost ---------------------------------------------------------------------

// The window belongs to the frame until the document area takes it.
EditorHost& MainWindow::createDocumentWindow() {
  return *new EditorWindow(*this);
}

void MainWindow::showDocumentWindow(ShellDocument& document, bool fromTemplate) {
  auto* window = dynamic_cast<EditorWindow*>(&document.window());
  if (!window) return;
  connectSpelling(document.editor());
  window->attach(document);
  documents_->addSubWindow(window);
  window->showMaximized();
  documents_->setActiveSubWindow(window);
  window->FormResize();
  if (fromTemplate) window->startPageSetupTimer();
}

void MainWindow::destroyDocumentWindow(EditorHost& host) {
  auto* window = dynamic_cast<EditorWindow*>(&host);
  if (!window) return;
  if (window == activeWindow_) activeWindow_ = nullptr;
  window->detach();
  hideSubWindowKeepingMaximised(*documents_, *window);
  window->deleteLater();
  if (editorWindows().empty()) {
    for (int panel = kPanelPage; panel <= kPanelOverwrite; ++panel) panels_[panel]->clear();
  }
  menus_->refresh();
}

void MainWindow::printWithoutDialog(Editor& editor) { FastPrinting(editor, printer(), posterPrintDialog()); }

void MainWindow::showMessage(const std::string& text, MessageIcon icon, const std::string& caption) {
  showMessageBox(this, text, icon, caption);
}

void MainWindow::setStatusText(int panel, const std::string& text) {
  if (panel >= 0 && panel < 4) panels_[panel]->setText(QString::fromStdString(text));
}

// Lets the status texts show during long file work, without letting the
// user start anything meanwhile.
void MainWindow::processPendingEvents() { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }

void MainWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

bool MainWindow::showOpenDialog(FileDialogState& dialog) { return runOpenDialog(this, dialog); }

// --- window events --------------------------------------------------------------------

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  // The start-up work runs once the window is on screen, from the event loop,
  // so that its messages and dialogs have a window to belong to.
  QTimer::singleShot(0, this, [this] { shell_.FormShow(parseWindowCommandLine(arguments_)); });
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (!shell_.closeAllQuery()) {
    event->ignore();
    return;
  }
  shell_.FormClose();
  while (!shell_.documents().empty()) shell_.closeDocument(*shell_.documents().front());
  event->accept();
}

void MainWindow::subWindowActivated(QMdiSubWindow* window) {
  auto* next = qobject_cast<EditorWindow*>(window);
  // Qt reports no window while the whole frame is inactive; the document
  // stays the active one then.
  if (!next && !editorWindows().empty()) return;
  if (activeWindow_ && activeWindow_ != next) activeWindow_->FormDeactivate();
  activeWindow_ = next;
  if (next && next->document()) next->FormActivate();
  menus_->refresh();
}

}  // namespace vendaro
