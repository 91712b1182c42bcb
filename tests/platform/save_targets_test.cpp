// What a save may replace and what it leaves behind: things that are not
// regular files, links, owners, and the temporaries of earlier saves.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/file_io.h"
#include "platform/temporary_files.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using test::readFileBytes;
using test::writeFileBytes;

bool save(const fs::path& target, const std::string& text, TemporaryKind kind = TemporaryKind::unnamedWherePossible) {
  AtomicFileWriter writer(target, kind);
  return writer.write(text) && writer.commit();
}

std::vector<std::string> namesIn(const fs::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(SaveTargets, ThingsThatAreNotRegularFilesAreRefusedDirectlyAndThroughLinks) {
  test::TempDir dir;
  ASSERT_EQ(::mkfifo(dir.file("rohr").c_str(), 0600), 0);
  fs::create_symlink("rohr", dir.file("zum_rohr.lpx"));
  fs::create_symlink("/dev/null", dir.file("nichts.lpx"));
  fs::create_symlink("kreis_b", dir.file("kreis_a"));
  fs::create_symlink("kreis_a", dir.file("kreis_b"));
  for (TemporaryKind kind : {TemporaryKind::unnamedWherePossible, TemporaryKind::named}) {
    AtomicFileWriter writer;
    EXPECT_FALSE(writer.open(dir.file("rohr"), kind));
    EXPECT_EQ(writer.error(), std::errc::not_supported);
    EXPECT_FALSE(writer.open(dir.file("zum_rohr.lpx"), kind));
    EXPECT_EQ(writer.error(), std::errc::not_supported);
    EXPECT_FALSE(writer.open(dir.file("nichts.lpx"), kind));
    EXPECT_EQ(writer.error(), std::errc::not_supported);
    EXPECT_FALSE(writer.open(dir.file("kreis_a"), kind));
    EXPECT_EQ(writer.error(), std::errc::too_many_symbolic_link_levels);
  }
  EXPECT_TRUE(fs::is_fifo(dir.file("rohr")));
  EXPECT_TRUE(fs::is_symlink(dir.file("zum_rohr.lpx")));
  EXPECT_TRUE(fs::is_character_file("/dev/null"));
  EXPECT_EQ(namesIn(dir.path()), (std::vector<std::string>{"kreis_a", "kreis_b", "nichts.lpx", "rohr", "zum_rohr.lpx"}));
}

TEST(SaveTargets, ChainsOfLinksAreFollowedToTheFileTheyEndAtOrWouldMake) {
  test::TempDir dir;
  fs::create_directory(dir.file("ablage"));
  writeFileBytes(dir.file("ablage") / "ziel.lpx", "alt");
  fs::create_symlink(dir.file("ablage") / "ziel.lpx", dir.file("absolut"));  // absolute, then relative
  fs::create_symlink("absolut", dir.file("verweis.lpx"));
  EXPECT_TRUE(save(dir.file("verweis.lpx"), "neu"));
  EXPECT_EQ(readFileBytes(dir.file("ablage") / "ziel.lpx"), "neu");
  EXPECT_TRUE(fs::is_symlink(dir.file("verweis.lpx")) && fs::is_symlink(dir.file("absolut")));

  fs::create_symlink("ablage/noch_nicht.lpx", dir.file("haengend.lpx"));  // dangling: the file is made
  EXPECT_TRUE(save(dir.file("haengend.lpx"), "erst", TemporaryKind::named));
  EXPECT_TRUE(fs::is_symlink(dir.file("haengend.lpx")));
  EXPECT_EQ(readFileBytes(dir.file("ablage") / "noch_nicht.lpx"), "erst");
  EXPECT_EQ(namesIn(dir.file("ablage")), (std::vector<std::string>{"noch_nicht.lpx", "ziel.lpx"}));
}

TEST(SaveTargets, AReplacedFileKeepsOwnerGroupAndSpecialModeBits) {
  test::TempDir dir;
  const fs::path target = dir.file("fremd.lpx");
  writeFileBytes(target, "alt");
  ASSERT_EQ(::chmod(target.c_str(), 02640), 0);
  const bool root = ::geteuid() == 0;
  // Only the superuser may hand a file to another user; others keep their own.
  const uid_t owner = root ? 4321 : ::geteuid();
  const gid_t group = root ? 8765 : ::getegid();
  if (root) {
    ASSERT_EQ(::chown(target.c_str(), owner, group), 0);
  }
  ASSERT_EQ(::chmod(target.c_str(), 02640), 0);  // chown cleared the set-group-ID bit
  for (TemporaryKind kind : {TemporaryKind::unnamedWherePossible, TemporaryKind::named}) {
    ASSERT_TRUE(save(target, "neu", kind));
    struct stat info {};
    ASSERT_EQ(::stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, owner);
    EXPECT_EQ(info.st_gid, group);
    EXPECT_EQ(info.st_mode & 07777, 02640u);
  }
}

TEST(SaveTargets, OnlyOurOwnUnheldTemporariesAreRemovedBySavesAndByTheCleanUp) {
  test::TempDir dir;
  const std::string stale = ".brief.lpx.0123456789abcdef.part";
  const std::vector<std::string> lookAlikes = {
      ".brief.lpx.0123456789abcdeg.part",  // not hexadecimal
      ".brief.lpx.0123456789ABCDEF.part",  // not our digits
      "brief.lpx.0123456789abcdef.part",   // not hidden
      "..0123456789abcdef.part",           // no name
      ".brief.lpx.0123456789abcdef.part~", ".x.part"};
  for (const std::string& name : lookAlikes) writeFileBytes(dir.file(name), "fremd");
  fs::create_directory(dir.file(".ordner.0123456789abcdef.part"));
  fs::create_symlink(lookAlikes[0], dir.file(".link.0123456789abcdef.part"));
  EXPECT_TRUE(isTemporaryName(stale));
  EXPECT_TRUE(isTemporaryName(temporaryPathFor(dir.file("x")).filename().string()));
  for (const std::string& name : lookAlikes) EXPECT_FALSE(isTemporaryName(name)) << name;

  AtomicFileWriter busy(dir.file("offen.lpx"), TemporaryKind::named);  // another save still running
  ASSERT_TRUE(busy.write("offen"));
  writeFileBytes(dir.file(stale), std::string(1000, 'x'));
  const size_t before = namesIn(dir.path()).size();
  EXPECT_TRUE(save(dir.file("brief.lpx"), "neu"));
  EXPECT_FALSE(fs::exists(dir.file(stale)));
  EXPECT_EQ(namesIn(dir.path()).size(), before);  // the stale one went, brief.lpx came
  EXPECT_TRUE(busy.commit());
  EXPECT_EQ(readFileBytes(dir.file("offen.lpx")), "offen");

  writeFileBytes(dir.file(stale), "wieder");
  EXPECT_EQ(removeStaleTemporaries(dir.path()), 1u);
  EXPECT_EQ(removeStaleTemporaries(dir.path()), 0u);
  for (const std::string& name : lookAlikes) EXPECT_EQ(readFileBytes(dir.file(name)), "fremd");
  EXPECT_TRUE(fs::is_directory(dir.file(".ordner.0123456789abcdef.part")));
  EXPECT_TRUE(fs::is_symlink(dir.file(".link.0123456789abcdef.part")));
}

}  // namespace
}  // namespace vendaro
