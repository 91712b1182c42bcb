// paragraph_dialog.h — "Absatzformatierung": alignment, line spacing with
// its measure, the distances above and below and the three indents in
// centimetres. Choosing a multiple fills the measure, and typing a measure
// picks the matching multiple.
#pragma once

#include <QDialog>

#include "editing/editor_host.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace vendaro {

class ParagraphDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ParagraphDialog(QWidget* parent = nullptr);

  bool edit(AbsatzDialog& dialog);
  void fill(const AbsatzDialog& dialog);
  AbsatzDialog values() const;

  QComboBox* alignmentBox() const { return alignment_; }
  QComboBox* spacingBox() const { return spacing_; }
  QLineEdit* measureEdit() const { return measure_; }
  QLabel* unitLabel() const { return unit_; }
  QLineEdit* leftIndentEdit() const { return leftIndent_; }

 private:
  void spacingChosen(int choice);
  void measureTyped(const QString& text);

  QComboBox* alignment_;
  QComboBox* spacing_;
  QLineEdit* measure_;
  QLabel* unit_;
  QLineEdit* spaceBefore_;
  QLineEdit* spaceAfter_;
  QLineEdit* leftIndent_;
  QLineEdit* rightIndent_;
  QLineEdit* firstLineIndent_;
};

}  // namespace vendaro
