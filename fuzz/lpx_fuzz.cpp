// lpx_fuzz.cpp — feeds arbitrary bytes to the native file reader; whatever
// it accepts must encode again and read back, also once the pictures no
// cell shows have been released (as the first undo step does), and must
// be written as RTF whole: every group closed, the last line ended. That
// RTF must read back, and what it reads must be written whole again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>

#include "document/picture_list.h"
#include "formats/lpx_file.h"
#include "formats/rtf_file.h"
#include "formats/rtf_reader.h"

namespace {

void mustReadBack(const vendaro::Document& doc) {
  const std::vector<uint8_t> again = vendaro::encodeLpx(doc);
  vendaro::Document reread;
  if (!vendaro::decodeLpx(again.data(), again.size(), reread)) std::abort();
  if (reread.PictureCount() != doc.PictureCount()) std::abort();
}

std::string mustWriteRtf(const vendaro::Document& doc) {
  std::string rtf = vendaro::encodeRtf(doc);
  long depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}' && --depth < 0) std::abort();
  }
  if (depth != 0 || !rtf.ends_with("}\r\n")) std::abort();
  return rtf;
}

void mustReadRtfBack(const std::string& rtf) {
  const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size());
  if (!vendaro::looksLikeRtf(bytes)) std::abort();
  vendaro::Document reread;
  reread.NewPage(true);
  reread.CreateHeaderFooter();
  vendaro::decodeRtf(bytes, reread, nullptr);
  if (reread.Fields.empty()) std::abort();
  mustWriteRtf(reread);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::Document doc;
  if (!vendaro::decodeLpx(data, size, doc)) return 0;
  mustReadBack(doc);
  mustReadRtfBack(mustWriteRtf(doc));
  vendaro::FreeBildInListeIfNotNeeded(doc);
  if (doc.PictureCount() > 0) vendaro::FreeBildInListe(doc, 0);
  mustReadBack(doc);
  return 0;
}
