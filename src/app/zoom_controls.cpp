#include "app/zoom_controls.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <utility>

#include "app/decimal_spin_box.h"
#include "app/dialog_buttons.h"
#include "app/enter_key.h"
#include "editing/editor.h"

namespace vendaro {

ZoomBox::ZoomBox(std::function<void(const QString&)> apply, QWidget* parent)
    : QComboBox(parent), apply_(std::move(apply)) {
  setToolTip(QStringLiteral("Zoom"));
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setMinimumContentsLength(10);
  addItems({"250%", "200%", "150%", "100%", "75%", "50%", "25%", "10%", "7%", "5%", "2%", "Seitenbreite",
            "Ganze Seite"});
  connect(this, &QComboBox::activated, this, [this](int index) { apply_(itemText(index)); });
  onEnter(this, [this] { apply_(currentText()); });
  showZoom(shown_);
}

void ZoomBox::showZoom(double percent) {
  shown_ = percent;
  setEditText(QString::fromStdString(zoomBoxText(percent)));
}

void ZoomBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  // The list popping up takes the focus without leaving the box.
  if (event->reason() != Qt::PopupFocusReason) showZoom(shown_);
}

TZoomForm::TZoomForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Zoom"));
  auto* layout = new QVBoxLayout(this);
  static const char* const kModes[] = {"&Prozent festlegen", "Seiten&breite", "&Ganze Seite"};
  for (int mode = 0; mode < 3; ++mode) {
    modes_[mode] = new QRadioButton(QString::fromUtf8(kModes[mode]), this);
    layout->addWidget(modes_[mode]);
  }
  ZoomEd = new DecimalSpinBox(this);
  ZoomEd->setRange(1, 250);
  ZoomEd->setDecimals(2);
  ZoomEd->setSuffix(QStringLiteral(" %"));
  layout->addWidget(ZoomEd);
  connect(modes_[0], &QRadioButton::toggled, ZoomEd, &QWidget::setEnabled);
  layout->addWidget(okCancelButtons(*this));
}

void TZoomForm::setValues(int mode, double percent) {
  modes_[mode >= 0 && mode < 3 ? mode : 0]->setChecked(true);
  ZoomEd->setEnabled(modes_[0]->isChecked());
  ZoomEd->setValue(percent);
}

int TZoomForm::mode() const {
  for (int mode = 0; mode < 3; ++mode)
    if (modes_[mode]->isChecked()) return mode;
  return 0;
}

double TZoomForm::percent() const { return ZoomEd->value(); }

}  // namespace vendaro
