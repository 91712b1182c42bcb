// scanner.cpp — SANE sessions, the device list and one scan: settings, the
// frames read until the scanner marks the last one, and their assembly into
// a bitmap. Reads keep within the size a frame may have, so a scanner that
// never stops cannot exhaust memory.
#include "platform/scanner.h"

#include <sane/sane.h>

#include <poll.h>

#include <algorithm>
#include <cerrno>

#include "platform/dib_support.h"
#include "platform/scan_frames.h"
#include "platform/scanner_options.h"

namespace vendaro {

namespace {

constexpr SANE_Int kReadChunk = 64 * 1024;
// A three-pass scanner sends red, green and blue; a driver that never marks
// its last frame is not followed further.
constexpr size_t kMaxFrames = 3;

constexpr const char* kErrNoSane = "Die Scannerschnittstelle (SANE) lässt sich nicht starten.";
constexpr const char* kErrNoScanner = "Es wurde kein Scanner gefunden.";

// SANE is started while anything uses it and stopped after the last user,
// so that scanners plugged in meanwhile are found next time.
class SaneSession {
 public:
  SaneSession() {
    std::lock_guard lock(mutex());
    if (users()++ == 0) started() = sane_init(nullptr, nullptr) == SANE_STATUS_GOOD;
    ok_ = started();
  }
  ~SaneSession() {
    std::lock_guard lock(mutex());
    if (--users() == 0 && started()) {
      sane_exit();
      started() = false;
    }
  }
  SaneSession(const SaneSession&) = delete;
  SaneSession& operator=(const SaneSession&) = delete;
  bool ok() const { return ok_; }

 private:
  static std::mutex& mutex() {
    static std::mutex m;
    return m;
  }
  static int& users() {
    static int count = 0;
    return count;
  }
  static bool& started() {
    static bool value = false;
    return value;
  }
  bool ok_ = false;
};

std::string textOf(const char* text) { return text ? text : ""; }

bool saneDevices(std::vector<ScannerDevice>& devices) {
  const SANE_Device** list = nullptr;
  if (sane_get_devices(&list, SANE_FALSE) != SANE_STATUS_GOOD) return false;
  devices.clear();
  for (const SANE_Device** d = list; d && *d; ++d)
    if ((*d)->name) devices.push_back({(*d)->name, textOf((*d)->vendor), textOf((*d)->model), textOf((*d)->type)});
  return true;
}

ScanResult finished(ScanOutcome outcome, std::string error = {}) {
  ScanResult result;
  result.outcome = outcome;
  result.error = std::move(error);
  return result;
}

// Statuses of newer SANE versions, which the headers define only on request.
constexpr int kStatusWarmingUp = 12;
constexpr int kStatusLocked = 13;

// SANE's own texts follow the system language; the program speaks German.
std::string statusText(SANE_Status status) {
  switch (int(status)) {
    case SANE_STATUS_UNSUPPORTED: return "Der Vorgang wird nicht unterstützt.";
    case SANE_STATUS_DEVICE_BUSY: return "Der Scanner ist belegt.";
    case SANE_STATUS_INVAL: return "Ungültige Angabe oder unbekannter Scanner.";
    case SANE_STATUS_JAMMED: return "Papierstau im Einzug.";
    case SANE_STATUS_NO_DOCS: return "Im Einzug liegt kein Blatt.";
    case SANE_STATUS_COVER_OPEN: return "Die Abdeckung ist offen.";
    case SANE_STATUS_IO_ERROR: return "Fehler bei der Übertragung.";
    case SANE_STATUS_NO_MEM: return "Nicht genug Arbeitsspeicher.";
    case SANE_STATUS_ACCESS_DENIED: return "Zugriff verweigert.";
    case kStatusWarmingUp: return "Die Lampe wärmt sich noch auf.";
    case kStatusLocked: return "Der Scanner ist für den Transport verriegelt.";
    default: return textOf(sane_strstatus(status));
  }
}

ScanResult failedWith(const std::string& what, SANE_Status status) {
  return finished(ScanOutcome::failed, what + " " + statusText(status));
}

ScanResult endOf(SANE_Status status) {
  if (status == SANE_STATUS_CANCELLED) return finished(ScanOutcome::cancelled);
  return failedWith("Der Scanner meldet einen Fehler.", status);
}

// A driver that lets the reader wait on a descriptor is read without
// blocking, and a cancel is then carried out on the reading thread: drivers
// need not bear a cancel arriving from another thread in the middle of a
// read (SANE's own test driver does not). -1 when the driver only blocks.
int pollableDescriptor(SANE_Handle handle) {
  if (sane_set_io_mode(handle, SANE_TRUE) != SANE_STATUS_GOOD) return -1;
  SANE_Int fd = -1;
  if (sane_get_select_fd(handle, &fd) == SANE_STATUS_GOOD && fd >= 0) return fd;
  sane_set_io_mode(handle, SANE_FALSE);
  return -1;
}

// Waits until the descriptor has data or the job is cancelled; false when
// cancelled first.
bool awaitData(int fd, const std::atomic<bool>& cancelled) {
  constexpr int kCancelCheckMs = 100;
  pollfd wait{fd, POLLIN, 0};
  while (!cancelled) {
    const int ready = ::poll(&wait, 1, kCancelCheckMs);
    if (ready > 0 || (ready < 0 && errno != EINTR)) return true;  // a failure shows in the read
  }
  return false;
}

ScanFrameLayout layoutOf(const SANE_Parameters& p) {
  return {int(p.format), p.bytes_per_line, p.pixels_per_line, p.lines, p.depth};
}

}  // namespace

// Percent over all frames expected: three when the first is a single band.
struct ScanJob::FrameProgress {
  const Progress& report;
  size_t framesExpected = 1;
  size_t framesDone = 0;
  int last = -2;

  void update(const ScanFrame& frame) {
    int percent = -1;
    const uint64_t frameBytes = scanFrameByteLimit(frame.layout);
    if (frame.layout.lines >= 0 && frameBytes > 0) {
      const uint64_t done = framesDone * frameBytes + frame.bytes.size();
      percent = int(std::min<uint64_t>(100, done * 100 / (framesExpected * frameBytes)));
    }
    if (percent == last || !report) return;
    last = percent;
    report(percent);
  }
};

std::string scannerLabel(const ScannerDevice& device) {
  std::string label = device.vendor;
  if (!device.model.empty()) label += (label.empty() ? "" : " ") + device.model;
  return label.empty() ? device.name : label + " (" + device.name + ")";
}

bool listScanners(std::vector<ScannerDevice>& devices, std::string& error) {
  devices.clear();
  SaneSession sane;
  if (!sane.ok()) {
    error = kErrNoSane;
    return false;
  }
  if (!saneDevices(devices)) {
    error = "Die Liste der Scanner lässt sich nicht abfragen.";
    return false;
  }
  return true;
}

void ScanJob::cancel() {
  cancelled_ = true;
  std::lock_guard lock(mutex_);
  if (handle_) sane_cancel(static_cast<SANE_Handle>(handle_));
}

void ScanJob::attach(void* handle) {
  std::lock_guard lock(mutex_);
  handle_ = handle;
}

ScanResult ScanJob::run(const ScanRequest& request, const Progress& progress) {
  SaneSession sane;
  if (!sane.ok()) return finished(ScanOutcome::failed, kErrNoSane);
  std::string device = request.device;
  if (device.empty()) {
    std::vector<ScannerDevice> devices;
    if (!saneDevices(devices) || devices.empty()) return finished(ScanOutcome::failed, kErrNoScanner);
    device = devices.front().name;
  }
  if (cancelled_) return finished(ScanOutcome::cancelled);
  SANE_Handle handle = nullptr;
  const SANE_Status status = sane_open(device.c_str(), &handle);
  if (status != SANE_STATUS_GOOD) return failedWith("Der Scanner lässt sich nicht öffnen.", status);
  attach(handle);
  ScanResult result = scanFrom(handle, request, progress);
  attach(nullptr);
  sane_cancel(handle);  // ends the scan, finished or not, before closing
  sane_close(handle);
  return result;
}

ScanResult ScanJob::scanFrom(void* handle, const ScanRequest& request, const Progress& progress) {
  double dotsPerInch = 0;
  if (const char* error = scanning::applyScanSettings(handle, request.mode, request.dotsPerInch, dotsPerInch))
    return finished(ScanOutcome::failed, error);
  std::vector<ScanFrame> frames;
  FrameProgress tracker{progress};
  bool last = false;
  while (!last && frames.size() < kMaxFrames) {
    if (cancelled_) return finished(ScanOutcome::cancelled);
    SANE_Status status = sane_start(handle);
    if (status != SANE_STATUS_GOOD) return cancelled_ ? finished(ScanOutcome::cancelled) : endOf(status);
    SANE_Parameters parameters{};
    status = sane_get_parameters(handle, &parameters);
    if (status != SANE_STATUS_GOOD) return endOf(status);
    ScanFrame frame{layoutOf(parameters), {}};
    if (const char* error = scanLayoutError(frame.layout)) return finished(ScanOutcome::failed, error);
    if (frames.empty() && frame.layout.format >= int(ScanFrameFormat::red)) tracker.framesExpected = 3;
    ScanResult read = readFrame(handle, frame, tracker);
    attach(handle);  // starting a next frame blocks: a cancel comes from outside again
    if (read.outcome != ScanOutcome::done) return read;
    frames.push_back(std::move(frame));
    ++tracker.framesDone;
    last = parameters.last_frame;
  }
  ScanResult result = finished(ScanOutcome::done);
  if (!assembleScan(frames, dotsPerInch, result.picture))
    return finished(ScanOutcome::failed, result.picture.ErrorText);
  return result;
}

ScanResult ScanJob::readFrame(void* handle, ScanFrame& frame, FrameProgress& progress) {
  const uint64_t limit = scanFrameByteLimit(frame.layout);
  // Data beyond the stated rows is dropped; a driver that sends more than
  // twice its frame is taken to be broken.
  uint64_t surplus = 0;
  std::vector<SANE_Byte> chunk(static_cast<size_t>(kReadChunk));
  const int fd = pollableDescriptor(static_cast<SANE_Handle>(handle));
  if (fd >= 0) attach(nullptr);
  for (;;) {
    if (fd >= 0 && !awaitData(fd, cancelled_)) return finished(ScanOutcome::cancelled);
    SANE_Int got = 0;
    const SANE_Status status = sane_read(static_cast<SANE_Handle>(handle), chunk.data(), kReadChunk, &got);
    if (cancelled_) return finished(ScanOutcome::cancelled);
    if (status == SANE_STATUS_EOF) return finished(ScanOutcome::done);
    if (status != SANE_STATUS_GOOD) return endOf(status);
    if (got <= 0) continue;  // without blocking: nothing yet
    const uint64_t received = uint64_t(std::clamp<SANE_Int>(got, 0, kReadChunk));
    const uint64_t kept = std::min(received, limit - frame.bytes.size());
    frame.bytes.insert(frame.bytes.end(), chunk.begin(), chunk.begin() + ptrdiff_t(kept));
    surplus += received - kept;
    if (surplus > 0 && frame.layout.lines < 0) return finished(ScanOutcome::failed, dib::kErrTooLarge);
    if (surplus > limit) return finished(ScanOutcome::failed, kScanErrBadData);
    progress.update(frame);
  }
}

}  // namespace vendaro
