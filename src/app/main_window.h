// main_window.h — the main frame (TMainForm): one MDI window per open
// document, the menus, the status bar with its four panels (page, line and
// column, overwrite mode, activity), the recovery timer and the dialogs the
// documents share. The shell's document logic runs behind it.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "app/ruler_widgets.h"
#include "shell/shell.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QPrinter;
class QToolBar;

namespace vendaro {

class DrawingToolbar;
class EditorWindow;
class FormatDialogs;
class FieldForms;
class FormatToolbar;
class SpacingToolbar;
class StandardToolbar;
class TAboutBox;
class TZoomForm;
class ZoomBox;
class MainMenus;
class OptionsDialog;
class PageSetupDialog;
class PosterPrintDialog;
class SearchForm;
class SpellCheckForm;
class UserDictionaryForm;

class MainWindow : public QMainWindow, public ShellHost {
  Q_OBJECT

 public:
  // `arguments`: the command line after the program name.
  explicit MainWindow(std::vector<std::string> arguments = {});
  ~MainWindow() override;

  Shell& shell() { return shell_; }
  QMdiArea& documentArea() const { return *documents_; }
  QLabel& statusPanel(int panel) const { return *panels_[panel]; }
  MainMenus& menus() const { return *menus_; }
  std::vector<EditorWindow*> editorWindows() const;
  // The window commands act on; null without documents.
  EditorWindow* activeEditorWindow() const;
  ShellDocument* activeDocument() const;

  // Shared dialogs, made on first use and kept with their state.
  PageSetupDialog& pageSetupDialog();
  OptionsDialog& optionsDialog();
  SearchForm& searchForm();
  SpellCheckForm& spellCheckForm();
  UserDictionaryForm& userDictionaryForm();
  PosterPrintDialog& posterPrintDialog();
  // The program's one printer, at the resolution the layout measures with.
  QPrinter& printer();
  FormatDialogs& formatDialogs() { return *formatDialogs_; }
  FieldForms& fieldForms() { return *fieldForms_; }
  FormatToolbar& formatToolbar() const { return *formatToolbar_; }
  StandardToolbar& standardToolbar() const { return *standardToolbar_; }
  DrawingToolbar& drawingToolbar() const { return *drawingToolbar_; }
  ZoomBox& zoomBox() const;
  TAboutBox& aboutBox();
  TZoomForm& zoomForm();
  // The four tool bars by their settings' order: 0 "Formatleiste",
  // 1 "Standartleiste", 2 "Zeichnenleiste", 3 "Format erweitert".
  QToolBar* toolBar(int bar) const;
  bool toolBarShown(int bar) const;

  // --- commands ----------------------------------------------------------------
  void FileNew1Execute();
  void FileOpen1Execute();
  void FileSave1Execute();
  void FileSaveAs1Execute();
  void PDFExport1Execute();
  void SeiteeinrichtenM1Click();
  // "Seitenansic&ht", "&Drucken..." and "Drucker einrichten..." (the last
  // also without a document).
  void SeitenansichtM1Click();
  void DruckenM1Click();
  void Druckereinrichten1Click();
  void Optionen1Click();
  void openRecentFile(size_t index);
  // "Beim &Eingeben überprüfen".
  void toggleCheckWhileTyping();
  // "&Gesamtes Dokument...", "Ab &Schreibmarke...", "&Benutzerwörterbuch...".
  void spellCheckDocument(bool wholeDocument);
  void UserDictionary1Click();
  // Settings changed: documents, spelling marks and the recovery timer follow.
  void applySettings();
  // "&Lineal": the rulers of every editor window shown or hidden; saved.
  void toggleRuler();
  // "&Symbolleisten", "S&tatuszeile" and notprintablebtn: shown or hidden,
  // and saved.
  void toggleToolBar(int bar);
  void toggleStatusBar();
  void toggleShowAllMarks();
  // The print button: the poster with its last settings, no dialog.
  void FastPrinting1Click();
  // Zoom: text of the zoom box (or "100%" from the menu), a fitting mode
  // ("Seiten&breite", "&Ganze Seite"), the zoom dialog.
  void applyZoomText(const QString& text);
  void setFittingZoom(int32_t mode);
  void showZoomDialog();
  // The colour and line width buttons apply their stored value.
  void AktiviereTextColor();
  void AktiviereTextBkColor();
  void AktiviereBkColor();
  void AktiviereLineColor();
  void SetLineWidth();
  // "&Inhalt": the HTML help in the desktop's browser; "&Info...".
  void Inhalt1Click();
  void HelpAbout1Execute();
  // The kind of the tab stops a ruler click sets, shared by all windows.
  int32_t RulerTabKind = 0;
  RulerTabKindSource rulerTabKind();

  // --- ShellHost -------------------------------------------------------------------
  EditorHost& createDocumentWindow() override;
  void showDocumentWindow(ShellDocument& document, bool fromTemplate) override;
  void destroyDocumentWindow(EditorHost& window) override;
  void printWithoutDialog(Editor& editor) override;
  void showMessage(const std::string& text, MessageIcon icon, const std::string& caption = {}) override;
  void setStatusText(int panel, const std::string& text) override;
  void processPendingEvents() override;
  void setCaption(const std::string& caption) override;
  bool showOpenDialog(FileDialogState& dialog) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void subWindowActivated(QMdiSubWindow* window);
  void resetRecoveryTimer();
  void connectSpelling(Editor& editor) const;
  void addToolBars();
  void showToolBarsFromSettings();

  std::vector<std::string> arguments_;
  Shell shell_;
  QMdiArea* documents_;
  QLabel* panels_[4];
  std::unique_ptr<MainMenus> menus_;
  std::unique_ptr<FormatDialogs> formatDialogs_;
  std::unique_ptr<FieldForms> fieldForms_;
  FormatToolbar* formatToolbar_ = nullptr;
  StandardToolbar* standardToolbar_ = nullptr;
  DrawingToolbar* drawingToolbar_ = nullptr;
  SpacingToolbar* spacingToolbar_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;
  TZoomForm* zoomForm_ = nullptr;
  QTimer AutoSaveTimer;
  QPointer<EditorWindow> activeWindow_;
  PageSetupDialog* pageSetupDialog_ = nullptr;
  OptionsDialog* optionsDialog_ = nullptr;
  SearchForm* searchForm_ = nullptr;
  SpellCheckForm* spellCheckForm_ = nullptr;
  UserDictionaryForm* userDictionaryForm_ = nullptr;
  PosterPrintDialog* posterPrintDialog_ = nullptr;
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace vendaro
