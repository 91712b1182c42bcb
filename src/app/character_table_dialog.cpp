#include "app/character_table_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

#include "app/colour_combo_box.h"
#include "app/dialog_buttons.h"
#include "app/font_faces.h"
#include "app/glyph_preview.h"
#include "app/qt_text.h"

namespace vendaro {
namespace {

constexpr int kCellPixels = 24;
constexpr int kGridGlyphPixels = 16;
constexpr int kPreviewPixels = 72;
constexpr uint32_t kWhiteText = 0xFFFFFF;
constexpr int32_t kGridLine = 0xC0C0C0;

}  // namespace

// --- the grid -------------------------------------------------------------------

CharacterGrid::CharacterGrid(FontEngine& fonts, QWidget* parent) : QWidget(parent), fonts_(fonts) {
  setFixedSize(kColumns * kCellPixels + 1, kRows * kCellPixels + 1);
  setFocusPolicy(Qt::StrongFocus);
}

void CharacterGrid::setFontName(const std::string& name) {
  fontName_ = name;
  update();
}

void CharacterGrid::select(uint8_t character) {
  const uint8_t shown = std::max<uint8_t>(character, kFirst);
  if (shown == selected_) return;
  selected_ = shown;
  update();
  emit selectionChanged(selected_);
}

QPoint CharacterGrid::cellCentre(uint8_t character) const {
  const int index = std::max<int>(character, kFirst) - kFirst;
  return {(index % kColumns) * kCellPixels + kCellPixels / 2, (index / kColumns) * kCellPixels + kCellPixels / 2};
}

int CharacterGrid::characterAt(const QPoint& point) const {
  const int column = point.x() / kCellPixels, row = point.y() / kCellPixels;
  if (point.x() < 0 || point.y() < 0 || column >= kColumns || row >= kRows) return -1;
  return kFirst + row * kColumns + column;
}

void CharacterGrid::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::white);
  for (int index = 0; index < kColumns * kRows; ++index) {
    const uint8_t ch = static_cast<uint8_t>(kFirst + index);
    const QRect cell((index % kColumns) * kCellPixels + 1, (index / kColumns) * kCellPixels + 1, kCellPixels - 1,
                     kCellPixels - 1);
    const bool chosen = ch == selected_;
    if (chosen) painter.fillRect(cell, QColor(0x08, 0x24, 0x6B));
    drawCharacter(painter, fonts_, fontName_, ch, cell, kGridGlyphPixels, chosen ? kWhiteText : 0);
  }
  painter.setPen(qtColour(kGridLine));
  for (int column = 0; column <= kColumns; ++column)
    painter.drawLine(column * kCellPixels, 0, column * kCellPixels, kRows * kCellPixels);
  for (int row = 0; row <= kRows; ++row) painter.drawLine(0, row * kCellPixels, kColumns * kCellPixels, row * kCellPixels);
}

void CharacterGrid::mousePressEvent(QMouseEvent* event) {
  if (const int ch = characterAt(event->position().toPoint()); ch >= 0) select(static_cast<uint8_t>(ch));
}

void CharacterGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const int ch = characterAt(event->position().toPoint());
  if (ch < 0) return;
  select(static_cast<uint8_t>(ch));
  emit confirmed();
}

void CharacterGrid::keyPressEvent(QKeyEvent* event) {
  int step = 0;
  switch (event->key()) {
    case Qt::Key_Left: step = -1; break;
    case Qt::Key_Right: step = 1; break;
    case Qt::Key_Up: step = -kColumns; break;
    case Qt::Key_Down: step = kColumns; break;
    default: QWidget::keyPressEvent(event); return;
  }
  const int next = selected_ + step;
  if (next >= kFirst && next <= 255) select(static_cast<uint8_t>(next));
}

// --- the dialog -----------------------------------------------------------------

CharacterTableDialog::CharacterTableDialog(FontEngine& fonts, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Sonderzeichen"));
  fontBox_ = new QComboBox(this);
  fontBox_->addItems(documentFontFaces());
  grid_ = new CharacterGrid(fonts, this);
  codeLabel_ = new QLabel(this);
  preview_ = new GlyphPreview(fonts, kPreviewPixels, this);

  auto* fontRow = new QHBoxLayout;
  auto* fontLabel = new QLabel(QStringLiteral("&Schriftart:"), this);
  fontLabel->setBuddy(fontBox_);
  fontRow->addWidget(fontLabel);
  fontRow->addWidget(fontBox_, 1);
  auto* side = new QVBoxLayout;
  side->addWidget(preview_);
  side->addWidget(codeLabel_);
  side->addStretch();
  auto* body = new QHBoxLayout;
  body->addWidget(grid_);
  body->addLayout(side);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fontRow);
  layout->addLayout(body);
  layout->addWidget(okCancelButtons(*this));

  connect(fontBox_, &QComboBox::currentIndexChanged, this, &CharacterTableDialog::fontChosen);
  connect(grid_, &CharacterGrid::selectionChanged, this, &CharacterTableDialog::characterChosen);
  connect(grid_, &CharacterGrid::confirmed, this, &QDialog::accept);
  characterChosen(grid_->selected());
}

void CharacterTableDialog::setSelection(const std::string& fontName, uint8_t character) {
  const QString face = fromCp1252(fontName);
  int index = fontBox_->findText(face, Qt::MatchFixedString);
  // A document may name a face the list lacks; it is offered as it is.
  if (index < 0 && !face.isEmpty()) {
    fontBox_->addItem(face);
    index = fontBox_->count() - 1;
  }
  fontBox_->setCurrentIndex(index);
  fontChosen();
  grid_->select(character);
  characterChosen(grid_->selected());
}

std::string CharacterTableDialog::fontName() const { return toCp1252(fontBox_->currentText()); }

uint8_t CharacterTableDialog::character() const { return grid_->selected(); }

bool CharacterTableDialog::choose(std::string& fontName, uint8_t& character) {
  setSelection(fontName, character);
  grid_->setFocus();
  if (exec() != QDialog::Accepted) return false;
  fontName = this->fontName();
  character = this->character();
  return true;
}

void CharacterTableDialog::fontChosen() {
  grid_->setFontName(fontName());
  preview_->showCharacter(fontName(), grid_->selected());
}

void CharacterTableDialog::characterChosen(uint8_t character) {
  codeLabel_->setText(QStringLiteral("Zeichen: %1").arg(character));
  preview_->showCharacter(fontName(), character);
}

}  // namespace vendaro
