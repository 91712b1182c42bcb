// qt_raw_fonts.cpp — two caches: one loaded raw font per file (with its
// strike-out figures), and copies of it per pixel size, which Qt derives
// from the loaded file without reading it again.
#include "app/qt_raw_fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>

namespace vendaro {
namespace {

// Vertical hinting keeps glyph shapes crisp on screen without moving any
// glyph horizontally, so the measured advances still hold.
constexpr QFont::HintingPreference kHinting = QFont::PreferVerticalHinting;
// Sizes pile up while zooming; past this many the sized copies are dropped.
constexpr size_t kMaxSizedFaces = 512;
// A file is loaded once at this size; every requested size is derived from it.
constexpr int kLoadPixelSize = 64;

struct LoadedFile {
  QRawFont font;
  double strikeOutPositionEm = 0;
  double strikeOutThicknessEm = 0;
};

struct Cache {
  std::unordered_map<std::string, std::unique_ptr<LoadedFile>> files;
  std::unordered_map<std::string, RawFontFace> sized;
  QCoreApplication* watchedApplication = nullptr;

  void clear() {
    sized.clear();
    files.clear();
  }
};

Cache& cache() {
  static Cache instance;
  return instance;
}

// Raw fonts hold font engines of the GUI application and must not outlive it.
void clearWhenApplicationEnds(Cache& cache) {
  QCoreApplication* application = QCoreApplication::instance();
  if (application == nullptr || application == cache.watchedApplication) return;
  cache.watchedApplication = application;
  QObject::connect(application, &QObject::destroyed, [&cache] {
    cache.clear();
    cache.watchedApplication = nullptr;
  });
}

std::optional<uint32_t> readBe32(const QByteArray& data, qint64 at) {
  if (at < 0 || at + 4 > data.size()) return std::nullopt;
  return qFromBigEndian<quint32>(data.constData() + at);
}

std::optional<uint16_t> readBe16(const QByteArray& data, qint64 at) {
  if (at < 0 || at + 2 > data.size()) return std::nullopt;
  return qFromBigEndian<quint16>(data.constData() + at);
}

void appendBe32(QByteArray& out, uint32_t value) {
  char bytes[4];
  qToBigEndian<quint32>(value, bytes);
  out.append(bytes, 4);
}

// GDI places the strike-out stroke by the OS/2 table; fonts without one get
// a stroke through the middle of the lower-case letters.
void readStrikeOut(LoadedFile& file) {
  const QByteArray os2 = file.font.fontTable("OS/2");
  const auto size = readBe16(os2, 26);
  const auto position = readBe16(os2, 28);
  const double unitsPerEm = file.font.unitsPerEm();
  if (size && position && *size != 0 && unitsPerEm > 0) {
    file.strikeOutThicknessEm = static_cast<int16_t>(*size) / unitsPerEm;
    file.strikeOutPositionEm = static_cast<int16_t>(*position) / unitsPerEm;
    return;
  }
  const double thickness = file.font.lineThickness();
  file.strikeOutThicknessEm = thickness / kLoadPixelSize;
  file.strikeOutPositionEm = (file.font.xHeight() + thickness) / 2 / kLoadPixelSize;
}

std::unique_ptr<LoadedFile> loadFile(const std::string& filePath, int faceIndex) {
  auto loaded = std::make_unique<LoadedFile>();
  const QString path = QFile::decodeName(QByteArray::fromStdString(filePath));
  if (faceIndex == 0) {
    loaded->font.loadFromFile(path, kLoadPixelSize, kHinting);
  } else {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
      const QByteArray face = collectionFace(file.readAll(), faceIndex);
      if (!face.isEmpty()) loaded->font.loadFromData(face, kLoadPixelSize, kHinting);
    }
  }
  if (loaded->font.isValid()) readStrikeOut(*loaded);
  return loaded;
}

}  // namespace

RawFontFace rawFontFace(const std::string& filePath, int faceIndex, int pixelSize) {
  Cache& fonts = cache();
  clearWhenApplicationEnds(fonts);
  std::string key = filePath + '\n' + std::to_string(faceIndex);
  const std::string sizedKey = key + '\n' + std::to_string(pixelSize);
  if (auto it = fonts.sized.find(sizedKey); it != fonts.sized.end()) return it->second;

  auto fileIt = fonts.files.find(key);
  if (fileIt == fonts.files.end()) {
    fileIt = fonts.files.emplace(std::move(key), loadFile(filePath, faceIndex)).first;
  }
  const LoadedFile& file = *fileIt->second;
  RawFontFace face;
  if (file.font.isValid() && pixelSize > 0) {
    face.font = file.font;
    if (face.font.pixelSize() != pixelSize) face.font.setPixelSize(pixelSize);
    face.strikeOutPosition = file.strikeOutPositionEm * pixelSize;
    face.strikeOutThickness = file.strikeOutThicknessEm * pixelSize;
  }
  if (fonts.sized.size() >= kMaxSizedFaces) fonts.sized.clear();
  fonts.sized.emplace(sizedKey, face);
  return face;
}

// A collection starts with "ttcf", a version, the face count and one offset
// per face to that face's table directory; the directories' table offsets
// count from the start of the collection. The face is rebuilt as a plain
// font file: its directory followed by copies of its tables.
QByteArray collectionFace(const QByteArray& collection, int faceIndex) {
  if (faceIndex < 0 || !collection.startsWith("ttcf")) return {};
  const auto faceCount = readBe32(collection, 8);
  if (!faceCount || static_cast<uint32_t>(faceIndex) >= *faceCount) return {};
  const auto directory = readBe32(collection, 12 + 4 * qint64{faceIndex});
  if (!directory) return {};
  const auto tableCount = readBe16(collection, qint64{*directory} + 4);
  if (!tableCount) return {};
  const qint64 headerBytes = 12 + 16 * qint64{*tableCount};
  if (qint64{*directory} + headerBytes > collection.size()) return {};

  QByteArray header = collection.mid(*directory, 12);
  QByteArray tables;
  for (int i = 0; i < *tableCount; ++i) {
    const qint64 record = qint64{*directory} + 12 + 16 * qint64{i};
    const auto tag = readBe32(collection, record);
    const auto checksum = readBe32(collection, record + 4);
    const auto offset = readBe32(collection, record + 8);
    const auto length = readBe32(collection, record + 12);
    if (!tag || !checksum || !offset || !length) return {};
    if (qint64{*offset} + qint64{*length} > collection.size()) return {};
    appendBe32(header, *tag);
    appendBe32(header, *checksum);
    appendBe32(header, static_cast<uint32_t>(headerBytes + tables.size()));
    appendBe32(header, *length);
    tables.append(collection.constData() + *offset, *length);
    while (tables.size() % 4 != 0) tables.append('\0');
  }
  return header + tables;
}

}  // namespace vendaro
