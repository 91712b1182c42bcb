// pdf_file.h — the byte sink of the PDF writer. Bytes go to a fresh file
// beside the target, which takes the target's name only once everything was
// written; a failed or abandoned file is removed, so the target never holds
// a half-written PDF. Counts bytes for the object offsets.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace vendaro {

class PdfFile {
 public:
  PdfFile() = default;
  ~PdfFile();
  PdfFile(const PdfFile&) = delete;
  PdfFile& operator=(const PdfFile&) = delete;

  // Opens a new temporary file in the target's folder. False (with error()
  // set) when the target cannot become a file: missing folder, a folder of
  // that name, no right to write, or no temporary file can be created.
  bool create(const std::filesystem::path& target);
  bool isOpen() const { return fd_ >= 0; }

  void write(std::string_view bytes);
  void writeLine(std::string_view line);
  // Compresses `data` in zlib format at level 9 and writes it; returns the
  // number of compressed bytes.
  uint64_t writeDeflated(std::string_view data);
  uint64_t position() const { return position_; }

  // The first failure since create(); writes after it are dropped.
  bool failed() const { return static_cast<bool>(error_); }
  std::error_code error() const { return error_; }

  // Writes what is buffered, closes and renames onto the target. On any
  // failure the temporary file is removed and false returned.
  bool commit();
  // Closes and removes the temporary file.
  void discard();

 private:
  void flushBuffer();
  void writeToDescriptor(const char* data, size_t size);
  void fail(std::error_code error);
  void closeDescriptor();

  int fd_ = -1;
  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::string buffer_;
  uint64_t position_ = 0;
  std::error_code error_;
};

}  // namespace vendaro
