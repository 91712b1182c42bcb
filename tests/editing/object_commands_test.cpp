// Pictures, text boxes and drawing objects through a real editor with a
// scripted host: picture files of several resolutions, failures that insert
// nothing, picture frames, linking, stacking order, the frame dialog with
// its page adjustment, the picture dialog's ratio rules, undo and the file.
#include <gtest/gtest.h>

#include <cmath>

#include "document/caret_moves.h"
#include "editing/editor.h"
#include "formats/lpx_file.h"
#include "platform/dib.h"
#include "support/recording_host.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

class ObjectCommands : public ::testing::Test {
 protected:
  ObjectCommands() { editor.FormCreate(); }

  Document& doc() { return editor.doc(); }
  const TFieldRec& frame(int32_t index) { return doc().Fields[static_cast<size_t>(index)]; }
  size_t undoSteps() { return editor.undoHistory().undoPopup().size(); }

  // A 300 × 150 picture file stating `pelsPerMetre` (0: no resolution).
  std::string pictureFile(int32_t pelsPerMetre) {
    TPictureRec picture;
    newdib(picture, 300, 150, 24);
    picture.Header.biXPelsPerMeter = picture.Header.biYPelsPerMeter = pelsPerMetre;
    const std::string path = dir.file("bild" + std::to_string(pelsPerMetre) + ".bmp").string();
    EXPECT_EQ(SaveDib(picture, path, kDibBmp), 1);
    return path;
  }

  // Fills the next frame dialog by `edit` and confirms it.
  void answerFrameDialog(std::function<void(FeldFormatDialog&)> edit) {
    host.feldFormat = [edit, this](FeldFormatDialog& d) {
      shownFrameDialog = d;
      edit(d);
      return true;
    };
  }

  test::TempDir dir;
  test::RecordingHost host;
  Editor editor{host};
  FeldFormatDialog shownFrameDialog;
};

TEST_F(ObjectCommands, PictureCellsAreSizedByTheirFilesResolution) {
  // 72 dpi, 300 dpi and a file without resolution, which takes the screen's.
  struct Case {
    int32_t pelsPerMetre;
    int dpi;
  };
  for (const Case c : {Case{2835, 72}, Case{11811, 300}, Case{0, 96}}) {
    host.openFile = pictureFile(c.pelsPerMetre);
    editor.GrafikEinfuegen();
    ASSERT_GT(doc().CurChar, 0);
    const TCharRec& cell = lineAt(doc(), caretPos(doc()))->Chars[static_cast<size_t>(doc().CurChar - 1)];
    EXPECT_EQ(cell.Kind, kCellPicture);
    EXPECT_NEAR(cell.CharWidth, 300.0 / c.dpi * kMmPerInch, 1e-9) << c.dpi;
    EXPECT_NEAR(cell.CharHeight, 150.0 / c.dpi * kMmPerInch, 1e-9) << c.dpi;
  }
  EXPECT_EQ(doc().PictureCount(), 3);
  EXPECT_EQ(host.lastOpenDialog.filters.front().patterns, "*.bmp;*.dib;*.jpg;*.jpeg;*.jpe;*.png");
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Grafik einfügen");

  const std::filesystem::path saved = dir.file("bilder.lpx");
  std::string message;
  ASSERT_TRUE(SaveLPXFile(doc(), saved, message)) << message;
  const auto bodyCells = [](const Document& d) {
    int cells = 0;
    for (const TLineRec& line : d.Fields[0].Lines) cells += line.CharCount();
    return cells;
  };
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(bodyCells(doc()), 2);
  editor.RestoreBeforeRestoreCopyFromUndo(0);
  EXPECT_EQ(bodyCells(doc()), 3);

  Document reopened;
  ASSERT_TRUE(OpenLPXFile(reopened, saved, message)) << message;
  EXPECT_EQ(bodyCells(reopened), 3);
  const LineList& lines = reopened.Fields[0].Lines;
  const TCharRec& last = lines[lines.size() - 1].Chars.back();
  EXPECT_NEAR(last.CharWidth, 300.0 / 96 * kMmPerInch, 1e-9);
  ASSERT_LT(last.PictureIndex, reopened.Pictures.size());
  EXPECT_EQ(reopened.Pictures[last.PictureIndex].width(), 300);
}

TEST_F(ObjectCommands, PicturesThatCannotBeHadInsertNothing) {
  host.openFile.clear();
  editor.GrafikEinfuegen();  // cancelled
  const std::string garbage = dir.file("kaputt.png").string();
  test::writeFileBytes(garbage, "not a picture at all");
  host.openFile = garbage;
  editor.GrafikEinfuegen();
  ASSERT_EQ(host.messages.size(), 1u);
  const std::string sentence = "Fehler: Die Datei " + garbage + " konnte nicht geladen werden!";
  // The reader's own text comes with the sentence as caption, or the
  // sentence alone when the reader says nothing useful.
  const bool withText = host.messages[0].caption == sentence && host.messages[0].text.size() >= 6;
  const bool alone = host.messages[0].text == sentence && host.messages[0].caption == "Fehler";
  EXPECT_TRUE(withText || alone);
  // During a ruler drag the dialog does not even open.
  host.openFile = pictureFile(0);
  editor.RulerDragMode = kRulerDragNone + 1;
  const int shown = host.dialogsShown;
  editor.GrafikEinfuegen();
  EXPECT_EQ(host.dialogsShown, shown);
  editor.RulerDragMode = kRulerDragNone;
  EXPECT_EQ(undoSteps(), 0u);
  EXPECT_EQ(doc().PictureCount(), 0);
}

TEST_F(ObjectCommands, DrawingObjectsTakeTheDrawingToolsLineAndFill) {
  host.objectStyle = {2.5, 0x0000FF, 0x00FF00, true};
  editor.InsertObject(2, 0, true, {10, 20, 60, 40});
  const TFieldRec& line = frame(doc().FieldCount() - 1);
  EXPECT_EQ(line.FieldType, kFieldLine);
  EXPECT_EQ(line.LineFlip, 1);
  EXPECT_EQ(line.WrapText, 0);
  EXPECT_EQ(line.BorderWidth, 2.5);
  EXPECT_EQ(line.BorderColor, 0x0000FF);
  EXPECT_EQ(line.BackColor, 0x00FF00);
  EXPECT_EQ(line.Transparent, 1);
  EXPECT_EQ(doc().CurField, doc().FieldCount() - 1);
  editor.TextfeldEinfuegen(0, {70, 20, 120, 60});
  EXPECT_EQ(frame(doc().FieldCount() - 1).FieldType, kFieldTextBox);
  EXPECT_EQ(frame(doc().FieldCount() - 1).WrapText, 1);
  EXPECT_EQ(editor.undoHistory().undoPopup(),
            (std::vector<std::string>{"Feld einfügen", "Zeichnungsobjekt einfügen"}));
}

TEST_F(ObjectCommands, APictureFrameExistsOnlyWithItsPicture) {
  const int32_t frames = doc().FieldCount();
  const TextPos caret = caretPos(doc());
  host.openFile.clear();
  editor.InsertObject(kInsertKindPictureFrame, 0, false, {10, 10, 50, 50});
  EXPECT_EQ(doc().FieldCount(), frames);
  EXPECT_EQ(caretPos(doc()), caret);
  EXPECT_EQ(undoSteps(), 0u);

  host.openFile = pictureFile(11811);
  editor.InsertObject(kInsertKindPictureFrame, 0, false, {10, 10, 50, 50});
  ASSERT_EQ(doc().FieldCount(), frames + 1);
  const TFieldRec& pictureFrame = frame(frames);
  EXPECT_EQ(pictureFrame.FieldType, kFieldPicture);
  ASSERT_EQ(std::as_const(pictureFrame.Lines)[0].CharCount(), 1);
  EXPECT_EQ(std::as_const(pictureFrame.Lines)[0].Chars[0].Kind, kCellPicture);
  EXPECT_EQ(editor.undoHistory().undoPopup(), std::vector<std::string>{"Zeichnungsobjekt einfügen"});
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(doc().FieldCount(), frames);
}

TEST_F(ObjectCommands, LinkingRefusesWhatWouldBreakAChain) {
  editor.Textfeldverknuepfen();  // the caret is in the page body
  EXPECT_EQ(host.messages.back().text, "Es ist kein Textfeld ausgewählt!");
  editor.TextfeldEinfuegen(0, {10, 10, 60, 40});
  const int32_t first = doc().CurField;
  editor.TextfeldEinfuegen(0, {10, 50, 60, 80});
  const int32_t second = doc().CurField;
  editor.TextfeldEinfuegen(0, {10, 90, 60, 120});
  const int32_t third = doc().CurField;

  setCaret(doc(), {first, 0, 0});
  setAnchor(doc(), {first, 0, 0});
  editor.Textfeldverknuepfen();
  EXPECT_TRUE(editor.viewOptions().LinkMode);
  editor.linkPendingPress(first);  // itself
  EXPECT_EQ(host.messages.back().text, "Dieses Feld ist schon verknüpft!");
  EXPECT_FALSE(editor.viewOptions().LinkMode);
  EXPECT_EQ(frame(first).NextField, -1);

  editor.Textfeldverknuepfen();
  editor.linkPendingPress(second);
  EXPECT_EQ(frame(first).NextField, second);
  EXPECT_EQ(frame(second).PrevField, first);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Textfeld verknüpfen");
  editor.Textfeldverknuepfen();
  EXPECT_EQ(host.messages.back().text, "Dieses Feld ist schon verknüpft!");
  EXPECT_FALSE(editor.viewOptions().LinkMode);

  // From the end of the chain back to its head.
  setCaret(doc(), {second, 0, 0});
  setAnchor(doc(), {second, 0, 0});
  const size_t messages = host.messages.size();
  editor.Textfeldverknuepfen();
  EXPECT_EQ(editor.viewOptions().LinkHead, first);
  editor.linkPendingPress(first);
  EXPECT_EQ(host.messages.size(), messages + 1);
  EXPECT_EQ(frame(second).NextField, -1);
  editor.Textfeldverknuepfen();
  editor.linkPendingPress(third);
  EXPECT_EQ(frame(third).PrevField, second);
}

TEST_F(ObjectCommands, StackingMovesOnlyObjectsAndChainsFollow) {
  ASSERT_EQ(doc().FieldCount(), 7);
  editor.Objektnachhinten();  // the page body stays where it is
  EXPECT_EQ(undoSteps(), 0u);
  editor.TextfeldEinfuegen(0, {10, 10, 60, 40});   // 7
  editor.TextfeldEinfuegen(0, {10, 50, 60, 80});   // 8
  editor.InsertObject(0, 0, false, {70, 10, 90, 30});  // 9
  doc().Fields[7].NextField = 8;
  doc().Fields[8].PrevField = 7;

  setCaret(doc(), {7, 0, 0});
  setAnchor(doc(), {7, 0, 0});
  editor.Objektnachhinten();  // already the bottom object
  EXPECT_EQ(frame(7).FieldType, kFieldTextBox);
  editor.Objektnachvorne();
  EXPECT_EQ(frame(9).FieldType, kFieldTextBox);
  EXPECT_EQ(frame(7).FieldType, kFieldRectangle);
  EXPECT_EQ(doc().CurField, 9);
  EXPECT_EQ(doc().MarkField, 9);
  EXPECT_EQ(frame(9).NextField, 8);
  EXPECT_EQ(frame(8).PrevField, 9);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Objekt nach vorne");

  setCaret(doc(), {8, 0, 0});
  setAnchor(doc(), {8, 0, 0});
  editor.Objektnachhinten();
  EXPECT_EQ(doc().CurField, 7);
  EXPECT_EQ(frame(9).NextField, 7);
  EXPECT_EQ(frame(7).PrevField, 9);
  EXPECT_EQ(frame(8).FieldType, kFieldRectangle);
}

TEST_F(ObjectCommands, FrameDialogWorksInCentimetresAndKeepsTheMinimum) {
  editor.TextfeldEinfuegen(0, {10, 20, 60, 40});
  doc().Fields.back().RightFromRight = 1;
  doc().Fields.back().Right = 210 - 60;
  answerFrameDialog([](FeldFormatDialog& d) {
    d.left = "3,5";
    d.width = "0,1";  // below the smallest side
    d.height = "x";   // no number: unchanged
    d.marginLeft = "1";
    d.borderWidth = 40;
  });
  editor.feldformatieren();
  EXPECT_TRUE(shownFrameDialog.objectPages);
  EXPECT_EQ(shownFrameDialog.page, 0);
  EXPECT_EQ(shownFrameDialog.width, "5");
  const TFieldRec& box = doc().Fields.back();
  EXPECT_DOUBLE_EQ(box.Left, 35);
  EXPECT_DOUBLE_EQ(box.Right, 210 - 37.5);  // still measured from the right
  EXPECT_DOUBLE_EQ(box.Bottom - box.Top, 20);
  EXPECT_DOUBLE_EQ(box.MarginLeft, 10);
  EXPECT_EQ(box.BorderWidth, kMaxBorderPoints);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Feld formatieren");
}

TEST_F(ObjectCommands, FormattingThePageBodyAdjustsHeaderAndFooter) {
  doc().Fields[1].MarginTop = 30;
  doc().Fields[2].MarginBottom = 5;
  answerFrameDialog([](FeldFormatDialog& d) {
    d.marginLeft = "2";
    d.marginRight = "3";
    d.marginTop = "1";
    d.marginBottom = "2";
  });
  editor.feldformatieren();
  EXPECT_FALSE(shownFrameDialog.objectPages);
  EXPECT_EQ(shownFrameDialog.page, 1);
  const TFieldRec& body = frame(0);
  EXPECT_DOUBLE_EQ(body.MarginLeft, 20);
  EXPECT_DOUBLE_EQ(body.MarginRight, 30);
  EXPECT_DOUBLE_EQ(body.MarginTop, 30);  // raised to the header's
  EXPECT_DOUBLE_EQ(body.MarginBottom, 20);
  EXPECT_DOUBLE_EQ(frame(1).Bottom, 29.5);
  EXPECT_DOUBLE_EQ(frame(2).Top, 19.5);
  EXPECT_DOUBLE_EQ(frame(1).MarginLeft, 20);
  EXPECT_DOUBLE_EQ(frame(2).MarginRight, 30);
}

TEST_F(ObjectCommands, PictureDialogCouplesSidesWhileBothArePositive) {
  GrafikPropsDialog d;
  d.width = 4;
  d.height = 2;
  d.ratio = 2;
  d.pictureRatio = 1;
  d.widthEdited(6);
  EXPECT_DOUBLE_EQ(d.height, 3);
  d.heightEdited(1);
  EXPECT_DOUBLE_EQ(d.width, 2);
  d.widthEdited(0);  // no ratio holds at 0: the height stays
  EXPECT_DOUBLE_EQ(d.height, 1);
  d.keepRatio = false;
  d.widthEdited(5);
  EXPECT_DOUBLE_EQ(d.height, 1);
  d.restoreOriginalRatio();
  EXPECT_DOUBLE_EQ(d.height, 5);

  host.openFile = pictureFile(11811);
  editor.GrafikEinfuegen();
  editor.GrafikFormatieren();  // nothing selected: no dialog
  const int shown = host.dialogsShown;
  EXPECT_EQ(shown, 1);
  setAnchor(doc(), {0, 0, 0});
  host.grafikProps = [](GrafikPropsDialog& dialog) {
    EXPECT_NEAR(dialog.ratio, 2.0, 1e-9);
    dialog.width = 5;
    dialog.height = 0;  // below the dialog's range
    return true;
  };
  editor.GrafikFormatieren();
  const TCharRec& cell = std::as_const(doc().Fields[0].Lines)[0].Chars[0];
  EXPECT_DOUBLE_EQ(cell.CharWidth, 50);
  EXPECT_DOUBLE_EQ(cell.CharHeight, 1);
  EXPECT_EQ(editor.undoHistory().undoPopup().front(), "Grafik formatieren");
}

}  // namespace
}  // namespace vendaro
