// lpx_fuzz.cpp — feeds arbitrary bytes to the native file reader; whatever
// it accepts must encode again and read back, also once the pictures no
// cell shows have been released (as the first undo step does), and must
// be written as RTF whole: every group closed, the last line ended.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "document/picture_list.h"
#include "formats/lpx_file.h"
#include "formats/rtf_file.h"

namespace {

void mustReadBack(const vendaro::Document& doc) {
  const std::vector<uint8_t> again = vendaro::encodeLpx(doc);
  vendaro::Document reread;
  if (!vendaro::decodeLpx(again.data(), again.size(), reread)) std::abort();
  if (reread.PictureCount() != doc.PictureCount()) std::abort();
}

void mustWriteRtf(const vendaro::Document& doc) {
  const std::string rtf = vendaro::encodeRtf(doc);
  long depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}' && --depth < 0) std::abort();
  }
  if (depth != 0 || !rtf.ends_with("}\r\n")) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::Document doc;
  if (!vendaro::decodeLpx(data, size, doc)) return 0;
  mustReadBack(doc);
  mustWriteRtf(doc);
  vendaro::FreeBildInListeIfNotNeeded(doc);
  if (doc.PictureCount() > 0) vendaro::FreeBildInListe(doc, 0);
  mustReadBack(doc);
  return 0;
}
