#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "formats/lpx_file.h"
#include "formats/rtf_reader.h"
#include "formats/rtf_tokenizer.h"
#include "platform/canvas.h"
#include "platform/null_canvas.h"
#include "platform/raster_target.h"
#include "support/sample_documents.h"
#include "support/temp_dir.h"

namespace vendaro {
namespace {

std::span<const uint8_t> bytesOf(std::string_view text) {
  return {reinterpret_cast<const uint8_t*>(text.data()), text.size()};
}

Document read(std::string_view rtf, RasterTarget* raster = nullptr) {
  Document doc = test::newWindowDocument();
  decodeRtf(bytesOf(rtf), doc, raster);
  return doc;
}

// A line's text, special cells in brackets.
std::string textOf(const TLineRec& line) {
  std::string text;
  for (const TCharRec& cell : line.Chars) {
    if (cell.Kind == kCellPicture) text += "[P]";
    else if (cell.Kind == kCellNoteRef || cell.Kind == kCellNoteNumber) text += "[N]";
    else if (cell.Kind == kCellField) text += "[F " + std::string(textOf(cell.Text)) + "]";
    else text += static_cast<char>(cell.Ch);
  }
  return text;
}

std::vector<std::string> linesOf(const Document& doc, int32_t frame = 0) {
  std::vector<std::string> lines;
  for (const TLineRec& line : doc.Fields[static_cast<size_t>(frame)].Lines) lines.push_back(textOf(line));
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  return lines;
}

const TFontRec& fontOf(const Document& doc, int32_t line, int32_t cell) {
  return doc.Fonts[doc.Fields[0].Lines[static_cast<size_t>(line)].Chars[static_cast<size_t>(cell)].FontIndex];
}

std::string fixture(const std::string& name) {
  std::ifstream file(std::string(VENDARO_FIXTURE_DIR) + "/rtf/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Draws nothing, but yields a white bitmap of the size asked for.
class WhiteRaster final : public RasterTarget {
 public:
  bool render(int width, int height, int dpi, const std::function<void(Canvas&)>& paint, TPictureRec& out) override {
    NullCanvas canvas(dpi);
    paint(canvas);
    return newdib(out, width, height, 24);
  }
};

std::vector<rtf::Token> tokensOf(std::string_view text) {
  rtf::Tokenizer tokenizer(bytesOf(text));
  std::vector<rtf::Token> tokens;
  for (rtf::Token token = tokenizer.next(); token.kind != rtf::TokenKind::end; token = tokenizer.next())
    tokens.push_back(token);
  return tokens;
}

TEST(RtfTokenizer, WordsKeepTheirLimitsAndBinaryRunsStayInsideTheBytes) {
  const auto words = tokensOf("\\" + std::string(40, 'a') + "12345678901234 \\fs-24x\\\n\\'4");
  ASSERT_EQ(words.size(), 4u);
  EXPECT_EQ(words[0].word.size(), rtf::kMaxWordLetters);
  EXPECT_TRUE(words[0].hasParameter);
  EXPECT_EQ(words[0].parameter, 1234567890);  // only the first ten digits count
  EXPECT_EQ(words[1].word, "fs");
  EXPECT_EQ(words[1].parameter, -24);
  EXPECT_EQ(words[2].byte, 'x');              // the delimiter is no blank: it stays text
  EXPECT_EQ(words[3].word, "par");            // a backslash before a line end
  const auto binary = tokensOf("\\bin3 {}\\x\\bin99 ab");
  ASSERT_EQ(binary.size(), 3u);
  EXPECT_EQ(binary[0].data.size(), 3u);       // "{}\\" are data, not a group or a word
  EXPECT_EQ(binary[1].byte, 'x');
  EXPECT_EQ(binary[2].data.size(), 2u);       // no more than the bytes left
  EXPECT_EQ(tokensOf("\\bin-5 a").back().byte, 'a');
}

TEST(RtfReader, PlainTextTakesTheDefaultsOfAnEmptyRtfPage) {
  const Document doc = read("{\\rtf1\\ansi Hallo}");
  EXPECT_EQ(linesOf(doc), std::vector<std::string>{"Hallo"});
  EXPECT_EQ(fontOf(doc, 0, 0).name(), "Times New Roman");
  EXPECT_DOUBLE_EQ(fontOf(doc, 0, 0).Size, 12.0);
  EXPECT_NEAR(doc.PageWidth, 215.9, 0.01);
  EXPECT_NEAR(doc.PageHeight, 279.4, 0.01);
  EXPECT_NEAR(doc.Fields[0].MarginLeft, 31.75, 0.01);
  EXPECT_NEAR(doc.Fields[0].MarginTop, 25.4, 0.01);
  EXPECT_EQ(doc.CurField, 0);
  EXPECT_EQ(doc.CurLine, 0);
}

TEST(RtfReader, CharacterFormatsColoursAndEscapes) {
  const Document doc = read(fixture("formats.rtf"));
  EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"Rot schwarz fett \xE4 \xE4", "hell dunkel"}));
  EXPECT_EQ(fontOf(doc, 0, 0).name(), "Arial");
  EXPECT_DOUBLE_EQ(fontOf(doc, 0, 0).Size, 16.0);
  EXPECT_EQ(fontOf(doc, 0, 0).Color, 0x0000FF);  // red as 0x00BBGGRR
  EXPECT_EQ(fontOf(doc, 0, 4).Color, 0);         // \cf0 is black, not the table's first entry
  EXPECT_TRUE(GettingOpsB(fontOf(doc, 0, 13).Style, kAttrBold));
  EXPECT_EQ(doc.Fields[0].Lines[0].Para.Alignment, 1);  // centred
  // The highlight ends with its group.
  EXPECT_EQ(fontOf(doc, 1, 0).BackTransparent, 0);
  EXPECT_EQ(fontOf(doc, 1, 0).BackColor, 0xFFFF00);
  EXPECT_EQ(fontOf(doc, 1, 5).BackTransparent, 1);
}

TEST(RtfReader, ColourEntriesEndAtTheirSemicolonsAndHeaderDistancesFitTheMargins) {
  const Document doc = read("{\\rtf1{\\colortbl ;\\red0\\green255\\blue0; \\red0\\green0\\blue255;}\\margt720\\headery700"
                            "\\footery200\\cf2\\cb1 x}");
  EXPECT_EQ(fontOf(doc, 0, 0).Color, 0xFF0000);  // blanks between entries shift nothing
  EXPECT_EQ(fontOf(doc, 0, 0).BackColor, 0x00FF00);
  EXPECT_EQ(fontOf(doc, 0, 0).BackTransparent, 0);
  // A header distance that leaves no millimetre to the body's margin gives way.
  EXPECT_NEAR(doc.Fields[5].MarginTop, 0, 0.001);
  EXPECT_NEAR(doc.Fields[6].MarginBottom, 200 / 1440.0 * kMmPerInch, 0.001);
}

TEST(RtfReader, UnicodeAndItsFallbackGiveOneCharacter) {
  EXPECT_EQ(linesOf(read("{\\rtf1 a\\u8364\\'80b\\uc0\\u228 c\\uc2\\u-3913 xxd}")),
            std::vector<std::string>{"a\x80" "b\xE4" "c?d"});
  // Typographic words and escapes.
  EXPECT_EQ(linesOf(read("{\\rtf1 \\lquote x\\rquote\\endash\\emdash\\bullet\\~\\{\\}\\\\}")),
            std::vector<std::string>{"\x91x\x92\x96\x97\x95\xA0{}\\"});
  // A bad escape is dropped; the text after it stays.
  EXPECT_EQ(linesOf(read("{\\rtf1 a\\'zzb}")), std::vector<std::string>{"azzb"});
}

TEST(RtfReader, IgnorableGroupsAndSkippedDestinationsLeaveNoText) {
  EXPECT_EQ(linesOf(read("{\\rtf1 a{\\*\\unknownword text}b}")), std::vector<std::string>{"ab"});
  EXPECT_EQ(linesOf(read("{\\rtf1 a{\\unknownword text}b}")), std::vector<std::string>{"atextb"});
  EXPECT_EQ(linesOf(read("{\\rtf1{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}{\\author Me}}x}")),
            std::vector<std::string>{"x"});
  const Document doc = read("{\\rtf1{\\info{\\title Titel}{\\author Autor}}x}");
  EXPECT_EQ(doc.DocProps[0], "Titel");
  EXPECT_EQ(doc.DocProps[2], "Autor");
}

TEST(RtfReader, ParagraphFormatsAndBreaks) {
  const Document doc = read("{\\rtf1\\pard\\sl360\\li720\\sb240\\tqr\\tx2880\\tx1440 a\\par\\pard\\sl1000 b\\line c\\sect"
                            "\\sect d\\page e}");
  EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"a", "b", "c", "d", "e"}));
  const TParaFormat& first = doc.Fields[0].Lines[0].Para;
  EXPECT_DOUBLE_EQ(first.LineSpacing, 1.5);
  EXPECT_NEAR(first.LeftIndent, 12.7, 0.001);
  EXPECT_NEAR(first.SpaceBefore, 4.233, 0.001);
  ASSERT_EQ(first.TabCount(), 2);  // sorted, each with its own alignment
  EXPECT_NEAR(first.Tabs[0].Pos, 25.4, 0.001);
  EXPECT_EQ(first.Tabs[0].TabAlign, 0);
  EXPECT_EQ(first.Tabs[1].TabAlign, 2);
  EXPECT_DOUBLE_EQ(doc.Fields[0].Lines[1].Para.LineSpacing, 1.0);  // \sl1000 is ignored
  EXPECT_EQ(doc.Fields[0].Lines[1].LineEnd, kLineEndManual);
  EXPECT_EQ(doc.Fields[0].Lines[2].LineEnd, kLineEndParagraph);  // one \sect ends the paragraph, the empty second none
  EXPECT_EQ(doc.Fields[0].Lines[3].LineEnd, kLineEndPage);
}

TEST(RtfReader, EmptyCellsStayAndRepeatedDefinitionsMakeOneRow) {
  const Document doc = read(fixture("table.rtf"));
  EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"A", "", "C", "Danach"}));
  for (int32_t i = 0; i < 3; ++i) {
    const TLineRec& cell = doc.Fields[0].Lines[static_cast<size_t>(i)];
    EXPECT_EQ(cell.InTable, 1);
    EXPECT_EQ(cell.RowCells, 3);
    EXPECT_EQ(cell.CellIndex, i);
    EXPECT_NEAR(cell.CellWidthWeight, 17.639, 0.001);
  }
  EXPECT_EQ(doc.Fields[0].Lines[3].InTable, 0);
}

TEST(RtfReader, CellsBeyondTheDefinitionsTakeTheMeanWidthAndParagraphsStayInTheirCell) {
  const Document doc = read("{\\rtf1\\trowd\\trleft-100\\cellx900\\cellx2900\\clcbpat1\\clshdng2000\\cellx3000"
                            "{\\colortbl;\\red0\\green0\\blue255;}"
                            "\\intbl a\\par b\\cell c\\cell d\\cell e\\cell\\row f}");
  const LineList& lines = doc.Fields[0].Lines;
  EXPECT_EQ(lines[0].RowCells, 4);
  EXPECT_NEAR(lines[3].CellWidthWeight, (3000.0 + 100.0) / 3 / 1440 * kMmPerInch, 0.001);
  EXPECT_EQ(textOf(lines[0]), "a\rb");
  ASSERT_TRUE(lines[0].Chars[1].ParaRef);
  EXPECT_EQ(textOf(lines[4]), "f");
}

TEST(RtfReader, CellDefinitionsGiveBordersAndShadedBackgrounds) {
  const Document doc = read("{\\rtf1{\\colortbl;\\red0\\green0\\blue200;}\\trowd\\clbrdrt\\brdrw40\\brdrcf1\\cellx1000"
                            "\\clshdng5000\\cellx2000\\intbl a\\cell b\\cell\\row}");
  const TCellDesign& first = doc.Fields[0].Lines[0].CellDesign;
  EXPECT_EQ(first.BorderPresent, (std::array<uint8_t, 4>{0, 1, 0, 0}));
  EXPECT_DOUBLE_EQ(first.BorderWidth[1], 2.0);
  EXPECT_EQ(first.BorderColor[1], 0xC80000);
  EXPECT_EQ(first.BackTransparent, 1);
  const TCellDesign& second = doc.Fields[0].Lines[1].CellDesign;
  EXPECT_EQ(second.BorderPresent, (std::array<uint8_t, 4>{0, 0, 0, 0}));
  EXPECT_EQ(second.BackTransparent, 0);
  EXPECT_EQ(second.BackColor, 0x808080);  // white shaded by half
}

TEST(RtfReader, FootnoteBlanksAndTheFormatOfAnUnendedLastParagraph) {
  // The blank most writers put after the note number is the one the note
  // already has; a blank after other text or in a later note is kept.
  const Document notes = read("{\\rtf1 a{\\footnote\\pard{\\super\\chftn} x} b{\\footnote\\pard{\\chftn}y}  c}");
  EXPECT_EQ(linesOf(notes), std::vector<std::string>{"a[N] b[N]  c"});
  EXPECT_EQ(linesOf(notes, 7), std::vector<std::string>{"[N] x"});
  EXPECT_EQ(linesOf(notes, 8), std::vector<std::string>{"[N] y"});
  // A last paragraph inside a group that closes before the file keeps the
  // group's format; text after the group takes the outer one.
  EXPECT_EQ(read("{\\rtf1{a\\par\\pard\\qc b}}").Fields[0].Lines[1].Para.Alignment, 1);
  EXPECT_EQ(read("{\\rtf1{\\pard\\qc b} c}").Fields[0].Lines[0].Para.Alignment, 0);
}

TEST(RtfReader, HeadersFootersAndFootnotesKeepTheirTextAndReadingGoesOnWhereItWas) {
  const Document doc = read(fixture("header.rtf"));
  EXPECT_EQ(linesOf(doc), (std::vector<std::string>{"Text[N]", "weiter"}));
  EXPECT_EQ(linesOf(doc, 5), (std::vector<std::string>{"K", "Kopf"}));
  EXPECT_EQ(doc.Fields[5].Lines[0].InTable, 1);
  EXPECT_EQ(linesOf(doc, 6), std::vector<std::string>{"Fuss"});
  ASSERT_EQ(doc.FieldCount(), 8);
  EXPECT_EQ(doc.Fields[7].FootnoteNo, 1);
  EXPECT_EQ(linesOf(doc, 7), std::vector<std::string>{"[N] Note"});
  // The reference mark is in the format of the text around it.
  EXPECT_DOUBLE_EQ(fontOf(doc, 0, 4).Size, 12.0);
  EXPECT_EQ(fontOf(doc, 0, 4).name(), "Times New Roman");
  // First page and facing pages: each pair shows where it belongs.
  EXPECT_EQ(doc.Fields[1].ShowOn, kShowOnOnePage);
  EXPECT_EQ(doc.Fields[3].ShowOn, kShowOnEvenNotFirst);
  EXPECT_EQ(doc.Fields[5].ShowOn, kShowOnOddNotFirst);
}

TEST(RtfReader, FormFieldsBecomeFieldCellsAndNestedFieldsShowTheirOwnResult) {
  const Document doc = read(fixture("fields.rtf"));
  EXPECT_EQ(linesOf(doc), std::vector<std::string>{"A[F Vorgabe] BLink [F 7]"});
  const TCharRec& field = doc.Fields[0].Lines[0].Chars[1];
  EXPECT_EQ(textOf(field.Code), "FormFieldName");
  EXPECT_GT(field.CharWidth, 0);
  const Document unnamed = read("{\\rtf1{\\field{\\*\\fldinst FORMTEXT{\\*\\formfield}}{\\fldrslt x}}}");
  EXPECT_EQ(linesOf(unnamed), std::vector<std::string>{"[F {Feldname}]"});
}

// Instructions as other writers spell them: any case, switches after the
// name, the instruction split into groups; unknown ones keep their result
// as text.
TEST(RtfReader, KnownFieldInstructionsBecomeFieldCells) {
  const Document doc = read(
      "{\\rtf1{\\field{\\*\\fldinst { page \\\\* MERGEFORMAT }}{\\fldrslt 4}}"
      "{\\field{\\*\\fldinst {FILENAME} \\\\p}{\\fldrslt a}}"
      "{\\field{\\*\\fldinst DOCPROPERTY  \"company\"}{\\fldrslt b}}"
      "{\\field{\\*\\fldinst TIME \\\\@ \"HH:mm \\\\\"h\\\\\"\"}{\\fldrslt c}}"
      "{\\field{\\*\\fldinst DATE}{\\fldrslt d}}"
      "{\\field{\\*\\fldinst SYMBOL 65}{\\fldrslt e}}"
      "{\\field{\\*\\fldinst NUMPAGES}{\\fldrslt }}\\par}");
  std::vector<std::string> codes;
  for (const TCharRec& cell : doc.Fields[0].Lines[0].Chars)
    codes.push_back(cell.Kind == kCellField ? std::string(textOf(cell.Code)) + "=" + std::string(textOf(cell.Text))
                                            : std::string(1, static_cast<char>(cell.Ch)));
  const std::vector<std::string> expected = {"page=4", "filepath=a", "docinf5=b", "datetimeHH:mm \"h\"=c",
                                             "d",      "e",          "pagecount= "};
  EXPECT_EQ(codes, expected);
}

TEST(RtfReader, ShapesBecomeFramesAnchoredToTheirParagraph) {
  const Document doc = read(fixture("shapes.rtf"));
  ASSERT_EQ(doc.FieldCount(), 9);
  const TFieldRec& rectangle = doc.Fields[7];
  EXPECT_EQ(rectangle.FieldType, kFieldRectangle);
  EXPECT_EQ(rectangle.BackColor, 255);
  EXPECT_NEAR(rectangle.Left, 25.4, 0.001);
  EXPECT_EQ(rectangle.MoveWithText, 1);
  EXPECT_NE(rectangle.AnchorID, 0);
  EXPECT_EQ(doc.Fields[0].Lines[0].AnchorID, rectangle.AnchorID);
  EXPECT_EQ(doc.Fields[8].FieldType, kFieldTextBox);
  EXPECT_EQ(linesOf(doc, 8), std::vector<std::string>{"Im Kasten"});
  EXPECT_EQ(linesOf(doc), std::vector<std::string>{"Vorher"});
  // The members of a shape group are shapes of their own, wrapped as the group says.
  const Document group = read("{\\rtf1 x{\\shpgrp{\\*\\shpinst\\shpwr3{\\shp{\\*\\shpinst}}{\\shp{\\*\\shpinst}}}}y}");
  ASSERT_EQ(group.FieldCount(), 9);
  EXPECT_EQ(group.Fields[8].WrapText, 0);
  EXPECT_EQ(linesOf(group), std::vector<std::string>{"xy"});
  // A page of shapes alone still takes its paper size.
  const Document poster = read("{\\rtf1\\paperw16838\\paperh23811{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright99"
                               "\\shpbottom99}}}");
  EXPECT_NEAR(poster.PageWidth, 297.0, 0.01);
}

// "lTxid" numbers a chain in its high half and a box's place in the low;
// the boxes are linked in that order whatever order the file has them in.
TEST(RtfReader, TextBoxesWithAChainPlaceAreLinkedAgain) {
  const auto box = [](int id, const char* text) {
    return "{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 202}}{\\sp{\\sn lTxid}{\\sv " + std::to_string(id) +
           "}}{\\shptxt " + text + "}}}";
  };
  const Document doc = read("{\\rtf1 x" + box(65538, "") + box(65536, "Kette") + box(131072, "allein") +
                            box(65537, "") + box(131073, "") + box(196608, "") + box(196608, "") +
                            "{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 1}}{\\sp{\\sn lTxid}{\\sv 196609}}}}}");
  ASSERT_EQ(doc.FieldCount(), 15);
  const auto links = [&](int32_t frame) {
    return std::pair(doc.Fields[static_cast<size_t>(frame)].PrevField, doc.Fields[static_cast<size_t>(frame)].NextField);
  };
  EXPECT_EQ(links(8), std::pair(-1, 10));   // 65536
  EXPECT_EQ(links(10), std::pair(8, 7));    // 65537
  EXPECT_EQ(links(7), std::pair(10, -1));   // 65538
  EXPECT_EQ(linesOf(doc, 8), std::vector<std::string>{"Kette"});
  EXPECT_EQ(links(9), std::pair(-1, 11));
  EXPECT_EQ(links(11), std::pair(9, -1));
  // Two boxes claiming one place are not linked, and a rectangle takes no text.
  EXPECT_EQ(links(12), std::pair(-1, -1));
  EXPECT_EQ(links(13), std::pair(-1, -1));
  EXPECT_EQ(links(14), std::pair(-1, -1));
}

// Reading takes the format of each paragraph from the file only: a shape's
// or header's last paragraph keeps the format its own group gave it, and
// the table gains no font the text does not use.
TEST(RtfReader, TheLastParagraphOfAShapeOrHeaderKeepsItsFormatAndNoUnusedFontJoins) {
  Document doc = test::newWindowDocument();
  const TFontRec typing = doc.CurFont;
  decodeRtf(bytesOf("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\header{\\pard\\qr Kopf}}\\qc\\f0 Titel"
                    "{\\shp{\\*\\shpinst{\\shptxt {\\pard\\ql Kasten}}}}{\\shp{\\*\\shpinst{\\shptxt \\pard\\qr Rechts}}}\\par}"),
            doc, nullptr);
  ASSERT_EQ(doc.FieldCount(), 9);
  EXPECT_EQ(doc.Fields[0].Lines[0].Para.Alignment, 1);  // centred
  EXPECT_EQ(doc.Fields[7].Lines[0].Para.Alignment, 0);
  EXPECT_EQ(doc.Fields[8].Lines[0].Para.Alignment, 2);
  bool rightHeader = false;
  for (const TFieldRec& frame : doc.Fields)
    if (frame.FieldType == kFieldHeader && !frame.Lines.empty() && textOf(frame.Lines[0]) == "Kopf")
      rightHeader = frame.Lines[0].Para.Alignment == 2;
  EXPECT_TRUE(rightHeader);
  for (const TFontRec& font : doc.Fonts.entries()) EXPECT_NE(font.name(), typing.name());
  EXPECT_EQ(doc.CurFont, typing);
}

// A line shape without height or width is drawn as our horizontal or
// vertical line, which keeps its kind on the next round.
TEST(RtfReader, FlatLineShapesBecomeHorizontalAndVerticalLines) {
  const auto line = [](int left, int top, int right, int bottom) {
    return "{\\shp{\\*\\shpinst\\shpleft" + std::to_string(left) + "\\shptop" + std::to_string(top) + "\\shpright" +
           std::to_string(right) + "\\shpbottom" + std::to_string(bottom) + "{\\sp{\\sn shapeType}{\\sv 20}}}}";
  };
  const Document doc = read("{\\rtf1 x" + line(0, 500, 1440, 500) + line(700, 0, 700, 1440) + line(0, 0, 1440, 1440) + "}");
  ASSERT_EQ(doc.FieldCount(), 10);
  EXPECT_EQ(doc.Fields[7].FieldType, kFieldHorizontalLine);
  EXPECT_EQ(doc.Fields[8].FieldType, kFieldVerticalLine);
  EXPECT_EQ(doc.Fields[9].FieldType, kFieldLine);
}

TEST(RtfReader, EveryPictureKindDecodesAndAShapePictureIsNotReadTwice) {
  WhiteRaster raster;
  const Document doc = read(fixture("pictures.rtf"), &raster);
  EXPECT_EQ(linesOf(doc),
            (std::vector<std::string>{"PNG[P]", "JPEG[P]", "DIB[P]", "WMF[P]", "EMF[P]", "PAAR[P]", "BIN[P]"}));
  ASSERT_EQ(doc.PictureCount(), 7);
  EXPECT_EQ(doc.Pictures[0].width(), 4);
  EXPECT_EQ(doc.Pictures[2].width(), 2);
  EXPECT_EQ(doc.Pictures[5].width(), 4);  // the \shppict PNG, not the \nonshppict bitmap
  const TCharRec& jpeg = doc.Fields[0].Lines[1].Chars[4];
  EXPECT_NEAR(jpeg.CharWidth, 6.35, 0.001);   // 720 twips at 50 %
  EXPECT_NEAR(jpeg.CharHeight, 19.05, 0.001);  // 540 twips at 200 %
  // Without a raster target the drawn metafiles are left out, the rest stays.
  EXPECT_EQ(read(fixture("pictures.rtf")).PictureCount(), 5);
}

TEST(RtfReader, DamagedAndHostileInputOpensWithWhatItHolds) {
  // Every truncation of every fixture reads without failing.
  for (const char* name : {"formats.rtf", "table.rtf", "header.rtf", "fields.rtf", "shapes.rtf", "pictures.rtf"}) {
    const std::string whole = fixture(name);
    const size_t step = whole.size() > 2000 ? 97 : 1;
    for (size_t length = 0; length <= whole.size(); length += step) read(whole.substr(0, length));
  }
  EXPECT_EQ(linesOf(read("{\\rtf1 a{\\b b")), std::vector<std::string>{"ab"});
  EXPECT_EQ(linesOf(read("{\\rtf1 a}b}}c")), std::vector<std::string>{"a"});
  const std::string deep = "{\\rtf1 a" + std::string(1'000'000, '{') + "x";
  EXPECT_EQ(linesOf(read(deep)), std::vector<std::string>{"a"});
  EXPECT_EQ(linesOf(read("{\\rtf1 a\\bin0 b\\bin-1 c\\bin99999999999 d}")), std::vector<std::string>{"abc"});
  EXPECT_EQ(linesOf(read("{\\rtf1 {\\pict\\pngblip\\bin5 }}}}}}x}")), std::vector<std::string>{"x"});
  const Document huge = read("{\\rtf1\\paperw99999999999\\margl-5\\cols99\\deftab0\\fs99999999 x}");
  EXPECT_NEAR(huge.PageWidth, 10000.0, 0.1);
  EXPECT_DOUBLE_EQ(huge.Fields[0].MarginLeft, 0.0);
  EXPECT_EQ(huge.Fields[0].Lines[0].ColumnCount, 10);
  EXPECT_GT(huge.Fields[0].Lines[0].Para.DefaultTabWidth, 0);
  EXPECT_DOUBLE_EQ(fontOf(huge, 0, 0).Size, 999.0);
}

TEST(RtfReader, FilesThatAreNoRtfAreRefusedWithTheMessageAndLeaveTheDocumentAlone) {
  test::TempDir dir;
  const auto path = dir.path() / "renamed.rtf";
  std::ofstream(path, std::ios::binary) << std::string("\x89PNG\r\n\x1a\n\0\0", 10);
  Document doc = test::newWindowDocument();
  const Document before = doc;
  std::string message;
  EXPECT_FALSE(OpenRTFFile(doc, path, nullptr, message));
  EXPECT_EQ(message, cannotOpenMessage(path));
  EXPECT_EQ(doc.Fields, before.Fields);
  EXPECT_FALSE(OpenRTFFile(doc, dir.path() / "missing.rtf", nullptr, message));
  std::ofstream(path, std::ios::binary) << "{\\rtf1 Hallo}";
  EXPECT_TRUE(OpenRTFFile(doc, path, nullptr, message));
  EXPECT_EQ(linesOf(doc), std::vector<std::string>{"Hallo"});
}

}  // namespace
}  // namespace vendaro
