#include <gtest/gtest.h>

#include <sys/stat.h>

#include "platform/paths.h"
#include "scripted_shell_host.h"
#include "shell/document_files.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using test::ScriptedShellHost;
using ShellWithLetter = test::ShellWithLetter;
using Strings = std::vector<std::string>;

TEST(Shell, NonameNumbersAndTheStartWithAndWithoutFiles) {
  test::TempDir dir;
  test::writeNativeFile(dir.file("x.lpx"), "Erste");
  test::writeNativeFile(dir.file("y.lpx"), "Zweite");
  {
    ScriptedShellHost host;
    Shell shell(host);
    shell.FormShow({});
    shell.NewClick();
    shell.closeDocument(*shell.documents().front());
    shell.NewClick();
    EXPECT_EQ(host.shown, (Strings{"NONAME1 (neu)", "NONAME2 (neu)", "NONAME3 (neu)"}));
    EXPECT_TRUE(host.windows[0]->destroyed);
  }
  ScriptedShellHost host;
  Shell shell(host);
  shell.FormShow(parseWindowCommandLine({dir.file("x.lpx").string(), "/P", dir.file("y.lpx").string()}));
  shell.FormShow({});  // only once
  EXPECT_EQ(host.shown, (Strings{"x.lpx", "y.lpx"}));
  EXPECT_EQ(host.printed, Strings{"y.lpx"});
  EXPECT_TRUE(test::bodyContains(shell.documents()[1]->editor().doc(), "Zweite"));
  EXPECT_EQ(shell.settings().RecentFiles, (Strings{dir.file("y.lpx"), dir.file("x.lpx")}));
}

// Readers and writers that only record their calls.
void recordFormat(Shell& shell, DocumentFormat format, Strings& calls) {
  shell.formats().setReader(format, [&calls](Editor& editor, const fs::path& path, bool) {
    calls.push_back("read " + path.filename().string());
    editor.doc().DocFileName = path.string();
    return true;
  });
  shell.formats().setWriter(format, [&calls](Editor&, const fs::path& path, bool) {
    calls.push_back("write " + path.filename().string());
    return true;
  });
}

TEST(Shell, DispatchByFilterExtensionAndTheFormatReadIn) {
  test::TempDir dir;
  ScriptedShellHost host;
  Shell shell(host);
  shell.settings().MakeBackups = true;
  test::writeFileBytes(dir.file("brief.rtf"), "{\\rtf1 Hallo}");
  shell.formats().setReader(DocumentFormat::rtf, {});
  EXPECT_EQ(shell.openDocument(dir.file("brief.rtf"), kOpenByExtension), nullptr);
  EXPECT_TRUE(host.windows[0]->destroyed);
  // Without an RTF reader the file is tried as a native document.
  EXPECT_EQ(host.windows[0]->messages.at(0).text, "Dies ist kein gültiges Lumen-Praxiva Dokument!");
  EXPECT_TRUE(shell.settings().RecentFiles.empty());

  // A new document saved with the second filter and no extension: ".rtf",
  // here a format without a writer.
  shell.formats().setWriter(DocumentFormat::rtf, {});
  ShellDocument& document = *shell.NewClick();
  test::ScriptedWindow& window = ScriptedShellHost::windowOf(document);
  window.saveAnswer = FileDialogState{{}, 2, dir.file("brief").string(), false};
  EXPECT_FALSE(shell.SaveFileClick(&document));
  EXPECT_EQ(window.messages.back().text, "Konnte Datei brief.rtf nicht erstellen!");
  EXPECT_FALSE(fs::exists(dir.file("brief.bak")));  // no backup for a save that cannot happen
  // The failed name does not stick: the next save asks again.
  EXPECT_EQ(document.editor().doc().DocFileName, "");
  EXPECT_EQ(document.DocFileType, kSaveByExtension);
  Strings calls;
  recordFormat(shell, DocumentFormat::rtf, calls);
  EXPECT_TRUE(shell.SaveFileClick(&document));
  EXPECT_EQ(window.saveRequests.size(), 2u);

  // Text read from a recent .txt entry or a file of any other name saves
  // as text; a template is native.
  recordFormat(shell, DocumentFormat::ansiText, calls);
  test::writeFileBytes(dir.file("notiz.txt"), "Notiz");
  test::writeFileBytes(dir.file("liesmich"), "Lies mich");
  shell.settings().RecentFiles = {dir.file("notiz.txt")};
  ShellDocument* notes = shell.openRecentFile(0);
  ShellDocument* readme = shell.openDocument(dir.file("liesmich"), kOpenAllFiles);
  EXPECT_EQ(shell.openRecentFile(5), nullptr);
  EXPECT_TRUE(shell.SaveFileClick(notes));
  EXPECT_TRUE(shell.SaveFileClick(readme));
  EXPECT_EQ(calls, (Strings{"write brief.rtf", "read notiz.txt", "read liesmich", "write notiz.txt", "write liesmich"}));
  EXPECT_EQ(openFormatFor(kOpenAllFiles, "normal.LPW"), DocumentFormat::native);

  // The maximum lowered in the options: the newest entries stay.
  shell.settings().RecentFilesMax = 1;
  EXPECT_EQ(shell.File1Click(), Strings{"&1 liesmich"});
}

TEST(Shell, AWordFileIsNeverSavedOverItsSource) {
  test::TempDir dir;
  test::writeNativeFile(dir.file("Brief.doc"), "Word");  // the stand-in reader reads native data
  const std::string source = test::readFileBytes(dir.file("Brief.doc"));
  ScriptedShellHost host;
  Shell shell(host);
  shell.formats().setReader(DocumentFormat::word, openNativeFile);
  ShellDocument* document = shell.openDocument(dir.file("Brief.doc"), kOpenAllDocuments);
  ASSERT_NE(document, nullptr);
  document->editor().SetFileChanged(true);

  test::ScriptedWindow& window = ScriptedShellHost::windowOf(*document);
  EXPECT_FALSE(shell.FormCloseQuery(*document));  // Cancel
  window.answer = QuestionAnswer::yes;
  EXPECT_FALSE(shell.FormCloseQuery(*document));  // Yes, then the save dialog cancelled
  const FileDialogState& request = window.saveRequests.at(0);
  EXPECT_EQ(request.fileName, dir.file("Brief.lpx").string());
  EXPECT_EQ(request.filterIndex, kSaveNative);
  EXPECT_EQ(window.questions[0], "Dokument speichern?: Möchten Sie die Änderungen in Brief.doc speichern?");

  window.saveAnswer = request;
  EXPECT_TRUE(shell.FormCloseQuery(*document));
  EXPECT_EQ(test::readFileBytes(dir.file("Brief.doc")), source);
  EXPECT_EQ(document->editor().doc().DocTitle, "Brief.lpx");
  EXPECT_TRUE(shell.FormCloseQuery(*document));  // saved: nothing to ask
  window.answer = QuestionAnswer::no;
  document->editor().SetFileChanged(true);
  EXPECT_TRUE(shell.closeAllQuery());
  EXPECT_EQ(window.questions.size(), 4u);
}

TEST_F(ShellWithLetter, AFailedSaveKeepsTheEarlierNameAndType) {
  test::ScriptedWindow& window = ScriptedShellHost::windowOf(*document);
  // A folder that is not there (unwritable for everyone, root included).
  window.saveAnswer = FileDialogState{{}, kSaveNative, dir.file("fehlt/neu").string(), false};
  EXPECT_FALSE(shell.SaveAsClick(document));
  EXPECT_EQ(document->editor().doc().DocFileName, dir.file("brief.lpx").string());
  EXPECT_EQ(document->DocFileType, kSaveNative);
  EXPECT_EQ(document->editor().doc().DocTitle, "brief.lpx");
  // A writer that fails: the earlier name and type stay as well.
  shell.formats().setWriter(DocumentFormat::native, [](Editor&, const fs::path&, bool) { return false; });
  window.saveAnswer = FileDialogState{{}, kSaveNative, dir.file("anders.lpx").string(), false};
  EXPECT_FALSE(shell.SaveAsClick(document));
  EXPECT_EQ(document->editor().doc().DocFileName, dir.file("brief.lpx").string());
}

TEST(Shell, TheDialogsOfferOnlyFormatsTheProgramCanReadOrWrite) {
  const auto indices = [](const std::vector<FileDialogFilter>& filters) {
    std::vector<int32_t> found;
    for (const FileDialogFilter& filter : filters) found.push_back(filter.index);
    return found;
  };
  DocumentFormats formats;
  // The program's own files, RTF, Word files and plain text, which any
  // unknown extension is.
  EXPECT_EQ(indices(offeredOpenFilters(formats)),
            (std::vector<int32_t>{kOpenNative, kOpenWord, kOpenRtf, kOpenAnsiText, kOpenDosText, kOpenAllDocuments,
                                  kOpenAllFiles}));
  EXPECT_EQ(offeredOpenFilters(formats)[5].patterns, "*.doc;*.lpx;*.rtf;*.htm;*.html;*.txt");
  EXPECT_EQ(indices(offeredSaveFilters(formats)),
            (std::vector<int32_t>{kSaveNative, kSaveRtf, kSaveAnsiText, kSaveDosText}));

  formats.setReader(DocumentFormat::word, {});
  for (DocumentFormat text : {DocumentFormat::ansiText, DocumentFormat::dosText}) {
    formats.setReader(text, {});
    formats.setWriter(text, {});
  }
  formats.setReader(DocumentFormat::rtf, {});
  const std::vector<FileDialogFilter> open = offeredOpenFilters(formats);
  EXPECT_EQ(indices(open), (std::vector<int32_t>{kOpenNative, kOpenAllDocuments, kOpenAllFiles}));
  EXPECT_EQ(open[1].patterns, "*.lpx");
  EXPECT_EQ(indices(offeredSaveFilters(formats)), (std::vector<int32_t>{kSaveNative, kSaveRtf}));

  // A format switches on by getting its reader or writer.
  const auto nothing = [](Editor&, const fs::path&, bool) { return true; };
  formats.setReader(DocumentFormat::rtf, nothing);
  formats.setReader(DocumentFormat::ansiText, nothing);
  formats.setWriter(DocumentFormat::dosText, nothing);
  EXPECT_EQ(indices(offeredOpenFilters(formats)),
            (std::vector<int32_t>{kOpenNative, kOpenRtf, kOpenAnsiText, kOpenAllDocuments, kOpenAllFiles}));
  EXPECT_EQ(offeredOpenFilters(formats)[3].patterns, "*.lpx;*.rtf;*.htm;*.html;*.txt");
  EXPECT_EQ(indices(offeredSaveFilters(formats)), (std::vector<int32_t>{kSaveNative, kSaveRtf, kSaveDosText}));
}

TEST(Shell, DocumentsFollowTheSettings) {
  test::TempDir dir;
  ProgramSettings stored;
  stored.ShowTabs = true;
  stored.QuoteStyle = 0;
  ASSERT_TRUE(writeSettingsFile(UserConfigDir() / "settings.dat", stored));
  ScriptedShellHost host;
  Shell shell(host);
  ShellDocument* document = shell.NewClick();
  shell.OpenSettings();
  EXPECT_EQ(shell.settings(), stored);
  EXPECT_TRUE(document->editor().viewOptions().ShowTabs);
  EXPECT_EQ(document->editor().typingOptions().QuoteStyle, 0);

  shell.settings().MaxUndoSteps = 3;
  shell.settingsChanged();
  EXPECT_EQ(shell.NewClick()->editor().undoHistory().MaxUndoSteps, 3);
  ProgramSettings reread;
  ASSERT_TRUE(readSettingsFile(UserConfigDir() / "settings.dat", reread));
  EXPECT_EQ(reread, shell.settings());
}

TEST_F(ShellWithLetter, BackupsKeepThePreviousFile) {
  ASSERT_TRUE(shell.SaveFileClick(document));
  EXPECT_FALSE(fs::exists(dir.file("brief.bak")));  // backups are off by default
  const std::string first = test::readFileBytes(dir.file("brief.lpx"));

  shell.settings().MakeBackups = true;
  for (const char* title : {"neu", "neuer"}) {
    const std::string previous = test::readFileBytes(dir.file("brief.lpx"));
    document->editor().doc().DocProps[0] = title;
    ASSERT_TRUE(shell.SaveFileClick(document));
    EXPECT_EQ(test::readFileBytes(dir.file("brief.bak")), previous);
    EXPECT_NE(test::readFileBytes(dir.file("brief.lpx")), previous);
  }

  // A backup that cannot be made is reported and the save goes on.
  fs::remove(dir.file("brief.bak"));
  fs::create_directory(dir.file("brief.bak"));
  document->editor().doc().DocProps[0] = "am neuesten";
  EXPECT_TRUE(shell.SaveFileClick(document));
  EXPECT_EQ(ScriptedShellHost::windowOf(*document).messages.back().text, "Konnte Backup-Datei nicht anlegen");
  EXPECT_NE(test::readFileBytes(dir.file("brief.lpx")), first);
}

// The window's open path refuses what is not a file before any reader
// sees it, with the message the command line gives: a native file is no
// document, a text file cannot be opened.
TEST(Shell, APipeOrAFolderIsNoDocument) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("rohr.lpx").c_str(), 0600), 0);
  fs::create_directory(dir.file("ordner.txt"));
  ScriptedShellHost host;
  Shell shell(host);
  EXPECT_EQ(shell.openDocument(dir.file("rohr.lpx"), kOpenByExtension), nullptr);
  EXPECT_EQ(shell.openDocument(dir.file("ordner.txt"), kOpenAnsiText), nullptr);
  EXPECT_EQ(shell.openDocument(dir.file("rohr.lpx"), kOpenDosText), nullptr);
  ASSERT_EQ(host.windows.size(), 3u);
  for (const auto& window : host.windows) EXPECT_TRUE(window->destroyed);
  EXPECT_EQ(host.windows[0]->messages.at(0).text, "Dies ist kein gültiges Lumen-Praxiva Dokument!");
  EXPECT_EQ(host.windows[1]->messages.at(0).text, "Konnte Datei ordner.txt nicht öffnen!");
  EXPECT_EQ(host.windows[2]->messages.at(0).text, "Konnte Datei rohr.lpx nicht öffnen!");
  EXPECT_TRUE(shell.settings().RecentFiles.empty());
}

}  // namespace
}  // namespace vendaro
