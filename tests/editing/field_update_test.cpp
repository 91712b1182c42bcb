// Date and time patterns, the widest page number and the field update: every
// code's text, document order, sizes that change the line, and that reading
// only the lines with fields comes to the same texts as reading all.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "editing/date_time_pattern.h"
#include "editing/editor.h"
#include "editing/field_update.h"
#include "editing/page_number_width.h"
#include "editing/settle_layout.h"
#include "support/property_seeds.h"
#include "support/recording_host.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

std::string format(std::string_view pattern, DateTime when = {2026, 3, 7, 9, 5, 4, 3, 6}) {
  return formatDateTime(pattern, when);
}

TEST(DateTimePattern, EveryLetterWithOneDigitValuesAndNames) {
  EXPECT_EQ(format("d dd ddd dddd"), "7 07 Sa Samstag");
  EXPECT_EQ(format("D.M.YY"), "7.3.26");
  EXPECT_EQ(format("m mm mmm mmmm"), "3 03 M\xE4r M\xE4rz");
  EXPECT_EQ(format("yy yyyy"), "26 2026");
  EXPECT_EQ(format("h hh n nn s ss z zzz"), "9 09 5 05 4 04 3 003");
  EXPECT_EQ(format("dddd", {2026, 3, 8, 0, 0, 0, 0, 0}), "Sonntag");
  EXPECT_EQ(format("mmmm", {2026, 12, 1, 0, 0, 0, 0, 2}), "Dezember");
  EXPECT_EQ(format("yyyy", {7, 1, 1, 0, 0, 0, 0, 0}), "0007");
  // Values outside their range are clamped, never index a name table.
  EXPECT_EQ(format("mmmm dddd", {2026, 13, 1, 0, 0, 0, 0, -4}), "Dezember Sonntag");
}

TEST(DateTimePattern, MinutesAfterAnHourLetterAndTheBuiltInPatterns) {
  const DateTime t{2026, 3, 7, 9, 5, 4, 3, 6};
  EXPECT_EQ(format("HH:MM", t), "09:05");
  EXPECT_EQ(format("H:MM", t), "9:05");
  EXPECT_EQ(format("H \"Uhr\" M", t), "9 Uhr 5");
  EXPECT_EQ(format("h:MM am/pm", t), "9:05 am");
  // Quoted text and separators do not count; any other letter does.
  EXPECT_EQ(format("h 'x' m", t), "9 x 5");
  EXPECT_EQ(format("h:ss:m", t), "9:04:3");
  EXPECT_EQ(format("m h", t), "3 9");
  EXPECT_EQ(format("d.mmmm.yyyy", t), "7.M\xE4rz.2026");
  EXPECT_EQ(format("mmm.yy", t), "M\xE4r.26");
  EXPECT_EQ(format("yyyy-mm-dd", t), "2026-03-07");
}

TEST(DateTimePattern, TwelveHourClockAtMidnightAndNoonInTheCaseWritten) {
  EXPECT_EQ(format("h am/pm", {2026, 1, 1, 0, 30, 0, 0, 4}), "12 am");
  EXPECT_EQ(format("h AM/PM", {2026, 1, 1, 12, 0, 0, 0, 4}), "12 PM");
  EXPECT_EQ(format("hh Am/pM", {2026, 1, 1, 13, 0, 0, 0, 4}), "01 pM");
  EXPECT_EQ(format("h:nn am/pm", {2026, 1, 1, 23, 59, 0, 0, 4}), "11:59 pm");
  EXPECT_EQ(format("h", {2026, 1, 1, 13, 0, 0, 0, 4}), "13");
}

TEST(DateTimePattern, QuotedTextIsCopiedAndAnOpenQuoteRunsToTheEnd) {
  EXPECT_EQ(format("'dd' \"mm\" dd"), "dd mm 07");
  EXPECT_EQ(format("dd 'open mm"), "07 open mm");
  EXPECT_EQ(format("'"), "");
  EXPECT_EQ(format(""), "");
  EXPECT_EQ(format("#/-"), "#/-");
}

// The widest number found by enumeration, the smallest of equals winning.
std::string enumeratedWidest(const Document& doc, int32_t font, std::string& best, double& bestWidth, int64_t n) {
  const std::string number = std::to_string(n);
  const double width = doc.textWidthMm(font, number);
  if (width > bestWidth) best = number, bestWidth = width;
  return best;
}

TEST(PageNumberWidth, EqualsEnumerationUpToTenThousandInTwoFonts) {
  Document doc = test::newWindowDocument();
  for (const char* face : {"Liberation Sans", "Z003"}) {
    TFontRec font = doc.CurFont;
    SetPCharText(font.Name, face);
    font.Size = 37.0;
    const int32_t index = doc.GetNewFontIndex(font);
    std::string best;
    double bestWidth = -1;
    for (int64_t n = 1; n <= 10000; ++n)
      ASSERT_EQ(widestPageNumber(doc, index, n), enumeratedWidest(doc, index, best, bestWidth, n)) << face << " " << n;
  }
  EXPECT_EQ(widestPageNumber(doc, 0, 0), "1");
}

TEST(PageNumberWidth, AHugePageNumberIsAnsweredFromTheDigits) {
  Document doc = test::newWindowDocument();
  const std::string widest = widestPageNumber(doc, 0, 2147483648LL);
  EXPECT_EQ(widest.size(), 10u);
  EXPECT_LE(widest, "2147483648");
}

class FieldUpdate : public ::testing::Test {
 protected:
  FieldUpdate() {
    editor.FormCreate();
    doc().CurFont.Size = 8;
    editor.setUserInfo({"Erika Muster", "EM", "Hauptstr. 1"});
  }
  Document& doc() { return editor.doc(); }

  // Appends a field cell to the last line of `field`; returns the field's
  // place among the frame's fields, which layout keeps however it wraps.
  struct FieldRef {
    int32_t field = 0;
    size_t ordinal = 0;
  };
  FieldRef addField(int32_t field, std::string_view code, std::string_view text = "?") {
    TFieldRec& frame = doc().Fields[static_cast<size_t>(field)];
    TCharRec cell;
    cell.Kind = kCellField;
    cell.Ch = 'a';
    cell.FontIndex = doc().GetNewFontIndex(doc().CurFont);
    SetPCharText(cell.Code, code);
    SetPCharText(cell.Text, text);
    TLineRec& line = frame.Lines.back();
    line.Chars.push_back(cell);
    line.Dirty = 1;
    return {field, fieldsOf(field).size() - 1};
  }
  std::vector<const TCharRec*> fieldsOf(int32_t field) const {
    std::vector<const TCharRec*> cells;
    for (const TLineRec& line : std::as_const(editor.doc().Fields[static_cast<size_t>(field)].Lines))
      for (const TCharRec& c : line.Chars)
        if (c.Kind == kCellField) cells.push_back(&c);
    return cells;
  }
  const TCharRec& cellOf(const FieldRef& f) const { return *fieldsOf(f.field).at(f.ordinal); }
  std::string textAt(const FieldRef& f) const { return std::string(textOf(cellOf(f).Text)); }

  test::RecordingHost host;
  Editor editor{host};
};

TEST_F(FieldUpdate, EveryCodeShowsItsText) {
  doc().DocProps[0] = "Der Titel";
  doc().DocProps[7] = "";
  doc().DocFileName = "/home/erika/Briefe/Brief.lpx";
  doc().DocTitle = "Brief.lpx";
  doc().Fields[0].PageNo = 11;  // the twelfth page
  const FieldRef page = addField(0, "page"), count = addField(0, "pagecount"), date = addField(0, "datetimedd.mm.yyyy HH:MM");
  const FieldRef file = addField(0, "file"), path = addField(0, "filepath"), user = addField(0, "userinf1");
  const FieldRef initials = addField(0, "userinf2"), address = addField(0, "userinf3"), title = addField(0, "docinf1");
  const FieldRef comment = addField(0, "docinf8"), form = addField(0, "FormFieldKunde", "{Kunde}");
  const FieldRef reserved = addField(0, "dbfield3", "alt"), unknown = addField(0, "userinf9", "bleibt");
  editor.RefreshDirtyContent();
  EXPECT_EQ(textAt(page).size(), 2u);  // room for the widest of 1 to 12
  EXPECT_EQ(textAt(count), "12");
  EXPECT_EQ(textAt(date), "07.03.2026 09:05");
  EXPECT_EQ(textAt(file), "Brief.lpx");
  EXPECT_EQ(textAt(path), "/home/erika/Briefe/Brief.lpx");
  EXPECT_EQ(textAt(user), "Erika Muster");
  EXPECT_EQ(textAt(initials), "EM");
  EXPECT_EQ(textAt(address), "Hauptstr. 1");
  EXPECT_EQ(textAt(title), "Der Titel");
  EXPECT_EQ(textAt(comment), " ");  // an empty text shows a blank
  EXPECT_EQ(textAt(form), "{Kunde}");
  EXPECT_EQ(textAt(reserved), "alt");
  EXPECT_EQ(textAt(unknown), "bleibt");
}

TEST_F(FieldUpdate, FileFieldsOfAnUnsavedDocumentShowTheTitleWithoutTheModifiedMark) {
  doc().DocTitle = "NONAME1";
  const FieldRef file = addField(0, "file"), path = addField(0, "filepath");
  editor.SetFileChanged(true);
  editor.RefreshDirtyContent();
  EXPECT_EQ(host.caption, "NONAME1*");
  EXPECT_EQ(textAt(file), "NONAME1");
  EXPECT_EQ(textAt(path), "NONAME1");
}

TEST_F(FieldUpdate, AutonumbersCountInFrameOrderHeaderFirst) {
  const FieldRef body = addField(0, "autonumber");
  const FieldRef head1 = addField(1, "autonumber"), head2 = addField(1, "autonumber");
  editor.RefreshContent();
  EXPECT_EQ(textAt(head1), "1");
  EXPECT_EQ(textAt(head2), "2");
  EXPECT_EQ(textAt(body), "3");
}

// The cells of a table row are read row by row: a running number that
// wrapping moves below another cell's line takes the later number in the
// same layout.
TEST_F(FieldUpdate, AutonumbersFollowTheRowsThatTableCellsWrapInto) {
  const std::string words = "Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl Zahl ";
  test::appendTableRow(doc(), {{words, 1.0}, {"", 1.0}});
  addField(0, "autonumber");
  const TCharRec number = doc().Fields[0].Lines[1].Chars.back();
  doc().Fields[0].Lines[0].Chars.push_back(number);
  const auto numberInCell = [&](int32_t cellIndex) {
    for (const TLineRec& line : std::as_const(doc().Fields[0].Lines))
      for (const TCharRec& cell : line.Chars)
        if (line.CellIndex == cellIndex && cell.Kind == kCellField) return std::string(textOf(cell.Text));
    return std::string();
  };
  editor.RefreshContent();
  // The left number wrapped into the row group below the right one.
  ASSERT_GT(doc().Fields[0].LineCount(), 2);
  ASSERT_EQ(numberInCell(1), "1");
  ASSERT_EQ(numberInCell(0), "2");

  // Text typed in front of the right number pushes it into the lower row.
  doc().CurLine = 1;
  for (size_t i = 0; i < words.size(); ++i) {
    doc().CurChar = static_cast<int32_t>(i);
    TCharRec* cell = doc().NewChar();
    cell->Ch = static_cast<uint8_t>(words[i]);
    doc().RenderChar(*cell);
  }
  doc().Fields[0].Lines[1].Dirty = 1;
  editor.RefreshDirtyContent();
  EXPECT_EQ(numberInCell(0), "1");
  EXPECT_EQ(numberInCell(1), "2");
}

TEST_F(FieldUpdate, AbsentTextOrCodeIsEmptyAndALongerTextBreaksTheLineAgain) {
  const FieldRef noCode = addField(0, "", "x");
  doc().Fields[0].Lines[0].Chars[noCode.ordinal].Code = {};
  const FieldRef noText = addField(0, "docinf1");
  doc().Fields[0].Lines[0].Chars[noText.ordinal].Text = {};
  editor.RefreshDirtyContent();
  EXPECT_EQ(textAt(noCode), "x");
  EXPECT_EQ(textAt(noText), " ");

  // A longer title must wrap the line, though nothing else marked it.
  doc().DocProps[0] = std::string(400, 'W');
  ASSERT_EQ(doc().Fields[0].LineCount(), 1);
  editor.RefreshDirtyContent();
  EXPECT_EQ(textAt(noText), doc().DocProps[0]);
  EXPECT_EQ(doc().Fields[0].LineCount(), 2);
  EXPECT_EQ(doc().Fields[0].Lines[1].Chars.size(), 1u);  // the field moved down
}

TEST_F(FieldUpdate, APageFieldKeepsItsRoomWhenPaintedSoLayoutSettles) {
  // Digits of different widths: the twelfth page's number is not the widest.
  TFontRec font = doc().CurFont;
  SetPCharText(font.Name, "Z003");
  font.Size = 40.0;
  doc().CurFont = font;
  doc().Fields[0].PageNo = 11;
  const FieldRef page = addField(0, "page");
  editor.RefreshDirtyContent();
  const std::string widest = textAt(page);
  const double reserved = cellOf(page).CharWidth;
  EXPECT_EQ(widest, widestPageNumber(doc(), cellOf(page).FontIndex, 12));
  EXPECT_FALSE(settleLayout(editor).wantsLayout());
  EXPECT_EQ(textAt(page), "12");
  EXPECT_DOUBLE_EQ(cellOf(page).CharWidth, reserved);
}

// Random documents with fields in body and header lines and random changes,
// some of which mark no line (document properties, user data, page numbers):
// after each layout the texts equal those of a walk over every cell.
TEST(FieldUpdateWalk, OnlyLinesWithFieldsGiveTheTextsOfTheFullWalk) {
  static const char* const kCodes[] = {"page", "pagecount", "autonumber", "datetimedd.mm.yy", "file",
                                       "userinf2", "docinf1", "docinf3", "FormFieldA", "dbase"};
  const unsigned seeds = test::propertySeeds(100);
  for (unsigned seed = 0; seed < seeds; ++seed) {
    std::mt19937 random(seed);
    test::RecordingHost host;
    Editor editor(host);
    editor.FormCreate();
    Document& doc = editor.doc();
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    for (int step = 0; step < 30; ++step) {
      const int32_t field = pick(3);  // body, first header or footer
      TFieldRec& frame = doc.Fields[static_cast<size_t>(field)];
      switch (pick(5)) {
        case 0: test::appendTextLine(doc, field, std::string(static_cast<size_t>(pick(120)), 'x')); break;
        case 1: {
          const size_t line = static_cast<size_t>(pick(frame.LineCount()));
          TCharRec cell;
          cell.Kind = kCellField;
          SetPCharText(cell.Code, kCodes[pick(10)]);
          TLineRec& target = frame.Lines[line];
          target.Chars.insert(target.Chars.begin() + pick(target.CharCount() + 1), cell);
          target.Dirty = 1;
          break;
        }
        case 2: doc.DocProps[static_cast<size_t>(pick(3))] = std::string(static_cast<size_t>(pick(60)), 'T'); break;
        case 3: doc.Fields[0].PageNo = pick(200); break;
        default: editor.setUserInfo({"", std::string(static_cast<size_t>(pick(50)), 'I'), ""}); break;
      }
      editor.RefreshDirtyContent();
      Document full = doc;
      FelderAktuallisieren(full, editor.fieldSources(), FieldWalk::everyLine);
      for (size_t f = 0; f < doc.Fields.size(); ++f)
        for (size_t l = 0; l < doc.Fields[f].Lines.size(); ++l)
          for (size_t c = 0; c < std::as_const(doc.Fields[f].Lines)[l].Chars.size(); ++c)
            ASSERT_EQ(textOf(std::as_const(doc.Fields[f].Lines)[l].Chars[c].Text),
                      textOf(std::as_const(full.Fields[f].Lines)[l].Chars[c].Text))
                << "seed " << seed << " step " << step;
    }
  }
}

}  // namespace
}  // namespace vendaro
