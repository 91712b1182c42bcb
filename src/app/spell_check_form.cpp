#include "app/spell_check_form.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/qt_text.h"

namespace vendaro {
SpellCheckForm::SpellCheckForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Rechtschreibprüfung"));
  auto* grid = new QGridLayout(this);
  unknowned = new QLineEdit(this);
  unknowned->setReadOnly(true);
  replacement = new QLineEdit(this);
  vorschlagbox = new QListWidget(this);
  grid->addWidget(new QLabel(QStringLiteral("Unbekanntes Wort:"), this), 0, 0);
  grid->addWidget(unknowned, 1, 0);
  grid->addWidget(new QLabel(QStringLiteral("Ändern in:"), this), 2, 0);
  grid->addWidget(replacement, 3, 0);
  grid->addWidget(vorschlagbox, 4, 0);

  auto* buttons = new QVBoxLayout;
  const struct {
    const char* caption;
    SpellCheckAnswer code;
  } kButtons[] = {{"&Ändern", SpellCheckAnswer::change},          {"I&mmer ändern", SpellCheckAnswer::changeAll},
                  {"&Ignorieren", SpellCheckAnswer::ignore},      {"&Nie ändern", SpellCheckAnswer::neverChange},
                  {"Wort &lernen", SpellCheckAnswer::learn},      {"A&bbrechen", SpellCheckAnswer::cancel}};
  for (const auto& b : kButtons) {
    auto* button = new QPushButton(QString::fromUtf8(b.caption), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, code = b.code] { answer(code); });
    buttons->addWidget(button);
  }
  buttons->addStretch();
  grid->addLayout(buttons, 0, 1, 5, 1);

  // Choosing a suggestion puts it into the text; Enter and a double click
  // answer "Ändern".
  connect(vorschlagbox, &QListWidget::currentTextChanged, replacement, &QLineEdit::setText);
  connect(vorschlagbox, &QListWidget::itemDoubleClicked, this, [this] { answer(SpellCheckAnswer::change); });
  connect(replacement, &QLineEdit::returnPressed, this, [this] { answer(SpellCheckAnswer::change); });
}

void SpellCheckForm::answer(SpellCheckAnswer code) { done(static_cast<int>(code)); }

SpellCheckAnswer SpellCheckForm::ask(SpellCheckDialog& dialog) {
  unknowned->setText(fromCp1252(dialog.unknownWord));
  vorschlagbox->blockSignals(true);
  vorschlagbox->clear();
  for (const std::string& s : dialog.suggestions) vorschlagbox->addItem(fromCp1252(s));
  vorschlagbox->blockSignals(false);
  replacement->setText(fromCp1252(dialog.replacement));
  replacement->setFocus();
  const int result = exec();
  // Closing the window is cancelling.
  const auto code = static_cast<SpellCheckAnswer>(result == QDialog::Rejected ? static_cast<int>(SpellCheckAnswer::cancel) : result);
  dialog.replacement = toCp1252(replacement->text());
  return code;
}

}  // namespace vendaro
