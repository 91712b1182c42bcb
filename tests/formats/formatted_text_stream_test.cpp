// The formatted text stream byte for byte against the record layouts, and
// what decoding makes of fonts, control codes and missing footnote frames.
#include <gtest/gtest.h>

#include "formats/formatted_text_stream.h"
#include "formats/lpx_records.h"
#include "platform/byte_io.h"

namespace vendaro {
namespace {

FormattedText oneLetter(uint8_t ch) {
  FormattedText text;
  TFontRec arial;
  arial.Size = 10;
  SetPCharText(arial.Name, "Arial");
  StreamLine& entry = text.lines.emplace_back();
  entry.line.LineEnd = kLineEndParagraph;
  TCharRec& cell = entry.line.Chars.emplace_back();
  cell.Ch = ch;
  cell.CharWidth = 2.5;
  cell.CharHeight = 4;
  cell.FontIndex = text.fonts.GetNewFontIndex(arial);
  return text;
}

TEST(FormattedTextStreamTest, ASmallStreamMatchesTheRecordLayouts) {
  ByteWriter w;  // written field by field from the record tables
  w.i32(2);      // text
  w.i32(0);      // no table copy
  w.i32(1);      // a line entry: TLineRec, 296 bytes
  w.i32(1);      // cells that follow
  w.u32(0);
  w.i32(1);                   // LineEnd
  for (int i = 0; i < 4; ++i) w.u8(0);  // CellFirstLine, CellLastLine, InTable, reserved
  w.i32(1);                   // RowCells
  w.i32(0);                   // CellIndex
  w.f64(1.0);                 // CellWidthWeight
  w.f64(0), w.f64(0);         // RowLeft, RowRight
  for (int i = 0; i < 4; ++i) w.f64(0.75);
  for (int i = 0; i < 4; ++i) w.i32(0);
  for (int i = 0; i < 4; ++i) w.u8(1);
  w.i32(0xFFFFFF), w.u8(1);   // cell background, transparent
  w.u8(0), w.f64(1.0), w.u8(0);  // paragraph: alignment, spacing, mode
  for (double v : {0.0, 0.0, 0.0, 0.0, 0.0, 12.5}) w.f64(v);
  w.i32(0), w.u32(0);         // no tab stops
  w.f64(6.3), w.u8(0), w.u8(159), w.i32(0), w.u32(0);
  w.zeros(3);
  w.i32(0), w.i32(0), w.f64(12.5);  // columns
  w.i32(0), w.zeros(4);       // AnchorID
  w.f64(0), w.u8(0), w.zeros(7);
  w.f64(0), w.f64(0), w.f64(0), w.i32(0), w.zeros(4);
  w.f64(0), w.f64(0), w.u8(0), w.u8(0), w.zeros(2);
  w.i32(0), w.u8(0), w.u8(0), w.zeros(6);
  ASSERT_EQ(w.size(), 12u + 296u);
  w.u8(0), w.u8('A'), w.u16(0), w.u16(0), w.f64(2.5), w.f64(4), w.i32(0);  // TCharRec, 46 bytes
  w.u8(0), w.u16(0), w.u8(0), w.zeros(12), w.f32(0);
  w.i32(0), w.f64(10), w.u32(0), w.u8(0), w.u8(0), w.u8(0);  // TFontRec, 34 bytes
  w.i32(0), w.i32(0), w.i32(0), w.u8(0), w.u16(0);
  w.lengthPrefixed("Arial");
  w.i32(0);  // the line's end was not copied
  w.i32(0);  // end of entries

  const std::vector<uint8_t> bytes = encodeFormattedText(oneLetter('A'));
  EXPECT_EQ(bytes, w.bytes());
  FormattedText back;
  ASSERT_TRUE(decodeFormattedText(bytes.data(), bytes.size(), back));
  ASSERT_EQ(back.lines.size(), 1u);
  EXPECT_EQ(back.lines[0].line.Chars.at(0).Ch, 'A');
  EXPECT_EQ(back.fonts[0].name(), "Arial");
}

TEST(FormattedTextStreamTest, DecodingSharesFontsDropsControlCodesAndToleratesMissingNoteFrames) {
  FormattedText text = oneLetter('x');
  std::vector<TCharRec>& cells = text.lines[0].line.Chars;
  for (uint8_t ch : {uint8_t('y'), uint8_t(13), uint8_t(kTabChar), uint8_t(2)}) {
    cells.push_back(cells[0]);
    cells.back().Ch = ch;
  }
  TCharRec reference = cells[0];
  reference.Kind = kCellNoteRef;
  cells.push_back(reference);
  cells.push_back(reference);
  StreamFrame note;
  note.frame.FieldType = kFieldFooter;
  text.footnoteFrames.push_back(note);  // one frame for two references

  const std::vector<uint8_t> bytes = encodeFormattedText(text);
  FormattedText back;
  ASSERT_TRUE(decodeFormattedText(bytes.data(), bytes.size(), back));
  EXPECT_EQ(back.fonts.size(), 1);
  std::string kept;
  for (const TCharRec& cell : back.lines[0].line.Chars) kept += cell.Kind == kCellChar ? char(cell.Ch) : '#';
  EXPECT_EQ(kept, "xy\t##");
  EXPECT_EQ(back.noteReferences().size(), 2u);
  EXPECT_EQ(back.footnoteFrames.size(), 1u);

  // A footnote frame must be one; nothing may follow the frames' marker
  // but another entry.
  std::vector<uint8_t> wrongKind = bytes;
  wrongKind[wrongKind.size() - 4 - 208 + 108] = kFieldTextBox;  // FieldType
  EXPECT_FALSE(decodeFormattedText(wrongKind.data(), wrongKind.size(), back));
  std::vector<uint8_t> badMarker = bytes;
  badMarker.insert(badMarker.end(), {5, 0, 0, 0});
  EXPECT_FALSE(decodeFormattedText(badMarker.data(), badMarker.size(), back));
}

}  // namespace
}  // namespace vendaro
