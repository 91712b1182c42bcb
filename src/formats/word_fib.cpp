// word_fib.cpp — reads the file information block of a Word 97–2003 file.
#include "formats/word_fib.h"

namespace vendaro::word {
namespace {

constexpr uint16_t kWordIdentifier = 0xA5EC;
// Word 97 wrote 193; Word 6 and 95 wrote 101 to 105 and lay out the block
// differently.
constexpr uint16_t kFirstWord97Version = 193;
constexpr uint16_t kEncrypted = 0x0100;
constexpr uint16_t kTableStream1 = 0x0200;
constexpr uint16_t kObfuscated = 0x8000;
// The (fc, lcb) pairs begin after the fixed part and the two counted arrays
// of shorts and longs; Word 97 has at least 93 pairs.
constexpr size_t kPairsAt = 0x9A;
constexpr size_t kPairCountAt = 0x98;
constexpr uint16_t kPairsNeeded = 34;
// The list tables come later in the same block.
constexpr uint16_t kListPairs = 75;

FcLcb pair(Bytes b, size_t index) {
  return {le32(b, kPairsAt + 8 * index), le32(b, kPairsAt + 8 * index + 4)};
}

}  // namespace

std::optional<Fib> readFib(Bytes b) {
  if (b.size() < kPairsAt + 8 * kPairsNeeded) return std::nullopt;
  if (le16(b, 0) != kWordIdentifier || le16(b, 2) < kFirstWord97Version) return std::nullopt;
  const uint16_t flags = le16(b, 0x0A);
  if (flags & (kEncrypted | kObfuscated)) return std::nullopt;
  if (le16(b, kPairCountAt) < kPairsNeeded) return std::nullopt;
  Fib fib;
  fib.tableIs1 = (flags & kTableStream1) != 0;
  fib.fcMin = le32(b, 0x18);
  fib.ccpText = static_cast<int32_t>(le32(b, 0x4C));
  fib.ccpFtn = static_cast<int32_t>(le32(b, 0x50));
  fib.ccpHdd = static_cast<int32_t>(le32(b, 0x54));
  fib.stshf = pair(b, 1);
  fib.plcfSed = pair(b, 6);
  fib.plcfHdd = pair(b, 11);
  fib.plcfBteChpx = pair(b, 12);
  fib.plcfBtePapx = pair(b, 13);
  fib.sttbfFfn = pair(b, 15);
  fib.dop = pair(b, 31);
  fib.sttbfAssoc = pair(b, 32);
  fib.clx = pair(b, 33);
  if (le16(b, kPairCountAt) >= kListPairs && b.size() >= kPairsAt + 8 * kListPairs) {
    fib.plfLst = pair(b, 73);
    fib.plfLfo = pair(b, 74);
  }
  return fib;
}

}  // namespace vendaro::word
