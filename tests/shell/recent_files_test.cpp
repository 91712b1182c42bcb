#include <gtest/gtest.h>

#include "shell/recent_files.h"
#include "shell/window_command_line.h"

namespace vendaro {
namespace {

using Files = std::vector<std::string>;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndWithinTheMaximum) {
  Files list = {"/a.lpx", "/b.lpx"};
  AddToLastUsedFiles(list, "/b.lpx", 4);
  AddToLastUsedFiles(list, "/A.lpx", 4);  // another file on this system
  EXPECT_EQ(list, (Files{"/A.lpx", "/b.lpx", "/a.lpx"}));
  AddToLastUsedFiles(list, "/c.lpx", 2);
  EXPECT_EQ(list, (Files{"/c.lpx", "/A.lpx"}));

  AddToLastUsedFiles(list, "/d.lpx", 0);
  EXPECT_TRUE(list.empty());
}

TEST(RecentFiles, ShortNamesForTheMenu) {
  EXPECT_EQ(recentFileShortName("/home/anna/Brief.lpx"), "/home/anna/Brief.lpx");
  EXPECT_EQ(recentFileShortName("/home/anna/ablage12/Brief1.lpx"), "Brief1.lpx");  // 30 characters
  EXPECT_EQ(recentFileShortName("/h/Jahresbericht-Entwurf-2024.lpx"), "Jahresbericht-Entwurf-20...");
  // Characters are counted and cut whole, not bytes.
  EXPECT_EQ(recentFileShortName("/home/jörg/Übersicht.lpx"), "/home/jörg/Übersicht.lpx");
  std::string umlauts;
  for (int i = 0; i < 26; ++i) umlauts += "Ä";
  EXPECT_EQ(recentFileShortName("/x/" + umlauts + ".lpx"), umlauts.substr(0, 24 * 2) + "...");

  EXPECT_EQ(recentFileMenuCaptions({"/a.lpx", "/Rock&Roll.lpx"}), (Files{"&1 /a.lpx", "&2 /Rock&&Roll.lpx"}));
}

TEST(WindowCommandLine, FilesAfterSlashPArePrintedAndPathsMadeAbsolute) {
  const std::vector<StartFile> files = parseWindowCommandLine({"/tmp/x.lpx", "/p", "y.lpx"});
  ASSERT_EQ(files.size(), 2u);
  EXPECT_FALSE(files[0].print);
  EXPECT_TRUE(files[1].print);
  EXPECT_EQ(files[1].path, std::filesystem::current_path() / "y.lpx");
}

}  // namespace
}  // namespace vendaro
