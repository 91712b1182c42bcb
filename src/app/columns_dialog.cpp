#include "app/columns_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"
#include "app/qt_text.h"

namespace vendaro {

ColumnsDialog::ColumnsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Spalten"));
  count_ = new QLineEdit(this);
  lines_ = new QCheckBox(QStringLiteral("&Linien zwischen den Spalten"), this);
  gap_ = new QLineEdit(this);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Anzahl der Spalten:"), count_);
  form->addRow(QStringLiteral("Abstand &zwischen den Spalten (cm):"), gap_);
  form->addRow(lines_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(okCancelButtons(*this));
}

void ColumnsDialog::fill(const SpaltenDialog& dialog) {
  count_->setText(fromCp1252(dialog.count));
  lines_->setChecked(dialog.lines);
  gap_->setText(fromCp1252(dialog.gap));
}

SpaltenDialog ColumnsDialog::values() const {
  SpaltenDialog dialog;
  dialog.count = toCp1252(count_->text());
  dialog.lines = lines_->isChecked();
  dialog.gap = toCp1252(gap_->text());
  return dialog;
}

bool ColumnsDialog::edit(SpaltenDialog& dialog) { return exchangeValues(*this, dialog); }

}  // namespace vendaro
