// hyphen_pattern_file.cpp — reading and writing the ".hyp" pattern file.
#include "layout/hyphen_pattern_file.h"

#include <stdexcept>

namespace vendaro {

namespace {

// A cursor over the file image; every read says whether the bytes were there.
class ByteReader {
 public:
  explicit ByteReader(std::span<const uint8_t> bytes) : bytes_(bytes) {}

  bool readByte(uint8_t& out) {
    if (remaining() < 1) return false;
    out = bytes_[offset_++];
    return true;
  }
  bool readUint16(uint16_t& out) {
    if (remaining() < 2) return false;
    out = static_cast<uint16_t>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
    offset_ += 2;
    return true;
  }
  bool readInt32(int32_t& out) {
    if (remaining() < 4) return false;
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = value << 8 | bytes_[offset_ + i];
    out = static_cast<int32_t>(value);
    offset_ += 4;
    return true;
  }
  bool readText(size_t length, std::string& out) {
    if (remaining() < length) return false;
    out.assign(reinterpret_cast<const char*>(bytes_.data() + offset_), length);
    offset_ += length;
    return true;
  }

 private:
  size_t remaining() const { return bytes_.size() - offset_; }

  std::span<const uint8_t> bytes_;
  size_t offset_ = 0;
};

bool readPattern(ByteReader& reader, HyphenPattern& pattern) {
  uint8_t length = 0;
  if (!reader.readByte(length) || length > kMaxPatternLetters) return false;
  if (!reader.readText(length, pattern.letters)) return false;
  if (!reader.readUint16(pattern.pairCount) || pattern.pairCount > kMaxPatternPairs) return false;
  for (uint16_t i = 0; i < pattern.pairCount; ++i) {
    PatternPair& pair = pattern.pairs[i];
    if (!reader.readByte(pair.position) || !reader.readByte(pair.value)) return false;
  }
  return true;
}

// Reads one group; the entry count is only a loop bound, never a size, so a
// file that promises millions of entries costs nothing until they are there.
bool readGroup(ByteReader& reader, std::vector<HyphenPattern>& group) {
  int32_t count = 0;
  if (!reader.readInt32(count) || count < 0) return false;
  for (int32_t i = 0; i < count; ++i) {
    HyphenPattern pattern;
    if (!readPattern(reader, pattern)) return false;
    group.push_back(std::move(pattern));
  }
  return true;
}

void appendUint16(std::string& out, uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

void appendInt32(std::string& out, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>(bits >> shift & 0xFF));
}

}  // namespace

PatternFileContents parsePatternFile(std::span<const uint8_t> bytes) {
  PatternFileContents contents;
  contents.status = PatternFileStatus::Complete;
  ByteReader reader(bytes);
  for (auto& group : contents.groups) {
    if (!readGroup(reader, group)) {
      contents.status = PatternFileStatus::Damaged;
      break;
    }
  }
  return contents;
}

std::string serializePatternFile(const HyphenPatternGroups& groups) {
  std::string out;
  for (const auto& group : groups) {
    appendInt32(out, static_cast<int32_t>(group.size()));
    for (const HyphenPattern& pattern : group) {
      if (pattern.letters.size() > kMaxPatternLetters || pattern.pairCount > kMaxPatternPairs) {
        throw std::invalid_argument("hyphenation pattern over the file format's limits: " + pattern.letters);
      }
      out.push_back(static_cast<char>(pattern.letters.size()));
      out += pattern.letters;
      appendUint16(out, pattern.pairCount);
      for (uint16_t i = 0; i < pattern.pairCount; ++i) {
        out.push_back(static_cast<char>(pattern.pairs[i].position));
        out.push_back(static_cast<char>(pattern.pairs[i].value));
      }
    }
  }
  return out;
}

}  // namespace vendaro
