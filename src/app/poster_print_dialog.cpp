#include "app/poster_print_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"

namespace vendaro {
namespace {

// Far beyond any poster's sheet count, yet a bound for the spin boxes.
constexpr int kMaxSheetIndex = 999;
// Wide enough for the caption in the title bar.
constexpr int kMinimumWidth = 340;

QSpinBox* sheetIndexEdit(QWidget* parent) {
  auto* edit = new QSpinBox(parent);
  edit->setRange(0, kMaxSheetIndex);
  return edit;
}

}  // namespace

PosterPrintDialog::PosterPrintDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Poster-Druckeinstellungen"));
  setMinimumWidth(kMinimumWidth);
  KlebeCheck = new QCheckBox(QStringLiteral("&Klebelinen"), this);
  SchneidCheck = new QCheckBox(QStringLiteral("&Schneidelinen"), this);
  NoRandCheck = new QCheckBox(QStringLiteral("Keine Linen am &Posterrand"), this);
  KRandCheck = new QCheckBox(QStringLiteral("&5 % Kleberand lassen"), this);
  AllPagesCheck = new QRadioButton(QStringLiteral("&Alle Seiten drucken"), this);
  OnePageCheck = new QRadioButton(QStringLiteral("&Eine Seite drucken"), this);
  xposed = sheetIndexEdit(this);
  yposed = sheetIndexEdit(this);

  auto* lines = new QVBoxLayout;
  for (QCheckBox* check : {KlebeCheck, SchneidCheck, NoRandCheck, KRandCheck}) lines->addWidget(check);

  auto* sheets = new QGroupBox(this);
  auto* sheetForm = new QFormLayout;
  sheetForm->addRow(AllPagesCheck);
  sheetForm->addRow(OnePageCheck);
  sheetForm->addRow(QStringLiteral("&X-Position:"), xposed);
  sheetForm->addRow(QStringLiteral("&Y-Position:"), yposed);
  sheets->setLayout(sheetForm);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(lines);
  layout->addWidget(sheets);
  layout->addWidget(okCancelButtons(*this));
  setSettings(PosterSettings{});
}

PosterSettings PosterPrintDialog::settings() const {
  PosterSettings s;
  s.glueLines = KlebeCheck->isChecked();
  s.cutLines = SchneidCheck->isChecked();
  s.noEdgeLines = NoRandCheck->isChecked();
  s.glueMargin = KRandCheck->isChecked();
  s.allSheets = !OnePageCheck->isChecked();
  s.column = xposed->value();
  s.row = yposed->value();
  return s;
}

void PosterPrintDialog::setSettings(const PosterSettings& s) {
  KlebeCheck->setChecked(s.glueLines);
  SchneidCheck->setChecked(s.cutLines);
  NoRandCheck->setChecked(s.noEdgeLines);
  KRandCheck->setChecked(s.glueMargin);
  AllPagesCheck->setChecked(s.allSheets);
  OnePageCheck->setChecked(!s.allSheets);
  xposed->setValue(s.column);
  yposed->setValue(s.row);
}

}  // namespace vendaro
