#include "shell/shell.h"

#include <algorithm>
#include <cassert>
#include <system_error>

#include "formats/lpx_file.h"
#include "platform/paths.h"
#include "shell/document_files.h"
#include "shell/pdf_export.h"
#include "shell/recent_files.h"
#include "shell/recovery_files.h"
#include "spelling/spelling_service.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

constexpr char kNonamePrefix[] = "NONAME";
constexpr char kRecoveryActivity[] = "Speichere Wiederherstellen-Infos...";

}  // namespace

// Sets QuietFileOp for as long as it lives.
class Shell::QuietScope {
 public:
  explicit QuietScope(Shell& shell) : shell_(shell), before_(shell.QuietFileOp) { shell_.QuietFileOp = true; }
  ~QuietScope() { shell_.QuietFileOp = before_; }
  QuietScope(const QuietScope&) = delete;
  QuietScope& operator=(const QuietScope&) = delete;

 private:
  Shell& shell_;
  bool before_;
};

// The main window is made: the German word list is read now, so that the
// first spelling question of a document does not wait for it.
Shell::Shell(ShellHost& host, ProgramServices& services)
    : host_(host), services_(services), configFolder_(UserConfigDir()), recovery_(configFolder_) {
  services_.spelling.readWordList(SpellingService::kGerman);
}

Shell::~Shell() = default;

// --- settings ----------------------------------------------------------------

void Shell::OpenSettings() {
  readSettingsFile(configFolder_ / kSettingsFileName, settings_);
  for (auto& document : documents_) applySettings(document->editor());
}

void Shell::SaveSettings() { writeSettingsFile(configFolder_ / kSettingsFileName, settings_); }

void Shell::settingsChanged() {
  for (auto& document : documents_) applySettings(document->editor());
  SaveSettings();
}

void Shell::applySettings(Editor& editor) const {
  editor.setMaxUndoSteps(settings_.MaxUndoSteps);
  editor.typingOptions().QuoteStyle = settings_.QuoteStyle;
  editor.setUserInfo({settings_.UserName, settings_.UserInitials, settings_.UserAddress});
  ViewOptions& view = editor.viewOptions();
  view.ShowTabs = settings_.ShowTabs;
  view.ShowSpaces = settings_.ShowSpaces;
  view.ShowParagraphMarks = settings_.ShowParagraphMarks;
  view.ShowAllMarks = settings_.ShowAllMarks;
  view.CheckWhileTyping = settings_.CheckWhileTyping;
  view.HideFieldGuides = settings_.HideFieldGuides;
}

// --- start and end -------------------------------------------------------------

void Shell::FormShow(const std::vector<StartFile>& startFiles) {
  if (ShownOnce) return;
  ShownOnce = true;
  // Taken before anything is written, so that no pass can replace a file
  // that is still to be reopened.
  const std::vector<fs::path> leftFiles = recovery_.takeLeftFiles();
  for (const StartFile& file : startFiles) openDocument(file.path, kOpenByExtension, file.print);
  // After a crash the recovered work comes up on its own, without an empty
  // document and its page set-up dialog in front of it.
  if (recoverDocuments(leftFiles) == 0 && startFiles.empty()) NewClick();
  startDone_ = true;
}

bool Shell::closeAllQuery() {
  for (auto& document : documents_) {
    if (!FormCloseQuery(*document)) return false;
  }
  return true;
}

void Shell::FormClose() {
  SaveSettings();
  recovery_.discardAll();
}

// --- documents -------------------------------------------------------------------

ShellDocument& Shell::createDocument() {
  EditorHost& window = host_.createDocumentWindow();
  documents_.push_back(std::make_unique<ShellDocument>(window, services_));
  documents_.back()->editor().shareTypingOptions(typingOptions_);
  applySettings(documents_.back()->editor());
  return *documents_.back();
}

void Shell::discardDocument(ShellDocument& document) {
  const auto it = std::find_if(documents_.begin(), documents_.end(),
                               [&](const auto& candidate) { return candidate.get() == &document; });
  assert(it != documents_.end());
  EditorHost& window = document.window();
  documents_.erase(it);
  host_.destroyDocumentWindow(window);
}

void Shell::setTitle(ShellDocument& document, const std::string& title) {
  document.editor().doc().DocTitle = title;
  document.window().setCaption(title);
}

ShellDocument* Shell::CreateMDIChild(const std::string& title) {
  ShellDocument& document = createDocument();
  {
    QuietScope quiet(*this);
    createNewDocument(document.editor());
  }
  document.Loaded = true;
  setTitle(document, title);
  host_.showDocumentWindow(document, true);
  return &document;
}

ShellDocument* Shell::NewClick() { return CreateMDIChild(nextNonameTitle()); }

std::string Shell::nextNonameTitle() const {
  const auto taken = [&](const std::string& title) {
    return std::any_of(documents_.begin(), documents_.end(),
                       [&](const auto& document) { return document->editor().doc().DocTitle == title; });
  };
  size_t number = documents_.size() + 1;
  while (taken(kNonamePrefix + std::to_string(number))) ++number;
  return kNonamePrefix + std::to_string(number);
}

ShellDocument* Shell::OpenClick() {
  FileDialogState dialog{offeredOpenFilters(formats_), LastOpenFilter, {}, false};
  if (!host_.showOpenDialog(dialog)) return nullptr;
  LastOpenFilter = dialog.filterIndex;
  return openDocument(dialog.fileName, dialog.filterIndex);
}

ShellDocument* Shell::openDocument(const fs::path& path, int32_t openType, bool print) {
  ShellDocument& document = createDocument();
  document.editor().FormCreate();
  setTitle(document, path.filename().string());
  if (!OpenFile(document, path, openType)) {
    discardDocument(document);
    return nullptr;
  }
  document.Loaded = true;
  if (print) host_.printWithoutDialog(document.editor());
  host_.showDocumentWindow(document, false);
  return &document;
}

ShellDocument* Shell::openRecentFile(size_t index) {
  if (index >= settings_.RecentFiles.size()) return nullptr;
  const std::string path = settings_.RecentFiles[index];
  return openDocument(path, kOpenByExtension);
}

bool Shell::OpenFile(ShellDocument& document, const fs::path& path, int32_t openType) {
  const std::optional<DocumentFormat> format = openDocumentFile(document.editor(), formats_, path, openType, QuietFileOp);
  if (!format) return false;
  document.DocFileType = docFileTypeAfterOpening(*format);
  document.SourceNotWritable = !formatCanBeWritten(*format);
  if (!QuietFileOp) AddToLastUsedFiles(path.string());
  return true;
}

bool Shell::SaveFileClick(ShellDocument* document) {
  if (document == nullptr) return false;
  const std::string& fileName = document->editor().doc().DocFileName;
  if (fileName.empty()) return saveUnderChosenName(*document, {}, LastSaveFilter);
  // Writing the native format into the Word file would destroy it: the
  // first save proposes a native file beside it instead.
  if (document->SourceNotWritable) {
    return saveUnderChosenName(*document, fs::path(fileName).replace_extension(".lpx").string(), kSaveNative);
  }
  return SaveFile(*document);
}

bool Shell::SaveAsClick(ShellDocument* document) {
  if (document == nullptr) return false;
  const fs::path proposed = fs::path(document->editor().doc().DocFileName).replace_extension();
  return saveUnderChosenName(*document, proposed.string(), LastSaveFilter);
}

bool Shell::PDFExport1Click(ShellDocument* document) {
  if (document == nullptr) return false;
  fs::path proposed = document->editor().doc().DocFileName;
  if (!proposed.empty()) proposed.replace_extension(".pdf");
  FileDialogState dialog{pdfDialogFilters(), 1, proposed.string(), true};
  if (!document->window().showSaveDialog(dialog) || dialog.fileName.empty()) return false;
  return SavePDFFile(document->editor(), withPdfExtension(dialog.fileName));
}

bool Shell::saveUnderChosenName(ShellDocument& document, const std::string& proposedName, int32_t filterIndex) {
  FileDialogState dialog{offeredSaveFilters(formats_), filterIndex, proposedName, true};
  if (!document.window().showSaveDialog(dialog) || dialog.fileName.empty()) return false;
  LastSaveFilter = dialog.filterIndex;
  // A failed save leaves the document as it was: a name that could not be
  // written (no writer, no access) must not stick, or every later save would
  // fail the same way without asking.
  std::string& fileName = document.editor().doc().DocFileName;
  const std::string earlierName = fileName;
  const int32_t earlierType = document.DocFileType;
  const bool earlierNotWritable = document.SourceNotWritable;
  document.DocFileType = dialog.filterIndex;
  fileName = withSaveFilterExtension(dialog.fileName, dialog.filterIndex).string();
  document.SourceNotWritable = false;
  if (SaveFile(document)) return true;
  fileName = earlierName;
  document.DocFileType = earlierType;
  document.SourceNotWritable = earlierNotWritable;
  return false;
}

bool Shell::SaveFile(ShellDocument& document) {
  const fs::path path = document.editor().doc().DocFileName;
  const DocumentWriter& writer = formats_.writer(saveFormatFor(document.DocFileType, path));
  if (!writer) {
    // Checked before the backup, so that nothing is touched for a save
    // that cannot happen.
    document.window().showMessage(cannotCreateMessage(path), MessageIcon::error);
    return false;
  }
  std::error_code error;
  if (settings_.MakeBackups && fs::exists(path, error) && backupPathFor(path) != path) {
    if (!makeBackup(path)) document.window().showMessage(kBackupFailedMessage, MessageIcon::error);
  }
  if (!writer(document.editor(), path, QuietFileOp)) return false;
  if (!QuietFileOp) AddToLastUsedFiles(path.string());
  return true;
}

bool Shell::FormCloseQuery(ShellDocument& document) {
  const Document& doc = document.editor().doc();
  if (!doc.Modified) return true;
  switch (document.window().askYesNoCancel("Möchten Sie die Änderungen in " + doc.DocTitle + " speichern?",
                                           "Dokument speichern?")) {
    case QuestionAnswer::yes: return SaveFileClick(&document);
    case QuestionAnswer::no: return true;
    case QuestionAnswer::cancel: break;
  }
  return false;
}

void Shell::closeDocument(ShellDocument& document) { discardDocument(document); }

// --- recent files ------------------------------------------------------------------

void Shell::AddToLastUsedFiles(const std::string& path) {
  vendaro::AddToLastUsedFiles(settings_.RecentFiles, path, settings_.RecentFilesMax);
}

std::vector<std::string> Shell::File1Click() {
  trimRecentFiles(settings_.RecentFiles, settings_.RecentFilesMax);
  return recentFileMenuCaptions(settings_.RecentFiles);
}

// --- recovery ----------------------------------------------------------------------

void Shell::AutoSaveTimerTimer() {
  // A pass waits for the start to finish (the files of the last run are not
  // yet reopened) and never runs inside another one (a message it shows
  // lets the timer fire again).
  if (!settings_.AutoSaveEnabled || !startDone_ || recoveryPassRunning_) return;
  const fs::path& folder = recovery_.folder();
  if (folder.empty()) return;
  recoveryPassRunning_ = true;
  QuietScope quiet(*this);
  host_.setStatusText(kPanelActivity, kRecoveryActivity);
  std::vector<Editor*> editors;
  std::vector<std::string> baseNames;
  for (const auto& document : documents_) {
    if (!document->Loaded) continue;
    const Document& doc = document->editor().doc();
    editors.push_back(&document->editor());
    baseNames.push_back(recoveryBaseName(doc.DocFileName, doc.DocTitle));
  }
  const std::vector<fs::path> paths = recoveryFilePaths(folder, baseNames);
  // Every document, modified or not: the file replaces the one of the last
  // pass only once it is written whole.
  bool complete = true;
  for (size_t i = 0; i < paths.size(); ++i) complete = saveNativeFile(*editors[i], paths[i], true) && complete;
  recovery_.passFinished(paths, complete);
  host_.setStatusText(kPanelActivity, "");
  recoveryPassRunning_ = false;
}

size_t Shell::recoverDocuments(const std::vector<fs::path>& files) {
  QuietScope quiet(*this);
  size_t recovered = 0;
  for (const fs::path& file : files) {
    ShellDocument& document = createDocument();
    Editor& editor = document.editor();
    editor.FormCreate();
    setTitle(document, file.filename().string() + kRecoveredSuffix);
    if (!OpenFile(document, file, kOpenNative)) {
      discardDocument(document);
      continue;
    }
    // Without a file name saving asks for one. Marked modified so that
    // closing asks to save: its recovery file goes with the next pass or end.
    editor.doc().DocFileName.clear();
    editor.SetFileChanged(true);
    document.Loaded = true;
    host_.showDocumentWindow(document, false);
    ++recovered;
  }
  return recovered;
}

}  // namespace vendaro
