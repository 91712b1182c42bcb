#include "app/font_faces.h"

#include <QFontDatabase>

#include <algorithm>

#include "app/qt_text.h"
#include "platform/font_aliases.h"

namespace vendaro {
namespace {

QStringList collectFaces() {
  QStringList faces = QFontDatabase::families();
  for (std::string_view name : aliasedFaceNames()) faces.append(fromCp1252(name));
  std::sort(faces.begin(), faces.end(),
            [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
  faces.erase(std::unique(faces.begin(), faces.end(),
                          [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }),
              faces.end());
  return faces;
}

}  // namespace

const QStringList& documentFontFaces() {
  static const QStringList faces = collectFaces();
  return faces;
}

}  // namespace vendaro
