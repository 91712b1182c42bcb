// Undo and redo on a real editor: steps, lists, hints, the kept caret and
// input format, and pictures that live as long as a step shows them.
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "editing/editor.h"
#include "platform/dib.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

class UndoHost : public test::RecordingHost {
 public:
  void setUndoHints(const UndoControl& undoButton, const UndoControl& redoButton) override {
    undo = undoButton;
    redo = redoButton;
  }
  UndoControl undo, redo;
};

// A command that types `text` at the caret as one undo step.
void type(Editor& editor, std::string_view text, std::string_view caption = "Eingabe") {
  editor.MakeCopyForUndo(caption);
  Document& doc = editor.doc();
  for (char c : text) {
    TCharRec* cell = doc.NewChar();
    cell->Ch = static_cast<uint8_t>(c);
    doc.RenderChar(*cell);
    doc.MarkChar = ++doc.CurChar;
  }
  doc.Fields[static_cast<size_t>(doc.CurField)].Lines[static_cast<size_t>(doc.CurLine)].Dirty = 1;
  editor.RefreshDirtyContent();
}

std::string bodyText(const Editor& editor) {
  std::string text;
  for (const TLineRec& line : editor.doc().Fields[0].Lines)
    for (const TCharRec& cell : line.Chars) text.push_back(static_cast<char>(cell.Ch));
  return text;
}

struct UndoTest : ::testing::Test {
  UndoTest() { editor.FormCreate(); }
  UndoHost host;
  Editor editor{host};
  const UndoHistory& history() const { return editor.undoHistory(); }
};

TEST_F(UndoTest, UndoAndRedoOneStepWithHintsMenusAndChangedFlag) {
  EXPECT_EQ(history().undoMenuItem().text, "&Rückgängig: Nicht möglich");
  type(editor, "Hallo");
  EXPECT_TRUE(host.undo.enabled);
  EXPECT_EQ(host.undo.text, "Rückgängig: Eingabe");
  EXPECT_EQ(host.redo.text, "Wiederholen: Nicht möglich");
  EXPECT_FALSE(host.redo.enabled);
  editor.SetFileChanged(false);  // saved

  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(bodyText(editor), "");
  EXPECT_EQ(editor.doc().Modified, 1);  // differs from the saved file
  EXPECT_EQ(host.caption.back(), '*');
  EXPECT_FALSE(host.undo.enabled);
  EXPECT_EQ(host.undo.text, "Rückgängig: Nicht möglich");
  EXPECT_EQ(host.redo.text, "Wiederholen: Eingabe");
  EXPECT_EQ(history().redoMenuItem().text, "&Wiederholen: Eingabe");
  EXPECT_TRUE(history().redoMenuItem().enabled);
  EXPECT_EQ(history().redoPopup(), std::vector<std::string>{"Eingabe"});  // not the kept state
  const int repaints = host.repaints;
  editor.RestoreCopyFromUndo(0);  // nothing left to undo
  EXPECT_EQ(host.repaints, repaints);

  editor.RestoreBeforeRestoreCopyFromUndo(0);
  EXPECT_EQ(bodyText(editor), "Hallo");
  EXPECT_EQ(editor.doc().CurChar, 5);
  EXPECT_EQ(history().UndoCount(), 1);  // the kept state is gone, the history at its end
  EXPECT_EQ(host.undo.text, "Rückgängig: Eingabe");
  EXPECT_FALSE(host.redo.enabled);
  EXPECT_EQ(host.repaints, repaints + 1);
  editor.RestoreBeforeRestoreCopyFromUndo(0);
  EXPECT_EQ(bodyText(editor), "Hallo");

  editor.MakeCopyForUndo(std::string(254, 'x') + "\xc3\xbc" + "yyy");  // not cut inside the letter
  EXPECT_EQ(history().step(1).Caption, std::string(254, 'x'));
}

TEST_F(UndoTest, RunsOfOneKindShareAStep) {
  editor.MakeMergedCopyForUndo("Eingabe", kMergeTyping);
  editor.MakeMergedCopyForUndo("Eingabe", kMergeTyping);
  EXPECT_EQ(history().UndoCount(), 1);
  editor.MakeMergedCopyForUndo("Löschen", kMergeDelete);
  editor.MakeMergedCopyForUndo("Löschen", kMergeDelete);
  EXPECT_EQ(history().UndoCount(), 2);
  editor.MakeCopyForUndo("Eingabe TAB");
  editor.MakeMergedCopyForUndo("Löschen", kMergeDelete);
  EXPECT_EQ(history().UndoCount(), 4);
  editor.RestoreCopyFromUndo(0);  // undo closes the run as well
  EXPECT_FALSE(history().UndoMergeOpen);
}

TEST_F(UndoTest, SeveralStepsFromTheListsAndANewEditDropsRedo) {
  type(editor, "a", "Eingabe");
  type(editor, "b", "Eingabe TAB");
  type(editor, "c", "Löschen");
  type(editor, "d", "Einfügen");
  EXPECT_EQ(history().undoPopup(), (std::vector<std::string>{"Einfügen", "Löschen", "Eingabe TAB", "Eingabe"}));
  editor.RestoreCopyFromUndo(2);
  EXPECT_EQ(bodyText(editor), "a");
  EXPECT_EQ(history().redoPopup(), (std::vector<std::string>{"Eingabe TAB", "Löschen", "Einfügen"}));
  EXPECT_EQ(history().undoPopup(), std::vector<std::string>{"Eingabe"});
  editor.RestoreBeforeRestoreCopyFromUndo(1);
  EXPECT_EQ(bodyText(editor), "abc");
  EXPECT_EQ(host.redo.text, "Wiederholen: Einfügen");
  editor.RestoreBeforeRestoreCopyFromUndo(1);  // beyond the end: nothing
  EXPECT_EQ(bodyText(editor), "abc");

  type(editor, "x");
  EXPECT_EQ(bodyText(editor), "abcx");
  EXPECT_TRUE(history().redoPopup().empty());
  EXPECT_FALSE(host.redo.enabled);
  EXPECT_EQ(history().UndoCount(), history().UndoPos());
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(bodyText(editor), "abc");
}

TEST_F(UndoTest, MaxUndoStepsBoundsTheHistoryAndTheListShowsTwenty) {
  editor.setMaxUndoSteps(10);
  for (int i = 0; i < 15; ++i) type(editor, std::string(1, static_cast<char>('a' + i)));
  EXPECT_EQ(history().undoPopup().size(), 11u);
  editor.RestoreCopyFromUndo(10);
  EXPECT_EQ(bodyText(editor), "abcd");
  EXPECT_FALSE(host.undo.enabled);

  editor.setMaxUndoSteps(30);
  for (int i = 0; i < 25; ++i) type(editor, "y");
  EXPECT_EQ(history().undoPopup().size(), kMaxUndoPopupEntries);
  EXPECT_EQ(history().UndoPos(), 25);
  editor.setMaxUndoSteps(3);  // a lowered setting applies with the next step
  type(editor, "z");
  EXPECT_EQ(history().UndoCount(), 4);
}

TEST_F(UndoTest, UndoBringsBackCaretSelectionInputFontAndPaper) {
  Document& doc = editor.doc();
  doc.InsertNewLine(0, 1);
  doc.Fields[0].Lines[0].LineEnd = kLineEndParagraph;
  doc.CurLine = 1;
  type(editor, "Text");
  doc.CurLine = doc.MarkLine = 0;  // an empty line before the text
  doc.CurChar = doc.MarkChar = 0;
  doc.MarkLine = 1;
  doc.MarkChar = 3;
  doc.CaretPage = 1;
  doc.CurFont.Size = 20.0;
  SettingOps(doc.CurFont.Attr, kAttrSmallCaps, true);
  const TFontRec font = doc.CurFont;
  editor.MakeCopyForUndo("Seite einrichten");
  doc.CurFont.Size = 8.0;
  doc.CurLine = doc.MarkLine = 1;
  doc.CurChar = doc.MarkChar = 4;
  doc.CaretPage = 0;
  doc.PageWidth = 420.0;
  doc.SetPrinterProps();

  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(doc.CurFont, font);
  EXPECT_EQ(doc.CurFont.Attr, font.Attr);
  EXPECT_EQ(std::tie(doc.CurField, doc.CurLine, doc.CurChar), std::make_tuple(0, 0, 0));
  EXPECT_EQ(std::tie(doc.MarkField, doc.MarkLine, doc.MarkChar), std::make_tuple(0, 1, 3));
  EXPECT_EQ(doc.CaretPage, 1);
  EXPECT_EQ(doc.PageWidth, 210.0);
  EXPECT_EQ(doc.PageWidthPx, static_cast<int32_t>(210.0 / kMmPerInch * doc.PrinterDPI));
  editor.RestoreBeforeRestoreCopyFromUndo(0);
  EXPECT_EQ(std::tie(doc.CurLine, doc.CurChar, doc.MarkLine, doc.MarkChar), std::make_tuple(1, 4, 1, 4));
  EXPECT_EQ(doc.PageWidth, 420.0);
}

TEST_F(UndoTest, PicturesLiveWhileAStepShowsThem) {
  Document& doc = editor.doc();
  doc.Pictures.resize(1);
  ASSERT_TRUE(newdib(doc.Pictures[0], 4, 4, 24));
  TCharRec* cell = doc.NewChar();
  cell->Kind = kCellPicture;
  cell->PictureIndex = 0;
  editor.setMaxUndoSteps(1);

  editor.MakeCopyForUndo("Löschen");
  doc.Fields[0].Lines[0].Chars.clear();
  editor.FreeBildInListeIfNotNeeded();
  EXPECT_TRUE(doc.Pictures[0].hasPixels());
  editor.RestoreCopyFromUndo(0);
  ASSERT_EQ(doc.Fields[0].Lines[0].CharCount(), 1);
  EXPECT_EQ(doc.Fields[0].Lines[0].Chars[0].Kind, kCellPicture);
  editor.RestoreBeforeRestoreCopyFromUndo(0);
  EXPECT_EQ(doc.Fields[0].Lines[0].CharCount(), 0);

  type(editor, "a");
  EXPECT_TRUE(doc.Pictures[0].hasPixels());  // the step before the delete is still there
  type(editor, "b");                         // ... and now it is dropped
  EXPECT_FALSE(doc.Pictures[0].hasPixels());
  EXPECT_EQ(doc.PictureCount(), 1);
}

}  // namespace
}  // namespace vendaro
