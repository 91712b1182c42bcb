// file_io.h — whole-file reading and crash-safe writing: a file is written to
// a temporary name beside the target and renamed over it only when complete,
// so a failed save never leaves a half-written file under the target name.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>
#include <vector>

namespace vendaro {

// False when the file cannot be opened or read.
bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out);

// Writes `bytes` to `path` through a temporary file in the same folder;
// the target is replaced only on success and left untouched otherwise.
bool writeFileAtomically(const std::filesystem::path& path, const uint8_t* bytes, size_t size);
inline bool writeFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  return writeFileAtomically(path, bytes.data(), bytes.size());
}

// A writer for output produced piece by piece (PDF): opened on a temporary
// name, `commit` renames it over the target; destroying it uncommitted
// removes the temporary file.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::filesystem::path& target);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  bool isOpen() const { return fd_ >= 0; }
  bool write(const void* data, size_t size);
  bool write(std::string_view text) { return write(text.data(), text.size()); }
  uint64_t bytesWritten() const { return written_; }
  bool failed() const { return failed_; }
  // Flushes, closes and renames; false (and the target untouched) on any error.
  bool commit();

 private:
  void discard();

  std::filesystem::path target_;
  std::filesystem::path temp_;
  int fd_ = -1;
  uint64_t written_ = 0;
  bool failed_ = false;
};

}  // namespace vendaro
