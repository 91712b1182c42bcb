#include "app/insert_content_form.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"

namespace vendaro {

InsertContentForm::InsertContentForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Inhalte einfügen"));
  formats_ = new QListWidget(this);
  auto* label = new QLabel(QStringLiteral("&Als:"), this);
  label->setBuddy(formats_);
  connect(formats_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label);
  layout->addWidget(formats_);
  layout->addWidget(okCancelButtons(*this));
}

InsertContentForm& InsertContentForm::of(QWidget& owner) {
  if (auto* kept = owner.findChild<InsertContentForm*>(QString(), Qt::FindDirectChildrenOnly)) return *kept;
  return *new InsertContentForm(&owner);
}

void InsertContentForm::fill(const InhalteEinfuegenDialog& dialog) {
  shown_ = dialog;
  formats_->clear();
  for (const std::string& entry : dialog.entries) formats_->addItem(QString::fromUtf8(entry.c_str()));
  formats_->setCurrentRow(dialog.selected);
  formats_->setFocus();
}

InhalteEinfuegenDialog InsertContentForm::values() const {
  InhalteEinfuegenDialog dialog = shown_;
  dialog.selected = formats_->currentRow();
  return dialog;
}

bool InsertContentForm::edit(InhalteEinfuegenDialog& dialog) {
  return exchangeValues(*this, dialog) && dialog.selected >= 0;
}

}  // namespace vendaro
