#include "app/spell_check_form.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QTimer>
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
  auto* unknownLabel = new QLabel(QStringLiteral("Unbekanntes &Wort:"), this);
  unknownLabel->setBuddy(unknowned);
  auto* changeLabel = new QLabel(QStringLiteral("Än&dern in:"), this);
  changeLabel->setBuddy(replacement);
  grid->addWidget(unknownLabel, 0, 0);
  grid->addWidget(unknowned, 1, 0);
  grid->addWidget(changeLabel, 2, 0);
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

  // Choosing a suggestion puts it into the text; Enter in the list or the
  // text and a double click answer "Ändern".
  connect(vorschlagbox, &QListWidget::itemSelectionChanged, this, [this] {
    const QList<QListWidgetItem*> chosen = vorschlagbox->selectedItems();
    if (!chosen.isEmpty()) replacement->setText(chosen.front()->text());
  });
  connect(vorschlagbox, &QListWidget::itemDoubleClicked, this, [this] { answer(SpellCheckAnswer::change); });
  vorschlagbox->installEventFilter(this);
  connect(replacement, &QLineEdit::returnPressed, this, [this] { answer(SpellCheckAnswer::change); });
}

void SpellCheckForm::answer(SpellCheckAnswer code) { done(static_cast<int>(code)); }

bool SpellCheckForm::eventFilter(QObject* watched, QEvent* event) {
  // Coming into the list makes its first entry current without choosing
  // it; undone, so that the text stays the word and Down chooses the first.
  if (watched == vorschlagbox && event->type() == QEvent::FocusIn) {
    QTimer::singleShot(0, this, [this] {
      if (vorschlagbox->selectedItems().isEmpty()) vorschlagbox->selectionModel()->clearCurrentIndex();
    });
  }
  if (watched == vorschlagbox && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      answer(SpellCheckAnswer::change);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

SpellCheckAnswer SpellCheckForm::ask(SpellCheckDialog& dialog) {
  unknowned->setText(fromCp1252(dialog.unknownWord));
  vorschlagbox->blockSignals(true);
  vorschlagbox->clear();
  for (const std::string& s : dialog.suggestions) vorschlagbox->addItem(fromCp1252(s));
  // No suggestion is chosen yet: the text stays the word until the user
  // moves into the list.
  vorschlagbox->setCurrentRow(-1);
  vorschlagbox->clearSelection();
  vorschlagbox->blockSignals(false);
  replacement->setText(fromCp1252(dialog.replacement));
  vorschlagbox->setFocus();
  const int result = exec();
  // Closing the window is cancelling.
  const auto code = static_cast<SpellCheckAnswer>(result == QDialog::Rejected ? static_cast<int>(SpellCheckAnswer::cancel) : result);
  dialog.replacement = toCp1252(replacement->text());
  return code;
}

}  // namespace vendaro
