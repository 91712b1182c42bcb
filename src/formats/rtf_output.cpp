// rtf_output.cpp — the output line of the RTF writer and its conversions.
#include "formats/rtf_output.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "document/records.h"

namespace vendaro {
namespace {

constexpr char kHexDigits[] = "0123456789abcdef";
constexpr size_t kHexChunkBytes = size_t{1} << 15;

}  // namespace

int32_t roundedToInt32(double value) {
  if (std::isnan(value)) return 0;
  // nearbyint rounds in the default mode: to nearest, ties to even.
  const double rounded = std::nearbyint(value);
  if (rounded <= std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  if (rounded >= std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(rounded);
}

int32_t mmToTwips(double mm) { return roundedToInt32(mm * 1440.0 / kMmPerInch); }
int32_t pointsToTwips(double points) { return roundedToInt32(points * 20.0); }
int32_t pointsToHalfPoints(double points) { return roundedToInt32(points * 2.0); }
int32_t pointsToEmu(double points) { return roundedToInt32(points * 12700.0); }
int32_t mmToEmu(double mm) { return roundedToInt32(mm * 914400.0 / kMmPerInch); }

RtfOutput& RtfOutput::number(int64_t value) {
  char digits[24];
  const auto result = std::to_chars(digits, digits + sizeof digits, value);
  line_.append(digits, result.ptr);
  return *this;
}

RtfOutput& RtfOutput::text(std::string_view bytes) {
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '{' || c == '}' || c == '\\') {
      line_ += '\\';
      line_ += c;
    } else if (byte < 32) {
      hexByte(byte);
    } else {
      line_ += c;
    }
  }
  return *this;
}

RtfOutput& RtfOutput::fontName(std::string_view name) {
  for (const char c : name)
    if (c != ';') text(c);
  return *this;
}

RtfOutput& RtfOutput::hexByte(uint8_t byte) {
  line_ += "\\'";
  line_ += kHexDigits[byte >> 4];
  line_ += kHexDigits[byte & 15];
  return *this;
}

RtfOutput& RtfOutput::hexData(std::span<const uint8_t> bytes) {
  flush();
  std::string chunk;
  chunk.reserve(2 * std::min(bytes.size(), kHexChunkBytes));
  while (!bytes.empty()) {
    const std::span<const uint8_t> part = bytes.first(std::min(bytes.size(), kHexChunkBytes));
    chunk.resize(2 * part.size());
    char* out = chunk.data();
    for (const uint8_t byte : part) {
      *out++ = kHexDigits[byte >> 4];
      *out++ = kHexDigits[byte & 15];
    }
    sink_(chunk);
    bytes = bytes.subspan(part.size());
  }
  return *this;
}

void RtfOutput::endLine() {
  line_ += "\r\n";
  flush();
}

void RtfOutput::flush() {
  if (line_.empty()) return;
  sink_(line_);
  line_.clear();
}

}  // namespace vendaro
