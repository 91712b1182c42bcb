#include "output/pdf_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <random>

namespace vendaro {

namespace {

constexpr size_t kBufferSize = 1 << 20;
constexpr size_t kDeflateChunk = 1 << 18;
constexpr int kCreateAttempts = 32;
// Level 9 with zlib's full 32 KB window spends most of its time walking the
// hash chains of operators that repeat every few dozen bytes (BT, Td, Tj,
// ET) for matches that rarely get longer. An 8 KB window finds nearly the
// same matches in well under half the time; page streams of short text runs
// come out as small or smaller.
constexpr int kDeflateLevel = 9;
constexpr int kDeflateWindowBits = 13;
constexpr int kDeflateMemoryLevel = 8;
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

PdfFile::~PdfFile() { discard(); }

bool PdfFile::create(const std::filesystem::path& target) {
  discard();
  error_.clear();
  position_ = 0;
  buffer_.clear();

  std::error_code ignored;
  target_ = target;
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
  if (exists && access(target_.c_str(), W_OK) != 0) {
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
    int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      fd_ = fd;
      temporary_ = std::move(candidate);
      // A replaced file keeps its permissions.
      if (exists) ::fchmod(fd_, existing.st_mode & 07777);
      buffer_.reserve(kBufferSize);
      return true;
    }
    if (errno != EEXIST) break;
  }
  fail(lastError());
  return false;
}

void PdfFile::write(std::string_view bytes) {
  position_ += bytes.size();
  if (fd_ < 0 || failed()) return;
  if (buffer_.size() + bytes.size() > kBufferSize) {
    flushBuffer();
    if (bytes.size() >= kBufferSize) {
      // Large blocks (picture data) go straight to the file.
      writeToDescriptor(bytes.data(), bytes.size());
      return;
    }
  }
  buffer_.append(bytes);
}

void PdfFile::writeLine(std::string_view line) {
  write(line);
  write("\n");
}

uint64_t PdfFile::writeDeflated(std::string_view data) {
  z_stream stream{};
  if (deflateInit2(&stream, kDeflateLevel, Z_DEFLATED, kDeflateWindowBits, kDeflateMemoryLevel,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    fail(std::make_error_code(std::errc::not_enough_memory));
    return 0;
  }
  std::string chunk(kDeflateChunk, '\0');
  auto next = reinterpret_cast<const Bytef*>(data.data());
  size_t left = data.size();
  int status = Z_OK;
  while (status != Z_STREAM_END) {
    if (stream.avail_in == 0 && left > 0) {
      const auto piece = static_cast<uInt>(std::min<size_t>(left, UINT_MAX));
      stream.next_in = const_cast<Bytef*>(next);
      stream.avail_in = piece;
      next += piece;
      left -= piece;
    }
    stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
    stream.avail_out = static_cast<uInt>(chunk.size());
    status = deflate(&stream, left == 0 ? Z_FINISH : Z_NO_FLUSH);
    if (status == Z_STREAM_ERROR) {
      fail(std::make_error_code(std::errc::io_error));
      break;
    }
    write(std::string_view(chunk.data(), chunk.size() - stream.avail_out));
  }
  const uint64_t compressed = stream.total_out;
  deflateEnd(&stream);
  return compressed;
}

bool PdfFile::commit() {
  if (fd_ < 0) return false;
  flushBuffer();
  closeDescriptor();
  if (!failed() && std::rename(temporary_.c_str(), target_.c_str()) != 0) fail(lastError());
  if (failed()) {
    discard();
    return false;
  }
  temporary_.clear();
  return true;
}

void PdfFile::discard() {
  closeDescriptor();
  if (!temporary_.empty()) {
    ::unlink(temporary_.c_str());
    temporary_.clear();
  }
  buffer_.clear();
}

void PdfFile::flushBuffer() {
  writeToDescriptor(buffer_.data(), buffer_.size());
  buffer_.clear();
}

void PdfFile::writeToDescriptor(const char* data, size_t size) {
  while (size > 0 && fd_ >= 0 && !failed()) {
    ssize_t written = ::write(fd_, data, std::min<size_t>(size, SSIZE_MAX));
    if (written < 0) {
      if (errno == EINTR) continue;
      fail(lastError());
    } else {
      data += written;
      size -= static_cast<size_t>(written);
    }
  }
}

void PdfFile::fail(std::error_code error) {
  if (!error_) error_ = error;
}

void PdfFile::closeDescriptor() {
  if (fd_ < 0) return;
  if (::close(fd_) != 0 && errno != EINTR) fail(lastError());
  fd_ = -1;
}

}  // namespace vendaro
