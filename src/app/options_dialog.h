// options_dialog.h — "Einstellungen": quotation marks, field guides, undo
// steps and recent files, the display of non-printing characters, recovery
// files and backups, and the user's name, initials and address. Shows the
// program settings and writes them back only when asked to (on OK).
#pragma once

#include <QDialog>

#include "shell/settings_file.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;
class QTabWidget;

namespace vendaro {

class OptionsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit OptionsDialog(QWidget* parent = nullptr);

  void setSettings(const ProgramSettings& settings);
  // Takes every control's value into `settings`.
  void applyTo(ProgramSettings& settings) const;

  QTabWidget* pages() const { return pages_; }

 private:
  QWidget* generalPage();
  QWidget* viewPage();
  QWidget* savePage();
  QWidget* userPage();

  QTabWidget* pages_;
  QComboBox* ComboBox1;
  QCheckBox* helplinescheck;
  QSpinBox* UndoEd;
  QSpinBox* LastOpenEd;
  QCheckBox* tabcheck;
  QCheckBox* leercheck;
  QCheckBox* absatzcheck;
  QCheckBox* AllCheck;
  QCheckBox* AutoSaveCheck;
  QSpinBox* SaveTimeEd;
  QCheckBox* BackUpCheck;
  QLineEdit* Edit1;
  QLineEdit* Edit2;
  QPlainTextEdit* Memo1;
};

}  // namespace vendaro
