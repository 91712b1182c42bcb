// numbering_dialog.h — "Nummerierung und Aufzählungen": none, bullets or
// numbering, the distance to the text, and the bullet with its font, chosen
// from the character table.
#pragma once

#include <QDialog>

#include <string>

#include "editing/editor_host.h"

class QButtonGroup;
class QLineEdit;

namespace vendaro {

class CharacterTableDialog;
class FontEngine;
class GlyphPreview;

class NumberingDialog : public QDialog {
  Q_OBJECT

 public:
  // `characterTable` is the program's shared character table.
  NumberingDialog(FontEngine& fonts, CharacterTableDialog& characterTable, QWidget* parent = nullptr);

  bool edit(NummerierungDialog& dialog);
  void fill(const NummerierungDialog& dialog);
  NummerierungDialog values() const;

  QButtonGroup* kindGroup() const { return kind_; }
  QLineEdit* indentEdit() const { return indent_; }
  QLineEdit* bulletEdit() const { return bullet_; }
  // "Zeichentabelle": the table opens on the bullet and its font.
  void chooseFromCharacterTable();

 private:
  void showBullet();

  CharacterTableDialog& characterTable_;
  QButtonGroup* kind_;
  QLineEdit* indent_;
  QLineEdit* bullet_;
  GlyphPreview* preview_;
  std::string bulletFont_;
};

}  // namespace vendaro
