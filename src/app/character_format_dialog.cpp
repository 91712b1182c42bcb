#include "app/character_format_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/colour_combo_box.h"
#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"
#include "app/font_faces.h"

namespace vendaro {

CharacterFormatDialog::CharacterFormatDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Zeichen"));
  fontBox_ = new QComboBox(this);
  fontBox_->setEditable(true);
  fontBox_->setInsertPolicy(QComboBox::NoInsert);
  fontBox_->addItems(documentFontFaces());
  sizeBox_ = new QComboBox(this);
  sizeBox_->setEditable(true);
  sizeBox_->setInsertPolicy(QComboBox::NoInsert);
  for (int size : kCharacterDialogSizes) sizeBox_->addItem(QString::number(size));
  colour_ = new TZeltoColorComboBox(this);
  backColour_ = new TZeltoColorComboBox(this);
  shadowColour_ = new TZeltoColorComboBox(this);
  outlineColour_ = new TZeltoColorComboBox(this);
  transparent_ = new QCheckBox(QStringLiteral("Transparent"), this);
  attributes_ = new QListWidget(this);
  for (const char* name : kCharacterAttributeNames) {
    auto* item = new QListWidgetItem(QString::fromUtf8(name), attributes_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  // Every attribute in view at once: the list is short and a scroll bar
  // would hide the last ones.
  attributes_->setMinimumHeight(attributes_->sizeHintForRow(0) * kCharacterAttributeCount +
                                2 * attributes_->frameWidth());

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Schriftart:"), fontBox_);
  form->addRow(QStringLiteral("Schriftgrad:"), sizeBox_);
  form->addRow(QStringLiteral("Textfarbe:"), colour_);
  auto* backRow = new QHBoxLayout;
  backRow->addWidget(backColour_, 1);
  backRow->addWidget(transparent_);
  form->addRow(QStringLiteral("Hintergrundfarbe:"), backRow);
  form->addRow(QStringLiteral("Umrandungsfarbe:"), outlineColour_);
  form->addRow(QStringLiteral("Schattenfarbe:"), shadowColour_);
  auto* body = new QHBoxLayout;
  body->addLayout(form, 1);
  body->addWidget(attributes_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(body);
  layout->addWidget(okCancelButtons(*this));

  // Only what the user does counts as a change; filling the dialog does not.
  connect(fontBox_, &QComboBox::currentTextChanged, this, [this] { changed_.fontName |= !filling_; });
  connect(sizeBox_, &QComboBox::currentTextChanged, this, [this] { changed_.size |= !filling_; });
  connect(colour_, &TZeltoColorComboBox::colorChanged, this, [this] { changed_.color = true; });
  connect(shadowColour_, &TZeltoColorComboBox::colorChanged, this, [this] { changed_.shadowColor = true; });
  connect(outlineColour_, &TZeltoColorComboBox::colorChanged, this, [this] { changed_.outlineColor = true; });
  connect(backColour_, &TZeltoColorComboBox::colorChanged, this, [this] {
    changed_.backColor = true;
    backColourShown();
  });
  connect(transparent_, &QCheckBox::toggled, this, [this] { changed_.transparent |= !filling_; });
  connect(attributes_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!filling_) changed_.attributes[static_cast<size_t>(attributes_->row(item))] = true;
  });
}

void CharacterFormatDialog::fill(const ZeichenDialog& dialog) {
  filling_ = true;
  fontBox_->setCurrentText(QString::fromStdString(dialog.fontName));
  const int listed = sizeBox_->findText(QString::fromStdString(dialog.size));
  if (listed >= 0) sizeBox_->setCurrentIndex(listed);
  sizeBox_->setCurrentText(QString::fromStdString(dialog.size));
  colour_->setColorValue(dialog.color);
  backColour_->setColorValue(dialog.backColor);
  shadowColour_->setColorValue(dialog.shadowColor);
  outlineColour_->setColorValue(dialog.outlineColor);
  transparent_->setChecked(dialog.transparent);
  backColourShown();
  for (int i = 0; i < kCharacterAttributeCount; ++i)
    attributes_->item(i)->setCheckState(dialog.attributes[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  changed_ = {};
  filling_ = false;
}

ZeichenDialog CharacterFormatDialog::values() const {
  ZeichenDialog dialog;
  dialog.fontName = fontBox_->currentText().toStdString();
  dialog.size = sizeBox_->currentText().toStdString();
  dialog.color = colour_->ColorValue();
  dialog.backColor = backColour_->ColorValue();
  dialog.transparent = transparent_->isChecked() && transparencyAllowed(dialog.backColor);
  dialog.shadowColor = shadowColour_->ColorValue();
  dialog.outlineColor = outlineColour_->ColorValue();
  for (int i = 0; i < kCharacterAttributeCount; ++i)
    dialog.attributes[static_cast<size_t>(i)] = attributes_->item(i)->checkState() == Qt::Checked;
  dialog.changed = changed_;
  return dialog;
}

bool CharacterFormatDialog::edit(ZeichenDialog& dialog) { return exchangeValues(*this, dialog); }

void CharacterFormatDialog::backColourShown() { transparent_->setEnabled(transparencyAllowed(backColour_->ColorValue())); }

}  // namespace vendaro
