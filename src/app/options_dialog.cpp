#include "app/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

#include "app/dialog_buttons.h"
#include "app/qt_text.h"

namespace vendaro {
namespace {

const char* const kQuoteStyles[] = {"Neutral", "Deutsch", "Schweizer Deutsch", "Französisch", "Englisch"};
constexpr int kMaxSpinValue = 1000;

QSpinBox* spinBox(QWidget* parent, int minimum) {
  auto* edit = new QSpinBox(parent);
  edit->setRange(minimum, kMaxSpinValue);
  return edit;
}

}  // namespace

OptionsDialog::OptionsDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Einstellungen"));
  pages_ = new QTabWidget(this);
  pages_->addTab(generalPage(), QStringLiteral("Allgemei&n"));
  pages_->addTab(viewPage(), QStringLiteral("&Ansicht"));
  pages_->addTab(savePage(), QStringLiteral("&Speichern"));
  pages_->addTab(userPage(), QStringLiteral("&Benutzer-Info"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages_);
  layout->addWidget(okCancelButtons(*this));
}

QWidget* OptionsDialog::generalPage() {
  auto* page = new QWidget(this);
  ComboBox1 = new QComboBox(page);
  for (const char* style : kQuoteStyles) ComboBox1->addItem(QString::fromUtf8(style));
  helplinescheck = new QCheckBox(QStringLiteral("&Graue Hilfslinien um Eingabefelder"), page);
  UndoEd = spinBox(page, 1);
  LastOpenEd = spinBox(page, 0);
  auto* form = new QFormLayout(page);
  form->addRow(QStringLiteral("An&führungszeichen:"), ComboBox1);
  form->addRow(helplinescheck);
  form->addRow(QStringLiteral("&Rückgängig-Schritte:"), UndoEd);
  form->addRow(QStringLiteral("&Zuletzt geöffnete Dateien:"), LastOpenEd);
  return page;
}

QWidget* OptionsDialog::viewPage() {
  auto* page = new QWidget(this);
  tabcheck = new QCheckBox(QStringLiteral("&Tabulatoren"), page);
  leercheck = new QCheckBox(QStringLiteral("&Leerzeichen"), page);
  absatzcheck = new QCheckBox(QStringLiteral("Absatz&marken"), page);
  AllCheck = new QCheckBox(QStringLiteral("All&e"), page);
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Nicht druckbare Zeichen anzeigen:"), page));
  for (QCheckBox* check : {tabcheck, leercheck, absatzcheck, AllCheck}) layout->addWidget(check);
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::savePage() {
  auto* page = new QWidget(this);
  AutoSaveCheck = new QCheckBox(QStringLiteral("&Wiederherstellen-Infos speichern alle"), page);
  SaveTimeEd = spinBox(page, 0);
  BackUpCheck = new QCheckBox(QStringLiteral("Si&cherungskopie erstellen"), page);
  auto* autoSave = new QHBoxLayout;
  autoSave->addWidget(AutoSaveCheck);
  autoSave->addWidget(SaveTimeEd);
  autoSave->addWidget(new QLabel(QStringLiteral("Minuten"), page));
  autoSave->addStretch();
  auto* layout = new QVBoxLayout(page);
  layout->addLayout(autoSave);
  layout->addWidget(BackUpCheck);
  layout->addStretch();
  return page;
}

QWidget* OptionsDialog::userPage() {
  auto* page = new QWidget(this);
  Edit1 = new QLineEdit(page);
  Edit2 = new QLineEdit(page);
  Memo1 = new QPlainTextEdit(page);
  auto* form = new QFormLayout(page);
  form->addRow(QStringLiteral("&Name:"), Edit1);
  form->addRow(QStringLiteral("&Initialen:"), Edit2);
  form->addRow(QStringLiteral("Adr&esse:"), Memo1);
  return page;
}

void OptionsDialog::setSettings(const ProgramSettings& s) {
  ComboBox1->setCurrentIndex(std::clamp(s.QuoteStyle, 0, ComboBox1->count() - 1));
  helplinescheck->setChecked(!s.HideFieldGuides);
  UndoEd->setValue(s.MaxUndoSteps);
  LastOpenEd->setValue(s.RecentFilesMax);
  tabcheck->setChecked(s.ShowTabs);
  leercheck->setChecked(s.ShowSpaces);
  absatzcheck->setChecked(s.ShowParagraphMarks);
  AllCheck->setChecked(s.ShowAllMarks);
  AutoSaveCheck->setChecked(s.AutoSaveEnabled);
  BackUpCheck->setChecked(s.MakeBackups);
  SaveTimeEd->setValue(s.AutoSaveMinutes);
  Edit1->setText(fromCp1252(s.UserName));
  Edit2->setText(fromCp1252(s.UserInitials));
  Memo1->setPlainText(fromCp1252(s.UserAddress).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void OptionsDialog::applyTo(ProgramSettings& s) const {
  s.QuoteStyle = std::max(ComboBox1->currentIndex(), 0);
  s.HideFieldGuides = !helplinescheck->isChecked();
  s.MaxUndoSteps = UndoEd->value();
  s.RecentFilesMax = LastOpenEd->value();
  s.ShowTabs = tabcheck->isChecked();
  s.ShowSpaces = leercheck->isChecked();
  s.ShowParagraphMarks = absatzcheck->isChecked();
  s.ShowAllMarks = AllCheck->isChecked();
  s.AutoSaveEnabled = AutoSaveCheck->isChecked();
  s.MakeBackups = BackUpCheck->isChecked();
  s.AutoSaveMinutes = SaveTimeEd->value();
  s.UserName = toCp1252(Edit1->text());
  s.UserInitials = toCp1252(Edit2->text());
  // Addresses keep Windows line ends, as the fields that show them expect.
  s.UserAddress = toCp1252(Memo1->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

}  // namespace vendaro
