// spell_check_form.h — the spelling dialog of the document check: the
// unknown word, the suggestions to change it into, and the six answers.
// Made once and kept.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QLineEdit;
class QListWidget;

namespace vendaro {

class SpellCheckForm : public QDialog {
  Q_OBJECT

 public:
  explicit SpellCheckForm(QWidget* parent = nullptr);

  // Shows the dialog modally; the replacement the user chose goes back
  // into `dialog` (code page 1252, like the word).
  SpellCheckAnswer ask(SpellCheckDialog& dialog);

  QLineEdit* unknowned;     // "Unbekanntes Wort:"
  QLineEdit* replacement;   // the text of "Ändern in:"
  QListWidget* vorschlagbox;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void answer(SpellCheckAnswer code);
};

}  // namespace vendaro
