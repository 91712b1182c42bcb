// Word import: text, breaks and fields, character and paragraph formats,
// page setup, tables, headers and footers from files written byte by byte,
// and damaged files that must fail cleanly or give what could be read.
#include <gtest/gtest.h>

#include <cmath>

#include "document/page_setup.h"
#include "formats/word_file.h"
#include "support/word_file_builder.h"

namespace vendaro {
namespace {

using testing::WordFileBuilder;
using Bytes = WordFileBuilder::Bytes;

Bytes sprm(uint16_t opcode, Bytes operand) { return WordFileBuilder::sprm(opcode, std::move(operand)); }
Bytes join(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}
Bytes le16(int v) { return WordFileBuilder::le16(v); }

std::optional<Document> read(const WordFileBuilder& builder) {
  Document doc;
  if (!decodeWord(builder.build(), doc, nullptr)) return std::nullopt;
  return doc;
}

std::vector<std::string> texts(const Document& doc, size_t frame = 0) {
  std::vector<std::string> lines;
  for (const TLineRec& line : doc.Fields[frame].Lines) {
    std::string text;
    for (const TCharRec& cell : line.Chars) text += static_cast<char>(cell.Ch);
    lines.push_back(std::move(text));
  }
  return lines;
}

const TLineRec& lineOf(const Document& doc, size_t line, size_t frame = 0) { return doc.Fields[frame].Lines[line]; }
const TFontRec& fontOf(const Document& doc, size_t line, size_t cell) {
  return doc.Fonts[lineOf(doc, line).Chars[cell].FontIndex];
}

TEST(WordImport, TextBreaksAndCodePageIn8And16BitPieces) {
  for (bool wide : {false, true}) {
    WordFileBuilder b;
    b.wide = wide;
    b.text = wide ? u"A\u2013B \u20AC \u201Ez\u201C \u0436\r" : u"A\x96" u"B \x80 \x84z\x93 ?\r";
    b.text += u"x\x0By\x0Cz\t\x1Fqr\x1Es\r";
    const auto doc = read(b);
    ASSERT_TRUE(doc);
    EXPECT_EQ(texts(*doc), (std::vector<std::string>{"A\x96" "B \x80 \x84z\x93 ?", "x", "y", "z\tqr-s"})) << wide;
    EXPECT_EQ(lineOf(*doc, 0).LineEnd, kLineEndParagraph);
    EXPECT_EQ(lineOf(*doc, 1).LineEnd, kLineEndManual);
    EXPECT_EQ(lineOf(*doc, 2).LineEnd, kLineEndPage);
    // The optional hyphen shows nothing; the cell after it may break.
    EXPECT_TRUE(GettingOpsB(lineOf(*doc, 3).Chars[2].CharFlags, kFlagSoftHyphen));
    EXPECT_FALSE(GettingOpsB(lineOf(*doc, 3).Chars[1].CharFlags, kFlagSoftHyphen));
    EXPECT_EQ(doc->CurLine, 0);
  }
}

TEST(WordImport, FieldInstructionsNestAndOnlyResultsShow) {
  WordFileBuilder b;
  b.text = u"A \x13 IF \x13 PAGE \x14 7\x15 = 7 \x14yes\x15 B\x13 DATE \x15!\r";
  const auto doc = read(b);
  ASSERT_TRUE(doc);
  EXPECT_EQ(texts(*doc), std::vector<std::string>{"A yes B!"});
}

TEST(WordImport, PiecesGiveTheSameDocumentAsOne) {
  WordFileBuilder b;
  for (int i = 0; i < 40; ++i) b.text += u"Wort " + std::u16string(1, char16_t(u'a' + i % 26)) + (i % 7 == 6 ? u"\r" : u"");
  b.text += u"\r";
  b.charRuns = {{0, {}}, {11, sprm(0x0835, {1})}, {30, sprm(0x4A43, le16(30))}};
  const auto one = read(b);
  b.pieceCount = 37;
  const auto many = read(b);
  b.wide = true;
  const auto wide = read(b);
  ASSERT_TRUE(one && many && wide);
  EXPECT_EQ(one->Fields[0].Lines, many->Fields[0].Lines);
  EXPECT_EQ(one->Fields[0].Lines, wide->Fields[0].Lines);
  EXPECT_EQ(one->Fonts.entries(), many->Fonts.entries());
}

TEST(WordImport, CharacterFormatsStylesAndLimits) {
  WordFileBuilder b;
  b.text = u"abcdefg\r";
  // The paragraph style gives Arial 10 pt; the character style names itself.
  b.setStyles(join({sprm(0x4A4F, le16(1)), sprm(0x4A43, le16(20))}),
              join({sprm(0x4A30, le16(1)), sprm(0x0836, {1})}));
  b.charRuns = {{0, {}},
                {1, join({sprm(0x0835, {1}), sprm(0x4A43, le16(260))})},
                {2, join({sprm(0x2A3E, {3}), sprm(0x2A42, {6}), sprm(0x2A48, {1})})},
                {3, sprm(0x4A30, le16(1))},
                {4, sprm(0x4A43, le16(0))},
                {5, join({sprm(0x4A43, le16(5000)), sprm(0x4A4F, le16(77))})},
                {6, join({sprm(0x2A0C, {7}), sprm(0x0837, {1})})}};
  const auto doc = read(b);
  ASSERT_TRUE(doc);
  EXPECT_EQ(fontOf(*doc, 0, 0).name(), "Arial");
  EXPECT_EQ(fontOf(*doc, 0, 0).Size, 10.0);
  EXPECT_EQ(fontOf(*doc, 0, 0).BackTransparent, 1);
  EXPECT_EQ(fontOf(*doc, 0, 1).Size, 130.0);
  EXPECT_EQ(fontOf(*doc, 0, 1).Style & 1, 1);
  const TFontRec& underlined = fontOf(*doc, 0, 2);
  EXPECT_TRUE(GettingOps(underlined.Attr, kAttrDoubleUnderline) && GettingOps(underlined.Attr, kAttrSuperscript));
  EXPECT_EQ(underlined.Style & 4, 4);
  EXPECT_EQ(underlined.Color, 0x0000FF);
  EXPECT_EQ(fontOf(*doc, 0, 3).Style & 2, 2);  // italic from the character style, no endless loop
  EXPECT_EQ(fontOf(*doc, 0, 4).Size, 1.0);
  EXPECT_EQ(fontOf(*doc, 0, 5).Size, 999.0);
  EXPECT_EQ(fontOf(*doc, 0, 6).BackColor, 0x00FFFF);
  EXPECT_EQ(fontOf(*doc, 0, 6).BackTransparent, 0);
  EXPECT_EQ(fontOf(*doc, 0, 6).Style & 8, 8);
}

TEST(WordImport, ParagraphFormats) {
  WordFileBuilder b;
  b.text = u"eins\rzwei\rdrei\r";
  WordFileBuilder::put16(b.dop, 10, static_cast<uint16_t>(-5));  // a default tab width that cannot be
  // Tab stops: add 1440 (right, dots) and 720 (centre), then in the second
  // paragraph delete 720 and replace 1440 by a decimal stop.
  const Bytes addTabs = sprm(0xC60D, {8, 0, 2, 0xA0, 0x05, 0xD0, 0x02, 0x0A, 0x01});
  b.paraRuns = {{0, join({sprm(0x2403, {1}), sprm(0x840F, le16(1440)), sprm(0x8411, le16(-360)), addTabs,
                          sprm(0xA413, le16(240)), sprm(0x6412, join({le16(360), le16(1)}))})},
                {5, join({addTabs, sprm(0xC60D, {7, 1, 0xD0, 0x02, 1, 0xA0, 0x05, 0x03}), sprm(0x6412, join({le16(-400), le16(0)}))})},
                {10, join({sprm(0x2403, {3}), sprm(0x460B, le16(1))})}};
  const auto doc = read(b);
  ASSERT_TRUE(doc);
  const TParaFormat& first = lineOf(*doc, 0).Para;
  EXPECT_EQ(first.Alignment, 1);
  EXPECT_NEAR(first.LeftIndent, 25.4, 0.01);
  EXPECT_NEAR(first.FirstLineIndent, -6.35, 0.01);
  EXPECT_NEAR(first.SpaceBefore, 4.23, 0.01);
  EXPECT_EQ(first.LineSpacing, 1.5);
  EXPECT_NEAR(first.DefaultTabWidth, 12.7, 0.01);
  ASSERT_EQ(first.Tabs.size(), 2u);
  EXPECT_EQ(first.Tabs[0].TabAlign, 1);
  EXPECT_EQ(first.Tabs[1].TabAlign, 2);
  EXPECT_EQ(first.Tabs[1].Leader, 2);
  const TParaFormat& second = lineOf(*doc, 1).Para;
  ASSERT_EQ(second.Tabs.size(), 1u);
  EXPECT_EQ(second.Tabs[0].TabAlign, 3);
  EXPECT_EQ(second.LineSpacingMode, 2);
  EXPECT_NEAR(second.LineSpacing, 7.06, 0.01);
  EXPECT_EQ(lineOf(*doc, 2).Para.Alignment, 3);
  EXPECT_EQ(lineOf(*doc, 2).Para.ListKind, 2);
}

TEST(WordImport, PageSetupFromTheFirstSection) {
  struct Case { Bytes sprms; uint8_t facing; PageSetupValues expected; };
  const auto twips = [](int mm10) { return le16(static_cast<int>(std::lround(mm10 / 254.0 * 1440 / 1.0))); };
  PageSetupValues a4{210, 297, 20, 25, 20, 25, 12.5, 10, kFirstPageEvenOdd};
  PageSetupValues defaults{215.9, 279.4, 31.75, 25.4, 31.75, 25.4, 12.7, 12.7, kSameOnAllPages};
  PageSetupValues pulled = defaults;
  pulled.HeaderDistance = 25.4 - 13.0628314;
  pulled.Mode = kFirstPage;
  const std::vector<Case> cases = {
      {join({sprm(0xB01F, twips(2100)), sprm(0xB020, twips(2970)), sprm(0xB021, twips(200)), sprm(0xB022, twips(200)),
             sprm(0x9023, twips(250)), sprm(0x9024, twips(-250)), sprm(0xB017, twips(125)), sprm(0xB018, twips(100)),
             sprm(0x300A, {1})}), 1, a4},
      // A page under 1 cm keeps Word's defaults; so do margins that meet.
      {sprm(0xB01F, le16(400)), 0, defaults},
      {join({sprm(0xB021, le16(7000)), sprm(0xB022, le16(7000))}), 0, defaults},
      // A header distance reaching into the text is pulled back.
      {join({sprm(0xB017, le16(1440)), sprm(0x300A, {1})}), 0, pulled},
  };
  for (const Case& c : cases) {
    WordFileBuilder b;
    b.text = u"x\r";
    b.sectionSprms = c.sprms;
    b.dop[0] = c.facing;
    const auto doc = read(b);
    ASSERT_TRUE(doc);
    const PageSetupValues got = currentPageSetup(*doc);
    EXPECT_NEAR(got.PageWidth, c.expected.PageWidth, 0.05);
    EXPECT_NEAR(got.PageHeight, c.expected.PageHeight, 0.05);
    EXPECT_NEAR(got.MarginLeft, c.expected.MarginLeft, 0.05);
    EXPECT_NEAR(got.MarginTop, c.expected.MarginTop, 0.05);
    EXPECT_NEAR(got.MarginBottom, c.expected.MarginBottom, 0.05);
    EXPECT_NEAR(got.HeaderDistance, c.expected.HeaderDistance, 0.05);
    EXPECT_EQ(got.Mode, c.expected.Mode);
  }
}

TEST(WordImport, SectionBreaksAndColumns) {
  WordFileBuilder b;
  b.text = u"eins\x0C" u"zwei\r";
  b.sectionSprms = join({sprm(0x500B, le16(40)), sprm(0x3019, {1})});
  // The builder writes one section; its break mark at the end of text is
  // a page break inside the section, not a section start.
  const auto doc = read(b);
  ASSERT_TRUE(doc);
  EXPECT_EQ(texts(*doc), (std::vector<std::string>{"eins", "zwei"}));
  EXPECT_EQ(lineOf(*doc, 0).LineEnd, kLineEndPage);
  EXPECT_EQ(lineOf(*doc, 0).ColumnCount, 10);
  EXPECT_EQ(lineOf(*doc, 1).ColumnLines, 1);
}

Bytes defTable(std::vector<int> boundaries) {
  Bytes op = le16(static_cast<int>(1 + 1 + 2 * boundaries.size()));
  op.push_back(static_cast<uint8_t>(boundaries.size() - 1));
  for (int x : boundaries) {
    const Bytes v = le16(x);
    op.insert(op.end(), v.begin(), v.end());
  }
  return sprm(0xD608, op);
}

TEST(WordImport, TableRowsWithShadingAndTheirDamagedForms) {
  WordFileBuilder b;
  b.text = u"T\r";
  std::vector<WordFileBuilder::Run> runs{{0, {}}};
  const Bytes inTable = sprm(0x2416, {1});
  // Three rows of four cells; the first cell of each row shaded (yellow
  // background, clear), then a row whose boundaries fall back and a row
  // that declares three cells but has four.
  const Bytes shading = sprm(0xD609, {8, 7 << 5 & 0xFF, 7 >> 3, 0, 0, 0, 0, 0, 0});
  const std::vector<Bytes> rowSprms = {join({defTable({0, 1440, 2880, 4320, 5760}), shading}),
                                       join({defTable({0, 1440, 2880, 4320, 5760}), shading}),
                                       join({defTable({0, 1440, 2880, 4320, 5760}), shading}),
                                       defTable({0, 1440, 1440, 720, 5760}), defTable({0, 1440, 2880, 4320})};
  for (const Bytes& row : rowSprms) {
    for (int cell = 0; cell < 4; ++cell) {
      runs.push_back({static_cast<uint32_t>(b.text.size()), inTable});
      b.text += u"c" + std::u16string(1, char16_t(u'0' + cell)) + (cell == 1 ? u"\rp" : u"") + u"\x07";
    }
    runs.push_back({static_cast<uint32_t>(b.text.size()), join({inTable, sprm(0x2417, {1}), row})});
    b.text += u"\x07";
  }
  runs.push_back({static_cast<uint32_t>(b.text.size()), {}});
  b.text += u"Ende\r";
  b.paraRuns = runs;
  const auto doc = read(b);
  ASSERT_TRUE(doc);
  ASSERT_EQ(doc->Fields[0].Lines.size(), 22u);
  EXPECT_EQ(texts(*doc)[2], "c1\rp");
  for (size_t row = 0; row < 3; ++row) {
    for (size_t cell = 0; cell < 4; ++cell) {
      const TLineRec& line = lineOf(*doc, 1 + 4 * row + cell);
      EXPECT_EQ(line.InTable, 1);
      EXPECT_EQ(line.RowCells, 4);
      EXPECT_EQ(line.CellIndex, static_cast<int32_t>(cell));
      EXPECT_NEAR(line.CellWidthWeight, 25.4, 0.01);
      EXPECT_NEAR(line.Para.LeftIndent, 2.5, 0.01);
      EXPECT_EQ(line.CellDesign.BackTransparent, cell == 0 ? 0 : 1);
      if (cell == 0) {
        EXPECT_EQ(line.CellDesign.BackColor, 0x00FFFF);
      }
    }
  }
  const TLineRec& cellBreak = lineOf(*doc, 2);
  ASSERT_TRUE(cellBreak.Chars[2].ParaRef);
  EXPECT_EQ(cellBreak.Chars[2].ParaRef->LeftIndent, 2.5);
  for (size_t cell = 0; cell < 4; ++cell) {
    EXPECT_EQ(lineOf(*doc, 13 + cell).CellWidthWeight, 1.0);  // boundaries fall back: equal shares
    EXPECT_EQ(lineOf(*doc, 17 + cell).InTable, 0);            // declared count differs
  }
}

TEST(WordImport, HeaderAndFooterStoriesFillTheirFrames) {
  WordFileBuilder b;
  b.text = u"Haupttext\r";
  b.mainLength = static_cast<uint32_t>(b.text.size());
  // Even header, odd header, even footer, odd footer, first header, first footer.
  const std::vector<std::u16string> stories = {u"gerade\r\r", u"ungerade\r\r", u"", u"Fuss\r\r", u"erste\r\r", u""};
  for (const std::u16string& story : stories) {
    b.storyStarts.push_back(static_cast<uint32_t>(b.text.size() - b.mainLength));
    b.text += story;
  }
  b.storyStarts.push_back(static_cast<uint32_t>(b.text.size() - b.mainLength));
  b.text += u"\r";
  b.dop[0] = 1;
  b.sectionSprms = sprm(0x300A, {1});
  const auto doc = read(b);
  ASSERT_TRUE(doc);
  EXPECT_EQ(texts(*doc), std::vector<std::string>{"Haupttext"});
  EXPECT_EQ(texts(*doc, 3), std::vector<std::string>{"gerade"});
  EXPECT_EQ(texts(*doc, 5), std::vector<std::string>{"ungerade"});
  EXPECT_EQ(texts(*doc, 6), std::vector<std::string>{"Fuss"});
  EXPECT_EQ(texts(*doc, 1), std::vector<std::string>{"erste"});
  EXPECT_EQ(texts(*doc, 4), std::vector<std::string>{""});
  const uint8_t showOn[7] = {0, 0, 0, 5, 5, 6, 6};
  for (size_t frame = 1; frame < 7; ++frame) EXPECT_EQ(doc->Fields[frame].ShowOn, showOn[frame]) << frame;
}

TEST(WordImport, FilesThatAreNoWord97DocumentAreRefused) {
  Document untouched;
  untouched.NewPage(true);
  const auto refuses = [&](const Bytes& bytes) {
    Document doc = untouched;
    return !decodeWord(bytes, doc, nullptr) && doc.Fields.size() == 1;
  };
  WordFileBuilder b;
  b.text = u"x\r";
  WordFileBuilder word6 = b, encrypted = b, wrongTable = b;
  word6.version = 104;
  encrypted.flags |= 0x0100;
  Bytes noTable = wrongTable.build();
  // The table stream's name in the directory no longer matches.
  for (size_t i = 0; i + 12 <= noTable.size(); ++i)
    if (noTable[i] == '1' && noTable[i + 1] == 0 && noTable[i + 2] == 'T' && noTable[i + 4] == 'a') noTable[i] = '2';
  EXPECT_TRUE(refuses(word6.build()));
  EXPECT_TRUE(refuses(encrypted.build()));
  EXPECT_TRUE(refuses(noTable));
  EXPECT_TRUE(refuses(Bytes{'{', '\\', 'r', 't', 'f', '1', '}'}));
  Bytes truncated = b.build();
  truncated.resize(600);
  EXPECT_TRUE(refuses(truncated));
}

TEST(WordImport, DamagedTablesGiveWhatCanBeRead) {
  WordFileBuilder b;
  b.text = u"Hallo Welt\rzwei\r";
  b.charRuns = {{0, sprm(0x0835, {1})}};
  b.paraRuns = {{0, sprm(0x2403, {2})}};
  auto doc = read(b);
  ASSERT_TRUE(doc);
  EXPECT_EQ(texts(*doc), (std::vector<std::string>{"Hallo Welt", "zwei"}));
  // Huge counts and places in the table stream: the tables count as
  // absent and the text still comes.
  for (size_t pair : {1, 6, 11, 12, 13, 15, 31, 33}) {
    for (uint32_t damage : {0x7FFFFFF0u, 0xFFFFFFFFu}) {
      WordFileBuilder broken = b;
      Bytes file = broken.build();
      // The FIB lies at the start of the first stream's first sector.
      const size_t fib = testing::CompoundFileBuilder::offsetOf(0);
      WordFileBuilder::put32(file, fib + 0x9A + 8 * pair + 4, damage);
      Document damaged;
      ASSERT_TRUE(decodeWord(file, damaged, nullptr)) << pair;
      EXPECT_EQ(texts(damaged).front().substr(0, 5), "Hallo") << pair;
    }
  }
  // A main text length far beyond the stream: the text ends where the
  // stream does.
  WordFileBuilder outside = b;
  outside.text = u"abc\r";
  Bytes file = outside.build();
  const size_t fib = testing::CompoundFileBuilder::offsetOf(0);
  WordFileBuilder::put32(file, fib + 0x4C, 0x7FFFFFFF);
  Document damaged;
  ASSERT_TRUE(decodeWord(file, damaged, nullptr));
  EXPECT_EQ(texts(damaged).front(), "abc");
}

}  // namespace
}  // namespace vendaro
