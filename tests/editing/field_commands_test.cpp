// Inserting fields, dates, form fields and footnotes through their dialogs
// with a scripted host and a fixed clock; the form dialog, the properties
// dialog and the word count.
#include <gtest/gtest.h>

#include <string>

#include "editing/editor.h"
#include "editing/word_count.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

class FieldCommands : public ::testing::Test {
 protected:
  FieldCommands() {
    editor.FormCreate();
    doc().CurFont.Size = 10;
    test::appendTextLine(doc(), 0, "Hallo Welt");
    editor.RefreshContent();
    caretAt(0, 5);
  }
  Document& doc() { return editor.doc(); }
  void caretAt(int32_t line, int32_t cell) {
    doc().CurField = doc().MarkField = 0;
    doc().CurLine = doc().MarkLine = line;
    doc().CurChar = doc().MarkChar = cell;
  }
  const TCharRec& cellAt(int32_t field, int32_t line, int32_t cell) const {
    return editor.doc().Fields[static_cast<size_t>(field)].Lines[static_cast<size_t>(line)].Chars[static_cast<size_t>(cell)];
  }
  // The text of a frame's lines, fields in brackets.
  std::string frameText(int32_t field) const {
    std::string text;
    for (const TLineRec& line : std::as_const(editor.doc().Fields[static_cast<size_t>(field)].Lines))
      for (const TCharRec& c : line.Chars)
        text += c.Kind == kCellField ? "[" + std::string(textOf(c.Text)) + "]" : std::string(1, static_cast<char>(c.Ch));
    return text;
  }
  // Every field of the page body as code=text, in order.
  std::string fieldTexts() const {
    std::string texts;
    for (const TLineRec& line : std::as_const(editor.doc().Fields[0].Lines))
      for (const TCharRec& c : line.Chars)
        if (c.Kind == kCellField) texts += std::string(textOf(c.Code)) + "=" + std::string(textOf(c.Text)) + " ";
    return texts;
  }
  std::string lastUndoCaption() const {
    const UndoHistory& undo = editor.undoHistory();
    return undo.step(undo.UndoCount() - 1).Caption;
  }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(FieldCommands, InsertFieldReplacesTheSelectionAndTakesItsTextAtOnce) {
  doc().MarkChar = 10;  // " Welt" selected
  editor.Seitenzahleinfuegen();
  EXPECT_EQ(frameText(0), "Hallo[1]");
  EXPECT_EQ(textOf(cellAt(0, 0, 5).Code), "page");
  EXPECT_EQ(cellAt(0, 0, 5).Ch, 'a');
  EXPECT_EQ(doc().CurChar, 6);
  EXPECT_EQ(doc().MarkChar, 6);
  EXPECT_EQ(lastUndoCaption(), "Feld einf\xFCgen");
  EXPECT_TRUE(doc().Modified);

  // Overwrite mode reuses the cell at the caret.
  editor.typingOptions().OverwriteMode = true;
  caretAt(0, 0);
  editor.InsertField("pagecount");
  EXPECT_EQ(frameText(0), "[1]allo[1]");

  editor.RestoreCopyFromUndo(0);
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(frameText(0), "Hallo Welt");
}

TEST_F(FieldCommands, FieldDialogEntriesAndUserPatterns) {
  host.feldEinfuegen = [](FeldEinfuegenDialog& d) {
    EXPECT_EQ(d.category, kCategoryNumbering);
    EXPECT_EQ(fieldNameEntries(kCategoryDate, d.now)[6], "2026-03-07\t [yyyy-mm-dd]");
    EXPECT_EQ(fieldNameEntries(kCategoryTime, d.now).back(), "Benutzerdefiniert");
    d.category = kCategoryDate;
    d.entry = 7;
    return true;
  };
  editor.FeldEinfuegen();
  EXPECT_EQ(textOf(cellAt(0, 0, 5).Code), "datetimeyy-mm-dd");
  EXPECT_EQ(textOf(cellAt(0, 0, 5).Text), "26-03-07");

  // "Benutzerdefiniert" with the time preset, then with nothing typed.
  host.feldEinfuegen = [](FeldEinfuegenDialog& d) { d.category = kCategoryTime, d.entry = 4; return true; };
  host.userDateTime = [](UserDateTimeDialog& d) { EXPECT_EQ(d.pattern, "HH:MM"); d.pattern += ":ss"; return true; };
  editor.FeldEinfuegen();
  EXPECT_EQ(fieldTexts(), "datetimeyy-mm-dd=26-03-07 datetimeHH:MM:ss=09:05:04 ");
  const std::string before = frameText(0);
  host.userDateTime = [](UserDateTimeDialog& d) { d.pattern.clear(); return true; };
  editor.FeldEinfuegen();
  EXPECT_EQ(frameText(0), before);
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Die angegebene Zeichkette darf nicht leer sein!");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::error);

  EXPECT_EQ(fieldCodeFor(kCategoryUser, 2), "userinf3");
  EXPECT_EQ(fieldCodeFor(kCategoryDocInfo, 7), "docinf8");
  EXPECT_EQ(fieldCodeFor(kCategoryDocInfo, 8), std::nullopt);
}

TEST_F(FieldCommands, DateAsTextIsTypedAndAsFieldIsAField) {
  doc().MarkChar = 10;
  host.dateTime = [](DateTimeDialog& d) {
    EXPECT_EQ(d.entries.size(), 13u);
    EXPECT_EQ(d.entries[8], "09:05\t [HH:MM]");
    d.selected = 8;  // the first time entry
    return true;
  };
  editor.DateTimeEinfuegen();
  EXPECT_EQ(frameText(0), "Hallo09:05");
  EXPECT_EQ(lastUndoCaption(), "Eingabe");
  EXPECT_EQ(doc().CurChar, 10);
  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(frameText(0), "Hallo Welt");

  host.dateTime = [](DateTimeDialog& d) { d.selected = 10, d.asField = true; return true; };
  caretAt(0, 0);
  editor.DateTimeEinfuegen();
  EXPECT_EQ(textOf(cellAt(0, 0, 0).Code), "datetimeH \"Uhr\" M");
  EXPECT_EQ(textOf(cellAt(0, 0, 0).Text), "9 Uhr 5");

  // "Benutzerdefiniert" opens empty; cancelling inserts nothing.
  host.dateTime = [](DateTimeDialog& d) { d.selected = 12; return true; };
  host.userDateTime = [](UserDateTimeDialog& d) { EXPECT_EQ(d.pattern, ""); return false; };
  const std::string before = frameText(0);
  editor.DateTimeEinfuegen();
  EXPECT_EQ(frameText(0), before);
}

TEST_F(FieldCommands, FormFieldsAreInsertedAndFilledByTheFormDialog) {
  editor.Formulardialog();
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "Es wurden noch keine Formularfelder definiert!");

  host.insertFormField = [](InsertFormFieldDialog& d) { EXPECT_EQ(d.name, "Feldname"); d.name = "Kunde"; return true; };
  editor.FormularFeldEinfuegen();
  host.insertFormField = [](InsertFormFieldDialog& d) { d.name = "Ort"; d.content = "Berlin"; return true; };
  editor.FormularFeldEinfuegen();
  EXPECT_EQ(frameText(0), "Hallo[{Kunde}][Berlin] Welt");
  EXPECT_EQ(textOf(cellAt(0, 0, 5).Code), "FormFieldKunde");
  host.insertFormField = [](InsertFormFieldDialog& d) { d.name.clear(); return true; };
  editor.FormularFeldEinfuegen();
  EXPECT_EQ(host.messages.back().text, "Der Name des Felder darf nicht leer sein!");

  const int32_t steps = editor.undoHistory().UndoCount();
  host.formDialog = [](FormDialog& d) {
    EXPECT_EQ(d.rows, (std::vector<std::pair<std::string, std::string>>{{"Kunde", "{Kunde}"}, {"Ort", "Berlin"}}));
    d.rows[0].second.clear();
    d.rows[1].second = "Hamburg an der Elbe";
    return true;
  };
  editor.Formulardialog();
  EXPECT_EQ(frameText(0), "Hallo[][Hamburg an der Elbe] Welt");
  EXPECT_EQ(cellAt(0, 0, 5).CharWidth, 0.0);
  EXPECT_EQ(editor.undoHistory().UndoCount(), steps + 1);
  EXPECT_EQ(lastUndoCaption(), "Formulardialog");
  // OK without a change takes no step.
  host.formDialog = [](FormDialog&) { return true; };
  editor.Formulardialog();
  EXPECT_EQ(editor.undoHistory().UndoCount(), steps + 1);
}

TEST_F(FieldCommands, AFootnoteMarksTheSelectionStartAndAddsItsArea) {
  doc().FootnoteCounter = 4;
  doc().MarkChar = 10;
  editor.FussnoteEinfuegen();
  EXPECT_EQ(frameText(0).substr(0, 5), "Hallo");
  const TCharRec& reference = cellAt(0, 0, 5);
  EXPECT_EQ(reference.Kind, kCellNoteRef);
  EXPECT_EQ(reference.NoteID, 5);
  EXPECT_TRUE(GettingOps(doc().Fonts[reference.FontIndex].Attr, kAttrSuperscript));
  EXPECT_EQ(frameText(0).substr(6), " Welt");  // the selected text stays
  EXPECT_EQ(doc().FootnoteCounter, 5);
  EXPECT_EQ(doc().CurChar, 6);
  EXPECT_EQ(doc().MarkChar, 6);
  EXPECT_EQ(lastUndoCaption(), "Fu\xDFnote einf\xFCgen");

  const int32_t area = doc().GetFootNoteField(5);
  ASSERT_GE(area, 0);
  const TFieldRec& frame = doc().Fields[static_cast<size_t>(area)];
  EXPECT_EQ(frame.FieldType, kFieldFooter);
  EXPECT_EQ(frame.PageNo, 0);
  EXPECT_TRUE(frame.TopFromBottom && frame.BottomFromBottom && frame.RightFromRight && frame.Transparent);
  EXPECT_DOUBLE_EQ(frame.TextDistX, 3.2);
  EXPECT_EQ(frame.MarginLeft, doc().Fields[0].MarginLeft);
  const TCharRec& mark = cellAt(area, 0, 0);
  EXPECT_EQ(mark.Kind, kCellNoteNumber);
  EXPECT_EQ(mark.NoteID, 5);
  EXPECT_TRUE(GettingOps(doc().Fonts[mark.FontIndex].Attr, kAttrSuperscript));
  EXPECT_EQ(cellAt(area, 0, 1).Ch, ' ');
  EXPECT_FALSE(GettingOps(doc().Fonts[cellAt(area, 0, 1).FontIndex].Attr, kAttrSuperscript));
  // Layout numbers the first footnote of the text 1.
  EXPECT_EQ(reference.ShownNumber, 1);

  editor.RestoreCopyFromUndo(0);
  EXPECT_EQ(doc().GetFootNoteField(5), -1);
}

// The tenth footnote's mark is wider than the ninth's: a line whose mark
// becomes 10 because a footnote was inserted before it is wrapped again,
// as a complete layout would wrap it.
TEST_F(FieldCommands, AFootnoteNumberOfAnotherWidthWrapsItsLineAgain) {
  for (int length = 40; length < 160; ++length) {
    editor.FormCreate();
    doc().CurFont.Size = 10;
    for (int k = 0; k < 8; ++k) test::appendTextLine(doc(), 0, "Absatz");
    std::string words;
    while (static_cast<int>(words.size()) < length) words += "nnnn ";
    words.resize(static_cast<size_t>(length));
    test::appendTextLine(doc(), 0, words + "mm");
    editor.RefreshContent();
    for (int32_t line = 0; line < 9; ++line) {
      caretAt(line, doc().Fields[0].Lines[static_cast<size_t>(line)].CharCount());
      editor.FussnoteEinfuegen();
    }
    caretAt(0, 0);
    editor.FussnoteEinfuegen();  // the last paragraph's mark turns from 9 to 10
    std::vector<int32_t> cells;
    for (const TLineRec& line : std::as_const(doc().Fields[0].Lines)) cells.push_back(line.CharCount());
    editor.RefreshContent();
    std::vector<int32_t> complete;
    for (const TLineRec& line : std::as_const(doc().Fields[0].Lines)) complete.push_back(line.CharCount());
    ASSERT_EQ(cells, complete) << length;
  }
}

TEST_F(FieldCommands, PropertiesChangeDocumentFieldsAndShowTheStatistics) {
  editor.InsertField("docinf2");
  editor.SetFileChanged(false);
  host.documentProps = [](DocumentPropsDialog& d) {
    EXPECT_EQ(d.page, 1);
    EXPECT_EQ(d.statistics[0], (std::pair<std::string, std::string>{"Bezeichnung", "Wert"}));
    EXPECT_EQ(d.statistics[2], (std::pair<std::string, std::string>{"W\xF6rter", "2"}));
    return true;
  };
  editor.DokumentEigenschaften(1);
  EXPECT_FALSE(doc().Modified);  // nothing changed
  host.documentProps = [](DocumentPropsDialog& d) { d.props[1] = "Das Thema"; return true; };
  editor.DokumentEigenschaften(0);
  EXPECT_TRUE(doc().Modified);
  EXPECT_EQ(doc().DocProps[1], "Das Thema");
  EXPECT_EQ(textOf(cellAt(0, 0, 5).Text), "Das Thema");
}

TEST(WordCount, WrappedWordsTablesAndTextBoxChains) {
  Document doc = test::newWindowDocument();
  test::appendTextLine(doc, 0, "Ein langes Wo", kLineEndSoft);  // "Wort" wrapped
  test::appendTextLine(doc, 0, "rt\tzwei");
  test::appendTableRow(doc, {{"A1 x", 1.0}, {"B1", 1.0}});
  TFieldRec& first = test::appendFrame(doc, kFieldTextBox, 10, 10, 50, 50);
  const int32_t firstIndex = doc.FieldCount() - 1;
  test::appendTextLine(doc, firstIndex, "Ket", kLineEndSoft);
  TFieldRec& second = test::appendFrame(doc, kFieldTextBox, 60, 10, 90, 50);
  const int32_t secondIndex = doc.FieldCount() - 1;
  test::appendTextLine(doc, secondIndex, "te", kLineEndSoft);
  doc.Fields[static_cast<size_t>(firstIndex)].NextField = secondIndex;
  doc.Fields[static_cast<size_t>(secondIndex)].PrevField = firstIndex;
  (void)first, (void)second;

  const WordCounts counts = CountWords(doc);
  // Ein langes Wort zwei | A1 x | B1 | Kette; empty header/footer frames
  // count a line and a paragraph each.
  EXPECT_EQ(counts.words, 8);
  const int64_t emptyFrames = 6;
  EXPECT_EQ(counts.lines, 5 + 1 + emptyFrames);  // 2 + 2 table lines in frame 0 + box lines
  EXPECT_EQ(counts.cells, 13 + 7 + 4 + 2 + 3 + 2);
  EXPECT_EQ(counts.charsWithoutBlanks, 11 + 6 + 3 + 2 + 3 + 2);
  EXPECT_EQ(counts.pages, 1);
}

}  // namespace
}  // namespace vendaro
