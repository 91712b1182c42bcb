// character_format_dialog.h — "Zeichen": face, size, the four colours with
// "Transparent", and the attribute list. It notes which controls the user
// changed, so that a mixed selection takes only those.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QCheckBox;
class QComboBox;
class QListWidget;

namespace vendaro {

class TZeltoColorComboBox;

class CharacterFormatDialog : public QDialog {
  Q_OBJECT

 public:
  explicit CharacterFormatDialog(QWidget* parent = nullptr);

  // Shows `dialog`'s values; on OK they and the changed-flags are read back.
  bool edit(ZeichenDialog& dialog);
  void fill(const ZeichenDialog& dialog);
  ZeichenDialog values() const;

  QComboBox* fontBox() const { return fontBox_; }
  QComboBox* sizeBox() const { return sizeBox_; }
  TZeltoColorComboBox* colourBox() const { return colour_; }
  TZeltoColorComboBox* backColourBox() const { return backColour_; }
  QCheckBox* transparentBox() const { return transparent_; }
  QListWidget* attributeList() const { return attributes_; }

 private:
  QComboBox* fontBox_;
  QComboBox* sizeBox_;
  TZeltoColorComboBox* colour_;
  TZeltoColorComboBox* backColour_;
  TZeltoColorComboBox* shadowColour_;
  TZeltoColorComboBox* outlineColour_;
  QCheckBox* transparent_;
  QListWidget* attributes_;
  // Filled while the dialog shows; the controls' own signals set them.
  ZeichenDialog::Changed changed_;
  bool filling_ = false;
};

}  // namespace vendaro
