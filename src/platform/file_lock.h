// file_lock.h — an advisory lock on a file that lasts as long as its holder
// object: tells whether another running process (or another holder in this
// one) has the same lock. The system drops it when the process ends, even
// when it is killed, so a held lock means a live owner.
#pragma once

#include <chrono>
#include <filesystem>

namespace vendaro {

class FileLock {
 public:
  enum class Outcome { held, busy, failed };

  FileLock() = default;
  ~FileLock() { release(); }
  FileLock(FileLock&& other) noexcept;
  FileLock& operator=(FileLock&& other) noexcept;
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // One attempt, without waiting; the file is created when missing. busy:
  // someone else holds it; failed: the file cannot be had at all.
  Outcome tryLock(const std::filesystem::path& file);
  // Tries again every few milliseconds while the lock is busy, for at most
  // `patience`: for locks that their holders keep only briefly.
  Outcome lockWithin(const std::filesystem::path& file, std::chrono::milliseconds patience);
  bool held() const { return fd_ >= 0; }
  void release();

 private:
  int fd_ = -1;
};

}  // namespace vendaro
