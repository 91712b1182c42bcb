// A whole writing session at the keyboard: three paragraphs that wrap and
// hyphenate, a deletion across paragraphs, every step undone and redone,
// then saved and opened again.
#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "shell/document_files.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

using test::flowText;
using test::typeKeys;

// The body text with each cell's font and each hard line end. Where lines
// wrap is left out: an edit re-wraps from the edited line on, a file that is
// opened is laid out from its start.
std::string describe(const Document& doc) {
  std::string text;
  for (const TLineRec& line : doc.Fields[0].Lines) {
    for (const TCharRec& cell : line.Chars) {
      const TFontRec& font = doc.Fonts[cell.FontIndex];
      text += static_cast<char>(cell.Ch);
      text += std::string(font.name()) + std::to_string(font.Size) + std::to_string(font.Style) + " ";
    }
    if (line.LineEnd != kLineEndSoft) text += "|" + std::to_string(line.LineEnd) + "\n";
  }
  return text;
}

// The caret as a count of cells from the text's start.
int32_t caretOffset(const Document& doc) {
  int32_t offset = doc.CurChar;
  for (int32_t i = 0; i < doc.CurLine; ++i) offset += doc.Fields[0].Lines[static_cast<size_t>(i)].CharCount();
  return offset;
}

bool anyLineHyphenated(const Document& doc) {
  for (const TLineRec& line : doc.Fields[0].Lines)
    if (line.Hyphenated) return true;
  return false;
}

TEST(KeyboardSession, WriteDeleteUndoRedoSaveAndReopen) {
  test::TempDir dir;
  test::RecordingHost host;
  Editor editor(host);
  editor.FormCreate();
  editor.setMaxUndoSteps(1000);
  const std::string empty = describe(editor.doc());

  typeKeys(editor, "Die Donaudampfschifffahrtsgesellschaft f\xe4hrt \"t\xe4glich\" ab.\n");
  typeKeys(editor, "Zweitens:\tSilbentrennungsregeln\n");
  typeKeys(editor, "Drittens bleibt Schlusswort");
  const Document& doc = editor.doc();
  ASSERT_GT(doc.Fields[0].LineCount(), 6);
  EXPECT_TRUE(anyLineHyphenated(doc));
  EXPECT_NE(flowText(doc).find("\x84t\xe4glich\x93"), std::string::npos);

  // From the middle of the first paragraph into the third.
  setAnchor(editor.doc(), {0, 1, 2});
  editor.getkeysKeyDown(kKeyEnd, kCtrl | kShift);
  editor.getkeysKeyDown(kKeyLeft, kCtrl | kShift);
  editor.getkeysKeyDown(kKeyDelete, 0);
  const std::string edited = describe(doc);
  EXPECT_NE(flowText(doc).find("Schlusswort"), std::string::npos);
  EXPECT_EQ(flowText(doc).find("Zweitens"), std::string::npos);

  while (editor.undoHistory().UndoPos() > 0) editor.getkeysKeyDown(kKeyBackspace, kAlt);
  EXPECT_EQ(describe(doc), empty);
  while (editor.undoHistory().UndoPos() < editor.undoHistory().UndoCount()) {
    const int32_t before = editor.undoHistory().UndoPos();
    editor.RestoreBeforeRestoreCopyFromUndo(0);
    if (editor.undoHistory().UndoPos() == before) break;
  }
  EXPECT_EQ(describe(doc), edited);

  ASSERT_TRUE(saveNativeFile(editor, dir.file("sitzung.lpx"), false));
  test::RecordingHost otherHost;
  Editor reopened(otherHost);
  reopened.FormCreate();
  ASSERT_TRUE(openNativeFile(reopened, dir.file("sitzung.lpx"), false));
  EXPECT_EQ(describe(reopened.doc()), edited);
  EXPECT_EQ(caretOffset(reopened.doc()), caretOffset(doc));
}

}  // namespace
}  // namespace vendaro
