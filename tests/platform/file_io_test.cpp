#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using test::readFileBytes;
using test::writeFileBytes;

size_t filesIn(const fs::path& folder) {
  return static_cast<size_t>(std::distance(fs::directory_iterator(folder), {}));
}

fs::perms permissionsOf(const fs::path& path) { return fs::status(path).permissions(); }

TEST(FileIo, NewFilesGetTheUsualPermissionsAndReadBack) {
  test::TempDir dir;
  const mode_t previousMask = umask(027);
  EXPECT_TRUE(writeFileAtomically(dir.file("neu.dat"), std::vector<uint8_t>{1, 0, 255}));
  umask(previousMask);
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(readWholeFile(dir.file("neu.dat"), bytes));
  EXPECT_EQ(bytes, (std::vector<uint8_t>{1, 0, 255}));
  EXPECT_EQ(permissionsOf(dir.file("neu.dat")), static_cast<fs::perms>(0640));
  EXPECT_TRUE(writeFileAtomically(dir.file("leer.dat"), std::vector<uint8_t>{}));
  EXPECT_TRUE(readWholeFile(dir.file("leer.dat"), bytes));
  EXPECT_TRUE(bytes.empty());
  EXPECT_FALSE(readWholeFile(dir.file("fehlt.dat"), bytes));
  EXPECT_FALSE(readWholeFile(dir.path(), bytes));
  EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST(FileIo, PiecesAndLargeBlocksArriveInOrderUnderTheTargetNameOnlyAtCommit) {
  test::TempDir dir;
  const auto target = dir.file("stück.dat");
  std::string expected = "kopf";
  AtomicFileWriter writer(target);
  ASSERT_TRUE(writer.isOpen());
  EXPECT_TRUE(writer.write("kopf"));
  std::string block(3 << 20, '\0');  // larger than the buffer: written directly
  for (size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 7 / 3);
  EXPECT_TRUE(writer.write(block));
  expected += block;
  for (int i = 0; i < 400000; ++i) {  // small pieces that overflow the buffer more than once
    const std::string piece = std::to_string(i) + ",";
    EXPECT_TRUE(writer.write(piece));
    expected += piece;
  }
  EXPECT_FALSE(fs::exists(target));
  EXPECT_EQ(filesIn(dir.path()), 0u);  // unnamed until complete
  EXPECT_TRUE(writer.commit());
  EXPECT_FALSE(writer.error());
  EXPECT_EQ(readFileBytes(target), expected);
  EXPECT_EQ(filesIn(dir.path()), 1u);
}

TEST(FileIo, EarlierBytesCanBeReplacedWithoutMovingTheEnd) {
  test::TempDir dir;
  const auto target = dir.file("kopf.dat");
  AtomicFileWriter writer(target);
  EXPECT_TRUE(writer.write("%VER-1.3\n"));
  EXPECT_TRUE(writer.write(std::string(100000, 'x')));  // part of it still buffered
  EXPECT_TRUE(writer.overwrite(5, "1.6"));
  EXPECT_TRUE(writer.write("ende"));
  EXPECT_TRUE(writer.commit());
  EXPECT_EQ(readFileBytes(target), "%VER-1.6\n" + std::string(100000, 'x') + "ende");

  AtomicFileWriter beyond(dir.file("zu_weit.dat"));
  EXPECT_TRUE(beyond.write("kurz"));
  EXPECT_FALSE(beyond.overwrite(2, "lang"));
  EXPECT_EQ(beyond.error(), std::errc::invalid_argument);
  EXPECT_FALSE(beyond.commit());
  EXPECT_FALSE(fs::exists(dir.file("zu_weit.dat")));
}

TEST(FileIo, AReplacedFileKeepsItsPermissionsAndALinkKeepsPointingToIt) {
  test::TempDir dir;
  writeFileBytes(dir.file("privat.txt"), "alt");
  fs::permissions(dir.file("privat.txt"), static_cast<fs::perms>(0600));
  EXPECT_TRUE(writeFileAtomically(dir.file("privat.txt"), std::vector<uint8_t>{'n', 'e', 'u'}));
  EXPECT_EQ(readFileBytes(dir.file("privat.txt")), "neu");
  EXPECT_EQ(permissionsOf(dir.file("privat.txt")), static_cast<fs::perms>(0600));

  fs::create_directory(dir.file("ablage"));
  writeFileBytes(dir.file("ablage") / "ziel.txt", "alt");
  fs::permissions(dir.file("ablage") / "ziel.txt", static_cast<fs::perms>(0604));
  fs::create_symlink("ablage/ziel.txt", dir.file("verweis.txt"));
  EXPECT_TRUE(writeFileAtomically(dir.file("verweis.txt"), std::vector<uint8_t>{'n', 'e', 'u'}));
  EXPECT_TRUE(fs::is_symlink(dir.file("verweis.txt")));
  EXPECT_EQ(readFileBytes(dir.file("ablage") / "ziel.txt"), "neu");
  EXPECT_EQ(permissionsOf(dir.file("ablage") / "ziel.txt"), static_cast<fs::perms>(0604));
  EXPECT_EQ(filesIn(dir.path()), 3u);
  EXPECT_EQ(filesIn(dir.file("ablage")), 1u);
}

TEST(FileIo, TargetsThatCannotBecomeFilesAreRefused) {
  test::TempDir dir;
  AtomicFileWriter writer;
  EXPECT_FALSE(writer.open(dir.file("fehlt") / "x.dat"));
  EXPECT_EQ(writer.error(), std::errc::no_such_file_or_directory);
  EXPECT_FALSE(writer.open(""));
  EXPECT_EQ(writer.error(), std::errc::no_such_file_or_directory);
  fs::create_directory(dir.file("ordner"));
  writeFileBytes(dir.file("ordner") / "inhalt", "x");
  EXPECT_FALSE(writer.open(dir.file("ordner")));
  EXPECT_EQ(writer.error(), std::errc::is_a_directory);
  EXPECT_FALSE(writer.isOpen());
  EXPECT_FALSE(writer.write("y"));
  EXPECT_FALSE(writer.commit());
  EXPECT_EQ(writer.error(), std::errc::is_a_directory);  // the first failure is kept
  EXPECT_EQ(readFileBytes(dir.file("ordner") / "inhalt"), "x");

  writeFileBytes(dir.file("schreibgeschützt.dat"), "alt");
  fs::permissions(dir.file("schreibgeschützt.dat"), static_cast<fs::perms>(0444));
  if (geteuid() != 0) {  // root may write anything
    EXPECT_FALSE(writer.open(dir.file("schreibgeschützt.dat")));
    EXPECT_EQ(writer.error(), std::errc::permission_denied);
  }
  EXPECT_EQ(readFileBytes(dir.file("schreibgeschützt.dat")), "alt");
  EXPECT_EQ(filesIn(dir.path()), 2u);
}

TEST(FileIo, AFailedOrAbandonedWriteLeavesTheTargetAlone) {
  test::TempDir dir;
  const auto target = dir.file("alt.dat");
  writeFileBytes(target, "die alte Datei");
  {
    test::FileSizeLimit limit(16 * 1024);
    AtomicFileWriter direct(target);  // a block beyond the limit fails at once
    EXPECT_FALSE(direct.write(std::string(2 << 20, 'x')));
    EXPECT_EQ(direct.error(), std::errc::file_too_large);
    EXPECT_FALSE(direct.write("mehr"));
    EXPECT_FALSE(direct.commit());
    EXPECT_EQ(filesIn(dir.path()), 1u);

    AtomicFileWriter buffered(target);  // buffered pieces fail when flushed
    EXPECT_TRUE(buffered.write(std::string(64 * 1024, 'y')));
    EXPECT_FALSE(buffered.commit());
    EXPECT_EQ(buffered.error(), std::errc::file_too_large);
    EXPECT_FALSE(writeFileAtomically(target, std::vector<uint8_t>(64 * 1024)));
  }
  {
    AtomicFileWriter abandoned(target, TemporaryKind::named);
    abandoned.write("halb");
    AtomicFileWriter refused(target, TemporaryKind::named);  // the producer found a fault of its own
    refused.write("falsch");
    refused.fail(std::make_error_code(std::errc::io_error));
    refused.fail(std::make_error_code(std::errc::not_enough_memory));
    EXPECT_FALSE(refused.commit());
    EXPECT_EQ(refused.error(), std::errc::io_error);
    EXPECT_EQ(filesIn(dir.path()), 2u);
  }
  EXPECT_EQ(readFileBytes(target), "die alte Datei");
  EXPECT_EQ(filesIn(dir.path()), 1u);  // no temporary file left behind
}

TEST(FileIo, TwoWritersOfOneTargetEachUseTheirOwnFile) {
  test::TempDir dir;
  const auto target = dir.file("geteilt.dat");
  AtomicFileWriter first(target, TemporaryKind::named);
  AtomicFileWriter second(target, TemporaryKind::named);
  ASSERT_TRUE(first.isOpen() && second.isOpen());
  EXPECT_EQ(filesIn(dir.path()), 2u);
  EXPECT_EQ(fs::directory_iterator(dir.path())->path().filename().string()[0], '.');  // hidden
  first.write("erster");
  second.write("zweiter");
  EXPECT_TRUE(second.commit());
  EXPECT_TRUE(first.commit());
  EXPECT_EQ(readFileBytes(target), "erster");
  // Reopening gives up the file begun before.
  EXPECT_TRUE(first.open(target, TemporaryKind::named));
  EXPECT_TRUE(first.open(target, TemporaryKind::named));
  EXPECT_EQ(filesIn(dir.path()), 2u);
  first.discard();
  EXPECT_EQ(filesIn(dir.path()), 1u);
  EXPECT_EQ(readFileBytes(target), "erster");
}

}  // namespace
}  // namespace vendaro

namespace vendaro {
namespace {

// Nothing here may wait: a pipe without a writer would block an open for
// reading for ever.
TEST(InputFile, OnlyRegularFilesAreReadAndTheSizeLimitHolds) {
  test::TempDir dir;
  const fs::path pipe = dir.file("rohr.lpx");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
  std::vector<uint8_t> bytes;
  InputFile file;
  EXPECT_EQ(regularFileStatus(pipe), FileOpenResult::notRegularFile);
  EXPECT_EQ(file.open(pipe), FileOpenResult::notRegularFile);
  EXPECT_FALSE(readWholeFile(pipe, bytes));
  EXPECT_EQ(file.open(dir.path()), FileOpenResult::notRegularFile);
  EXPECT_EQ(file.open(dir.file("fehlt")), FileOpenResult::cannotOpen);

  writeFileBytes(dir.file("zehn"), "0123456789");
  EXPECT_TRUE(readWholeFile(dir.file("zehn"), bytes, 10));
  EXPECT_EQ(bytes.size(), 10u);
  EXPECT_FALSE(readWholeFile(dir.file("zehn"), bytes, 9));
  EXPECT_TRUE(bytes.empty());
  ASSERT_EQ(file.open(dir.file("zehn")), FileOpenResult::opened);
  EXPECT_EQ(file.size(), 10u);
  ASSERT_TRUE(file.readAt(8, 5, bytes));  // fewer at the end
  EXPECT_EQ(std::string(bytes.begin(), bytes.end()), "89");
}

}  // namespace
}  // namespace vendaro
