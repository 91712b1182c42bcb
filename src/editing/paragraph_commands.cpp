// paragraph_commands.cpp — paragraph commands that change one value of the
// caret's paragraphs: alignment, line spacing and list kind. Each reads the
// caret line's format, changes the value and writes that value alone to
// every paragraph the selection touches, as one undo step.
#include "document/paragraph_format.h"
#include "editing/editor.h"

namespace vendaro {

void Editor::writeParagraphFields(const ParagraphValues& values, uint32_t fields) {
  if (!formattingAllowed()) return;
  MakeCopyForUndo("Absatzformat");
  setParagraphFields(doc_, values, fields, false);
  RefreshDirtyContent();
  SmallOvertakeFont();  // the alignment and list buttons show the new format
}

void Editor::setAlignment(uint8_t alignment) {
  ParagraphValues values = getabsatzformat(doc_);
  values.Para.Alignment = alignment;
  writeParagraphFields(values, kParaAlignment);
}

void Editor::formatleft() { setAlignment(0); }
void Editor::formatcenter() { setAlignment(1); }
void Editor::formatright() { setAlignment(2); }
void Editor::formatblock() { setAlignment(3); }

void Editor::aufzaehlung(uint8_t kind) {
  ParagraphValues values = getabsatzformat(doc_);
  toggleListKind(values.Para, kind);
  writeParagraphFields(values, kParaListKind | kParaBulletChar);
}

namespace {

ParagraphValues withSpacing(ParagraphValues values, LineSpacingChoice choice) {
  applyLineSpacingChoice(values.Para, choice, values.Para.LineSpacing);
  return values;
}

}  // namespace

void Editor::ZeilenAbstandEinfach() { writeParagraphFields(withSpacing(getabsatzformat(doc_), kSpacingSingle), kParaLineSpacing); }
void Editor::ZeilenAbstandEinEinhalbfach() {
  writeParagraphFields(withSpacing(getabsatzformat(doc_), kSpacingOneAndHalf), kParaLineSpacing);
}
void Editor::ZeilenAbstandZweifach() { writeParagraphFields(withSpacing(getabsatzformat(doc_), kSpacingDouble), kParaLineSpacing); }

}  // namespace vendaro
