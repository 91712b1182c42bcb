// about_box.h — TAboutBox, the information dialog of "&Info...": the
// product, the copyright up to the current year, and a button that opens the
// maker's web page in the desktop's browser.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;

namespace vendaro {

inline constexpr char kProjectWebPage[] = "https://vendaro.org/";  // as in the package metadata

// `text` with its placeholder "XXXX" replaced by `year`.
QString withYear(QString text, int year);

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent);
  // Shown on the dialog's label each time it opens.
  QString copyrightText() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* copyright_;
};

}  // namespace vendaro
