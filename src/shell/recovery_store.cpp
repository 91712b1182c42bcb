#include "shell/recovery_store.h"

#include <algorithm>
#include <string>
#include <system_error>

#include "platform/temporary_files.h"
#include "shell/recovery_files.h"

namespace vendaro {
namespace {

namespace fs = std::filesystem;

// Enough for any number of copies one person runs at once; beyond that a
// copy writes no recovery files rather than search forever.
constexpr int kMaxSlots = 1000;

fs::path slotFolder(const fs::path& configFolder, int slot) {
  return slot == 0 ? configFolder : configFolder / (kRecoverySlotPrefix + std::to_string(slot));
}

bool isSlotFolderName(const std::string& name) {
  const std::string_view prefix = kRecoverySlotPrefix;
  return name.size() > prefix.size() && name.starts_with(prefix) &&
         std::all_of(name.begin() + static_cast<std::ptrdiff_t>(prefix.size()), name.end(),
                     [](unsigned char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

const fs::path& RecoveryStore::folder() {
  if (!claimTried_) {
    claimTried_ = true;
    claimOwnSlot();
  }
  return folder_;
}

void RecoveryStore::claimOwnSlot() {
  for (int slot = 0; slot < kMaxSlots; ++slot) {
    const fs::path candidate = slotFolder(configFolder_, slot);
    std::error_code ignored;
    fs::create_directories(candidate, ignored);
    switch (ownLock_.tryLock(candidate / kRecoveryLockName)) {
      case FileLock::Outcome::held: folder_ = candidate; return;
      case FileLock::Outcome::busy: break;
      // A folder that cannot hold a lock file cannot hold recovery files.
      case FileLock::Outcome::failed: return;
    }
  }
}

std::vector<fs::path> RecoveryStore::otherSlotFolders() const {
  std::vector<fs::path> folders{configFolder_};
  std::error_code error;
  for (fs::directory_iterator it(configFolder_, error), end; !error && it != end; it.increment(error)) {
    std::error_code typeError;
    if (isSlotFolderName(it->path().filename().string()) && it->is_directory(typeError)) folders.push_back(it->path());
  }
  std::sort(folders.begin() + 1, folders.end());
  std::erase(folders, folder_);
  return folders;
}

std::vector<fs::path> RecoveryStore::takeLeftFiles() {
  std::vector<fs::path> files;
  if (folder().empty()) return files;
  files = findRecoveryFiles(folder_);
  removeStaleTemporaries(folder_);
  for (const fs::path& other : otherSlotFolders()) {
    removeStaleTemporaries(other);
    TakenSlot slot{other, FileLock()};
    if (slot.lock.tryLock(other / kRecoveryLockName) != FileLock::Outcome::held) continue;  // owner alive
    const std::vector<fs::path> left = findRecoveryFiles(other);
    if (left.empty()) continue;
    files.insert(files.end(), left.begin(), left.end());
    takenOver_.push_back(std::move(slot));
  }
  return files;
}

void RecoveryStore::passFinished(const std::vector<fs::path>& targets, bool complete) {
  if (folder_.empty()) return;
  std::vector<fs::path> stale = findRecoveryFiles(folder_);
  std::erase_if(stale, [&](const fs::path& file) { return std::find(targets.begin(), targets.end(), file) != targets.end(); });
  deleteRecoveryFiles(stale);
  if (complete) dropTakenOver();
}

void RecoveryStore::discardAll() {
  if (!folder_.empty()) deleteRecoveryFiles(findRecoveryFiles(folder_));
  dropTakenOver();
}

void RecoveryStore::dropTakenOver() {
  for (const TakenSlot& slot : takenOver_) deleteRecoveryFiles(findRecoveryFiles(slot.folder));
  takenOver_.clear();  // their locks go with them
}

}  // namespace vendaro
