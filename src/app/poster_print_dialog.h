// poster_print_dialog.h — "Poster-Druckeinstellungen" (TPosterDruckForm):
// cut and glue lines, no lines at the poster's edge, the 5 % glue margin,
// and all sheets or one sheet by column and row. Made once; its controls
// keep their state until the program ends.
#pragma once

#include <QDialog>

#include "output/poster_plan.h"

class QCheckBox;
class QRadioButton;
class QSpinBox;

namespace vendaro {

class PosterPrintDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PosterPrintDialog(QWidget* parent = nullptr);

  PosterSettings settings() const;
  void setSettings(const PosterSettings& settings);

  // The controls, for the window's tests.
  QCheckBox* KlebeCheck;
  QCheckBox* SchneidCheck;
  QCheckBox* NoRandCheck;
  QCheckBox* KRandCheck;
  QRadioButton* AllPagesCheck;
  QRadioButton* OnePageCheck;
  QSpinBox* xposed;
  QSpinBox* yposed;
};

}  // namespace vendaro
