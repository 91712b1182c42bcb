// pdf_objects.h — the numbered objects of a PDF file: where each one starts,
// and the cross-reference table and trailer that list them. Objects are
// numbered in the order they are written, from 1; object 0 is the free head.
#pragma once

#include <cstdint>
#include <vector>

namespace vendaro {

class PdfFile;

struct PdfObjectEntry {
  uint64_t offset = 0;
  uint32_t generation = 0;
  bool free = false;
};

class PdfObjectTable {
 public:
  PdfObjectTable() { clear(); }

  void clear();
  // Records the next object at the file's position and writes "n 0 obj".
  int beginObject(PdfFile& file);
  void endObject(PdfFile& file);
  // The number the next beginObject() gives.
  int nextNumber() const { return static_cast<int>(entries_.size()); }
  // Entries including the free entry 0: the trailer's /Size.
  int size() const { return static_cast<int>(entries_.size()); }
  const std::vector<PdfObjectEntry>& entries() const { return entries_; }

  // Cross-reference table, trailer, startxref and "%%EOF" (no final line feed).
  void writeXrefAndTrailer(PdfFile& file, int rootObject) const;

 private:
  std::vector<PdfObjectEntry> entries_;
};

}  // namespace vendaro
