// editor_window.h — the window half of one open document: the page view with
// its rulers in an MDI window, the host through which the document's editor reaches
// messages, status bar, caption, dialogs and repaints, its timers (page
// set-up after creation, activation, deferred repaint) and its close query.
#pragma once

#include <QMdiSubWindow>
#include <QTimer>

#include "editing/editor_host.h"

namespace vendaro {

class Editor;
class MainWindow;
class PageView;
class RulerFrame;
class ShellDocument;

class EditorWindow : public QMdiSubWindow, public EditorHost {
  Q_OBJECT

 public:
  explicit EditorWindow(MainWindow& main);
  ~EditorWindow() override;

  // The shell built the document on this window: show it.
  void attach(ShellDocument& document);
  // The document's editor is gone; nothing may reach it any more.
  void detach();
  ShellDocument* document() const { return document_; }
  Editor* editor() const;
  PageView& view() const { return *view_; }
  RulerFrame& rulers() const { return *rulers_; }

  // A new document goes on to the page set-up dialog once its window shows.
  void startPageSetupTimer();
  // "Seite ein&richten...": the dialog, and on OK the new set-up applied as
  // one undo step.
  void PageSetup();
  // The window changed size: the fitting zoom modes follow.
  void FormResize();
  // Prints the poster with the poster dialog's settings, no dialog.
  void FastPrinting();
  // The poster dialog, then the print dialog, then printing.
  void PrintOut();
  // Toggles the page view: the whole page fits the window, without guide
  // lines; switching back restores the zoom mode it had.
  void Seitenansicht();
  bool pageViewOn() const;
  void FormActivate();
  void FormDeactivate();

  // EditorHost
  void showMessage(const std::string& text, MessageIcon icon, const std::string& caption = {}) override;
  void setStatusText(int panel, const std::string& text) override;
  void processPendingEvents() override;
  void setCaption(const std::string& caption) override;
  void fileMenuChanged() override;
  void requestRepaint() override;
  void dragMarksChanged() override;
  void scrollCaretIntoView() override;
  void setUndoHints(const UndoControl& undo, const UndoControl& redo) override;
  void zoomChanged() override;
  void scrollViewBy(int pixels) override;
  bool showOpenDialog(FileDialogState& dialog) override;
  bool showSaveDialog(FileDialogState& dialog) override;
  bool showFeldFormatDialog(FeldFormatDialog& dialog) override;
  bool showGrafikPropsDialog(GrafikPropsDialog& dialog) override;
  ObjectStyle newObjectStyle() override;
  QuestionAnswer askYesNoCancel(const std::string& text, const std::string& caption) override;
  SpellCheckAnswer showSpellCheckDialog(SpellCheckDialog& dialog) override;
  int showSearchForm(TSearchForm& form) override;
  bool showUserDictionaryDialog(UserDictionaryDialog& dialog) override;
  void toolbarFontChanged(const ToolbarFontState& state) override;
  bool showSonderzeichenDialog(SonderzeichenDialog& dialog) override;
  bool showZeichenDialog(ZeichenDialog& dialog) override;
  bool showAbsatzDialog(AbsatzDialog& dialog) override;
  bool showTabulatorDialog(TabulatorDialog& dialog) override;
  bool showNummerierungDialog(NummerierungDialog& dialog) override;
  bool showSpaltenDialog(SpaltenDialog& dialog) override;
  bool showFeldEinfuegenDialog(FeldEinfuegenDialog& dialog) override;
  bool showUserDateTimeDialog(UserDateTimeDialog& dialog) override;
  bool showDateTimeDialog(DateTimeDialog& dialog) override;
  bool showInsertFormFieldDialog(InsertFormFieldDialog& dialog) override;
  bool showFormDialog(FormDialog& dialog) override;
  bool showDocumentPropsDialog(DocumentPropsDialog& dialog) override;
  bool showVorlagenNameDialog(VorlagenNameDialog& dialog) override;
  bool showVorlagenVerwaltenDialog(VorlagenVerwaltenDialog& dialog) override;
  int screenDpi() const override;
  std::optional<ClipboardFormats> clipboardFormats() override;
  bool setClipboard(const ClipboardContents& contents) override;
  bool clipboardFormattedText(std::vector<uint8_t>& stream) override;
  bool clipboardText(std::string& cp1252) override;
  bool clipboardBitmap(std::vector<uint8_t>& dib) override;
  bool showInhalteEinfuegenDialog(InhalteEinfuegenDialog& dialog) override;
  bool showInsertTableDialog(InsertTableDialog& dialog) override;
  bool showInsertTableLinesDialog(InsertTableRowsDialog& dialog) override;
  bool showInsertTableColsDialog(InsertTableRowsDialog& dialog) override;
  bool showTableCellDialog(TTableCellForm& dialog) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  MainWindow& main_;
  PageView* view_;
  RulerFrame* rulers_;
  ShellDocument* document_ = nullptr;
  QTimer TimerPageSetup;
  QTimer Timer1;
  bool active_ = false;
  int32_t zoomModeBeforePageView_ = 0;
};

}  // namespace vendaro
