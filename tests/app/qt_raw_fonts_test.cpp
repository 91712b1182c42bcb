#include "app/qt_raw_fonts.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QtEndian>

#include "platform/font_engine.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

QByteArray be32(uint32_t value) {
  char bytes[4];
  qToBigEndian<quint32>(value, bytes);
  return QByteArray(bytes, 4);
}

QByteArray readFont(const std::string& face) {
  QFile file(QString::fromStdString(FontEngine::shared().resolve(face, false, false).filePath));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << face;
  return file.readAll();
}

// A collection of whole font files: the header, every face's table
// directory with its offsets moved to where that file's bytes now lie, then
// the files themselves.
QByteArray makeCollection(const std::vector<QByteArray>& fonts) {
  QByteArray header = QByteArray("ttcf") + be32(0x00010000) + be32(uint32_t(fonts.size()));
  QByteArray directories;
  QByteArray bodies;
  qint64 directoryStart = header.size() + 4 * qint64(fonts.size());
  qint64 directoriesSize = 0;
  for (const QByteArray& font : fonts) {
    directoriesSize += 12 + 16 * qFromBigEndian<quint16>(font.constData() + 4);
  }
  const qint64 bodyStart = directoryStart + directoriesSize;
  for (const QByteArray& font : fonts) {
    header += be32(uint32_t(directoryStart + directories.size()));
    const int tables = qFromBigEndian<quint16>(font.constData() + 4);
    const qint64 base = bodyStart + bodies.size();
    directories += font.left(12);
    for (int i = 0; i < tables; ++i) {
      const char* record = font.constData() + 12 + 16 * i;
      directories += QByteArray(record, 8);
      directories += be32(uint32_t(qFromBigEndian<quint32>(record + 8) + base));
      directories += QByteArray(record + 12, 4);
    }
    bodies += font;
    while (bodies.size() % 4 != 0) bodies += '\0';
  }
  return header + directories + bodies;
}

TEST(QtRawFonts, FacesOfACollectionLoadOnTheirOwn) {
  const QByteArray collection = makeCollection({readFont("Arial"), readFont("Times New Roman")});
  test::TempDir dir;
  const std::string path = dir.file("pair.ttc").string();
  QFile out(QString::fromStdString(path));
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write(collection);
  out.close();

  EXPECT_EQ(rawFontFace(path, 0, 20).font.familyName(), QStringLiteral("Liberation Sans"));
  const RawFontFace second = rawFontFace(path, 1, 20);
  EXPECT_EQ(second.font.familyName(), QStringLiteral("Liberation Serif"));
  EXPECT_EQ(second.font.pixelSize(), 20);
  EXPECT_GT(second.strikeOutPosition, 3);
  EXPECT_LT(second.strikeOutPosition, 10);
  EXPECT_GE(second.strikeOutThickness, 0.5);

  EXPECT_FALSE(rawFontFace(path, 2, 20).font.isValid());
  EXPECT_TRUE(collectionFace(collection, 2).isEmpty());
  EXPECT_TRUE(collectionFace(collection.left(collection.size() / 2), 1).isEmpty());
  EXPECT_TRUE(collectionFace(collection.left(30), 1).isEmpty());
  EXPECT_TRUE(collectionFace(readFont("Arial"), 0).isEmpty());
}

TEST(QtRawFonts, MissingFileGivesAnInvalidFont) {
  EXPECT_FALSE(rawFontFace("/nonexistent/font.ttf", 0, 12).font.isValid());
}

}  // namespace
}  // namespace vendaro
