// qt_text.h — document text (code page 1252) in and out of Qt's widgets.
#pragma once

#include <QString>

#include <string>
#include <string_view>

#include "platform/code_pages.h"

namespace vendaro {

inline QString fromCp1252(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }
// Characters the code page lacks become "?".
inline std::string toCp1252(const QString& text) { return utf8ToCp1252(text.toStdString()); }

}  // namespace vendaro
