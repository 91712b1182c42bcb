// caret_commands.cpp — the editor's caret commands that reach the window:
// the input font shown in the tool bar, and word and paragraph selection
// followed by a repaint.
#include <optional>

#include "document/caret_moves.h"
#include "document/caret_text.h"
#include "editing/editor.h"

namespace vendaro {
namespace {

// Keeps the guard set while the tool bar is written, whatever happens.
class SyncGuard {
 public:
  explicit SyncGuard(bool& flag) : flag_(flag), was_(flag) { flag_ = true; }
  ~SyncGuard() { flag_ = was_; }
  SyncGuard(const SyncGuard&) = delete;
  SyncGuard& operator=(const SyncGuard&) = delete;

 private:
  bool& flag_;
  bool was_;
};

}  // namespace

void Editor::OvertakeFont() {
  SyncGuard guard(ToolbarSyncGuard);
  if (std::optional<TFontRec> font = fontBeforeCaret(doc_)) {
    const uint8_t reserved = doc_.CurFont.Reserved;
    doc_.CurFont = *font;
    doc_.CurFont.Reserved = reserved;
  }
  SmallOvertakeFont();
}

void Editor::SmallOvertakeFont() {
  SyncGuard guard(ToolbarSyncGuard);
  ToolbarFontState state;
  state.font = doc_.CurFont;
  if (const TLineRec* line = lineAt(doc_, caretPos(doc_))) {
    state.listKind = line->Para.ListKind;
    state.alignment = line->Para.Alignment;
  }
  for (const TStyleRec& style : doc_.Styles) state.styleNames.push_back(style.Name);
  host_.toolbarFontChanged(state);
}

void Editor::WortMarkieren() {
  vendaro::WortMarkieren(doc_);
  host_.requestRepaint();
  host_.scrollCaretIntoView();
  SmallOvertakeFont();
}

void Editor::AbsatzMarkieren() {
  vendaro::AbsatzMarkieren(doc_);
  host_.requestRepaint();
  host_.scrollCaretIntoView();
  SmallOvertakeFont();
}

}  // namespace vendaro
