#include "app/character_format_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QStyle>
#include <QVBoxLayout>

#include "app/colour_combo_box.h"
#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"
#include "app/font_faces.h"
#include "app/qt_text.h"

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
  // Made in the order the eye reads them, which Tab follows.
  colour_ = new TZeltoColorComboBox(this);
  backColour_ = new TZeltoColorComboBox(this);
  transparent_ = new QCheckBox(QStringLiteral("&Transparent"), this);
  outlineColour_ = new TZeltoColorComboBox(this);
  shadowColour_ = new TZeltoColorComboBox(this);
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
  // Every name whole, too, at any screen scale: a horizontal scroll bar
  // would take the room of the last row.
  attributes_->setMinimumWidth(attributes_->sizeHintForColumn(0) + 2 * attributes_->frameWidth() +
                               attributes_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
  attributes_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("&Schriftart:"), fontBox_);
  form->addRow(QStringLiteral("Schrift&grad:"), sizeBox_);
  form->addRow(QStringLiteral("Te&xtfarbe:"), colour_);
  auto* backRow = new QHBoxLayout;
  backRow->addWidget(backColour_, 1);
  backRow->addWidget(transparent_);
  auto* backLabel = new QLabel(QStringLiteral("&Hintergrundfarbe:"), this);
  backLabel->setBuddy(backColour_);
  form->addRow(backLabel, backRow);
  form->addRow(QStringLiteral("&Umrandungsfarbe:"), outlineColour_);
  form->addRow(QStringLiteral("S&chattenfarbe:"), shadowColour_);
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
  connect(backColour_, &TZeltoColorComboBox::colorChanged, this, [this] { changed_.backColor = true; });
  offerTransparencyForWhiteOnly(*backColour_, *transparent_);
  connect(transparent_, &QCheckBox::toggled, this, [this] { changed_.transparent |= !filling_; });
  connect(attributes_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
    if (!filling_) changed_.attributes[static_cast<size_t>(attributes_->row(item))] = true;
  });
}

void CharacterFormatDialog::fill(const ZeichenDialog& dialog) {
  filling_ = true;
  // The entry itself, not only its text: the box then shows the same
  // however it was left last time.
  const QString face = fromCp1252(dialog.fontName);
  fontBox_->setCurrentIndex(fontBox_->findText(face, Qt::MatchFixedString));
  fontBox_->setCurrentText(face);
  const int listed = sizeBox_->findText(fromCp1252(dialog.size));
  if (listed >= 0) sizeBox_->setCurrentIndex(listed);
  sizeBox_->setCurrentText(fromCp1252(dialog.size));
  colour_->setColorValue(dialog.color);
  backColour_->setColorValue(dialog.backColor);
  shadowColour_->setColorValue(dialog.shadowColor);
  outlineColour_->setColorValue(dialog.outlineColor);
  transparent_->setChecked(dialog.transparent);
  for (int i = 0; i < kCharacterAttributeCount; ++i)
    attributes_->item(i)->setCheckState(dialog.attributes[static_cast<size_t>(i)] ? Qt::Checked : Qt::Unchecked);
  changed_ = {};
  filling_ = false;
}

ZeichenDialog CharacterFormatDialog::values() const {
  ZeichenDialog dialog;
  dialog.fontName = toCp1252(fontBox_->currentText());
  dialog.size = toCp1252(sizeBox_->currentText());
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

}  // namespace vendaro
