#include "app/style_dialogs.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/dialog_buttons.h"
#include "app/qt_text.h"
#include "editing/format_dialog_rules.h"

namespace vendaro {

StyleNameDialog::StyleNameDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Formatvorlage"));
  name_ = new QLineEdit(this);
  QDialogButtonBox* buttons = okCancelButtons(*this);
  ok_ = buttons->button(QDialogButtonBox::Ok);
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("&Name:"), this);
  label->setBuddy(name_);
  layout->addWidget(label);
  layout->addWidget(name_);
  layout->addWidget(buttons);
  connect(name_, &QLineEdit::textChanged, this,
          [this](const QString& text) { ok_->setEnabled(styleNameAcceptable(toCp1252(text))); });
}

bool StyleNameDialog::edit(VorlagenNameDialog& dialog) {
  name_->setText(fromCp1252(dialog.name));
  ok_->setEnabled(styleNameAcceptable(dialog.name));
  name_->selectAll();
  name_->setFocus();
  if (exec() != QDialog::Accepted) return false;
  dialog.name = toCp1252(name_->text());
  return true;
}

StyleManagerDialog::StyleManagerDialog(StyleNameDialog& nameDialog, QWidget* parent)
    : QDialog(parent), nameDialog_(nameDialog) {
  setWindowTitle(QStringLiteral("Vorlagen verwalten"));
  list_ = new QListWidget(this);
  auto* rename = new QPushButton(QStringLiteral("&Umbenennen"), this);
  auto* remove = new QPushButton(QStringLiteral("&Löschen"), this);
  for (QPushButton* button : {rename, remove}) button->setAutoDefault(false);
  auto* side = new QVBoxLayout;
  side->addWidget(rename);
  side->addWidget(remove);
  side->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(list_, 1);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(okCancelButtons(*this));
  connect(rename, &QPushButton::clicked, this, &StyleManagerDialog::renameSelected);
  connect(remove, &QPushButton::clicked, this, &StyleManagerDialog::deleteSelected);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) { state_.selected = row; });
}

void StyleManagerDialog::fill(const VorlagenVerwaltenDialog& dialog) {
  state_ = dialog;
  showNames(state_.names.empty() ? -1 : 0);
}

bool StyleManagerDialog::edit(VorlagenVerwaltenDialog& dialog) {
  fill(dialog);
  list_->setFocus();
  const bool accepted = exec() == QDialog::Accepted;
  dialog = state_;
  return accepted;
}

void StyleManagerDialog::showNames(int selected) {
  list_->clear();
  for (const std::string& name : state_.names) list_->addItem(fromCp1252(name));
  list_->setCurrentRow(selected);
  state_.selected = selected;
}

void StyleManagerDialog::renameSelected() {
  const int index = list_->currentRow();
  if (index < 0) return;
  VorlagenNameDialog name{state_.names[static_cast<size_t>(index)]};
  if (!nameDialog_.edit(name)) return;
  renameStyleEntry(state_, index, name.name);
  showNames(index);
}

void StyleManagerDialog::deleteSelected() {
  const int index = list_->currentRow();
  if (index < 0) return;
  removeStyleEntry(state_, index);
  const int count = static_cast<int>(state_.names.size());
  showNames(count == 0 ? -1 : std::min(index, count - 1));
}

}  // namespace vendaro
