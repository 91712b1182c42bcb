#include <gtest/gtest.h>

#include "scripted_shell_host.h"
#include "shell/recovery_files.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using test::ScriptedShellHost;

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
  EXPECT_EQ(host.shown, (std::vector<std::string>{"NONAME1 (neu)", "Brief.whi (Wiederhergestellt)",
                                                  "Brief1.whi (Wiederhergestellt)"}));
  ShellDocument& second = *shell.documents()[2];
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

}  // namespace
}  // namespace vendaro
