#include <gtest/gtest.h>

#include "document/caret_text.h"
#include "flow_builder.h"

namespace vendaro {
namespace {

using test::FlowBuilder;

std::pair<TextPos, TextPos> wordAt(Document& doc, TextPos caret) {
  setCaret(doc, caret);
  WortMarkieren(doc);
  return {anchorPos(doc), caretPos(doc)};
}

using Span = std::pair<TextPos, TextPos>;

TEST(CaretText, WordSelectionTakesTheWordAndTheSpacesAfterIt) {
  FlowBuilder b;
  b.text(0, "abc def  ghi").text(0, "Poster", kLineEndSoft).text(0, "druck ende").text(0, "ab").text(0, " cd");
  Document& d = b.doc;
  EXPECT_EQ(wordAt(d, {0, 0, 5}), Span({0, 0, 4}, {0, 0, 9}));
  EXPECT_EQ(wordAt(d, {0, 0, 7}), Span({0, 0, 4}, {0, 0, 9}));    // on a space: the word before it
  EXPECT_EQ(wordAt(d, {0, 0, 0}), Span({0, 0, 0}, {0, 0, 4}));
  EXPECT_EQ(wordAt(d, {0, 0, 10}), Span({0, 0, 9}, {0, 0, 12}));  // the paragraph mark stays out
  EXPECT_EQ(wordAt(d, {0, 0, 12}), Span({0, 0, 9}, {0, 0, 12}));
  EXPECT_EQ(wordAt(d, {0, 2, 2}), Span({0, 1, 0}, {0, 2, 6}));    // across the soft wrap
  EXPECT_EQ(wordAt(d, {0, 4, 0}), Span({0, 4, 0}, {0, 4, 1}));    // not back over a paragraph start
}

TEST(CaretText, WordSelectionStaysInsideATableCell) {
  FlowBuilder b;
  b.row(0, {{{"ab"}, {"cd"}}});
  EXPECT_EQ(wordAt(b.doc, {0, 1, 1}), Span({0, 1, 0}, {0, 1, 2}));
}

TEST(CaretText, ActualWordEndsAtSpecialCells) {
  FlowBuilder b;
  b.text(0, "Poster", kLineEndSoft).text(0, "druck xy-z");
  TCharRec field;
  field.Kind = kCellField;
  b.doc.Fields[0].Lines[1].Chars.insert(b.doc.Fields[0].Lines[1].Chars.begin() + 9, field);  // xy-[field]z
  Document& d = b.doc;
  setCaret(d, {0, 1, 3});
  EXPECT_EQ(GetActualWord(d, false), "Posterdruck");
  EXPECT_EQ(caretPos(d), (TextPos{0, 1, 3}));
  setCaret(d, {0, 1, 7});
  EXPECT_EQ(GetActualWord(d, true), "xy-");
  EXPECT_EQ(caretPos(d), (TextPos{0, 1, 6}));
  EXPECT_EQ(anchorPos(d), (TextPos{0, 1, 6}));
  setCaret(d, {0, 1, 10});
  EXPECT_EQ(GetActualWord(d, false), "z");
}

TEST(CaretText, ParagraphSelectionIncludesTheMark) {
  FlowBuilder b;
  b.text(0, "one").text(0, "two", kLineEndSoft).text(0, "three").text(0, "four").row(0, {{{"cell"}, {"x"}}});
  Document& d = b.doc;
  setAnchor(d, {0, 2, 1});
  AbsatzMarkieren(d);
  EXPECT_EQ(anchorPos(d), (TextPos{0, 1, 0}));
  EXPECT_EQ(caretPos(d), (TextPos{0, 3, 0}));
  setAnchor(d, {0, 4, 2});  // in a cell: the selection ends with the cell
  AbsatzMarkieren(d);
  EXPECT_EQ(anchorPos(d), (TextPos{0, 4, 0}));
  EXPECT_EQ(caretPos(d), (TextPos{0, 4, 4}));
}

TEST(CaretText, FontBeforeCaretLooksBackOverEmptyLines) {
  FlowBuilder b;
  TFontRec bold = defaultCurFont(), note = defaultCurFont();
  bold.Style = 1;
  note.Size = 7;
  SettingOps(note.Attr, kAttrSuperscript, true);
  const int32_t boldIndex = b.doc.GetNewFontIndex(bold), noteIndex = b.doc.GetNewFontIndex(note);
  b.text(0, "ab").text(0, "").text(0, "c");
  auto& lines = b.doc.Fields[0].Lines;
  lines[0].Chars[1].FontIndex = boldIndex;
  lines[2].Chars[0] = TCharRec{};
  lines[2].Chars[0].Kind = kCellNoteRef;
  lines[2].Chars[0].FontIndex = noteIndex;
  setCaret(b.doc, {0, 1, 0});
  EXPECT_EQ(fontBeforeCaret(b.doc)->Style, 1);  // the end of the line before
  setCaret(b.doc, {0, 2, 0});
  const std::optional<TFontRec> mark = fontBeforeCaret(b.doc);
  EXPECT_EQ(mark->Size, 7);
  EXPECT_FALSE(GettingOps(mark->Attr, kAttrSuperscript));
  FlowBuilder empty;
  empty.text(0, "").text(0, "");
  setCaret(empty.doc, {0, 1, 0});
  EXPECT_FALSE(fontBeforeCaret(empty.doc).has_value());
}

}  // namespace
}  // namespace vendaro
