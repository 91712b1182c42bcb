// columns_dialog.h — "Spalten": the number of text columns, the lines
// between them and the gap in centimetres.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QCheckBox;
class QLineEdit;

namespace vendaro {

class ColumnsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ColumnsDialog(QWidget* parent = nullptr);

  bool edit(SpaltenDialog& dialog);
  void fill(const SpaltenDialog& dialog);
  SpaltenDialog values() const;

  QLineEdit* countEdit() const { return count_; }
  QCheckBox* linesBox() const { return lines_; }
  QLineEdit* gapEdit() const { return gap_; }

 private:
  QLineEdit* count_;
  QCheckBox* lines_;
  QLineEdit* gap_;
};

}  // namespace vendaro
