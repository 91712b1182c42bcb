// recovery_store.h — whose recovery files are whose when several copies of
// the program run on one configuration folder. Each running copy holds an
// advisory lock on a slot and writes only there: slot 0 is the folder itself
// (Brief.whi, Brief1.whi, … — all a lone copy ever uses), slot k ≥ 1 its
// sub-folder "recovery-k". A slot whose lock is free has no living owner:
// its files were left by an abnormal end and are reopened at the next start.
#pragma once

#include <filesystem>
#include <vector>

#include "platform/file_lock.h"

namespace vendaro {

inline constexpr char kRecoveryLockName[] = "recovery.lock";
inline constexpr char kRecoverySlotPrefix[] = "recovery-";

class RecoveryStore {
 public:
  explicit RecoveryStore(std::filesystem::path configFolder) : configFolder_(std::move(configFolder)) {}

  // This copy's folder, its slot taken on first use (the lowest free one);
  // empty when no lock can be had there, and then nothing is written.
  const std::filesystem::path& folder();
  // At the start: the files of this copy's slot and of every slot without a
  // living owner, sorted by name within each slot; the temporaries that
  // killed saves left in any slot are removed. Those other slots stay
  // held until a complete pass has written their documents anew, so that
  // no other copy reopens them too and they survive a crash meanwhile.
  std::vector<std::filesystem::path> takeLeftFiles();
  // A pass wrote (or tried to write) `targets` into folder(): files of
  // earlier passes not among them belong to documents closed or renamed
  // since and go. Only a complete pass lets the slots taken over go.
  void passFinished(const std::vector<std::filesystem::path>& targets, bool complete);
  // The normal end: this copy's files and those it took over are deleted.
  void discardAll();

 private:
  struct TakenSlot {
    std::filesystem::path folder;
    FileLock lock;
  };
  // Sets folder_ to the lowest slot whose lock it gets.
  void claimOwnSlot();
  std::vector<std::filesystem::path> otherSlotFolders() const;
  void dropTakenOver();

  std::filesystem::path configFolder_;
  bool claimTried_ = false;
  std::filesystem::path folder_;
  FileLock ownLock_;
  std::vector<TakenSlot> takenOver_;
};

}  // namespace vendaro
