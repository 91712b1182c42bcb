// metafile_builder.h — writes WMF and EMF files record by record, byte by
// byte, for tests and fuzz seeds: each call appends one record with its
// parameters exactly as the file formats lay them out.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

#include "platform/byte_io.h"

namespace vendaro::test {

class WmfBuilder {
 public:
  // With a placeable header when `unitsPerInch` > 0.
  WmfBuilder(int16_t left, int16_t top, int16_t right, int16_t bottom, uint16_t unitsPerInch, uint16_t objects = 16) {
    if (unitsPerInch > 0) {
      out_.u32(0x9AC6CDD7);
      out_.u16(0);
      for (int16_t v : {left, top, right, bottom}) out_.u16(static_cast<uint16_t>(v));
      out_.u16(unitsPerInch);
      out_.u32(0);
      out_.u16(0);  // checksum, not checked by readers
    }
    out_.u16(1);
    out_.u16(9);
    out_.u16(0x0300);
    out_.u32(0);
    out_.u16(objects);
    out_.u32(0);
    out_.u16(0);
  }
  // The parameters as 16-bit words, in the order the file holds them.
  WmfBuilder& record(uint16_t function, std::initializer_list<int> words) {
    std::vector<uint8_t> bytes;
    for (int w : words) {
      bytes.push_back(static_cast<uint8_t>(w));
      bytes.push_back(static_cast<uint8_t>(w >> 8));
    }
    return raw(function, bytes);
  }
  WmfBuilder& raw(uint16_t function, const std::vector<uint8_t>& params) {
    out_.u32(static_cast<uint32_t>(3 + (params.size() + 1) / 2));
    out_.u16(function);
    out_.raw(params.data(), params.size());
    if (params.size() % 2) out_.u8(0);
    return *this;
  }
  std::vector<uint8_t> finish() {
    record(0x0000, {});
    return out_.bytes();
  }

 private:
  ByteWriter out_;
};

class EmfBuilder {
 public:
  // `frame` in 0.01 mm; a reference device of 1000 × 1000 pixels on
  // 100 × 100 mm (10 pixels per millimetre).
  EmfBuilder(int32_t frameRight, int32_t frameBottom, uint16_t objects = 16) {
    ByteWriter h;
    for (int32_t v : {0, 0, frameRight / 10, frameBottom / 10}) h.i32(v);  // bounds in pixels
    for (int32_t v : {0, 0, frameRight, frameBottom}) h.i32(v);
    h.u32(0x464D4520);
    h.u32(0x10000);
    h.u32(0);  // bytes, patched by finish
    h.u32(0);  // records
    h.u16(objects);
    h.u16(0);
    h.u32(0);
    h.u32(0);
    h.u32(0);
    for (int32_t v : {1000, 1000, 100, 100}) h.i32(v);
    raw(1, h.bytes());
  }
  EmfBuilder& record(uint32_t type, std::initializer_list<int32_t> values) {
    ByteWriter params;
    for (int32_t v : values) params.i32(v);
    return raw(type, params.bytes());
  }
  EmfBuilder& raw(uint32_t type, const std::vector<uint8_t>& params) {
    out_.u32(type);
    out_.u32(static_cast<uint32_t>(8 + (params.size() + 3) / 4 * 4));
    out_.raw(params.data(), params.size());
    out_.zeros((4 - params.size() % 4) % 4);
    return *this;
  }
  std::vector<uint8_t> finish() {
    record(14, {0, 16, 20});
    std::vector<uint8_t> bytes = out_.bytes();
    const uint32_t size = static_cast<uint32_t>(bytes.size());
    for (int i = 0; i < 4; ++i) bytes[48 + i] = static_cast<uint8_t>(size >> (8 * i));
    return bytes;
  }

 private:
  ByteWriter out_;
};

// A 24-bit DIB (header and rows, no file header) of one colour 0x00BBGGRR,
// with its left half in `left` when given.
inline std::vector<uint8_t> packedDib24(int width, int height, uint32_t color, int64_t left = -1) {
  ByteWriter dib;
  for (uint32_t v : {40u, uint32_t(width), uint32_t(height)}) dib.u32(v);
  dib.u16(1);
  dib.u16(24);
  for (int i = 0; i < 6; ++i) dib.u32(0);
  const int rowBytes = (width * 3 + 3) / 4 * 4;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = (left >= 0 && x < width / 2) ? uint32_t(left) : color;
      dib.u8(uint8_t(c >> 16));
      dib.u8(uint8_t(c >> 8));
      dib.u8(uint8_t(c));
    }
    dib.zeros(size_t(rowBytes - width * 3));
  }
  return dib.bytes();
}

// A 2000 × 2000 unit WMF that does nothing but stretch one two-coloured
// width × height bitmap over itself; `unitsPerInch` 0 leaves out the
// placeable header (as RTF holds metafiles).
inline std::vector<uint8_t> stretchDibWmf(int width, int height, uint16_t unitsPerInch) {
  ByteWriter p;
  p.u32(0x00CC0020);
  p.u16(0);
  for (int v : {height, width, 0, 0, 2000, 2000, 0, 0}) p.u16(static_cast<uint16_t>(v));
  const std::vector<uint8_t> dib = packedDib24(width, height, 0x336699, 0x996633);
  p.raw(dib.data(), dib.size());
  WmfBuilder b(0, 0, 2000, 2000, unitsPerInch);
  return b.raw(0x0F43, p.bytes()).finish();
}

}  // namespace vendaro::test
