// decimal_spin_box.h — the number box of every dialog that edits a length,
// a line width or a percentage: shows a decimal comma and reads a comma or a
// point through the program's one number parser, whatever Qt's locale says.
#pragma once

#include <QDoubleSpinBox>

namespace vendaro {

class DecimalSpinBox : public QDoubleSpinBox {
  Q_OBJECT

 public:
  explicit DecimalSpinBox(QWidget* parent = nullptr);

  QString textFromValue(double value) const override;
  double valueFromText(const QString& text) const override;
  QValidator::State validate(QString& text, int& position) const override;
  void fixup(QString& text) const override;

 private:
  // The typed number without the box's prefix and suffix.
  QString numberPart(const QString& text) const;
};

}  // namespace vendaro
