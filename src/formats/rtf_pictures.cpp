// rtf_pictures.cpp — pictures in RTF: hexadecimal or binary data collected
// for one "\pict" group, decoded to a device-independent bitmap (PNG, JPEG
// and packed DIBs directly, WMF and EMF through the metafile player) and
// placed as a picture cell at its display size.
#include <algorithm>

#include "formats/metafile_picture.h"
#include "formats/rtf_reader_state.h"

namespace vendaro::rtf {
namespace {

constexpr size_t kMaxPictures = 65536;  // a picture cell's index is 16 bits
constexpr int32_t kMaxPictureSize = 1 << 22;
constexpr double kMinShownMm = 0.1, kMaxShownMm = 10000.0;
constexpr double kScreenDpi = 96.0;

uint32_t readLittle32(const std::vector<uint8_t>& bytes, size_t at) {
  return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<uint32_t>(bytes[at + 3]) << 24;
}

// A packed bitmap (header, palette, pixels) with the file header a BMP
// file has in front of it.
std::vector<uint8_t> withBitmapFileHeader(const std::vector<uint8_t>& packed) {
  constexpr uint32_t kFileHeaderSize = 14;
  if (packed.size() < 16) return {};
  const uint32_t headerSize = readLittle32(packed, 0);
  if (headerSize < 12 || headerSize > packed.size()) return {};
  uint32_t paletteBytes = 0;
  if (headerSize >= 40) {
    const uint16_t bitCount = static_cast<uint16_t>(packed[14] | packed[15] << 8);
    const uint32_t used = readLittle32(packed, 32);
    const uint32_t compression = readLittle32(packed, 16);
    const uint32_t colours = used != 0 ? std::min<uint32_t>(used, 256) : bitCount <= 8 ? (1u << bitCount) : 0;
    paletteBytes = colours * 4 + (compression == 3 && headerSize == 40 ? 12 : 0);
  } else {
    const uint16_t bitCount = static_cast<uint16_t>(packed[10] | packed[11] << 8);
    paletteBytes = bitCount <= 8 ? (1u << bitCount) * 3 : 0;
  }
  const uint64_t fileSize = kFileHeaderSize + uint64_t(packed.size());
  const uint32_t offset = kFileHeaderSize + headerSize + paletteBytes;
  std::vector<uint8_t> file(kFileHeaderSize, 0);
  file[0] = 'B';
  file[1] = 'M';
  for (int i = 0; i < 4; ++i) {
    file[2 + i] = static_cast<uint8_t>(fileSize >> (8 * i));
    file[10 + i] = static_cast<uint8_t>(offset >> (8 * i));
  }
  file.insert(file.end(), packed.begin(), packed.end());
  return file;
}

}  // namespace

void Reader::beginPicture() {
  picture_ = PictureState{};
  state_.destination = Destination::picture;
}

void Reader::pictureWord(Word word, int32_t value) {
  if (state_.destination != Destination::picture) return;
  const int32_t size = std::clamp(value, 0, kMaxPictureSize);
  switch (word) {
    case Word::pictureKind: picture_.kind = value; break;
    case Word::pictureWidth: picture_.width = size; break;
    case Word::pictureHeight: picture_.height = size; break;
    case Word::pictureGoalWidth: picture_.goalWidth = size; break;
    case Word::pictureGoalHeight: picture_.goalHeight = size; break;
    case Word::pictureScaleX: picture_.scaleX = std::clamp(value, 1, 10000); break;
    case Word::pictureScaleY: picture_.scaleY = std::clamp(value, 1, 10000); break;
    default: break;
  }
}

void Reader::pictureByte(uint8_t byte) {
  // Escaped bytes ("\\'hh") inside picture data are data too.
  picture_.bytes.push_back(byte);
}

void Reader::pictureBinary(std::span<const uint8_t> data) {
  picture_.bytes.insert(picture_.bytes.end(), data.begin(), data.end());
}

void Reader::finishPicture(Destination outer) {
  PictureState picture = std::move(picture_);
  picture_ = PictureState{};
  const bool shown = outer == Destination::text || outer == Destination::shapePropertyValue;
  if (!shown || picture.bytes.empty() || doc_.Pictures.size() >= kMaxPictures) return;
  TPictureRec decoded;
  bool ok = false;
  const bool metafile = picture.kind == kPictureWmf || picture.kind == kPictureEmf || picture.kind == 0;
  if (picture.kind == kPicturePng || picture.kind == kPictureJpeg) {
    ok = OpenDibFromMemory(decoded, picture.bytes.data(), picture.bytes.size());
  } else if (picture.kind == kPictureDib) {
    const std::vector<uint8_t> file = withBitmapFileHeader(picture.bytes);
    ok = !file.empty() && OpenDibFromMemory(decoded, file.data(), file.size());
  } else if (metafile) {
    const MetafileDisplaySize display{picture.goalWidth, picture.goalHeight};
    ok = metafileToPicture(picture.bytes, doc_.fontEngine(), raster_, decoded, display);
  }
  if (!ok || !decoded.hasPixels()) return;
  // The display size: the goal size the writer gave, else the file's own
  // (a metafile's in hundredths of a millimetre, a bitmap's in pixels).
  const auto shownTwips = [&](int32_t goal, int32_t own, int pixels) -> double {
    if (goal > 0) return goal;
    if (metafile && own > 0) return own * 1440.0 / 2540.0;
    return pixels * 1440.0 / kScreenDpi;
  };
  const double widthTwips = shownTwips(picture.goalWidth, picture.width, decoded.width()) * picture.scaleX / 100.0;
  const double heightTwips = shownTwips(picture.goalHeight, picture.height, decoded.height()) * picture.scaleY / 100.0;
  doc_.Pictures.push_back(std::move(decoded));
  TCharRec* cell = appendCell(' ');
  cell->Kind = kCellPicture;
  cell->PictureIndex = static_cast<uint16_t>(doc_.PictureCount() - 1);
  cell->CharWidth = std::clamp(twipsToMm(widthTwips), kMinShownMm, kMaxShownMm);
  cell->CharHeight = std::clamp(twipsToMm(heightTwips), kMinShownMm, kMaxShownMm);
  if (state_.shapePicture) shapePictureGiven_ = true;
}

}  // namespace vendaro::rtf
