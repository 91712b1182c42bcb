// Copy, cut and paste through an in-memory clipboard: every kind of cell,
// selections that end mid-line, table column blocks, footnotes, text boxes,
// plain text line ends, bitmaps, and streams that must be refused whole.
#include <gtest/gtest.h>

#include "document/caret_moves.h"
#include "editing/clipboard_enabling.h"
#include "editing/clipboard_streams.h"
#include "editing/editor.h"
#include "formats/lpx_file.h"
#include "platform/dib_blocks.h"
#include "support/keyboard_driver.h"
#include "support/memory_clipboard.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

using test::flowText;
using test::typeKeys;

TPictureRec twoByTwoPicture() {
  TPictureRec pic;
  newdib(pic, 2, 2, 24);
  setpixel(pic, 0, 0, 0x0000FF);
  setpixel(pic, 1, 1, 0x00FF00);
  pic.Header.biXPelsPerMeter = pic.Header.biYPelsPerMeter = 3937;  // 100 dpi
  return pic;
}

struct ClipboardTest : ::testing::Test {
  ClipboardTest() {
    for (Editor* e : {&editor, &other}) {
      e->FormCreate();
      SetPCharText(e->doc().CurFont.Name, "Times New Roman");
      e->doc().CurFont.Size = 12;
    }
  }
  Document& doc() { return editor.doc(); }
  const TLineRec& line(int32_t index, int32_t field = 0) {
    return std::as_const(doc().Fields[static_cast<size_t>(field)].Lines).at(static_cast<size_t>(index));
  }
  void select(const TextPos& from, const TextPos& to) {
    setAnchor(doc(), from);
    setCaret(doc(), to);
  }
  void caretAt(Editor& e, const TextPos& pos) {
    setCaret(e.doc(), pos);
    setAnchor(e.doc(), pos);
  }
  size_t undoSteps(Editor& e) { return e.undoHistory().undoPopup().size(); }
  test::MemoryClipboardHost host;
  Editor editor{host};
  Editor other{host};
};

TEST_F(ClipboardTest, EveryKindOfCellTravelsWithItsFontAndParagraph) {
  typeKeys(editor, "Ab\tc");
  TLineRec& first = doc().Fields[0].Lines[0];
  first.Para.Tabs = {{25.0, 2, 2}};
  first.Para.ListKind = 1;
  SetPCharText(first.Para.BulletFont, "Symbol");
  TFontRec bold = doc().CurFont;
  bold.Style = 1;
  first.Chars[1].FontIndex = doc().GetNewFontIndex(bold);
  TCharRec field;
  field.Kind = kCellField;
  field.Ch = 'a';
  field.FontIndex = first.Chars[0].FontIndex;
  SetPCharText(field.Text, "Seite 1");
  SetPCharText(field.Code, "page");
  TCharRec picture = field;
  picture.Kind = kCellPicture;
  picture.Text.reset();
  picture.Code.reset();
  picture.CharWidth = 20;
  picture.CharHeight = 10;
  doc().Pictures.push_back(twoByTwoPicture());
  picture.PictureIndex = static_cast<uint16_t>(doc().PictureCount() - 1);
  first.Chars.push_back(field);
  first.Chars.push_back(picture);
  editor.RefreshContent();
  select({0, 0, 0}, {0, 0, 6});
  editor.KopierenInZwischenAblage(false);
  EXPECT_EQ(*host.text, "Ab\tc");

  other.doc().Pictures.resize(3);  // the pasted picture goes after these
  other.EinfuegenAusZwischenAblage(0);
  const TLineRec& pasted = std::as_const(other.doc().Fields[0].Lines).at(0);
  ASSERT_EQ(pasted.CharCount(), 6);
  EXPECT_EQ(flowText(other.doc()).substr(0, 4), "Ab\tc");
  EXPECT_EQ(other.doc().Fonts[pasted.Chars[1].FontIndex], bold);
  EXPECT_EQ(other.doc().Fonts[pasted.Chars[0].FontIndex].name(), "Times New Roman");
  EXPECT_EQ(pasted.Chars[2].CharHeight, -1.0);  // a tab as the Tab key makes it
  EXPECT_EQ(pasted.Chars[4].Kind, kCellField);
  EXPECT_EQ(textOf(pasted.Chars[4].Code), "page");
  ASSERT_EQ(pasted.Chars[5].Kind, kCellPicture);
  EXPECT_EQ(pasted.Chars[5].PictureIndex, 3);
  EXPECT_EQ(getpixel(other.doc().Pictures[3], 1, 1), getpixel(doc().Pictures.back(), 1, 1));
  EXPECT_EQ(pasted.Chars[5].CharWidth, 20);
  // The selection ended inside the line: its paragraph format stays home.
  EXPECT_TRUE(pasted.Para.Tabs.empty());

  // With the line's end copied, the paragraph format comes along.
  typeKeys(editor, "\nx");
  select({0, 0, 0}, {0, 1, 0});
  editor.KopierenInZwischenAblage(false);
  caretAt(other, {0, 0, 0});
  other.EinfuegenAusZwischenAblage(0);
  const TLineRec& formatted = std::as_const(other.doc().Fields[0].Lines).at(0);
  EXPECT_EQ(formatted.Para.Tabs, first.Para.Tabs);
  EXPECT_EQ(textOf(formatted.Para.BulletFont), "Symbol");
  EXPECT_EQ(formatted.LineEnd, kLineEndParagraph);
  EXPECT_EQ(other.undoHistory().undoPopup()[0], "Einfügen");
}

TEST_F(ClipboardTest, SelectionsEndingMidLinePasteWithoutALineBreak) {
  typeKeys(editor, "Hallo Welt\nzweite Zeile\nEnde");
  select({0, 0, 2}, {0, 0, 7});
  editor.KopierenInZwischenAblage(false);
  caretAt(editor, {0, 2, 4});
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(flowText(doc()), "Hallo Welt\nzweite Zeile\nEndello W");

  // Across a paragraph end into the middle of a word: two paragraphs, the
  // rest of the word behind the pasted text.
  select({0, 0, 6}, {0, 1, 6});
  editor.KopierenInZwischenAblage(false);
  EXPECT_EQ(*host.text, "Welt\r\nzweite");
  caretAt(editor, {0, 0, 2});
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(flowText(doc()).substr(0, 30), "HaWelt\nzweitello Welt\nzweite Z");
  EXPECT_EQ(caretPos(doc()), (TextPos{0, 1, 6}));
}

TEST_F(ClipboardTest, ColumnBlocksPasteAsRowsIntoTablesAndText) {
  test::appendTextLine(doc(), 0, "vorher");
  test::appendTableRow(doc(), {{"a", 1.0}, {"b", 1.0}, {"c", 1.0}});
  test::appendTableRow(doc(), {{"d", 1.0}, {"e", 1.0}, {"f", 1.0}});
  test::appendTextLine(doc(), 0, "nachher");
  editor.RefreshContent();
  select({0, 2, 0}, {0, 6, 1});  // columns 1 and 2 of both rows
  editor.KopierenInZwischenAblage(false);
  FormattedText stream;
  ASSERT_TRUE(decodeFormattedText(host.formattedText->data(), host.formattedText->size(), stream));
  EXPECT_TRUE(stream.tableCopy);
  ASSERT_EQ(stream.lines.size(), 4u);

  // Into a table: new rows of two cells before the caret's row.
  caretAt(editor, {0, 1, 0});
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(flowText(doc()).substr(0, 16), "vorher\nb\nc\ne\nf\n\n");
  for (int32_t i = 1; i <= 4; ++i) {
    EXPECT_EQ(line(i).InTable, 1);
    EXPECT_EQ(line(i).RowCells, 2);
    EXPECT_EQ(line(i).CellIndex, (i - 1) % 2);
  }
  EXPECT_EQ(line(6).CellIndex, 0);  // the old row is untouched
  EXPECT_EQ(line(6).RowCells, 3);

  // Into text: the rows appear where the caret was.
  caretAt(other, {0, 0, 0});
  other.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(flowText(other.doc()), "b\nc\ne\nf\n");
  EXPECT_EQ(std::as_const(other.doc().Fields[0].Lines).at(3).CellIndex, 1);

  // Paragraphs pasted into a cell of a wider row grow the whole row.
  const size_t lines = doc().Fields[0].Lines.size();
  host.formattedText.reset();
  host.text = "1\r\n2";
  caretAt(editor, {0, 7, 1});  // behind "b"
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(doc().Fields[0].Lines.size(), lines + 3);
  EXPECT_EQ(line(7).CharCount(), 2);  // "b1"
  EXPECT_EQ(line(10).Chars.at(0).Ch, '2');
  EXPECT_EQ(line(10).CellIndex, 1);
}

TEST_F(ClipboardTest, FootnotesGetTheNextNumberAndACopyOfTheirText) {
  typeKeys(editor, "Text");
  TCharRec reference;
  reference.Kind = kCellNoteRef;
  reference.Ch = '1';
  reference.NoteID = reference.ShownNumber = 1;
  reference.FontIndex = line(0).Chars[0].FontIndex;
  doc().Fields[0].Lines[0].Chars.push_back(reference);
  doc().FootnoteCounter = 1;
  TFieldRec note = emptyFootnoteFrame(doc(), 1);
  Document::InitNewLine(note.Lines, 0);
  TCharRec mark = reference;
  mark.Kind = kCellNoteNumber;
  note.Lines[0].Chars = {mark};
  doc().Fields.push_back(note);
  const int32_t noteField = doc().FieldCount() - 1;
  caretAt(editor, {noteField, 0, 1});
  typeKeys(editor, " Quelle");
  editor.RefreshContent();

  select({0, 0, 2}, {0, 0, 5});
  editor.KopierenInZwischenAblage(false);
  caretAt(editor, {0, 0, 0});
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(doc().FootnoteCounter, 2);
  const TCharRec& pasted = line(0).Chars[2];
  EXPECT_EQ(pasted.Kind, kCellNoteRef);
  EXPECT_EQ(pasted.NoteID, 2);
  const int32_t copy = doc().GetFootNoteField(2);
  ASSERT_GT(copy, noteField);
  EXPECT_EQ(flowText(doc(), copy).substr(1), " Quelle");
  EXPECT_EQ(line(0, copy).Chars[0].NoteID, 2);  // the frame's own mark

  // A reference whose frame is gone still gets a frame, empty.
  doc().Fields.erase(doc().Fields.begin() + noteField);
  ASSERT_EQ(line(0).Chars[7].NoteID, 1);
  select({0, 0, 6}, {0, 0, 8});
  editor.KopierenInZwischenAblage(false);
  caretAt(other, {0, 0, 0});
  other.EinfuegenAusZwischenAblage(0);
  const int32_t empty = other.doc().GetFootNoteField(1);
  ASSERT_GE(empty, 0);
  EXPECT_EQ(other.doc().Fields[static_cast<size_t>(empty)].LineCount(), 1);

  // Pasted into a footnote frame, a reference becomes that frame's mark.
  const int32_t target = doc().GetFootNoteField(2);
  ASSERT_GE(target, 0);
  caretAt(editor, {target, 0, 3});
  editor.EinfuegenAusZwischenAblage(0);
  ASSERT_GT(line(0, target).CharCount(), 4);
  EXPECT_EQ(line(0, target).Chars[4].Kind, kCellNoteNumber);
  EXPECT_EQ(line(0, target).Chars[4].NoteID, 2);
}

TEST_F(ClipboardTest, SelectedTextBoxesPasteAsNewFramesOfTheirOwn) {
  TFieldRec& box1 = test::appendFrame(doc(), kFieldTextBox, 20, 20, 80, 40);
  Document::InitNewLine(box1.Lines, 0);
  TFieldRec& box2 = test::appendFrame(doc(), kFieldTextBox, 20, 60, 80, 80);
  Document::InitNewLine(box2.Lines, 0);
  const int32_t first = doc().FieldCount() - 2;
  caretAt(editor, {first, 0, 0});
  typeKeys(editor, "eins");
  caretAt(editor, {first + 1, 0, 0});
  typeKeys(editor, "zwei");
  for (int32_t k : {0, 1}) {
    TFieldRec& box = doc().Fields[static_cast<size_t>(first + k)];
    box.ObjSelected = 1;
    box.AnchorID = 7 + k;
    box.PageNo = 5;  // a page the document lacks
  }
  doc().Fields[static_cast<size_t>(first)].NextField = first + 1;
  doc().Fields[static_cast<size_t>(first + 1)].PrevField = first;
  editor.KopierenInZwischenAblage(false);
  EXPECT_EQ(*host.text, "eins\r\nzwei");

  const int32_t before = other.doc().FieldCount();
  other.EinfuegenAusZwischenAblage(0);
  ASSERT_EQ(other.doc().FieldCount(), before + 2);
  for (int32_t k : {0, 1}) {
    const TFieldRec& box = other.doc().Fields[static_cast<size_t>(before + k)];
    EXPECT_EQ(box.FieldType, kFieldTextBox);
    EXPECT_EQ(box.PrevField, -1);
    EXPECT_EQ(box.NextField, -1);
    EXPECT_EQ(box.AnchorID, 0);
    EXPECT_EQ(box.ObjSelected, 0);
    EXPECT_EQ(box.PageNo, 0);
    EXPECT_EQ(flowText(other.doc(), before + k).substr(0, 4), k ? "zwei" : "eins");
  }

  // Cutting removes them as one step.
  editor.KopierenInZwischenAblage(true);
  EXPECT_EQ(doc().FieldCount(), first);
  EXPECT_EQ(editor.undoHistory().undoPopup()[0], "Ausschneiden");
}

TEST_F(ClipboardTest, PlainTextLineEndsAndControlCodes) {
  typeKeys(editor, "[]");
  caretAt(editor, {0, 0, 1});
  host.text = std::string("eins\r\nzwei\ndrei\r\rvier\x01\x0d\x0a\tf\xfc");
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(flowText(doc()), "[eins\nzwei\ndrei\n\nvier\n\tf\xfc]");
  EXPECT_EQ(line(5).Chars[0].CharHeight, -1.0);
  EXPECT_EQ(caretPos(doc()), (TextPos{0, 5, 3}));

  // Copying gives CR LF between paragraphs only.
  select({0, 0, 1}, {0, 2, 4});
  editor.KopierenInZwischenAblage(false);
  EXPECT_EQ(*host.text, "eins\r\nzwei\r\ndrei");
}

TEST_F(ClipboardTest, CutIsOneUndoStepAndNeedsAClipboard) {
  typeKeys(editor, "abc def");
  select({0, 0, 1}, {0, 0, 5});
  host.opens = false;
  editor.KopierenInZwischenAblage(true);
  EXPECT_EQ(flowText(doc()), "abc def");
  editor.EinfuegenAusZwischenAblage(0);
  host.opens = true;

  const size_t steps = undoSteps(editor);
  editor.KopierenInZwischenAblage(true);
  EXPECT_EQ(flowText(doc()), "aef");
  EXPECT_EQ(*host.text, "bc d");
  EXPECT_EQ(undoSteps(editor), steps + 1);
  EXPECT_EQ(editor.undoHistory().undoPopup()[0], "Ausschneiden");
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(flowText(doc()), "abc def");
}

TEST_F(ClipboardTest, PasteSpecialOffersOnlyWhatIsThere) {
  editor.InhalteEinfuegenAusZwischenAblage();
  EXPECT_TRUE(host.pasteSpecialEntries.empty());

  host.text = "Text";
  host.bitmap = packedDib(twoByTwoPicture());
  host.pasteSpecialChoice = 1;
  editor.InhalteEinfuegenAusZwischenAblage();
  EXPECT_EQ(host.pasteSpecialEntries, (std::vector<std::string>{"Unformatierter Text", "Bitmap Grafik"}));
  ASSERT_EQ(line(0).CharCount(), 1);
  const TCharRec& cell = line(0).Chars[0];
  EXPECT_EQ(cell.Kind, kCellPicture);
  EXPECT_NEAR(cell.CharWidth, 2 / 100.0 * kMmPerInch, 1e-6);  // 100 dpi
  EXPECT_EQ(editor.undoHistory().undoPopup()[0], "Grafik einfügen");
  EXPECT_EQ(getpixel(doc().Pictures[cell.PictureIndex], 0, 0), 0x0000FFu);
}

TEST_F(ClipboardTest, DamagedStreamsChangeNothingAndAutomaticPasteTakesTheText) {
  typeKeys(editor, "Wort");
  select({0, 0, 0}, {0, 0, 4});
  editor.KopierenInZwischenAblage(false);
  const std::vector<uint8_t> good = *host.formattedText;
  caretAt(editor, {0, 0, 4});
  const std::vector<uint8_t> saved = encodeLpx(doc());
  const size_t steps = undoSteps(editor);

  std::vector<std::vector<uint8_t>> damaged;
  for (size_t cut : {size_t(3), size_t(40), good.size() - 5}) damaged.emplace_back(good.begin(), good.begin() + static_cast<long>(cut));
  std::vector<uint8_t> badKind = good;
  badKind[0] = 3;
  damaged.push_back(badKind);
  std::vector<uint8_t> badCell = good;
  badCell[4 + 4 + 4 + 296] = 9;  // the first cell's kind
  damaged.push_back(badCell);
  std::vector<uint8_t> badLineEnd = good;
  badLineEnd[4 + 4 + 4 + 8] = 7;
  damaged.push_back(badLineEnd);
  std::vector<uint8_t> hugeCount = good;
  hugeCount[4 + 4 + 4 + 3] = 0x40;  // 2^30 cells announced
  damaged.push_back(hugeCount);
  for (const auto& bytes : damaged) {
    host.formattedText = bytes;
    host.text.reset();
    editor.EinfuegenAusZwischenAblage(1);
    editor.EinfuegenAusZwischenAblage(0);
    EXPECT_EQ(encodeLpx(doc()), saved);
    EXPECT_EQ(undoSteps(editor), steps);
  }
  host.text = "!";
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(flowText(doc()), "Wort!");
}

TEST_F(ClipboardTest, ObjectStreamsTakeOnlyObjectFramesAndBoundedPictures) {
  FormattedText objects;
  objects.kind = kStreamObjects;
  objects.frames.push_back({doc().Fields[0], {}});  // a page body
  objects.frames.back().frame.Lines = LineList{};
  host.formattedText = encodeFormattedText(objects);
  const int32_t frames = doc().FieldCount();
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(doc().FieldCount(), frames);
  objects.frames.back().frame.FieldType = kFieldRectangle;
  host.formattedText = encodeFormattedText(objects);
  editor.EinfuegenAusZwischenAblage(0);
  EXPECT_EQ(doc().FieldCount(), frames + 1);

  // A picture whose rows disagree with its header is refused, and so is
  // the stream that holds it.
  doc().Pictures.push_back(twoByTwoPicture());
  TCharRec picture;
  picture.Kind = kCellPicture;
  picture.FontIndex = 0;
  picture.PictureIndex = static_cast<uint16_t>(doc().PictureCount() - 1);
  TLineRec& home = doc().Fields[0].Lines[0];
  home.Chars = {picture};
  select({0, 0, 0}, {0, 0, 1});
  editor.KopierenInZwischenAblage(false);
  std::vector<uint8_t> bytes = *host.formattedText;
  const size_t pixelCount = 4 + 4 + 4 + 296 + 46 + 34 + 4 + textOf(doc().Fonts[0].Name).size();
  ASSERT_EQ(bytes[pixelCount], 16);  // two rows of eight bytes
  bytes[pixelCount + 4 + 16 + 4 + 14] = 16;  // the header now says 16 bits
  host.formattedText = bytes;
  const int32_t pictures = doc().PictureCount();
  editor.EinfuegenAusZwischenAblage(1);
  EXPECT_EQ(doc().PictureCount(), pictures);
}

TEST_F(ClipboardTest, MenuEntriesFollowTheSelectionAndWhatIsOffered) {
  const ClipboardFormats bitmapOnly{false, false, true};
  EXPECT_EQ(clipboardCommandsEnabled(nullptr, bitmapOnly), ClipboardCommandsEnabled{});
  typeKeys(editor, "ab");
  EXPECT_EQ(clipboardCommandsEnabled(&doc(), bitmapOnly), (ClipboardCommandsEnabled{false, false, true, true}));
  select({0, 0, 0}, {0, 0, 1});
  EXPECT_EQ(clipboardCommandsEnabled(&doc(), std::nullopt), (ClipboardCommandsEnabled{true, true, false, false}));
  EXPECT_EQ(clipboardCommandsEnabled(&doc(), ClipboardFormats{}), (ClipboardCommandsEnabled{true, true, false, false}));
}

}  // namespace
}  // namespace vendaro
