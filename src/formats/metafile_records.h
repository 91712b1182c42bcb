// metafile_records.h — the bounded walk over the records of a Windows
// metafile (WMF, with or without the placeable header) or an enhanced
// metafile (EMF): headers read and checked, each record handed out as its
// type and the bytes of its parameters, never beyond the file's end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "platform/drawing_tools.h"
#include "platform/limits.h"

namespace vendaro {
class ByteReader;
}

namespace vendaro::metafile {

enum class Kind { wmf, emf };

// A rectangle in the metafile's own units, edges inclusive as the headers
// give them.
struct LogicalRect {
  int32_t left = 0, top = 0, right = 0, bottom = 0;
  int64_t width() const { return int64_t{right} - left; }
  int64_t height() const { return int64_t{bottom} - top; }
};

// A coordinate worked out in floating point or wider integers, brought
// into the 32-bit range before it becomes one (a damaged record may hold
// anything).
inline int32_t clampCoordinate(double value) {
  if (!(value > -2147483648.0)) return value != value ? 0 : INT32_MIN;
  if (value >= 2147483647.0) return INT32_MAX;
  return static_cast<int32_t>(value);
}

struct Header {
  Kind kind = Kind::wmf;
  size_t firstRecord = 0;      // byte offset of the first record
  uint32_t objectCount = 0;    // size of the object table, at most kMaxMetafileObjects
  // WMF with the placeable header: its bounding box and units per inch.
  std::optional<LogicalRect> placeableBounds;
  int unitsPerInch = 0;
  // EMF: the picture frame in 0.01 mm and the reference device's size in
  // pixels and millimetres.
  LogicalRect frame;
  LogicalRect bounds;
  int32_t devicePixelsX = 0, devicePixelsY = 0, deviceMillimetresX = 0, deviceMillimetresY = 0;
};

// Four little-endian 32-bit edges: left, top, right, bottom.
LogicalRect readRect(ByteReader& in);
// GDI's hatch numbers (HS_HORIZONTAL …) as brush styles.
BrushStyle hatchStyle(uint32_t hatch);

// Reads and checks the header; nothing when the bytes are no metafile or
// larger than kMaxMetafileBytes.
std::optional<Header> readHeader(std::span<const uint8_t> bytes);

struct Record {
  uint32_t type = 0;                 // WMF function number or EMF record type
  std::span<const uint8_t> params;   // the record's bytes after its type and length
  std::span<const uint8_t> whole;    // the whole record (EMF offsets count from its start)
};

// Hands each record to `visit` in file order until the end record, the end
// of the bytes, a record whose length does not fit what is left (or is too
// short to hold its own header), or kMaxMetafileRecords. Returns how many records
// were handed out.
uint32_t walkRecords(std::span<const uint8_t> bytes, const Header& header,
                     const std::function<void(const Record&)>& visit);

}  // namespace vendaro::metafile
