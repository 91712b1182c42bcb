// compound_file_builder.h — writes compound files byte by byte for tests and
// benchmarks: version 3, 512-byte sectors, streams under 4096 bytes in the
// mini stream. It records where it put each table so that a test
// can damage exactly one link afterwards.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace vendaro::testing {

class CompoundFileBuilder {
 public:
  static constexpr uint32_t kEnd = 0xFFFFFFFE, kFree = 0xFFFFFFFF, kFatMark = 0xFFFFFFFD, kDifatMark = 0xFFFFFFFC;
  static constexpr size_t kSector = 512, kMini = 64, kCutoff = 4096;

  void add(std::string name, std::vector<uint8_t> content) { streams_.emplace_back(std::move(name), std::move(content)); }
  // Unused sectors before the content, to make the sector table long enough
  // to need DIFAT sectors.
  void padSectors(size_t count) { padding_ = count; }

  std::vector<uint8_t> build() {
    std::vector<std::vector<uint8_t>> sectors;
    fat_.clear();
    std::vector<uint8_t> miniStream, miniFatBytes;
    std::vector<uint32_t> miniFat;
    starts_.clear();
    for (size_t i = 0; i < padding_; ++i) { sectors.emplace_back(kSector, 0); fat_.push_back(kFree); }
    for (const auto& [name, content] : streams_) {
      if (content.size() < kCutoff) {
        starts_.push_back(static_cast<uint32_t>(miniStream.size() / kMini));
        const size_t count = (content.size() + kMini - 1) / kMini;
        for (size_t i = 0; i < count; ++i)
          miniFat.push_back(i + 1 < count ? static_cast<uint32_t>(miniStream.size() / kMini + i + 1) : kEnd);
        miniStream.insert(miniStream.end(), content.begin(), content.end());
        miniStream.resize(miniStream.size() + (count * kMini - content.size()), 0);
      } else {
        starts_.push_back(place(sectors, content));
      }
    }
    const uint32_t miniStreamStart = miniStream.empty() ? kEnd : place(sectors, miniStream);
    for (uint32_t v : miniFat) append32(miniFatBytes, v);
    const uint32_t miniFatStart = miniFatBytes.empty() ? kEnd : place(sectors, miniFatBytes);
    directorySector = place(sectors, directory(miniStreamStart, miniStream.size()));
    // The sector table covers itself and the DIFAT sectors it needs.
    size_t fatCount = 1, difatCount = 0;
    for (;;) {
      const size_t total = sectors.size() + fatCount + difatCount;
      const size_t needFat = (total + 127) / 128;
      const size_t needDifat = needFat > 109 ? (needFat - 109 + 126) / 127 : 0;
      if (needFat == fatCount && needDifat == difatCount) break;
      fatCount = needFat;
      difatCount = needDifat;
    }
    fatSectors.clear();
    for (size_t i = 0; i < fatCount; ++i) {
      fatSectors.push_back(static_cast<uint32_t>(sectors.size()));
      sectors.emplace_back(kSector, 0);
      fat_.push_back(kFatMark);
    }
    difatSectors.clear();
    for (size_t i = 0; i < difatCount; ++i) {
      difatSectors.push_back(static_cast<uint32_t>(sectors.size()));
      sectors.emplace_back(kSector, 0);
      fat_.push_back(kDifatMark);
    }
    fat_.resize(fatCount * 128, kFree);
    for (size_t i = 0; i < fatCount; ++i)
      for (size_t j = 0; j < 128; ++j) put32(sectors[fatSectors[i]], 4 * j, fat_[i * 128 + j]);
    for (size_t d = 0; d < difatCount; ++d) {
      for (size_t j = 0; j < 127; ++j) {
        const size_t k = 109 + d * 127 + j;
        put32(sectors[difatSectors[d]], 4 * j, k < fatCount ? fatSectors[k] : kFree);
      }
      put32(sectors[difatSectors[d]], 508, d + 1 < difatCount ? difatSectors[d + 1] : kEnd);
    }
    std::vector<uint8_t> file(kSector, 0);
    const uint8_t signature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
    std::memcpy(file.data(), signature, 8);
    put16(file, 0x18, 0x3E);
    put16(file, 0x1A, 3);
    put16(file, 0x1C, 0xFFFE);
    put16(file, 0x1E, 9);
    put16(file, 0x20, 6);
    put32(file, 0x2C, fatCount);
    put32(file, 0x30, directorySector);
    put32(file, 0x38, kCutoff);
    put32(file, 0x3C, miniFatStart);
    put32(file, 0x40, (miniFatBytes.size() + kSector - 1) / kSector);
    put32(file, 0x44, difatCount ? difatSectors[0] : kEnd);
    put32(file, 0x48, difatCount);
    for (size_t i = 0; i < 109; ++i) put32(file, 0x4C + 4 * i, i < fatCount ? fatSectors[i] : kFree);
    for (const auto& s : sectors) file.insert(file.end(), s.begin(), s.end());
    return file;
  }

  static size_t offsetOf(uint32_t sector) { return (size_t(sector) + 1) * kSector; }
  // The byte of the sector table entry for `sector`.
  size_t fatEntryOffset(uint32_t sector) const { return offsetOf(fatSectors[sector / 128]) + 4 * (sector % 128); }
  // The byte of directory entry `index` (0 is the root).
  size_t entryOffset(uint32_t index) const { return offsetOf(directorySector) + 128 * index; }
  uint32_t streamStart(size_t stream) const { return starts_[stream]; }

  static void put16(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    b[at] = static_cast<uint8_t>(v);
    b[at + 1] = static_cast<uint8_t>(v >> 8);
  }
  static void put32(std::vector<uint8_t>& b, size_t at, uint64_t v) {
    put16(b, at, static_cast<uint32_t>(v & 0xFFFF));
    put16(b, at + 2, static_cast<uint32_t>(v >> 16 & 0xFFFF));
  }

  std::vector<uint32_t> fatSectors, difatSectors;
  uint32_t directorySector = 0;

 private:
  static void append32(std::vector<uint8_t>& b, uint32_t v) {
    b.resize(b.size() + 4);
    put32(b, b.size() - 4, v);
  }

  uint32_t place(std::vector<std::vector<uint8_t>>& sectors, const std::vector<uint8_t>& content) {
    const uint32_t first = static_cast<uint32_t>(sectors.size());
    const size_t count = std::max<size_t>(1, (content.size() + kSector - 1) / kSector);
    for (size_t i = 0; i < count; ++i) {
      std::vector<uint8_t> s(kSector, 0);
      const size_t from = i * kSector;
      if (from < content.size()) std::memcpy(s.data(), content.data() + from, std::min(kSector, content.size() - from));
      sectors.push_back(std::move(s));
      fat_.push_back(i + 1 < count ? first + static_cast<uint32_t>(i) + 1 : kEnd);
    }
    return first;
  }

  // Root first, then the streams chained as right siblings of each other.
  std::vector<uint8_t> directory(uint32_t miniStart, size_t miniSize) {
    std::vector<uint8_t> d(128 * (streams_.size() + 1), 0);
    entry(d, 0, u"Root Entry", 5, kFree, streams_.empty() ? kFree : 1, miniStart, miniSize);
    for (size_t i = 0; i < streams_.size(); ++i) {
      const std::u16string name(streams_[i].first.begin(), streams_[i].first.end());
      entry(d, i + 1, name, 2, i + 1 < streams_.size() ? static_cast<uint32_t>(i + 2) : kFree, kFree, starts_[i],
            streams_[i].second.size());
    }
    return d;
  }

  static void entry(std::vector<uint8_t>& d, size_t index, const std::u16string& name, uint8_t type, uint32_t right,
                    uint32_t child, uint32_t start, size_t size) {
    const size_t at = 128 * index;
    for (size_t i = 0; i < name.size() && i < 31; ++i) put16(d, at + 2 * i, name[i]);
    put16(d, at + 0x40, static_cast<uint32_t>(2 * (std::min<size_t>(name.size(), 31) + 1)));
    d[at + 0x42] = type;
    d[at + 0x43] = 1;
    put32(d, at + 0x44, kFree);
    put32(d, at + 0x48, right);
    put32(d, at + 0x4C, child);
    put32(d, at + 0x74, start);
    put32(d, at + 0x78, size);
  }

  std::vector<std::pair<std::string, std::vector<uint8_t>>> streams_;
  std::vector<uint32_t> fat_, starts_;
  size_t padding_ = 0;
};

}  // namespace vendaro::testing
