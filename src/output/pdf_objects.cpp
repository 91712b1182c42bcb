#include "output/pdf_objects.h"

#include <string>

#include "output/pdf_file.h"
#include "output/pdf_format.h"

namespace vendaro {

void PdfObjectTable::clear() {
  entries_.clear();
  entries_.push_back({0, 65535, true});
}

int PdfObjectTable::beginObject(PdfFile& file) {
  const int number = nextNumber();
  entries_.push_back({file.position(), 0, false});
  std::string line;
  appendInt(line, number);
  line += " 0 obj";
  file.writeLine(line);
  return number;
}

void PdfObjectTable::endObject(PdfFile& file) { file.writeLine("endobj"); }

void PdfObjectTable::writeXrefAndTrailer(PdfFile& file, int rootObject) const {
  const uint64_t xrefPosition = file.position();
  std::string text = "xref\n0 ";
  appendInt(text, size());
  text += '\n';
  text.reserve(text.size() + entries_.size() * 20 + 128);
  for (const PdfObjectEntry& entry : entries_) {
    appendXrefEntry(text, entry.offset, entry.generation, entry.free);
  }
  text += "trailer\n<<\n/Size ";
  appendInt(text, size());
  text += "\n/Root ";
  appendInt(text, rootObject);
  text += " 0 R\n>>\nstartxref\n";
  appendInt(text, static_cast<long long>(xrefPosition));
  text += "\n%%EOF";
  file.write(text);
}

}  // namespace vendaro
