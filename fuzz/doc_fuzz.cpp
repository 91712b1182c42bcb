// doc_fuzz.cpp — feeds arbitrary bytes to the whole Word import. A file it
// takes must give a document whose cells name existing fonts and pictures,
// with the caret at the start; a file it refuses must leave the document.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "formats/word_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vendaro::Document doc;
  doc.NewPage(true);
  if (!vendaro::decodeWord(std::vector<uint8_t>(data, data + size), doc, nullptr)) {
    if (doc.Fields.size() != 1) std::abort();
    return 0;
  }
  if (doc.Fields.size() != 7 || doc.CurLine != 0 || doc.CurChar != 0) std::abort();
  for (const vendaro::TFieldRec& frame : doc.Fields) {
    if (frame.Lines.empty()) std::abort();
    for (const vendaro::TLineRec& line : frame.Lines) {
      for (const vendaro::TCharRec& cell : line.Chars) {
        if (cell.FontIndex < 0 || cell.FontIndex >= doc.FontCount()) std::abort();
        if (cell.Kind == vendaro::kCellPicture && cell.PictureIndex >= doc.Pictures.size()) std::abort();
      }
    }
  }
  return 0;
}
