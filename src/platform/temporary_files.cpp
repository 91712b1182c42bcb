#include "platform/temporary_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <random>
#include <system_error>

namespace vendaro {
namespace {

constexpr std::string_view kSuffix = ".part";
constexpr size_t kRandomDigits = 16;
// Keeps "." + name + "." + digits + suffix below the usual 255-byte limit.
constexpr size_t kMaxNameStem = 200;

bool isLowerHex(char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); }

std::string randomDigits() {
  std::random_device random;
  const uint64_t value = (static_cast<uint64_t>(random()) << 32) ^ random() ^ (static_cast<uint64_t>(getpid()) << 16);
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string digits;
  for (int shift = 60; shift >= 0; shift -= 4) digits += kDigits[(value >> shift) & 15];
  return digits;
}

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// The name still leads to the file open as `fd`: nobody removed or replaced
// it between our look and our lock.
bool nameLeadsTo(const std::filesystem::path& path, int fd) {
  struct stat byName {}, byDescriptor {};
  return ::lstat(path.c_str(), &byName) == 0 && ::fstat(fd, &byDescriptor) == 0 && sameFile(byName, byDescriptor);
}

bool removeIfStale(const std::filesystem::path& path) {
  // O_NOFOLLOW and O_NONBLOCK: a link or a pipe someone gave our pattern
  // is neither followed nor waited on.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  struct stat info {};
  const bool stale = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && lockTemporary(fd) && nameLeadsTo(path, fd);
  // Removed while the lock is held, so that no writer can take it meanwhile.
  const bool removed = stale && ::unlink(path.c_str()) == 0;
  ::close(fd);
  return removed;
}

}  // namespace

std::filesystem::path temporaryPathFor(const std::filesystem::path& target) {
  std::filesystem::path folder = target.parent_path();
  if (folder.empty()) folder = ".";
  std::string stem = target.filename().string();
  if (stem.size() > kMaxNameStem) stem.resize(kMaxNameStem);
  return folder / ("." + stem + "." + randomDigits() + std::string(kSuffix));
}

bool isTemporaryName(std::string_view name) {
  // "." stem "." digits suffix, with a stem of at least one character.
  constexpr size_t kShortest = 1 + 1 + 1 + kRandomDigits + kSuffix.size();
  if (name.size() < kShortest || name.front() != '.' || !name.ends_with(kSuffix)) return false;
  name.remove_suffix(kSuffix.size());
  const std::string_view digits = name.substr(name.size() - kRandomDigits);
  return std::all_of(digits.begin(), digits.end(), isLowerHex) && name[name.size() - kRandomDigits - 1] == '.';
}

bool lockTemporary(int fd) {
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  return result == 0;
}

int createLockedTemporary(const std::filesystem::path& target, std::filesystem::path& created) {
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    std::filesystem::path candidate = temporaryPathFor(target);
    // O_EXCL: a name that exists already — whoever made it — is never reused.
    const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) {
      if (errno == EEXIST) continue;
      return -1;
    }
    // Between the creation and the lock another process's clean-up may take
    // the file for a stale one and remove it: then another name is tried.
    if (lockTemporary(fd) && nameLeadsTo(candidate, fd)) {
      created = std::move(candidate);
      return fd;
    }
    ::close(fd);
  }
  errno = EEXIST;
  return -1;
}

size_t removeStaleTemporaries(const std::filesystem::path& folder) {
  size_t removed = 0;
  std::error_code error;
  const std::filesystem::path where = folder.empty() ? std::filesystem::path(".") : folder;
  for (std::filesystem::directory_iterator it(where, error), end; !error && it != end; it.increment(error)) {
    if (isTemporaryName(it->path().filename().string()) && removeIfStale(it->path())) ++removed;
  }
  return removed;
}

}  // namespace vendaro
