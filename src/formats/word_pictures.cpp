// word_pictures.cpp — finds the picture record behind a Word picture header
// and decodes it: JPEG and PNG directly, bitmaps with a file header put in
// front, metafiles (inflated when compressed) through the metafile player.
#include "formats/word_pictures.h"

#include <zlib.h>

#include <vector>

#include "formats/metafile_picture.h"
#include "formats/word_formats.h"

namespace vendaro::word {
namespace {

constexpr uint16_t kShape = 100, kShapeFile = 102;
constexpr uint16_t kBlipEntry = 0xF007;
constexpr uint16_t kEmf = 0xF01A, kWmf = 0xF01B, kJpeg = 0xF01D, kPng = 0xF01E, kDib = 0xF01F, kCmykJpeg = 0xF02A;
constexpr size_t kRecordHeader = 8, kBlipEntryFixed = 36, kMetafileHeader = 34;
constexpr uint8_t kDeflate = 0x00;
// Records nested deeper than this are no picture Word wrote.
constexpr int kMaxDepth = 8;

struct Record {
  uint16_t version = 0, instance = 0, type = 0;
  Bytes body;
};

std::optional<Record> recordAt(Bytes b, size_t at) {
  if (at + kRecordHeader > b.size()) return std::nullopt;
  const uint16_t verInstance = le16(b, at);
  const Bytes body = slice(b, at + kRecordHeader, le32(b, at + 4));
  if (body.size() != le32(b, at + 4)) return std::nullopt;
  return Record{static_cast<uint16_t>(verInstance & 0xF), static_cast<uint16_t>(verInstance >> 4), le16(b, at + 2), body};
}

// Bitmap records have one identifier, or two when the instance is odd,
// and a tag byte; metafile records have the identifiers and a header.
size_t blipPrefix(const Record& r, bool metafile) { return 16 * ((r.instance & 1) ? 2 : 1) + (metafile ? kMetafileHeader : 1); }

std::optional<std::vector<uint8_t>> metafileBytes(const Record& r) {
  const size_t prefix = blipPrefix(r, true);
  if (r.body.size() < prefix) return std::nullopt;
  const Bytes header = r.body.subspan(prefix - kMetafileHeader, kMetafileHeader);
  const Bytes stored = r.body.subspan(prefix);
  const uint32_t size = le32(header, 0);
  if (header[32] != kDeflate) return std::vector<uint8_t>(stored.begin(), stored.end());
  if (size == 0 || size > kMaxMetafileBytes) return std::nullopt;
  std::vector<uint8_t> inflated(size);
  uLongf length = size;
  if (uncompress(inflated.data(), &length, stored.data(), static_cast<uLong>(stored.size())) != Z_OK) return std::nullopt;
  inflated.resize(length);
  return inflated;
}

// A bitmap record holds the info header and bits; the reader wants a file.
std::vector<uint8_t> bitmapFile(Bytes dib) {
  std::vector<uint8_t> file(14, 0);
  file[0] = 'B';
  file[1] = 'M';
  const uint32_t size = static_cast<uint32_t>(14 + dib.size());
  const uint32_t headerSize = le32(dib, 0);
  const uint16_t bits = le16(dib, 14);
  uint32_t colors = le32(dib, 32);
  if (colors == 0 && bits <= 8) colors = 1u << bits;
  const uint32_t offset = 14 + headerSize + 4 * colors + (le32(dib, 16) == 3 && headerSize == 40 ? 12 : 0);
  for (int i = 0; i < 4; ++i) {
    file[2 + i] = static_cast<uint8_t>(size >> (8 * i));
    file[10 + i] = static_cast<uint8_t>(offset >> (8 * i));
  }
  file.insert(file.end(), dib.begin(), dib.end());
  return file;
}

class PictureFinder {
 public:
  PictureFinder(FontEngine& fonts, RasterTarget* raster, const MetafileDisplaySize& display)
      : fonts_(fonts), raster_(raster), display_(display) {}

  // Walks the records of `b`, entering containers, until one decodes.
  std::optional<TPictureRec> walk(Bytes b, int depth) {
    if (depth > kMaxDepth) return std::nullopt;
    for (size_t at = 0; at + kRecordHeader <= b.size();) {
      const std::optional<Record> r = recordAt(b, at);
      if (!r) return std::nullopt;
      std::optional<TPictureRec> found;
      if (r->version == 0xF) {
        found = walk(r->body, depth + 1);
      } else if (r->type == kBlipEntry && r->body.size() >= kBlipEntryFixed) {
        const size_t skip = kBlipEntryFixed + r->body[33];
        if (skip <= r->body.size()) found = walk(r->body.subspan(skip), depth + 1);
      } else {
        found = decode(*r);
      }
      if (found) return found;
      at += kRecordHeader + r->body.size();
    }
    return std::nullopt;
  }

 private:
  std::optional<TPictureRec> decode(const Record& r) {
    TPictureRec picture;
    switch (r.type) {
      case kJpeg: case kCmykJpeg: case kPng: case kDib: {
        const size_t prefix = blipPrefix(r, false);
        if (r.body.size() <= prefix) return std::nullopt;
        const Bytes image = r.body.subspan(prefix);
        if (r.type == kDib) {
          const std::vector<uint8_t> file = bitmapFile(image);
          if (!OpenDibFromMemory(picture, file.data(), file.size(), kDibBmp)) return std::nullopt;
        } else if (!OpenDibFromMemory(picture, image.data(), image.size(), r.type == kPng ? kDibPng : kDibJpeg)) {
          return std::nullopt;
        }
        return picture;
      }
      case kEmf: case kWmf: {
        const std::optional<std::vector<uint8_t>> bytes = metafileBytes(r);
        if (!bytes || !metafileToPicture(*bytes, fonts_, raster_, picture, display_)) return std::nullopt;
        return picture;
      }
      default: return std::nullopt;
    }
  }

  FontEngine& fonts_;
  RasterTarget* raster_;
  MetafileDisplaySize display_;
};

}  // namespace

std::optional<WordPicture> readPicture(Bytes data, uint32_t at, FontEngine& fonts, RasterTarget* raster) {
  const Bytes header = slice(data, at, 68);
  if (header.empty()) return std::nullopt;
  const uint32_t total = le32(header, 0);
  const uint16_t headerSize = le16(header, 4);
  const uint16_t mode = le16(header, 6);
  if (mode != kShape && mode != kShapeFile) return std::nullopt;
  const Bytes picture = slice(data, at, total);
  if (picture.size() < headerSize || headerSize < 68) return std::nullopt;
  size_t recordsAt = headerSize;
  if (mode == kShapeFile && recordsAt < picture.size()) recordsAt += 1 + picture[recordsAt];
  if (recordsAt > picture.size()) return std::nullopt;
  // The goal size scaled by the per-mille factors.
  const auto scaled = [](int16_t goal, uint16_t scale) { return goal * (scale ? scale : 1000) / 1000.0; };
  const double widthTwips = scaled(static_cast<int16_t>(le16(header, 28)), le16(header, 32));
  const double heightTwips = scaled(static_cast<int16_t>(le16(header, 30)), le16(header, 34));
  const MetafileDisplaySize display{static_cast<int>(widthTwips), static_cast<int>(heightTwips)};
  std::optional<TPictureRec> decoded = PictureFinder(fonts, raster, display).walk(picture.subspan(recordsAt), 0);
  if (!decoded) return std::nullopt;
  WordPicture result{std::move(*decoded), twipsToMm(widthTwips), twipsToMm(heightTwips)};
  if (result.widthMm <= 0 || result.heightMm <= 0) {
    result.widthMm = result.picture.width() / 96.0 * kMmPerInch;
    result.heightMm = result.picture.height() / 96.0 * kMmPerInch;
  }
  return result;
}

}  // namespace vendaro::word
