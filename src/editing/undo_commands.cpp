// undo_commands.cpp — the editor's undo and redo commands: recording a step
// before each command, undoing and redoing one or several steps, and keeping
// the tool bar, the caption and the pictures in line with the history.
#include "document/picture_list.h"
#include "editing/editor.h"

namespace vendaro {

void Editor::MakeCopyForUndo(std::string_view caption) { recordUndoStep(caption, false); }

void Editor::MakeMergedCopyForUndo(std::string_view caption, int32_t kind) {
  if (!undo_.UndoMergeOpen || undo_.UndoMergeKind != kind) MakeCopyForUndo(caption);
  undo_.UndoMergeOpen = true;
  undo_.UndoMergeKind = kind;
}

void Editor::recordUndoStep(std::string_view caption, bool original) {
  SetFileChanged(true);
  undo_.UndoMergeOpen = false;
  const bool wasEmpty = undo_.UndoCount() == 0;
  const bool freedSteps = undo_.record(doc_, caption, original);
  SetUndoHints();
  // Pictures that only the freed steps still showed can go now.
  if (wasEmpty || freedSteps) FreeBildInListeIfNotNeeded();
}

void Editor::RestoreCopyFromUndo(int32_t k) {
  undo_.UndoMergeOpen = false;
  if (k >= 0 && k < undo_.UndoPos()) {
    // The first undo keeps the present state, so that redo can return to it.
    if (undo_.UndoPos() == undo_.UndoCount()) {
      recordUndoStep(kOriginalStateCaption, true);
      undo_.setPos(undo_.UndoPos() - 1);
    }
    undo_.setPos(undo_.UndoPos() - k - 1);
    doc_.FreeFields();
    RestoreCopyNrFromUndo(undo_.UndoPos());
    showRestoredState();
  }
  SetUndoHints();
}

void Editor::RestoreBeforeRestoreCopyFromUndo(int32_t k) {
  undo_.UndoMergeOpen = false;
  if (k >= 0 && undo_.UndoPos() < undo_.UndoCount() - k - 1) {
    undo_.setPos(undo_.UndoPos() + k + 1);
    doc_.FreeFields();
    RestoreCopyNrFromUndo(undo_.UndoPos());
    // Back at the state the first undo kept: the history is at its end again.
    if (undo_.UndoPos() >= undo_.UndoCount() - 1) undo_.FreeUndoCopy(undo_.UndoPos());
    showRestoredState();
  }
  SetUndoHints();
}

void Editor::RestoreCopyNrFromUndo(int32_t index) {
  if (index < 0 || index >= undo_.UndoCount()) return;
  undo_.load(index, doc_);
  recheckSpelling();  // the step's marks are as old as the step
  OvertakeFont();
}

// The document now differs from the file whichever way the history moved,
// even when it was saved in between.
void Editor::showRestoredState() {
  SetFileChanged(true);
  bool dirty = false;
  for (const TFieldRec& field : doc_.Fields)
    for (const TLineRec& line : field.Lines) dirty = dirty || line.Dirty != 0;
  // A step taken in the middle of a batch edit may hold lines not laid out yet.
  if (dirty) MakeSoftEnters();
  host_.requestRepaint();
  host_.scrollCaretIntoView();
}

void Editor::FreeAllUndoCops() {
  undo_.FreeAllUndoCops();
  SetUndoHints();
  FreeBildInListeIfNotNeeded();
}

void Editor::SetUndoHints() { host_.setUndoHints(undo_.undoButton(), undo_.redoButton()); }

void Editor::FreeBildInListeIfNotNeeded() {
  bool anyPixels = false;
  for (const TPictureRec& picture : doc_.Pictures) anyPixels = anyPixels || picture.hasPixels();
  if (!anyPixels) return;  // spares the walk over every step of a text-only document
  const auto frames = undo_.snapshotFrames();
  vendaro::FreeBildInListeIfNotNeeded(doc_, frames);
}

}  // namespace vendaro
