#include "app/numbering_dialog.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

#include "app/character_table_dialog.h"
#include "app/dialog_buttons.h"
#include "app/dialog_exchange.h"
#include "app/glyph_preview.h"
#include "app/qt_text.h"

namespace vendaro {
namespace {

constexpr int kPreviewPixels = 40;

}  // namespace

NumberingDialog::NumberingDialog(FontEngine& fonts, CharacterTableDialog& characterTable, QWidget* parent)
    : QDialog(parent), characterTable_(characterTable) {
  setWindowTitle(QStringLiteral("Nummerierung und Aufzählungen"));
  auto* kinds = new QGroupBox(this);
  auto* kindColumn = new QVBoxLayout(kinds);
  kind_ = new QButtonGroup(this);
  for (int i = 0; i < static_cast<int>(kListKindNames.size()); ++i) {
    auto* radio = new QRadioButton(QLatin1Char('&') + QString::fromUtf8(kListKindNames[static_cast<size_t>(i)]), kinds);
    kind_->addButton(radio, i);
    kindColumn->addWidget(radio);
  }
  indent_ = new QLineEdit(this);
  bullet_ = new QLineEdit(this);
  bullet_->setValidator(new Cp1252LengthLimit(1, bullet_));
  bullet_->setMaximumWidth(40);
  preview_ = new GlyphPreview(fonts, kPreviewPixels, this);
  auto* table = new QPushButton(QStringLiteral("Zeic&hentabelle"), this);
  table->setAutoDefault(false);

  auto* bulletRow = new QHBoxLayout;
  bulletRow->addWidget(bullet_);
  bulletRow->addWidget(preview_);
  bulletRow->addWidget(table);
  bulletRow->addStretch();
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("Abstand zum &Text (cm):"), indent_);
  auto* bulletLabel = new QLabel(QStringLiteral("Aufzählungs&zeichen:"), this);
  bulletLabel->setBuddy(bullet_);
  form->addRow(bulletLabel, bulletRow);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(kinds);
  layout->addLayout(form);
  layout->addWidget(okCancelButtons(*this));

  connect(table, &QPushButton::clicked, this, &NumberingDialog::chooseFromCharacterTable);
  connect(bullet_, &QLineEdit::textChanged, this, &NumberingDialog::showBullet);
}

void NumberingDialog::fill(const NummerierungDialog& dialog) {
  if (QAbstractButton* button = kind_->button(dialog.listKind)) button->setChecked(true);
  indent_->setText(fromCp1252(dialog.listIndent));
  bulletFont_ = dialog.bulletFont;
  bullet_->setText(fromCp1252(dialog.bullet));
  showBullet();
}

NummerierungDialog NumberingDialog::values() const {
  NummerierungDialog dialog;
  dialog.listKind = std::max(0, kind_->checkedId());
  dialog.listIndent = toCp1252(indent_->text());
  dialog.bullet = toCp1252(bullet_->text());
  dialog.bulletFont = bulletFont_;
  return dialog;
}

bool NumberingDialog::edit(NummerierungDialog& dialog) { return exchangeValues(*this, dialog); }

void NumberingDialog::chooseFromCharacterTable() {
  std::string face = bulletFont_;
  const std::string bullet = toCp1252(bullet_->text());
  uint8_t ch = bullet.empty() ? 0 : static_cast<uint8_t>(bullet[0]);
  if (!characterTable_.choose(face, ch)) return;
  bulletFont_ = face;
  bullet_->setText(fromCp1252(std::string(1, static_cast<char>(ch))));
  showBullet();
}

// The field holds the byte; the box beside it shows what it means in the
// bullet's font, which for Wingdings is a picture, not the letter.
void NumberingDialog::showBullet() {
  const std::string bullet = toCp1252(bullet_->text());
  preview_->showCharacter(bulletFont_, bullet.empty() ? ' ' : static_cast<uint8_t>(bullet[0]));
}

}  // namespace vendaro
