// paragraph_commands.cpp — paragraph commands that change one value of the
// caret's paragraphs: alignment and list kind. Each reads the caret line's
// format, changes the value and writes the format back to every paragraph
// the selection touches, as one undo step.
#include "document/paragraph_format.h"
#include "editing/editor.h"

namespace vendaro {

void Editor::setAlignment(uint8_t alignment) {
  ParagraphValues values = getabsatzformat(doc_);
  values.Para.Alignment = alignment;
  MakeCopyForUndo("Absatzformat");
  setabsatzformat(doc_, values, true, false);
  RefreshDirtyContent();
}

void Editor::formatleft() { setAlignment(0); }
void Editor::formatcenter() { setAlignment(1); }
void Editor::formatright() { setAlignment(2); }
void Editor::formatblock() { setAlignment(3); }

void Editor::aufzaehlung(uint8_t kind) {
  ParagraphValues values = getabsatzformat(doc_);
  toggleListKind(values.Para, kind);
  MakeCopyForUndo("Absatzformat");
  setabsatzformat(doc_, values, true, false);
  RefreshDirtyContent();
}

}  // namespace vendaro
