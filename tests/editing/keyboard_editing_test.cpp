// The keyboard on a real editor with real layout: typing and its undo
// steps, quotes, overwrite mode, the movement keys and the keys that act
// during a ruler drag, an object insertion or an object selection.
#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "document/line_cells.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"

namespace vendaro {
namespace {

using test::flowText;
using test::typeKeys;

class KeyHost : public test::RecordingHost {
 public:
  bool showSonderzeichenDialog(SonderzeichenDialog& dialog) override {
    offered = dialog;
    dialog.fontName = "Symbol";
    dialog.character = 'p';
    return true;
  }
  void scrollViewBy(int pixels) override { scrolled += pixels; }
  SonderzeichenDialog offered;
  int scrolled = 0;
};

struct KeyboardTest : ::testing::Test {
  KeyboardTest() {
    editor.FormCreate();
    SetPCharText(editor.doc().CurFont.Name, "Times New Roman");
    editor.doc().CurFont.Size = 12;
  }
  std::vector<std::string> undoCaptions() const { return editor.undoHistory().undoPopup(); }
  TextPos caret() const { return caretPos(editor.doc()); }
  bool press(int32_t key, ShiftState shift = 0) { return editor.getkeysKeyDown(key, shift); }
  const TLineRec& line(int32_t index) const { return editor.doc().Fields[0].Lines.at(static_cast<size_t>(index)); }

  KeyHost host;
  Editor editor{host};
};

TEST_F(KeyboardTest, RunsOfOneKindOfEditShareAnUndoStep) {
  typeKeys(editor, "abc\nde\t\tf");
  EXPECT_EQ(undoCaptions(), (std::vector<std::string>{"Eingabe", "Eingabe TAB", "Eingabe TAB", "Eingabe", "Eingabe Enter",
                                                      "Eingabe"}));
  press(kKeyLeft);  // a movement key closes the run
  typeKeys(editor, "g\b\b");
  press(kKeyDelete);
  press(kKeyDelete);
  EXPECT_EQ(undoCaptions().size(), 9u);
  EXPECT_EQ(undoCaptions()[1], "Löschen");
  EXPECT_EQ(flowText(editor.doc()), "abc\nde\t");
  editor.RestoreCopyFromUndo(1);
  EXPECT_EQ(flowText(editor.doc()), "abc\nde\t\tgf");
  // Ctrl+Backspace undoes; the DEL character that follows it is not text.
  press(kKeyBackspace, kCtrl);
  editor.getkeysKeyPress(127);
  EXPECT_EQ(flowText(editor.doc()), "abc\nde\t\tf");

  press(kKeyEnter, kShift);
  editor.UmbruchEinfuegen();
  EXPECT_EQ(flowText(editor.doc()), "abc\nde\t\t\v\ff");  // at the caret the undo restored
  EXPECT_EQ(undoCaptions()[0], "Eingabe Enter");
  // Commands that type for themselves take no step of their own.
  editor.TypingNoUndo = true;
  typeKeys(editor, "x");
  EXPECT_EQ(undoCaptions()[0], "Eingabe Enter");
  EXPECT_FALSE(editor.undoHistory().UndoMergeOpen);
}

TEST_F(KeyboardTest, QuotesFollowTheStyleThePositionAndTheFont) {
  typeKeys(editor, "\"Hallo\" \"");
  EXPECT_EQ(flowText(editor.doc()), "\x84Hallo\x93 \x84");
  editor.typingOptions().QuoteStyle = kQuotesSwiss;
  typeKeys(editor, "\nx\"");
  editor.typingOptions().QuoteStyle = kQuotesEnglish;
  typeKeys(editor, "-\"");
  editor.typingOptions().QuoteStyle = kQuotesNeutral;
  typeKeys(editor, "\"");
  editor.typingOptions().QuoteStyle = kQuotesGerman;
  SetPCharText(editor.doc().CurFont.Name, "Courier");
  typeKeys(editor, " \"");
  EXPECT_EQ(flowText(editor.doc()), "\x84Hallo\x93 \x84\nx\xbb-\x93\" \"");
}

TEST_F(KeyboardTest, InsertSwitchesOverwriteModeWhichAppendsAtTheLineEnd) {
  typeKeys(editor, "abcd");
  press(kKeyHome);
  press(kKeyRight);
  press(kKeyInsert);
  EXPECT_EQ(host.statusTexts.back(), "2:ÜB");
  typeKeys(editor, "XYZW");
  EXPECT_EQ(flowText(editor.doc()), "aXYZW");
  press(kKeyInsert);
  EXPECT_EQ(host.statusTexts.back(), "2:");
  editor.TypingBatch = true;  // search and replace always inserts, laid out later
  press(kKeyInsert);
  press(kKeyHome);
  typeKeys(editor, "q");
  EXPECT_EQ(flowText(editor.doc()), "qaXYZW");
  EXPECT_EQ(line(0).Dirty, 1);
}

TEST_F(KeyboardTest, EndHomeAndWordMovesWithAndWithoutShift) {
  typeKeys(editor, "Das ist, gut.\nZweite");
  press(kKeyHome, kCtrl);
  for (int32_t stop : {4, 7, 9, 12, 13}) {
    press(kKeyRight, kCtrl);
    EXPECT_EQ(caret().cell, stop);
  }
  press(kKeyRight, kCtrl);  // over the paragraph end
  EXPECT_EQ(caret(), (TextPos{0, 1, 0}));
  for (int32_t stop : {13, 12, 9}) {
    press(kKeyLeft, kCtrl);
    EXPECT_EQ(caret(), (TextPos{0, 0, stop}));
  }
  // Shift+End takes the paragraph mark along; Left collapses to the start.
  press(kKeyHome);
  press(kKeyEnd, kShift);
  EXPECT_EQ(caret(), (TextPos{0, 1, 0}));
  press(kKeyLeft);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 0}));
  EXPECT_EQ(caret(), (TextPos{0, 0, 0}));
  press(kKeyEnd, kCtrl);
  EXPECT_EQ(caret(), (TextPos{0, 1, 6}));
  EXPECT_EQ(editor.doc().CaretAtLineEnd, 1);
  press(kKeyPageDown);  // at the very end: the view scrolls
  EXPECT_EQ(host.scrolled, 20 * 8);
  press(kKeyPageUp);
  EXPECT_EQ(caret(), (TextPos{0, 0, 0}));
}

TEST_F(KeyboardTest, ShiftEndThenAlignmentChangesOnlyThatParagraph) {
  typeKeys(editor, "eins\nzwei");
  editor.UmbruchEinfuegen();
  typeKeys(editor, "drei");
  press(kKeyHome, kCtrl);
  press(kKeyEnd, kShift);
  EXPECT_EQ(caret(), (TextPos{0, 1, 0}));  // the paragraph mark is selected
  press(kKeyE, kCtrl);
  EXPECT_EQ(line(0).Para.Alignment, 1);
  EXPECT_EQ(line(1).Para.Alignment, 0);
  // A page break ends the paragraph before it.
  press(kKeyDown);
  press(kKeyR, kCtrl);
  EXPECT_EQ(line(1).Para.Alignment, 2);
  EXPECT_EQ(line(2).Para.Alignment, 0);
}

TEST_F(KeyboardTest, ShiftEndOnAWrappedLineStopsAtItsEnd) {
  for (int i = 0; i < 30; ++i) typeKeys(editor, "Wort ");
  ASSERT_GE(editor.doc().Fields[0].LineCount(), 2);
  press(kKeyHome, kCtrl);
  press(kKeyEnd, kShift);
  EXPECT_EQ(caret(), (TextPos{0, 0, line(0).CharCount()}));
  press(kKeyDelete);
  EXPECT_EQ(flowText(editor.doc()).substr(0, 5), "Wort ");  // the next line's first word is whole
}

TEST_F(KeyboardTest, SelectAllSoftHyphenAndFormattingShortcuts) {
  typeKeys(editor, "eins zwei\ndrei");
  press(kKeyA, kCtrl);
  EXPECT_EQ(anchorPos(editor.doc()), (TextPos{0, 0, 0}));
  EXPECT_EQ(caret(), (TextPos{0, 1, 4}));
  press(kKeyE, kCtrl);
  EXPECT_EQ(line(0).Para.Alignment, 1);
  EXPECT_EQ(line(1).Para.Alignment, 1);
  EXPECT_EQ(undoCaptions()[1], "Alles markieren");
  EXPECT_EQ(undoCaptions()[0], "Absatzformat");

  press(kKeyHome, kCtrl);
  press(kKeyRight);
  press(kKeyF, kCtrl | kShift);  // bold for the word at the caret
  EXPECT_EQ(undoCaptions()[0], "Zeichenformat");
  const Document& doc = editor.doc();
  for (int32_t i = 0; i < 9; ++i)
    EXPECT_EQ(GettingOpsB(doc.Fonts[line(0).Chars[static_cast<size_t>(i)].FontIndex].Style, 0), i < 4) << i;
  EXPECT_TRUE(GettingOpsB(doc.CurFont.Style, 0));
  press(kKeyU, kCtrl | kShift);
  EXPECT_TRUE(GettingOps(doc.Fonts[line(0).Chars[1].FontIndex].Attr, kAttrUnderline));

  press(kKeyMinus, kCtrl);
  EXPECT_TRUE(hasSoftHyphen(line(0).Chars[1]));
  EXPECT_EQ(undoCaptions()[0], "Weicher Trennstrich");
  press(kKeyMinus, kCtrl);
  EXPECT_FALSE(hasSoftHyphen(line(0).Chars[1]));
}

TEST_F(KeyboardTest, ShiftChangesNothingForTheEditingKeys) {
  typeKeys(editor, "abcdef");
  for (int i = 0; i < 2; ++i) {
    press(kKeyBackspace, kShift);
    EXPECT_EQ(anchorPos(editor.doc()), caret());  // no selection left behind
  }
  press(kKeyHome);
  for (int i = 0; i < 2; ++i) {
    press(kKeyDelete, kShift);
    EXPECT_EQ(anchorPos(editor.doc()), caret());
  }
  EXPECT_EQ(flowText(editor.doc()), "cd");
  press(kKeyTab, kShift);
  EXPECT_EQ(anchorPos(editor.doc()), caret());
  press(kKeyBackspace, kShift);
  EXPECT_EQ(flowText(editor.doc()), "cd");
}

TEST_F(KeyboardTest, KeysWithCtrlOrAltAreCommandsNeverText) {
  typeKeys(editor, "Silbe");
  press(kKeyHome);
  press(kKeyRight);
  press(kKeyRight);
  editor.keyEvent(kKeyMinus, kCtrl, "-");
  EXPECT_TRUE(hasSoftHyphen(line(0).Chars[2]));
  constexpr int32_t kKeyPlus = 187, kKeyPeriod = 190;
  editor.keyEvent(kKeyPlus, kCtrl, "+");
  editor.keyEvent('1', kCtrl, "1");
  editor.keyEvent(kKeyPeriod, kCtrl, ".");
  editor.keyEvent('X', kAlt, "x");
  editor.keyEvent('Q', kCtrl | kAlt, "@");
  EXPECT_EQ(flowText(editor.doc()), "Silbe");
  // AltGr reaches the editor without Ctrl and Alt, and types.
  editor.keyEvent('Q', 0, "@");
  editor.keyEvent(kKeyMinus, kShift, "_");
  editor.keyEvent(kKeyMinus, 0, "-");
  EXPECT_EQ(flowText(editor.doc()), "Si@_-lbe");
  // Ctrl+Backspace undoes, and its delete character is no text either.
  editor.keyEvent(kKeyBackspace, kCtrl, "");
  EXPECT_EQ(flowText(editor.doc()), "Silbe");
  EXPECT_FALSE(editor.UndoByCtrlBackspace);
}

TEST_F(KeyboardTest, RulerDragInsertModeObjectsAndTheSpecialCharacterDialog) {
  typeKeys(editor, "ab");
  editor.RulerDragMode = 4;
  EXPECT_TRUE(press(kKeyLeft, 0));
  typeKeys(editor, "x");
  EXPECT_EQ(editor.RulerDragMode, kRulerDragCancelled);
  EXPECT_FALSE(editor.undoHistory().UndoMergeOpen);
  press(kKeyEscape);
  EXPECT_EQ(editor.RulerDragMode, kRulerDragNone);
  EXPECT_EQ(flowText(editor.doc()), "ab");
  editor.InsertObjMode = 3;
  press(kKeyEscape);
  EXPECT_EQ(editor.InsertObjMode, 0);
  EXPECT_EQ(caret(), (TextPos{0, 0, 2}));

  editor.SonderzeichenEinfuegen();
  EXPECT_EQ(host.offered.character, ' ');
  EXPECT_EQ(host.offered.fontName, "Times New Roman");
  const TFontRec& symbol = editor.doc().Fonts[line(0).Chars.back().FontIndex];
  EXPECT_EQ(std::string(symbol.name()) + std::to_string(symbol.Charset), "Symbol1");

  // A selected text box: only Delete acts, and it deletes the box.
  Document& doc = editor.doc();
  TFieldRec& box = doc.NewPage(true);
  box.FieldType = kFieldTextBox;
  box.ObjSelected = 1;
  const int32_t frames = doc.FieldCount();
  setCaret(doc, {frames - 1, 0, 0});
  EXPECT_FALSE(press(kKeyBackspace, 0));
  typeKeys(editor, "z");
  EXPECT_TRUE(press(kKeyDelete, 0));
  EXPECT_EQ(doc.FieldCount(), frames - 1);
  EXPECT_EQ(undoCaptions()[0], "Objekt/Feld löschen");
  EXPECT_EQ(caret(), (TextPos{0, 0, 0}));  // the body of the box's page
  EXPECT_EQ(flowText(doc), "abp");
}

}  // namespace
}  // namespace vendaro
