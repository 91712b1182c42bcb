#include "app/user_dictionary_form.h"

#include <QDialogButtonBox>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/qt_text.h"

namespace vendaro {

UserDictionaryForm::UserDictionaryForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Benutzerwörterbuch"));
  auto* layout = new QVBoxLayout(this);
  ListBox1 = new QListWidget(this);
  ListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
  layout->addWidget(ListBox1);
  auto* remove = new QPushButton(QStringLiteral("Markierte &entfernen"), this);
  remove->setAutoDefault(false);
  connect(remove, &QPushButton::clicked, this, &UserDictionaryForm::removeSelected);
  layout->addWidget(remove);
  layout->addWidget(okCancelButtons(*this));
}

void UserDictionaryForm::removeSelected() { qDeleteAll(ListBox1->selectedItems()); }

bool UserDictionaryForm::edit(UserDictionaryDialog& dialog) {
  ListBox1->clear();
  for (const std::string& word : dialog.words) ListBox1->addItem(fromCp1252(word));
  if (exec() != QDialog::Accepted) return false;
  dialog.words.clear();
  for (int i = 0; i < ListBox1->count(); ++i) dialog.words.push_back(toCp1252(ListBox1->item(i)->text()));
  return true;
}

}  // namespace vendaro
