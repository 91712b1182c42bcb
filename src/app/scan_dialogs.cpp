// scan_dialogs.cpp — layouts of the scanner choice and the scan settings.
#include "app/scan_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "app/dialog_buttons.h"

namespace vendaro {

namespace {

// The mode box lists the modes in this order.
constexpr ScanMode kModes[] = {ScanMode::lineArt, ScanMode::grey, ScanMode::colour};
constexpr int kMinDotsPerInch = 25;
constexpr int kMaxDotsPerInch = 4800;

}  // namespace

ScannerChoiceDialog::ScannerChoiceDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Scanner wählen"));
  list_ = new QListWidget(this);
  connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  auto* caption = new QLabel(QStringLiteral("&Verfügbare Scanner:"), this);
  caption->setBuddy(list_);
  layout->addWidget(caption);
  layout->addWidget(list_);
  layout->addWidget(okCancelButtons(*this));
}

void ScannerChoiceDialog::fill(const std::vector<ScannerDevice>& devices, const std::string& current) {
  list_->clear();
  for (const ScannerDevice& device : devices) list_->addItem(QString::fromStdString(scannerLabel(device)));
  list_->setCurrentRow(0);
  for (size_t i = 0; i < devices.size(); ++i)
    if (devices[i].name == current) list_->setCurrentRow(int(i));
  list_->setFocus();
}

int ScannerChoiceDialog::chosen() const { return list_->currentRow(); }

ScanSettingsDialog::ScanSettingsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Bild scannen"));
  scanner_ = new QLabel(this);
  mode_ = new QComboBox(this);
  mode_->addItems({QStringLiteral("Strichzeichnung"), QStringLiteral("Graustufen"), QStringLiteral("Farbe")});
  resolution_ = new QSpinBox(this);
  resolution_->setRange(kMinDotsPerInch, kMaxDotsPerInch);
  resolution_->setSuffix(QStringLiteral(" dpi"));
  auto* form = new QFormLayout;
  // The scanner's name is only shown: its label leads nowhere.
  form->addRow(new QLabel(QStringLiteral("Scanner:"), this), scanner_);
  form->addRow(QStringLiteral("&Betriebsart:"), mode_);
  form->addRow(QStringLiteral("&Auflösung:"), resolution_);
  QDialogButtonBox* buttons = okCancelButtons(*this);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Scannen"));
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

void ScanSettingsDialog::fill(const std::string& scannerLabel, ScanMode mode, int dotsPerInch) {
  scanner_->setText(QString::fromStdString(scannerLabel));
  for (int i = 0; i < 3; ++i)
    if (kModes[i] == mode) mode_->setCurrentIndex(i);
  resolution_->setValue(dotsPerInch);
  mode_->setFocus();
}

ScanMode ScanSettingsDialog::mode() const { return kModes[std::clamp(mode_->currentIndex(), 0, 2)]; }

int ScanSettingsDialog::dotsPerInch() const { return resolution_->value(); }

}  // namespace vendaro
