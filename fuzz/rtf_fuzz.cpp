// rtf_fuzz.cpp — feeds arbitrary bytes, behind "{\rtf", to the RTF reader.
// Whatever it reads must leave a document the rest of the program can
// trust: the caret at the start, every cell's font and picture index in
// range, every table row group whole.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "formats/rtf_reader.h"

namespace {

void check(const vendaro::Document& doc) {
  if (doc.CurField != 0 || doc.CurLine != 0 || doc.CurChar != 0) std::abort();
  for (const vendaro::TFieldRec& frame : doc.Fields) {
    if (frame.Lines.empty()) std::abort();
    for (size_t i = 0; i < frame.Lines.size(); ++i) {
      const vendaro::TLineRec& line = frame.Lines[i];
      for (const vendaro::TCharRec& cell : line.Chars) {
        if (cell.FontIndex < 0 || cell.FontIndex >= doc.FontCount()) std::abort();
        if (cell.Kind == vendaro::kCellPicture && cell.PictureIndex >= doc.Pictures.size()) std::abort();
      }
      if (line.InTable && line.CellIndex == 0 && i + static_cast<size_t>(line.RowCells) > frame.Lines.size()) std::abort();
      if (line.InTable && line.CellWidthWeight <= 0) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<uint8_t> bytes = {'{', '\\', 'r', 't', 'f'};
  bytes.insert(bytes.end(), data, data + size);
  vendaro::Document doc;
  doc.NewPage(true);
  doc.CreateHeaderFooter();
  vendaro::decodeRtf(bytes, doc, nullptr);
  check(doc);
  return 0;
}
