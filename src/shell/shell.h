// shell.h — the document half of the main window: the program's settings,
// the open documents with what the shell keeps about each, the commands that
// create, open, save and close them, recent files and recovery files.
// The main window drives it and implements ShellHost; it holds no window.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "editing/editor.h"
#include "shell/file_dispatch.h"
#include "shell/recovery_store.h"
#include "shell/settings_file.h"
#include "shell/shell_host.h"
#include "shell/window_command_line.h"

namespace vendaro {

// One open document: its editor, the window it lives in, and how it is saved.
class ShellDocument {
 public:
  ShellDocument(EditorHost& window, ProgramServices& services) : window_(window), editor_(window, services) {}
  ShellDocument(const ShellDocument&) = delete;
  ShellDocument& operator=(const ShellDocument&) = delete;

  Editor& editor() { return editor_; }
  const Editor& editor() const { return editor_; }
  EditorHost& window() { return window_; }

  // The save format (SaveFileType); kSaveByExtension goes by DocFileName.
  int32_t DocFileType = kSaveByExtension;
  // Read from a format the program cannot write (Word): saving asks for a
  // new name instead of writing over the source.
  bool SourceNotWritable = false;
  // Set once its template or file has been read: a document still being
  // opened (or failing to open) has nothing worth a recovery file.
  bool Loaded = false;

 private:
  EditorHost& window_;
  Editor editor_;
};

class Shell {
 public:
  explicit Shell(ShellHost& host, ProgramServices& services = ProgramServices::shared());
  // Frees the remaining editors without asking the host anything: the main
  // window is being destroyed with them.
  ~Shell();
  Shell(const Shell&) = delete;
  Shell& operator=(const Shell&) = delete;

  // --- settings ------------------------------------------------------------
  ProgramSettings& settings() { return settings_; }
  const ProgramSettings& settings() const { return settings_; }
  // Reads settings.dat from the configuration folder; without one the
  // defaults stay. Open documents follow the settings read.
  void OpenSettings();
  // Writes settings.dat; a file that cannot be written is skipped.
  void SaveSettings();
  // After the options dialog or a toggled tool bar, ruler, status bar or
  // marks button: every document follows the settings, which are saved.
  // The window then refreshes the active document (CompleteRefresh).
  void settingsChanged();
  // What the keys of every document obey: one overwrite mode for the whole
  // program (the Insert key in one window switches it for all).
  TypingOptions& typingOptions() { return typingOptions_; }
  // Period for the window's recovery timer; 0: no timer.
  int recoveryIntervalMs() const { return recoveryTimerIntervalMs(settings_); }
  const std::filesystem::path& configFolder() const { return configFolder_; }
  // Where this running copy writes its recovery files (see RecoveryStore).
  const std::filesystem::path& recoveryFolder() { return recovery_.folder(); }

  // --- start and end -------------------------------------------------------
  // The first showing of the main window (later calls do nothing): the
  // files of the command line, then every recovery file an abnormal end
  // left behind; a new document only when neither brought one.
  void FormShow(const std::vector<StartFile>& startFiles);
  // The main window is asked to close: every document's close query; false
  // as soon as one document stays open.
  bool closeAllQuery();
  // The main window closes: settings saved, this copy's recovery files
  // (and those it reopened) deleted.
  void FormClose();

  // --- documents -------------------------------------------------------------
  const std::vector<std::unique_ptr<ShellDocument>>& documents() const { return documents_; }
  // A new document from the start template, titled `title`.
  ShellDocument* CreateMDIChild(const std::string& title);
  // "&Neu": a new document titled NONAME and a number.
  ShellDocument* NewClick();
  // "NONAME" and the number of open documents plus one, counting further
  // while an open document has that title.
  std::string nextNonameTitle() const;
  // "Ö&ffnen": the open dialog, then a window for the chosen file.
  ShellDocument* OpenClick();
  // A window for the file, read as `openType` (OpenFileType); null when it
  // could not be opened (the reader told the user, the window is gone).
  ShellDocument* openDocument(const std::filesystem::path& path, int32_t openType, bool print = false);
  // The File menu's recent file `index` (from 0); null when there is none.
  ShellDocument* openRecentFile(size_t index);
  // "&Speichern": asks for a name first when the document has none or came
  // from a format that cannot be written. False without a document, on
  // cancel and when saving failed.
  bool SaveFileClick(ShellDocument* document);
  // "Speichern &unter...".
  bool SaveAsClick(ShellDocument* document);
  // "PDF-Export...": the PDF save dialog, then the document as a PDF file.
  // False without a document, on cancel and when the file was not written.
  bool PDFExport1Click(ShellDocument* document);
  // May the document's window close? Asks to save a modified document.
  bool FormCloseQuery(ShellDocument& document);
  // Frees the document's editor and lets the host close its window.
  void closeDocument(ShellDocument& document);

  // --- recent files ----------------------------------------------------------
  void AddToLastUsedFiles(const std::string& path);
  // The File menu opens: the list is cut to its maximum; returns the
  // captions of its items, newest first (empty: no separator either).
  std::vector<std::string> File1Click();

  // --- recovery --------------------------------------------------------------
  // The recovery timer fired: every open document is written quietly in
  // the native format into recoveryFolder() (unless switched off). Does
  // nothing before the start is complete or inside another file operation.
  void AutoSaveTimerTimer();

  // Readers and writers of the formats beyond the native one plug in here.
  DocumentFormats& formats() { return formats_; }

  // Set while the shell reads the template or recovery files or writes
  // recovery files: names, titles, modified state and recent files stay.
  bool QuietFileOp = false;
  // The filter each dialog shows next (from 1).
  int32_t LastOpenFilter = 1;
  int32_t LastSaveFilter = 1;

 private:
  class QuietScope;

  ShellDocument& createDocument();
  void discardDocument(ShellDocument& document);
  void applySettings(Editor& editor) const;
  void setTitle(ShellDocument& document, const std::string& title);
  // Returns how many documents were reopened.
  size_t recoverDocuments(const std::vector<std::filesystem::path>& files);
  bool OpenFile(ShellDocument& document, const std::filesystem::path& path, int32_t openType);
  bool SaveFile(ShellDocument& document);
  bool saveUnderChosenName(ShellDocument& document, const std::string& proposedName, int32_t filterIndex);

  ShellHost& host_;
  ProgramServices& services_;
  std::filesystem::path configFolder_;
  ProgramSettings settings_;
  TypingOptions typingOptions_;
  DocumentFormats formats_;
  RecoveryStore recovery_;
  std::vector<std::unique_ptr<ShellDocument>> documents_;
  bool ShownOnce = false;
  bool startDone_ = false;
  bool recoveryPassRunning_ = false;
};

}  // namespace vendaro
