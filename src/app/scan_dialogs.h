// scan_dialogs.h — the two small scanning dialogs: which scanner to use, and
// the mode and resolution of the next scan.
#pragma once

#include <QDialog>

#include <string>
#include <vector>

#include "platform/scanner.h"

class QComboBox;
class QListWidget;
class QSpinBox;

namespace vendaro {

// "Scanner wählen": the scanners found, the current choice preselected.
class ScannerChoiceDialog : public QDialog {
  Q_OBJECT

 public:
  ScannerChoiceDialog(const std::vector<ScannerDevice>& devices, const std::string& current, QWidget* parent);
  // The chosen scanner's index in the list given.
  int chosen() const;

 private:
  QListWidget* list_;
};

// "Bild scannen": line art, grey or colour, and the resolution in dpi.
class ScanSettingsDialog : public QDialog {
  Q_OBJECT

 public:
  ScanSettingsDialog(const std::string& scannerLabel, ScanMode mode, int dotsPerInch, QWidget* parent);
  ScanMode mode() const;
  int dotsPerInch() const;

 private:
  QComboBox* mode_;
  QSpinBox* resolution_;
};

}  // namespace vendaro
