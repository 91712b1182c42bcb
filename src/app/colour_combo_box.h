// colour_combo_box.h — TZeltoColorComboBox: the colour chooser of the
// formatting, cell, frame and picture dialogs. Sixteen named colours, each a
// swatch beside its German name, and "Mehr...", which asks the colour dialog
// for any other colour and keeps it as its own entry.
#pragma once

#include <QComboBox>

#include <cstdint>

#include "editing/colour_choices.h"

class QCheckBox;

namespace vendaro {

class TZeltoColorComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TZeltoColorComboBox(QWidget* parent = nullptr);

  // Windows colour values 0x00BBGGRR; a colour the list lacks goes into
  // the "Mehr..." entry.
  int32_t ColorValue() const { return choices_.ColorValue(); }
  void setColorValue(int32_t colour);
  // "#RRGGBB"; an unreadable text changes nothing and gives false.
  QString HTMLcolor() const;
  bool setHTMLcolor(const QString& text);

 signals:
  // The user chose a colour (OnChange); not sent when the program sets one.
  void colorChanged(int32_t colour);

 private:
  void entryActivated(int entry);
  void showChoice();

  ColourChoices choices_;
};

// A "Transparent" box beside a background colour: white with the flag means
// no colour at all, so the box is offered only while `colour` shows white,
// whether the user or the program set it. Every dialog with such a pair
// (character, cell, frame, picture) ties them with this.
void offerTransparencyForWhiteOnly(TZeltoColorComboBox& colour, QCheckBox& transparent);

// Converts between Windows colour values and Qt colours.
QColor qtColour(int32_t colour);
int32_t windowsColour(const QColor& colour);

}  // namespace vendaro
