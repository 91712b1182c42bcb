// compound_file.h — reads the streams of a compound file (the container of
// Word 97–2003 documents) from bytes in memory. Every chain, index and size
// from the file is checked, so damaged or hostile files end a chain or hide a
// stream but never lead outside the bytes or into an endless walk.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vendaro {

class CompoundFile {
 public:
  // Nothing when the bytes have no compound file header or sector table.
  static std::optional<CompoundFile> open(std::vector<uint8_t> bytes);

  CompoundFile(CompoundFile&&) noexcept = default;
  CompoundFile& operator=(CompoundFile&&) noexcept = default;
  CompoundFile(const CompoundFile&) = delete;  // streams are views into the bytes
  CompoundFile& operator=(const CompoundFile&) = delete;

  // The whole stream of that name among the root's entries (names compared
  // without regard to ASCII case), read once and kept as long as the file;
  // nothing when there is none. Its size is cut to what the stream's chain
  // holds. A stream whose sectors follow each other is a view into the
  // file's bytes rather than a copy.
  std::optional<std::span<const uint8_t>> stream(std::string_view name);
  // Names of the root's streams in directory order (UTF-16 kept as code
  // units above 0x7F replaced by '?').
  std::vector<std::string> streamNames() const;

 private:
  struct Entry {
    std::u16string name;
    uint8_t type = 0;
    uint32_t left = 0, right = 0, child = 0;
    uint32_t start = 0;
    uint64_t size = 0;
  };

  CompoundFile() = default;
  bool readHeader();
  bool readFat();
  void readDirectory();
  void readMiniStream();
  std::vector<uint32_t> chain(uint32_t start, const std::vector<uint32_t>& table, size_t limit) const;
  std::span<const uint8_t> sector(uint32_t index) const;
  std::vector<uint8_t> readChain(uint32_t start, uint64_t size) const;
  // The chain's bytes in place when its sectors are consecutive and whole.
  std::optional<std::span<const uint8_t>> chainInPlace(uint32_t start, uint64_t size) const;
  std::vector<uint8_t> readMiniChain(uint32_t start, uint64_t size) const;
  std::vector<uint32_t> rootStreams() const;

  std::vector<uint8_t> bytes_;
  uint32_t sectorShift_ = 9, miniSectorShift_ = 6, miniCutoff_ = 4096;
  uint32_t majorVersion_ = 3;
  uint32_t fatSectors_ = 0, firstDirectory_ = 0, firstMiniFat_ = 0, miniFatSectors_ = 0;
  uint32_t firstDifat_ = 0, difatSectors_ = 0;
  size_t sectorCount_ = 0;
  std::vector<uint32_t> fat_, miniFat_;
  std::vector<Entry> entries_;
  std::vector<uint8_t> miniStream_;
  std::map<std::u16string, std::vector<uint8_t>> copies_;
  std::map<std::u16string, std::span<const uint8_t>> read_;
};

}  // namespace vendaro
