#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <string>

#include "platform/temporary_files.h"

namespace vendaro {

namespace {

namespace fs = std::filesystem;

// Small pieces are gathered into blocks of this size; larger ones (picture
// data, a whole encoded document) go to the file as they are.
constexpr size_t kBufferSize = 1 << 20;
// As many links as the kernel itself follows before it gives up.
constexpr int kMaxLinkHops = 40;

std::error_code lastError() { return {errno, std::generic_category()}; }

// The file at the end of a chain of links: the path itself when it is no
// link; where the file would be made when the last link dangles. Empty for
// a loop.
fs::path followLinks(fs::path path) {
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(fs::symlink_status(path, error))) return path;
    const fs::path next = fs::read_symlink(path, error);
    if (error) return path;
    path = next.is_absolute() ? next : path.parent_path() / next;
  }
  return {};
}

// Naming an unnamed file goes through its /proc entry, which needs no
// privilege (linkat with AT_EMPTY_PATH does on older kernels).
bool canNameUnnamedFiles() {
  static const bool available = ::access("/proc/self/fd", X_OK) == 0;
  return available;
}

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

int64_t InputFile::readInto(uint64_t offset, size_t count, uint8_t* out) const {
  if (fd_ < 0) return -1;
  size_t done = 0;
  while (done < count) {
    const ssize_t n =
        ::pread(fd_, out + done, std::min<size_t>(count - done, SSIZE_MAX), static_cast<off_t>(offset + done));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return -1;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  return static_cast<int64_t>(done);
}

bool InputFile::readAt(uint64_t offset, size_t count, std::vector<uint8_t>& out) const {
  out.clear();
  if (fd_ < 0) return false;
  out.resize(count);
  const int64_t done = readInto(offset, count, out.data());
  out.resize(done < 0 ? 0 : static_cast<size_t>(done));
  return done >= 0;
}

bool InputFile::readAll(FileBytes& out) const {
  out = FileBytes();
  if (fd_ < 0 || size_ > SIZE_MAX) return false;
  const size_t count = static_cast<size_t>(size_);
  out.data_ = std::make_unique_for_overwrite<uint8_t[]>(std::max<size_t>(count, 1));
  const int64_t done = readInto(0, count, out.data_.get());
  if (done < 0) {
    out = FileBytes();
    return false;
  }
  out.size_ = static_cast<size_t>(done);
  return true;
}

bool readWholeFile(const std::filesystem::path& path, std::vector<uint8_t>& out, uint64_t maxBytes) {
  out.clear();
  InputFile file;
  if (file.open(path) != FileOpenResult::opened || file.size() > maxBytes || file.size() > SIZE_MAX) return false;
  return file.readAt(0, static_cast<size_t>(file.size()), out);
}

bool readWholeFile(const std::filesystem::path& path, FileBytes& out, uint64_t maxBytes) {
  out = FileBytes();
  InputFile file;
  return file.open(path) == FileOpenResult::opened && file.size() <= maxBytes && file.readAll(out);
}

bool AtomicFileWriter::open(const fs::path& target, TemporaryKind kind) {
  discard();
  error_.clear();
  if (target.empty()) {
    fail(std::make_error_code(std::errc::no_such_file_or_directory));
    return false;
  }
  // Writing replaces what a link points to, not the link.
  target_ = followLinks(target);
  if (target_.empty()) {
    fail(std::make_error_code(std::errc::too_many_symbolic_link_levels));
    return false;
  }
  struct stat existing {};
  const bool exists = ::stat(target_.c_str(), &existing) == 0;
  if (exists && S_ISDIR(existing.st_mode)) {
    fail(std::make_error_code(std::errc::is_a_directory));
    return false;
  }
  // A device or a pipe would silently become a plain file.
  if (exists && !S_ISREG(existing.st_mode)) {
    fail(std::make_error_code(std::errc::not_supported));
    return false;
  }
  // The rename would succeed anyway (it needs only the folder's permission),
  // but a file its owner made read-only must not be overwritten behind its back.
  if (exists && ::access(target_.c_str(), W_OK) != 0) {
    fail(lastError());
    return false;
  }
  fs::path folder = target_.parent_path();
  if (folder.empty()) folder = ".";
  // Space that earlier killed saves took is given back before this one needs it.
  removeStaleTemporaries(folder);
  const bool opened = (kind == TemporaryKind::unnamedWherePossible && openUnnamed(folder)) || openNamed();
  if (!opened) {
    fail(lastError());
    return false;
  }
  if (exists) keepOwnerAndMode(existing);
  if (failed()) discard();
  return !failed();
}

bool AtomicFileWriter::openUnnamed(const fs::path& folder) {
  if (!canNameUnnamedFiles()) return false;
  // 0666 is narrowed by the umask, as for any file the user creates.
  const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
  if (fd < 0) return false;
  // Locked already, so that the name it gets at commit is never taken for
  // one a killed save left.
  if (!lockTemporary(fd)) {
    ::close(fd);
    return false;
  }
  fd_ = fd;
  return true;
}

bool AtomicFileWriter::openNamed() {
  fd_ = createLockedTemporary(target_, temporary_);
  return fd_ >= 0;
}

void AtomicFileWriter::keepOwnerAndMode(const struct stat& existing) {
  // The owner first: changing it clears set-user-ID bits that the mode then
  // restores. Only the superuser may give a file away; anyone may keep a
  // group they belong to. Where neither is allowed the file becomes ours.
  const bool ownerKept = ::fchown(fd_, existing.st_uid, existing.st_gid) == 0 ||
                         ::fchown(fd_, static_cast<uid_t>(-1), existing.st_gid) == 0;
  (void)ownerKept;
  if (::fchmod(fd_, existing.st_mode & 07777) != 0) fail(lastError());
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
  if (!failed() && temporary_.empty()) nameUnnamed();
  // The descriptor (and with it the lock) is kept until the rename is done,
  // so no clean-up takes the named file for a stale one.
  if (!failed() && std::rename(temporary_.c_str(), target_.c_str()) != 0) fail(lastError());
  if (failed()) {
    discard();
    return false;
  }
  temporary_.clear();
  closeDescriptor();
  return true;
}

bool AtomicFileWriter::nameUnnamed() {
  // linkat cannot replace an existing name, hence a temporary one first.
  const std::string self = "/proc/self/fd/" + std::to_string(fd_);
  for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
    fs::path candidate = temporaryPathFor(target_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) == 0) {
      temporary_ = std::move(candidate);
      return true;
    }
    if (errno != EEXIST) break;
  }
  fail(lastError());
  return false;
}

void AtomicFileWriter::discard() {
  // The name goes while the lock is still held.
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
  if (fd_ >= 0) {
    ::close(fd_);
    fd_ = -1;
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
  // Only after fsync and rename: the data is on the disk and under its
  // name, so an error of close has nothing left to report.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

bool writeFileAtomically(const std::filesystem::path& path, const uint8_t* bytes, size_t size) {
  AtomicFileWriter writer(path);
  return writer.write(bytes, size) && writer.commit();
}

}  // namespace vendaro
