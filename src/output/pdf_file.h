// pdf_file.h — the byte sink of the PDF writer: counts bytes for the object
// offsets and compresses page streams. The file itself is an AtomicFileWriter,
// so the target never holds a half-written PDF.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "platform/file_io.h"

namespace vendaro {

class PdfFile {
 public:
  // Opens a new temporary file beside the target; false with error() set
  // when the target cannot become a file (see AtomicFileWriter::open).
  bool create(const std::filesystem::path& target) {
    position_ = 0;
    return writer_.open(target);
  }
  bool isOpen() const { return writer_.isOpen(); }

  // Positions advance even after a failure, so offsets stay consistent
  // until the file is given up.
  void write(std::string_view bytes) {
    position_ += bytes.size();
    writer_.write(bytes);
  }
  void writeLine(std::string_view line);
  // Compresses `data` in zlib format at level 9 and writes it; returns the
  // number of compressed bytes.
  uint64_t writeDeflated(std::string_view data);
  uint64_t position() const { return position_; }
  // Replaces bytes written before (see AtomicFileWriter::overwrite).
  void overwrite(uint64_t offset, std::string_view bytes) { writer_.overwrite(offset, bytes); }

  // The first failure since create(); writes after it are dropped.
  bool failed() const { return writer_.failed(); }
  std::error_code error() const { return writer_.error(); }

  // Renames the finished file onto the target; false (the target untouched
  // and the temporary file removed) on any failure.
  bool commit() { return writer_.commit(); }
  void discard() { writer_.discard(); }

 private:
  AtomicFileWriter writer_;
  uint64_t position_ = 0;
};

// `data` compressed in zlib format at the highest level, for streams whose
// length must be known before they are written.
std::string deflateBytes(std::string_view data);

}  // namespace vendaro
