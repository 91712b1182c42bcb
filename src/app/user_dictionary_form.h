// user_dictionary_form.h — the user dictionary: the learned words, of which
// the user may remove the selected ones. Made once and kept.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QListWidget;

namespace vendaro {

class UserDictionaryForm : public QDialog {
  Q_OBJECT

 public:
  explicit UserDictionaryForm(QWidget* parent = nullptr);

  // Shows the words; true on OK, with the remaining words in `dialog`.
  bool edit(UserDictionaryDialog& dialog);
  // "Markierte entfernen".
  void removeSelected();

  QListWidget* ListBox1;
};

}  // namespace vendaro
