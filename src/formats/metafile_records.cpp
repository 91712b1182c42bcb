#include "formats/metafile_records.h"

#include <algorithm>

#include "platform/byte_io.h"

namespace vendaro::metafile {
namespace {

constexpr uint32_t kPlaceableKey = 0x9AC6CDD7;
constexpr size_t kPlaceableSize = 22;
constexpr size_t kWmfHeaderSize = 18;
constexpr uint32_t kEmfSignature = 0x464D4520;  // " EMF"
constexpr size_t kEmfHeaderMinimum = 88;
constexpr uint32_t kWmfEnd = 0x0000;
constexpr uint32_t kEmfEnd = 14;

std::optional<Header> readWmfHeader(std::span<const uint8_t> bytes) {
  Header header;
  ByteReader in(bytes.data(), bytes.size());
  size_t start = 0;
  if (in.u32() == kPlaceableKey) {
    in.u16();  // handle, unused
    LogicalRect box;
    box.left = static_cast<int16_t>(in.u16());
    box.top = static_cast<int16_t>(in.u16());
    box.right = static_cast<int16_t>(in.u16());
    box.bottom = static_cast<int16_t>(in.u16());
    header.unitsPerInch = in.u16();
    if (in.failed()) return std::nullopt;
    header.placeableBounds = box;
    start = kPlaceableSize;
  }
  ByteReader wmf(bytes.data() + std::min(start, bytes.size()), bytes.size() - std::min(start, bytes.size()));
  const uint16_t type = wmf.u16();
  const uint16_t headerWords = wmf.u16();
  wmf.u16();  // version
  wmf.u32();  // size in words; often wrong, the records decide
  const uint16_t objects = wmf.u16();
  if (wmf.failed() || (type != 1 && type != 2) || headerWords != kWmfHeaderSize / 2) return std::nullopt;
  header.kind = Kind::wmf;
  header.firstRecord = start + kWmfHeaderSize;
  header.objectCount = objects;
  return header;
}

std::optional<Header> readEmfHeader(std::span<const uint8_t> bytes) {
  ByteReader in(bytes.data(), bytes.size());
  const uint32_t type = in.u32();
  const uint32_t size = in.u32();
  Header header;
  header.kind = Kind::emf;
  header.bounds = readRect(in);
  header.frame = readRect(in);
  const uint32_t signature = in.u32();
  in.u32();  // version
  in.u32();  // bytes
  in.u32();  // records
  header.objectCount = std::min<uint32_t>(in.u16(), kMaxMetafileObjects);
  in.u16();
  in.u32();  // description length
  in.u32();  // description offset
  in.u32();  // palette entries
  header.devicePixelsX = in.i32();
  header.devicePixelsY = in.i32();
  header.deviceMillimetresX = in.i32();
  header.deviceMillimetresY = in.i32();
  if (in.failed() || type != 1 || signature != kEmfSignature || size < kEmfHeaderMinimum || size > bytes.size()) {
    return std::nullopt;
  }
  header.firstRecord = 0;  // the header is a record itself
  return header;
}

}  // namespace

LogicalRect readRect(ByteReader& in) {
  LogicalRect r;
  r.left = in.i32();
  r.top = in.i32();
  r.right = in.i32();
  r.bottom = in.i32();
  return r;
}

BrushStyle hatchStyle(uint32_t hatch) {
  static constexpr BrushStyle kHatches[] = {BrushStyle::hatchHorizontal, BrushStyle::hatchVertical,
                                            BrushStyle::hatchForwardDiagonal, BrushStyle::hatchBackwardDiagonal,
                                            BrushStyle::hatchCross, BrushStyle::hatchDiagonalCross};
  return hatch < 6 ? kHatches[hatch] : BrushStyle::hatchCross;
}

std::optional<Header> readHeader(std::span<const uint8_t> bytes) {
  if (bytes.size() > kMaxMetafileBytes || bytes.size() < 8) return std::nullopt;
  if (bytes[0] == 1 && bytes[1] == 0 && bytes[2] == 0 && bytes[3] == 0 && bytes.size() >= kEmfHeaderMinimum) {
    if (std::optional<Header> emf = readEmfHeader(bytes)) return emf;
  }
  return readWmfHeader(bytes);
}

uint32_t walkRecords(std::span<const uint8_t> bytes, const Header& header,
                     const std::function<void(const Record&)>& visit) {
  if (bytes.size() > kMaxMetafileBytes) return 0;
  size_t at = header.firstRecord;
  uint32_t count = 0;
  const bool wmf = header.kind == Kind::wmf;
  const size_t headerBytes = wmf ? 6 : 8;
  // A header may name a first record beyond the bytes there are.
  while (count < kMaxMetafileRecords && at <= bytes.size() && bytes.size() - at >= headerBytes) {
    ByteReader in(bytes.data() + at, bytes.size() - at);
    uint64_t length = 0;
    uint32_t type = 0;
    if (wmf) {
      length = uint64_t{in.u32()} * 2;
      type = in.u16();
    } else {
      type = in.u32();
      length = in.u32();
    }
    // A length that cannot hold its own header would stall the walk; one
    // beyond the end cannot be trusted, nor can anything after it.
    if (length < headerBytes || length > bytes.size() - at) break;
    const std::span<const uint8_t> whole = bytes.subspan(at, static_cast<size_t>(length));
    visit({type, whole.subspan(headerBytes), whole});
    ++count;
    if (type == (wmf ? kWmfEnd : kEmfEnd)) break;
    at += static_cast<size_t>(length);
  }
  return count;
}

}  // namespace vendaro::metafile
