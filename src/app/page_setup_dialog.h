// page_setup_dialog.h — "Seite einrichten": paper (listed formats or a
// size of one's own, upright or across, the A3–A0 buttons), margins, the
// header and footer distances and where headers and footers differ. Shows
// centimetres; hands the values over in millimetres.
#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <vector>

#include "app/paper_formats.h"
#include "document/page_setup.h"

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace vendaro {

class PageSetupDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PageSetupDialog(std::vector<PaperFormat> formats, QWidget* parent = nullptr);

  void setValues(const PageSetupValues& values);
  PageSetupValues values() const;

  // The controls, for the window's tests.
  QComboBox* paperBox() const { return paperBox_; }
  QDoubleSpinBox* widthEdit() const { return widthEdit_; }
  QDoubleSpinBox* heightEdit() const { return heightEdit_; }
  QRadioButton* landscapeButton() const { return landscape_; }
  QDoubleSpinBox* marginEdit(int side) const { return std::array{topEdit_, bottomEdit_, leftEdit_, rightEdit_}[side]; }
  QPushButton* okButton() const { return ok_; }
  QLabel* roomHint() const { return roomHint_; }

 private:
  QDoubleSpinBox* centimetreEdit(double maximum);
  // A listed paper or the user-defined entry was chosen, or the
  // orientation changed: width and height follow.
  void paperChosen();
  // Width or height were edited: orientation and paper follow them.
  void sizeEdited();
  void setSize(double widthCm, double heightCm);
  // OK only while the margins leave room for text; the hint says why not.
  void judgeTextArea();
  PageSetupValues typedValues() const;
  PageSetupValues valuesOf(const std::function<double(const QDoubleSpinBox&)>& centimetres) const;

  std::vector<PaperFormat> formats_;
  bool updating_ = false;
  QComboBox* paperBox_;
  QDoubleSpinBox* widthEdit_;
  QDoubleSpinBox* heightEdit_;
  QRadioButton* portrait_;
  QRadioButton* landscape_;
  QDoubleSpinBox* topEdit_;
  QDoubleSpinBox* bottomEdit_;
  QDoubleSpinBox* leftEdit_;
  QDoubleSpinBox* rightEdit_;
  QDoubleSpinBox* headerEdit_;
  QDoubleSpinBox* footerEdit_;
  QComboBox* modeBox_;
  QPushButton* ok_;
  QLabel* roomHint_;
};

}  // namespace vendaro
