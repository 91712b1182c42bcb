// undo_history.h — the undo steps of one document: whole-document snapshots
// in a list with a current position, how they are taken, trimmed and loaded,
// and the captions the undo and redo controls show. Snapshots share every
// line that did not change with the document and with each other, so a step
// costs what changed since the one before; the steps' memory is bounded.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "document/document.h"
#include "editing/editor_host.h"

namespace vendaro {

// One undo step: the document as it was before the command named by Caption.
// The font table, pictures and styles are not part of it: fonts only grow,
// and pictures stay alive while any snapshot refers to them.
struct TUndoRec {
  std::string Caption;  // at most kMaxUndoCaptionBytes
  std::vector<TFieldRec> Fields;
  int32_t MarkField = 0, MarkLine = 0, MarkChar = 0;
  int32_t CurField = 0, CurLine = 0, CurChar = 0;
  int32_t CaretPage = 0;
  TFontRec CurFont;
  // The paper belongs to the frames' geometry: undoing a page setup must
  // bring back the size the restored frames were laid out for.
  double PageWidth = 0, PageHeight = 0;
};

inline constexpr size_t kMaxUndoCaptionBytes = 255;
inline constexpr int32_t kDefaultMaxUndoSteps = 10;
// Beyond this many bytes held by the steps alone (not shared with the
// document), the oldest steps go, however many MaxUndoSteps allows.
inline constexpr size_t kDefaultUndoMemoryLimit = size_t{512} << 20;
// The drop-down lists of the undo and redo buttons show at most this many.
inline constexpr size_t kMaxUndoPopupEntries = 20;
// The internal step that keeps the state from before the first undo.
inline constexpr std::string_view kOriginalStateCaption = "Orginal";

// Kinds of edits whose consecutive runs share one snapshot.
enum UndoMergeKindValue : int32_t { kMergeTyping = 0, kMergeEnter = 1, kMergeDelete = 2, kMergeBackspace = 3 };

class UndoHistory {
 public:
  int32_t UndoPos() const { return pos_; }
  int32_t UndoCount() const { return static_cast<int32_t>(steps_.size()); }
  const TUndoRec& step(int32_t index) const { return steps_.at(static_cast<size_t>(index)); }

  // Appends a snapshot of `doc` at the current position after discarding the
  // redo part and, unless `original`, the oldest steps beyond MaxUndoSteps
  // or the memory limit. Answers whether any earlier snapshot was freed on
  // the way.
  bool record(const Document& doc, std::string_view caption, bool original);
  // Puts snapshot `index` into `doc`, which keeps its own fonts and pictures.
  void load(int32_t index, Document& doc) const;
  // Moves the current position; `pos` lies within 0 … UndoCount.
  void setPos(int32_t pos);
  // Removes snapshot `index`; later steps move down and the position follows.
  void FreeUndoCopy(int32_t index);
  void FreeAllUndoCops();
  // The frame arrays of all snapshots, for the picture clean-up.
  std::vector<const std::vector<TFieldRec>*> snapshotFrames() const;
  // Bytes the steps hold that the document does not share, as measured when
  // the newest step was taken (the document's later changes not counted).
  size_t heldBytes() const;

  // Tool bar buttons: enabled state and hint.
  UndoControl undoButton() const;
  UndoControl redoButton() const;
  // The items of the "&Bearbeiten" menu.
  UndoControl undoMenuItem() const;
  UndoControl redoMenuItem() const;
  // Drop-down lists: entry k undoes or redoes k + 1 steps.
  std::vector<std::string> undoPopup() const;
  std::vector<std::string> redoPopup() const;

  // Most steps kept; at most MaxUndoSteps + 1 can be undone.
  int32_t MaxUndoSteps = kDefaultMaxUndoSteps;
  // Whether the newest snapshot may absorb the next edit, and of which kind.
  bool UndoMergeOpen = false;
  int32_t UndoMergeKind = kMergeTyping;
  size_t MemoryLimit = kDefaultUndoMemoryLimit;

 private:
  const TUndoRec* undoStep() const;  // null when nothing can be undone
  const TUndoRec* redoStep() const;  // null when nothing can be redone
  void dropOldest(int32_t count);
  // Drops the oldest steps while the steps hold more than MemoryLimit,
  // keeping the newest; answers whether it dropped any.
  bool keepWithinMemoryLimit();

  std::vector<TUndoRec> steps_;
  // Per step: what it holds that the step after it (for the newest: the
  // document when it was taken) does not share.
  std::vector<size_t> held_;
  int32_t pos_ = 0;
};

}  // namespace vendaro
