#include "app/qt_translations.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace vendaro {

bool loadGermanQtTranslations(QTranslator& translator) {
  // "qtbase" holds every widget text the program shows; "qt" would pull in
  // the catalogues of modules it does not use.
  return translator.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}

}  // namespace vendaro
