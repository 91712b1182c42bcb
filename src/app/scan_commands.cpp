// scan_commands.cpp — choosing a scanner and scanning into the active
// document, with German messages when no scanner answers.
#include "app/scan_commands.h"

#include <QApplication>
#include <QEventLoop>
#include <QPointer>
#include <QProgressDialog>
#include <QThread>

#include <memory>

#include "app/editor_window.h"
#include "app/main_window.h"
#include "app/scan_dialogs.h"
#include "editing/editor.h"

namespace vendaro {

namespace {

// Asking SANE for its scanners can take seconds (network scanners).
class WaitCursor {
 public:
  WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
  ~WaitCursor() { QApplication::restoreOverrideCursor(); }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace

ScanCommands::ScanCommands(MainWindow& main, QObject* parent) : QObject(parent), main_(main) {}

bool ScanCommands::findScanners(EditorWindow& window, std::vector<ScannerDevice>& devices) {
  std::string error;
  bool listed;
  {
    WaitCursor wait;
    listed = listScanners(devices, error);
  }
  if (!listed) window.showMessage(error, MessageIcon::error);
  else if (devices.empty()) window.showMessage("Es wurde kein Scanner gefunden.", MessageIcon::information);
  return listed && !devices.empty();
}

bool ScanCommands::choose(const std::vector<ScannerDevice>& devices) {
  if (!choiceDialog_) choiceDialog_ = new ScannerChoiceDialog(&main_);
  choiceDialog_->fill(devices, chosen_);
  if (choiceDialog_->exec() != QDialog::Accepted || choiceDialog_->chosen() < 0) return false;
  chosen_ = devices[size_t(choiceDialog_->chosen())].name;
  return true;
}

void ScanCommands::ScannerWaehlen() {
  EditorWindow* window = main_.activeEditorWindow();
  std::vector<ScannerDevice> devices;
  if (window && findScanners(*window, devices)) choose(devices);
}

const ScannerDevice* ScanCommands::scannerToUse(const std::vector<ScannerDevice>& devices) {
  auto chosen = [&]() -> const ScannerDevice* {
    for (const ScannerDevice& device : devices)
      if (device.name == chosen_) return &device;
    return nullptr;
  };
  if (const ScannerDevice* device = chosen()) return device;
  if (devices.size() == 1) return &devices.front();
  return choose(devices) ? chosen() : nullptr;
}

void ScanCommands::BildScannen() {
  QPointer<EditorWindow> window = main_.activeEditorWindow();
  std::vector<ScannerDevice> devices;
  if (!window || !findScanners(*window, devices)) return;
  const ScannerDevice* device = scannerToUse(devices);
  if (!device) return;
  if (!settingsDialog_) settingsDialog_ = new ScanSettingsDialog(&main_);
  settingsDialog_->fill(scannerLabel(*device), mode_, dotsPerInch_);
  if (settingsDialog_->exec() != QDialog::Accepted) return;
  mode_ = settingsDialog_->mode();
  dotsPerInch_ = settingsDialog_->dotsPerInch();

  ScanResult result = scanWithProgress({device->name, mode_, dotsPerInch_});
  if (!window || !window->editor()) return;  // the document went meanwhile
  if (result.outcome == ScanOutcome::failed) window->showMessage(result.error, MessageIcon::error);
  if (result.outcome == ScanOutcome::done) window->editor()->insertPicture(std::move(result.picture));
}

ScanResult ScanCommands::scanWithProgress(const ScanRequest& request) {
  QProgressDialog progress(QStringLiteral("Das Bild wird gescannt..."), QStringLiteral("Abbrechen"), 0, 100, &main_);
  progress.setWindowTitle(QStringLiteral("Bild scannen"));
  progress.setWindowModality(Qt::ApplicationModal);
  progress.setMinimumDuration(0);
  progress.setAutoClose(false);
  progress.setAutoReset(false);
  progress.setValue(0);

  // The dialog cancels the job while the worker runs it.
  auto job = std::make_shared<ScanJob>();
  auto result = std::make_shared<ScanResult>();
  connect(&progress, &QProgressDialog::canceled, &progress, [&progress, job] {
    progress.setLabelText(QStringLiteral("Der Scan wird abgebrochen..."));
    job->cancel();
  });
  // Progress is posted to the dialog, which lives until the worker ended.
  QProgressDialog* dialog = &progress;
  auto report = [dialog](int percent) {
    QMetaObject::invokeMethod(
        dialog,
        [dialog, percent] {
          if (percent < 0) dialog->setRange(0, 0);
          else dialog->setValue(percent);
        },
        Qt::QueuedConnection);
  };
  std::unique_ptr<QThread> worker(QThread::create([job, result, request, report] { *result = job->run(request, report); }));
  QEventLoop loop;
  connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  progress.show();
  loop.exec();
  worker->wait();
  return std::move(*result);
}

}  // namespace vendaro
