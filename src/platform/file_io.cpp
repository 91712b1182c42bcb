#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <random>

namespace vendaro {

namespace {

// Small pieces are gathered into blocks of this size; larger ones (picture
// data, a whole encoded document) go to the file as they are.
constexpr size_t kBufferSize = 1 << 20;
constexpr int kCreateAttempts = 32;
// Keeps "." + name + suffix below the usual 255-byte limit of a file name.
constexpr size_t kMaxNameStem = 200;

std::string uniqueSuffix() {
  std::random_device random;
  const uint64_t value = (static_cast<uint64_t>(random()) << 32) ^ random() ^
                         (static_cast<uint64_t>(getpid()) << 16);
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string suffix = ".";
  for (int shift = 60; shift >= 0; shift -= 4) suffix += kDigits[(value >> shift) & 15];
  return suffix + ".part";
}

std::error_code lastError() { return {errno, std::generic_category()}; }

}  // namespace

InputFile::~InputFile() {
  if (fd_ >= 0) ::close(fd_);
}

FileOpenResult regularFileStatus(const std::filesystem::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return FileOpenResult::cannotOpen;
  return S_ISREG(info.st_mode) ? FileOpenResult::opened : FileOpenResult::notRegularFile;
}

FileOpenResult InputFile::open(const std::filesystem::path& path) {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  size_ = 0;
  if (const FileOpenResult status = regularFileStatus(path); status != FileOpenResult::opened) return status;
  struct stat info {};
  // Non-blocking, in case a pipe took the file's place since the look above.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
  if (fd < 0) return FileOpenResult::cannotOpen;
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    ::close(fd);
    return FileOpenResult::notRegularFile;
  }
  fd_ = fd;
  size_ = static_cast<uint64_t>(info.st_size);
  return FileOpenResult::opened;
}

bool InputFile::readAt(uint64_t offset, size_t count, std::vector<uint8_t>& out) const {
  out.clear();
  if (fd_ < 0) return false;
  out.resize(count);
  size_t done = 0;
  while (done < count) {
    const ssize_t n = ::pread(fd_, out.data() + done, std::min<size_t>(count - done, SSIZE_MAX),
                              static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      out.clear();
      return false;
    }
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  out.resize(done);
  return true;
}

bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out, uint64_t maxBytes) {
  out.clear();
  InputFile file;
  if (file.open(path) != FileOpenResult::opened || file.size() > maxBytes || file.size() > SIZE_MAX) return false;
  return file.readAt(0, static_cast<size_t>(file.size()), out);
}

bool AtomicFileWriter::open(const std::filesystem::path& target) {
  discard();
  error_.clear();
  target_ = target;
  if (target_.empty()) {
    fail(std::make_error_code(std::errc::no_such_file_or_directory));
    return false;
  }
  std::error_code ignored;
  // Writing replaces what a link points to, not the link.
  if (std::filesystem::is_symlink(target_, ignored)) {
    auto resolved = std::filesystem::canonical(target_, ignored);
    if (!ignored) target_ = resolved;
  }
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    fail(std::make_error_code(std::errc::is_a_directory));
    return false;
  }
  // The rename would succeed anyway (it needs only the folder's permission),
  // but a file its owner made read-only must not be overwritten behind its back.
  if (exists && ::access(target_.c_str(), W_OK) != 0) {
    fail(lastError());
    return false;
  }

  std::filesystem::path folder = target_.parent_path();
  if (folder.empty()) folder = ".";
  std::string stem = target_.filename().string();
  if (stem.size() > kMaxNameStem) stem.resize(kMaxNameStem);

  for (int attempt = 0; attempt < kCreateAttempts; ++attempt) {
    std::filesystem::path candidate = folder / ("." + stem + uniqueSuffix());
    // O_EXCL: a name that exists already — whoever made it — is never reused.
    // 0666 is narrowed by the umask, as for any file the user creates.
    int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      fd_ = fd;
      temporary_ = std::move(candidate);
      if (exists && ::fchmod(fd_, existing.st_mode & 07777) != 0) {
        fail(lastError());
        discard();
        return false;
      }
      return true;
    }
    if (errno != EEXIST) break;
  }
  fail(lastError());
  return false;
}

bool AtomicFileWriter::write(const void* data, size_t size) {
  if (fd_ < 0 || failed()) return false;
  if (size == 0) return true;
  const auto bytes = static_cast<const char*>(data);
  if (buffer_.size() + size > kBufferSize) {
    flushBuffer();
    if (size >= kBufferSize) {
      writeToDescriptor(bytes, size);
      return !failed();
    }
  }
  if (failed()) return false;
  if (buffer_.capacity() < kBufferSize) buffer_.reserve(kBufferSize);
  buffer_.append(bytes, size);
  return true;
}

bool AtomicFileWriter::overwrite(uint64_t offset, std::string_view bytes) {
  if (fd_ < 0 || failed()) return false;
  flushBuffer();
  struct stat written {};
  if (!failed() && (::fstat(fd_, &written) != 0 || offset + bytes.size() > static_cast<uint64_t>(written.st_size))) {
    fail(std::make_error_code(std::errc::invalid_argument));
  }
  writeToDescriptor(bytes.data(), bytes.size(), static_cast<off_t>(offset));
  return !failed();
}

void AtomicFileWriter::fail(std::error_code error) {
  if (!error_) error_ = error;
}

bool AtomicFileWriter::commit() {
  if (fd_ < 0) {
    fail(std::make_error_code(std::errc::bad_file_descriptor));
    discard();
    return false;
  }
  flushBuffer();
  // The data must be on the disk before the name points to it, or a crash
  // right after the rename could leave an empty or partial file behind.
  while (!failed() && ::fsync(fd_) != 0) {
    if (errno != EINTR) fail(lastError());
  }
  closeDescriptor();
  if (!failed() && std::rename(temporary_.c_str(), target_.c_str()) != 0) fail(lastError());
  if (failed()) {
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void AtomicFileWriter::discard() {
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
  }
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
  buffer_.clear();
}

void AtomicFileWriter::flushBuffer() {
  writeToDescriptor(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void AtomicFileWriter::writeToDescriptor(const char* data, size_t size, off_t at) {
  while (size > 0 && fd_ >= 0 && !failed()) {
    const size_t piece = std::min<size_t>(size, SSIZE_MAX);
    ssize_t written = at < 0 ? ::write(fd_, data, piece) : ::pwrite(fd_, data, piece, at);
    if (written < 0) {
      if (errno != EINTR) fail(lastError());
    } else if (written == 0) {
      fail(std::make_error_code(std::errc::io_error));  // would otherwise loop forever
    } else {
      data += written;
      size -= static_cast<size_t>(written);
      if (at >= 0) at += written;
    }
  }
}

void AtomicFileWriter::closeDescriptor() {
  if (fd_ < 0) return;
  // Linux frees the descriptor even when close is interrupted.
  if (::close(fd_) != 0 && errno != EINTR) fail(lastError());
  fd_ = -1;
}

bool writeFileAtomically(const std::filesystem::path& path, const uint8_t* bytes, size_t size) {
  AtomicFileWriter writer(path);
  return writer.write(bytes, size) && writer.commit();
}

}  // namespace vendaro
