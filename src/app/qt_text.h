// qt_text.h — document text (code page 1252) in and out of Qt's widgets,
// and limits on typed text counted in the bytes it takes in the document.
#pragma once

#include <QString>
#include <QValidator>

#include <string>
#include <string_view>

#include "platform/code_pages.h"

namespace vendaro {

inline QString fromCp1252(std::string_view text) { return QString::fromStdString(cp1252ToUtf8(text)); }
// Characters the code page lacks become "?".
inline std::string toCp1252(const QString& text) { return utf8ToCp1252(text.toStdString()); }
// One byte per character, whatever Qt counts: a character outside Qt's basic
// plane is one "?" in the document, not two.
inline size_t cp1252Length(const QString& text) { return toCp1252(text).size(); }

// Refuses input that would take more than `maxBytes` in the document.
class Cp1252LengthLimit : public QValidator {
 public:
  Cp1252LengthLimit(size_t maxBytes, QObject* parent) : QValidator(parent), maxBytes_(maxBytes) {}
  State validate(QString& text, int&) const override { return cp1252Length(text) <= maxBytes_ ? Acceptable : Invalid; }

 private:
  size_t maxBytes_;
};

}  // namespace vendaro
