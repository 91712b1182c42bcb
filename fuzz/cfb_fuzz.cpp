// cfb_fuzz.cpp — feeds arbitrary bytes to the compound file reader and reads
// every stream it lists: nothing may read outside the bytes, hang in a
// chain or return a stream larger than the file (its last sector made whole)
// could hold.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "formats/compound_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::optional<vendaro::CompoundFile> file = vendaro::CompoundFile::open(std::vector<uint8_t>(data, data + size));
  if (!file) return 0;
  for (const std::string& name : file->streamNames()) {
    const std::optional<std::span<const uint8_t>> stream = file->stream(name);
    // Names with characters beyond ASCII are listed with "?" and cannot be
    // asked for by that spelling.
    if (!stream && name.find('?') == std::string::npos) std::abort();
    if (stream && stream->size() > size + 4096) std::abort();
  }
  return 0;
}
