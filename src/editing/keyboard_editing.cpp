// keyboard_editing.cpp — the editor's key table: which key, with which
// modifiers, runs which command, what a key does while the ruler is being
// dragged or objects are selected, and how navigation and editing keys end.
#include <algorithm>

#include "document/caret_moves.h"
#include "document/floating_objects.h"
#include "document/selection.h"
#include "editing/edit_lines.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

bool anyObjectSelected(const Document& doc) {
  for (const TFieldRec& frame : doc.Fields)
    if (isObject(frame) && frame.ObjSelected) return true;
  return false;
}

}  // namespace

bool Editor::getkeysKeyDown(int32_t key, ShiftState shift) {
  // A key during a ruler drag spoils the drag: its release changes nothing,
  // and Escape ends it at once.
  if (RulerDragMode != kRulerDragNone) {
    closeUndoMerge();
    rulerDragKey(key);
    return true;
  }
  if (InsertObjMode > 0 && key == kKeyEscape) {
    InsertObjMode = 0;
    return true;
  }
  if (anyObjectSelected(doc_)) {
    if (key != kKeyDelete) return false;
    deleteSelectedObjects();
    return true;
  }

  const bool ctrl = ctrlHeld(shift);
  const bool withShift = shiftHeld(shift);
  if (key == kKeyInsert) {
    closeUndoMerge();
    typingOptions_->OverwriteMode = !typingOptions_->OverwriteMode;
    host_.setStatusText(kPanelOverwrite, typingOptions_->OverwriteMode ? "ÜB" : "");
    return true;
  }
  if (ctrl && withShift && (key == kKeyF || key == kKeyK || key == kKeyU)) {
    toggleCharacterStyle(key == kKeyF ? 0 : key == kKeyK ? 1 : 2);
    SmallOvertakeFont();
    return true;
  }
  if (ctrl && !withShift && (key == kKeyL || key == kKeyR || key == kKeyE || key == kKeyB)) {
    if (key == kKeyL) formatleft();
    else if (key == kKeyR) formatright();
    else if (key == kKeyE) formatcenter();
    else formatblock();  // which updates the tool bar
    return true;
  }

  switch (key) {
    case kKeyMinus:
      if (!ctrl || withShift) return false;
      toggleSoftHyphen();
      finishEdit();
      return true;
    case kKeyA:
      if (!ctrl) return false;
      selectAll();
      return true;
    case kKeyBackspace:
      if (ctrl || altHeld(shift)) {
        RestoreCopyFromUndo(0);
        UndoByCtrlBackspace = ctrl;
        return true;
      }
      deleteBackward();
      finishEdit();
      return true;
    case kKeyDelete:
      deleteForward();
      finishEdit();
      return true;
    case kKeyTab:
      insertTab();
      finishEdit();
      return true;
    case kKeyEnter:
      InsertEnterOnThatPos(caretPos(doc_), ctrl ? kLineEndPage : withShift ? kLineEndManual : kLineEndParagraph);
      return true;
    default:
      return navigationKey(key, shift);
  }
}

void Editor::keyEvent(int32_t key, ShiftState shift, std::string_view typed) {
  if (key != 0) getkeysKeyDown(key, shift);
  if (ctrlHeld(shift) || altHeld(shift)) {
    // Ctrl+Backspace delivers the delete character, which the undo it did
    // swallows.
    if (key == kKeyBackspace && ctrlHeld(shift)) getkeysKeyPress(127);
    return;
  }
  for (const char ch : typed) getkeysKeyPress(static_cast<uint8_t>(ch));
}

void Editor::UmbruchEinfuegen() { getkeysKeyDown(kKeyEnter, kCtrl); }

void Editor::finishNavigation(ShiftState shift) {
  host_.requestRepaint();
  host_.scrollCaretIntoView();
  if (!shiftHeld(shift)) setAnchor(doc_, caretPos(doc_));
  OvertakeFont();
}

// Editing keys do the same with Shift as without: an edit never leaves a
// selection behind, which the next key would delete unseen.
void Editor::finishEdit() {
  RefreshDirtyContent();
  setAnchor(doc_, caretPos(doc_));
  OvertakeFont();
}

void Editor::selectAll() {
  if (!lineAt(doc_, {doc_.CurField, 0, 0})) return;
  // Undo lists the step, but selecting changes nothing in the document:
  // whether it asks to be saved stays as it was.
  const bool wasModified = doc_.Modified != 0;
  MakeCopyForUndo("Alles markieren");
  SetFileChanged(wasModified);
  setAnchor(doc_, {chainHead(doc_, doc_.CurField), 0, 0});
  const int32_t last = chainTail(doc_, doc_.CurField);
  const TFieldRec& tail = doc_.Fields[static_cast<size_t>(last)];
  const int32_t line = tail.LineCount() > 0 ? tail.LineCount() - 1 : 0;
  setCaret(doc_, {last, line, tail.LineCount() > 0 ? tail.Lines.back().CharCount() : 0});
  host_.requestRepaint();
  host_.scrollCaretIntoView();
  OvertakeFont();  // the bars follow: cut and copy now have a selection
}

// The hyphenation mark of the cell after the caret; at a line's end that is
// the first cell of the next line.
void Editor::toggleSoftHyphen() {
  TLineRec* line = editLine(doc_, caretPos(doc_));
  if (!line) return;
  MakeCopyForUndo("Weicher Trennstrich");
  line->Dirty = 1;
  TCharRec* cell = nullptr;
  if (doc_.CurChar >= 0 && doc_.CurChar < line->CharCount()) {
    cell = &line->Chars[static_cast<size_t>(doc_.CurChar)];
  } else if (TextPos next = caretPos(doc_); lineBelow(doc_, next)) {
    TLineRec* below = editLine(doc_, next);
    below->Dirty = 1;
    if (!below->Chars.empty()) cell = &below->Chars.front();
  }
  if (cell) SettingOpsB(cell->CharFlags, kFlagSoftHyphen, !hasSoftHyphen(*cell));
}

// Delete while object frames are selected removes the frames, not text.
void Editor::deleteSelectedObjects() {
  MakeCopyForUndo("Objekt/Feld löschen");
  removeSelectedObjects();
  host_.requestRepaint();
  host_.scrollCaretIntoView();
}

void Editor::removeSelectedObjects() {
  const int32_t caretFrame = doc_.CurField;
  int32_t deletedBefore = 0;
  int32_t caretPage = -1;  // set when the caret's own frame goes
  for (int32_t index = doc_.FieldCount() - 1; index >= 0; --index) {
    const TFieldRec& frame = doc_.Fields[static_cast<size_t>(index)];
    if (frame.FieldType <= kFieldFooter || !frame.ObjSelected) continue;
    if (index < caretFrame) ++deletedBefore;
    if (index == caretFrame) caretPage = frame.PageNo;
    doc_.DeleteField(index);
  }
  // The caret stays in its frame, which may have moved down the list; when
  // its frame was deleted it goes to the body of that frame's page.
  doc_.CurField = caretPage >= 0 ? doc_.GetFieldofPage(caretPage) : std::max(caretFrame - deletedBefore, 0);
  doc_.CurLine = 0;
  doc_.CurChar = 0;
  setAnchor(doc_, caretPos(doc_));
  FreeBildInListeIfNotNeeded();
}

}  // namespace vendaro
