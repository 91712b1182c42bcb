// txt_fuzz.cpp — feeds arbitrary bytes to the plain text reader, in the DOS
// code page when the first byte is odd, else in code page 1252 or UTF-8 as
// the bytes say. What it reads must write out and read back to the same
// paragraphs (an empty last paragraph aside, which no line end can hold).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "formats/txt_file.h"

namespace {

std::vector<std::string> paragraphs(const vendaro::Document& doc) {
  std::vector<std::string> texts;
  for (const vendaro::TLineRec& line : doc.Fields[0].Lines) {
    std::string text;
    for (const vendaro::TCharRec& cell : line.Chars) text += static_cast<char>(cell.Ch);
    texts.push_back(std::move(text));
  }
  while (!texts.empty() && texts.back().empty()) texts.pop_back();
  return texts;
}

vendaro::Document read(std::string_view bytes, bool dos) {
  vendaro::Document doc;
  doc.NewPage(true);
  vendaro::decodeTxt(bytes, dos, doc);
  if (doc.CurLine != 0 || doc.CurChar != 0 || doc.MarkLine != 0) std::abort();
  return doc;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const bool dos = (data[0] & 1) != 0;
  const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const vendaro::Document first = read(bytes, dos);
  for (const vendaro::TLineRec& line : first.Fields[0].Lines)
    for (const vendaro::TCharRec& cell : line.Chars)
      if (cell.Ch < 32 && cell.Ch != '\t') std::abort();
  const std::string written = vendaro::encodeTxt(first, dos);
  // Code page 1252 text that happens to look like UTF-8 ("\xEF\xBB\xBF" at
  // the start, "\xC3\xBC") is read back as UTF-8: the price of guessing.
  if (!dos && first.TextEncoding == vendaro::TextFileEncoding::codePage &&
      vendaro::detectTextEncoding(written) != vendaro::TextFileEncoding::codePage)
    return 0;
  const vendaro::Document second = read(written, dos);
  if (paragraphs(first) != paragraphs(second)) std::abort();
  return 0;
}
