// word_fib.h — the file information block at the start of a Word 97–2003
// document stream: where each table lies and how long each story is, with
// every table checked to lie inside the stream it names.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace vendaro::word {

using Bytes = std::span<const uint8_t>;

inline uint16_t le16(Bytes b, size_t at) {
  return at + 2 <= b.size() && at + 2 > at ? static_cast<uint16_t>(b[at] | b[at + 1] << 8) : 0;
}
inline uint32_t le32(Bytes b, size_t at) {
  return at + 4 <= b.size() && at + 4 > at ? static_cast<uint32_t>(le16(b, at) | uint32_t(le16(b, at + 2)) << 16) : 0;
}
// The bytes [at, at + size) of `b`, or empty when they do not all lie in it.
inline Bytes slice(Bytes b, uint64_t at, uint64_t size) {
  if (at > b.size() || size > b.size() - at) return {};
  return b.subspan(static_cast<size_t>(at), static_cast<size_t>(size));
}

// A table's place in a stream.
struct FcLcb {
  uint32_t fc = 0, lcb = 0;
  // Its bytes, or empty when it is absent or does not lie inside `stream`.
  Bytes in(Bytes stream) const { return lcb ? slice(stream, fc, lcb) : Bytes{}; }
  // From the table to the end of the stream, for tables whose parts follow
  // them (list levels after the lists); empty when the table is absent.
  Bytes onwards(Bytes stream) const { return in(stream).empty() ? Bytes{} : stream.subspan(fc); }
};

struct Fib {
  bool tableIs1 = false;
  uint32_t fcMin = 0;
  int32_t ccpText = 0, ccpFtn = 0, ccpHdd = 0;
  FcLcb stshf, plcfSed, plcfHdd, plcfBteChpx, plcfBtePapx, sttbfFfn, dop, sttbfAssoc, clx, plfLst, plfLfo;
};

// Nothing unless the stream starts with the block of a Word 97 or later
// file that is not encrypted or obfuscated.
std::optional<Fib> readFib(Bytes wordDocument);

}  // namespace vendaro::word
