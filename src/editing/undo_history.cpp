#include "editing/undo_history.h"

#include <algorithm>
#include <cassert>
#include <numeric>

#include "document/shared_lines.h"

namespace vendaro {
namespace {

// Cuts a caption to the stored length without splitting a UTF-8 sequence.
std::string boundedCaption(std::string_view caption) {
  if (caption.size() <= kMaxUndoCaptionBytes) return std::string(caption);
  size_t end = kMaxUndoCaptionBytes;
  while (end > 0 && (static_cast<unsigned char>(caption[end]) & 0xC0) == 0x80) --end;
  return std::string(caption.substr(0, end));
}

UndoControl control(std::string_view label, const TUndoRec* step) {
  if (step == nullptr) return {std::string(label) + "Nicht möglich", false};
  return {std::string(label) + step->Caption, true};
}

}  // namespace

bool UndoHistory::record(const Document& doc, std::string_view caption, bool original) {
  bool freed = pos_ < UndoCount();
  steps_.erase(steps_.begin() + pos_, steps_.end());
  held_.resize(steps_.size());
  // A loop rather than a single step, so that a lowered setting takes
  // effect with the next command instead of never.
  if (!original) {
    const int32_t excess = std::clamp(pos_ - std::max(MaxUndoSteps, 0), 0, pos_);
    if (excess > 0) {
      dropOldest(excess);
      freed = true;
    }
  }
  // What the step before holds alone is now settled: the lines the
  // document changed since.
  if (!steps_.empty()) held_.back() = bytesNotShared(steps_.back().Fields, doc.Fields);

  TUndoRec& rec = steps_.emplace_back();
  rec.Caption = boundedCaption(caption);
  rec.Fields = doc.Fields;
  rec.MarkField = doc.MarkField;
  rec.MarkLine = doc.MarkLine;
  rec.MarkChar = doc.MarkChar;
  rec.CurField = doc.CurField;
  rec.CurLine = doc.CurLine;
  rec.CurChar = doc.CurChar;
  rec.CaretPage = doc.CaretPage;
  rec.CurFont = doc.CurFont;
  rec.PageWidth = doc.PageWidth;
  rec.PageHeight = doc.PageHeight;
  held_.push_back(bytesNotShared(rec.Fields, doc.Fields));
  pos_ = UndoCount();
  if (!original && keepWithinMemoryLimit()) freed = true;
  return freed;
}

void UndoHistory::dropOldest(int32_t count) {
  steps_.erase(steps_.begin(), steps_.begin() + count);
  held_.erase(held_.begin(), held_.begin() + count);
  pos_ = std::max(pos_ - count, 0);
}

bool UndoHistory::keepWithinMemoryLimit() {
  int32_t dropped = 0;
  size_t held = heldBytes();
  while (dropped + 1 < UndoCount() && held > MemoryLimit) held -= held_[static_cast<size_t>(dropped++)];
  if (dropped > 0) dropOldest(dropped);
  return dropped > 0;
}

size_t UndoHistory::heldBytes() const { return std::accumulate(held_.begin(), held_.end(), size_t{0}); }

void UndoHistory::load(int32_t index, Document& doc) const {
  const TUndoRec& rec = step(index);
  doc.Fields = rec.Fields;
  doc.MarkField = rec.MarkField;
  doc.MarkLine = rec.MarkLine;
  doc.MarkChar = rec.MarkChar;
  doc.CurField = rec.CurField;
  doc.CurLine = rec.CurLine;
  doc.CurChar = rec.CurChar;
  doc.CaretPage = rec.CaretPage;
  doc.CurFont = rec.CurFont;
  if (doc.PageWidth != rec.PageWidth || doc.PageHeight != rec.PageHeight) {
    doc.PageWidth = rec.PageWidth;
    doc.PageHeight = rec.PageHeight;
    doc.SetPrinterProps();
  }
}

void UndoHistory::setPos(int32_t pos) {
  assert(pos >= 0 && pos <= UndoCount());
  pos_ = pos;
}

void UndoHistory::FreeUndoCopy(int32_t index) {
  if (index < 0 || index >= UndoCount()) return;
  steps_.erase(steps_.begin() + index);
  held_.erase(held_.begin() + index);
  // The step before now hands on to the one after the freed step.
  if (index > 0 && index < UndoCount())
    held_[static_cast<size_t>(index - 1)] = bytesNotShared(steps_[static_cast<size_t>(index - 1)].Fields, steps_[static_cast<size_t>(index)].Fields);
  if (index < pos_) --pos_;
}

void UndoHistory::FreeAllUndoCops() {
  steps_.clear();
  held_.clear();
  pos_ = 0;
  UndoMergeOpen = false;
}

std::vector<const std::vector<TFieldRec>*> UndoHistory::snapshotFrames() const {
  std::vector<const std::vector<TFieldRec>*> frames;
  frames.reserve(steps_.size());
  for (const TUndoRec& rec : steps_) frames.push_back(&rec.Fields);
  return frames;
}

const TUndoRec* UndoHistory::undoStep() const { return pos_ > 0 ? &steps_[static_cast<size_t>(pos_ - 1)] : nullptr; }

const TUndoRec* UndoHistory::redoStep() const {
  return pos_ < UndoCount() ? &steps_[static_cast<size_t>(pos_)] : nullptr;
}

UndoControl UndoHistory::undoButton() const { return control("Rückgängig: ", undoStep()); }
UndoControl UndoHistory::redoButton() const { return control("Wiederholen: ", redoStep()); }
UndoControl UndoHistory::undoMenuItem() const { return control("&Rückgängig: ", undoStep()); }
UndoControl UndoHistory::redoMenuItem() const { return control("&Wiederholen: ", redoStep()); }

std::vector<std::string> UndoHistory::undoPopup() const {
  std::vector<std::string> captions;
  for (int32_t i = pos_ - 1; i >= 0 && captions.size() < kMaxUndoPopupEntries; --i)
    captions.push_back(steps_[static_cast<size_t>(i)].Caption);
  return captions;
}

// The newest snapshot past the position is the state saved by the first
// undo; redoing up to it is the last entry's job, so it is not listed.
std::vector<std::string> UndoHistory::redoPopup() const {
  std::vector<std::string> captions;
  for (int32_t i = pos_; i <= UndoCount() - 2 && captions.size() < kMaxUndoPopupEntries; ++i)
    captions.push_back(steps_[static_cast<size_t>(i)].Caption);
  return captions;
}

}  // namespace vendaro
