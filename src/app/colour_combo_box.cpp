#include "app/colour_combo_box.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace vendaro {
namespace {

constexpr int kSwatchWidth = 24;
constexpr int kSwatchHeight = 14;

QIcon swatch(int32_t colour) {
  QPixmap pixmap(kSwatchWidth, kSwatchHeight);
  pixmap.fill(qtColour(colour));
  QPainter painter(&pixmap);
  painter.setPen(Qt::black);
  painter.drawRect(0, 0, kSwatchWidth - 1, kSwatchHeight - 1);
  return QIcon(pixmap);
}

}  // namespace

QColor qtColour(int32_t colour) {
  const auto value = static_cast<uint32_t>(colour);
  return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

int32_t windowsColour(const QColor& colour) {
  return static_cast<int32_t>(static_cast<uint32_t>(colour.red()) | static_cast<uint32_t>(colour.green()) << 8 |
                              static_cast<uint32_t>(colour.blue()) << 16);
}

TZeltoColorComboBox::TZeltoColorComboBox(QWidget* parent) : QComboBox(parent) {
  setIconSize(QSize(kSwatchWidth, kSwatchHeight));
  for (int entry = 0; entry < kColourEntryCount; ++entry)
    addItem(swatch(choices_.entryColour(entry)), QString::fromStdString(ColourChoices::entryName(entry)));
  showChoice();
  connect(this, &QComboBox::activated, this, &TZeltoColorComboBox::entryActivated);
}

void TZeltoColorComboBox::setColorValue(int32_t colour) {
  choices_.setColorValue(colour);
  showChoice();
}

QString TZeltoColorComboBox::HTMLcolor() const { return QString::fromStdString(choices_.HTMLcolor()); }

bool TZeltoColorComboBox::setHTMLcolor(const QString& text) {
  if (!choices_.setHTMLcolor(text.toStdString())) return false;
  showChoice();
  return true;
}

void TZeltoColorComboBox::entryActivated(int entry) {
  if (entry == kMoreColoursEntry) {
    const QColor chosen = QColorDialog::getColor(qtColour(ColorValue()), this);
    // Cancelled: the colour shown before stays.
    if (!chosen.isValid()) {
      showChoice();
      return;
    }
    choices_.setColorValue(windowsColour(chosen));
  } else {
    choices_.selectEntry(entry);
  }
  showChoice();
  emit colorChanged(ColorValue());
}

void offerTransparencyForWhiteOnly(TZeltoColorComboBox& colour, QCheckBox& transparent) {
  const auto follow = [&colour, &transparent] { transparent.setEnabled(transparencyAllowed(colour.ColorValue())); };
  // The program's settings show as a change of entry, the user's choices as
  // colorChanged (the entry changes before the colour is taken).
  QObject::connect(&colour, &QComboBox::currentIndexChanged, &transparent, follow);
  QObject::connect(&colour, &TZeltoColorComboBox::colorChanged, &transparent, follow);
  follow();
}

void TZeltoColorComboBox::showChoice() {
  setItemIcon(kMoreColoursEntry, swatch(choices_.entryColour(kMoreColoursEntry)));
  setCurrentIndex(choices_.selectedEntry());
}

}  // namespace vendaro
