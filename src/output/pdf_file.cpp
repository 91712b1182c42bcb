#include "output/pdf_file.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <string>

namespace vendaro {

namespace {

constexpr size_t kDeflateChunk = 1 << 18;
// Level 9 with zlib's full 32 KB window spends most of its time walking the
// hash chains of operators that repeat every few dozen bytes (BT, Td, Tj,
// ET) for matches that rarely get longer. An 8 KB window finds nearly the
// same matches in well under half the time; page streams of short text runs
// come out as small or smaller.
constexpr int kDeflateLevel = 9;
constexpr int kDeflateWindowBits = 13;
constexpr int kDeflateMemoryLevel = 8;

}  // namespace

void PdfFile::writeLine(std::string_view line) {
  write(line);
  write("\n");
}

uint64_t PdfFile::writeDeflated(std::string_view data) {
  z_stream stream{};
  if (deflateInit2(&stream, kDeflateLevel, Z_DEFLATED, kDeflateWindowBits, kDeflateMemoryLevel,
                   Z_DEFAULT_STRATEGY) != Z_OK) {
    writer_.fail(std::make_error_code(std::errc::not_enough_memory));
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
      writer_.fail(std::make_error_code(std::errc::io_error));
      break;
    }
    write(std::string_view(chunk.data(), chunk.size() - stream.avail_out));
  }
  const uint64_t compressed = stream.total_out;
  deflateEnd(&stream);
  return compressed;
}

std::string deflateBytes(std::string_view data) {
  uLongf length = compressBound(static_cast<uLong>(data.size()));
  std::string out(length, '\0');
  if (compress2(reinterpret_cast<Bytef*>(out.data()), &length, reinterpret_cast<const Bytef*>(data.data()),
                static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK) {
    return {};
  }
  out.resize(length);
  return out;
}

}  // namespace vendaro
