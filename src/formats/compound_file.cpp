// compound_file.cpp — header, sector tables, directory and mini stream of a
// compound file, each followed only as far as the file's own sector count.
#include "formats/compound_file.h"

#include <algorithm>
#include <cstring>

namespace vendaro {
namespace {

constexpr uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
constexpr size_t kHeaderSize = 512;
constexpr size_t kHeaderDifatCount = 109;
constexpr size_t kEntrySize = 128;
constexpr uint32_t kNoStream = 0xFFFFFFFF;
constexpr uint8_t kStreamEntry = 2;
constexpr uint8_t kRootEntry = 5;

uint16_t le16(std::span<const uint8_t> b, size_t at) {
  return at + 2 <= b.size() ? static_cast<uint16_t>(b[at] | b[at + 1] << 8) : 0;
}
uint32_t le32(std::span<const uint8_t> b, size_t at) {
  return at + 4 <= b.size() ? static_cast<uint32_t>(le16(b, at) | uint32_t(le16(b, at + 2)) << 16) : 0;
}

char16_t upperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; }

std::u16string upperName(std::u16string_view name) {
  std::u16string upper(name);
  std::transform(upper.begin(), upper.end(), upper.begin(), upperAscii);
  return upper;
}

}  // namespace

std::optional<CompoundFile> CompoundFile::open(std::vector<uint8_t> bytes) {
  CompoundFile file;
  file.bytes_ = std::move(bytes);
  if (!file.readHeader() || !file.readFat()) return std::nullopt;
  file.readDirectory();
  file.readMiniStream();
  return file;
}

bool CompoundFile::readHeader() {
  const std::span<const uint8_t> b(bytes_);
  if (b.size() < kHeaderSize || std::memcmp(b.data(), kSignature, sizeof kSignature) != 0) return false;
  majorVersion_ = le16(b, 0x1A);
  sectorShift_ = le16(b, 0x1E);
  miniSectorShift_ = le16(b, 0x20);
  if (sectorShift_ != 9 && sectorShift_ != 12) return false;
  if (miniSectorShift_ != 6) return false;
  fatSectors_ = le32(b, 0x2C);
  firstDirectory_ = le32(b, 0x30);
  miniCutoff_ = le32(b, 0x38);
  firstMiniFat_ = le32(b, 0x3C);
  miniFatSectors_ = le32(b, 0x40);
  firstDifat_ = le32(b, 0x44);
  difatSectors_ = le32(b, 0x48);
  const size_t sectorSize = size_t(1) << sectorShift_;
  // The header occupies the first sector's place; a last sector cut short
  // still counts, its missing bytes read as zeros.
  sectorCount_ = (bytes_.size() + sectorSize - 1) / sectorSize - 1;
  return true;
}

std::span<const uint8_t> CompoundFile::sector(uint32_t index) const {
  if (index >= sectorCount_) return {};
  const size_t sectorSize = size_t(1) << sectorShift_;
  const size_t at = (size_t(index) + 1) * sectorSize;
  return std::span<const uint8_t>(bytes_).subspan(at, std::min(sectorSize, bytes_.size() - at));
}

bool CompoundFile::readFat() {
  const std::span<const uint8_t> header(bytes_.data(), kHeaderSize);
  std::vector<uint32_t> fatSectorList;
  for (size_t i = 0; i < kHeaderDifatCount && fatSectorList.size() < fatSectors_; ++i)
    fatSectorList.push_back(le32(header, 0x4C + 4 * i));
  // The DIFAT chain links its own sectors through each one's last entry.
  const size_t perSector = (size_t(1) << sectorShift_) / 4;
  std::vector<bool> visited(sectorCount_);
  uint32_t difat = firstDifat_;
  for (uint32_t n = 0; n < difatSectors_ && difat < sectorCount_ && !visited[difat]; ++n) {
    visited[difat] = true;
    const std::span<const uint8_t> s = sector(difat);
    for (size_t i = 0; i + 1 < perSector && fatSectorList.size() < fatSectors_; ++i)
      fatSectorList.push_back(le32(s, 4 * i));
    difat = le32(s, 4 * (perSector - 1));
  }
  // No table can describe more sectors than the file holds.
  const size_t usable = std::min<size_t>(fatSectorList.size(), sectorCount_ / perSector + 1);
  fat_.reserve(usable * perSector);
  for (size_t i = 0; i < usable; ++i) {
    const std::span<const uint8_t> s = sector(fatSectorList[i]);
    if (s.empty()) break;
    for (size_t j = 0; j < perSector; ++j) fat_.push_back(le32(s, 4 * j));
  }
  if (fat_.size() > sectorCount_) fat_.resize(sectorCount_);
  return !fat_.empty();
}

std::vector<uint32_t> CompoundFile::chain(uint32_t start, const std::vector<uint32_t>& table, size_t limit) const {
  std::vector<uint32_t> sectors;
  std::vector<bool> visited(std::min(table.size(), limit));
  for (uint32_t at = start; at < visited.size() && !visited[at];) {
    visited[at] = true;
    sectors.push_back(at);
    at = table[at];
  }
  return sectors;
}

std::vector<uint8_t> CompoundFile::readChain(uint32_t start, uint64_t size) const {
  const size_t sectorSize = size_t(1) << sectorShift_;
  const std::vector<uint32_t> sectors = chain(start, fat_, sectorCount_);
  const size_t total = static_cast<size_t>(std::min<uint64_t>(size, uint64_t(sectors.size()) * sectorSize));
  std::vector<uint8_t> out;
  out.reserve(total);
  // Sectors that follow each other in the file are copied in one go.
  for (size_t i = 0; i < sectors.size() && out.size() < total;) {
    size_t run = 1;
    while (i + run < sectors.size() && sectors[i + run] == sectors[i] + run) ++run;
    const size_t at = (size_t(sectors[i]) + 1) * sectorSize;
    const size_t wanted = std::min(run * sectorSize, total - out.size());
    const size_t present = std::min(wanted, bytes_.size() - at);
    out.insert(out.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(at),
               bytes_.begin() + static_cast<std::ptrdiff_t>(at + present));
    out.resize(out.size() + (wanted - present), 0);  // a last sector cut short reads as zeros
    i += run;
  }
  return out;
}

std::vector<uint8_t> CompoundFile::readMiniChain(uint32_t start, uint64_t size) const {
  std::vector<uint8_t> out;
  const size_t miniSize = size_t(1) << miniSectorShift_;
  const size_t miniCount = miniStream_.size() / miniSize;
  for (uint32_t index : chain(start, miniFat_, miniCount)) {
    if (out.size() >= size) break;
    const size_t take = static_cast<size_t>(std::min<uint64_t>(miniSize, size - out.size()));
    const auto from = miniStream_.begin() + static_cast<std::ptrdiff_t>(index * miniSize);
    out.insert(out.end(), from, from + static_cast<std::ptrdiff_t>(take));
  }
  return out;
}

void CompoundFile::readDirectory() {
  const std::vector<uint8_t> directory = readChain(firstDirectory_, uint64_t(sectorCount_) << sectorShift_);
  const std::span<const uint8_t> d(directory);
  for (size_t at = 0; at + kEntrySize <= d.size(); at += kEntrySize) {
    Entry entry;
    const size_t nameBytes = std::min<size_t>(le16(d, at + 0x40), 64);
    for (size_t i = 0; i + 1 < nameBytes; i += 2) {
      const char16_t c = le16(d, at + i);
      if (c == 0) break;
      entry.name.push_back(c);
    }
    entry.type = d[at + 0x42];
    entry.left = le32(d, at + 0x44);
    entry.right = le32(d, at + 0x48);
    entry.child = le32(d, at + 0x4C);
    entry.start = le32(d, at + 0x74);
    entry.size = le32(d, at + 0x78);
    // Version 3 files may leave garbage in the high half of the size.
    if (majorVersion_ >= 4) entry.size |= uint64_t(le32(d, at + 0x7C)) << 32;
    entries_.push_back(std::move(entry));
  }
}

void CompoundFile::readMiniStream() {
  if (entries_.empty() || entries_[0].type != kRootEntry) return;
  miniStream_ = readChain(entries_[0].start, entries_[0].size);
  const size_t miniSize = size_t(1) << miniSectorShift_;
  miniStream_.resize(miniStream_.size() / miniSize * miniSize);
  const std::vector<uint8_t> table = readChain(firstMiniFat_, uint64_t(miniFatSectors_) << sectorShift_);
  for (size_t at = 0; at + 4 <= table.size(); at += 4) miniFat_.push_back(le32(table, at));
}

std::vector<uint32_t> CompoundFile::rootStreams() const {
  std::vector<uint32_t> found;
  if (entries_.empty() || entries_[0].type != kRootEntry) return found;
  // The root's children form a tree through the sibling links; a damaged
  // file may link an entry twice or in a circle.
  std::vector<bool> visited(entries_.size());
  std::vector<uint32_t> pending{entries_[0].child};
  while (!pending.empty()) {
    const uint32_t at = pending.back();
    pending.pop_back();
    if (at == kNoStream || at >= entries_.size() || visited[at]) continue;
    visited[at] = true;
    const Entry& entry = entries_[at];
    if (entry.type == kStreamEntry) found.push_back(at);
    pending.push_back(entry.right);
    pending.push_back(entry.left);
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::optional<std::span<const uint8_t>> CompoundFile::chainInPlace(uint32_t start, uint64_t size) const {
  const size_t sectorSize = size_t(1) << sectorShift_;
  const std::vector<uint32_t> sectors = chain(start, fat_, sectorCount_);
  const uint64_t length = std::min<uint64_t>(size, uint64_t(sectors.size()) * sectorSize);
  const size_t needed = static_cast<size_t>((length + sectorSize - 1) / sectorSize);
  for (size_t i = 1; i < needed; ++i)
    if (sectors[i] != sectors[0] + i) return std::nullopt;
  const size_t at = needed ? (size_t(sectors[0]) + 1) * sectorSize : 0;
  if (needed == 0) return std::span<const uint8_t>();
  if (at + length > bytes_.size()) return std::nullopt;
  return std::span<const uint8_t>(bytes_).subspan(at, static_cast<size_t>(length));
}

std::optional<std::span<const uint8_t>> CompoundFile::stream(std::string_view name) {
  std::u16string wanted(name.begin(), name.end());
  wanted = upperName(wanted);
  if (const auto known = read_.find(wanted); known != read_.end()) return known->second;
  for (uint32_t index : rootStreams()) {
    const Entry& entry = entries_[index];
    if (upperName(entry.name) != wanted) continue;
    std::optional<std::span<const uint8_t>> content;
    if (entry.size >= miniCutoff_) content = chainInPlace(entry.start, entry.size);
    if (!content) {
      std::vector<uint8_t>& copy = copies_[wanted];
      copy = entry.size < miniCutoff_ ? readMiniChain(entry.start, entry.size) : readChain(entry.start, entry.size);
      content = std::span<const uint8_t>(copy);
    }
    return read_.emplace(wanted, *content).first->second;
  }
  return std::nullopt;
}

std::vector<std::string> CompoundFile::streamNames() const {
  std::vector<std::string> names;
  for (uint32_t index : rootStreams()) {
    std::string name;
    for (char16_t c : entries_[index].name) name.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    names.push_back(std::move(name));
  }
  return names;
}

}  // namespace vendaro
