#include "app/paragraph_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"
#include "app/qt_text.h"
#include "document/paragraph_format.h"
#include "editing/format_dialog_rules.h"

namespace vendaro {
namespace {

QLineEdit* numberEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setMaximumWidth(80);
  return edit;
}

QString text(const std::string& cp1252) { return fromCp1252(cp1252); }

}  // namespace

ParagraphDialog::ParagraphDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Absatzformatierung"));
  alignment_ = new QComboBox(this);
  for (const char* name : kAlignmentNames) alignment_->addItem(QString::fromUtf8(name));
  spacing_ = new QComboBox(this);
  for (const char* name : kLineSpacingNames) spacing_->addItem(QString::fromUtf8(name));
  measure_ = numberEdit(this);
  unit_ = new QLabel(this);
  spaceBefore_ = numberEdit(this);
  spaceAfter_ = numberEdit(this);
  leftIndent_ = numberEdit(this);
  rightIndent_ = numberEdit(this);
  firstLineIndent_ = numberEdit(this);

  auto* general = new QFormLayout;
  general->addRow(QStringLiteral("A&usrichtung:"), alignment_);
  auto* spacingRow = new QHBoxLayout;
  spacingRow->addWidget(spacing_);
  auto* measureLabel = new QLabel(QStringLiteral("&Maß:"), this);
  measureLabel->setBuddy(measure_);
  spacingRow->addWidget(measureLabel);
  spacingRow->addWidget(measure_);
  spacingRow->addWidget(unit_);
  auto* spacingLabel = new QLabel(QStringLiteral("&Zeilenabstand:"), this);
  spacingLabel->setBuddy(spacing_);
  general->addRow(spacingLabel, spacingRow);
  auto* distances = new QGroupBox(QStringLiteral("Abstand (cm)"), this);
  auto* distanceForm = new QFormLayout(distances);
  distanceForm->addRow(QStringLiteral("Abstand von &oben:"), spaceBefore_);
  distanceForm->addRow(QStringLiteral("Abstand von u&nten:"), spaceAfter_);
  auto* indents = new QGroupBox(QStringLiteral("Einzug (cm)"), this);
  auto* indentForm = new QFormLayout(indents);
  indentForm->addRow(QStringLiteral("&Links:"), leftIndent_);
  indentForm->addRow(QStringLiteral("&Rechts:"), rightIndent_);
  indentForm->addRow(QStringLiteral("&Erste Zeile:"), firstLineIndent_);
  auto* groups = new QHBoxLayout;
  groups->addWidget(distances);
  groups->addWidget(indents);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(general);
  layout->addLayout(groups);
  layout->addWidget(okCancelButtons(*this));

  connect(spacing_, &QComboBox::activated, this, &ParagraphDialog::spacingChosen);
  connect(measure_, &QLineEdit::textEdited, this, &ParagraphDialog::measureTyped);
}

void ParagraphDialog::fill(const AbsatzDialog& dialog) {
  alignment_->setCurrentIndex(dialog.alignment);
  spacing_->setCurrentIndex(dialog.spacingChoice);
  unit_->setText(QString::fromUtf8(spacingUnitLabel(dialog.spacingChoice)));
  measure_->setText(text(dialog.measure));
  spaceBefore_->setText(text(dialog.spaceBefore));
  spaceAfter_->setText(text(dialog.spaceAfter));
  leftIndent_->setText(text(dialog.leftIndent));
  rightIndent_->setText(text(dialog.rightIndent));
  firstLineIndent_->setText(text(dialog.firstLineIndent));
}

AbsatzDialog ParagraphDialog::values() const {
  AbsatzDialog dialog;
  dialog.alignment = alignment_->currentIndex();
  dialog.spacingChoice = spacing_->currentIndex();
  dialog.measure = toCp1252(measure_->text());
  dialog.spaceBefore = toCp1252(spaceBefore_->text());
  dialog.spaceAfter = toCp1252(spaceAfter_->text());
  dialog.leftIndent = toCp1252(leftIndent_->text());
  dialog.rightIndent = toCp1252(rightIndent_->text());
  dialog.firstLineIndent = toCp1252(firstLineIndent_->text());
  return dialog;
}

bool ParagraphDialog::edit(AbsatzDialog& dialog) { return exchangeValues(*this, dialog); }

void ParagraphDialog::spacingChosen(int choice) {
  if (const std::optional<std::string> measure = measureForSpacingChoice(choice)) measure_->setText(text(*measure));
  unit_->setText(QString::fromUtf8(spacingUnitLabel(choice)));
}

void ParagraphDialog::measureTyped(const QString& typed) {
  const int choice = spacingChoiceForTypedMeasure(spacing_->currentIndex(), toCp1252(typed));
  spacing_->setCurrentIndex(choice);
  unit_->setText(QString::fromUtf8(spacingUnitLabel(choice)));
}

}  // namespace vendaro
