// zoom_controls.h — the zoom box of the standard tool bar (fixed choices and
// typed percentages, applied on Enter or choice, the active document's zoom
// shown again on leaving) and the zoom dialog TZoomForm.
#pragma once

#include <QComboBox>
#include <QDialog>

#include <functional>

class QDoubleSpinBox;
class QRadioButton;

namespace vendaro {

class ZoomBox : public QComboBox {
  Q_OBJECT

 public:
  // `apply` gets the chosen or typed text.
  ZoomBox(std::function<void(const QString&)> apply, QWidget* parent);
  // Shows `percent` as the box does outside of typing: "12,5%".
  void showZoom(double percent);

 protected:
  void focusOutEvent(QFocusEvent* event) override;

 private:
  std::function<void(const QString&)> apply_;
  double shown_ = 100.0;
};

class TZoomForm : public QDialog {
  Q_OBJECT

 public:
  explicit TZoomForm(QWidget* parent);
  // ZoomMode 0 fixed, 1 page width, 2 whole page; percent 1 to 250.
  void setValues(int mode, double percent);
  int mode() const;
  double percent() const;

 private:
  QRadioButton* modes_[3];
  QDoubleSpinBox* ZoomEd;
};

}  // namespace vendaro
