#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <memory>

#include "platform/paths.h"
#include "scripted_shell_host.h"
#include "shell/recovery_files.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using test::ScriptedShellHost;
using Strings = std::vector<std::string>;

std::vector<fs::path> filesIn(const fs::path& folder) { return findRecoveryFiles(folder); }

TEST(RecoveryFiles, NamesAreUniqueWithinAPass) {
  EXPECT_EQ(recoveryBaseName("/a/Brief.lpx", "Brief.lpx"), "Brief");
  EXPECT_EQ(recoveryBaseName("", "NONAME2"), "NONAME2");
  EXPECT_EQ(recoveryBaseName("", "Brief1.whi (Wiederhergestellt)"), "Brief1");
  EXPECT_EQ(recoveryFilePaths("/c", {"Brief", "Notiz", "Brief", "Brief1", "Brief"}),
            (std::vector<fs::path>{"/c/Brief.whi", "/c/Notiz.whi", "/c/Brief1.whi", "/c/Brief11.whi", "/c/Brief2.whi"}));
}

TEST(RecoveryFiles, WrittenEveryPassRecoveredAtTheNextStartDeletedAtANormalEnd) {
  test::TempDir dir;
  test::writeNativeFile(dir.file("a/Brief.lpx"), "aus Ordner a");
  test::writeNativeFile(dir.file("b/Brief.lpx"), "aus Ordner b");
  {
    ScriptedShellHost host;
    Shell shell(host);
    shell.FormShow({{dir.file("a/Brief.lpx")}, {dir.file("b/Brief.lpx")}});
    shell.settings().AutoSaveEnabled = false;
    shell.AutoSaveTimerTimer();
    EXPECT_TRUE(host.statusTexts.empty());
    shell.settings().AutoSaveEnabled = true;
    shell.AutoSaveTimerTimer();
    EXPECT_EQ(host.statusTexts, (std::vector<std::string>{"3:Speichere Wiederherstellen-Infos...", "3:"}));
    EXPECT_EQ(findRecoveryFiles(shell.configFolder()),
              (std::vector<fs::path>{shell.configFolder() / "Brief.whi", shell.configFolder() / "Brief1.whi"}));
    // Written quietly: the documents keep their names, the list is unchanged.
    EXPECT_EQ(shell.documents()[1]->editor().doc().DocFileName, dir.file("b/Brief.lpx").string());
    EXPECT_EQ(shell.settings().RecentFiles.size(), 2u);
  }  // ended without FormClose: the files stay

  ScriptedShellHost host;
  Shell shell(host);
  shell.FormShow({});
  // The recovered work comes up alone: no new document in front of it.
  EXPECT_EQ(host.shown, (Strings{"Brief.whi (Wiederhergestellt)", "Brief1.whi (Wiederhergestellt)"}));
  ShellDocument& second = *shell.documents().at(1);
  const Document& recovered = second.editor().doc();
  EXPECT_TRUE(test::bodyContains(recovered, "aus Ordner b"));
  EXPECT_TRUE(recovered.DocFileName.empty());
  EXPECT_EQ(recovered.Modified, 1);  // closing asks to save it
  EXPECT_EQ(ScriptedShellHost::windowOf(second).caption, "Brief1.whi (Wiederhergestellt)*");
  EXPECT_TRUE(shell.settings().RecentFiles.empty());

  // Saving asks for a name; cancelling keeps the window open.
  EXPECT_FALSE(shell.SaveFileClick(&second));
  EXPECT_EQ(ScriptedShellHost::windowOf(second).saveRequests.at(0).fileName, "");
  EXPECT_FALSE(shell.closeAllQuery());

  shell.FormClose();
  EXPECT_TRUE(findRecoveryFiles(shell.configFolder()).empty());
  EXPECT_TRUE(fs::exists(shell.configFolder() / "settings.dat"));
}

TEST(RecoveryFiles, EachRunningCopyKeepsAndDeletesOnlyItsOwn) {
  test::TempDir dir;
  test::writeNativeFile(dir.file("Brief.lpx"), "erste Kopie");
  test::writeNativeFile(dir.file("Notiz.lpx"), "zweite Kopie");
  auto first = std::make_unique<ScriptedShellHost>();
  auto firstShell = std::make_unique<Shell>(*first);
  firstShell->FormShow({{dir.file("Brief.lpx")}});
  firstShell->AutoSaveTimerTimer();
  const fs::path config = firstShell->configFolder();
  EXPECT_EQ(firstShell->recoveryFolder(), config);  // a lone copy writes Brief.whi beside settings.dat
  EXPECT_EQ(filesIn(config), std::vector<fs::path>{config / "Brief.whi"});

  {
    // A second copy on the same folder reopens nothing of the first's and,
    // ending normally, deletes only its own files.
    ScriptedShellHost host;
    Shell second(host);
    second.FormShow({});
    EXPECT_EQ(host.shown, Strings{"NONAME1 (neu)"});
    second.AutoSaveTimerTimer();
    ASSERT_NE(second.recoveryFolder(), config);
    EXPECT_EQ(filesIn(second.recoveryFolder()), std::vector<fs::path>{second.recoveryFolder() / "NONAME1.whi"});
    second.FormClose();
    EXPECT_TRUE(filesIn(second.recoveryFolder()).empty());
  }
  EXPECT_EQ(filesIn(config), std::vector<fs::path>{config / "Brief.whi"});

  // Both copies end abnormally (their objects go without FormClose, which
  // frees their locks as the end of a process does).
  ScriptedShellHost secondHost;
  auto secondShell = std::make_unique<Shell>(secondHost);
  secondShell->FormShow({{dir.file("Notiz.lpx")}});
  secondShell->AutoSaveTimerTimer();
  const fs::path secondFolder = secondShell->recoveryFolder();
  secondShell.reset();
  firstShell.reset();

  // The next copy reopens both; a copy started meanwhile reopens neither.
  ScriptedShellHost host;
  Shell third(host);
  third.FormShow({});
  EXPECT_EQ(host.shown, (Strings{"Brief.whi (Wiederhergestellt)", "Notiz.whi (Wiederhergestellt)"}));
  EXPECT_TRUE(test::bodyContains(third.documents().at(1)->editor().doc(), "zweite Kopie"));
  {
    ScriptedShellHost otherHost;
    Shell other(otherHost);
    other.FormShow({});
    EXPECT_EQ(otherHost.shown, Strings{"NONAME1 (neu)"});
  }
  // Once its own pass holds both documents, the files taken over go.
  third.AutoSaveTimerTimer();
  EXPECT_EQ(filesIn(config), (std::vector<fs::path>{config / "Brief.whi", config / "Notiz.whi"}));
  EXPECT_TRUE(filesIn(secondFolder).empty());
}

TEST(RecoveryFiles, NoFileForAFailedOpenNorForANameGivenUp) {
  test::TempDir dir;
  test::writeNativeFile(dir.file("Brief.lpx"), "Brief");
  ScriptedShellHost host;
  Shell shell(host);
  shell.FormShow({{dir.file("Brief.lpx")}});
  ShellDocument& letter = *shell.documents().at(0);
  shell.AutoSaveTimerTimer();

  // Saved under a new name, then closed: each pass leaves only the files
  // of the documents open now, under their present names.
  test::ScriptedWindow& window = ScriptedShellHost::windowOf(letter);
  window.saveAnswer = FileDialogState{{}, kSaveNative, dir.file("Antwort.lpx").string(), false};
  ASSERT_TRUE(shell.SaveAsClick(&letter));
  shell.NewClick();
  shell.AutoSaveTimerTimer();
  const fs::path folder = shell.recoveryFolder();
  EXPECT_EQ(filesIn(folder), (std::vector<fs::path>{folder / "Antwort.whi", folder / "NONAME2.whi"}));
  shell.closeDocument(letter);
  shell.AutoSaveTimerTimer();
  EXPECT_EQ(filesIn(folder), std::vector<fs::path>{folder / "NONAME2.whi"});

  // The timer fires while a file is being read (its status text lets
  // events through) and the file turns out unreadable.
  shell.closeDocument(*shell.documents().at(0));
  shell.formats().setReader(DocumentFormat::native, [&shell](Editor&, const fs::path&, bool) {
    shell.AutoSaveTimerTimer();
    return false;
  });
  EXPECT_EQ(shell.openDocument(dir.file("Brief.lpx"), kOpenNative), nullptr);
  shell.AutoSaveTimerTimer();
  EXPECT_TRUE(filesIn(folder).empty());
}

TEST(RecoveryFiles, AConfigurationFolderThatCannotBeHadWritesNothing) {
  test::TempDir dir;
  test::writeFileBytes(dir.file("config"), "kein Ordner");  // where the folder should be
  ScriptedShellHost host;
  Shell shell(host);
  shell.FormShow({});
  EXPECT_TRUE(shell.recoveryFolder().empty());
  shell.AutoSaveTimerTimer();
  shell.FormClose();
  EXPECT_TRUE(host.statusTexts.empty());
  EXPECT_EQ(test::readFileBytes(dir.file("config")), "kein Ordner");
}

// The first copy in a process of its own: it opens the file, writes its
// recovery files, reports on `ready` and waits to be killed.
[[noreturn]] void runCopyUntilKilled(const fs::path& file, int ready) {
  try {
    ScriptedShellHost host;
    Shell shell(host);
    shell.FormShow({{file}});
    shell.AutoSaveTimerTimer();
    if (write(ready, "1", 1) != 1) _exit(2);
    for (;;) pause();
  } catch (...) {
    _exit(3);
  }
}

TEST(RecoveryFiles, AKilledCopysWorkSurvivesAnotherCopysNormalEnd) {
  test::TempDir dir;
  test::writeNativeFile(dir.file("Brief.lpx"), "vor dem Absturz");
  int pipeEnds[2];
  ASSERT_EQ(pipe(pipeEnds), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    close(pipeEnds[0]);
    runCopyUntilKilled(dir.file("Brief.lpx"), pipeEnds[1]);
  }
  close(pipeEnds[1]);
  char ready = 0;
  const bool started = read(pipeEnds[0], &ready, 1) == 1;
  close(pipeEnds[0]);
  if (started) {
    ScriptedShellHost host;
    Shell second(host);
    second.FormShow({});
    EXPECT_EQ(host.shown, Strings{"NONAME1 (neu)"});
    second.AutoSaveTimerTimer();
    second.FormClose();
  }
  kill(child, SIGKILL);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(started) << "the first copy did not start";

  ScriptedShellHost host;
  Shell next(host);
  next.FormShow({});
  ASSERT_EQ(host.shown, Strings{"Brief.whi (Wiederhergestellt)"});
  EXPECT_TRUE(test::bodyContains(next.documents()[0]->editor().doc(), "vor dem Absturz"));
}

// Saves killed in earlier runs left hidden temporaries beside settings.dat,
// user.spe and in the slot folders; the start removes them all.
TEST(RecoveryFiles, TheStartRemovesTheTemporariesOfKilledSaves) {
  test::TempDir dir;
  const fs::path config = UserConfigDir();
  const fs::path slot = config / "recovery-3";
  fs::create_directories(slot);
  const fs::path left[] = {config / ".settings.dat.00000000deadbeef.part", config / ".user.spe.0123456789abcdef.part",
                           slot / ".Brief.whi.fedcba9876543210.part"};
  for (const fs::path& file : left) test::writeFileBytes(file, "halb");
  test::writeFileBytes(config / "notizen.part", "fremd");
  ScriptedShellHost host;
  Shell shell(host);
  shell.FormShow({});
  for (const fs::path& file : left) EXPECT_FALSE(fs::exists(file)) << file;
  EXPECT_EQ(test::readFileBytes(config / "notizen.part"), "fremd");
}

}  // namespace
}  // namespace vendaro
