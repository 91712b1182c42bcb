// lpx_writer.cpp — writes a document in the native format.
#include <algorithm>

#include "formats/lpx_file.h"
#include "formats/lpx_records.h"
#include "platform/file_io.h"

namespace vendaro {
namespace {

void writeHeader(ByteWriter& out, const Document& doc) {
  out.lengthPrefixed(kLpxMagic);
  out.f64(doc.ZoomPercent);
  out.i32(doc.ZoomMode);
  out.u8(doc.AutoHyphenate);
  out.i32(doc.DocLanguage);
  out.u8(kDocPropCount);
  for (const std::string& prop : doc.DocProps) out.lengthPrefixed(prop);
}

void writeBulletFont(ByteWriter& out, const TParaFormat& para) {
  if (para.BulletFont) out.lengthPrefixed(*para.BulletFont);
}

void writeFonts(ByteWriter& out, const Document& doc) {
  out.i32(doc.FontCount());
  for (const TFontRec& font : doc.Fonts.entries()) {
    lpx::writeFont(out, font);
    out.lengthPrefixed(font.name());
  }
}

void writeStyles(ByteWriter& out, const Document& doc) {
  out.i32(doc.StyleCount());
  for (const TStyleRec& style : doc.Styles) {
    lpx::writeStyle(out, style);
    lpx::writeTabStops(out, style.Para.Tabs);
    writeBulletFont(out, style.Para);
  }
}

uint32_t paletteEntries(const TPictureRec& pic) {
  return pic.Header.biBitCount <= 8 ? 1u << pic.Header.biBitCount : 0u;
}

// A released picture (or one that never loaded) keeps its place in the list
// as a bare header of width and height 0 with no colours and no rows, so
// that the indices of the pictures after it stay valid.
void writeEmptyPicture(ByteWriter& out) {
  out.i32(BitmapInfoHeader::kSize);
  out.i32(0);
  uint8_t header[BitmapInfoHeader::kSize];
  BitmapInfoHeader{}.writeTo(header);
  out.raw(header, sizeof header);
}

void writePicture(ByteWriter& out, const TPictureRec& pic) {
  if (!pic.hasPixels() || pic.width() <= 0 || pic.height() <= 0) {
    writeEmptyPicture(out);
    return;
  }
  const uint32_t colours = paletteEntries(pic);
  out.i32(static_cast<int32_t>(BitmapInfoHeader::kSize + 4 * colours));
  out.i32(static_cast<int32_t>(colours));
  uint8_t header[BitmapInfoHeader::kSize];
  pic.Header.writeTo(header);
  out.raw(header, sizeof header);
  for (uint32_t i = 0; i < colours; ++i) out.u32(i < pic.Palette.size() ? pic.Palette[i] : 0);
  const size_t pixelBytes = static_cast<size_t>(pic.height()) * static_cast<size_t>(pic.RowBytes);
  const size_t held = std::min(pixelBytes, pic.pixelBytes());
  if (held) out.raw(pic.pixels(), held);
  out.zeros(pixelBytes - held);
}

void writeLine(ByteWriter& out, const TLineRec& line) {
  out.i32(line.CharCount());
  out.i32(line.LineEnd);
  lpx::writePara(out, line.Para);
  lpx::writeTabStops(out, line.Para.Tabs);
  writeBulletFont(out, line.Para);
  out.u8(line.InTable);
  if (line.InTable) {
    out.u8(line.CellFirstLine);
    out.u8(line.CellLastLine);
    out.i32(line.RowCells);
    out.i32(line.CellIndex);
    out.f64(line.CellWidthWeight);
    out.f64(line.RowLeft);
    out.f64(line.RowRight);
    lpx::writeCellDesign(out, line.CellDesign);
  }
  out.i32(line.ColumnCount);
  out.i32(line.ColumnLines);
  out.f64(line.ColumnGap);
}

// Plain characters take three bytes: flags, character, one-byte font index.
void writeCell(ByteWriter& out, const TCharRec& cell) {
  const bool smallFont = cell.FontIndex >= 0 && cell.FontIndex <= 255;
  out.u8(static_cast<uint8_t>((cell.Kind & 15) | ((cell.CharFlags & 7) << 4) | (smallFont ? 0x80 : 0)));
  out.u8(cell.Ch);
  if (cell.Ch == kTabChar) out.u8(cell.TabLeader);
  if (smallFont) out.u8(static_cast<uint8_t>(cell.FontIndex));
  else out.i32(cell.FontIndex);
  if (cell.Kind == kCellChar) return;
  if (cell.Kind == kCellPicture) {
    out.u16(cell.PictureIndex);
  } else {
    out.u16(cell.ShownNumber);
    out.u16(cell.NoteID);
    out.lengthPrefixed(textOf(cell.Text));
    out.lengthPrefixed(textOf(cell.Code));
  }
  out.f64(cell.CharWidth);
  out.f64(cell.CharHeight);
}

void writeFrames(ByteWriter& out, const Document& doc) {
  out.i32(doc.FieldCount());
  for (const TFieldRec& field : doc.Fields) {
    lpx::writeField(out, field);
    for (const TLineRec& line : field.Lines) {
      writeLine(out, line);
      for (const TCharRec& cell : line.Chars) writeCell(out, cell);
    }
  }
}

}  // namespace

std::vector<uint8_t> encodeLpx(const Document& doc) {
  ByteWriter out;
  writeHeader(out, doc);
  writeFonts(out, doc);
  out.i32(doc.FootnoteCounter);
  writeStyles(out, doc);
  out.i32(doc.PictureCount());
  for (const TPictureRec& pic : doc.Pictures) writePicture(out, pic);
  for (int32_t v : {doc.MarkField, doc.MarkLine, doc.MarkChar, doc.CurField, doc.CurLine, doc.CurChar, doc.CaretPage})
    out.i32(v);
  out.u8(doc.CaretAtLineEnd);
  writeFrames(out, doc);
  out.f64(doc.PageWidth);
  out.f64(doc.PageHeight);
  return std::move(out.bytes());
}

bool SaveLPXFile(const Document& doc, const std::filesystem::path& path, std::string& message) {
  if (!writeFileAtomically(path, encodeLpx(doc))) {
    message = cannotCreateMessage(path);
    return false;
  }
  return true;
}

std::string cannotOpenMessage(const std::filesystem::path& path) {
  return "Konnte Datei " + path.filename().string() + " nicht öffnen!";
}

std::string cannotCreateMessage(const std::filesystem::path& path) {
  return "Konnte Datei " + path.filename().string() + " nicht erstellen!";
}

}  // namespace vendaro
