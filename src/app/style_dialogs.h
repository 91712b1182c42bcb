// style_dialogs.h — the style name dialog (a new style's name, or a new
// name for one) and the style manager, which renames and deletes styles and
// applies the one chosen when closed with OK.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QLineEdit;
class QListWidget;
class QPushButton;

namespace vendaro {

class StyleNameDialog : public QDialog {
  Q_OBJECT

 public:
  explicit StyleNameDialog(QWidget* parent = nullptr);

  // The name is code page 1252; OK is offered only for a name a style may
  // carry.
  bool edit(VorlagenNameDialog& dialog);
  QLineEdit* nameEdit() const { return name_; }
  QPushButton* okButton() const { return ok_; }

 private:
  QLineEdit* name_;
  QPushButton* ok_;
};

class StyleManagerDialog : public QDialog {
  Q_OBJECT

 public:
  StyleManagerDialog(StyleNameDialog& nameDialog, QWidget* parent = nullptr);

  // Renaming and deleting change `dialog` at once, whatever the answer.
  bool edit(VorlagenVerwaltenDialog& dialog);
  void fill(const VorlagenVerwaltenDialog& dialog);
  const VorlagenVerwaltenDialog& values() const { return state_; }

  QListWidget* styleList() const { return list_; }
  // "&Umbenennen" and "&Löschen" on the selected style.
  void renameSelected();
  void deleteSelected();

 private:
  void showNames(int selected);

  StyleNameDialog& nameDialog_;
  VorlagenVerwaltenDialog state_;
  QListWidget* list_;
};

}  // namespace vendaro
