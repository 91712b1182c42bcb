// byte_io.h — little-endian reading and writing of binary files field by
// field. The reader is bounded: every read checks the bytes left and a short
// read sets a sticky failure instead of touching memory outside the buffer.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace vendaro {

class ByteWriter {
 public:
  void u8(uint8_t v) { bytes_.push_back(v); }
  void u16(uint16_t v) { put(v, 2); }
  void u32(uint32_t v) { put(v, 4); }
  void i32(int32_t v) { put(static_cast<uint32_t>(v), 4); }
  void f32(float v) { uint32_t b; std::memcpy(&b, &v, 4); put(b, 4); }
  void f64(double v) { uint64_t b; std::memcpy(&b, &v, 8); put(b, 8); }
  void raw(const void* data, size_t n) {
    if (n == 0) return;
    const size_t at = bytes_.size();
    bytes_.resize(at + n);
    std::memcpy(bytes_.data() + at, data, n);
  }
  void raw(std::string_view s) { raw(s.data(), s.size()); }
  void zeros(size_t n) { bytes_.insert(bytes_.end(), n, 0); }
  // int32 length, then the bytes.
  void lengthPrefixed(std::string_view s) { i32(static_cast<int32_t>(s.size())); raw(s); }

  size_t size() const { return bytes_.size(); }
  const std::vector<uint8_t>& bytes() const { return bytes_; }
  std::vector<uint8_t>& bytes() { return bytes_; }
  void reserve(size_t n) { bytes_.reserve(n); }

 private:
  void put(uint64_t v, int n) {
    uint8_t le[8];
    for (int i = 0; i < n; ++i) le[i] = static_cast<uint8_t>(v >> (8 * i));
    raw(le, static_cast<size_t>(n));
  }
  std::vector<uint8_t> bytes_;
};

class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<uint8_t>& v) : ByteReader(v.data(), v.size()) {}

  uint8_t u8() { return static_cast<uint8_t>(get(1)); }
  uint16_t u16() { return static_cast<uint16_t>(get(2)); }
  uint32_t u32() { return static_cast<uint32_t>(get(4)); }
  int32_t i32() { return static_cast<int32_t>(get(4)); }
  float f32() { uint32_t b = u32(); float v; std::memcpy(&v, &b, 4); return v; }
  double f64() { uint64_t b = get(8); double v; std::memcpy(&v, &b, 8); return v; }
  // Copies n bytes; false (and nothing copied) when fewer are left.
  bool raw(void* out, size_t n) {
    if (!take(n)) return false;
    std::memcpy(out, data_ + pos_ - n, n);
    return true;
  }
  // A view of the next n bytes, empty on a short read.
  std::string_view view(size_t n) {
    if (!take(n)) return {};
    return {reinterpret_cast<const char*>(data_ + pos_ - n), n};
  }
  bool skip(size_t n) { return take(n); }
  // int32 length, then the bytes; a negative or too long length fails.
  std::string lengthPrefixed() {
    int32_t n = i32();
    if (failed_ || n < 0 || static_cast<size_t>(n) > left()) { failed_ = true; return {}; }
    return std::string(view(static_cast<size_t>(n)));
  }

  size_t left() const { return size_ - pos_; }
  size_t position() const { return pos_; }
  bool atEnd() const { return pos_ == size_; }
  bool failed() const { return failed_; }
  void fail() { failed_ = true; }
  // True when `count` items of at least `minSize` bytes each can still follow.
  bool canHold(int64_t count, size_t minSize) const {
    return !failed_ && count >= 0 && static_cast<uint64_t>(count) <= left() / (minSize ? minSize : 1);
  }

 private:
  bool take(size_t n) {
    if (failed_ || n > left()) { failed_ = true; return false; }
    pos_ += n;
    return true;
  }
  uint64_t get(int n) {
    if (!take(static_cast<size_t>(n))) return 0;
    uint64_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<uint64_t>(data_[pos_ - static_cast<size_t>(n) + static_cast<size_t>(i)]) << (8 * i);
    return v;
  }

  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace vendaro
