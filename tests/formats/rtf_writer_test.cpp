// The RTF writer byte for byte: the file's frame, paragraph and character
// formats, escaping, tables, list prefixes, footnotes, objects, pictures
// as metafiles that play back to the same pixels, and documents whose
// chains, rows and indexes are damaged.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "formats/metafile_picture.h"
#include "formats/rtf_file.h"
#include "formats/rtf_reader.h"
#include "formats/wmf_writer.h"
#include "platform/font_engine.h"
#include "support/sample_documents.h"

namespace vendaro {
namespace {

using Lines = std::vector<std::string>;

// The file split at CR LF; a bare LF or CR would be left inside a line.
Lines rtfLines(const std::string& rtf) {
  Lines lines;
  size_t start = 0;
  for (size_t end; (end = rtf.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(rtf.substr(start, end - start));
  EXPECT_EQ(start, rtf.size()) << "the file does not end with CR LF";
  return lines;
}

// Whether every group opened is closed again, none before it opens.
bool groupsBalance(const std::string& rtf) {
  int depth = 0;
  for (size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++depth;
    else if (rtf[i] == '}' && --depth < 0) return false;
  }
  return depth == 0;
}

// The body group: what follows the last footer group, the file's closing
// brace on a line of its own after it.
std::string bodyOf(const std::string& rtf) { return rtf.substr(rtf.rfind("}{\r\n") + 4); }

// A new window's document whose first line the test's text goes into.
Document plainDocument() {
  Document doc = test::newWindowDocument();
  doc.Fields[0].Lines[0].LineEnd = kLineEndSoft;
  return doc;
}

TLineRec& bodyLine(Document& doc, size_t index) { return doc.Fields[0].Lines[index]; }

TEST(RtfWriter, AnEmptyDocumentLineByLine) {
  Document doc = plainDocument();
  const Lines lines = rtfLines(encodeRtf(doc));
  const std::string firstFont = std::string(doc.Fonts[0].name());
  ASSERT_GE(lines.size(), 10u);
  EXPECT_EQ(lines[0], "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil " + firstFont + ";}");
  size_t at = 1;
  while (at < lines.size() && lines[at].starts_with("{\\f")) ++at;
  ASSERT_LT(at + 8, lines.size());
  EXPECT_EQ(lines[at], "}");
  EXPECT_TRUE(lines[at + 1].starts_with("{\\colortbl\\red0\\green0\\blue0;\\red255\\green255\\blue255;")) << lines[at + 1];
  EXPECT_EQ(lines[at + 2],
            "{\\info{\\title }{\\subject }{\\author }{\\operator }{\\company }{\\category }{\\keywords }{\\comment }}");
  EXPECT_TRUE(lines[at + 3].starts_with("\\paperw11906\\paperh16838\\margl")) << lines[at + 3];
  EXPECT_TRUE(lines[at + 3].ends_with("\\deftab720\\ftnbj\\sbknone")) << lines[at + 3];
  EXPECT_EQ(lines[at + 4], "{\\header{");
  EXPECT_EQ(lines[at + 5], "\\pard\\plain \\ql\\sl240\\slmult1\\deftab709 }");
  EXPECT_EQ(lines[at + 6], "}{\\footer{");
  EXPECT_EQ(lines[at + 7], "\\pard\\plain \\ql\\sl240\\slmult1\\deftab709 }");
  EXPECT_EQ(lines[at + 8], "}{");
  EXPECT_EQ(lines.back(), "}");
}

TEST(RtfWriter, HeaderLayoutsFollowTheLastFootersShowOn) {
  struct Case {
    uint8_t showOn;
    const char* groups;
  };
  for (const Case& c : {Case{kShowOnNotFirst, "\\titlepg{\\headerf{|}{\\footerf{|}{\\header{|}{\\footer{|"},
                        Case{kShowOnOdd, "\\facingp{\\headerl{|}{\\footerl{|}{\\headerr{|}{\\footerr{|"},
                        Case{kShowOnOddNotFirst,
                             "\\facingp\\titlepg{\\headerf{|}{\\footerf{|}{\\headerl{|}{\\footerl{|}{\\headerr{|}{\\footerr{|"}}) {
    Document doc = plainDocument();
    doc.Fields[6].ShowOn = c.showOn;
    std::string openings;
    for (const std::string& line : rtfLines(encodeRtf(doc)))
      if (line.find("{\\head") != std::string::npos || line.find("{\\foot") != std::string::npos) openings += line + "|";
    EXPECT_EQ(openings, c.groups) << int(c.showOn);
  }
}

TEST(RtfWriter, LineSpacingIndentsAndTabStops) {
  Document doc = plainDocument();
  for (int i = 0; i < 4; ++i) test::appendTextLine(doc, 0, "x");
  bodyLine(doc, 0).Para.LineSpacing = 1.5;
  bodyLine(doc, 1).Para.LineSpacingMode = 1;
  bodyLine(doc, 2).Para.LineSpacingMode = 2;
  TParaFormat& para = bodyLine(doc, 3).Para;
  para.Alignment = 3;
  para.FirstLineIndent = -5;
  para.LeftIndent = 10;
  para.SpaceAfter = 2.5;
  para.Tabs = {{20, 1, 2}, {40, 3, 0}};
  const Lines lines = rtfLines(bodyOf(encodeRtf(doc)));
  ASSERT_EQ(lines.size(), 5u);
  EXPECT_TRUE(lines[0].starts_with("\\pard\\plain \\ql\\sl360\\slmult1\\deftab709 ")) << lines[0];
  EXPECT_TRUE(lines[1].starts_with("\\par\\pard\\plain \\ql\\deftab709 ")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("\\par\\pard\\plain \\ql\\deftab709 ")) << lines[2];
  EXPECT_TRUE(lines[3].starts_with("\\par\\pard\\plain \\qj\\fi-283\\li567\\sa142\\sl240\\slmult1\\deftab709"
                                   "\\tqc\\tldot\\tx1134\\tqdec\\tx2268 "))
      << lines[3];
}

TEST(RtfWriter, SectionsStartWhereTheColumnsChange) {
  Document doc = plainDocument();
  for (int i = 0; i < 3; ++i) test::appendTextLine(doc, 0, "x");
  for (size_t i = 0; i < 2; ++i) {
    bodyLine(doc, i).ColumnCount = 2;
    bodyLine(doc, i).ColumnLines = 1;
    bodyLine(doc, i).ColumnGap = 5;
  }
  const Lines lines = rtfLines(bodyOf(encodeRtf(doc)));
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_TRUE(lines[0].starts_with("\\sectd\\sbknone\\cols2\\colsx283\\linebetcol\\pard")) << lines[0];
  EXPECT_TRUE(lines[1].starts_with("\\par\\pard")) << lines[1];
  EXPECT_TRUE(lines[2].starts_with("\\par\\sect\\sectd\\sbknone\\cols1\\colsx709\\pard")) << lines[2];
}

TEST(RtfWriter, TextIsEscapedAndFormatsAreWrittenOnlyWhereTheyChange) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "a{b}\\c\x01\xe4", kLineEndManual);
  test::appendTextLine(doc, 0, "zwei");
  TFontRec bold = doc.Fonts[bodyLine(doc, 0).Chars[0].FontIndex];
  bold.Style = 1;
  bodyLine(doc, 1).Chars[3].FontIndex = doc.GetNewFontIndex(bold);
  const std::string body = bodyOf(encodeRtf(doc));
  const Lines lines = rtfLines(body);
  ASSERT_EQ(lines.size(), 2u);
  // After "\pard\plain " every part of the format; then one run.
  EXPECT_NE(lines[0].find("\\deftab709 \\f"), std::string::npos);
  EXPECT_NE(lines[0].find("\\nosupersub\\cf0\\chcbpat0 a\\{b\\}\\\\c\\'01\xe4\\line zwe\\b1\\i0\\strike0 i}"), std::string::npos)
      << lines[0];
  EXPECT_EQ(lines[0].find("\\f", lines[0].find("\\f") + 2), lines[0].find("\\fs"));
}

// The field cells of a frame's first line as "code=text", other cells as
// their character.
Lines cellsOf(const Document& doc) {
  Lines cells;
  for (const TCharRec& cell : doc.Fields[0].Lines[0].Chars) {
    if (cell.Kind == kCellField) cells.push_back(std::string(textOf(cell.Code)) + "=" + std::string(textOf(cell.Text)));
    else cells.push_back(std::string(1, static_cast<char>(cell.Ch)));
  }
  return cells;
}

TEST(RtfWriter, FieldsAreWrittenAsFieldsAndReadBackAsTheSameCells) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "x");
  const std::vector<std::pair<std::string, std::string>> fields = {
      {"page", "3"},          {"pagecount", "12"},      {"autonumber", "2"},  {"file", "a.lpx"},
      {"filepath", "/t/a.lpx"}, {"userinf2", "AB"},     {"docinf5", "Firma {x}"},
      {"datetime" "dd.mm.yyyy \"um\" hh\\nn", "08.12.2026 um 23\\55"}, {"FormFieldOrt", "{Ort}"},
      {"dbfield3", "Meier"}};
  TFontRec bold = doc.Fonts[bodyLine(doc, 0).Chars[0].FontIndex];
  bold.Style = 1;
  const int32_t boldIndex = doc.GetNewFontIndex(bold);
  for (const auto& [code, text] : fields) {
    TCharRec cell = bodyLine(doc, 0).Chars[0];
    cell.Kind = kCellField;
    cell.FontIndex = boldIndex;
    SetPCharText(cell.Code, code);
    SetPCharText(cell.Text, text);
    bodyLine(doc, 0).Chars.push_back(cell);
  }
  const std::string rtf = encodeRtf(doc);
  EXPECT_NE(rtf.find("{\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\field{\\*\\fldinst DOCPROPERTY Company}{\\fldrslt Firma \\{x\\}}}"), std::string::npos);
  EXPECT_NE(rtf.find("{\\*\\fldinst FORMTEXT {\\*\\formfield{\\*\\ffname Ort}{\\*\\ffdeftext \\{Ort\\}}}}{\\fldrslt \\{Ort\\}}}"), std::string::npos);
  EXPECT_TRUE(groupsBalance(rtf));

  Document back = test::newWindowDocument();
  decodeRtf({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()}, back, nullptr);
  Lines expected = {"x"};
  for (const auto& [code, text] : fields) expected.push_back(code + "=" + text);
  // No instruction stands for a database field: it comes back as its text.
  expected.pop_back();
  for (const char c : std::string("Meier")) expected.push_back(std::string(1, c));
  EXPECT_EQ(cellsOf(back), expected);
  // A field keeps the format it was written in.
  const TCharRec& page = back.Fields[0].Lines[0].Chars[1];
  EXPECT_EQ(back.Fonts[page.FontIndex].Style & 1, 1);
}

// The colour table's entries, "\\redR\\greenG\\blueB" each.
Lines colourEntries(const std::string& rtf) {
  Lines entries;
  const size_t start = rtf.find("{\\colortbl") + 10;
  const size_t end = rtf.find('}', start);
  for (size_t at = start, next; at < end && (next = rtf.find(';', at)) < end; at = next + 1)
    entries.push_back(rtf.substr(at, next - at));
  return entries;
}

// The number after the first `control` from `from` on.
size_t numberAfter(const std::string& text, const std::string& control, size_t from = 0) {
  const size_t at = text.find(control, from);
  return at == std::string::npos ? SIZE_MAX : std::stoul(text.substr(at + control.size()));
}

TEST(RtfWriter, CharacterEffectsColoursAndBackgrounds) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "abc");
  TFontRec font = doc.Fonts[bodyLine(doc, 0).Chars[0].FontIndex];
  font.Attr = (1u << kAttrDoubleUnderline) | (1u << kAttrUnderline) | (1u << kAttrSuperscript) | (1u << kAttrAllCaps);
  font.Color = 0x0000FF;
  font.BackColor = 0x000000;
  font.BackTransparent = 0;
  bodyLine(doc, 0).Chars[0].FontIndex = doc.GetNewFontIndex(font);
  font.BackColor = 0x00FF00;
  font.BackTransparent = 1;
  bodyLine(doc, 0).Chars[1].FontIndex = doc.GetNewFontIndex(font);
  const std::string rtf = encodeRtf(doc);
  const Lines colours = colourEntries(rtf);
  const std::string body = bodyOf(rtf);
  ASSERT_NE(body.find("\\shad0\\scaps0\\caps1\\uldb\\super\\cf"), std::string::npos) << body;
  EXPECT_EQ(colours.at(numberAfter(body, "\\super\\cf")), "\\red255\\green0\\blue0");
  // Opaque black is no "none": it gets a second black entry, not index 0.
  const size_t background = numberAfter(body, "\\chcbpat");
  EXPECT_NE(background, 0u);
  EXPECT_EQ(colours.at(background), "\\red0\\green0\\blue0");
  EXPECT_NE(body.find("\\chcbpat" + std::to_string(background) + " a"), std::string::npos) << body;
  // Transparent is index 0 whatever colour the background keeps.
  EXPECT_NE(body.find("\\chcbpat0 b"), std::string::npos) << body;
}

TEST(RtfWriter, FontNamesAreEscapedWithoutTheEntryEnd) {
  Document doc = test::newWindowDocumentWithoutStyles();
  TFontRec font = defaultCurFont();
  font.Name = NullableString(std::string("Bad}Font;{x"));
  doc.CurFont = font;
  test::appendTextLine(doc, 0, "x");
  const Lines lines = rtfLines(encodeRtf(doc));
  EXPECT_EQ(lines[0], "{\\rtf1\\ansi{\\fonttbl{\\f0\\fnil Bad\\}Font\\{x;}");
  EXPECT_TRUE(groupsBalance(encodeRtf(doc)));
}

TEST(RtfWriter, BulletsAndNumbersAreWrittenAsPrefixes) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "Punkt");
  test::appendTextLine(doc, 0, "Zahl");
  test::appendTextLine(doc, 0, "");
  bodyLine(doc, 0).Para.ListKind = 1;
  bodyLine(doc, 0).Para.BulletChar = 0x9F;
  bodyLine(doc, 1).Para.ListKind = 2;
  bodyLine(doc, 1).Para.ListNumber = 7;
  bodyLine(doc, 2).Para.ListKind = 2;
  bodyLine(doc, 2).Para.ListNumber = 8;
  const std::string rtf = encodeRtf(doc);
  const Lines body = rtfLines(bodyOf(rtf));
  ASSERT_EQ(body.size(), 4u) << bodyOf(rtf);
  EXPECT_NE(rtf.find("\\fnil Wingdings;}"), std::string::npos);
  // 12 pt, no background: not the zeroed format's "\fs0" and opaque black.
  EXPECT_NE(body[0].find("\\fs24\\b0"), std::string::npos) << body[0];
  EXPECT_NE(body[0].find("\\chcbpat0 \\'9f\\tab\\plain \\f"), std::string::npos) << body[0];
  EXPECT_NE(body[1].find(" 7.\\tab\\plain \\f"), std::string::npos) << body[1];
  EXPECT_NE(body[2].find("\\fs24"), std::string::npos) << body[2];
  EXPECT_NE(body[2].find(" 8.\\tab\\plain }"), std::string::npos) << body[2];
}

TEST(RtfWriter, TableCellEdgesAreThePaintedOnes) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "vor");
  test::appendTableRow(doc, {{"a", 1.0}, {"b", 1.0}, {"c", 1.0}});
  test::appendTableRow(doc, {{"d", 1.0}, {"e", 3.0}});
  test::appendTextLine(doc, 0, "nach");
  for (size_t i = 1; i <= 3; ++i) bodyLine(doc, i).CellDesign.BackTransparent = 0;
  bodyLine(doc, 4).CellDesign.BorderPresent = {0, 1, 0, 0};
  const TFieldRec& body = doc.Fields[0];
  const FrameBounds bounds = doc.fieldBounds(body);
  const double width = bounds.x2 - bounds.x1 - body.MarginLeft - body.MarginRight;
  const auto twips = [](double mm) { return std::to_string(mmToTwips(mm)); };
  const std::string white = "\\clcbpat1";
  const std::string border = "\\brdrs\\brdrcf0\\brdrw15";
  const std::string all = "\\clbrdrl" + border + "\\clbrdrt" + border + "\\clbrdrb" + border + "\\clbrdrr" + border;
  const Lines lines = rtfLines(bodyOf(encodeRtf(doc)));
  ASSERT_EQ(lines.size(), 8u) << bodyOf(encodeRtf(doc));
  EXPECT_TRUE(lines[1].starts_with("\\par\\trowd\\trgaph142\\trleft0" + all + white + "\\cellx" + twips(width / 3) + all + white +
                                   "\\cellx" + twips(2 * width / 3) + all + white + "\\cellx" + twips(width) +
                                   "\\pard\\plain \\intbl"))
      << lines[1];
  EXPECT_TRUE(lines[1].ends_with(" a\\cell ")) << lines[1];
  EXPECT_TRUE(lines[3].ends_with(" c\\cell\\pard\\row ")) << lines[3];
  // The next row follows without "\par"; so does the text after the table.
  EXPECT_TRUE(lines[4].starts_with("\\trowd\\trgaph142\\trleft0\\clbrdrt" + border + "\\cellx" + twips(width / 4) + all +
                                   "\\cellx" + twips(width)))
      << lines[4];
  EXPECT_TRUE(lines[6].starts_with("\\pard\\plain \\ql")) << lines[6];
}

TEST(RtfWriter, CellsAreReadCellByCellAndBreaksInCellsAreControlWords) {
  Document doc = plainDocument();
  test::appendTableRow(doc, {{"a\rb\x0e" "c\x0f", 1.0}, {"x", 1.0}});
  test::appendTableRow(doc, {{"", 1.0}, {"y", 1.0}});
  // The first cell of the second row has two lines: they interleave.
  bodyLine(doc, 2).CellLastLine = 0;
  bodyLine(doc, 3).CellLastLine = 0;
  bodyLine(doc, 2).LineEnd = kLineEndSoft;
  TLineRec second = bodyLine(doc, 2);
  second.CellFirstLine = 0;
  second.CellLastLine = 1;
  TLineRec secondRight = bodyLine(doc, 3);
  secondRight.CellFirstLine = 0;
  secondRight.CellLastLine = 1;
  secondRight.Chars.clear();
  doc.Fields[0].Lines.insert(doc.Fields[0].Lines.begin() + 4, secondRight);
  doc.Fields[0].Lines.insert(doc.Fields[0].Lines.begin() + 4, second);
  const std::string body = bodyOf(encodeRtf(doc));
  EXPECT_NE(body.find(" a\\par b\\line c\\page \\cell "), std::string::npos) << body;
  const std::string secondRow = body.substr(body.find("\\row ") + 5);
  // Cell 0's two lines (the empty one, then "") before cell 1's "y".
  const size_t firstCellEnd = secondRow.find("\\cell ");
  const size_t y = secondRow.find(" y");
  EXPECT_LT(firstCellEnd, y) << secondRow;
  EXPECT_NE(secondRow.find("\\cell\\pard\\row "), std::string::npos);
}

// Layout pads the shorter cell of a row with an empty soft line; it is no
// paragraph, or every round trip would add one.
TEST(RtfWriter, LinesThatFillACellToItsRowsHeightAreNoParagraphs) {
  Document doc = plainDocument();
  test::appendTableRow(doc, {{"eins", 1.0}, {"zwei", 1.0}});
  for (const size_t line : {0u, 1u}) {
    bodyLine(doc, line).CellLastLine = 0;
    bodyLine(doc, line).LineEnd = kLineEndParagraph;
  }
  TLineRec filler = bodyLine(doc, 0);
  filler.Chars.clear();
  filler.LineEnd = kLineEndSoft;
  TLineRec below = bodyLine(doc, 1);
  below.Chars.resize(1);
  below.Chars[0].Ch = 'd';
  for (TLineRec* line : {&filler, &below}) {
    line->CellFirstLine = 0;
    line->CellLastLine = 1;
  }
  doc.Fields[0].Lines.insert(doc.Fields[0].Lines.begin() + 2, below);
  doc.Fields[0].Lines.insert(doc.Fields[0].Lines.begin() + 2, filler);
  const std::string body = bodyOf(encodeRtf(doc));
  EXPECT_NE(body.find(" eins\\cell "), std::string::npos) << body;
  EXPECT_NE(body.find(" zwei\r\n\\par\\pard"), std::string::npos) << body;
  EXPECT_NE(body.find(" d\\cell\\pard\\row "), std::string::npos) << body;
}

TEST(RtfWriter, FootnotesWriteTheirAreaAndTheirNumberAsAMark) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "Text");
  TCharRec reference;
  reference.Kind = kCellNoteRef;
  reference.NoteID = 4;
  reference.Ch = '1';
  bodyLine(doc, 0).Chars.push_back(reference);
  TFieldRec& area = test::appendFrame(doc, kFieldFooter, 20, 250, 190, 280);
  area.FootnoteNo = 4;
  const int32_t areaIndex = doc.FieldCount() - 1;
  test::appendTextLine(doc, areaIndex, " Anmerkung");
  TCharRec number;
  number.Kind = kCellNoteNumber;
  number.Ch = 1;
  TLineRec& note = doc.Fields[static_cast<size_t>(areaIndex)].Lines[0];
  number.FontIndex = note.Chars[0].FontIndex;
  note.Chars.insert(note.Chars.begin(), number);
  const std::string body = bodyOf(encodeRtf(doc));
  EXPECT_NE(body.find("Text\\chftn {\\footnote{\r\n\\pard\\plain "), std::string::npos) << body;
  EXPECT_NE(body.find("{\\chftn} Anmerkung}\r\n}"), std::string::npos) << body;
  EXPECT_EQ(body.find('\x01'), std::string::npos);
}

TEST(RtfWriter, ObjectsAnchoredToALineAndToThePage) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "Anker");
  TFieldRec& box = test::appendFrame(doc, kFieldTextBox, 30, 40, 80, 60);
  box.MoveWithText = 1;
  box.AnchorID = 120;
  box.AnchorDX = 5;
  box.AnchorDY = 2;
  box.BorderWidth = 1.5;
  box.BorderColor = 0x0000FF;
  box.Transparent = 1;
  box.BackColor = 0;
  const int32_t boxIndex = doc.FieldCount() - 1;
  test::appendTextLine(doc, boxIndex, "im Kasten");
  TFieldRec& line = test::appendFrame(doc, kFieldHorizontalLine, 25.4, 50.8, 50.8, 76.2);
  line.LineFlip = 1;
  bodyLine(doc, 0).AnchorID = 120;
  const std::string body = bodyOf(encodeRtf(doc));
  const auto twips = [](double mm) { return std::to_string(mmToTwips(mm)); };
  EXPECT_NE(body.find("{\\shp{\\*\\shpinst\\shpleft" + twips(5) + "\\shptop" + twips(2) + "\\shpright" + twips(55) +
                      "\\shpbottom" + twips(22) + "\\shpbxcolumn\\shpbypara\\shpwr3\\shpwrk0{\\sp{\\sn shapeType}{\\sv 202}}"
                      "{\\sp{\\sn fLine}{\\sv 1}}{\\sp{\\sn lineWidth}{\\sv 19050}}{\\sp{\\sn lineColor}{\\sv 255}}"
                      "{\\sp{\\sn fFilled}{\\sv 0}}{\\sp{\\sn DxTextLeft}{\\sv 36000}}"),
            std::string::npos)
      << body;
  EXPECT_NE(body.find("{\\shptxt {\r\n\\pard\\plain "), std::string::npos);
  EXPECT_NE(body.find(" im Kasten}"), std::string::npos);
  // Not anchored: page edges; a horizontal line through its middle.
  EXPECT_NE(body.find("{\\shp{\\*\\shpinst\\shpleft1440\\shptop2880\\shpright2880\\shpbottom4320\\shpbxpage\\shpbypage"
                      "\\shpwr3\\shpwrk0\\shptop3600\\shpbottom3600{\\sp{\\sn shapeType}{\\sv 20}}"),
            std::string::npos)
      << body;
  EXPECT_NE(body.find("{\\sp{\\sn fFlipH}{\\sv 1}}{\\sp{\\sn fFlipV}{\\sv 0}}}}"), std::string::npos);
}

TPictureRec patternPicture(int width, int height, int bits) {
  TPictureRec picture;
  EXPECT_TRUE(newdib(picture, width, height, bits));
  uint8_t* pixels = picture.mutablePixels();
  for (size_t i = 0; i < picture.pixelBytes(); ++i) pixels[i] = static_cast<uint8_t>(i * 37 + 11);
  for (size_t i = 0; i < picture.Palette.size(); ++i) picture.Palette[i] = static_cast<uint32_t>(i * 0x010307) & 0xFFFFFF;
  picture.Header.biXPelsPerMeter = 2835;  // 72 dpi, not the default
  picture.Header.biYPelsPerMeter = 5670;
  return picture;
}

// Only the pixels inside each row count; the padding after them is free.
void expectSamePixels(const TPictureRec& a, const TPictureRec& b) {
  ASSERT_EQ(a.width(), b.width());
  ASSERT_EQ(a.height(), b.height());
  ASSERT_EQ(a.Header.biBitCount, b.Header.biBitCount);
  EXPECT_EQ(a.Palette, b.Palette);
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) ASSERT_EQ(getpixel(a, x, y), getpixel(b, x, y)) << x << "," << y;
}

TEST(WmfWriter, PicturesPlayBackToTheSamePixelsAtTheirOwnDepth) {
  for (const int bits : {1, 4, 8, 16, 24, 32}) {
    const TPictureRec picture = patternPicture(13, 7, bits);
    const std::vector<uint8_t> metafile = bitmapMetafile(picture);
    ASSERT_GT(metafile.size(), 46u);
    // A memory metafile without the placeable header.
    EXPECT_EQ(metafile[0], 1);
    EXPECT_EQ(metafile[2], 9);
    TPictureRec played;
    ASSERT_TRUE(metafileToPicture(metafile, FontEngine::shared(), nullptr, played)) << bits;
    expectSamePixels(picture, played);
    EXPECT_EQ(played.Header.biXPelsPerMeter, picture.Header.biXPelsPerMeter) << bits;
    EXPECT_EQ(played.Header.biYPelsPerMeter, picture.Header.biYPelsPerMeter) << bits;
  }
  TPictureRec tooWide;
  ASSERT_TRUE(newdib(tooWide, 40000, 1, 1));
  EXPECT_TRUE(bitmapMetafile(tooWide).empty());
  EXPECT_TRUE(bitmapMetafile(TPictureRec{}).empty());
}

TEST(RtfWriter, PictureCellsCarryTheMetafileInLowerCaseHex) {
  Document doc = plainDocument();
  doc.Pictures = {patternPicture(5, 3, 8)};
  test::appendTextLine(doc, 0, "x");
  TCharRec cell;
  cell.Kind = kCellPicture;
  cell.CharWidth = 25.39995;
  cell.CharHeight = 12.699975;
  bodyLine(doc, 0).Chars.push_back(cell);
  cell.PictureIndex = 9;  // no such picture: nothing is written
  bodyLine(doc, 0).Chars.push_back(cell);
  const std::string body = bodyOf(encodeRtf(doc));
  const std::string opening = "{\\pict\\picw5\\pich3\\picwgoal1440\\pichgoal720\\wmetafile1 ";
  const size_t at = body.find(opening);
  ASSERT_NE(at, std::string::npos) << body;
  const size_t end = body.find('}', at);
  const std::string hex = body.substr(at + opening.size(), end - at - opening.size());
  std::string expected;
  for (const uint8_t byte : bitmapMetafile(doc.Pictures[0])) {
    static constexpr char kDigits[] = "0123456789abcdef";
    expected += kDigits[byte >> 4];
    expected += kDigits[byte & 15];
  }
  EXPECT_EQ(hex, expected);
  EXPECT_EQ(body.find("\\pict", end), std::string::npos);
}

Document readBack(const std::string& rtf) {
  Document doc = test::newWindowDocument();
  decodeRtf({reinterpret_cast<const uint8_t*>(rtf.data()), rtf.size()}, doc, nullptr);
  return doc;
}

// Each box of a chain is a shape of its own with its place in the chain
// and the text layout placed in it; reading links the boxes again.
TEST(RtfWriter, LinkedTextBoxesAreWrittenBoxByBoxAndReadBackLinked) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "Text");
  const int32_t first = doc.FieldCount();
  for (int i = 0; i < 3; ++i) test::appendFrame(doc, kFieldTextBox, 20 + 50 * i, 150, 60 + 50 * i, 170);
  test::appendFrame(doc, kFieldTextBox, 20, 200, 60, 220);
  const int32_t lone = first + 3;
  // Linked in the order 0 → 2 → 1; the text has been wrapped over the boxes.
  doc.Fields[static_cast<size_t>(first)].NextField = first + 2;
  doc.Fields[static_cast<size_t>(first + 2)].PrevField = first;
  doc.Fields[static_cast<size_t>(first + 2)].NextField = first + 1;
  doc.Fields[static_cast<size_t>(first + 1)].PrevField = first + 2;
  test::appendTextLine(doc, first, "eins");
  test::appendTextLine(doc, first + 2, "zwei");
  test::appendTextLine(doc, first + 1, "drei");
  test::appendTextLine(doc, lone, "allein");
  const std::string rtf = encodeRtf(doc);
  const auto place = [&](int64_t id) { return "{\\sp{\\sn lTxid}{\\sv " + std::to_string(id) + "}}"; };
  const size_t head = rtf.find(place(65536)), second = rtf.find(place(65537)), third = rtf.find(place(65538));
  ASSERT_NE(head, std::string::npos) << rtf;
  ASSERT_NE(second, std::string::npos);
  ASSERT_NE(third, std::string::npos);
  EXPECT_EQ(rtf.find("lTxid", rtf.find("allein")), std::string::npos);  // a lone box has no place
  // Each word stands in the shape of its box, between the box's place and the next shape.
  for (const auto& [id, word] : {std::pair<int64_t, const char*>{65536, "eins"}, {65537, "zwei"}, {65538, "drei"}}) {
    const size_t at = rtf.find(place(id)), end = rtf.find("{\\shp{", at), text = rtf.find(word);
    EXPECT_TRUE(at < text && text < end) << word << rtf;
  }

  const Document back = readBack(rtf);
  std::vector<int32_t> boxes;
  for (int32_t field = 0; field < back.FieldCount(); ++field)
    if (back.Fields[static_cast<size_t>(field)].FieldType == kFieldTextBox) boxes.push_back(field);
  ASSERT_EQ(boxes.size(), 4u);
  int32_t chained = 0;
  for (int32_t at = boxes[0]; at >= 0; at = back.Fields[static_cast<size_t>(at)].NextField) ++chained;
  EXPECT_EQ(chained, 3);
  EXPECT_EQ(back.Fields[static_cast<size_t>(boxes[3])].PrevField, -1);
  EXPECT_EQ(back.Fields[static_cast<size_t>(boxes[3])].NextField, -1);
}

// The frame decides the size a picture frame shows its picture at, whatever
// size the cell holds (0 in a frame made in the window).
TEST(RtfWriter, APictureFrameGivesItsPictureTheFramesSize) {
  Document doc = plainDocument();
  doc.Pictures = {patternPicture(5, 3, 8)};
  test::appendTextLine(doc, 0, "x");
  TFieldRec& frame = test::appendFrame(doc, kFieldPicture, 20.3, 30.1, 60.6, 50.05);
  test::appendTextLine(doc, doc.FieldCount() - 1, "");
  TCharRec cell;
  cell.Kind = kCellPicture;
  frame.Lines[0].Chars.push_back(cell);
  const std::string rtf = encodeRtf(doc);
  const std::string goal = "\\picwgoal" + std::to_string(mmToTwips(60.6) - mmToTwips(20.3)) + "\\pichgoal" +
                           std::to_string(mmToTwips(50.05) - mmToTwips(30.1)) + "\\wmetafile1 ";
  EXPECT_NE(rtf.find(goal), std::string::npos) << rtf.substr(rtf.find("{\\shp"), 400);
}

// Frames without width or height stay so; none grows to the page.
TEST(RtfWriter, FramesWithoutSizeComeBackWithoutSize) {
  for (const uint8_t kind : {kFieldTextBox, kFieldRectangle, kFieldEllipse, kFieldLine, kFieldPicture}) {
    Document doc = plainDocument();
    test::appendTextLine(doc, 0, "x");
    test::appendFrame(doc, kind, 30, 40, 30, 40);
    const Document back = readBack(encodeRtf(doc));
    ASSERT_EQ(back.FieldCount(), 8) << int(kind);
    const FrameBounds bounds = back.fieldBounds(back.Fields[7]);
    EXPECT_NEAR(bounds.x1, 30, 0.01) << int(kind);
    EXPECT_NEAR(bounds.y1, 40, 0.01) << int(kind);
    EXPECT_NEAR(bounds.x2, 30, 0.01) << int(kind);
    EXPECT_NEAR(bounds.y2, 40, 0.01) << int(kind);
  }
}

// A cell's indents are written from the row's gap, so that the text keeps
// its distance from the cell's sides in other readers and in ours, and an
// indent of 0 stays 0 rather than becoming the usual gap.
TEST(RtfWriter, CellIndentsCountFromTheRowGapAndComeBackUnchanged) {
  Document doc = plainDocument();
  test::appendTableRow(doc, {{"a", 1.0}, {"b", 1.0}, {"c", 1.0}});
  bodyLine(doc, 0).Para.LeftIndent = bodyLine(doc, 0).Para.RightIndent = 0;
  bodyLine(doc, 1).Para.LeftIndent = bodyLine(doc, 1).Para.RightIndent = 2.5;
  bodyLine(doc, 2).Para.LeftIndent = 7.5;
  bodyLine(doc, 2).Para.RightIndent = 1;
  const std::string rtf = encodeRtf(doc);
  EXPECT_NE(rtf.find("\\intbl\\ql\\li-142\\ri-142\\sl"), std::string::npos) << bodyOf(rtf);
  EXPECT_NE(rtf.find("\\intbl\\ql\\sl"), std::string::npos);
  const Document back = readBack(rtf);
  ASSERT_GE(back.Fields[0].LineCount(), 3);
  const std::vector<std::pair<double, double>> expected = {{0, 0}, {2.5, 2.5}, {7.5, 1}};
  for (size_t cell = 0; cell < expected.size(); ++cell) {
    EXPECT_NEAR(back.Fields[0].Lines[cell].Para.LeftIndent, expected[cell].first, 0.01) << cell;
    EXPECT_NEAR(back.Fields[0].Lines[cell].Para.RightIndent, expected[cell].second, 0.01) << cell;
  }
}

// Damaged chains, rows and indexes cannot hang or crash the writer, and
// every group it opens is closed.
TEST(RtfWriter, OddDocumentsAreWrittenWhole) {
  Document doc = plainDocument();
  test::appendTextLine(doc, 0, "eins");
  test::appendTextLine(doc, 0, "zwei");
  doc.Fields[0].NextField = 5;
  doc.Fields[5].PrevField = 0;
  doc.Fields[5].NextField = 0;  // a loop
  bodyLine(doc, 0).InTable = 1;
  bodyLine(doc, 0).CellFirstLine = 1;
  bodyLine(doc, 0).CellLastLine = 0;
  bodyLine(doc, 0).RowCells = INT_MAX;
  bodyLine(doc, 1).Chars[0].FontIndex = 5000;
  TCharRec picture;
  picture.Kind = kCellPicture;
  picture.PictureIndex = 3;
  bodyLine(doc, 1).Chars.push_back(picture);
  TFieldRec& frame = test::appendFrame(doc, kFieldPicture, 10, 10, 50, 50);
  frame.NextField = doc.FieldCount() - 1;  // links to itself
  test::appendTextLine(doc, doc.FieldCount() - 1, "kein Bild");
  bodyLine(doc, 1).AnchorID = 130;
  frame.MoveWithText = 1;
  frame.AnchorID = 130;
  const std::string rtf = encodeRtf(doc);
  EXPECT_TRUE(groupsBalance(rtf));
  EXPECT_NE(rtf.find("eins"), std::string::npos);
  EXPECT_NE(rtf.find("wei"), std::string::npos) << rtf;  // "z" has no format to write
  EXPECT_EQ(rtf.find("\\pict"), std::string::npos);
  EXPECT_EQ(rtf.find("kein Bild"), std::string::npos);
}

TEST(RtfWriter, LengthsRoundToNearestWithTiesToEven) {
  EXPECT_EQ(roundedToInt32(2.5), 2);
  EXPECT_EQ(roundedToInt32(3.5), 4);
  EXPECT_EQ(roundedToInt32(-2.5), -2);
  EXPECT_EQ(pointsToHalfPoints(10.25), 20);
  EXPECT_EQ(pointsToHalfPoints(10.75), 22);
  EXPECT_EQ(mmToTwips(25.39995), 1440);
  EXPECT_EQ(mmToTwips(1e300), INT_MAX);
  EXPECT_EQ(mmToTwips(0.0 / 0.0), 0);
}

}  // namespace
}  // namespace vendaro
