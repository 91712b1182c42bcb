// The tool bars' commands on a real editor: what each menu entry needs of
// the caret's frame, colours reaching a selection or an object frame as one
// undo step, the zoom box's text, and language switches.
#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "editing/command_needs.h"
#include "editing/editor.h"
#include "support/keyboard_driver.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

using test::typeKeys;

struct ToolbarCommandsTest : ::testing::Test {
  ToolbarCommandsTest() { editor.FormCreate(); }
  Document& doc() { return editor.doc(); }
  void at(const TextPos& pos) {
    setCaret(doc(), pos);
    setAnchor(doc(), pos);
  }
  int32_t appendObject(uint8_t type) {
    TFieldRec& frame = test::appendFrame(doc(), type, 20, 20, 80, 60);
    frame.BackColor = 0xFFFFFF;
    frame.BorderWidth = 0.75;
    return doc().FieldCount() - 1;
  }
  // Which of the needs hold, in the order of CommandNeed, as "1" and "0".
  std::string allowed(const Document* document) {
    const CommandContext context = commandContext(document);
    std::string map;
    for (int need = 0; need <= static_cast<int>(CommandNeed::pictureCell); ++need)
      map += commandAllowed(static_cast<CommandNeed>(need), context) ? '1' : '0';
    return map;
  }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(ToolbarCommandsTest, NeedsFollowTheCaretFrameKindTableAndSelection) {
  //                     nothing document unsaved selection clipboard text box object outside inside picture
  EXPECT_EQ(allowed(nullptr), "10000000000");
  typeKeys(editor, "Text");
  EXPECT_EQ(allowed(&doc()), "11100100100");
  setAnchor(doc(), {0, 0, 0});
  EXPECT_EQ(allowed(&doc()), "11110100100");
  at({0, 0, 0});
  doc().DocFileName = "/tmp/x.lpx";
  doc().Modified = 0;
  EXPECT_EQ(allowed(&doc()), "11000100100");

  test::appendTableRow(doc(), {{"A", 1}, {"B", 1}});
  at({0, doc().Fields[0].LineCount() - 1, 0});
  EXPECT_EQ(allowed(&doc()), "11000100010");

  at({appendObject(kFieldTextBox), 0, 0});
  EXPECT_EQ(allowed(&doc()), "11000111100");
  const int32_t rectangle = appendObject(kFieldRectangle);
  at({rectangle, 0, 0});
  EXPECT_EQ(allowed(&doc()), "11000001000");
  // A selected object counts as a selection wherever the caret is.
  doc().Fields[static_cast<size_t>(rectangle)].ObjSelected = 1;
  at({0, 0, 0});
  EXPECT_EQ(allowed(&doc()).substr(3, 1), "1");
}

TEST_F(ToolbarCommandsTest, OneSelectedPictureCellAllowsThePictureFormat) {
  typeKeys(editor, "ab");
  TLineRec& line = doc().Fields[0].Lines[0];
  line.Chars[1].Kind = kCellPicture;
  setAnchor(doc(), {0, 0, 1});
  setCaret(doc(), {0, 0, 2});
  EXPECT_TRUE(commandAllowed(CommandNeed::pictureCell, commandContext(&doc())));
  setCaret(doc(), {0, 0, 0});  // the cell before it: a character
  EXPECT_FALSE(commandAllowed(CommandNeed::pictureCell, commandContext(&doc())));
  setAnchor(doc(), {0, 0, 2});  // two cells
  EXPECT_FALSE(commandAllowed(CommandNeed::pictureCell, commandContext(&doc())));
}

TEST_F(ToolbarCommandsTest, TextColoursReachTheSelectionAloneAndUndoAsOneStep) {
  typeKeys(editor, "rot schwarz");
  setAnchor(doc(), {0, 0, 0});
  setCaret(doc(), {0, 0, 3});
  const int32_t steps = editor.undoHistory().UndoCount();
  editor.applyTextColor(0x0000FF);
  editor.applyTextBackColor(0x00FFFF, false);
  EXPECT_EQ(editor.undoHistory().UndoCount(), steps + 2);
  const auto fontAt = [&](int cell) { return doc().Fonts[doc().Fields[0].Lines[0].Chars[cell].FontIndex]; };
  EXPECT_EQ(fontAt(0).Color, 0x0000FF);
  EXPECT_EQ(fontAt(2).BackColor, 0x00FFFF);
  EXPECT_EQ(fontAt(2).BackTransparent, 0);
  EXPECT_EQ(fontAt(4).Color, 0);
  EXPECT_EQ(fontAt(4).BackTransparent, fontAt(4).BackTransparent);
  editor.RestoreCopyFromUndo(1);
  EXPECT_EQ(fontAt(0).Color, 0);
  EXPECT_NE(fontAt(2).BackColor, 0x00FFFF);

  // While the tool bar follows the caret, the buttons do nothing.
  editor.ToolbarSyncGuard = true;
  editor.applyTextColor(0xFF0000);
  editor.ToolbarSyncGuard = false;
  EXPECT_EQ(editor.undoHistory().UndoPos(), steps);
}

TEST_F(ToolbarCommandsTest, FillLineColourAndWidthGoIntoTheCaretsObjectAndAreUndone) {
  const int32_t rectangle = appendObject(kFieldRectangle);
  doc().SetFileChanged(false);
  at({rectangle, 0, 0});
  editor.applyObjectFill(0x00FF00, false);
  editor.applyObjectLineColor(0xFF0000);
  editor.applyObjectLineWidth(2.25);
  const TFieldRec& frame = doc().Fields[static_cast<size_t>(rectangle)];
  EXPECT_EQ(frame.BackColor, 0x00FF00);
  EXPECT_EQ(frame.Transparent, 0);
  EXPECT_EQ(frame.BorderColor, 0xFF0000);
  EXPECT_DOUBLE_EQ(frame.BorderWidth, 2.25);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(editor.undoHistory().undoMenuItem().text, "&Rückgängig: Feld formatieren");
  editor.applyObjectFill(0xFFFFFF, true);
  EXPECT_EQ(doc().Fields[static_cast<size_t>(rectangle)].Transparent, 1);

  editor.RestoreCopyFromUndo(3);
  const TFieldRec& restored = doc().Fields[static_cast<size_t>(rectangle)];
  EXPECT_EQ(restored.BackColor, 0xFFFFFF);
  EXPECT_EQ(restored.BorderColor, 0);
  EXPECT_DOUBLE_EQ(restored.BorderWidth, 0.75);

  // Page text is no object: nothing changes, no step is taken.
  at({0, 0, 0});
  const int32_t position = editor.undoHistory().UndoPos();
  const double bodyBorder = doc().Fields[0].BorderWidth;
  editor.applyObjectLineWidth(6);
  EXPECT_EQ(editor.undoHistory().UndoPos(), position);
  EXPECT_DOUBLE_EQ(doc().Fields[0].BorderWidth, bodyBorder);
}

TEST_F(ToolbarCommandsTest, ZoomTextTakesPercentagesFromOneTo250AndTheFittingModes) {
  struct Case {
    const char* text;
    Editor::ZoomChoice choice;
    double percent;
  };
  using Z = Editor::ZoomChoice;
  const Case cases[] = {{"300%", Z::ignored, 100}, {"75", Z::fixed, 75},      {"12,5", Z::fixed, 12.5},
                        {"nan", Z::ignored, 12.5}, {"0%", Z::ignored, 12.5},  {"250%", Z::fixed, 250},
                        {"1.5%", Z::fixed, 1.5},   {"50%%", Z::ignored, 1.5}, {"", Z::ignored, 1.5}};
  for (const Case& c : cases) {
    EXPECT_EQ(editor.applyZoomText(c.text), c.choice) << c.text;
    EXPECT_DOUBLE_EQ(doc().ZoomPercent, c.percent) << c.text;
    EXPECT_EQ(doc().ZoomMode, kZoomFixed) << c.text;
  }
  EXPECT_EQ(editor.applyZoomText("Ganze Seite"), Z::fitting);
  EXPECT_EQ(doc().ZoomMode, kZoomWholePage);
  // The same percentage typed again leaves a fitting mode for the fixed one.
  EXPECT_EQ(editor.applyZoomText("1,5%"), Z::fixed);
  EXPECT_EQ(doc().ZoomMode, kZoomFixed);
  EXPECT_EQ(zoomBoxText(12.5), "12,5%");
  EXPECT_EQ(zoomBoxText(100), "100%");
}

TEST_F(ToolbarCommandsTest, LanguageAndHyphenationChangeTheDocumentWithoutAnUndoStep) {
  typeKeys(editor, "Wort");
  int asked = 0;
  editor.setSpellingHook([&asked](std::string_view) { return ++asked, true; });
  editor.MakeSoftEnters();
  asked = 0;
  doc().SetFileChanged(false);
  const int32_t steps = editor.undoHistory().UndoCount();
  editor.setDocumentLanguage(1);
  EXPECT_EQ(doc().DocLanguage, 1);
  EXPECT_TRUE(doc().Modified);
  EXPECT_GT(asked, 0) << "the words are checked against the other word list";
  doc().SetFileChanged(false);
  editor.setDocumentLanguage(1);  // no change
  EXPECT_FALSE(doc().Modified);
  editor.toggleAutoHyphenate();
  EXPECT_EQ(doc().AutoHyphenate, 0);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(editor.undoHistory().UndoCount(), steps);
}

}  // namespace
}  // namespace vendaro
