#include "formats/lpx_records.h"

#include <algorithm>
#include <cassert>

namespace vendaro::lpx {

void writeField(ByteWriter& out, const TFieldRec& f, int32_t lineCount) {
  const size_t start = out.size();
  for (double v : {f.Left, f.Top, f.Right, f.Bottom, f.MarginLeft, f.MarginTop, f.MarginRight, f.MarginBottom})
    out.f64(v);
  out.u8(f.ShowOn);
  out.u8(f.WrapText);
  out.u8(f.MoveWithText);
  out.zeros(1);
  out.i32(f.WrapMode);
  out.f64(f.TextDistY);
  out.f64(f.TextDistX);
  out.f64(f.BorderWidth);
  out.i32(f.BorderColor);
  out.i32(f.BackColor);
  out.u8(f.Transparent);
  out.u8(f.TopFromBottom);
  out.u8(f.BottomFromBottom);
  out.u8(f.RightFromRight);
  out.u8(f.FieldType);
  out.zeros(3);
  out.i32(f.PageNo);
  out.i32(f.PrevField);
  out.i32(f.NextField);
  out.u8(f.KeepAspect);
  out.zeros(3);
  out.i32(lineCount < 0 ? f.LineCount() : lineCount);
  out.u32(0);  // Lines pointer
  out.u8(f.Visited);
  out.u8(f.ObjSelected);
  out.u8(f.LineFlip);
  out.zeros(1);
  out.i32(f.FootnoteNo);
  out.u8(f.LayoutMark);
  out.u8(f.SeparatorLine);
  out.zeros(6);
  out.f64(f.AnchorDX);
  out.f64(f.AnchorDY);
  out.i32(f.AnchorID);
  out.zeros(4);
  out.f64(f.NewAnchorDX);
  out.f64(f.NewAnchorDY);
  out.f64(f.AnchorDist);
  out.i32(f.AnchorFieldIdx);
  out.i32(f.AnchorLineIdx);
  assert(out.size() - start == kFieldImageSize);
  (void)start;
}

bool readField(ByteReader& in, TFieldRec& f, int32_t& lineCount) {
  if (in.left() < kFieldImageSize) { in.fail(); return false; }
  for (double* v : {&f.Left, &f.Top, &f.Right, &f.Bottom, &f.MarginLeft, &f.MarginTop, &f.MarginRight, &f.MarginBottom})
    *v = in.f64();
  f.ShowOn = in.u8();
  f.WrapText = in.u8();
  f.MoveWithText = in.u8();
  in.skip(1);
  f.WrapMode = in.i32();
  f.TextDistY = in.f64();
  f.TextDistX = in.f64();
  f.BorderWidth = in.f64();
  f.BorderColor = in.i32();
  f.BackColor = in.i32();
  f.Transparent = in.u8();
  f.TopFromBottom = in.u8();
  f.BottomFromBottom = in.u8();
  f.RightFromRight = in.u8();
  f.FieldType = in.u8();
  in.skip(3);
  f.PageNo = in.i32();
  f.PrevField = in.i32();
  f.NextField = in.i32();
  f.KeepAspect = in.u8();
  in.skip(3);
  lineCount = in.i32();
  in.skip(4);
  f.Visited = in.u8();
  f.ObjSelected = in.u8();
  f.LineFlip = in.u8();
  in.skip(1);
  f.FootnoteNo = in.i32();
  f.LayoutMark = in.u8();
  f.SeparatorLine = in.u8();
  in.skip(6);
  f.AnchorDX = in.f64();
  f.AnchorDY = in.f64();
  f.AnchorID = in.i32();
  in.skip(4);
  f.NewAnchorDX = in.f64();
  f.NewAnchorDY = in.f64();
  f.AnchorDist = in.f64();
  f.AnchorFieldIdx = in.i32();
  f.AnchorLineIdx = in.i32();
  return !in.failed();
}

void writeFont(ByteWriter& out, const TFontRec& f) {
  out.i32(f.Color);
  out.f64(f.Size);
  out.u32(0);  // Name pointer: the name follows as a string
  out.u8(f.Reserved);
  out.u8(f.Style);
  out.u8(f.Charset);
  out.i32(f.BackColor);
  out.i32(f.ShadowColor);
  out.i32(f.OutlineColor);
  out.u8(f.BackTransparent);
  out.u16(f.Attr);
}

bool readFont(ByteReader& in, TFontRec& f) {
  if (in.left() < kFontImageSize) { in.fail(); return false; }
  f.Color = in.i32();
  f.Size = in.f64();
  in.skip(4);
  f.Reserved = in.u8();
  f.Style = in.u8();
  f.Charset = in.u8();
  f.BackColor = in.i32();
  f.ShadowColor = in.i32();
  f.OutlineColor = in.i32();
  f.BackTransparent = in.u8();
  f.Attr = in.u16();
  return !in.failed();
}

void writePara(ByteWriter& out, const TParaFormat& p) {
  out.u8(p.Alignment);
  out.f64(p.LineSpacing);
  out.u8(p.LineSpacingMode);
  for (double v : {p.SpaceBefore, p.SpaceAfter, p.LeftIndent, p.RightIndent, p.FirstLineIndent, p.DefaultTabWidth})
    out.f64(v);
  out.i32(p.TabCount());
  out.u32(0);  // Tabs pointer: the stops follow
  out.f64(p.ListIndent);
  out.u8(p.ListKind);
  out.u8(p.BulletChar);
  out.i32(p.ListNumber);
  out.u32(p.BulletFont ? 1 : 0);
}

bool readPara(ByteReader& in, ParaImage& image) {
  if (in.left() < kParaImageSize) { in.fail(); return false; }
  TParaFormat& p = image.para;
  p.Alignment = in.u8();
  p.LineSpacing = in.f64();
  p.LineSpacingMode = in.u8();
  for (double* v : {&p.SpaceBefore, &p.SpaceAfter, &p.LeftIndent, &p.RightIndent, &p.FirstLineIndent, &p.DefaultTabWidth})
    *v = in.f64();
  image.tabCount = in.i32();
  in.skip(4);
  p.ListIndent = in.f64();
  p.ListKind = in.u8();
  p.BulletChar = in.u8();
  p.ListNumber = in.i32();
  image.hasBulletFont = in.u32() != 0;
  p.Tabs.clear();
  p.BulletFont.reset();
  return !in.failed();
}

void writeCellDesign(ByteWriter& out, const TCellDesign& d) {
  for (double w : d.BorderWidth) out.f64(w);
  for (int32_t c : d.BorderColor) out.i32(c);
  for (uint8_t b : d.BorderPresent) out.u8(b);
  out.i32(d.BackColor);
  out.u8(d.BackTransparent);
}

bool readCellDesign(ByteReader& in, TCellDesign& d) {
  for (double& w : d.BorderWidth) w = in.f64();
  for (int32_t& c : d.BorderColor) c = in.i32();
  for (uint8_t& b : d.BorderPresent) b = in.u8();
  d.BackColor = in.i32();
  d.BackTransparent = in.u8();
  return !in.failed();
}

void writeCharImage(ByteWriter& out, const TCharRec& c) {
  out.u8(c.Kind);
  out.u8(c.Ch);
  out.u16(c.ShownNumber);
  out.u16(c.NoteID);
  out.f64(c.CharWidth);
  out.f64(c.CharHeight);
  out.i32(c.FontIndex);
  out.u8(c.TabLeader);
  out.u16(c.PictureIndex);
  out.u8(c.CharFlags);
  out.zeros(12);  // Text, Code, ParaRef pointers
  out.f32(c.FlowShift);
}

bool readCharImage(ByteReader& in, TCharRec& c) {
  c.Kind = in.u8();
  c.Ch = in.u8();
  c.ShownNumber = in.u16();
  c.NoteID = in.u16();
  c.CharWidth = in.f64();
  c.CharHeight = in.f64();
  c.FontIndex = in.i32();
  c.TabLeader = in.u8();
  c.PictureIndex = in.u16();
  c.CharFlags = in.u8();
  in.skip(12);
  c.FlowShift = in.f32();
  return !in.failed();
}

void writeStyle(ByteWriter& out, const TStyleRec& s) {
  const size_t nameLength = std::min<size_t>(s.Name.size(), 255);
  out.u8(static_cast<uint8_t>(nameLength));
  out.raw(s.Name.data(), nameLength);
  out.zeros(255 - nameLength);
  out.u8(s.Kind);
  writePara(out, s.Para);
  writeCharImage(out, s.Char);
}

bool readStyle(ByteReader& in, TStyleRec& s, ParaImage& para) {
  if (in.left() < kStyleImageSize) { in.fail(); return false; }
  const uint8_t nameLength = in.u8();
  s.Name = std::string(in.view(255).substr(0, nameLength));
  s.Kind = in.u8();
  readPara(in, para);
  s.Para = para.para;
  readCharImage(in, s.Char);
  return !in.failed();
}

void writeTabStops(ByteWriter& out, const std::vector<TTabStop>& tabs) {
  for (const TTabStop& t : tabs) {
    out.f64(t.Pos);
    out.i32(t.TabAlign);
    out.i32(t.Leader);
  }
}

bool readTabStops(ByteReader& in, int32_t count, std::vector<TTabStop>& tabs) {
  tabs.clear();
  if (count <= 0) return true;
  if (!in.canHold(count, kTabStopSize)) { in.fail(); return false; }
  tabs.resize(static_cast<size_t>(count));
  for (TTabStop& t : tabs) {
    t.Pos = in.f64();
    t.TabAlign = in.i32();
    t.Leader = in.i32();
  }
  return !in.failed();
}

void writeLineImage(ByteWriter& out, const TLineRec& line, int32_t charCount) {
  const size_t start = out.size();
  out.i32(charCount);
  out.u32(0);  // Chars pointer
  out.i32(line.LineEnd);
  out.u8(line.CellFirstLine);
  out.u8(line.CellLastLine);
  out.u8(line.InTable);
  out.zeros(1);
  out.i32(line.RowCells);
  out.i32(line.CellIndex);
  out.f64(line.CellWidthWeight);
  out.f64(line.RowLeft);
  out.f64(line.RowRight);
  writeCellDesign(out, line.CellDesign);
  writePara(out, line.Para);
  out.zeros(3);
  out.i32(line.ColumnCount);
  out.i32(line.ColumnLines);
  out.f64(line.ColumnGap);
  out.i32(line.AnchorID);
  out.zeros(4);
  out.f64(line.LineHeight);
  out.u8(line.Dirty);
  out.zeros(7);
  out.f64(line.ColumnX);
  out.f64(line.ColumnBackY);
  out.f64(line.ColumnRestY);
  out.i32(line.ColumnIndex);
  out.zeros(4);
  out.f64(line.SepLeftX);
  out.f64(line.SepRightX);
  out.u8(line.ColumnTop);
  out.u8(line.ColumnBottom);
  out.zeros(2);
  out.i32(line.ColumnBreaks);
  out.u8(line.Hyphenated);
  out.u8(line.MouseMark);
  out.zeros(6);
  assert(out.size() - start == kLineImageSize);
  (void)start;
}

bool readLineImage(ByteReader& in, TLineRec& line, int32_t& charCount, ParaImage& para) {
  if (in.left() < kLineImageSize) { in.fail(); return false; }
  charCount = in.i32();
  in.skip(4);
  line.LineEnd = in.i32();
  line.CellFirstLine = in.u8();
  line.CellLastLine = in.u8();
  line.InTable = in.u8();
  in.skip(1);
  line.RowCells = in.i32();
  line.CellIndex = in.i32();
  line.CellWidthWeight = in.f64();
  line.RowLeft = in.f64();
  line.RowRight = in.f64();
  readCellDesign(in, line.CellDesign);
  readPara(in, para);
  line.Para = para.para;
  in.skip(3);
  line.ColumnCount = in.i32();
  line.ColumnLines = in.i32();
  line.ColumnGap = in.f64();
  line.AnchorID = in.i32();
  in.skip(4);
  line.LineHeight = in.f64();
  line.Dirty = in.u8();
  in.skip(7);
  line.ColumnX = in.f64();
  line.ColumnBackY = in.f64();
  line.ColumnRestY = in.f64();
  line.ColumnIndex = in.i32();
  in.skip(4);
  line.SepLeftX = in.f64();
  line.SepRightX = in.f64();
  line.ColumnTop = in.u8();
  line.ColumnBottom = in.u8();
  in.skip(2);
  line.ColumnBreaks = in.i32();
  line.Hyphenated = in.u8();
  line.MouseMark = in.u8();
  in.skip(6);
  line.Chars.clear();
  return !in.failed();
}

}  // namespace vendaro::lpx
