#include "platform/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace vendaro {

FileLock::FileLock(FileLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

FileLock& FileLock::operator=(FileLock&& other) noexcept {
  if (this != &other) {
    release();
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

FileLock::Outcome FileLock::tryLock(const std::filesystem::path& file) {
  release();
  // flock rather than fcntl: its locks belong to the open file, so two
  // holders inside one process exclude each other as two processes do.
  const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd < 0) return Outcome::failed;
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const bool busy = errno == EWOULDBLOCK;
    ::close(fd);
    return busy ? Outcome::busy : Outcome::failed;
  }
  fd_ = fd;
  return Outcome::held;
}

FileLock::Outcome FileLock::lockWithin(const std::filesystem::path& file, std::chrono::milliseconds patience) {
  constexpr std::chrono::milliseconds kPause(5);
  const auto deadline = std::chrono::steady_clock::now() + patience;
  Outcome outcome = tryLock(file);
  while (outcome == Outcome::busy && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(kPause);
    outcome = tryLock(file);
  }
  return outcome;
}

void FileLock::release() {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

}  // namespace vendaro
