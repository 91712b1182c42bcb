#include "app/editor_window.h"

#include <QCloseEvent>

#include <algorithm>

#include "app/character_format_dialog.h"
#include "app/character_table_dialog.h"
#include "app/columns_dialog.h"
#include "app/context_menu.h"
#include "app/file_dialogs.h"
#include "app/frame_dialogs.h"
#include "app/field_forms.h"
#include "app/format_dialogs.h"
#include "app/format_toolbar.h"
#include "app/main_menus.h"
#include "app/insert_content_form.h"
#include "app/main_window.h"
#include "app/table_dialogs.h"
#include "app/search_form.h"
#include "app/standard_toolbar.h"
#include "app/zoom_controls.h"
#include "app/message_boxes.h"
#include "app/numbering_dialog.h"
#include "app/page_printing.h"
#include "app/page_setup_dialog.h"
#include "app/page_view.h"
#include "app/qt_clipboard.h"
#include "app/paragraph_dialog.h"
#include "app/ruler_widgets.h"
#include "app/spell_check_form.h"
#include "app/style_dialogs.h"
#include "app/tab_stops_dialog.h"
#include "app/user_dictionary_form.h"
#include "document/page_setup.h"
#include "shell/shell.h"

namespace vendaro {
namespace {

constexpr int kPageSetupDelayMs = 10;
constexpr int kActivationDelayMs = 100;
constexpr char kPageSetupUndo[] = "Seite einrichten";

}  // namespace

EditorWindow::EditorWindow(MainWindow& main)
    : QMdiSubWindow(&main), main_(main), view_(new PageView), rulers_(new RulerFrame(view_, main.rulerTabKind(), this)) {
  // The shell ends the window's life when it frees the document.
  setAttribute(Qt::WA_DeleteOnClose, false);
  setWidget(rulers_);
  rulers_->setRulersVisible(main_.shell().settings().ShowRuler);
  setFocusProxy(view_);
  TimerPageSetup.setSingleShot(true);
  TimerPageSetup.setInterval(kPageSetupDelayMs);
  connect(&TimerPageSetup, &QTimer::timeout, this, [this] {
    PageSetup();
    FormResize();
  });
  Timer1.setSingleShot(true);
  Timer1.setInterval(kActivationDelayMs);
  connect(&Timer1, &QTimer::timeout, this, [this] {
    if (main_.activeEditorWindow() == this) FormActivate();
  });
  connect(view_, &PageView::resized, this, [this] { FormResize(); });
  connect(view_, &PageView::painted, this, [this] { rulers_->updateRulers(); });
  connect(view_, &PageView::contextMenuRequested, this, [this](const QPoint& at) {
    if (document_) showEditorContextMenu(main_, document_->editor(), this, at);
  });
}

EditorWindow::~EditorWindow() {
  view_->setEditor(nullptr);
  rulers_->setEditor(nullptr);
}

Editor* EditorWindow::editor() const { return document_ ? &document_->editor() : nullptr; }

void EditorWindow::attach(ShellDocument& document) {
  document_ = &document;
  view_->setEditor(&document.editor());
  rulers_->setEditor(&document.editor());
  Timer1.start();
}

void EditorWindow::detach() {
  document_ = nullptr;
  TimerPageSetup.stop();
  Timer1.stop();
  view_->setEditor(nullptr);
  rulers_->setEditor(nullptr);
}

void EditorWindow::startPageSetupTimer() { TimerPageSetup.start(); }

void EditorWindow::PageSetup() {
  if (!document_) return;
  Editor& editor = document_->editor();
  PageSetupDialog& dialog = main_.pageSetupDialog();
  dialog.setValues(currentPageSetup(editor.doc()));
  // Compared in the dialog's own rounding: OK on what it was shown is no
  // change, and a document nobody touched does not ask to be saved.
  const PageSetupValues shown = dialog.values();
  if (dialog.exec() != QDialog::Accepted || !document_) return;
  const PageSetupValues chosen = dialog.values();
  if (chosen == shown) return;
  editor.MakeCopyForUndo(kPageSetupUndo);
  applyPageSetup(editor.doc(), chosen, true);
  editor.CompleteRefresh();
}

void EditorWindow::FormResize() {
  if (Editor* e = editor()) e->FormResize(view_->currentViewport(), view_->screenDpi());
}

void EditorWindow::FastPrinting() {
  if (Editor* e = editor()) vendaro::FastPrinting(*e, main_.printer(), main_.posterPrintDialog());
}

void EditorWindow::PrintOut() {
  if (Editor* e = editor()) vendaro::PrintOut(*e, main_.printer(), main_.posterPrintDialog(), this);
}

bool EditorWindow::pageViewOn() const {
  Editor* e = editor();
  return e && e->viewOptions().PageView;
}

void EditorWindow::Seitenansicht() {
  Editor* e = editor();
  if (!e) return;
  ViewOptions& view = e->viewOptions();
  Document& doc = e->doc();
  view.PageView = !view.PageView;
  if (view.PageView) {
    zoomModeBeforePageView_ = doc.ZoomMode;
    doc.ZoomMode = kZoomWholePage;
  } else {
    // A fixed zoom stays where the page view left it; a fitting mode
    // follows the window again.
    doc.ZoomMode = zoomModeBeforePageView_;
  }
  FormResize();
  // The guide lines come or go with the page view.
  view_->requestRepaint();
}

void EditorWindow::FormActivate() {
  active_ = true;
  view_->setActiveDocument(true);
  rulers_->setRulersVisible(main_.shell().settings().ShowRuler);
  if (Editor* e = editor()) {
    view_->setFocus(Qt::ActiveWindowFocusReason);
    e->SetUndoHints();
    main_.zoomBox().showZoom(e->doc().ZoomPercent);
    main_.setStatusText(kPanelOverwrite, e->typingOptions().OverwriteMode ? "ÜB" : "");
    e->SmallOvertakeFont();
    // The status bar shows this document's page and line from its next paint.
    view_->requestRepaint();
  }
  main_.menus().refresh();
}

void EditorWindow::FormDeactivate() {
  active_ = false;
  view_->setActiveDocument(false);
  if (Editor* e = editor()) {
    e->cancelRulerDrag();
    e->SetUndoHints();
  }
}

void EditorWindow::closeEvent(QCloseEvent* event) {
  if (document_) {
    Shell& shell = main_.shell();
    if (!shell.FormCloseQuery(*document_)) {
      event->ignore();
      return;
    }
    shell.closeDocument(*document_);
  }
  event->accept();
  QMdiSubWindow::closeEvent(event);
}

// --- EditorHost ------------------------------------------------------------------

void EditorWindow::showMessage(const std::string& text, MessageIcon icon, const std::string& caption) {
  showMessageBox(this, text, icon, caption);
}

void EditorWindow::setStatusText(int panel, const std::string& text) { main_.setStatusText(panel, text); }

void EditorWindow::processPendingEvents() { main_.processPendingEvents(); }

void EditorWindow::setCaption(const std::string& caption) { setWindowTitle(QString::fromStdString(caption)); }

void EditorWindow::fileMenuChanged() {
  if (active_) main_.menus().refresh();
}

void EditorWindow::requestRepaint() { view_->requestRepaint(); }

void EditorWindow::dragMarksChanged() {
  view_->overlayChanged();
  rulers_->updateRulers();
}

void EditorWindow::scrollCaretIntoView() { view_->requestCaretInView(); }

// Only the active document speaks for the buttons and the menu.
void EditorWindow::setUndoHints(const UndoControl& undo, const UndoControl& redo) {
  if (!active_) return;
  main_.standardToolbar().showUndoHints(undo, redo);
  main_.menus().Edit1Click();
}

void EditorWindow::zoomChanged() {
  if (active_ && document_) main_.zoomBox().showZoom(document_->editor().doc().ZoomPercent);
}

void EditorWindow::scrollViewBy(int pixels) { view_->scrollBy(pixels); }

bool EditorWindow::showOpenDialog(FileDialogState& dialog) { return runOpenDialog(this, dialog); }
bool EditorWindow::showSaveDialog(FileDialogState& dialog) { return runSaveDialog(this, dialog); }

bool EditorWindow::showFeldFormatDialog(FeldFormatDialog& dialog) {
  return FrameDialogs::of(main_).frame().edit(dialog);
}

bool EditorWindow::showGrafikPropsDialog(GrafikPropsDialog& dialog) {
  return FrameDialogs::of(main_).picture().edit(dialog);
}

ObjectStyle EditorWindow::newObjectStyle() {
  const ProgramSettings& settings = main_.shell().settings();
  return {settings.LineWidth, settings.LineColor, settings.FillColor, settings.FillNone};
}

SpellCheckAnswer EditorWindow::showSpellCheckDialog(SpellCheckDialog& dialog) {
  return main_.spellCheckForm().ask(dialog);
}

int EditorWindow::showSearchForm(TSearchForm& form) { return main_.searchForm().ask(form); }

bool EditorWindow::showUserDictionaryDialog(UserDictionaryDialog& dialog) {
  return main_.userDictionaryForm().edit(dialog);
}

QuestionAnswer EditorWindow::askYesNoCancel(const std::string& text, const std::string& caption) {
  return askYesNoCancelBox(this, text, caption);
}

// Only the active document's caret speaks for the bars. The buttons that
// need text or an object follow the caret's frame.
void EditorWindow::toolbarFontChanged(const ToolbarFontState& state) {
  if (!active_) return;
  main_.formatToolbar().showState(state);
  main_.menus().refresh();
}

bool EditorWindow::showSonderzeichenDialog(SonderzeichenDialog& dialog) {
  return main_.formatDialogs().characterTable().choose(dialog.fontName, dialog.character);
}

int EditorWindow::screenDpi() const { return std::max(1, logicalDpiX()); }

std::optional<ClipboardFormats> EditorWindow::clipboardFormats() { return QtClipboard::formats(); }
bool EditorWindow::setClipboard(const ClipboardContents& contents) { return QtClipboard::place(contents); }
bool EditorWindow::clipboardFormattedText(std::vector<uint8_t>& stream) { return QtClipboard::formattedText(stream); }
bool EditorWindow::clipboardText(std::string& cp1252) { return QtClipboard::text(cp1252); }
bool EditorWindow::clipboardBitmap(std::vector<uint8_t>& dib) { return QtClipboard::bitmap(dib); }

bool EditorWindow::showInhalteEinfuegenDialog(InhalteEinfuegenDialog& dialog) {
  return InsertContentForm::of(main_).edit(dialog);
}

bool EditorWindow::showZeichenDialog(ZeichenDialog& dialog) { return main_.formatDialogs().characterFormat().edit(dialog); }

bool EditorWindow::showAbsatzDialog(AbsatzDialog& dialog) { return main_.formatDialogs().paragraph().edit(dialog); }

bool EditorWindow::showTabulatorDialog(TabulatorDialog& dialog) { return main_.formatDialogs().tabStops().edit(dialog); }

bool EditorWindow::showNummerierungDialog(NummerierungDialog& dialog) {
  return main_.formatDialogs().numbering().edit(dialog);
}

bool EditorWindow::showSpaltenDialog(SpaltenDialog& dialog) { return main_.formatDialogs().columns().edit(dialog); }

bool EditorWindow::showInsertTableDialog(InsertTableDialog& dialog) {
  return TableDialogs::of(main_).insertTable().edit(dialog);
}

bool EditorWindow::showInsertTableLinesDialog(InsertTableRowsDialog& dialog) {
  return TableDialogs::of(main_).insertRows().edit(dialog);
}

bool EditorWindow::showInsertTableColsDialog(InsertTableRowsDialog& dialog) {
  return TableDialogs::of(main_).insertColumns().edit(dialog);
}

bool EditorWindow::showTableCellDialog(TTableCellForm& dialog) { return TableDialogs::of(main_).cells().edit(dialog); }

bool EditorWindow::showFeldEinfuegenDialog(FeldEinfuegenDialog& dialog) {
  return main_.fieldForms().feldEinfuegen().edit(dialog);
}
bool EditorWindow::showUserDateTimeDialog(UserDateTimeDialog& dialog) {
  return main_.fieldForms().userDateTime().edit(dialog);
}
bool EditorWindow::showDateTimeDialog(DateTimeDialog& dialog) { return main_.fieldForms().dateTime().edit(dialog); }
bool EditorWindow::showInsertFormFieldDialog(InsertFormFieldDialog& dialog) {
  return main_.fieldForms().insertFormField().edit(dialog);
}
bool EditorWindow::showFormDialog(FormDialog& dialog) { return main_.fieldForms().formDialog().edit(dialog); }
bool EditorWindow::showDocumentPropsDialog(DocumentPropsDialog& dialog) {
  return main_.fieldForms().documentProps().edit(dialog);
}

bool EditorWindow::showVorlagenNameDialog(VorlagenNameDialog& dialog) {
  return main_.formatDialogs().styleName().edit(dialog);
}

bool EditorWindow::showVorlagenVerwaltenDialog(VorlagenVerwaltenDialog& dialog) {
  return main_.formatDialogs().styleManager().edit(dialog);
}

}  // namespace vendaro
