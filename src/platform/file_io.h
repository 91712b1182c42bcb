// file_io.h — whole-file reading and crash-safe writing: a file is written to
// an unnamed file beside the target and renamed over it only when complete,
// so a failed or killed save never leaves a half-written file under the
// target name, nor (where the file system has unnamed files) any other.
#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

namespace vendaro {

inline constexpr uint64_t kNoFileSizeLimit = UINT64_MAX;

enum class FileOpenResult { opened, cannotOpen, notRegularFile };

// What opening the path would meet, found without opening it: `opened`
// stands for a regular file.
FileOpenResult regularFileStatus(const std::filesystem::path& path);

// A whole file's bytes, in memory that is not cleared before the file is
// read into it: for a file of hundreds of megabytes clearing first costs as
// much as the reading.
class FileBytes {
 public:
  const uint8_t* data() const { return data_.get(); }
  size_t size() const { return size_; }
  std::span<const uint8_t> span() const { return {data_.get(), size_}; }

 private:
  friend class InputFile;
  std::unique_ptr<uint8_t[]> data_;
  size_t size_ = 0;
};

// A regular file opened for reading. Anything else — a named pipe, a device,
// a folder — is refused before it is opened, so that nothing ever waits on
// a writer that does not come.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  FileOpenResult open(const std::filesystem::path& path);
  // Bytes in the file when it was opened.
  uint64_t size() const { return size_; }
  // Replaces `out` by up to `count` bytes from `offset` (fewer at the end of
  // the file). False on a read error.
  bool readAt(uint64_t offset, size_t count, std::vector<uint8_t>& out) const;
  // Replaces `out` by the whole file as far as it reaches now. False on a
  // read error; std::bad_alloc when it does not fit into memory.
  bool readAll(FileBytes& out) const;

 private:
  // Bytes read into `out` from `offset` until `count` or the end of the
  // file; -1 on a read error.
  int64_t readInto(uint64_t offset, size_t count, uint8_t* out) const;

  int fd_ = -1;
  uint64_t size_ = 0;
};

// False when the path is not a regular file, cannot be opened or read, or
// holds more than `maxBytes` (then nothing is read).
bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out,
                   uint64_t maxBytes = kNoFileSizeLimit);
bool readWholeFile(const std::filesystem::path& path, FileBytes& out, uint64_t maxBytes = kNoFileSizeLimit);

// How the writer makes its temporary file: unnamed (O_TMPFILE, given a name
// only once complete) unless the file system refuses, or always named — a
// hidden, locked file that a killed save leaves behind until the next save
// or start in that folder removes it (see temporary_files.h).
enum class TemporaryKind { unnamedWherePossible, named };

// A file written piece by piece that takes the target's name only when
// `commit` succeeds. A symbolic link as target has the file it points to
// replaced and stays a link; a replaced file keeps its permissions and,
// where the process may, its owner and group; a new one gets the usual
// permissions (0666 less the umask). Writes are buffered; the first failure
// is kept in error() and later writes are dropped. Destroying or discarding
// the writer before `commit` removes the temporary file and leaves the
// target as it was.
class AtomicFileWriter {
 public:
  AtomicFileWriter() = default;
  explicit AtomicFileWriter(const std::filesystem::path& target,
                            TemporaryKind kind = TemporaryKind::unnamedWherePossible) {
    open(target, kind);
  }
  ~AtomicFileWriter() { discard(); }
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // Starts a new temporary file in the target's folder (discarding one still
  // open), after removing the stale temporaries found there. False, with
  // error() set, when the target cannot become a file: missing folder, a
  // folder (is_a_directory) or any other thing that is not a regular file
  // (not_supported) under that name or at the end of its links, a loop of
  // links, no right to write it, or no temporary file can be created.
  bool open(const std::filesystem::path& target, TemporaryKind kind = TemporaryKind::unnamedWherePossible);
  bool isOpen() const { return fd_ >= 0; }

  // False once anything has failed.
  bool write(const void* data, size_t size);
  bool write(std::string_view bytes) { return write(bytes.data(), bytes.size()); }

  // Replaces bytes written earlier, from `offset` on, without moving the
  // end of the file: for headers that depend on what follows them. False
  // (and the writer failed) when the range lies beyond what was written.
  bool overwrite(uint64_t offset, std::string_view bytes);

  // For producers that find a fault in their own output: the file will not
  // be committed. Only the first failure is kept.
  void fail(std::error_code error);
  bool failed() const { return static_cast<bool>(error_); }
  std::error_code error() const { return error_; }

  // Writes what is buffered, flushes it to the disk, gives an unnamed file
  // its temporary name and renames the file onto the target. On any failure
  // the temporary file is removed, the target left untouched and false
  // returned.
  bool commit();
  // Closes and removes the temporary file.
  void discard();

 private:
  bool openUnnamed(const std::filesystem::path& folder);
  bool openNamed();
  void keepOwnerAndMode(const struct stat& existing);
  bool nameUnnamed();
  void flushBuffer();
  // Appends, or writes at offset `at` when it is not negative.
  void writeToDescriptor(const char* data, size_t size, off_t at = -1);
  void closeDescriptor();

  int fd_ = -1;
  std::filesystem::path target_;
  std::filesystem::path temporary_;  // empty while the file has no name
  std::string buffer_;
  std::error_code error_;
};

// Writes `bytes` to `path` through an AtomicFileWriter; the target is
// replaced only on success and left untouched otherwise.
bool writeFileAtomically(const std::filesystem::path& path, const uint8_t* bytes, size_t size);
inline bool writeFileAtomically(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  return writeFileAtomically(path, bytes.data(), bytes.size());
}

}  // namespace vendaro
