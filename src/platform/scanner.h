// scanner.h — the program's access to image scanners through SANE: which
// scanners there are, and one scan from a chosen one with its mode and
// resolution, cancellable from another thread. The result is a bitmap record
// whose resolution is the one the scanner really used.
#pragma once

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dib.h"

namespace vendaro {

struct ScanFrame;

struct ScannerDevice {
  std::string name;  // what opening the scanner takes
  std::string vendor;
  std::string model;
  std::string type;
};

// "Vendor Model (name)" for lists.
std::string scannerLabel(const ScannerDevice& device);

// The scanners SANE knows. False, with a German message, when SANE itself
// cannot start; an empty list is no error.
bool listScanners(std::vector<ScannerDevice>& devices, std::string& error);

enum class ScanMode { lineArt, grey, colour };

struct ScanRequest {
  std::string device;  // empty: the first scanner found
  ScanMode mode = ScanMode::colour;
  int dotsPerInch = 150;
};

enum class ScanOutcome { done, cancelled, failed };

struct ScanResult {
  ScanOutcome outcome = ScanOutcome::failed;
  TPictureRec picture;  // holds pixels when done
  std::string error;    // German, when failed
};

// One scan; a job runs once. `run` blocks (call it on a worker thread);
// `cancel` may be called from any thread at any time and makes `run` end as
// cancelled as soon as the scanner lets go: at once while reading from a
// driver that can be waited on, through the driver otherwise.
class ScanJob {
 public:
  // Percent done, or -1 while the scanner cannot say (unknown height).
  using Progress = std::function<void(int percent)>;

  ScanResult run(const ScanRequest& request, const Progress& progress = {});
  void cancel();
  bool cancelled() const { return cancelled_; }

 private:
  struct FrameProgress;
  ScanResult scanFrom(void* handle, const ScanRequest& request, const Progress& progress);
  ScanResult readFrame(void* handle, ScanFrame& frame, FrameProgress& progress);
  void attach(void* handle);

  std::mutex mutex_;
  void* handle_ = nullptr;  // the open SANE device while `run` uses it
  std::atomic<bool> cancelled_{false};
};

}  // namespace vendaro
