#include "app/decimal_spin_box.h"

#include <algorithm>
#include <optional>

#include "editing/decimal_text.h"

namespace vendaro {
namespace {

// What a person may have typed on the way to a number: nothing yet, a sign,
// a separator, or a number that ends in a separator or an exponent.
bool couldBecomeNumber(const QString& number) {
  if (number.isEmpty() || number == QLatin1String("-") || number == QLatin1String("+")) return true;
  for (const char* completion : {"0", "1"})
    if (parseDecimal((number + QLatin1String(completion)).toStdString())) return true;
  return false;
}

}  // namespace

DecimalSpinBox::DecimalSpinBox(QWidget* parent) : QDoubleSpinBox(parent) {}

QString DecimalSpinBox::textFromValue(double value) const {
  return QString::fromStdString(formatDecimal(value, decimals()));
}

double DecimalSpinBox::valueFromText(const QString& text) const {
  return parseDecimal(numberPart(text).toStdString()).value_or(value());
}

QValidator::State DecimalSpinBox::validate(QString& text, int&) const {
  const QString number = numberPart(text);
  const std::optional<double> parsed = parseDecimal(number.toStdString());
  if (!parsed) return couldBecomeNumber(number) ? QValidator::Intermediate : QValidator::Invalid;
  // A number outside the range may still be on its way into it ("1" of "12").
  if (*parsed < minimum() || *parsed > maximum()) return QValidator::Intermediate;
  return QValidator::Acceptable;
}

// Leaving the box with a number out of range or half typed: the nearest
// allowed value, or the value shown before.
void DecimalSpinBox::fixup(QString& text) const {
  const std::optional<double> parsed = parseDecimal(numberPart(text).toStdString());
  const double kept = parsed ? std::clamp(*parsed, minimum(), maximum()) : value();
  text = prefix() + textFromValue(kept) + suffix();
}

QString DecimalSpinBox::numberPart(const QString& text) const {
  QString number = text;
  if (!prefix().isEmpty() && number.startsWith(prefix())) number.remove(0, prefix().size());
  if (!suffix().isEmpty() && number.endsWith(suffix())) number.chop(suffix().size());
  return number.trimmed();
}

}  // namespace vendaro
