// scan_commands.h — "Scanner wählen (TWAIN)..." and "Bild scannen (TWAIN)...":
// the scanner chosen and the last mode and resolution are kept while the
// program runs; a scan runs on a worker thread behind a progress dialog that
// can cancel it, and its picture goes into the document it was started for.
#pragma once

#include <QObject>

#include <string>
#include <vector>

#include "platform/scanner.h"

namespace vendaro {

class EditorWindow;
class MainWindow;
class ScanSettingsDialog;
class ScannerChoiceDialog;

class ScanCommands : public QObject {
  Q_OBJECT

 public:
  ScanCommands(MainWindow& main, QObject* parent);

  void ScannerWaehlen();
  void BildScannen();
  const std::string& chosenScanner() const { return chosen_; }

 private:
  // The scanners found, or a message to the user and false.
  bool findScanners(EditorWindow& window, std::vector<ScannerDevice>& devices);
  bool choose(const std::vector<ScannerDevice>& devices);
  // The chosen scanner if it is still there, the only one, or the user's
  // choice among several; null when the user cancels.
  const ScannerDevice* scannerToUse(const std::vector<ScannerDevice>& devices);
  ScanResult scanWithProgress(const ScanRequest& request);

  MainWindow& main_;
  // Made on first use; owned by the main window.
  ScannerChoiceDialog* choiceDialog_ = nullptr;
  ScanSettingsDialog* settingsDialog_ = nullptr;
  std::string chosen_;
  ScanMode mode_ = ScanMode::colour;
  int dotsPerInch_ = 150;
};

}  // namespace vendaro
