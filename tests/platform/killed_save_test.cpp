// Saves killed at random moments: the target is always the complete old or
// the complete new file, and the next save leaves nothing else behind.
// `--gtest_repeat=10` gives the thousand kills of a longer run.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

#include "platform/file_io.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr size_t kDocumentBytes = 1 << 20;
constexpr size_t kPieceBytes = 4096;  // as a document writer hands them over
// In memory, where fsync costs nothing, kills land all over the writing; on
// the disk they mostly land in fsync, which a few rounds cover.
constexpr char kMemoryFolder[] = "/dev/shm";
constexpr int kKillsInMemory = 48;  // with the disk rounds, 106 kills
constexpr int kKillsOnDisk = 5;

std::string documentBytes(char seed) {
  std::string bytes(kDocumentBytes, '\0');
  for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(seed + i * 31 / 7);
  return bytes;
}

bool saveInPieces(const fs::path& target, std::string_view bytes, TemporaryKind kind) {
  AtomicFileWriter writer(target, kind);
  for (size_t at = 0; at < bytes.size(); at += kPieceBytes) writer.write(bytes.substr(at, kPieceBytes));
  return writer.commit();
}

[[noreturn]] void saveForever(const fs::path& target, const std::string& first, const std::string& second,
                              TemporaryKind kind) {
  for (uint64_t round = 0;; ++round) {
    if (!saveInPieces(target, round % 2 ? second : first, kind)) _exit(2);
  }
}

size_t othersBeside(const fs::path& target) {
  size_t others = 0;
  for (const auto& entry : fs::directory_iterator(target.parent_path())) others += entry.path() != target;
  return others;
}

void killSavesAtRandom(const fs::path& parent, int kills, TemporaryKind kind, std::mt19937& random) {
  test::TempDir dir(parent);
  const fs::path target = dir.file("plakat.lpx");
  const std::string oldBytes = documentBytes('a'), newBytes = documentBytes('n');
  const auto started = Clock::now();
  ASSERT_TRUE(saveInPieces(target, oldBytes, kind));
  // Kill moments spread over about two saves, from before the first to
  // well into the loop.
  const auto oneSave = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - started);
  std::uniform_int_distribution<int64_t> delay(0, 2 * std::max<int64_t>(oneSave.count(), 1000));
  size_t leftBehind = 0;
  for (int kill = 0; kill < kills; ++kill) {
    // The delay counts from the child's start, not from the fork, which
    // takes long in a sanitizer build: otherwise kills land before any save.
    int started[2];
    ASSERT_EQ(::pipe(started), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      ::close(started[0]);
      if (::write(started[1], "s", 1) != 1) _exit(3);
      saveForever(target, newBytes, oldBytes, kind);
    }
    ::close(started[1]);
    char signal = 0;
    ASSERT_EQ(::read(started[0], &signal, 1), 1);
    ::close(started[0]);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    ASSERT_EQ(::kill(child, SIGKILL), 0);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the child's save failed";
    const std::string now = test::readFileBytes(target);
    ASSERT_TRUE(now == oldBytes || now == newBytes) << "kill " << kill << ": " << now.size() << " bytes";
    // Every save clears what the one before it left.
    const size_t others = othersBeside(target);
    EXPECT_LE(others, 1u);
    leftBehind += others;
  }
  // Named temporaries outlive a kill, unnamed ones all but never do.
  if (kind == TemporaryKind::named) {
    EXPECT_GT(leftBehind, 0u);
  }
  ASSERT_TRUE(saveInPieces(target, oldBytes, kind));
  EXPECT_EQ(othersBeside(target), 0u);
  EXPECT_EQ(test::readFileBytes(target), oldBytes);
}

TEST(KilledSaves, LeaveTheOldOrTheNewFileAndNothingAfterTheNextSave) {
  std::mt19937 random(20261208);
  const bool inMemory = ::access(kMemoryFolder, W_OK) == 0;
  for (TemporaryKind kind : {TemporaryKind::unnamedWherePossible, TemporaryKind::named}) {
    killSavesAtRandom(fs::temp_directory_path(), inMemory ? kKillsOnDisk : kKillsInMemory, kind, random);
    if (inMemory) killSavesAtRandom(kMemoryFolder, kKillsInMemory, kind, random);
  }
}

}  // namespace
}  // namespace vendaro
