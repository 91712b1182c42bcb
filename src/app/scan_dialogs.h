// scan_dialogs.h — the two small scanning dialogs: which scanner to use, and
// the mode and resolution of the next scan. Each is made once and filled
// afresh before every showing.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "platform/scanner.h"

class QComboBox;
class QLabel;
class QListWidget;
class QSpinBox;

namespace vendaro {

// "Scanner wählen": the scanners found, the current choice preselected.
class ScannerChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ScannerChoiceDialog(QWidget* parent);
  void fill(const std::vector<ScannerDevice>& devices, const std::string& current);
  // The chosen scanner's index in the list given.
  int chosen() const;

 private:
  QListWidget* list_;
};

// "Bild scannen": line art, grey or colour, and the resolution in dpi.
class ScanSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ScanSettingsDialog(QWidget* parent);
  void fill(const std::string& scannerLabel, ScanMode mode, int dotsPerInch);
  ScanMode mode() const;
  int dotsPerInch() const;

 private:
  QLabel* scanner_;
  QComboBox* mode_;
  QSpinBox* resolution_;
};

}  // namespace vendaro
