// lpx_fuzz.cpp — feeds arbitrary bytes to the native file reader; whatever
// it accepts must encode again and read back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "formats/lpx_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::Document doc;
  if (!vendaro::decodeLpx(data, size, doc)) return 0;
  const std::vector<uint8_t> again = vendaro::encodeLpx(doc);
  vendaro::Document reread;
  if (!vendaro::decodeLpx(again.data(), again.size(), reread)) std::abort();
  return 0;
}
